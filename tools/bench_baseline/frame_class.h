#pragma once
// The baseline's own container window class: a frame draws an etched
// rectangle with its caption at the top left in its font; without the
// kEtchedFrame style it is a plain borderless container.

#include <windows.h>

namespace baseline {

constexpr wchar_t kFrameClass[] = L"bench_baseline_frame";
// A style bit of the class (the low word of a window's style belongs to its class).
constexpr DWORD kEtchedFrame = 0x0001;

// Registers the class for the life of the object.
class FrameClass {
public:
    explicit FrameClass(HINSTANCE instance);
    FrameClass(const FrameClass&) = delete;
    FrameClass& operator=(const FrameClass&) = delete;
    FrameClass(FrameClass&&) = delete;
    FrameClass& operator=(FrameClass&&) = delete;
    ~FrameClass();

    bool registered() const { return atom_ != 0; }

private:
    HINSTANCE instance_;
    ATOM atom_;
};

} // namespace baseline
