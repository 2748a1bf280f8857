#include "app/win32/system_library.h"

#include <string>

namespace lurn::win32 {

// Windows 7 without its loader update (KB2533623) refuses the search flag
// with ERROR_INVALID_PARAMETER. There the DLL is loaded by its full path in
// the system folder, and the DLLs it imports are looked up beside it first.
Library systemLibrary(const wchar_t* name) {
    HMODULE module = LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (module == nullptr && GetLastError() == ERROR_INVALID_PARAMETER) {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length > 0 && length < MAX_PATH) {
            const std::wstring path = std::wstring(folder, length) + L'\\' + name;
            module = LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
        }
    }
    return Library(module);
}

} // namespace lurn::win32
