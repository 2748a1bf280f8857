// The system's language and code pages as Wine derives them from LANG, and
// the converter over the real code pages.

#include "app/win32/win32_ports.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace lurn::wintest {
namespace {

TEST(CodePages, SystemLanguageFollowsLang) {
    ASSERT_NE(expectedLanguage(), 0) << "LURN_EXPECTED_LANGUAGE is not set";
    EXPECT_EQ(win32::SystemFacts().defaultLanguage(), expectedLanguage());
}

TEST(CodePages, ConverterUsesTheNamedCodePage) {
    struct Case {
        Text text;
        unsigned codePage;
        std::string bytes;
    };
    const Case cases[] = {
        {u"系统设置", 936, "\xCF\xB5\xCD\xB3\xC9\xE8\xD6\xC3"},
        {u"繁體", 950, "\xC1\x63\xC5\xE9"},
        {u"¡Á", 1252, "\xA1\xC1"},
        {u"", 936, ""},
    };
    const win32::CodePageConverter codec;
    for (const Case& c : cases) {
        EXPECT_EQ(codec.narrow(c.text, c.codePage), c.bytes) << c.codePage << " " << utf8(c.text);
        EXPECT_EQ(codec.widen(c.bytes, c.codePage), c.text) << c.codePage << " " << utf8(c.text);
    }
    // A code page the system does not have is a failed conversion.
    EXPECT_FALSE(codec.narrow(u"abc", 12345).has_value());
    EXPECT_FALSE(codec.widen("abc", 12345).has_value());
}

} // namespace
} // namespace lurn::wintest
