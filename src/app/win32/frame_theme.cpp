#include "app/win32/frame_theme.h"

#include "app/win32/system_library.h"

#include <vssym32.h>

namespace lurn::win32 {

namespace {

// uxtheme.dll is looked up at run time rather than imported: it is not one
// of the DLLs that the system only ever loads from its own folder, and an
// imported one would be searched for in the game's folder first.
struct ThemeFunctions {
    using OpenThemeData = decltype(&::OpenThemeData);
    using CloseThemeData = decltype(&::CloseThemeData);
    using DrawThemeBackground = decltype(&::DrawThemeBackground);
    using GetThemeColor = decltype(&::GetThemeColor);

    Library uxtheme;
    OpenThemeData openThemeData = nullptr;
    CloseThemeData closeThemeData = nullptr;
    DrawThemeBackground drawThemeBackground = nullptr;
    GetThemeColor getThemeColor = nullptr;
};

// Looked up once, on first use; the library stays loaded while the process
// runs.
const ThemeFunctions& themeFunctions() {
    static const ThemeFunctions functions = [] {
        ThemeFunctions found;
        found.uxtheme = systemLibrary(L"uxtheme.dll");
        const HMODULE module = found.uxtheme.get();
        found.openThemeData = lookUp<ThemeFunctions::OpenThemeData>(module, "OpenThemeData");
        found.closeThemeData = lookUp<ThemeFunctions::CloseThemeData>(module, "CloseThemeData");
        found.drawThemeBackground =
            lookUp<ThemeFunctions::DrawThemeBackground>(module, "DrawThemeBackground");
        found.getThemeColor = lookUp<ThemeFunctions::GetThemeColor>(module, "GetThemeColor");
        if (found.closeThemeData == nullptr || found.drawThemeBackground == nullptr ||
            found.getThemeColor == nullptr) {
            found.openThemeData = nullptr; // all four, or no theme
        }
        return found;
    }();
    return functions;
}

} // namespace

FrameTheme::FrameTheme(HWND window)
    : theme_(themeFunctions().openThemeData != nullptr
                 ? themeFunctions().openThemeData(window, L"BUTTON")
                 : nullptr) {}

FrameTheme::~FrameTheme() {
    if (theme_ != nullptr) {
        themeFunctions().closeThemeData(theme_);
    }
}

void FrameTheme::drawBorder(HDC dc, const RECT& rect) const {
    themeFunctions().drawThemeBackground(theme_, dc, BP_GROUPBOX, GBS_NORMAL, &rect, nullptr);
}

COLORREF FrameTheme::textColour() const {
    COLORREF colour = GetSysColor(COLOR_BTNTEXT);
    themeFunctions().getThemeColor(theme_, BP_GROUPBOX, GBS_NORMAL, TMT_TEXTCOLOR, &colour);
    return colour;
}

} // namespace lurn::win32
