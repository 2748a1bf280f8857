#pragma once
// The display's scale as a per-monitor DPI-aware program sees it. The DPI
// functions of Windows 8.1 and 10 are looked up once at run time; where they
// are missing (Windows 7), every window is at the system's DPI, the screen's
// LOGPIXELSY, as for a system-aware program.

#include "app/win32/handles.h"

#include <windows.h>

namespace lurn::win32 {

inline constexpr int kStandardDpi = 96;

// The DPI of the primary monitor, where the windows open centred.
int primaryMonitorDpi();

// The window rectangle, at the origin, whose client area is `width` x
// `height` pixels for the style, with the frame measured at `dpi`.
RECT windowRectForClient(int width, int height, DWORD style, DWORD exStyle, int dpi);

// A size of the system's metrics (SM_CXICON, ...) at `dpi`.
int systemMetricForDpi(int index, int dpi);

// The system's message font at `dpi`, for captions in the characters of
// `captionCodePage`. The captions are simplified Chinese on every system,
// and the message font need not have their script: a traditional-Chinese
// face may lack simplified characters, and Wine 10 gives every system a
// Latin face (Tahoma), which draws them as boxes even where the system's
// code page is theirs. So the font is always asked for their code page's
// character set, which a face that has their script already is.
Font messageFont(int dpi, unsigned captionCodePage);

} // namespace lurn::win32
