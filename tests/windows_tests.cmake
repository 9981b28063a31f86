# Windows test programs, run through Wine by CTest: win (the program's forms
# created in-process) and e2e (the real velk.exe driven from outside), each
# in sessions of their own display and Wine server (wine_session.cmake).
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
include(wine_session.cmake)

# One session by default: the e2e tests' real input was seen to miss its
# time when another session's test ran beside it on this 2-core machine.
set(VELK_WINE_SESSIONS 1 CACHE STRING "How many Wine sessions run the Windows tests side by side")
velk_wine_pool(wine ${VELK_WINE_SESSIONS})

function(velk_test_program target)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    # Test programs run helper threads beside their own.
    target_compile_options(${target} PRIVATE -fthreadsafe-statics)
    target_link_libraries(${target} PRIVATE velk_warnings)
endfunction()

# The test program's tests, each run through the emulator its target has.
function(velk_discover_tests target prefix)
    gtest_discover_tests(${target}
        TEST_PREFIX "${prefix}."
        DISCOVERY_TIMEOUT 120
        PROPERTIES TIMEOUT 120 ${ARGN})
endfunction()

add_executable(win_tests
    win/caption_document_test.cpp
    win/caption_mouse_test.cpp
    win/caption_window_test.cpp
    win/background_test.cpp
    win/form_test.cpp
    win/glyph_button_test.cpp
    win/handles_test.cpp
    win/info_form_test.cpp
    win/leak_test.cpp
    win/log_view_test.cpp
    win/main_form_test.cpp
    win/monitor_forms_test.cpp
    win/picture_decoded_test.cpp
    win/string_grid_test.cpp
    win/setup_form_test.cpp
    win/test_main.cpp
    win/timers_and_wheel_test.cpp
    ${CMAKE_SOURCE_DIR}/win/object_count.cpp
    ${CMAKE_SOURCE_DIR}/res/velk.rc
)
target_link_libraries(win_tests PRIVATE velk_app gtest)
velk_test_program(win_tests)
velk_run_in_pool(win_tests wine)
velk_discover_tests(win_tests win FIXTURES_REQUIRED wine ${VELK_POOL_LOCK_wine})

# The C++ runtime's thread calls as velk.exe answers them, without
# winpthreads: a program of their own, since other test programs' threads
# need winpthreads.
add_executable(thread_runtime_tests win/thread_runtime_test.cpp ${CMAKE_SOURCE_DIR}/win/thread_runtime.cpp)
velk_test_program(thread_runtime_tests)
velk_run_in_pool(thread_runtime_tests wine)
add_test(NAME win.ThreadRuntime COMMAND thread_runtime_tests)
set_tests_properties(win.ThreadRuntime PROPERTIES FIXTURES_REQUIRED wine ${VELK_POOL_LOCK_wine} TIMEOUT 60)

# Helper programs the e2e tests start or use.
add_executable(record_args WIN32 tools/record_args.cpp)
target_link_libraries(record_args PRIVATE velk_warnings)
target_link_options(record_args PRIVATE -municode)
# Planted beside velk.exe under system DLLs' names.
add_library(planted SHARED tools/planted_dll.cpp)
set_target_properties(planted PROPERTIES PREFIX "")
target_link_libraries(planted PRIVATE velk_warnings)

# The e2e driver, and the programs built on it.
function(velk_e2e_program target)
    add_executable(${target} e2e/driver.cpp ${ARGN}
                   ${CMAKE_SOURCE_DIR}/win/object_count_none.cpp)
    target_link_libraries(${target} PRIVATE velk_win velk_portable gtest gtest_main)
    velk_test_program(${target})
    add_dependencies(${target} velk)
endfunction()

velk_e2e_program(e2e_tests
    e2e/about_test.cpp
    e2e/background_test.cpp
    e2e/caption_test.cpp
    e2e/launch_test.cpp
    e2e/monitor_test.cpp
    e2e/offscreen_test.cpp
    e2e/panel_test.cpp
    e2e/save_test.cpp
    e2e/setup_test.cpp
    e2e/single_panel_test.cpp
    e2e/startup_test.cpp
)
target_link_libraries(e2e_tests PRIVATE ole32 oleaut32 oleacc uuid)
add_dependencies(e2e_tests record_args planted)
velk_run_in_pool(e2e_tests wine)
velk_discover_tests(e2e_tests e2e FIXTURES_REQUIRED wine ${VELK_POOL_LOCK_wine})

# The log-off case ends every windowed process on its Wine server, and once
# a server had ended its session, later Wine starts on the same display were
# seen to take a second longer: a prefix, server and display of its own.
set(session_prefix ${CMAKE_BINARY_DIR}/wineprefix-session)
velk_wine_step(copy-prefix ${VELK_WINEPREFIX} ${session_prefix})
velk_e2e_program(session_end_tests e2e/session_end_test.cpp)
velk_run_in_own_session(session_end_tests ${session_prefix})
# The longest tests start first (COST), so that none is left running alone at
# the end.
velk_discover_tests(session_end_tests e2e RESOURCE_LOCK wineprefix-session COST 20)

# A display of 144 dpi (150 %): the prefix's own, with its own server.
set(dpi_prefix ${CMAKE_BINARY_DIR}/wineprefix-144)
velk_wine_step(copy-prefix ${VELK_WINEPREFIX} ${dpi_prefix} 144)
velk_e2e_program(dpi_tests e2e/dpi_test.cpp)
velk_run_in_own_session(dpi_tests ${dpi_prefix})
velk_discover_tests(dpi_tests e2e RESOURCE_LOCK wineprefix-144 COST 20)

# Wine's visual style active: the prefix's own, with its own server.
set(theme_prefix ${CMAKE_BINARY_DIR}/wineprefix-theme)
velk_wine_step(copy-prefix ${VELK_WINEPREFIX} ${theme_prefix} theme)
velk_e2e_program(theme_tests e2e/theme_test.cpp)
target_link_libraries(theme_tests PRIVATE uxtheme)
velk_run_in_own_session(theme_tests ${theme_prefix})
velk_discover_tests(theme_tests e2e RESOURCE_LOCK wineprefix-theme COST 20)

# The long run of the forms in-process (make soak runs it at full length);
# a short run of a few seconds is a test. It links what the win tier links,
# the counting reports among it.
add_executable(soak soak/soak.cpp ${CMAKE_SOURCE_DIR}/win/object_count.cpp ${CMAKE_SOURCE_DIR}/res/velk.rc)
target_link_libraries(soak PRIVATE velk_app psapi)
velk_test_program(soak)
target_link_options(soak PRIVATE -municode)
velk_run_in_pool(soak wine)
add_test(NAME soak.Short COMMAND soak 40 8 3 300)
set_tests_properties(soak.Short PROPERTIES FIXTURES_REQUIRED wine ${VELK_POOL_LOCK_wine} TIMEOUT 300 LABELS soak
                     COST 20)

include(bench/bench.cmake)
