#pragma once
// The baseline's top-level window: fixed single border, a 705 x 288 client
// area centred on the work area, the 43 controls in the message font.

#include "frame_class.h"

#include <windows.h>

#include <string>

#include "app/win32/handles.h"

namespace baseline {

constexpr wchar_t kWindowTitle[] = L"bench_baseline";

class BaselineWindow {
public:
    explicit BaselineWindow(HINSTANCE instance);
    BaselineWindow(const BaselineWindow&) = delete;
    BaselineWindow& operator=(const BaselineWindow&) = delete;
    BaselineWindow(BaselineWindow&&) = delete;
    BaselineWindow& operator=(BaselineWindow&&) = delete;
    ~BaselineWindow();

    bool created() const { return hwnd_ != nullptr; }
    // ShowWindow and UpdateWindow.
    void show(int showCommand) const;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    FrameClass frameClass_;
    ATOM windowClass_ = 0;
    lurn::win32::Font font_;
    HWND hwnd_ = nullptr; // cleared when the window is destroyed
};

} // namespace baseline
