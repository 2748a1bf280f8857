#include "app/win32/top_level.h"

#include "app/win32/handles.h"

#include <windows.h>

namespace lurn::win32 {

namespace {

BOOL CALLBACK hideWindow(HWND window, LPARAM) {
    ShowWindow(window, SW_HIDE);
    return TRUE;
}

} // namespace

void reportUntrappedError(const RuntimeError& error) {
    // The report stands alone: no window of the program stays on screen
    // behind it, and nothing of the program runs after it.
    EnumThreadWindows(GetCurrentThreadId(), hideWindow, 0);
    const Text report = errorReportText(error);
    MessageBoxW(nullptr, wide(report), L"lurn_config", MB_OK | MB_TASKMODAL | MB_SETFOREGROUND);
    ExitProcess(1);
}

void reportUnexpectedFailure(const char* what) {
    Text description = u"Internal error: ";
    description += asciiText(what);
    reportUntrappedError(RuntimeError{51, description});
}

} // namespace lurn::win32
