// The configuration window's handlers, driven by the user's actions on the
// loaded window.

#include "config_window/dovmirant_config.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lurn::test {
namespace {

class ConfigWindowHandlersTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        storeValidSettings(io.profile);
        window.Form_Load();
        io.journal.clear();
    }

    Control& control(const char* name, std::int16_t index = kNoIndex) {
        return window.form().control(name, index);
    }
    void typeWidth(const Text& width) {
        control("txtwidth").userSetText(width);
        control("txtwidth").userKeyUp(u'0', 0);
    }

    TestServices io;
    Dovmirant_Config window{io.services()};
};

TEST_F(ConfigWindowHandlersTest, AspectLockDerivesAndLocksTheHeight) {
    control("txtwidth").userSetText(u"1024");
    control("Check1").userClick();
    EXPECT_EQ(control("txtheight").text(), u"768");
    EXPECT_FALSE(control("txtheight").enabled());
    control("Check1").userClick();
    EXPECT_TRUE(control("txtheight").enabled());
    EXPECT_EQ(control("txtheight").text(), u"768");
}

TEST_F(ConfigWindowHandlersTest, TypingTheWidthRederivesOnlyWhileLocked) {
    typeWidth(u"1280");
    EXPECT_EQ(control("txtheight").text(), u"600");
    control("Check1").userClick();
    EXPECT_EQ(control("txtheight").text(), u"960");
    typeWidth(u"800");
    EXPECT_EQ(control("txtheight").text(), u"600");
    control("Check1").userClick();
    typeWidth(u"1366");
    EXPECT_EQ(control("txtheight").text(), u"600");
}

TEST_F(ConfigWindowHandlersTest, BarsKeepSettingAndValueLabelInStep) {
    struct Case {
        const char* bar;
        const char* label;
        std::int32_t GameSettings::*member;
        std::int16_t value;
    };
    for (const Case& c : {Case{"HScroll1", "Label7", &GameSettings::VOLUME, 127},
                          Case{"HScroll2", "Label8", &GameSettings::VOLUMEWAV, 0},
                          Case{"HScroll3", "Label9", &GameSettings::WALK_SPEED1, 37},
                          Case{"HScroll4", "Label11", &GameSettings::WALK_SPEED2, 1},
                          Case{"HScroll5", "Label15", &GameSettings::BATTLE_SPEED, 100}}) {
        control(c.bar).setValue(c.value);
        EXPECT_EQ(window.settings().*c.member, c.value) << c.bar;
        EXPECT_EQ(control(c.label).caption(), decimalText(c.value)) << c.bar;
    }
}

TEST_F(ConfigWindowHandlersTest, ClicksKeepSettingsInStep) {
    control("Check2").userClick();
    control("Check3").userClick();
    control("Check4").setValue(2);
    control("Option1", 0).userClick();
    EXPECT_EQ(window.settings().SMOOTH, 0);
    EXPECT_EQ(window.settings().GLHR, 0);
    EXPECT_EQ(window.settings().SOUND3D, 2);
    EXPECT_EQ(window.settings().simple, 0);
    control("Option3", 0).userClick();
    EXPECT_EQ(window.settings().FULLSCREEN, 0);
    control("Option3", 1).userClick();
    EXPECT_EQ(window.settings().FULLSCREEN, 1);
}

TEST_F(ConfigWindowHandlersTest, SaveButtonWritesThenReports) {
    control("Command1").userClick();
    ASSERT_EQ(io.journal.size(), 13u);
    EXPECT_EQ(io.journal.back(), "message done");
    io.profile.failWritesTo(u"set", u"simple");
    control("Command1").userClick();
    ASSERT_EQ(io.journal.size(), 26u);
    EXPECT_EQ(io.journal.back(), "message save failed!");
    EXPECT_EQ(io.shell.shown, (Messages{{u"done", u"Lurn_config"}, {u"save failed!", u"Warning"}}));
}

TEST_F(ConfigWindowHandlersTest, RunButtonSavesThenStartsTheGame) {
    for (const auto& [result, ends] : {std::pair{33, true}, {42, true}, {32, false}, {2, false}}) {
        SCOPED_TRACE(result);
        io.journal.clear();
        io.shell.opened.clear();
        io.shell.shown.clear();
        io.shell.exitCode.reset();
        io.shell.launchResult = result;
        if (ends) {
            EXPECT_THROW(control("Command2").userClick(), ProcessEnded);
        } else {
            control("Command2").userClick();
        }
        EXPECT_EQ(io.shell.exitCode, ends ? std::optional<unsigned>(0) : std::nullopt);
        EXPECT_EQ(io.shell.shown, (ends ? Messages{} : Messages{{u"file missed!", u"Warning"}}));
        ASSERT_EQ(io.journal.size(), 14u);
        EXPECT_EQ(io.journal[11], "write set/BATTLE_SPEED");
        EXPECT_EQ(io.shell.opened,
                  (Messages{{u"C:\\Games\\Lurn\\qeb_lurn.exe", u"C:\\Games\\Lurn"}}));
    }
}

TEST_F(ConfigWindowHandlersTest, RunButtonLaunchesEvenWhenSavingFailed) {
    io.profile.failAllWrites();
    io.shell.launchResult = 33;
    EXPECT_THROW(control("Command2").userClick(), ProcessEnded);
    ASSERT_EQ(io.journal.size(), 15u);
    EXPECT_EQ(std::vector<std::string>(io.journal.begin() + 12, io.journal.end()),
              (std::vector<std::string>{"message save failed!",
                                        "open C:\\Games\\Lurn\\qeb_lurn.exe", "end 0"}));
}

TEST_F(ConfigWindowHandlersTest, ClosingEndsWithoutSaving) {
    EXPECT_THROW(window.Form_Unload(), ProcessEnded);
    EXPECT_EQ(io.journal, std::vector<std::string>{"end 0"});
}

} // namespace
} // namespace lurn::test
