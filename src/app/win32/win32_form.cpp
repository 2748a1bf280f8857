#include "app/win32/win32_form.h"

#include "app/win32/dpi.h"
#include "app/win32/frame_theme.h"
#include "app/win32/picture.h"
#include "app/win32/placement.h"
#include "app/win32/top_level.h"

#include <algorithm>
#include <utility>

namespace lurn::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"LurnForm";
constexpr wchar_t kContainerClass[] = L"LurnContainer";
// Child ids start above IDOK and IDCANCEL, which the dialog manager would
// make of Enter and Esc.
constexpr int kFirstControlId = 100;
constexpr int kTwipsPerInch = 1440;
constexpr std::size_t kNoPosition = static_cast<std::size_t>(-1);

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

struct WindowStyle {
    DWORD style;
    DWORD exStyle;
};

WindowStyle topLevelStyle(const FormDefinition& definition) {
    WindowStyle result{WS_CLIPCHILDREN, 0};
    if (definition.border == BorderStyle::FixedSingle) {
        result.style |= WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    } else {
        result.style |= WS_POPUP;
    }
    result.exStyle |= definition.showInTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    return result;
}

WindowStyle childStyle(const ControlDefinition& definition) {
    constexpr DWORD base = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
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

WPARAM checkState(std::int16_t value) {
    switch (value) {
    case 1:
        return BST_CHECKED;
    case 2:
        return BST_INDETERMINATE;
    default:
        return BST_UNCHECKED;
    }
}

Text windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    Text text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

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

int Win32Form::toPixels(int twips) const {
    return MulDiv(twips, dpi_, kTwipsPerInch);
}

// The window's size in pixels at dpi_: its client area is its twips, the
// frame around it measured at the same DPI.
SIZE Win32Form::windowSize() const {
    const FormDefinition& definition = form_.definition();
    const WindowStyle style = topLevelStyle(definition);
    const RECT frame =
        windowRectForClient(toPixels(definition.clientWidth), toPixels(definition.clientHeight),
                            style.style, style.exStyle, dpi_);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

void Win32Form::create() {
    registerClasses(instance_);
    dpi_ = primaryMonitorDpi();
    // The captions are shown as designed, in code page 936's characters, on
    // every system: as stored, or given back by the caption conversion.
    font_ = messageFont(dpi_, kCodePageGbk);
    const FormDefinition& definition = form_.definition();
    const WindowStyle style = topLevelStyle(definition);
    const SIZE size = windowSize();
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

// The window's icon in the title bar and in the task switcher, at the sizes
// for dpi_. The icons shown before are released once the new ones are.
void Win32Form::showIcons() {
    const int resource = form_.definition().icon;
    if (resource == 0) {
        return;
    }
    const Icon previousBig = std::exchange(
        bigIcon_, scaledIcon(instance_, resource, systemMetricForDpi(SM_CXICON, dpi_)));
    const Icon previousSmall = std::exchange(
        smallIcon_, scaledIcon(instance_, resource, systemMetricForDpi(SM_CXSMICON, dpi_)));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
}

// The control takes the size of its picture. The picture's pixels are at the
// standard DPI, so that its own size is 15 twips a pixel; at any other DPI the
// control shows a copy scaled to that size, made once for all the images.
void Win32Form::showPicture(HWND image, int resource) {
    if (resource == 0) {
        return;
    }
    if (!picture_) {
        picture_.reset(static_cast<HBITMAP>(
            LoadImageW(instance_, MAKEINTRESOURCEW(resource), IMAGE_BITMAP, 0, 0, 0)));
    }
    const SIZE own = bitmapSize(picture_.get());
    const SIZE scaled{MulDiv(own.cx, dpi_, kStandardDpi), MulDiv(own.cy, dpi_, kStandardDpi)};
    HBITMAP shown = picture_.get();
    if (scaled.cx != own.cx || scaled.cy != own.cy) {
        if (!scaledPicture_) {
            scaledPicture_ = stretchedBitmap(picture_.get(), scaled);
        }
        if (scaledPicture_) {
            shown = scaledPicture_.get();
        }
    }
    SendMessageW(image, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(shown));
}

// On a monitor of another DPI: the window is its twips at the new DPI,
// centred where the system suggests (the suggestion scales the old frame, so
// its size may be a pixel or more off), with the icons at the new DPI's
// sizes; every control takes its twips at the new DPI, the new font and
// picture. The controls are moved, not made again, so they keep their
// values, texts, focus and enabled states, and nothing of this reaches the
// model as the user's doing.
void Win32Form::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    const Font previousFont = std::exchange(font_, messageFont(dpi, kCodePageGbk));
    // Shown until every image has the new one.
    const Bitmap previousPicture = std::move(scaledPicture_);
    const SIZE size = windowSize();
    const RECT place = centredOn(suggested, size.cx, size.cy);
    SetWindowPos(hwnd(), nullptr, place.left, place.top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    showIcons();
    for (std::size_t position = 0; position < form_.count(); ++position) {
        const HWND child = children_[position];
        if (child == nullptr) {
            continue;
        }
        const ControlDefinition& definition = form_.at(position).definition();
        SetWindowPos(child, nullptr, toPixels(definition.rect.left), toPixels(definition.rect.top),
                     toPixels(definition.rect.width), toPixels(definition.rect.height),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (definition.kind == ControlKind::Image) {
            showPicture(child, definition.picture);
        }
    }
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void Win32Form::show() {
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

std::vector<std::size_t> Win32Form::focusOrder() const {
    std::vector<std::size_t> order;
    for (std::size_t position = 0; position < form_.count(); ++position) {
        const Control& control = form_.at(position);
        if (!takesFocus(control.kind()) || !control.enabled() || children_[position] == nullptr) {
            continue;
        }
        if (control.is(ControlKind::OptionButton) && control.value() == 0) {
            // An option pair takes the focus once: on its selected member,
            // or on its first member while none is selected.
            bool otherTakesIt = false;
            for (std::size_t other = 0; other < form_.count(); ++other) {
                const Control& sibling = form_.at(other);
                if (other != position && sibling.name() == control.name() &&
                    (sibling.value() != 0 ||
                     sibling.definition().tabIndex < control.definition().tabIndex)) {
                    otherTakesIt = true;
                }
            }
            if (otherTakesIt) {
                continue;
            }
        }
        order.push_back(position);
    }
    std::sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return form_.at(a).definition().tabIndex < form_.at(b).definition().tabIndex;
    });
    return order;
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

bool Win32Form::moveWithinOptionPair(std::size_t position) {
    const Control& current = form_.at(position);
    for (std::size_t other = 0; other < form_.count(); ++other) {
        Control& sibling = form_.at(other);
        if (other != position && sibling.name() == current.name() && sibling.enabled()) {
            lastFocus_ = children_.at(other);
            SetFocus(lastFocus_);
            sibling.userClick();
            return true;
        }
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

bool Win32Form::preTranslate(const MSG& message) {
    if (message.message != WM_KEYDOWN || !owns(message.hwnd)) {
        return false;
    }
    if (message.wParam == VK_TAB) {
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) {
            return false;
        }
        return moveFocusByTab(GetKeyState(VK_SHIFT) < 0);
    }
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

void Win32Form::paintFrame(HWND frame) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(frame, &paint);
    RECT client;
    GetClientRect(frame, &client);
    const HGDIOBJ oldFont = SelectObject(dc, font_.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT border = client;
    border.top += metrics.tmHeight / 2;
    const FrameTheme theme(frame);
    if (theme) {
        theme.drawBorder(dc, border);
    } else {
        DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
    }
    const Text caption = windowText(frame);
    if (!caption.empty()) {
        const int margin = toPixels(90);
        SIZE extent{};
        GetTextExtentPoint32W(dc, wide(caption), static_cast<int>(caption.size()), &extent);
        RECT label{margin, 0, margin + extent.cx + 4, metrics.tmHeight};
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, theme ? theme.textColour() : GetSysColor(COLOR_BTNTEXT));
        ExtTextOutW(dc, margin + 2, 0, ETO_OPAQUE, &label, wide(caption),
                    static_cast<UINT>(caption.size()), nullptr);
    }
    SelectObject(dc, oldFont);
    EndPaint(frame, &paint);
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
    switch (message) {
    case WM_COMMAND:
        if (lParam != 0) {
            onCommand(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
        }
        return 0;
    case WM_HSCROLL:
        if (lParam != 0) {
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
        if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
            SetFocus(lastFocus_);
            return 0;
        }
        break;
    case WM_GETMINMAXINFO: {
        // A window larger than the screen keeps its size, the client area its
        // twips: its top-left part is on the screen.
        auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
        const SIZE size = windowSize();
        limits->ptMaxTrackSize.x = std::max(limits->ptMaxTrackSize.x, size.cx);
        limits->ptMaxTrackSize.y = std::max(limits->ptMaxTrackSize.y, size.cy);
        return 0;
    }
    case WM_DPICHANGED:
        if (lParam != 0) {
            onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        }
        return 0;
    case WM_CLOSE:
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
