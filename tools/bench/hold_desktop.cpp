// bench_hold_desktop.exe: keeps Wine's desktop open while the benchmark
// runs, as the desktop of Windows always is.
//
// Wine closes its desktop (and ends the desktop process) one second after
// the last program on it has ended, and starts it again with the next
// program's first window. Benchmark runs follow one another with gaps of
// about that length, so without this program some runs would pay for that
// start and others not. It holds one hidden window until it is ended.

#include "app/win32/handles.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    const lurn::win32::Window window(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0,
                                                     nullptr, nullptr, instance, nullptr));
    if (!window) {
        return 1;
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        DispatchMessageW(&message);
    }
    return 0;
}
