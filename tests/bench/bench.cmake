# The benchmarks (make bench, scripts/bench.sh builds them by name): not
# built with the rest, not tests. Each is built with the program's manifest
# where it measures the program's own controls.
function(velk_bench target)
    add_executable(${target} EXCLUDE_FROM_ALL ${ARGN})
    velk_test_program(${target})
endfunction()

# The launch list's opening times over long logs.
velk_bench(bench_list bench/list_bench.cpp)
target_link_libraries(bench_list PRIVATE velk_app velk_object_count_none velk_resources)

# The panel's repaint of one clock tick in each background mode.
velk_bench(bench_paint bench/paint_bench.cpp)
target_link_libraries(bench_paint PRIVATE velk_app velk_object_count_none velk_resources)

# One caption paint of a bar like the panel's and one like the dialog's.
velk_bench(bench_caption bench/caption_bench.cpp)
target_link_libraries(bench_caption PRIVATE velk_caption velk_object_count_none velk_resources)

# The floor velk.exe is measured against: a tool window with a seconds
# clock, compiled, linked and stripped like velk.exe.
velk_bench(bare_panel WIN32 bench/bare_panel.cpp)
target_link_libraries(bare_panel PRIVATE velk_size velk_no_rtti)
target_link_options(bare_panel PRIVATE -municode -s -Wl,--gc-sections)

# Starts the shipped velk.exe and the bare panel alternately and compares them.
velk_bench(bench_start bench/start_bench.cpp)
target_link_libraries(bench_start PRIVATE velk_win velk_portable velk_object_count_none psapi)
add_dependencies(bench_start shipped_velk bare_panel)
