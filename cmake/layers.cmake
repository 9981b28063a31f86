# One library per folder of the program. A library's include root holds only
# its own folder, and the roots of the libraries below it come with linking
# them: an #include of a folder above does not compile. Includes are written
# "folder/file.h" from the source root, so each root is a directory with one
# link in it, named for the folder.
#   velk_library(TARGET FOLDER [WINDOW_CODE] SOURCES... [LINKS targets...])
function(velk_library target folder)
    cmake_parse_arguments(PARSE_ARGV 2 arg "WINDOW_CODE" "" "SOURCES;LINKS")
    add_library(${target} STATIC ${arg_SOURCES})
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    if(NOT EXISTS ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${arg_LINKS} PRIVATE velk_warnings)
    if(arg_WINDOW_CODE)
        # The window code runs on the one thread of the message loop: its
        # lazily loaded entry points need no locks around their first use.
        target_compile_options(${target} PRIVATE -fno-threadsafe-statics)
    endif()
endfunction()
