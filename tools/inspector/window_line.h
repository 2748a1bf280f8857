#pragma once
// One window as one line of the inspector's output (the format is described
// in lurn_inspect.cpp).

#include "window_snapshot.h"

#include <string>
#include <string_view>

namespace lurn_inspect {

// Text with tab, line feed, carriage return and backslash written as \t,
// \n, \r and \\, so that it fits in one tab-separated field.
std::wstring escaped(std::wstring_view text);

// The line of a window at this depth of the tree (0 for a top-level
// window), ending in CR LF.
std::wstring windowLine(const WindowSnapshot& window, int depth);

} // namespace lurn_inspect
