#include "app/text.h"

namespace lurn {

Text decimalText(std::int64_t value) {
    // Work on the magnitude as unsigned so that the most negative value has
    // no overflow.
    std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    char16_t digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    Text result;
    result.reserve(static_cast<std::size_t>(count) + 1);
    if (value < 0) {
        result.push_back(u'-');
    }
    while (count > 0) {
        result.push_back(digits[--count]);
    }
    return result;
}

Text asciiText(std::string_view ascii) {
    Text result;
    result.reserve(ascii.size());
    for (const char c : ascii) {
        result.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    }
    return result;
}

Text joinPath(const Text& directory, TextView fileName) {
    Text path = directory;
    if (path.empty() || (path.back() != u'\\' && path.back() != u'/')) {
        path.push_back(u'\\');
    }
    path.append(fileName);
    return path;
}

std::string utf8(TextView text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::uint32_t cp = text[i];
        if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        }
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

} // namespace lurn
