#pragma once
// A window as designed: data from which the form model (and then the real
// window) is built. Positions and sizes are in twips from the top-left corner
// of the container's client area; captions are code-page-936 byte strings.

#include <cstdint>
#include <span>

namespace lurn {

enum class ControlKind : std::uint8_t {
    MenuItem,
    CommandButton,
    Label,
    CheckBox,
    OptionButton,
    Frame,
    PictureBox,
    ListBox,
    TextBox,
    HScrollBar,
    Image,
    Timer,
};

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

inline constexpr std::int8_t kNoIndex = -1;
inline constexpr std::int8_t kNoTabIndex = -1;

struct ControlDefinition {
    ControlKind kind;
    const char* name;
    std::int8_t index;     // element of a control array, or kNoIndex
    const char* container; // name of the frame or picture box, or nullptr for the window
    const char* caption;   // Caption or Text, as code-page-936 bytes
    TwipsRect rect;
    std::int8_t tabIndex; // kNoTabIndex when the control has none
    std::int16_t min = 0;
    std::int16_t max = 0;
    std::int16_t value = 0;
    int interval = 0;    // timers: milliseconds
    int picture = 0;     // images: resource id of the picture
    bool visible = true; // false: made but never shown, as a label that only names a control
};

// A label that names a control for a screen reader. Windows names a control
// without text of its own (a text box, a scroll bar) after the static text
// right before it in z-order.
struct ControlLabel {
    const char* label;
    const char* control;
};

enum class BorderStyle : std::uint8_t {
    None,        // no title bar, frame, system menu or buttons
    FixedSingle, // title bar, icon, system menu, close button; not resizable
};

struct FormDefinition {
    const char* name;
    const char* caption; // ASCII
    int clientWidth;     // twips
    int clientHeight;    // twips
    BorderStyle border;
    bool showInTaskbar;
    int icon; // resource id, 0 for none
    std::span<const ControlDefinition> controls;
    std::span<const ControlLabel> labels = {};
};

} // namespace lurn
