// The start-up benchmark build of lurn_config: the same window program with
// a start-up observer that measures, in the process,
//   - the cold start: from the process's creation to the splash painted
//     and idle;
//   - the load: from the splash's timer event to the configuration window
//     painted and idle, with the splash destroyed;
// then times saves of the twelve settings, each with the battle speed
// changed, and as many rounds of the twelve profile writes made straight to
// the settings file, the same values changed, as saves were once made;
// prints the figures and exits.
//
// Output, one "key=value" per line: save_us (median of the saves),
// direct_writes_us (median of the rounds of writes), saves, and the figures
// of lurn_bench::printFigures.

#include "app/win32/top_level.h"
#include "app/win32/win32_ports.h"
#include "measure.h"
#include "program/application.h"
#include "settings/game_settings.h"
#include "settings/mod_ini_edit.h"

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
        std::vector<long long> writes;
        const lurn::win32::ProfileFunctions profile;
        const lurn::Text& file = lurn::ModINIedit::IniPath;
        for (int i = 0; i < kSaves; ++i) {
            window.form().control("HScroll5").setValue(static_cast<std::int16_t>(40 + i % 2));
            const long long start = lurn_bench::now();
            window.saveINI();
            saves.push_back(lurn_bench::now() - start);
        }
        for (int i = 0; i < kSaves; ++i) {
            const long long start = lurn_bench::now();
            for (const lurn::SettingDefinition& setting : lurn::kGameSettingsSchema) {
                const bool speed = setting.member == &lurn::GameSettings::BATTLE_SPEED;
                const std::int32_t value =
                    speed ? 40 + (i + 1) % 2 : window.settings().*setting.member;
                profile.writeString(setting.section, setting.key, lurn::decimalText(value), file);
            }
            writes.push_back(lurn_bench::now() - start);
        }
        std::sort(saves.begin(), saves.end());
        std::sort(writes.begin(), writes.end());
        std::printf("save_us=%lld\ndirect_writes_us=%lld\nsaves=%d\n", saves[saves.size() / 2],
                    writes[writes.size() / 2], kSaves);
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
