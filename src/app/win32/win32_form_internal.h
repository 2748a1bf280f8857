#pragma once
// What the files of Win32Form share: the child ids, the position that names
// no control, the top-level window's styles, and how a control's value and
// text are read from and written to its window.

#include "app/form_model.h"
#include "app/text.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace lurn::win32 {

// Child ids start above IDOK and IDCANCEL, which the dialog manager would
// make of Enter and Esc.
inline constexpr int kFirstControlId = 100;
inline constexpr std::size_t kNoPosition = static_cast<std::size_t>(-1);

struct WindowStyle {
    DWORD style;
    DWORD exStyle;
};

// The form's own window: a captioned window or a bare pop-up, in the task
// bar or not, as its definition says. One outside the task bar is never
// activated, not even by a click: the player could not switch back to it.
inline WindowStyle topLevelStyle(const FormDefinition& definition) {
    WindowStyle result{WS_CLIPCHILDREN, 0};
    if (definition.border == BorderStyle::FixedSingle) {
        result.style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    } else {
        result.style |= WS_POPUP;
    }
    result.exStyle |=
        definition.showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    return result;
}

// The check state that shows a check box's or option button's value; 2 is
// greyed.
inline WPARAM checkState(std::int16_t value) {
    switch (value) {
    case 1:
        return BST_CHECKED;
    case 2:
        return BST_INDETERMINATE;
    default:
        return BST_UNCHECKED;
    }
}

// The text a control's window holds now.
inline Text windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    Text text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

} // namespace lurn::win32
