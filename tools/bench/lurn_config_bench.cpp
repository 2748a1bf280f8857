// The start-up benchmark build of lurn_config: the same window program with
// a start-up observer that measures, in the process,
//   - the cold start: from the process's creation to the splash painted
//     and idle;
//   - the load: from the splash's timer event to the configuration window
//     painted and idle, with the splash destroyed;
// then times saves of the twelve settings, prints the figures and exits.
//
// Output, one "key=value" per line: save_us (median of the saves), saves,
// and the figures of lurn_bench::printFigures.

#include "app/win32/top_level.h"
#include "measure.h"
#include "program/application.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kSaves = 15;

class BenchmarkObserver final : public lurn::win32::StartupObserver {
public:
    void splashShown() override {
        coldStart_ = lurn_bench::paintedAndIdle() - lurn_bench::processCreated();
    }

    void splashTimerFired() override { timerFired_ = lurn_bench::now(); }

    void configWindowShown(lurn::Dovmirant_Config& window) override {
        const long long load = lurn_bench::paintedAndIdle() - timerFired_;
        std::vector<long long> saves;
        for (int i = 0; i < kSaves; ++i) {
            const long long start = lurn_bench::now();
            window.saveINI();
            saves.push_back(lurn_bench::now() - start);
        }
        std::sort(saves.begin(), saves.end());
        std::printf("save_us=%lld\nsaves=%d\n", saves[saves.size() / 2], kSaves);
        lurn_bench::printFigures(coldStart_, load);
        ExitProcess(0);
    }

private:
    long long coldStart_ = 0;
    long long timerFired_ = 0;
};

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    BenchmarkObserver observer;
    return lurn::win32::guarded<int>([&] {
        lurn::win32::Application application(instance, &observer);
        return application.run();
    });
}
