#pragma once
// Writes text to a standard handle: UTF-16 to a console, UTF-8 to a file or
// a pipe.

#include <windows.h>

#include <string_view>

namespace lurn_inspect {

void writeText(DWORD standardHandle, std::wstring_view text);

} // namespace lurn_inspect
