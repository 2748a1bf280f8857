// lurn_config: the game's settings launcher.

#include "app/win32/system_library.h"
#include "app/win32/top_level.h"
#include "program/application.h"

#include <windows.h>

namespace {

// From here on, DLLs are looked up in the system folder only: the game's
// folder is often writable, and a DLL planted there must never be loaded.
// Windows 7 without its loader update has no SetDefaultDllDirectories: there
// the DLLs that the program loads by name come from the system folder by
// their full path (systemLibrary), and comctl32.dll from the manifest's
// side-by-side assembly.
void restrictDllSearchToSystemFolder() {
    const auto setDefaultDllDirectories =
        lurn::win32::lookUp<decltype(&::SetDefaultDllDirectories)>(
            GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
    if (setDefaultDllDirectories != nullptr) {
        setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    restrictDllSearchToSystemFolder();
    return lurn::win32::guarded<int>([&] {
        lurn::win32::Application application(instance);
        return application.run();
    });
}
