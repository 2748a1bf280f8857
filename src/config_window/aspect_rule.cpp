#include "config_window/aspect_rule.h"

#include "config_window/decimal_double.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

namespace lurn {

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

int digitValue(char16_t c) {
    if (isDigit(c)) {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return 99;
}

Text withoutBlanks(TextView text) {
    Text kept;
    kept.reserve(text.size());
    for (const char16_t c : text) {
        if (c != u' ' && c != u'\t' && c != u'\n') {
            kept.push_back(c);
        }
    }
    return kept;
}

double readRadix(TextView digits, int radix) {
    double value = 0;
    for (const char16_t c : digits) {
        const int digit = digitValue(c);
        if (digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    return std::isfinite(value) ? value : 0.0;
}

double readDecimal(TextView text) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == u'-';
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        ++i;
    }
    std::string digits;
    long exponent = 0;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        digits.push_back(static_cast<char>(text[i]));
    }
    if (i < text.size() && text[i] == u'.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            digits.push_back(static_cast<char>(text[i]));
            --exponent;
        }
    }
    if (digits.empty()) {
        return 0.0;
    }
    if (i < text.size() &&
        (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        std::size_t j = i + 1;
        const bool below = j < text.size() && text[j] == u'-';
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+')) {
            ++j;
        }
        long power = 0; // held at a million, far beyond any double
        for (; j < text.size() && isDigit(text[j]); ++j) {
            power = std::min(power * 10 + (text[j] - u'0'), 1000000L);
        }
        exponent += below ? -power : power;
    }
    const double value = decimalToDouble(digits, exponent);
    if (!std::isfinite(value)) {
        return 0.0;
    }
    return negative ? -value : value;
}

} // namespace

double readNumber(TextView text) {
    const Text kept = withoutBlanks(text);
    const TextView view = kept;
    if (view.size() >= 2 && view[0] == u'&') {
        if (view[1] == u'H' || view[1] == u'h') {
            return readRadix(view.substr(2), 16);
        }
        if (view[1] == u'O' || view[1] == u'o') {
            return readRadix(view.substr(2), 8);
        }
    }
    return readDecimal(view);
}

Text wholeNumberText(double value) {
    if (!std::isfinite(value)) {
        return u"0";
    }
    if (std::fabs(value) < 1e15) {
        return decimalText(static_cast<std::int64_t>(value));
    }
    // Fifteen significant digits, the rest rounded half to even.
    std::string digits = wholeDigits(std::fabs(value));
    int exponent = static_cast<int>(digits.size()) - 1;
    const std::string rest = digits.substr(15);
    digits.resize(15);
    const bool aboveHalf =
        rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string::npos);
    const bool half = rest[0] == '5' && !aboveHalf;
    if (aboveHalf || (half && (digits.back() - '0') % 2 == 1)) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') {
            digits[--i] = '0';
        }
        if (i == 0) {
            digits.insert(0, 1, '1');
            ++exponent;
        } else {
            ++digits[i - 1];
        }
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    Text result = value < 0 ? u"-" : u"";
    result += asciiText(digits.substr(0, 1));
    if (digits.size() > 1) {
        result += u"." + asciiText(digits.substr(1));
    }
    return result + u"E+" + decimalText(exponent);
}

Text derivedHeight(TextView widthText) {
    return wholeNumberText(std::floor(readNumber(widthText) / 64 * 48));
}

} // namespace lurn
