// Caption conversion between simplified and traditional Chinese, with glibc's
// code pages and the script mapping over OpenCC's character tables.

#include "config_window/config_window_definition.h"
#include "localisation/gb_big5_api.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace lurn::test {
namespace {

using namespace gb_big5_api;

class GbBig5Test : public CoreTest {
protected:
    void detect(std::uint16_t language) {
        system.language = language;
        DetectLanguage(system);
        converters.windowCodePage = windowCodePage(language);
    }

    IconvCodec codec;
    OpenccScriptMapper mapper;
    FakeSystemInfo system;
    Converters converters{codec, mapper, kCodePageGbk};
};

TEST_F(GbBig5Test, OnlyChinesePrcIsTaggedGbkAndReadInGbk) {
    struct Case {
        std::uint16_t language;
        const char16_t* tag;
        unsigned codePage;
    };
    const Case cases[] = {
        {2052, u"GBK", 936},  {1028, u"BIG5", 950}, {1033, u"BIG5", 950}, {1041, u"BIG5", 950},
        {1042, u"BIG5", 950}, {4100, u"BIG5", 950}, {3076, u"BIG5", 950}, {1031, u"BIG5", 950},
    };
    for (const Case& c : cases) {
        detect(c.language);
        EXPECT_EQ(CodePageTag, c.tag) << c.language;
        EXPECT_EQ(windowCodePage(c.language), c.codePage) << c.language;
    }
}

TEST_F(GbBig5Test, ScriptDirectionsMapAndReinterpret) {
    // Direction 2: traditional forms of what Big5 lacks (统, 设), their Big5
    // bytes read as GBK; what Big5 holds (系, 置) keeps its bytes.
    EXPECT_EQ(ConvertScript(converters, u"系统设置", 2), u"╰参砞竚");
    // Direction 1: GBK bytes read as Big5, then simplified forms.
    EXPECT_EQ(ConvertScript(converters, u"╰参砞竚", 1), u"系统设置");
}

TEST_F(GbBig5Test, OtherDirectionsAndEmptyTextsGiveEmptyText) {
    for (const std::int16_t direction : {0, 3, -1}) {
        EXPECT_EQ(ConvertScript(converters, u"系统", direction), u"") << direction;
    }
    for (const std::int16_t direction : {1, 2}) {
        EXPECT_EQ(ConvertScript(converters, u"", direction), u"") << direction;
    }
}

TEST_F(GbBig5Test, Big5SystemConvertsCaptionsAndTooltipsOfTheirKindsOnly) {
    Form form{kConfigWindowDefinition, codec, kCodePageBig5};
    form.control("txtwidth").setText(u"炵苀");
    form.control("Check1").setToolTipText(u"炵苀");
    form.control("Label3").setToolTipText(u"炵苀");
    detect(1028);
    ConvertForm(converters, form);
    EXPECT_EQ(form.control("txtwidth").text(), u"炵苀");
    EXPECT_EQ(form.control("Check1").toolTipText(), u"炵苀");
    EXPECT_EQ(form.control("Label3").toolTipText(), u"系统");
}

// Loaded on any system, however its script mapping goes (mapped as Windows
// maps, failed or written nothing), the window reads as on a Chinese (PRC)
// system, which shows the captions as designed.
TEST_F(GbBig5Test, LoadedWindowReadsAsDesignedOnEverySystem) {
    const auto captionsLoadedOn = [](std::uint16_t language, OpenccScriptMapper::Mode mode) {
        TestServices io;
        storeValidSettings(io.profile);
        io.system.language = language;
        io.mapper.mode = mode;
        Dovmirant_Config window(io.services());
        window.Form_Load();
        std::map<std::string, Text> captions;
        for (std::size_t i = 0; i < window.form().count(); ++i) {
            captions[displayName(window.form().at(i))] = window.form().at(i).caption();
        }
        return captions;
    };
    using Mode = OpenccScriptMapper::Mode;
    const auto designed = captionsLoadedOn(2052, Mode::Map);
    for (const Mode mode : {Mode::Map, Mode::WriteNothing, Mode::Throw}) {
        for (const std::uint16_t language : {1028, 1033, 1041, 1042, 4100}) {
            for (const auto& [name, caption] : captionsLoadedOn(language, mode)) {
                EXPECT_EQ(caption, designed.at(name))
                    << name << " on " << language << ", mapper mode " << static_cast<int>(mode);
            }
        }
    }
}

} // namespace
} // namespace lurn::test
