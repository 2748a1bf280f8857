#include "baseline_window.h"

#include "baseline_controls.h"

namespace baseline {

namespace {

constexpr wchar_t kWindowClass[] = L"bench_baseline";
constexpr int kClientWidth = 705;
constexpr int kClientHeight = 288;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;

lurn::win32::Font messageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return lurn::win32::Font(); // the controls keep the system font
    }
    return lurn::win32::Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

// The outer rectangle whose client area is kClientWidth x kClientHeight,
// centred on the work area.
RECT centredFrame() {
    RECT frame{0, 0, kClientWidth, kClientHeight};
    AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const int x = area.left + (area.right - area.left - width) / 2;
    const int y = area.top + (area.bottom - area.top - height) / 2;
    return {x, y, x + width, y + height};
}

} // namespace

BaselineWindow::BaselineWindow(HINSTANCE instance)
    : instance_(instance), frameClass_(instance), font_(messageFont()) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kWindowClass;
    windowClass_ = RegisterClassExW(&windowClass);
    if (windowClass_ == 0 || !frameClass_.registered()) {
        return;
    }
    const RECT frame = centredFrame();
    hwnd_ = CreateWindowExW(kExStyle, kWindowClass, kWindowTitle, kStyle, frame.left, frame.top,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            instance, this);
    if (hwnd_ != nullptr) {
        createControls(hwnd_, instance, font_.get());
    }
}

BaselineWindow::~BaselineWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
    if (windowClass_ != 0) {
        UnregisterClassW(kWindowClass, instance_);
    }
}

void BaselineWindow::show(int showCommand) const {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
}

LRESULT CALLBACK BaselineWindow::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<BaselineWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
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

} // namespace baseline
