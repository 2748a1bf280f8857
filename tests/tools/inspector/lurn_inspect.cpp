// lurn_inspect: prints visible top-level windows of the desktop with all
// their descendants, for the tests to read.
//
//   lurn_inspect --title TEXT        the windows titled TEXT; exit 1 when none is
//   lurn_inspect --wait-title TEXT [--timeout MS]
//       waits until a window is titled TEXT, prints it and exits 0; exits 1
//       after MS milliseconds (default 10000) without one
//   lurn_inspect --wait-gone TEXT [--timeout MS]
//       waits until no window is titled TEXT (exit 0), else exits 1
//   lurn_inspect --close TEXT [--timeout MS]
//       as --wait-title, and closes the windows as another program may
//       (WM_CLOSE), whether they take the keyboard or not
//
// Output: UTF-8, one line per window ending in CR LF; a top-level window,
// then its descendants depth first, indented two spaces a level. Fields are
// key=value, separated by tabs, in this order:
//   class text rect (screen x,y,w,h) client (w,h) style exstyle enabled focus
//   top-level windows: owner foreground comctl32 (the path of the
//     comctl32.dll its process loaded)
//   Button: check (BM_GETCHECK); ScrollBar: pos min max
// Tabs and line breaks in texts are written as blanks.

#include <windows.h>

#include <tlhelp32.h>

#include <cwchar>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr UINT kAnswerTimeoutMs = 1000;

// Texts stay on their line: tabs and line breaks become blanks.
std::wstring oneLine(std::wstring text) {
    for (wchar_t& c : text) {
        c = c == L'\t' || c == L'\r' || c == L'\n' ? L' ' : c;
    }
    return text;
}

std::wstring hex(unsigned long long value) {
    wchar_t digits[24];
    std::swprintf(digits, 24, L"0x%llX", value);
    return digits;
}

// Another process's window is asked with a time limit, so a hung program
// cannot hang the inspector.
DWORD_PTR ask(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs,
                        &result);
    return result;
}

std::wstring textOf(HWND window) {
    std::wstring text(ask(window, WM_GETTEXTLENGTH) + 1, L'\0');
    text.resize(ask(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

std::wstring comctl32Of(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const std::unique_ptr<void, decltype(&CloseHandle)> modules(
        CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processId), &CloseHandle);
    MODULEENTRY32W module{};
    module.dwSize = sizeof module;
    for (BOOL more = Module32FirstW(modules.get(), &module); more;
         more = Module32NextW(modules.get(), &module)) {
        if (_wcsicmp(module.szModule, L"comctl32.dll") == 0) {
            return module.szExePath;
        }
    }
    return {};
}

std::wstring line(HWND window, int depth) {
    RECT r{};
    GetWindowRect(window, &r);
    RECT client{};
    GetClientRect(window, &client);
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    wchar_t className[256] = {};
    GetClassNameW(window, className, 256);
    const std::wstring cls = className;
    const auto number = [](long long value) {
        return std::to_wstring(value);
    };
    std::wstring text =
        std::wstring(static_cast<std::size_t>(depth) * 2, L' ') + L"class=" + oneLine(cls) +
        L"\ttext=" + oneLine(textOf(window)) + L"\trect=" + number(r.left) + L',' + number(r.top) +
        L',' + number(r.right - r.left) + L',' + number(r.bottom - r.top) + L"\tclient=" +
        number(client.right) + L',' + number(client.bottom) + L"\tstyle=" +
        hex(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE))) + L"\texstyle=" +
        hex(static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE))) + L"\tenabled=" +
        number(IsWindowEnabled(window) ? 1 : 0) + L"\tfocus=" +
        number(thread.hwndFocus == window ? 1 : 0);
    if (depth == 0) {
        text += L"\towner=" + hex(reinterpret_cast<UINT_PTR>(GetWindow(window, GW_OWNER))) +
                L"\tforeground=" + number(GetForegroundWindow() == window ? 1 : 0) +
                L"\tcomctl32=" + oneLine(comctl32Of(window));
    }
    if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        text += L"\tcheck=" + number(static_cast<long long>(ask(window, BM_GETCHECK)));
    }
    SCROLLINFO scroll{};
    scroll.cbSize = sizeof scroll;
    scroll.fMask = SIF_POS | SIF_RANGE;
    if (_wcsicmp(cls.c_str(), L"ScrollBar") == 0 && GetScrollInfo(window, SB_CTL, &scroll)) {
        text += L"\tpos=" + number(scroll.nPos) + L"\tmin=" + number(scroll.nMin) + L"\tmax=" +
                number(scroll.nMax);
    }
    return text + L"\r\n";
}

void appendTree(HWND window, int depth, std::wstring& out) {
    out += line(window, depth);
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        appendTree(child, depth + 1, out);
    }
}

struct Search {
    std::wstring title;
    std::vector<HWND> found;
};

BOOL CALLBACK visit(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<Search*>(lParam);
    if (IsWindowVisible(window) && textOf(window) == search.title) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> windowsTitled(const std::wstring& title) {
    Search search{title, {}};
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void print(const std::vector<HWND>& windows) {
    std::wstring text;
    for (HWND window : windows) {
        appendTree(window, 0, text);
    }
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                        nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 && !(argc == 5 && std::wcscmp(argv[3], L"--timeout") == 0)) {
        std::fputws(L"usage: lurn_inspect --title|--wait-title|--wait-gone|--close TEXT "
                    L"[--timeout MS]\n",
                    stderr);
        return 2;
    }
    const std::wstring mode = argv[1];
    const ULONGLONG deadline = GetTickCount64() + (argc == 5 ? _wtoi(argv[4]) : 10000);
    for (;;) {
        const std::vector<HWND> windows = windowsTitled(argv[2]);
        if (mode == L"--wait-gone" ? windows.empty() : !windows.empty()) {
            print(windows);
            for (HWND window : mode == L"--close" ? windows : std::vector<HWND>{}) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            return 0;
        }
        if (mode == L"--title" || GetTickCount64() >= deadline) {
            return 1;
        }
        Sleep(50);
    }
}
