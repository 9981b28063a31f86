# The fuzz build's compiler: clang, whose libFuzzer and sanitizer runtimes
# (libclang-rt-14-dev) scripts/deps.sh installs.
find_program(CMAKE_CXX_COMPILER NAMES clang++-14 clang++ REQUIRED)
