#pragma once
// The Win32 realisation of a form: a top-level window with real child
// windows built from the form's definition, kept in step with the model in
// both directions. Program changes reach the windows through FormView; user
// input reaches the model through its user operations. Neither direction
// echoes back as an event. Twips become pixels at the DPI of the window's
// monitor; on a monitor of another DPI the window is laid out again.

#include "app/form_model.h"
#include "app/win32/handles.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace lurn::win32 {

class Win32Form final : public FormView {
public:
    Win32Form(Form& form, HINSTANCE instance);
    Win32Form(const Win32Form&) = delete;
    Win32Form& operator=(const Win32Form&) = delete;
    ~Win32Form() override;

    // Creates the window and its controls, hidden, laid out at the DPI of
    // the primary monitor and centred on its work area.
    void create();
    // Makes the window visible; unless it is outside the task bar, also
    // active, with the focus on the first control in tab order.
    void show();
    void destroy();
    HWND hwnd() const { return window_.get(); }

    // Keyboard handling that the window does itself, before dispatch: Tab
    // and Shift+Tab by tab index across all containers, arrow keys within an
    // option pair, Enter on a button. True when the message was consumed.
    bool preTranslate(const MSG& message);
    // After dispatch: key releases in text boxes.
    void afterDispatch(const MSG& message);

    // The close box, the system menu's Close, Alt+F4.
    std::function<void()> onCloseRequest;

    void propertyChanged(const Control& control, ControlProperty property) override;

private:
    // The window classes, the dispatch and the windows (win32_form.cpp).
    template <LRESULT (Win32Form::*Handler)(HWND, UINT, WPARAM, LPARAM)>
    static LRESULT CALLBACK dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static void registerClasses(HINSTANCE instance);
    LRESULT formMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT containerMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void createControl(std::size_t position);
    std::size_t positionOf(HWND child) const;
    std::size_t positionOf(const Control& control) const;
    bool owns(HWND window) const;

    // Twips and DPI (form_layout.cpp).
    int toPixels(int twips) const;
    SIZE windowSize(int dpi) const;
    void showIcons();
    void showPicture(HWND image, int resource);
    void onDpiChanged(int dpi, const RECT& suggested);

    // The z-order: the order of reading, overlaps seen as made
    // (form_reading_order.cpp).
    std::vector<std::size_t> readingOrder(const Control* container) const;
    void orderForReading();
    void showOverlapsAsMade();

    // Tab, arrow and Enter navigation (form_keyboard.cpp).
    std::vector<std::size_t> focusOrder() const;
    std::size_t otherOption(std::size_t position) const;
    HWND focusReturnsTo(HWND window) const;
    bool moveFocusByTab(bool backwards);
    bool moveWithinOptionPair(std::size_t position);
    bool pressWithEnter(std::size_t position, LPARAM keyData);
    void showFocusOnKey(const MSG& message) const;

    // The user's input reaching the model (form_sync.cpp, with
    // propertyChanged and afterDispatch).
    void onCommand(HWND child, WORD notification);
    void onHorizontalScroll(HWND bar, WORD request, WORD position);

    // Frames (frame_painting.cpp).
    void paintFrame(HWND frame);

    Form& form_;
    HINSTANCE instance_;
    int dpi_;
    Font font_; // the message font at dpi_, shared by every control
    Icon bigIcon_;
    Icon smallIcon_;
    Window window_;
    std::vector<HWND> children_; // by collection position; destroyed with the window
    Bitmap picture_;             // the images' picture, as stored
    Bitmap scaledPicture_;       // the picture at dpi_, unless that is its own size
    HWND lastFocus_ = nullptr;
};

} // namespace lurn::win32
