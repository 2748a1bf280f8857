#pragma once
// What the Windows tests share: temporary folders and files on the real
// file system, imports replaced, and the names a screen reader hears.

#include "app/text.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace lurn::wintest {

// A new folder of a name no other test uses, under the user's temporary
// directory, removed with all its contents at the end of the scope. `leaf`
// ends the folder's name.
class TempFolder {
public:
    explicit TempFolder(TextView leaf = u"");
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const Text& path() const { return path_; }
    Text file(TextView name) const { return joinPath(path_, name); }

private:
    Text path_;
};

std::string readBytes(const Text& path);
void writeBytes(const Text& path, std::string_view bytes);

// A function of the system's replaced in this program's import address table
// for the length of the scope, as Windows would behave where Wine does not.
class ImportPatch {
public:
    ImportPatch(const void* original, const void* replacement);
    ImportPatch(const ImportPatch&) = delete;
    ImportPatch& operator=(const ImportPatch&) = delete;
    ~ImportPatch() { *slot_ = original_; }

    // The function that the program imported, to be called through.
    template <typename Function> Function original() const {
        return reinterpret_cast<Function>(const_cast<void*>(original_));
    }

private:
    const void* original_;
    const void** slot_;
};

// The name that Windows' Active Accessibility gives a standard control, as
// Microsoft documents it ("Providing the Name Property", "Ensuring that UI
// Elements are Correctly Named"): a button's or a static's own text; for an
// edit box or a scroll bar, the text of the first static text control met
// walking GetWindow(GW_HWNDPREV) from it, a walk that stops at a control
// with both WS_GROUP and WS_TABSTOP. Empty where there is none.
Text accessibleName(HWND control);

inline const wchar_t* api(const Text& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

} // namespace lurn::wintest
