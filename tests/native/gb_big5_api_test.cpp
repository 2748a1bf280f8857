// Caption conversion between simplified and traditional Chinese, with glibc's
// code pages and the table-driven script mapper.

#include "config_window/config_window_definition.h"
#include "localisation/gb_big5_api.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lurn::test {
namespace {

using namespace gb_big5_api;

class GbBig5Test : public CoreTest {
protected:
    // What direction 2 makes of a text: its traditional forms as Big5 bytes,
    // read back as GBK.
    Text big5ReadAsGbk(TextView text) const {
        const auto big5 = codec.narrow(FakeScriptMapper::traditional(text), kCodePageBig5);
        return codec.widen(big5.value(), kCodePageGbk).value();
    }

    void detect(std::uint16_t language) {
        system.language = language;
        DetectLanguage(system);
    }

    IconvCodec codec{kCodePageGbk};
    FakeScriptMapper mapper;
    FakeSystemInfo system;
    Converters converters{codec, mapper};
};

TEST_F(GbBig5Test, DetectLanguageTagsOnlyChinesePrcAsGbk) {
    for (const auto& [language, tag] :
         {std::pair{2052, u"GBK"}, {1028, u"BIG5"}, {1033, u"BIG5"}, {3076, u"BIG5"}}) {
        detect(static_cast<std::uint16_t>(language));
        EXPECT_EQ(CodePageTag, tag) << language;
    }
}

TEST_F(GbBig5Test, GbkSystemKeepsTextsAsTheyAre) {
    detect(2052);
    for (const Text text : {u"系统设置", u"Label7", u""}) {
        EXPECT_EQ(ConvertText(converters, text), text);
    }
    EXPECT_TRUE(mapper.calls.empty());
}

TEST_F(GbBig5Test, Big5SystemKeepsAsciiAndEmptyTexts) {
    detect(1028);
    for (const Text text : {u"Label7", u"3D", u"a b!", u"abc"}) {
        mapper.calls.clear();
        EXPECT_EQ(ConvertText(converters, text), text);
        ASSERT_EQ(mapper.calls.size(), 1u);
        EXPECT_EQ(mapper.calls[0].source, text);
        EXPECT_EQ(mapper.calls[0].destinationLength, static_cast<int>(text.size()));
    }
    mapper.calls.clear();
    EXPECT_EQ(ConvertText(converters, u""), u"");
    EXPECT_TRUE(mapper.calls.empty());
}

TEST_F(GbBig5Test, Big5SystemReadsTraditionalFormsAsGbk) {
    detect(1033);
    for (const Text text : {u"系统设置", u"游戏", u"3D体"}) {
        mapper.calls.clear();
        const Text converted = ConvertText(converters, text);
        EXPECT_EQ(converted, big5ReadAsGbk(text)) << utf8(text);
        EXPECT_NE(converted, text);
        ASSERT_EQ(mapper.calls.size(), 1u);
        EXPECT_EQ(mapper.calls[0].locale, kLocaleChineseTaiwan);
        EXPECT_EQ(mapper.calls[0].flags, kMapTraditionalChinese);
        EXPECT_EQ(mapper.calls[0].source, text);
    }
}

TEST_F(GbBig5Test, OtherDirectionsAndEmptyTextsGiveEmptyText) {
    for (const std::int16_t direction : {0, 3, -1}) {
        EXPECT_EQ(ConvertScript(converters, u"系统", direction), u"") << direction;
    }
    for (const std::int16_t direction : {1, 2}) {
        EXPECT_EQ(ConvertScript(converters, u"", direction), u"") << direction;
    }
}

TEST_F(GbBig5Test, FailingMapperLeavesNulCharacters) {
    for (const auto mode : {FakeScriptMapper::Mode::WriteNothing, FakeScriptMapper::Mode::Throw}) {
        mapper.mode = mode;
        for (const Text text : {u"系统设置", u"ab"}) {
            EXPECT_EQ(ConvertScript(converters, text, 2), Text(text.size(), u'\0'));
        }
    }
}

TEST_F(GbBig5Test, DirectionOneReadsGbkAsBig5ThenSimplifies) {
    const Text text = u"╰参砞竚"; // the GBK reading of the Big5 bytes of 系統設置
    const Text readAsBig5 = *codec.widen(*codec.narrow(text, kCodePageGbk), kCodePageBig5);
    EXPECT_EQ(ConvertScript(converters, text, 1), u"系统设置");
    ASSERT_EQ(mapper.calls.size(), 1u);
    EXPECT_EQ(mapper.calls[0].locale, kLocaleChinesePrc);
    EXPECT_EQ(mapper.calls[0].flags, kMapSimplifiedChinese);
    EXPECT_EQ(mapper.calls[0].source, readAsBig5);
    for (const Text original : {u"游戏", u"体"}) {
        EXPECT_EQ(ConvertScript(converters, ConvertScript(converters, original, 2), 1), original);
    }
}

bool captionConverted(ControlKind kind) {
    return kind == ControlKind::Frame || kind == ControlKind::Label ||
           kind == ControlKind::CheckBox || kind == ControlKind::OptionButton ||
           kind == ControlKind::CommandButton;
}

class ConvertFormTest : public GbBig5Test {
protected:
    Form form{kConfigWindowDefinition, codec};
    RecordingView view;
};

TEST_F(ConvertFormTest, WritesBackEveryCaptionEvenWhenUnchanged) {
    detect(2052);
    form.setView(&view);
    ConvertForm(converters, form);
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < form.count(); ++i) {
        if (captionConverted(form.at(i).kind())) {
            expected.push_back(displayName(form.at(i)));
        }
    }
    EXPECT_EQ(view.of({ControlProperty::Caption}), expected);
    EXPECT_TRUE(view.of({ControlProperty::Text, ControlProperty::Value}).empty());
}

TEST_F(ConvertFormTest, Big5SystemConvertsCaptionsAndLeavesOtherControls) {
    form.control("txtwidth").setText(u"系统");
    form.control("Check1").setToolTipText(u"设置");
    form.control("Label3").setToolTipText(u"设置");
    std::vector<Text> before;
    for (std::size_t i = 0; i < form.count(); ++i) {
        before.push_back(form.at(i).caption());
    }
    detect(1028);
    form.setView(&view);
    ConvertForm(converters, form);
    for (std::size_t i = 0; i < form.count(); ++i) {
        const Control& control = form.at(i);
        EXPECT_EQ(control.caption(),
                  captionConverted(control.kind()) ? big5ReadAsGbk(before[i]) : before[i])
            << displayName(control);
    }
    EXPECT_EQ(form.control("Check1").toolTipText(), u"设置");
    EXPECT_EQ(form.control("Label3").toolTipText(), big5ReadAsGbk(u"设置"));
    for (const auto& [name, property] : view.changes) {
        EXPECT_TRUE(name.rfind("txt", 0) != 0 && name.rfind("HScroll", 0) != 0 && name != "Image1")
            << name;
    }
}

TEST_F(GbBig5Test, LoadingOnANonChineseSystemConvertsTheWindow) {
    TestServices io;
    storeValidSettings(io.profile);
    io.system.language = 1033;
    Dovmirant_Config window(io.services());
    window.Form_Load();
    EXPECT_EQ(CodePageTag, u"BIG5");
    EXPECT_EQ(window.form().control("Frame1").caption(), big5ReadAsGbk(u"系统设置"));
    EXPECT_EQ(window.form().control("Label7").caption(), u"90");
    EXPECT_EQ(window.form().control("txtwidth").text(), u"800");
}

} // namespace
} // namespace lurn::test
