#pragma once
// The desktop's visible top-level windows that a filter picks, and the text
// of a window with all its descendants.

#include "options.h"

#include <windows.h>

#include <string>
#include <vector>

namespace lurn_inspect {

// In the desktop's z-order, topmost first.
std::vector<HWND> matchingTopLevelWindows(const WindowFilter& filter);

// One line for the window, then, depth first in z-order, one for each
// descendant, indented two spaces a level. A window destroyed while it is
// read is left out with its descendants; empty when topLevel was.
std::wstring treeText(HWND topLevel);

} // namespace lurn_inspect
