# The Windows program's build settings: Unicode throughout, everything linked
# statically so that velk.exe needs no DLL but Windows' own.
enable_language(RC)

add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
add_link_options(-static -static-libgcc -static-libstdc++)

# Small, for the program's own targets only (each links velk_size): the
# densest code, each function in a section of its own for velk.exe's link to
# drop what nothing uses, and no IPA clones (split or constant arguments), so
# that the library functions every file uses (std::string's) are one shared
# copy, not a private copy per file. No locks around the first use of local
# statics: all of the program's code runs on the one thread of its message
# loop, and the guards would link the runtime's locking of them, 4 KB of
# velk.exe (measured: 232,960 bytes without the flag, 228,864 with it). Code
# of ours that reached a local static first on another thread would need the
# flag gone; the test programs, which run helper threads, compile their own
# files with the locks.
target_compile_options(velk_size INTERFACE -Oz -ffunction-sections -fdata-sections -fno-ipa-sra -fno-ipa-cp
                       -fno-threadsafe-statics)
# No RTTI: no class needs its run-time type. It passes on to whatever links
# the program's libraries: a class derived from one of ours, in a test, would
# otherwise ask for the base's type information, which is never made.
target_compile_options(velk_no_rtti INTERFACE -fno-rtti)

# The resources (icon, manifest, version), linked into velk.exe and the test
# programs that make the program's windows: the manifest gives them the
# common controls of version 6. velk.rc includes velk_version.h and embeds
# velk.manifest from this folder, both written with the project's version.
set(VELK_RESOURCE_DIR ${CMAKE_BINARY_DIR}/res)
configure_file(${CMAKE_SOURCE_DIR}/res/velk_version.h.in ${VELK_RESOURCE_DIR}/velk_version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/velk.manifest.in ${VELK_RESOURCE_DIR}/velk.manifest @ONLY)
add_library(velk_resources OBJECT ${CMAKE_SOURCE_DIR}/res/velk.rc)
target_include_directories(velk_resources PRIVATE ${VELK_RESOURCE_DIR})
# windres embeds these files: a change to one rebuilds the resources.
set_source_files_properties(${CMAKE_SOURCE_DIR}/res/velk.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_SOURCE_DIR}/res/velk.ico;${VELK_RESOURCE_DIR}/velk.manifest")
