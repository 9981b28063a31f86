# One library per folder of the program. A library's include root holds only
# its own folder, and the roots of the libraries below it come with linking
# them: an #include of a folder above does not compile. Includes are written
# "folder/file.h" from the source root, so each root is a directory with one
# link in it, named for the folder.
#   velk_library(TARGET FOLDER SOURCES... [LINKS targets...])
# A folder's last library (the window code where a folder has both) is its
# layer: velk_layer_checks() compiles each of the folder's headers alone
# against it.
function(velk_library target folder)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "SOURCES;LINKS")
    add_library(${target} STATIC ${arg_SOURCES})
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    if(NOT EXISTS ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${arg_LINKS} velk_no_rtti PRIVATE velk_warnings velk_size)
    set_property(GLOBAL APPEND PROPERTY VELK_LAYER_FOLDERS ${folder})
    set_property(GLOBAL PROPERTY VELK_LAYER_${folder} ${target})
endfunction()

# For each layer a target that compiles every header of its folder alone,
# seeing only the include roots its library's links give it: a header that
# includes a folder above, in any spelling the compiler resolves through the
# roots, fails to build even when no source file of its folder includes it.
# Sets VELK_LAYER_FOLDERS in the caller: the folders the link graph knows.
function(velk_layer_checks)
    get_property(folders GLOBAL PROPERTY VELK_LAYER_FOLDERS)
    list(REMOVE_DUPLICATES folders)
    foreach(folder IN LISTS folders)
        get_property(layer GLOBAL PROPERTY VELK_LAYER_${folder})
        file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${CMAKE_SOURCE_DIR}/${folder} ${CMAKE_SOURCE_DIR}/${folder}/*.h)
        set(units)
        foreach(header IN LISTS headers)
            set(unit ${CMAKE_BINARY_DIR}/layer_headers/${folder}/${header}.cpp)
            file(CONFIGURE OUTPUT ${unit} CONTENT "#include \"${folder}/${header}\"\n")
            list(APPEND units ${unit})
        endforeach()
        if(units)
            add_library(${layer}_headers OBJECT ${units})
            target_link_libraries(${layer}_headers PRIVATE ${layer} velk_warnings)
        endif()
    endforeach()
    set(VELK_LAYER_FOLDERS ${folders} PARENT_SCOPE)
endfunction()
