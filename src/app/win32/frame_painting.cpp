// Win32Form draws its frames itself: the border, in the visual style's
// group box where a theme is active and etched otherwise, with the caption
// over it.

#include "app/win32/win32_form.h"

#include "app/win32/frame_theme.h"
#include "app/win32/win32_form_internal.h"

namespace lurn::win32 {

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

} // namespace lurn::win32
