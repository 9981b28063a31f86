# libFuzzer targets over every parser of outside bytes and the caption
# arithmetic, built natively by clang under AddressSanitizer and
# UndefinedBehaviorSanitizer (preset fuzz). Each runs as a short CTest test
# from its seed corpus, fuzz/corpus/<name>; scripts/fuzz.sh runs them long.
# New inputs go to the build folder, never into the sources.
set(VELK_FUZZ_SECONDS 3 CACHE STRING "How long each fuzz target runs as a CTest test")

function(velk_fuzz_target name)
    set(target fuzz_${name})
    set(seeds ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${name})
    if(NOT IS_DIRECTORY ${seeds})
        message(FATAL_ERROR "fuzz target ${name} has no seed corpus in ${seeds}")
    endif()
    add_executable(${target} fuzz/${name}_fuzz.cpp)
    target_link_libraries(${target} PRIVATE velk_portable velk_warnings)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer)
    target_link_options(${target} PRIVATE -fsanitize=fuzzer)

    set(found ${CMAKE_BINARY_DIR}/corpus/${name})
    set(artifacts ${CMAKE_BINARY_DIR}/artifacts)
    file(MAKE_DIRECTORY ${found} ${artifacts})
    add_test(NAME fuzz.${name}
             COMMAND ${target} -max_total_time=${VELK_FUZZ_SECONDS} -timeout=10 -print_final_stats=1
                     -artifact_prefix=${artifacts}/${name}- ${found} ${seeds})
    set_tests_properties(fuzz.${name} PROPERTIES LABELS fuzz TIMEOUT 120)
endfunction()

foreach(name settings_file last_start log_memo bitmap icon wmf emf caption_layout gradient)
    velk_fuzz_target(${name})
endforeach()
