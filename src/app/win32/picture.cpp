#include "app/win32/picture.h"

namespace lurn::win32 {

SIZE bitmapSize(HBITMAP bitmap) {
    BITMAP header{};
    if (GetObjectW(bitmap, sizeof header, &header) == 0) {
        return SIZE{0, 0};
    }
    return SIZE{header.bmWidth, header.bmHeight};
}

Bitmap stretchedBitmap(HBITMAP source, SIZE size) {
    const SIZE sourceSize = bitmapSize(source);
    const ScreenDc screen;
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = size.cx;
    format.bmiHeader.biHeight = -size.cy; // top-down
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 24;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap stretched(CreateDIBSection(screen.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const MemoryDc from(CreateCompatibleDC(screen.get()));
    const MemoryDc to(CreateCompatibleDC(screen.get()));
    if (!stretched || !from || !to || sourceSize.cx <= 0 || sourceSize.cy <= 0) {
        return Bitmap();
    }
    const Selection reading(from.get(), source);
    const Selection writing(to.get(), stretched.get());
    SetStretchBltMode(to.get(), HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, sourceSize.cx, sourceSize.cy,
               SRCCOPY);
    return stretched;
}

} // namespace lurn::win32
