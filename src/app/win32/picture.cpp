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

Icon scaledIcon(HINSTANCE instance, int resource, int size) {
    Icon own(
        static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, 0, 0, 0)));
    ICONINFO parts{};
    if (!own || !GetIconInfo(own.get(), &parts)) {
        return own;
    }
    const Bitmap colour(parts.hbmColor);
    const Bitmap mask(parts.hbmMask);
    const SIZE ownSize = bitmapSize(colour.get());
    if (ownSize.cx == size && ownSize.cy == size) {
        return own;
    }
    const Bitmap scaledColour = stretchedBitmap(colour.get(), SIZE{size, size});
    const Bitmap scaledMask(CreateBitmap(size, size, 1, 1, nullptr));
    const MemoryDc from(CreateCompatibleDC(nullptr));
    const MemoryDc to(CreateCompatibleDC(nullptr));
    if (!scaledColour || !scaledMask || !from || !to) {
        return own;
    }
    {
        const Selection reading(from.get(), mask.get());
        const Selection writing(to.get(), scaledMask.get());
        SetStretchBltMode(to.get(), COLORONCOLOR);
        StretchBlt(to.get(), 0, 0, size, size, from.get(), 0, 0, ownSize.cx, ownSize.cy, SRCCOPY);
    }
    ICONINFO scaled{TRUE, 0, 0, scaledMask.get(), scaledColour.get()};
    Icon made(CreateIconIndirect(&scaled));
    return made ? std::move(made) : std::move(own);
}

} // namespace lurn::win32
