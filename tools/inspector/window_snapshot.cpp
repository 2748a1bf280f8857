#include "window_snapshot.h"

#include <psapi.h>

#include <algorithm>
#include <cwchar>
#include <iterator>
#include <memory>
#include <string_view>

namespace lurn_inspect {

namespace {

// A window of another process that does not answer within this time is
// taken as hung; the inspector never waits on it longer.
constexpr UINT kAnswerTimeoutMs = 1000;

bool ask(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR& result) {
    return SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                               &result) != 0;
}

IconState icon(HWND hwnd, WPARAM which) {
    DWORD_PTR handle = 0;
    if (!ask(hwnd, WM_GETICON, which, 0, handle)) {
        return IconState::Unknown;
    }
    return handle != 0 ? IconState::Present : IconState::Absent;
}

// Which comctl32.dll the window's process uses: the one in the side-by-side
// store when its manifest asked for version 6, else the system's.
std::wstring comctl32Of(HWND hwnd) {
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    const std::unique_ptr<void, decltype(&CloseHandle)> process(
        OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId), &CloseHandle);
    if (!process) {
        return {};
    }
    std::wstring found;
    HMODULE modules[512];
    DWORD needed = 0;
    if (EnumProcessModules(process.get(), modules, sizeof modules, &needed)) {
        const DWORD count = std::min<DWORD>(needed / sizeof(HMODULE), std::size(modules));
        for (DWORD i = 0; i < count && found.empty(); ++i) {
            wchar_t path[MAX_PATH];
            const DWORD length = GetModuleFileNameExW(process.get(), modules[i], path, MAX_PATH);
            const std::wstring_view name(path, length);
            const std::size_t slash = name.find_last_of(L'\\');
            const std::wstring_view base = name.substr(slash == name.npos ? 0 : slash + 1);
            if (_wcsicmp(std::wstring(base).c_str(), L"comctl32.dll") == 0) {
                found.assign(name);
            }
        }
    }
    return found;
}

bool hasFocus(HWND hwnd) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(GetWindowThreadProcessId(hwnd, nullptr), &info) &&
           info.hwndFocus == hwnd;
}

std::optional<ScrollState> scrollState(HWND hwnd) {
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS | SIF_RANGE;
    if (!GetScrollInfo(hwnd, SB_CTL, &info)) {
        return std::nullopt;
    }
    return ScrollState{info.nPos, info.nMin, info.nMax};
}

std::optional<ButtonState> buttonState(HWND hwnd, DWORD style) {
    DWORD_PTR check = 0;
    if (!ask(hwnd, BM_GETCHECK, 0, 0, check)) {
        return std::nullopt;
    }
    return ButtonState{static_cast<LRESULT>(check), style & BS_TYPEMASK};
}

} // namespace

std::wstring windowText(HWND hwnd) {
    DWORD_PTR length = 0;
    if (ask(hwnd, WM_GETTEXTLENGTH, 0, 0, length)) {
        std::wstring text(length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (ask(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), copied)) {
            text.resize(copied);
            return text;
        }
    }
    std::wstring caption(GetWindowTextLengthW(hwnd) + 1, L'\0');
    caption.resize(GetWindowTextW(hwnd, caption.data(), static_cast<int>(caption.size())));
    return caption;
}

std::wstring className(HWND hwnd) {
    wchar_t name[256];
    const int length = GetClassNameW(hwnd, name, static_cast<int>(std::size(name)));
    return std::wstring(name, length > 0 ? length : 0);
}

std::optional<WindowSnapshot> snapshot(HWND hwnd, bool isTopLevel) {
    WindowSnapshot window{};
    window.hwnd = hwnd;
    window.className = className(hwnd);
    window.text = windowText(hwnd);
    window.id = GetWindowLongPtrW(hwnd, GWLP_ID);
    GetWindowRect(hwnd, &window.rect);
    RECT client{};
    GetClientRect(hwnd, &client);
    window.client = {client.right - client.left, client.bottom - client.top};
    window.style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    window.exStyle = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    window.visible = IsWindowVisible(hwnd) != FALSE;
    window.enabled = IsWindowEnabled(hwnd) != FALSE;
    window.focus = hasFocus(hwnd);
    if (isTopLevel) {
        window.topLevel =
            TopLevelState{GetWindow(hwnd, GW_OWNER), icon(hwnd, ICON_BIG), icon(hwnd, ICON_SMALL),
                          GetForegroundWindow() == hwnd, comctl32Of(hwnd)};
    }
    if (_wcsicmp(window.className.c_str(), L"Button") == 0) {
        window.button = buttonState(hwnd, window.style);
    } else if (_wcsicmp(window.className.c_str(), L"ScrollBar") == 0) {
        window.scroll = scrollState(hwnd);
    }
    if (!IsWindow(hwnd)) {
        return std::nullopt;
    }
    return window;
}

} // namespace lurn_inspect
