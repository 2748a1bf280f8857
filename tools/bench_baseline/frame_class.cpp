#include "frame_class.h"

#include <string>

namespace baseline {

namespace {

// The window's extra bytes hold the font WM_SETFONT gave it.
constexpr int kFontSlot = 0;
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;

HFONT frameFont(HWND frame) {
    return reinterpret_cast<HFONT>(GetWindowLongPtrW(frame, kFontSlot));
}

std::wstring caption(HWND frame) {
    std::wstring text(GetWindowTextLengthW(frame) + 1, L'\0');
    text.resize(GetWindowTextW(frame, text.data(), static_cast<int>(text.size())));
    return text;
}

void paintEtchedFrame(HWND frame, HDC dc) {
    const HFONT font = frameFont(frame);
    const HGDIOBJ previous = SelectObject(dc, font != nullptr ? font : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT edge{};
    GetClientRect(frame, &edge);
    edge.top += metrics.tmHeight / 2;
    DrawEdge(dc, &edge, EDGE_ETCHED, BF_RECT);

    const std::wstring text = caption(frame);
    if (!text.empty()) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        const RECT background{kCaptionIndent - kCaptionPadding, 0,
                              kCaptionIndent + extent.cx + kCaptionPadding, extent.cy};
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        ExtTextOutW(dc, kCaptionIndent, 0, ETO_OPAQUE, &background, text.c_str(),
                    static_cast<UINT>(text.size()), nullptr);
    }
    SelectObject(dc, previous);
}

LRESULT CALLBACK frameProcedure(HWND frame, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETFONT:
        SetWindowLongPtrW(frame, kFontSlot, static_cast<LONG_PTR>(wParam));
        if (LOWORD(lParam) != 0) {
            InvalidateRect(frame, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return GetWindowLongPtrW(frame, kFontSlot);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(frame, &paint);
        if ((GetWindowLongPtrW(frame, GWL_STYLE) & kEtchedFrame) != 0) {
            paintEtchedFrame(frame, dc);
        }
        EndPaint(frame, &paint);
        return 0;
    }
    default:
        return DefWindowProcW(frame, message, wParam, lParam);
    }
}

} // namespace

FrameClass::FrameClass(HINSTANCE instance) : instance_(instance) {
    WNDCLASSEXW frameClass{};
    frameClass.cbSize = sizeof frameClass;
    frameClass.lpfnWndProc = frameProcedure;
    frameClass.cbWndExtra = sizeof(LONG_PTR);
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    frameClass.lpszClassName = kFrameClass;
    atom_ = RegisterClassExW(&frameClass);
}

FrameClass::~FrameClass() {
    if (atom_ != 0) {
        UnregisterClassW(kFrameClass, instance_);
    }
}

} // namespace baseline
