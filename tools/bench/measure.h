#pragma once
// What the two benchmark programs measure themselves with: elapsed time from
// the performance counter and the process's peak working set.

#include <windows.h>

#include <psapi.h>

namespace lurn_bench {

class Stopwatch {
public:
    Stopwatch() { QueryPerformanceFrequency(&frequency_); }
    long long now() const {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        return counter.QuadPart;
    }
    long long microseconds(long long from, long long to) const {
        return (to - from) * 1000000 / frequency_.QuadPart;
    }

private:
    LARGE_INTEGER frequency_{};
};

inline unsigned long long peakWorkingSet() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return memory.PeakWorkingSetSize;
}

} // namespace lurn_bench
