#pragma once
// The 43 child controls of the baseline window: the same window classes,
// nesting, places and starting state as the settings window's controls, so
// that the baseline costs what a hand-written Win32 window of that content
// costs.

#include <windows.h>

#include <array>

namespace baseline {

enum class ControlKind {
    Frame,       // own class, etched, captioned
    Container,   // own class, borderless
    Label,       // STATIC
    HiddenLabel, // STATIC never shown, of no size: a name for screen readers
    Image,       // STATIC SS_BITMAP, left empty
    Edit,        // EDIT with a client edge
    CheckBox,    // BUTTON BS_3STATE
    RadioButton, // BUTTON BS_RADIOBUTTON
    ScrollBar,   // SCROLLBAR SBS_HORZ
    PushButton,  // BUTTON BS_PUSHBUTTON
};

struct ScrollRange {
    int min;
    int max;
    int pos;
};

struct Place {
    int x;
    int y;
    int width;
    int height;
};

struct ControlPlan {
    ControlKind kind;
    int parent; // index of the containing control in the table, kTopLevel for the window
    const wchar_t* text;
    Place place; // in the parent's client area
    WPARAM check;
    ScrollRange scroll;
};

constexpr int kTopLevel = -1;
constexpr int kFirstControlId = 100;
constexpr std::size_t kControlCount = 43;

extern const std::array<ControlPlan, kControlCount> kControls;

// Creates the controls in table order (containers before their contents),
// with ids kFirstControlId + index, font on each, and their starting state.
void createControls(HWND window, HINSTANCE instance, HFONT font);

} // namespace baseline
