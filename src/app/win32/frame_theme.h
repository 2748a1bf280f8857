#pragma once
// The group box of the system's visual style, in which the frames are drawn
// where a visual style is active, so that they match the themed controls
// inside them.

#include <windows.h>

#include <uxtheme.h>

namespace lurn::win32 {

// The visual style's button parts for one window, for the length of a
// scope. Empty where no visual style is active (the classic look, Windows
// without themes, the program without its common-controls manifest).
class FrameTheme {
public:
    explicit FrameTheme(HWND window);
    FrameTheme(const FrameTheme&) = delete;
    FrameTheme& operator=(const FrameTheme&) = delete;
    ~FrameTheme();

    explicit operator bool() const { return theme_ != nullptr; }
    // The group box's border over `rect`.
    void drawBorder(HDC dc, const RECT& rect) const;
    // The group box caption's colour.
    COLORREF textColour() const;

private:
    HTHEME theme_;
};

} // namespace lurn::win32
