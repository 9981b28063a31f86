# Builds one target of another of the project's trees from inside a build:
# configures the tree by its preset the first time, then builds the target
# (cmake --build re-runs the tree's configure when its CMake files change).
#   cmake -D PRESET=win64 -D TREE=<source>/build/win64 -D TARGET=velk -P nested_build.cmake
# Run from the source folder. The outer make's jobserver does not reach the
# nested build: it takes its jobs from CMAKE_BUILD_PARALLEL_LEVEL.
cmake_minimum_required(VERSION 3.25)

function(run)
    execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "${ARGN} failed: ${result}")
    endif()
endfunction()

if(NOT EXISTS ${TREE}/CMakeCache.txt)
    run(${CMAKE_COMMAND} --preset ${PRESET})
endif()
run(${CMAKE_COMMAND} -E env --unset=MAKEFLAGS ${CMAKE_COMMAND} --build ${TREE} --target ${TARGET})
