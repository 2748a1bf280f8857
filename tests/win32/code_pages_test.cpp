// The system's language and code pages as Wine derives them from LANG, and
// the caption conversion through the real converters. Registered once per
// language.

#include "app/form_model.h"
#include "app/win32/win32_ports.h"
#include "config_window/config_window_definition.h"
#include "localisation/gb_big5_api.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lurn::wintest {
namespace {

using namespace gb_big5_api;

class CodePageTest : public ::testing::Test {
protected:
    void SetUp() override {
        language = expectedLanguage();
        ASSERT_NE(language, 0) << "LURN_EXPECTED_LANGUAGE is not set";
        converters.windowCodePage = windowCodePage(language);
    }

    // The captions of every control of the window, as the form decodes them.
    std::vector<Text> designedCaptions() const {
        const Form form(kConfigWindowDefinition, codec, windowCodePage(language));
        std::vector<Text> captions;
        for (std::size_t position = 0; position < form.count(); ++position) {
            if (!form.at(position).caption().empty()) {
                captions.push_back(form.at(position).caption());
            }
        }
        return captions;
    }

    std::uint16_t language = 0;
    win32::CodePageConverter codec;
    win32::LocaleScriptMapper mapper;
    win32::SystemFacts system;
    Converters converters{codec, mapper, kCodePageGbk};
};

TEST_F(CodePageTest, SystemLanguageAndAnsiCodePageFollowLang) {
    EXPECT_EQ(system.defaultLanguage(), language);
    EXPECT_EQ(GetACP(), ansiCodePageOf(language));
}

TEST_F(CodePageTest, DetectLanguageTagsOnlyChinesePrcAsGbk) {
    CodePageTag.clear();
    DetectLanguage(system);
    EXPECT_EQ(CodePageTag, language == 2052 ? u"GBK" : u"BIG5");
}

TEST_F(CodePageTest, ConverterUsesTheNamedCodePage) {
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
    for (const Case& c : cases) {
        EXPECT_EQ(codec.narrow(c.text, c.codePage), c.bytes) << c.codePage << " " << utf8(c.text);
        EXPECT_EQ(codec.widen(c.bytes, c.codePage), c.text) << c.codePage << " " << utf8(c.text);
    }
    // A code page the system does not have is a failed conversion.
    EXPECT_FALSE(codec.narrow(u"abc", 12345).has_value());
    EXPECT_FALSE(codec.widen("abc", 12345).has_value());
}

TEST_F(CodePageTest, GbkTagKeepsEveryCaption) {
    CodePageTag = u"GBK";
    for (const Text& caption : designedCaptions()) {
        EXPECT_EQ(ConvertText(converters, caption), caption) << utf8(caption);
    }
}

TEST_F(CodePageTest, Big5TagKeepsAsciiAndEmptyTexts) {
    CodePageTag = u"BIG5";
    for (const Text text : {u"Label7", u"3D", u"640", u"lurn_config 1024", u""}) {
        EXPECT_EQ(ConvertText(converters, text), text) << utf8(text);
    }
}

TEST_F(CodePageTest, ConvertScriptDirections) {
    for (const Text text : {u"系统设置", u"繁體模式", u"Label7"}) {
        const Text traditional = mapScript(1028, LCMAP_TRADITIONAL_CHINESE, text);
        EXPECT_EQ(ConvertScript(converters, text, 2), widenWith(narrowWith(traditional, 950), 936))
            << utf8(text);
        const Text readAsBig5 = widenWith(narrowWith(text, 936), 950);
        EXPECT_EQ(ConvertScript(converters, text, 1),
                  mapScript(2052, LCMAP_SIMPLIFIED_CHINESE, readAsBig5))
            << utf8(text);
        for (const std::int16_t direction : {0, 3, -1}) {
            EXPECT_EQ(ConvertScript(converters, text, direction), u"") << direction;
        }
    }
    EXPECT_EQ(ConvertScript(converters, u"", 2), u"");
    EXPECT_EQ(ConvertScript(converters, u"", 1), u"");
}

} // namespace
} // namespace lurn::wintest
