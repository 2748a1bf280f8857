#pragma once
// Owners of Win32 handles: one owner per handle, never copied, released in
// the destructor.

#include <windows.h>

#include <string>
#include <utility>

namespace lurn::win32 {

template <typename Handle, BOOL(WINAPI* Release)(Handle)> class Owned {
public:
    Owned() = default;
    explicit Owned(Handle handle) : handle_(handle) {}
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    ~Owned() { reset(); }

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    // Gives the handle up to a new owner, such as the system.
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            Release(handle_);
        }
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

inline BOOL WINAPI deleteGdiObject(HGDIOBJ object) {
    return DeleteObject(object);
}
template <typename Gdi> BOOL WINAPI deleteGdi(Gdi object) {
    return deleteGdiObject(object);
}

using Font = Owned<HFONT, deleteGdi<HFONT>>;
using Bitmap = Owned<HBITMAP, deleteGdi<HBITMAP>>;
using Region = Owned<HRGN, deleteGdi<HRGN>>;
using Window = Owned<HWND, DestroyWindow>;
using Library = Owned<HMODULE, FreeLibrary>;
using MemoryDc = Owned<HDC, DeleteDC>;
using Icon = Owned<HICON, DestroyIcon>;
using File = Owned<HANDLE, CloseHandle>;

// CreateFileW's result as an owner: empty where the file was not opened.
inline File openedFile(HANDLE handle) {
    return File(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

// A screen device context for the length of a scope.
class ScreenDc {
public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() {
        if (dc_ != nullptr) {
            ReleaseDC(nullptr, dc_);
        }
    }
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// A GDI object selected into a device context for the length of a scope.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;
    ~Selection() { SelectObject(dc_, previous_); }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Wide text of the core as the API's wide strings (both UTF-16 on Windows).
inline const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

} // namespace lurn::win32
