// The start-up benchmark build of lurn_config: the same program with a
// start-up observer that measures, in the process, the load from the
// splash's timer event to the configuration window being visible, then
// times saves of the twelve settings, prints the figures and exits.
//
// Output, one "key=value" per line: load_us, save_us (median of the
// saves), saves, peak_working_set_bytes.

#include "app/win32/application.h"
#include "app/win32/top_level.h"

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSaves = 15;

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

class BenchmarkObserver final : public lurn::win32::StartupObserver {
public:
    void splashTimerFired() override { timerFired_ = clock_.now(); }

    void configWindowShown(lurn::Dovmirant_Config& window) override {
        const long long shown = clock_.now();
        std::vector<long long> saves;
        for (int i = 0; i < kSaves; ++i) {
            const long long start = clock_.now();
            window.saveINI();
            saves.push_back(clock_.microseconds(start, clock_.now()));
        }
        std::sort(saves.begin(), saves.end());
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
        std::printf("load_us=%lld\nsave_us=%lld\nsaves=%d\npeak_working_set_bytes=%llu\n",
                    clock_.microseconds(timerFired_, shown), saves[saves.size() / 2], kSaves,
                    static_cast<unsigned long long>(memory.PeakWorkingSetSize));
        std::fflush(stdout);
        ExitProcess(0);
    }

private:
    Stopwatch clock_;
    long long timerFired_ = 0;
};

} // namespace

int wmain() {
    BenchmarkObserver observer;
    return lurn::win32::guarded<int>([&] {
        lurn::win32::Application application(GetModuleHandleW(nullptr), &observer);
        return application.run();
    });
}
