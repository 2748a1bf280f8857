#pragma once
// What the two benchmark programs measure themselves with. Both read the
// same clock, end their spans at the same kind of event and print the same
// figures, so that the benchmark script can set them side by side.

#include <windows.h>

#include <psapi.h>

#include <cstdio>

namespace lurn_bench {

// Microseconds since 1601 on the system's precise clock, the clock on
// which GetProcessTimes reports the process's creation.
inline long long microseconds(const FILETIME& time) {
    ULARGE_INTEGER value;
    value.LowPart = time.dwLowDateTime;
    value.HighPart = time.dwHighDateTime;
    return static_cast<long long>(value.QuadPart / 10);
}

inline long long now() {
    FILETIME time;
    GetSystemTimePreciseAsFileTime(&time);
    return microseconds(time);
}

inline long long processCreated() {
    FILETIME created;
    FILETIME exited;
    FILETIME kernel;
    FILETIME user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    return microseconds(created);
}

// The end of every measured span, called once the window's UpdateWindow has
// returned: dispatches whatever the thread still has waiting (sent and
// posted messages, input, paints, due timers) until PeekMessage finds
// nothing, and returns the time at which the thread became idle.
inline long long paintedAndIdle() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return now();
}

// The client size of this thread's visible top-level window and the number
// of windows inside it: both sides print it, and the script refuses to
// compare windows that differ.
struct WindowContent {
    HWND window = nullptr;
    SIZE client{};
    int descendants = 0;
};

inline BOOL CALLBACK countDescendant(HWND, LPARAM content) {
    ++reinterpret_cast<WindowContent*>(content)->descendants;
    return TRUE;
}

inline BOOL CALLBACK takeVisibleWindow(HWND window, LPARAM content) {
    if (!IsWindowVisible(window)) {
        return TRUE;
    }
    reinterpret_cast<WindowContent*>(content)->window = window;
    return FALSE;
}

inline WindowContent visibleWindowContent() {
    WindowContent content;
    EnumThreadWindows(GetCurrentThreadId(), takeVisibleWindow, reinterpret_cast<LPARAM>(&content));
    if (content.window != nullptr) {
        RECT client{};
        GetClientRect(content.window, &client);
        content.client = {client.right, client.bottom};
        EnumChildWindows(content.window, countDescendant, reinterpret_cast<LPARAM>(&content));
    }
    return content;
}

inline unsigned long long peakWorkingSet() {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return memory.PeakWorkingSetSize;
}

// Prints the figures both programs share, one "key=value" per line:
//   cold_start_us  process created to its first window painted and idle
//   window_us      splash timer fired to the main window painted and idle
//   window         client width x height / windows inside, of the main window
//   peak_working_set_bytes
inline void printFigures(long long coldStart, long long window) {
    const WindowContent content = visibleWindowContent();
    std::printf("cold_start_us=%lld\nwindow_us=%lld\nwindow=%ldx%ld/%d\n"
                "peak_working_set_bytes=%llu\n",
                coldStart, window, content.client.cx, content.client.cy, content.descendants,
                peakWorkingSet());
    std::fflush(stdout);
}

} // namespace lurn_bench
