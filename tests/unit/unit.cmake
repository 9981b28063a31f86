# Native unit tests of the platform-independent code.
find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(unit_tests
    unit/caption_gradient_test.cpp
    unit/caption_layout_test.cpp
    unit/caption_mouse_test.cpp
    unit/atomic_file_test.cpp
    unit/crypt_text_test.cpp
    unit/keyboard_mark_test.cpp
    unit/grid_geometry_test.cpp
    unit/launch_log_test.cpp
    unit/panel_lock_name_test.cpp
    unit/panel_text_test.cpp
    unit/picture_format_test.cpp
    unit/screen_fit_test.cpp
    unit/settings_file_test.cpp
    unit/shell_command_test.cpp
    unit/shell_entries_test.cpp
    unit/setup_values_test.cpp
    unit/storable_name_test.cpp
    unit/wheel_test.cpp
)
target_link_libraries(unit_tests PRIVATE velk_portable velk_warnings GTest::gtest GTest::gtest_main)
gtest_discover_tests(unit_tests TEST_PREFIX "unit." DISCOVERY_TIMEOUT 60)
