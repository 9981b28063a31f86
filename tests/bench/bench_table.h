#pragma once
// The one table make bench prints: a figure per row, velk.exe's value, the
// bare panel's where the figure has one, and velk.exe's value over it.
#include <cstdio>

namespace velk::bench {

inline void PrintTableHeader() {
    std::printf("%-52s %12s %12s %10s\n", "figure", "velk.exe", "bare panel", "velk/bare");
}

inline void PrintFigure(const char* name, double velk) {
    std::printf("%-52s %12.2f %12s %10s\n", name, velk, "", "");
    std::fflush(stdout);
}

inline void PrintPair(const char* name, double velk, double bare) {
    std::printf("%-52s %12.2f %12.2f ", name, velk, bare);
    if (bare > 0)
        std::printf("%10.2f\n", velk / bare);
    else
        std::printf("%10s\n", "n/a");
    std::fflush(stdout);
}

inline void PrintUnmeasured(const char* name, const char* reason) {
    std::printf("%-52s n/a: %s\n", name, reason);
    std::fflush(stdout);
}

}  // namespace velk::bench
