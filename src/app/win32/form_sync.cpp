// Win32Form keeps its windows and the form's model in step: a program
// change to a control reaches its window, and the user's input in a window
// (a click, a text change, a scroll, a key release in a text box) reaches
// the control as the user's doing.

#include "app/win32/win32_form.h"

#include "app/win32/win32_form_internal.h"

#include <algorithm>

namespace lurn::win32 {

namespace {

std::int16_t shiftState() {
    std::int16_t state = 0;
    if (GetKeyState(VK_SHIFT) < 0) {
        state |= 1;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        state |= 2;
    }
    if (GetKeyState(VK_MENU) < 0) {
        state |= 4;
    }
    return state;
}

} // namespace

void Win32Form::afterDispatch(const MSG& message) {
    if (message.message != WM_KEYUP && message.message != WM_SYSKEYUP) {
        return;
    }
    const std::size_t position = positionOf(message.hwnd);
    if (position != kNoPosition && form_.at(position).is(ControlKind::TextBox)) {
        form_.at(position).userKeyUp(static_cast<std::int16_t>(message.wParam), shiftState());
    }
}

void Win32Form::propertyChanged(const Control& control, ControlProperty property) {
    const std::size_t position = positionOf(control);
    if (position == kNoPosition || !window_) {
        return;
    }
    if (control.is(ControlKind::Timer)) {
        const auto id = static_cast<UINT_PTR>(kFirstControlId + static_cast<int>(position));
        if (control.value() != 0) {
            SetTimer(hwnd(), id, static_cast<UINT>(control.definition().interval), nullptr);
        } else {
            KillTimer(hwnd(), id);
        }
        return;
    }
    HWND child = children_[position];
    if (child == nullptr) {
        return;
    }
    switch (property) {
    case ControlProperty::Caption:
    case ControlProperty::Text:
        SetWindowTextW(child, wide(control.caption()));
        if (control.is(ControlKind::Frame)) {
            InvalidateRect(child, nullptr, TRUE);
        }
        break;
    case ControlProperty::ToolTipText:
        // No control of these windows shows a tooltip; the text is kept in
        // the model only.
        break;
    case ControlProperty::Value:
        if (control.is(ControlKind::HScrollBar)) {
            SetScrollPos(child, SB_CTL, control.value(), TRUE);
        } else {
            SendMessageW(child, BM_SETCHECK, checkState(control.value()), 0);
        }
        break;
    case ControlProperty::Enabled:
        EnableWindow(child, control.enabled() ? TRUE : FALSE);
        break;
    case ControlProperty::Focus:
        lastFocus_ = child;
        SetFocus(child);
        if (control.is(ControlKind::TextBox)) {
            SendMessageW(child, EM_SETSEL, 0, -1);
        }
        break;
    }
}

void Win32Form::onCommand(HWND child, WORD notification) {
    const std::size_t position = positionOf(child);
    if (position == kNoPosition) {
        return;
    }
    Control& control = form_.at(position);
    if (control.is(ControlKind::TextBox)) {
        if (notification == EN_CHANGE) {
            control.userSetText(windowText(child));
        }
        return;
    }
    if (notification == BN_CLICKED) {
        control.userClick();
    }
}

void Win32Form::onHorizontalScroll(HWND bar, WORD request, WORD position) {
    const std::size_t at = positionOf(bar);
    if (at == kNoPosition) {
        return;
    }
    Control& control = form_.at(at);
    if (!control.is(ControlKind::HScrollBar)) {
        return;
    }
    // The small and the large change are both 1.
    int value = control.value();
    switch (request) {
    case SB_LINELEFT:
    case SB_PAGELEFT:
        value -= 1;
        break;
    case SB_LINERIGHT:
    case SB_PAGERIGHT:
        value += 1;
        break;
    case SB_LEFT:
        value = control.min();
        break;
    case SB_RIGHT:
        value = control.max();
        break;
    case SB_THUMBPOSITION:
        value = static_cast<std::int16_t>(position);
        break;
    default:
        // SB_THUMBTRACK while dragging, SB_ENDSCROLL: no change.
        return;
    }
    value = std::clamp(value, static_cast<int>(control.min()), static_cast<int>(control.max()));
    control.setValue(static_cast<std::int16_t>(value));
    // The bar may already show the new position; make sure it shows the value.
    SetScrollPos(bar, SB_CTL, control.value(), TRUE);
}

} // namespace lurn::win32
