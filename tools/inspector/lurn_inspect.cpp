// lurn_inspect: prints the visible top-level windows of the desktop that a
// filter picks, with all their descendants, for the tests to read.
//
//   lurn_inspect [--title TEXT]... [--class NAME]... [--all]
//       Lists the visible top-level windows whose title is exactly one of
//       the TEXTs or whose class is one of the NAMEs; --all lists every
//       visible top-level window except those of the desktop's own process.
//       Exit code 0 when at least one window matched, 1 when none did.
//   lurn_inspect --wait-title TEXT [--timeout MS]
//       Waits until a visible top-level window is titled TEXT, then lists
//       it as above and exits 0; exits 1 after MS milliseconds (default
//       10000) without one.
//   lurn_inspect --wait-gone TEXT [--timeout MS]
//       Waits until no visible top-level window is titled TEXT and exits 0;
//       exits 1, printing nothing, when one is still there after MS.
//   A wrong command line prints the usage to the standard error, exit 2.
//
// Output: UTF-8, one line per window, each ending in CR LF. A top-level
// window comes first, then its descendants depth first in z-order, each
// indented by two spaces per level below the top-level window (which has
// none). After the indentation come key=value fields separated by one tab,
// always in this order:
//
//   hwnd      the handle, hexadecimal: 0x1A2B
//   class     the window class name
//   text      the window text (WM_GETTEXT); tab, line feed, carriage return
//             and backslash are written \t, \n, \r and \\ (class too)
//   id        the control id (GWLP_ID), decimal
//   rect      the window rectangle in screen coordinates: x,y,w,h
//   client    the client area's size: w,h
//   style     GWL_STYLE, hexadecimal
//   exstyle   GWL_EXSTYLE, hexadecimal (WS_EX_APPWINDOW 0x40000 and
//             WS_EX_TOOLWINDOW 0x80 decide the taskbar button)
//   visible   1 or 0 (IsWindowVisible)
//   enabled   1 or 0 (IsWindowEnabled)
//   focus     1 on the keyboard focus of the window's thread, else 0
// then on top-level windows only:
//   owner     the owner window's handle (GW_OWNER), 0x0 for none
//   icon_big  1 when WM_GETICON ICON_BIG gives an icon, 0 when it gives
//             none, unknown when the window does not answer (under Wine,
//             WM_GETICON does not reach a window of another process)
//   icon_small  the same for ICON_SMALL
//   foreground  1 on the foreground window, else 0
//   comctl32  the path of the comctl32.dll loaded in the window's process,
//             empty when none is (escaped as text is)
// then on windows of class Button only:
//   check     BM_GETCHECK: 0 unchecked, 1 checked, 2 indeterminate
//   button_type  style & BS_TYPEMASK, decimal: 0 push button, 4 radio
//             button, 5 three-state check box, 7 group box, ...
// then on windows of class ScrollBar only (GetScrollInfo SB_CTL):
//   pos, min, max  decimal
//
// Example (bench_baseline's window and its first frame and scroll bar;
// <TAB> stands for the tab character):
//   hwnd=0x30052<TAB>class=bench_baseline<TAB>text=bench_baseline<TAB>id=0<TAB>
//     rect=156,227,711,313<TAB>client=705,288<TAB>style=0x16C80000<TAB>exstyle=0x40100<TAB>
//     visible=1<TAB>enabled=1<TAB>focus=1<TAB>owner=0x0<TAB>icon_big=unknown<TAB>
//     icon_small=unknown<TAB>foreground=1
//     hwnd=0x10068<TAB>class=bench_baseline_frame<TAB>text=游戏速度设置<TAB>id=100<TAB>...
//       hwnd=0x1006C<TAB>class=ScrollBar<TAB>text=<TAB>id=101<TAB>...<TAB>focus=0<TAB>
//       pos=60<TAB>min=1<TAB>max=100
// (each window is one line; the first is wrapped here to fit)

#include "options.h"
#include "standard_output.h"
#include "window_tree.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

using namespace lurn_inspect;

constexpr DWORD kPollIntervalMs = 50;

// Prints the trees of the windows; false when all of them were gone.
bool print(const std::vector<HWND>& windows) {
    std::wstring text;
    for (HWND hwnd : windows) {
        text += treeText(hwnd);
    }
    writeText(STD_OUTPUT_HANDLE, text);
    return !text.empty();
}

int run(const Options& options) {
    const ULONGLONG deadline = GetTickCount64() + options.timeoutMs;
    for (;;) {
        const std::vector<HWND> windows = matchingTopLevelWindows(options.filter);
        switch (options.mode) {
        case Mode::List:
            return print(windows) ? 0 : 1;
        case Mode::WaitTitle:
            if (print(windows)) {
                return 0;
            }
            break;
        case Mode::WaitGone:
            if (windows.empty()) {
                return 0;
            }
            break;
        }
        if (GetTickCount64() >= deadline) {
            return 1;
        }
        Sleep(kPollIntervalMs);
    }
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::vector<std::wstring_view> args(argv + 1, argv + argc);
    const ParsedOptions parsed = parseOptions(args);
    if (!parsed.error.empty()) {
        writeText(STD_ERROR_HANDLE, L"lurn_inspect: " + parsed.error + L"\n" + kUsage);
        return 2;
    }
    return run(parsed.options);
}
