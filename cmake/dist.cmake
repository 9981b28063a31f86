# The release is made by the x86_64 program tree (the win64 preset), which
# also drives the i686 one (the win32 preset): build/dist/velk-<version>-win64.zip
# and -win32.zip, and SHA256SUMS over both (cmake/dist_zip.cmake).
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(VELK_WIN32_BUILD_DIR ${CMAKE_SOURCE_DIR}/build/win32)
    # Every file in the zips carries this time, the release's day, and a signed
    # velk.exe has it as its signing time, so that two builds give the same bytes.
    set(VELK_RELEASE_TIME "2026-12-09 00:00:00 UTC")
    add_custom_target(velk_win32
        COMMAND ${CMAKE_COMMAND} -D PRESET=win32 -D TREE=${VELK_WIN32_BUILD_DIR} -D TARGET=velk
                -P ${CMAKE_SOURCE_DIR}/cmake/nested_build.cmake
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
