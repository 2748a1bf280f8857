// Win32Form's layout: twips become pixels at the DPI of the window's
// monitor, for the window, its controls, its icons and its picture, and
// again when the window moves to a monitor of another DPI.

#include "app/win32/win32_form.h"

#include "app/win32/dpi.h"
#include "app/win32/picture.h"
#include "app/win32/placement.h"
#include "app/win32/win32_form_internal.h"

#include <utility>

namespace lurn::win32 {

namespace {

constexpr int kTwipsPerInch = 1440;

} // namespace

int Win32Form::toPixels(int twips) const {
    return MulDiv(twips, dpi_, kTwipsPerInch);
}

// The window's size in pixels at `dpi`: its client area is its twips, the
// frame around it measured at the same DPI.
SIZE Win32Form::windowSize(int dpi) const {
    const FormDefinition& definition = form_.definition();
    const WindowStyle style = topLevelStyle(definition);
    const RECT frame = windowRectForClient(MulDiv(definition.clientWidth, dpi, kTwipsPerInch),
                                           MulDiv(definition.clientHeight, dpi, kTwipsPerInch),
                                           style.style, style.exStyle, dpi);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
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
// centred where the system suggests (Windows 10 suggests the size the window
// gave for WM_GETDPISCALEDSIZE; earlier ones scale the old frame, so their
// size may be a pixel or more off), with the icons at the new DPI's
// sizes; every control takes its twips at the new DPI, the new font and
// picture. The controls are moved, not made again, so they keep their
// values, texts, focus and enabled states, and nothing of this reaches the
// model as the user's doing.
void Win32Form::onDpiChanged(int dpi, const RECT& suggested) {
    dpi_ = dpi;
    const Font previousFont = std::exchange(font_, messageFont(dpi, kCodePageGbk));
    // Shown until every image has the new one.
    const Bitmap previousPicture = std::move(scaledPicture_);
    const SIZE size = windowSize(dpi);
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
    showOverlapsAsMade();
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

} // namespace lurn::win32
