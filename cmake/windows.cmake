# The Windows program: the window framework, the five subsystems' windows and
# velk.exe itself. Unicode throughout; everything linked statically so that
# velk.exe needs no DLL but Windows' own.
enable_language(RC)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# Small: the densest code, each function in a section of its own, and what
# nothing uses dropped.
add_compile_options(-Oz -ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)

# The window code runs on the one thread of the message loop: its lazily
# loaded entry points need no locks around their first use.
set(VELK_ONE_THREAD -fno-threadsafe-statics)

# Whole-file I/O and the code-page-1250 conversion: not window code, used by
# the framework and the subsystems alike.
add_library(velk_core STATIC
    core/file_io.cpp
    core/text.cpp
)
target_link_libraries(velk_core PUBLIC velk_portable)
target_compile_options(velk_core PRIVATE ${VELK_WARNINGS} ${VELK_ONE_THREAD})

add_library(velk_ui STATIC
    ui/accessible_list.cpp
    ui/application.cpp
    ui/dialog_form.cpp
    ui/dialog_keys.cpp
    ui/dpi.cpp
    ui/form_layout.cpp
    ui/form.cpp
    ui/glyph_button.cpp
    ui/label.cpp
    ui/log_view.cpp
    ui/message_box.cpp
    ui/image_decoder.cpp
    ui/picture.cpp
    ui/popup_menu.cpp
    ui/string_grid.cpp
)
target_link_libraries(velk_ui PUBLIC velk_core comctl32 gdi32 user32 shell32 advapi32 ole32 uuid)
target_compile_options(velk_ui PRIVATE ${VELK_WARNINGS} ${VELK_ONE_THREAD})

# The gradient caption bar a form carries: painting, buttons, mouse and
# system menu of its caption.
add_library(velk_caption STATIC
    caption/caption_button.cpp
    caption/caption_font.cpp
    caption/form_traits.cpp
    caption/vora_caption.cpp
    caption/vora_caption_mouse.cpp
    caption/vora_caption_paint.cpp
)
target_link_libraries(velk_caption PUBLIC velk_ui)
target_compile_options(velk_caption PRIVATE ${VELK_WARNINGS} ${VELK_ONE_THREAD})

add_library(velk_forms STATIC
    about/crypt_label.cpp
    about/info_form.cpp
    about/info_picture.cpp
    app/main_form.cpp
    app/main_form_access.cpp
    app/main_form_background.cpp
    app/main_form_keys.cpp
    app/main_form_settings.cpp
    app/win_reboot.cpp
    monitor/launch_steps.cpp
    monitor/lista_form.cpp
    monitor/monitor_form.cpp
    settings/setup_form.cpp
)
target_link_libraries(velk_forms PUBLIC velk_ui velk_caption)
target_compile_options(velk_forms PRIVATE ${VELK_WARNINGS} ${VELK_ONE_THREAD})

# The owners of handles report to nothing in the program itself; the test
# programs link the counting reports instead (tests/windows_tests.cmake).
add_executable(velk WIN32 app/main.cpp app/library_errors.cpp app/terminate.cpp ui/object_count_none.cpp res/velk.rc)
target_link_libraries(velk PRIVATE velk_forms)
target_compile_options(velk PRIVATE ${VELK_WARNINGS} ${VELK_ONE_THREAD})
target_link_options(velk PRIVATE -municode -s)
