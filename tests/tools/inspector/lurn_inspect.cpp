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
//       waits for a window titled TEXT and closes it as another program may
//       (WM_CLOSE), whether it takes the keyboard or not: the message is
//       sent, so the inspector goes on once the program has handled it, and
//       prints the visible windows of that program as they are then; exit 3
//       when the window went before it could be closed
//   lurn_inspect --ping TEXT [--timeout MS]
//       as --wait-title, and then asks the window (a sent WM_NULL) until its
//       program has made another top-level window, shown or not; the
//       window's line ends with answered: the age of its program at the
//       last answer before that. A program answers only between the
//       messages it handles, so it had not begun to handle the one that
//       made the new window then.
//   lurn_inspect --serve
//       answers queries read from standard input, one a line: the arguments
//       of one of the calls above, separated by tabs. Each answer is that
//       call's output and a line exit=CODE. It ends at the end of the input.
//       One inspector serves a whole suite without a Wine start-up per look.
//
// Output: UTF-8, one line per window ending in CR LF; a top-level window,
// then its descendants depth first, indented two spaces a level. Fields are
// key=value, separated by tabs, in this order:
//   class text rect (screen x,y,w,h) client (w,h) style exstyle enabled focus
//   top-level windows: owner foreground comctl32 (the path of the
//     comctl32.dll its process loaded) age (the milliseconds from its
//     process's creation to the moment the inspector read the window, both
//     on the system's clock)
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

DWORD processOf(HWND window) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId;
}

std::wstring comctl32Of(HWND window) {
    const std::unique_ptr<void, decltype(&CloseHandle)> modules(
        CreateToolhelp32Snapshot(TH32CS_SNAPMODULE | TH32CS_SNAPMODULE32, processOf(window)),
        &CloseHandle);
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

// 100-nanosecond units of the system's clock.
ULONGLONG ticksOf(const FILETIME& time) {
    return (ULONGLONG{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

// Milliseconds from the creation of the process to now.
long long ageOf(DWORD processId) {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    const std::unique_ptr<void, decltype(&CloseHandle)> process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId), &CloseHandle);
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!process || !GetProcessTimes(process.get(), &created, &exited, &kernel, &user)) {
        return -1;
    }
    return static_cast<long long>(ticksOf(now) - ticksOf(created)) / 10000;
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
                L"\tcomctl32=" + oneLine(comctl32Of(window)) + L"\tage=" +
                number(ageOf(processOf(window)));
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

// The top-level windows titled `title`, or, with a process, those of the
// process `processId`; the visible ones only, unless `hidden` is set.
struct Search {
    std::wstring title;
    DWORD processId = 0;
    bool hidden = false;
    std::vector<HWND> found;
};

BOOL CALLBACK visit(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<Search*>(lParam);
    if ((search.hidden || IsWindowVisible(window)) &&
        (search.processId != 0 ? processOf(window) == search.processId
                               : textOf(window) == search.title)) {
        search.found.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> windowsOf(Search search) {
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void print(const std::vector<HWND>& windows, std::wstring& out) {
    for (HWND window : windows) {
        appendTree(window, 0, out);
    }
}

// The age of the window's program at its last answer before the program
// had made another top-level window.
long long lastAnswer(HWND window) {
    const DWORD processId = processOf(window);
    const std::vector<HWND> before = windowsOf({{}, processId, true, {}});
    for (long long answered = -1;;) {
        DWORD_PTR result = 0;
        const bool answer =
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result) != 0;
        const long long age = ageOf(processId);
        if (!answer || windowsOf({{}, processId, true, {}}) != before) {
            return answered;
        }
        answered = age;
        Sleep(10);
    }
}

// One call: its arguments, its output appended to `out`, its exit code.
int query(const std::vector<std::wstring>& args, std::wstring& out) {
    if (args.size() != 2 && !(args.size() == 4 && args[2] == L"--timeout")) {
        out += L"usage: lurn_inspect --title|--wait-title|--wait-gone|--close|--ping TEXT "
               L"[--timeout MS] | --serve\r\n";
        return 2;
    }
    const std::wstring& mode = args[0];
    const ULONGLONG deadline =
        GetTickCount64() + (args.size() == 4 ? _wtoi(args[3].c_str()) : 10000);
    for (;;) {
        const std::vector<HWND> windows = windowsOf({args[1], 0, false, {}});
        DWORD_PTR result = 0;
        if (mode == L"--close" && !windows.empty()) {
            // Once the program has handled the close, its windows as they are then.
            const DWORD processId = processOf(windows.front());
            if (!SendMessageTimeoutW(windows.front(), WM_CLOSE, 0, 0, SMTO_NORMAL, 60000,
                                     &result)) {
                return 3;
            }
            print(windowsOf({{}, processId, false, {}}), out);
            return 0;
        }
        if (mode == L"--ping" && !windows.empty()) {
            std::wstring seen;
            print(windows, seen);
            const long long answered = lastAnswer(windows.front());
            out += seen.insert(seen.find(L"\r\n"), L"\tanswered=" + std::to_wstring(answered));
            return 0;
        }
        if (mode == L"--wait-gone" ? windows.empty() : !windows.empty()) {
            print(windows, out);
            return 0;
        }
        if (mode == L"--title" || GetTickCount64() >= deadline) {
            return 1;
        }
        Sleep(50);
    }
}

void write(const std::wstring& text) {
    std::string bytes(text.size() * 3, '\0');
    bytes.resize(WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                     bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                     nullptr));
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

// Answers the queries of standard input, read a byte at a time, until it ends.
int serve() {
    std::string line;
    char byte = 0;
    DWORD read = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &byte, 1, &read, nullptr) && read == 1) {
        if (byte != '\n') {
            line += byte;
            continue;
        }
        std::wstring text(line.size(), L'\0');
        text.resize(MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()),
                                        text.data(), static_cast<int>(text.size())));
        std::vector<std::wstring> args{{}};
        for (const wchar_t c : text) {
            c == L'\t' ? args.emplace_back() : args.back() += c;
        }
        std::wstring out;
        const int code = query(args, out);
        write(out + L"exit=" + std::to_wstring(code) + L"\r\n");
        line.clear();
    }
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"--serve") == 0) {
        return serve();
    }
    std::wstring out;
    const int code = query(std::vector<std::wstring>(argv + 1, argv + argc), out);
    write(out);
    return code;
}
