// bench_baseline.exe: the start-up benchmark's baseline, a bare Win32
// program with one window of the settings window's size and controls.
//
//   bench_baseline.exe                     shows the window and runs until
//                                          it is closed
//   bench_baseline.exe --exit-when-shown   starts as the settings program
//                                          does, measures, prints the
//                                          figures of lurn_bench::printFigures
//                                          and exits with 0
// Any other argument: exit code 2.
//
// The measured start mirrors the settings program's: a borderless,
// picture-sized window stands in for the splash, shown centred and painted
// (the cold start ends there), with a message loop for one second; when
// its timer fires the window is created and shown, then the stand-in is
// destroyed. Both programs thus reach their timer event connected to the
// display, with the common controls loaded and everything the first window
// started settled.

#include "baseline_window.h"

#include "app/win32/handles.h"
#include "bench/measure.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string_view>

namespace {

// The settings program's splash: its client size in pixels and its time on
// screen.
constexpr int kSplashWidth = 359;
constexpr int kSplashHeight = 83;
constexpr UINT kSplashMilliseconds = 1000;
constexpr UINT_PTR kSplashTimer = 1;

struct LocalFreeDeleter {
    void operator()(LPWSTR* block) const { LocalFree(block); }
};

enum class Run { UntilClosed, Measure, BadArguments };

Run runFromCommandLine() {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(
        CommandLineToArgvW(GetCommandLineW(), &count));
    if (!argv || count == 1) {
        return Run::UntilClosed;
    }
    if (count == 2 && std::wstring_view(argv.get()[1]) == L"--exit-when-shown") {
        return Run::Measure;
    }
    return Run::BadArguments;
}

lurn::win32::Window showSplash(HINSTANCE instance) {
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kSplashWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kSplashHeight) / 2;
    lurn::win32::Window splash(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, x, y,
                                               kSplashWidth, kSplashHeight, nullptr, nullptr,
                                               instance, nullptr));
    ShowWindow(splash.get(), SW_SHOWNORMAL);
    UpdateWindow(splash.get());
    SetForegroundWindow(splash.get());
    return splash;
}

// Runs the message loop until the splash's timer fires.
void waitForSplashTimer(HWND splash) {
    SetTimer(splash, kSplashTimer, kSplashMilliseconds, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER && message.hwnd == splash) {
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    KillTimer(splash, kSplashTimer);
}

int measure(HINSTANCE instance) {
    lurn::win32::Window splash = showSplash(instance);
    const long long coldStart = lurn_bench::paintedAndIdle() - lurn_bench::processCreated();
    waitForSplashTimer(splash.get());

    const long long timerFired = lurn_bench::now();
    baseline::BaselineWindow window(instance);
    if (!window.created()) {
        return 1;
    }
    window.show(SW_SHOWNORMAL);
    splash.reset();
    const long long shown = lurn_bench::paintedAndIdle() - timerFired;
    lurn_bench::printFigures(coldStart, shown);
    return 0;
}

int runUntilClosed(HINSTANCE instance, int showCommand) {
    baseline::BaselineWindow window(instance);
    if (!window.created()) {
        return 1;
    }
    window.show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    switch (runFromCommandLine()) {
    case Run::UntilClosed:
        return runUntilClosed(instance, showCommand);
    case Run::Measure:
        return measure(instance);
    case Run::BadArguments:
        break;
    }
    return 2;
}
