#pragma once
// Where the windows go on the screen.

#include <windows.h>

namespace lurn::win32 {

// A rectangle of `width` x `height` with the centre of `area`.
RECT centredOn(const RECT& area, int width, int height);

// Where a window of `width` x `height` opens: centred on the work area of
// the primary monitor, whose DPI the windows open at. A window larger than
// the work area keeps its top-left corner inside it, so that its title bar
// and the controls at its left can be reached.
RECT openingPlace(int width, int height);

} // namespace lurn::win32
