#pragma once

// Small helpers shared by the benchmarks: a clock, a summary of many timings
// and Markdown rows. The benchmarks print figures and judge nothing.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace playfair::bench {

using Clock = std::chrono::steady_clock;

inline double secondsBetween(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double>(to - from).count();
}

struct Summary
{
    std::size_t count = 0;
    double median = 0;
    double min = 0;
    double max = 0;
};

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

inline Summary summarise(const std::vector<double> &values)
{
    Summary s;
    s.count = values.size();
    if (values.empty())
        return s;
    s.median = median(values);
    s.min = *std::min_element(values.begin(), values.end());
    s.max = *std::max_element(values.begin(), values.end());
    return s;
}

// A duration in seconds, in the unit that keeps three or four digits.
inline std::string formatSeconds(double seconds)
{
    char text[32];
    if (seconds < 1e-6)
        std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
    else if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.2f µs", seconds * 1e6);
    else if (seconds < 1)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.3f s", seconds);
    return text;
}

inline std::string formatKibibytes(double kib)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MiB", kib / 1024);
    return text;
}

// The count given as the first argument, or `fallback`.
inline int iterationsFrom(int argc, char **argv, int fallback)
{
    if (argc < 2)
        return fallback;
    const int n = std::atoi(argv[1]);
    return n > 0 ? n : fallback;
}

inline void printTimingHeader()
{
    std::printf("| Measurement | Platform | Iterations | Median | Min |\n");
    std::printf("|---|---|---:|---:|---:|\n");
}

inline void printTimingRow(const std::string &what, const std::string &platform, const Summary &s)
{
    std::printf("| %s | %s | %zu | %s | %s |\n", what.c_str(), platform.c_str(), s.count,
                formatSeconds(s.median).c_str(), formatSeconds(s.min).c_str());
    std::fflush(stdout);
}

} // namespace playfair::bench
