# Windows test programs, run through Wine by CTest: win (the program's forms
# created in-process) and e2e (the real velk.exe driven from outside).
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# One prefix per build folder, made by scripts/wine-prefix.sh before CTest.
set(VELK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(VELK_WINE_ENVIRONMENT "WINEPREFIX=${VELK_WINEPREFIX};WINEDEBUG=-all;WINEDLLOVERRIDES=mscoree,mshtml=")

function(velk_windows_test target prefix)
    target_include_directories(${target} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_link_libraries(${target} PRIVATE velk_warnings)
    # The tests share one screen: those that look at pixels or the focus
    # must not run side by side.
    gtest_discover_tests(${target}
        TEST_PREFIX "${prefix}."
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 120
        PROPERTIES ENVIRONMENT "${VELK_WINE_ENVIRONMENT}" RESOURCE_LOCK desktop TIMEOUT 120)
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
velk_windows_test(win_tests win)

# Helper programs the e2e tests start or use.
add_executable(record_args WIN32 tools/record_args.cpp)
target_link_libraries(record_args PRIVATE velk_warnings)
target_link_options(record_args PRIVATE -municode)

add_executable(e2e_tests
    e2e/about_test.cpp
    e2e/background_test.cpp
    e2e/caption_test.cpp
    e2e/driver.cpp
    e2e/launch_test.cpp
    e2e/monitor_test.cpp
    e2e/offscreen_test.cpp
    e2e/panel_test.cpp
    e2e/save_test.cpp
    e2e/setup_test.cpp
    e2e/single_panel_test.cpp
    ${CMAKE_SOURCE_DIR}/win/object_count_none.cpp
)
target_link_libraries(e2e_tests PRIVATE velk_win velk_portable gtest gtest_main ole32 oleaut32 oleacc uuid)
add_dependencies(e2e_tests velk record_args)
velk_windows_test(e2e_tests e2e)

# The log-off case ends every windowed process on its Wine server: it runs in
# a prefix, server and display of its own (prefix made by scripts/test.sh).
add_executable(session_end_tests e2e/driver.cpp e2e/session_end_test.cpp
               ${CMAKE_SOURCE_DIR}/win/object_count_none.cpp)
target_link_libraries(session_end_tests PRIVATE velk_win velk_portable gtest gtest_main)
target_link_libraries(session_end_tests PRIVATE velk_warnings)
target_include_directories(session_end_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_dependencies(session_end_tests velk)
add_test(NAME e2e.SessionEnd.ALogoffEndsThePanelAndIsRecordedAsOneShutdown
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/own-wine-test.sh ${CMAKE_BINARY_DIR}/wineprefix-session 141
            $<TARGET_FILE:session_end_tests>)
set_tests_properties(e2e.SessionEnd.ALogoffEndsThePanelAndIsRecordedAsOneShutdown PROPERTIES TIMEOUT 120)

# The display at 144 dpi: a prefix of its own, made by scripts/test.sh, with
# its own server and display.
add_executable(dpi_tests e2e/driver.cpp e2e/dpi_test.cpp
               ${CMAKE_SOURCE_DIR}/win/object_count_none.cpp)
target_link_libraries(dpi_tests PRIVATE velk_win velk_portable gtest gtest_main)
target_link_libraries(dpi_tests PRIVATE velk_warnings)
target_include_directories(dpi_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
add_dependencies(dpi_tests velk)
add_test(NAME e2e.Dpi144.ThePanelItsTextItsCaptionAndTheDialogAreScaled
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/own-wine-test.sh ${CMAKE_BINARY_DIR}/wineprefix-144 142
            $<TARGET_FILE:dpi_tests>)
set_tests_properties(e2e.Dpi144.ThePanelItsTextItsCaptionAndTheDialogAreScaled PROPERTIES TIMEOUT 120)

# The launch list's opening times over long logs (make bench); a measurement,
# not a test. Built with the program's manifest, so it uses the same controls.
add_executable(bench_list bench/list_bench.cpp ${CMAKE_SOURCE_DIR}/win/object_count_none.cpp
               ${CMAKE_SOURCE_DIR}/res/velk.rc)
target_link_libraries(bench_list PRIVATE velk_app)
target_link_libraries(bench_list PRIVATE velk_warnings)

# The panel's repaint of one clock tick in each background mode.
add_executable(bench_paint bench/paint_bench.cpp ${CMAKE_SOURCE_DIR}/win/object_count_none.cpp
               ${CMAKE_SOURCE_DIR}/res/velk.rc)
target_include_directories(bench_paint PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(bench_paint PRIVATE velk_app)
target_link_libraries(bench_paint PRIVATE velk_warnings)

# One caption paint of a bar like the panel's and one like the dialog's.
add_executable(bench_caption bench/caption_bench.cpp ${CMAKE_SOURCE_DIR}/win/object_count_none.cpp
               ${CMAKE_SOURCE_DIR}/res/velk.rc)
target_link_libraries(bench_caption PRIVATE velk_caption)
target_link_libraries(bench_caption PRIVATE velk_warnings)
target_include_directories(bench_list PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_include_directories(bench_caption PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})

# The floor velk.exe is measured against: a tool window with a seconds
# clock, built and stripped like velk.exe.
add_executable(bare_panel WIN32 bench/bare_panel.cpp)
target_link_libraries(bare_panel PRIVATE velk_warnings)
target_link_options(bare_panel PRIVATE -municode -s)

# Starts velk.exe and the bare panel alternately and compares them.
add_executable(bench_start bench/start_bench.cpp)
target_include_directories(bench_start PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(bench_start PRIVATE velk_win velk_portable psapi)
target_link_libraries(bench_start PRIVATE velk_warnings)
add_dependencies(bench_start velk bare_panel)

# The long run of the forms in-process (make soak runs it at full length);
# a short run of a few seconds is a test. It links what the win tier links,
# the counting reports among it.
add_executable(soak soak/soak.cpp ${CMAKE_SOURCE_DIR}/win/object_count.cpp ${CMAKE_SOURCE_DIR}/res/velk.rc)
target_include_directories(soak PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(soak PRIVATE velk_app psapi)
target_link_libraries(soak PRIVATE velk_warnings)
target_link_options(soak PRIVATE -municode)
add_test(NAME soak.Short COMMAND soak 100 24 5 1000)
set_tests_properties(soak.Short PROPERTIES ENVIRONMENT "${VELK_WINE_ENVIRONMENT}" RESOURCE_LOCK desktop TIMEOUT 300
                     LABELS soak)
