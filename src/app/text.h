#pragma once
// Wide text as the program holds it: UTF-16 on every platform, so the
// portable core and the Win32 layer share one representation.

#include <cstdint>
#include <string>
#include <string_view>

namespace lurn {

using Text = std::u16string;
using TextView = std::u16string_view;

// The decimal text of a whole number: its digits with a leading "-" when it
// is negative; no blank, no plus sign, no grouping.
Text decimalText(std::int64_t value);

// Widens 7-bit ASCII (names, keys, literals) to wide text.
Text asciiText(std::string_view ascii);

// A file name in a directory, with one backslash between them (a drive's
// root directory already ends with one).
Text joinPath(const Text& directory, TextView fileName);

// UTF-8 form of a wide text, for diagnostics and tests.
std::string utf8(TextView text);

} // namespace lurn
