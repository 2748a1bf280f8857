#pragma once
// Functions of system DLLs that not every supported Windows has, or that the
// program does not import: looked up by name at run time, each typed from
// the SDK's own declaration (decltype(&::Name)), so that a pointer's calling
// convention and parameters are always the function's own.

#include "app/win32/handles.h"

#include <windows.h>

namespace lurn::win32 {

// A DLL from the system folder only, never from the game's; empty where the
// system has none of that name.
Library systemLibrary(const wchar_t* name);

// A function of a loaded DLL, or nullptr where it or the DLL is missing.
template <typename Function> Function lookUp(HMODULE module, const char* name) {
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace lurn::win32
