#pragma once
// What the Windows tests share: the language a test process was started
// for, temporary folders on the real file system, and the code-page steps of
// the caption conversion computed directly with the operating system.

#include "app/text.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace lurn::wintest {

// The default language the test was registered for (LURN_EXPECTED_LANGUAGE),
// or 0 when the variable is missing.
std::uint16_t expectedLanguage();
// The ANSI code page Wine gives that language: 936, 950 or 1252.
UINT ansiCodePageOf(std::uint16_t language);

// A new folder under the user's temporary directory, removed with all its
// contents at the end of the scope. `leaf` ends the folder's name.
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

// A file opened with no sharing for the length of a scope.
class HeldFile {
public:
    explicit HeldFile(const Text& path);
    HeldFile(const HeldFile&) = delete;
    HeldFile& operator=(const HeldFile&) = delete;
    ~HeldFile();
    bool held() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

inline const wchar_t* api(const Text& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// One operating-system step each; a step that fails gives the empty result.
std::string narrowWith(TextView text, UINT codePage);
Text widenWith(std::string_view bytes, UINT codePage);
// LCMapStringW into a buffer of the source's length filled with U+0000.
Text mapScript(LCID locale, DWORD flags, TextView text);
// Whether every character of the text survives narrowing to the code page.
bool representable(TextView text, UINT codePage);

} // namespace lurn::wintest
