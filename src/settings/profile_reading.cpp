#include "settings/profile_reading.h"

#include "settings/mod_ini_edit.h"

#include <cstdint>

namespace lurn {

namespace {

// The reader keeps this many characters of a value, and reads the number
// from them alone.
constexpr std::size_t kReadLength = 29;
constexpr unsigned kNoDigit = 36;

// Blanks and control characters: dropped around a stored value, skipped
// before its number.
bool isBlank(char16_t c) {
    return c <= u' ';
}

unsigned digitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return static_cast<unsigned>(c - u'0');
    }
    if (c >= u'a' && c <= u'z') {
        return static_cast<unsigned>(c - u'a') + 10;
    }
    if (c >= u'A' && c <= u'Z') {
        return static_cast<unsigned>(c - u'A') + 10;
    }
    return kNoDigit;
}

} // namespace

TextView valueAsRead(TextView text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (text.size() >= 2 && (text.front() == u'"' || text.front() == u'\'') &&
        text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
    }
    return text;
}

namespace {

// The number the reader takes from a value: blanks skipped, an optional sign,
// then hexadecimal digits after "0x", octal after "0o", binary after "0b",
// decimal otherwise, up to the first character that is not a digit, taken
// modulo 2^32 as a signed number. A reader of decimal digits alone, or one
// that stops at the largest number instead of wrapping, finds -65536 in no
// text where this reading does not.
std::int32_t profileNumber(TextView text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == u'-' || text[at] == u'+')) {
        negative = text[at] == u'-';
        ++at;
    }
    unsigned base = 10;
    if (at + 1 < text.size() && text[at] == u'0') {
        const char16_t prefix = text[at + 1];
        base = prefix == u'x' ? 16 : prefix == u'o' ? 8 : prefix == u'b' ? 2 : 10;
        at += base == 10 ? 0 : 2;
    }
    std::uint32_t value = 0;
    for (; at < text.size() && digitValue(text[at]) < base; ++at) {
        value = value * base + digitValue(text[at]);
    }
    return static_cast<std::int32_t>(negative ? 0U - value : value);
}

} // namespace

bool readsAsMissing(TextView text) {
    const TextView value = valueAsRead(text);
    return value.empty() || profileNumber(value) == ModINIedit::kMissingValue ||
           profileNumber(value.substr(0, kReadLength)) == ModINIedit::kMissingValue;
}

} // namespace lurn
