// The start-up benchmark build of lurn_config: the same program with a
// start-up observer that measures, in the process, the load from the
// splash's timer event to the configuration window being visible, then
// times saves of the twelve settings, prints the figures and exits.
//
// Output, one "key=value" per line: load_us, save_us (median of the
// saves), saves, peak_working_set_bytes.

#include "app/win32/application.h"
#include "app/win32/top_level.h"
#include "measure.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSaves = 15;

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
        std::printf("load_us=%lld\nsave_us=%lld\nsaves=%d\npeak_working_set_bytes=%llu\n",
                    clock_.microseconds(timerFired_, shown), saves[saves.size() / 2], kSaves,
                    lurn_bench::peakWorkingSet());
        std::fflush(stdout);
        ExitProcess(0);
    }

private:
    lurn_bench::Stopwatch clock_;
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
