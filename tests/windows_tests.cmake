# Windows test programs, built by the posix thread model's compilers and run
# through Wine by CTest: win (the program's forms created in-process), e2e
# (the shipped velk.exe driven from outside) and soak, in the sessions
# wine_session.cmake sets up.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${VELK_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)
include(wine_session.cmake)

# The shipped velk.exe: built by the program's own tree (preset win64, the
# win32 thread model's compilers) and copied beside the test programs, which
# start it from their own folder. The e2e tier is its one check.
set(VELK_PROGRAM_TREE ${CMAKE_SOURCE_DIR}/build/win64)
add_custom_target(shipped_velk
    COMMAND ${CMAKE_COMMAND} -D PRESET=win64 -D TREE=${VELK_PROGRAM_TREE} -D TARGET=velk
            -P ${CMAKE_SOURCE_DIR}/cmake/nested_build.cmake
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${VELK_PROGRAM_TREE}/bin/velk.exe
            ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/velk.exe
    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    COMMENT "Building the shipped velk.exe (preset win64)"
    VERBATIM)

# Each test program runs through scripts/wine-session.sh, in the session
# its tests' properties name.
function(velk_test_program target)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE velk_warnings)
    set_target_properties(${target} PROPERTIES CROSSCOMPILING_EMULATOR "${VELK_WINE_SESSION};run")
endfunction()

# The test program's tests, listed when CTest starts (and again only after
# the program changed), not at every build.
function(velk_discover_tests target prefix)
    gtest_discover_tests(${target}
        TEST_PREFIX "${prefix}."
        DISCOVERY_MODE PRE_TEST
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
)
target_link_libraries(win_tests PRIVATE velk_app velk_object_count velk_resources gtest)
velk_test_program(win_tests)
velk_discover_tests(win_tests win ${VELK_IN_SHARED_SESSION})

# Helper programs the e2e tests start or use.
add_executable(record_args WIN32 tools/record_args.cpp)
target_link_libraries(record_args PRIVATE velk_warnings)
target_link_options(record_args PRIVATE -municode)
# Planted beside velk.exe under system DLLs' names.
add_library(planted SHARED tools/planted_dll.cpp)
set_target_properties(planted PROPERTIES PREFIX "")
target_link_libraries(planted PRIVATE velk_warnings)
# The driver's message hook, which the system loads into velk.exe.
add_library(barrier_hook SHARED tools/barrier_hook.cpp)
set_target_properties(barrier_hook PROPERTIES PREFIX "")
target_link_libraries(barrier_hook PRIVATE velk_warnings)

# The e2e driver, and the programs built on it.
function(velk_e2e_program target)
    add_executable(${target} e2e/driver.cpp e2e/barrier.cpp ${ARGN})
    target_link_libraries(${target} PRIVATE velk_win velk_portable velk_object_count_none gtest gtest_main)
    velk_test_program(${target})
    add_dependencies(${target} shipped_velk barrier_hook)
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
target_link_libraries(e2e_tests PRIVATE ole32 oleaut32 oleacc uuid version)
add_dependencies(e2e_tests record_args planted)
velk_discover_tests(e2e_tests e2e ${VELK_IN_SHARED_SESSION})

# The log-off case ends every windowed process on its Wine server, and once
# a server had ended its session, later Wine starts on the same display were
# seen to take a second longer: a prefix, server and display of its own.
velk_wine_prefix(session-end)
velk_in_own_session(own_session session-end)
velk_e2e_program(session_end_tests e2e/session_end_test.cpp)
# The longest tests start first (COST), so that none is left running alone at
# the end.
velk_discover_tests(session_end_tests e2e ${own_session} COST 20)

# A display of 144 dpi (150 %): the prefix's own, with its own server.
velk_wine_prefix(144 144)
velk_in_own_session(own_session 144)
velk_e2e_program(dpi_tests e2e/dpi_test.cpp)
velk_discover_tests(dpi_tests e2e ${own_session} COST 20)

# Wine's visual style active: the prefix's own, with its own server.
velk_wine_prefix(theme theme)
velk_in_own_session(own_session theme)
velk_e2e_program(theme_tests e2e/theme_test.cpp)
target_link_libraries(theme_tests PRIVATE uxtheme)
velk_discover_tests(theme_tests e2e ${own_session} COST 20)

# The long run of the forms in-process (make soak runs it at full length);
# a short run of a few seconds is a test. It links what the win tier links,
# the counting reports among it.
add_executable(soak soak/soak.cpp)
target_link_libraries(soak PRIVATE velk_app velk_object_count velk_resources psapi)
velk_test_program(soak)
target_link_options(soak PRIVATE -municode)
add_test(NAME soak.Short COMMAND soak 40 8 3 300)
set_tests_properties(soak.Short PROPERTIES ${VELK_IN_SHARED_SESSION} TIMEOUT 300 LABELS soak COST 20)

include(bench/bench.cmake)
