#pragma once
// What the inspector reads of one window, taken at one moment.

#include <windows.h>

#include <optional>
#include <string>

namespace lurn_inspect {

struct ButtonState {
    LRESULT check; // BM_GETCHECK: BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE
    DWORD type;    // style & BS_TYPEMASK
};

struct ScrollState {
    int pos;
    int min;
    int max;
};

// Whether WM_GETICON gives an icon; Unknown when the window does not
// answer it (Wine does not pass WM_GETICON between processes).
enum class IconState { Absent, Present, Unknown };

// Only top-level windows have these.
struct TopLevelState {
    HWND owner;
    IconState iconBig;
    IconState iconSmall;
    bool foreground;
    std::wstring comctl32; // path of the comctl32.dll its process loaded, or empty
};

struct WindowSnapshot {
    HWND hwnd;
    std::wstring className;
    std::wstring text;
    LONG_PTR id;
    RECT rect; // screen coordinates
    SIZE client;
    DWORD style;
    DWORD exStyle;
    bool visible;
    bool enabled;
    bool focus; // the keyboard focus of the window's thread
    std::optional<TopLevelState> topLevel;
    std::optional<ButtonState> button;
    std::optional<ScrollState> scroll;
};

// The window's text as WM_GETTEXT gives it; the caption Windows keeps for
// it when the window does not answer within a second.
std::wstring windowText(HWND hwnd);

std::wstring className(HWND hwnd);

// Empty when the window was destroyed while it was being read.
std::optional<WindowSnapshot> snapshot(HWND hwnd, bool isTopLevel);

} // namespace lurn_inspect
