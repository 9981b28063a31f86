# The Windows program's build settings: Unicode throughout, everything linked
# statically so that velk.exe needs no DLL but Windows' own.
enable_language(RC)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)
# Small: the densest code, each function in a section of its own, and what
# nothing uses dropped. Without IPA's clones (split or constant arguments),
# the library functions every file uses (std::string's) are one shared copy,
# not a private copy per file; no RTTI: no class needs its run-time type;
# no locks around local statics: the program has one thread.
add_compile_options(-Oz -ffunction-sections -fdata-sections -fno-ipa-sra -fno-ipa-cp -fno-rtti
                    -fno-threadsafe-statics)
add_link_options(-Wl,--gc-sections)
