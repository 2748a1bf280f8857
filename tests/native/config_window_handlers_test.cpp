// The configuration window's handlers, driven by the user's actions on the
// loaded window.

#include "config_window/dovmirant_config.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace lurn::test {
namespace {

const std::string kOpenGame = "open C:\\Games\\Lurn\\qeb_lurn.exe in C:\\Games\\Lurn";

class ConfigWindowHandlersTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        storeValidSettings(io.profile);
        window.Form_Load();
        window.form().setView(&view);
        io.journal.clear();
    }

    Control& control(const char* name, std::int16_t index = kNoIndex) {
        return window.form().control(name, index);
    }
    void typeWidth(const Text& width) {
        control("txtwidth").userSetText(width);
        control("txtwidth").userKeyUp(u'0', 0);
    }
    // What happened after the writes of a save.
    Journal afterSaving() const {
        const auto last =
            std::find_if(io.journal.rbegin(), io.journal.rend(),
                         [](const std::string& e) { return e.rfind("write ", 0) == 0; });
        return Journal(last.base(), io.journal.end());
    }

    TestServices io;
    RecordingView view;
    Dovmirant_Config window{io.services()};
};

// Ticking the lock derives the height from the width and greys it; each
// key released in the width derives it again while the lock is on;
// unticking leaves the height as it is.
TEST_F(ConfigWindowHandlersTest, AspectLockDerivesAndLocksTheHeight) {
    typeWidth(u"1024");
    EXPECT_EQ(control("txtheight").text(), u"600");
    control("Check1").userClick();
    EXPECT_EQ(control("txtheight").text(), u"768");
    EXPECT_FALSE(control("txtheight").enabled());
    typeWidth(u"1280");
    EXPECT_EQ(control("txtheight").text(), u"960");
    control("Check1").userClick();
    EXPECT_TRUE(control("txtheight").enabled());
    typeWidth(u"1366");
    EXPECT_EQ(control("txtheight").text(), u"960");
}

// Saving refuses a size text that would read back as a missing setting:
// nothing is written, the warning names the box and the focus goes there.
// Every other text is written exactly as typed.
TEST_F(ConfigWindowHandlersTest, SaveRefusesSizesThatWouldReadBackAsMissing) {
    // clang-format off
    const std::vector<Text> refused{u"", u" ", u" \t ", u"-65536", u" -65536", u"-065536",
        u"-65536x", u"-65536.5", u"4294901760", u"-4295032832", u"0xFFFF0000", u"-0x10000",
        u"0o37777600000", u"\"\"", u"\"-65536\"", u"'-65536'",
        u"00000000000000000000004294901760", u"000000000000000000042949017607"}; // 29 read
    const std::vector<Text> typed{u"1024x", u"abc", u"-65535", u"65536", u"+65536", u"- 65536",
        u"--65536", u"0XFFFF0000", u"-", u"4294901761", u"\"-65536"};
    // clang-format on
    for (const auto& [box, key] :
         {std::pair{"txtwidth", u"RESOLUTIONX"}, {"txtheight", u"RESOLUTIONY"}}) {
        for (const Text& text : refused) {
            control(box).userSetText(text);
            io.journal.clear();
            control("Command1").userClick();
            EXPECT_EQ(io.journal, Journal{"message " + std::string(box + 3) + " missed! (Warning)"})
                << utf8(text);
            EXPECT_EQ(view.changed.back(), "focus " + std::string(box));
        }
        for (const Text& text : typed) {
            control(box).userSetText(text);
            EXPECT_EQ(window.saveINI(), SaveResult::Saved);
            EXPECT_EQ(io.profile.value(u"system", key), text);
        }
        control(box).userSetText(u"600");
    }
}

// A start the player cancelled in the system's prompt shows nothing, as the
// game is there. (A started game is the next test's end; a missing one is
// seen end to end.)
TEST_F(ConfigWindowHandlersTest, RunButtonCancelledInThePromptShowsNothing) {
    io.journal.clear();
    io.shell.launchResult = LaunchResult::Cancelled;
    control("Command2").userClick();
    EXPECT_EQ(afterSaving(), Journal{kOpenGame});
}

// Only a save that completed starts the game: a refused or failed one has
// warned once and starts nothing, and the window stays open for the player
// to correct and press again. With the lock on, the greyed height follows
// the width, which takes the focus.
TEST_F(ConfigWindowHandlersTest, RunButtonStartsTheGameOnlyAfterACompletedSave) {
    control("Check1").userClick();
    typeWidth(u"-87381"); // the height: -65536
    io.journal.clear();
    control("Command2").userClick();
    EXPECT_EQ(io.journal, (Journal{"message height missed! (Warning)"}));
    EXPECT_EQ(view.changed.back(), "focus txtwidth");
    typeWidth(u"1024");
    io.profile.failure = MemoryProfileStore::Failure::Flush;
    control("Command2").userClick();
    EXPECT_EQ(afterSaving(), (Journal{"message save failed! (Warning)"}));
    io.profile.failure = MemoryProfileStore::Failure::None;
    EXPECT_THROW(control("Command2").userClick(), ProcessEnded);
    EXPECT_EQ(afterSaving(), (Journal{kOpenGame, "end 0"}));
}

} // namespace
} // namespace lurn::test
