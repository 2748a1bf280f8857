#include "window_tree.h"

#include "window_line.h"
#include "window_snapshot.h"

namespace lurn_inspect {

namespace {

struct Search {
    const WindowFilter& filter;
    DWORD desktopProcess;
    std::vector<HWND> found;
};

BOOL CALLBACK visitTopLevel(HWND hwnd, LPARAM lParam) {
    Search& search = *reinterpret_cast<Search*>(lParam);
    if (!IsWindowVisible(hwnd)) {
        return TRUE;
    }
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (search.filter.matches(windowText(hwnd), className(hwnd),
                              process == search.desktopProcess)) {
        search.found.push_back(hwnd);
    }
    return TRUE;
}

void appendTree(HWND hwnd, int depth, std::wstring& text) {
    const std::optional<WindowSnapshot> window = snapshot(hwnd, depth == 0);
    if (!window) {
        return;
    }
    text += windowLine(*window, depth);
    for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        appendTree(child, depth + 1, text);
    }
}

} // namespace

std::vector<HWND> matchingTopLevelWindows(const WindowFilter& filter) {
    Search search{filter, 0, {}};
    GetWindowThreadProcessId(GetDesktopWindow(), &search.desktopProcess);
    EnumWindows(visitTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring treeText(HWND topLevel) {
    std::wstring text;
    appendTree(topLevel, 0, text);
    return text;
}

} // namespace lurn_inspect
