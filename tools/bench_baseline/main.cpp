// bench_baseline.exe: the start-up benchmark's baseline, a bare Win32
// program with one window of the settings window's size and controls.
//
//   bench_baseline.exe                     runs until its window is closed
//   bench_baseline.exe --exit-when-shown   closes its window right after the
//                                          window's first WM_PAINT, exit 0,
//                                          and prints shown_us=N: the
//                                          microseconds from before the
//                                          window's creation to its being
//                                          shown and painted, and
//                                          peak_working_set_bytes=N
//
// Before it measures, it shows and destroys a borderless picture-sized
// window with one static control, as the settings program has shown its
// splash before its settings window loads: both measurements then start in
// a process that has already connected to the display and loaded the
// common controls.
// Any other argument: exit code 2.

#include "baseline_window.h"

#include "app/win32/handles.h"
#include "bench/measure.h"

#include <windows.h>

#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string_view>

namespace {

struct LocalFreeDeleter {
    void operator()(LPWSTR* block) const { LocalFree(block); }
};

enum class Run { UntilClosed, UntilShown, BadArguments };

void showWarmUpWindow(HINSTANCE instance) {
    const lurn::win32::Window window(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0,
                                                     0, 359, 83, nullptr, nullptr, instance,
                                                     nullptr));
    ShowWindow(window.get(), SW_SHOWNOACTIVATE);
    UpdateWindow(window.get());
}

Run runFromCommandLine() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(
        CommandLineToArgvW(GetCommandLineW(), &count));
    if (!argv || count == 1) {
        return Run::UntilClosed;
    }
    if (count == 2 && std::wstring_view(argv.get()[1]) == L"--exit-when-shown") {
        return Run::UntilShown;
    }
    return Run::BadArguments;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const Run run = runFromCommandLine();
    if (run == Run::BadArguments) {
        return 2;
    }
    if (run == Run::UntilShown) {
        showWarmUpWindow(instance);
    }
    const lurn_bench::Stopwatch clock;
    const long long start = clock.now();
    baseline::BaselineWindow window(instance, run == Run::UntilShown);
    if (!window.created()) {
        return 1;
    }
    window.show(showCommand);
    if (run == Run::UntilShown) {
        const long long shown = clock.microseconds(start, clock.now());
        std::printf("shown_us=%lld\npeak_working_set_bytes=%llu\n", shown,
                    lurn_bench::peakWorkingSet());
        std::fflush(stdout);
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
