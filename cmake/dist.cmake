# The resource script's version and manifest, and the release.

# velk.rc includes velk_version.h and embeds velk.manifest from this folder,
# both written with the project's version.
set(VELK_RESOURCE_DIR ${CMAKE_BINARY_DIR}/res)
configure_file(${CMAKE_SOURCE_DIR}/res/velk_version.h.in ${VELK_RESOURCE_DIR}/velk_version.h @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/res/velk.manifest.in ${VELK_RESOURCE_DIR}/velk.manifest @ONLY)
include_directories($<$<COMPILE_LANGUAGE:RC>:${VELK_RESOURCE_DIR}>)

# The release is made by the x86_64 build (the win64 preset), which also
# drives the i686 one (the win32 preset): build/dist/velk-<version>-win64.zip
# and -win32.zip, and SHA256SUMS over both (cmake/dist_zip.cmake).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VELK_WIN32_BUILD_DIR ${CMAKE_SOURCE_DIR}/build/win32)
    # Every file in the zips carries this time, the release's day, so that two
    # builds give the same bytes.
    set(VELK_RELEASE_TIME "2026-12-09 00:00:00 UTC")
    # The nested build gets no jobserver from an outer make; it takes its
    # parallelism from CMAKE_BUILD_PARALLEL_LEVEL instead.
    add_custom_target(velk_win32
        COMMAND ${CMAKE_COMMAND} --preset win32
        COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS ${CMAKE_COMMAND} --build ${VELK_WIN32_BUILD_DIR} --target velk
        WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
        COMMENT "Building the i686 velk.exe (the win32 preset)"
        VERBATIM)
    # One build after the other: each takes all the machine's cores.
    add_dependencies(velk_win32 velk)

    add_custom_target(dist
        COMMAND ${CMAKE_COMMAND}
            -D VERSION=${PROJECT_VERSION}
            -D "FILE_TIME=${VELK_RELEASE_TIME}"
            -D WIN64_EXE=$<TARGET_FILE:velk>
            -D WIN32_EXE=${VELK_WIN32_BUILD_DIR}/bin/velk.exe
            -D TEXTS_DIR=${CMAKE_SOURCE_DIR}/dist
            -D DIST_DIR=${CMAKE_SOURCE_DIR}/build/dist
            -P ${CMAKE_SOURCE_DIR}/cmake/dist_zip.cmake
        COMMENT "Making the release zips in build/dist"
        VERBATIM)
    add_dependencies(dist velk velk_win32)
endif()
