// bench_baseline.exe: the start-up benchmark's baseline, a bare Win32
// program with one window of the settings window's size and controls.
//
//   bench_baseline.exe                     runs until its window is closed
//   bench_baseline.exe --exit-when-shown   closes its window right after the
//                                          window's first WM_PAINT, exit 0
// Any other argument: exit code 2.

#include "baseline_window.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string_view>

namespace {

struct LocalFreeDeleter {
    void operator()(LPWSTR* block) const { LocalFree(block); }
};

enum class Run { UntilClosed, UntilShown, BadArguments };

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
    baseline::BaselineWindow window(instance, run == Run::UntilShown);
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
