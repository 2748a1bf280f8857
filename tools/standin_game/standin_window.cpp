#include "standin_window.h"

#include <algorithm>

namespace standin {

namespace {

constexpr wchar_t kClassName[] = L"qeb_lurn_standin";
constexpr int kMargin = 12;
constexpr int kLineGap = 6;
constexpr int kMinTextWidth = 360;
constexpr int kMaxTextWidth = 900;
constexpr UINT kLabelFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;

lurn::win32::Font messageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return lurn::win32::Font(); // the labels keep the system font
    }
    return lurn::win32::Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

// The size a label needs for text in font, wrapped at maxWidth.
SIZE measure(HFONT font, const std::wstring& text, int maxWidth) {
    const lurn::win32::ScreenDc screen;
    const HGDIOBJ previous = SelectObject(screen.get(), font);
    RECT bounds{0, 0, maxWidth, 0};
    DrawTextW(screen.get(), text.c_str(), static_cast<int>(text.size()), &bounds,
              kLabelFormat | DT_CALCRECT);
    SelectObject(screen.get(), previous);
    return {bounds.right, bounds.bottom};
}

RECT workArea() {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

} // namespace

StandinWindow::StandinWindow(HINSTANCE instance, const std::vector<std::wstring>& lines)
    : instance_(instance), font_(messageFont()) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kClassName;
    windowClass_ = RegisterClassExW(&windowClass);
    if (windowClass_ == 0) {
        return;
    }
    constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    hwnd_ = CreateWindowExW(WS_EX_APPWINDOW, kClassName, kWindowTitle, style, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                            this);
    if (hwnd_ == nullptr) {
        return;
    }
    addLabels(lines);
}

StandinWindow::~StandinWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    if (windowClass_ != 0) {
        UnregisterClassW(kClassName, instance_);
    }
}

void StandinWindow::addLabels(const std::vector<std::wstring>& lines) {
    const RECT area = workArea();
    const int maxWidth = std::min<int>(kMaxTextWidth, area.right - area.left - 4 * kMargin);
    int textWidth = kMinTextWidth;
    std::vector<SIZE> sizes;
    for (const std::wstring& line : lines) {
        sizes.push_back(measure(font_.get(), line, maxWidth));
        textWidth = std::max<int>(textWidth, sizes.back().cx);
    }
    int y = kMargin;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        HWND label = CreateWindowExW(
            0, L"STATIC", lines[i].c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, kMargin,
            y, textWidth, sizes[i].cy, hwnd_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)),
            instance_, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        y += sizes[i].cy + kLineGap;
    }
    RECT frame{0, 0, textWidth + 2 * kMargin, y - kLineGap + kMargin};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)));
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(hwnd_, nullptr, area.left + (area.right - area.left - width) / 2,
                 area.top + (area.bottom - area.top - height) / 2, width, height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void StandinWindow::show(int showCommand) const {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
}

LRESULT CALLBACK StandinWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<StandinWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        if (self != nullptr) {
            self->hwnd_ = nullptr;
        }
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace standin
