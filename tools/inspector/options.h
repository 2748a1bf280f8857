#pragma once
// The command line of lurn_inspect: which top-level windows to list, or
// which title to wait for.

#include <string>
#include <string_view>
#include <vector>

namespace lurn_inspect {

// Which visible top-level windows are listed: those whose title is one of
// titles, whose class is one of classes, or, with all, every one that does
// not belong to the desktop's own process.
struct WindowFilter {
    std::vector<std::wstring> titles;
    std::vector<std::wstring> classes;
    bool all = false;

    bool matches(std::wstring_view title, std::wstring_view className, bool ownedByDesktop) const;
};

enum class Mode {
    List,      // print the matching windows once
    WaitTitle, // wait for a window titled waitText, then print it
    WaitGone,  // wait until no window is titled waitText
};

struct Options {
    Mode mode = Mode::List;
    WindowFilter filter;
    unsigned timeoutMs = 10000;
};

// Either the options or, when the command line is wrong, why.
struct ParsedOptions {
    Options options;
    std::wstring error;
};

ParsedOptions parseOptions(const std::vector<std::wstring_view>& args);

extern const wchar_t kUsage[];

} // namespace lurn_inspect
