#pragma once
// The stand-in game's one window: a column of text lines in the system's
// message font, sized to fit them and centred on the work area.

#include <windows.h>

#include <string>
#include <vector>

#include "app/win32/handles.h"

namespace standin {

constexpr wchar_t kWindowTitle[] = L"qeb_lurn (stand-in game)";

class StandinWindow {
public:
    // Each entry of lines becomes one label; an entry may hold several lines.
    StandinWindow(HINSTANCE instance, const std::vector<std::wstring>& lines);
    StandinWindow(const StandinWindow&) = delete;
    StandinWindow& operator=(const StandinWindow&) = delete;
    StandinWindow(StandinWindow&&) = delete;
    StandinWindow& operator=(StandinWindow&&) = delete;
    ~StandinWindow();

    bool created() const { return hwnd_ != nullptr; }
    void show(int showCommand) const;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void addLabels(const std::vector<std::wstring>& lines);

    HINSTANCE instance_;
    ATOM windowClass_ = 0;
    lurn::win32::Font font_;
    HWND hwnd_ = nullptr; // cleared when the window is destroyed
};

} // namespace standin
