// Win32Form's windows: the two window classes and the message dispatch to
// the form's members, the window and its controls made from the form's
// definition, shown and destroyed, and the lookup from a child window to
// its control. The other jobs are in form_layout.cpp (twips and DPI),
// form_reading_order.cpp (z-order), form_keyboard.cpp (Tab, arrows, Enter),
// form_sync.cpp (windows and model in step) and frame_painting.cpp.

#include "app/win32/win32_form.h"

#include "app/win32/dpi.h"
#include "app/win32/placement.h"
#include "app/win32/top_level.h"
#include "app/win32/win32_form_internal.h"

#include <algorithm>

namespace lurn::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"LurnForm";
constexpr wchar_t kContainerClass[] = L"LurnContainer";
// WM_GETDPISCALEDSIZE, of Windows 10 1703, which the SDK declares only for
// programs that require Windows 10.
constexpr UINT kGetDpiScaledSize = 0x02E4;

WindowStyle childStyle(const ControlDefinition& definition) {
    const DWORD base = WS_CHILD | WS_CLIPSIBLINGS | (definition.visible ? WS_VISIBLE : 0);
    switch (definition.kind) {
    case ControlKind::Frame:
    case ControlKind::PictureBox:
        return {base | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlKind::Label:
        return {base | SS_LEFT, 0};
    case ControlKind::TextBox:
        return {base | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::CheckBox:
        return {base | WS_TABSTOP | BS_3STATE, 0};
    case ControlKind::OptionButton:
        return {base | WS_TABSTOP | BS_RADIOBUTTON, 0};
    case ControlKind::HScrollBar:
        return {base | WS_TABSTOP | SBS_HORZ, 0};
    case ControlKind::CommandButton:
        return {base | WS_TABSTOP | BS_PUSHBUTTON, 0};
    case ControlKind::Image:
        return {base | SS_BITMAP, 0};
    case ControlKind::ListBox:
        return {base | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, WS_EX_CLIENTEDGE};
    default:
        return {base, 0};
    }
}

const wchar_t* childClass(ControlKind kind) {
    switch (kind) {
    case ControlKind::Frame:
    case ControlKind::PictureBox:
        return kContainerClass;
    case ControlKind::Label:
    case ControlKind::Image:
        return L"STATIC";
    case ControlKind::TextBox:
        return L"EDIT";
    case ControlKind::HScrollBar:
        return L"SCROLLBAR";
    case ControlKind::ListBox:
        return L"LISTBOX";
    default:
        return L"BUTTON";
    }
}

} // namespace

Win32Form::Win32Form(Form& form, HINSTANCE instance)
    : form_(form), instance_(instance), dpi_(kStandardDpi) {}

Win32Form::~Win32Form() {
    form_.setView(nullptr);
    destroy();
}

void Win32Form::registerClasses(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kFormClass, &existing)) {
        return;
    }
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.lpfnWndProc = dispatch<&Win32Form::formMessage>;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    form.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW container = form;
    container.lpfnWndProc = dispatch<&Win32Form::containerMessage>;
    container.lpszClassName = kContainerClass;
    RegisterClassExW(&container);
}

void Win32Form::create() {
    registerClasses(instance_);
    dpi_ = primaryMonitorDpi();
    // The captions are shown as designed, in code page 936's characters, on
    // every system: as stored, or given back by the caption conversion.
    font_ = messageFont(dpi_, kCodePageGbk);
    const FormDefinition& definition = form_.definition();
    const WindowStyle style = topLevelStyle(definition);
    const SIZE size = windowSize(dpi_);
    const RECT place = openingPlace(size.cx, size.cy);
    window_.reset(CreateWindowExW(style.exStyle, kFormClass, wide(form_.caption()), style.style,
                                  place.left, place.top, size.cx, size.cy, nullptr, nullptr,
                                  instance_, this));
    if (!window_) {
        throw RuntimeError{7, u"The window " + asciiText(definition.name) + u" cannot be created"};
    }
    // The system cuts a window to the screen's size as it creates it, before
    // this form sees its messages; from here on it lets it be its size.
    SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    showIcons();
    children_.assign(form_.count(), nullptr);
    for (std::size_t position = 0; position < form_.count(); ++position) {
        createControl(position);
    }
    orderForReading();
    showOverlapsAsMade();
    form_.setView(this);
}

void Win32Form::createControl(std::size_t position) {
    const Control& control = form_.at(position);
    const ControlDefinition& definition = control.definition();
    const int id = kFirstControlId + static_cast<int>(position);
    if (control.is(ControlKind::Timer)) {
        if (control.value() != 0) {
            SetTimer(hwnd(), static_cast<UINT_PTR>(id), static_cast<UINT>(definition.interval),
                     nullptr);
        }
        return;
    }
    if (control.is(ControlKind::MenuItem)) {
        return;
    }
    HWND parent = hwnd();
    if (control.container() != nullptr) {
        parent = children_.at(positionOf(*control.container()));
    }
    const WindowStyle style = childStyle(definition);
    const Text& caption = control.caption();
    HWND child =
        CreateWindowExW(style.exStyle, childClass(control.kind()), wide(caption), style.style,
                        toPixels(definition.rect.left), toPixels(definition.rect.top),
                        toPixels(definition.rect.width), toPixels(definition.rect.height), parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, this);
    if (child == nullptr) {
        throw RuntimeError{7, u"The control " + asciiText(definition.name) + u" cannot be created"};
    }
    children_.at(position) = child;
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    switch (control.kind()) {
    case ControlKind::TextBox:
        SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
        break;
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
        SendMessageW(child, BM_SETCHECK, checkState(control.value()), 0);
        break;
    case ControlKind::HScrollBar: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
        info.nMin = control.min();
        info.nMax = control.max();
        info.nPos = control.value();
        SetScrollInfo(child, SB_CTL, &info, FALSE);
        break;
    }
    case ControlKind::Image:
        showPicture(child, definition.picture);
        break;
    default:
        break;
    }
    if (!control.enabled()) {
        EnableWindow(child, FALSE);
    }
}

