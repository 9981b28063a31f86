# The Windows program's build settings: Unicode throughout, everything linked
# statically so that velk.exe needs no DLL but Windows' own.
enable_language(RC)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# Small: the densest code, each function in a section of its own, and what
# nothing uses dropped.
add_compile_options(-Oz -ffunction-sections -fdata-sections)
add_link_options(-Wl,--gc-sections)
