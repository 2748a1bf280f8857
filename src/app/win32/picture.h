#pragma once
// Pictures shown by image controls, at the scale of the window's display.

#include "app/win32/handles.h"

#include <windows.h>

namespace lurn::win32 {

SIZE bitmapSize(HBITMAP bitmap);

// A copy of the bitmap stretched to `size` with smooth (halftone) filtering.
// It is a 24-bit bitmap without alpha, which a static control shows as it is
// instead of keeping a copy of its own.
Bitmap stretchedBitmap(HBITMAP source, SIZE size);

// An icon resource's image at `size` pixels square, smoothly scaled from its
// own size as the title picture is: the system's own scaling of a 24-bit
// icon drops the fine lines of its picture.
Icon scaledIcon(HINSTANCE instance, int resource, int size);

} // namespace lurn::win32
