#include "options.h"

#include <algorithm>

namespace lurn_inspect {

const wchar_t kUsage[] = L"usage: lurn_inspect [--title TEXT]... [--class NAME]... [--all]\n"
                         L"       lurn_inspect --wait-title TEXT [--timeout MS]\n"
                         L"       lurn_inspect --wait-gone TEXT [--timeout MS]\n";

bool WindowFilter::matches(std::wstring_view title, std::wstring_view className,
                           bool ownedByDesktop) const {
    if (all && !ownedByDesktop) {
        return true;
    }
    const auto equals = [](std::wstring_view wanted) {
        return [wanted](const std::wstring& candidate) {
            return candidate == wanted;
        };
    };
    return std::any_of(titles.begin(), titles.end(), equals(title)) ||
           std::any_of(classes.begin(), classes.end(), equals(className));
}

namespace {

bool parseMilliseconds(std::wstring_view text, unsigned& value) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; })) {
        return false;
    }
    value = 0;
    for (const wchar_t c : text) {
        value = value * 10 + static_cast<unsigned>(c - L'0');
    }
    return true;
}

} // namespace

ParsedOptions parseOptions(const std::vector<std::wstring_view>& args) {
    ParsedOptions parsed;
    Options& options = parsed.options;
    bool waiting = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::wstring_view option = args[i];
        if (option == L"--all") {
            options.filter.all = true;
            continue;
        }
        if (i + 1 == args.size()) {
            parsed.error = std::wstring(option) + L": missing value or unknown option";
            return parsed;
        }
        const std::wstring_view value = args[++i];
        if (option == L"--title") {
            options.filter.titles.emplace_back(value);
        } else if (option == L"--class") {
            options.filter.classes.emplace_back(value);
        } else if (option == L"--wait-title" || option == L"--wait-gone") {
            if (waiting) {
                parsed.error = L"only one of --wait-title and --wait-gone, once";
                return parsed;
            }
            waiting = true;
            options.mode = option == L"--wait-title" ? Mode::WaitTitle : Mode::WaitGone;
            options.filter.titles.emplace_back(value);
        } else if (option == L"--timeout") {
            if (!parseMilliseconds(value, options.timeoutMs)) {
                parsed.error = L"--timeout wants milliseconds, not " + std::wstring(value);
                return parsed;
            }
        } else {
            parsed.error = L"unknown option " + std::wstring(option);
            return parsed;
        }
    }
    const WindowFilter& filter = options.filter;
    if (waiting && (filter.all || filter.titles.size() != 1 || !filter.classes.empty())) {
        parsed.error = L"--wait-title and --wait-gone take no other filter";
    } else if (!filter.all && filter.titles.empty() && filter.classes.empty()) {
        parsed.error = L"nothing to look for";
    }
    return parsed;
}

} // namespace lurn_inspect