void Win32Form::show() {
    // A window outside the task bar (the splash) takes neither activation
    // nor the focus, so that a screen reader announces first the window that
    // follows it.
    if ((topLevelStyle(form_.definition()).exStyle & WS_EX_NOACTIVATE) != 0) {
        ShowWindow(hwnd(), SW_SHOWNA);
        UpdateWindow(hwnd());
        return;
    }
    // Focus rectangles and access-key underlines as the last input calls
    // for: hidden after the mouse, shown after the keyboard (Microsoft:
    // WM_CHANGEUISTATE), as the dialog manager starts a dialog.
    SendMessageW(hwnd(), WM_CHANGEUISTATE,
                 MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    UpdateWindow(hwnd());
    SetForegroundWindow(hwnd());
    const std::vector<std::size_t> order = focusOrder();
    if (!order.empty()) {
        lastFocus_ = children_.at(order.front());
        SetFocus(lastFocus_);
    }
}

void Win32Form::destroy() {
    children_.clear();
    window_.reset();
    lastFocus_ = nullptr;
}

std::size_t Win32Form::positionOf(HWND child) const {
    const auto found = std::find(children_.begin(), children_.end(), child);
    if (child == nullptr || found == children_.end()) {
        return kNoPosition;
    }
    return static_cast<std::size_t>(found - children_.begin());
}

std::size_t Win32Form::positionOf(const Control& control) const {
    for (std::size_t position = 0; position < form_.count(); ++position) {
        if (&form_.at(position) == &control) {
            return position;
        }
    }
    return kNoPosition;
}

bool Win32Form::owns(HWND window) const {
    return window_ && (window == hwnd() || IsChild(hwnd(), window));
}

// Both window classes keep the form in GWLP_USERDATA from WM_NCCREATE on
// and hand every message to one of its members, with errors reported at this
// frame so that no exception unwinds through the operating system.
template <LRESULT (Win32Form::*Handler)(HWND, UINT, WPARAM, LPARAM)>
LRESULT Win32Form::dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return guarded<LRESULT>([&]() -> LRESULT {
        if (message == WM_NCCREATE) {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        }
        auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self == nullptr) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            return DefWindowProcW(window, message, wParam, lParam);
        }
        return (self->*Handler)(window, message, wParam, lParam);
    });
}

LRESULT Win32Form::formMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // A disabled window has a modal operation running over it (a message
    // box, the shell's start) whose message loop may still hand it a click,
    // a scroll or a close that was under way: none reaches the form.
    const bool takesInput = IsWindowEnabled(window) != FALSE;
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0 && takesInput) {
            onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        }
        return 0;
    case WM_HSCROLL:
        if (lParam != 0 && takesInput) {
            onHorizontalScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam), HIWORD(wParam));
        }
        return 0;
    case WM_TIMER: {
        const std::size_t position = static_cast<std::size_t>(wParam) - kFirstControlId;
        if (wParam >= kFirstControlId && position < form_.count()) {
            form_.at(position).timerElapsed();
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus != nullptr && IsChild(window, focus)) {
                lastFocus_ = focus;
            }
            return 0;
        }
        break;
    case WM_SETFOCUS:
        if (HWND focus = focusReturnsTo(lastFocus_); focus != nullptr) {
            SetFocus(focus);
            return 0;
        }
        break;
    case WM_MOUSEACTIVATE:
        // Windows activates no WS_EX_NOACTIVATE window on a click; Wine 8 does
        // unless the window says no here.
        if ((topLevelStyle(form_.definition()).exStyle & WS_EX_NOACTIVATE) != 0) {
            return MA_NOACTIVATE;
        }
        break;
    case WM_GETMINMAXINFO: {
        // A window larger than the screen keeps its size, the client area its
        // twips: its top-left part is on the screen.
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        const SIZE size = windowSize(dpi_);
        limits->ptMaxTrackSize.x = std::max(limits->ptMaxTrackSize.x, size.cx);
        limits->ptMaxTrackSize.y = std::max(limits->ptMaxTrackSize.y, size.cy);
        return 0;
    }
    case kGetDpiScaledSize:
        // Asked before WM_DPICHANGED for the size to suggest with it: the
        // client area's twips with the frame, both at the new DPI, which is
        // not the present size scaled.
        *reinterpret_cast<SIZE*>(lParam) = windowSize(static_cast<int>(wParam));
        return TRUE;
    case WM_DPICHANGED:
        if (lParam != 0) {
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        }
        return 0;
    case WM_CLOSE:
        if (!takesInput) {
            return 0;
        }
        if (onCloseRequest) {
            onCloseRequest();
        } else {
            destroy();
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Win32Form::containerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
        // Frames and picture boxes pass their controls' notifications on to
        // the form, which handles them all.
        return formMessage(hwnd(), message, wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSCROLLBAR:
        return SendMessageW(hwnd(), message, wParam, lParam);
    case WM_GETFONT:
        // A frame draws its caption in the window's font, and says so.
        return reinterpret_cast<LRESULT>(font_.get());
    case WM_PAINT: {
        const std::size_t position = positionOf(window);
        if (position != kNoPosition && form_.at(position).is(ControlKind::Frame)) {
            paintFrame(window);
            return 0;
        }
        break;
    }
    default:
        break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace lurn::win32
