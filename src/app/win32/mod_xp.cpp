#include "app/win32/mod_xp.h"

#include "app/win32/system_library.h"

#include <windows.h>

#include <commctrl.h>

namespace lurn::ModXp {

bool InitVisualStyles() noexcept {
    // Bound by name at the call. DLL look-ups are limited to the system
    // folder from start-up on (see the entry point), so a comctl32.dll
    // planted in the game folder is never loaded; the manifest's activation
    // context still redirects the name to version 6.
    HMODULE library = LoadLibraryW(L"comctl32.dll");
    if (library == nullptr) {
        return false;
    }
    const auto initCommonControlsEx =
        win32::lookUp<decltype(&::InitCommonControlsEx)>(library, "InitCommonControlsEx");
    if (initCommonControlsEx == nullptr) {
        return false;
    }
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls; // 8
    controls.dwICC = ICC_USEREX_CLASSES;
    initCommonControlsEx(&controls);
    // The library stays loaded for the life of the process: the controls
    // it registered are in use.
    return true;
}

} // namespace lurn::ModXp
