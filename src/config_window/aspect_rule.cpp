#include "config_window/aspect_rule.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
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
    std::string number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        if (text[i] == u'-') {
            number.push_back('-');
        }
        ++i;
    }
    bool anyDigit = false;
    for (; i < text.size() && isDigit(text[i]); ++i) {
        number.push_back(static_cast<char>(text[i]));
        anyDigit = true;
    }
    if (i < text.size() && text[i] == u'.') {
        number.push_back('.');
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            number.push_back(static_cast<char>(text[i]));
            anyDigit = true;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    if (i < text.size() &&
        (text[i] == u'E' || text[i] == u'e' || text[i] == u'D' || text[i] == u'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == u'-' || text[j] == u'+')) {
            exponent.push_back(static_cast<char>(text[j]));
            ++j;
        }
        if (j < text.size() && isDigit(text[j])) {
            for (; j < text.size() && isDigit(text[j]); ++j) {
                exponent.push_back(static_cast<char>(text[j]));
            }
            number += exponent;
        }
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
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
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", value);
    // buffer: [-]d.dddddddddddddde[+-]x..x
    std::string text(buffer);
    const std::size_t e = text.find_first_of("eE");
    std::string mantissa = text.substr(0, e);
    const int exponent = std::atoi(text.c_str() + e + 1);
    while (!mantissa.empty() && mantissa.back() == '0') {
        mantissa.pop_back();
    }
    if (!mantissa.empty() && mantissa.back() == '.') {
        mantissa.pop_back();
    }
    Text result = asciiText(mantissa) + u"E";
    result += exponent < 0 ? u"-" : u"+";
    const Text digits = decimalText(exponent < 0 ? -exponent : exponent);
    if (digits.size() < 2) {
        result += u"0";
    }
    return result + digits;
}

Text derivedHeight(TextView widthText) {
    return wholeNumberText(std::floor(readNumber(widthText) / 64 * 48));
}

} // namespace lurn
