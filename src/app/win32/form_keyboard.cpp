// Win32Form's keyboard navigation, done before dispatch: Tab and Shift+Tab
// by tab index across all containers, the arrow keys within an option pair,
// Enter on a button; and the focus shown once a key moves it, as the dialog
// manager shows it.

#include "app/win32/win32_form.h"

#include "app/win32/win32_form_internal.h"

#include <algorithm>
#include <vector>

namespace lurn::win32 {

namespace {

bool takesFocus(ControlKind kind) {
    switch (kind) {
    case ControlKind::TextBox:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::HScrollBar:
    case ControlKind::CommandButton:
    case ControlKind::ListBox:
        return true;
    default:
        return false;
    }
}

} // namespace

std::vector<std::size_t> Win32Form::focusOrder() const {
    std::vector<std::size_t> order;
    for (std::size_t position = 0; position < form_.count(); ++position) {
        const Control& control = form_.at(position);
        if (!takesFocus(control.kind()) || !control.enabled() || children_[position] == nullptr) {
            continue;
        }
        // An option pair takes the focus once: on its selected member, or on
        // its first member while none is selected.
        const std::size_t other = otherOption(position);
        if (other != kNoPosition && control.value() == 0 &&
            (form_.at(other).value() != 0 ||
             form_.at(other).definition().tabIndex < control.definition().tabIndex)) {
            continue;
        }
        order.push_back(position);
    }
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return form_.at(a).definition().tabIndex < form_.at(b).definition().tabIndex;
    });
    return order;
}

std::size_t Win32Form::otherOption(std::size_t position) const {
    const Control& option = form_.at(position);
    for (std::size_t other = 0; option.is(ControlKind::OptionButton) && other < form_.count();
         ++other) {
        if (other != position && form_.at(other).name() == option.name()) {
            return other;
        }
    }
    return kNoPosition;
}

// Windows' button clicks a radio button that receives the focus unselected
// (other than by its own mouse press), so the focus never goes back to an
// option that is not selected: it goes to the selected one of its pair.
HWND Win32Form::focusReturnsTo(HWND window) const {
    if (window == nullptr || !IsWindow(window)) {
        return nullptr;
    }
    const std::size_t position = positionOf(window);
    const std::size_t other = position == kNoPosition ? kNoPosition : otherOption(position);
    if (other == kNoPosition || form_.at(position).value() != 0) {
        return window;
    }
    const Control& selected = form_.at(other);
    return selected.value() != 0 && selected.enabled() ? children_.at(other) : nullptr;
}

bool Win32Form::moveFocusByTab(bool backwards) {
    const std::vector<std::size_t> order = focusOrder();
    if (order.empty()) {
        return true;
    }
    const auto current = std::find(order.begin(), order.end(), positionOf(GetFocus()));
    std::size_t next = 0;
    if (current == order.end()) {
        next = backwards ? order.size() - 1 : 0;
    } else {
        const std::size_t at = static_cast<std::size_t>(current - order.begin());
        next = backwards ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    lastFocus_ = children_.at(order[next]);
    SetFocus(lastFocus_);
    if (form_.at(order[next]).is(ControlKind::TextBox)) {
        SendMessageW(lastFocus_, EM_SETSEL, 0, -1);
    }
    return true;
}

// The other option is selected before it takes the focus, so that the
// system's click on an unselected option that receives the focus never
// comes: one Click for each move, wherever the system clicks.
bool Win32Form::moveWithinOptionPair(std::size_t position) {
    const std::size_t other = otherOption(position);
    if (other != kNoPosition && form_.at(other).enabled()) {
        form_.at(other).userClick();
        lastFocus_ = children_.at(other);
        SetFocus(lastFocus_);
    }
    return true;
}

// Enter, on the main keyboard or the keypad, presses the focused button as
// Space does: once for each press, not again while the key is held. The
// window has no default button, so Enter anywhere else does nothing.
bool Win32Form::pressWithEnter(std::size_t position, LPARAM keyData) {
    constexpr LPARAM kKeyWasDown = 1 << 30;
    if ((keyData & kKeyWasDown) == 0) {
        form_.at(position).userClick();
    }
    return true;
}

// A window opened after mouse input shows no focus rectangles until the
// player presses Tab or an arrow key that the control does not take itself;
// the dialog manager then clears the focus flag of the UI state, and a
// window that moves the focus itself must do so too (Microsoft:
// WM_CHANGEUISTATE).
void Win32Form::showFocusOnKey(const MSG& message) const {
    const bool arrow = message.wParam == VK_LEFT || message.wParam == VK_RIGHT ||
                       message.wParam == VK_UP || message.wParam == VK_DOWN;
    if (message.wParam == VK_TAB ||
        (arrow && (SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam,
                                reinterpret_cast<LPARAM>(&message)) &
                   DLGC_WANTARROWS) == 0)) {
        SendMessageW(hwnd(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
}

bool Win32Form::preTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN || !owns(message.hwnd)) {
        return false;
    }
    if (message.wParam == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
            return false;
        }
        showFocusOnKey(message);
        return moveFocusByTab(GetKeyState(VK_SHIFT) < 0);
    }
    showFocusOnKey(message);
    const std::size_t position = positionOf(message.hwnd);
    if (position != kNoPosition && form_.at(position).is(ControlKind::CommandButton) &&
        message.wParam == VK_RETURN) {
        return pressWithEnter(position, message.lParam);
    }
    if (position != kNoPosition && form_.at(position).is(ControlKind::OptionButton)) {
        switch (message.wParam) {
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            return moveWithinOptionPair(position);
        default:
            break;
        }
    }
    return false;
}

} // namespace lurn::win32
