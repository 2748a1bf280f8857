// Loading the twelve settings into the configuration window and saving them.

#include "config_window/dovmirant_config.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace lurn::test {
namespace {

// The settings file's sections and keys, in the order of reading and
// writing.
const std::array<std::string, 12> kKeys{
    "set/simple",         "video/FULLSCREEN",   "system/SMOOTH",   "system/GLHR",
    "system/RESOLUTIONX", "system/RESOLUTIONY", "Music/VOLUME",    "Music/VOLUMEWAV",
    "Music/SOUND3D",      "set/WALK_SPEED1",    "set/WALK_SPEED2", "set/BATTLE_SPEED",
};

// The controls in the order loading fills them.
const std::vector<std::string> kFillOrder{
    "Option1(1)", "Option3(1)", "txtwidth", "txtheight", "Check2",   "Check3",
    "Check4",     "HScroll1",   "HScroll2", "HScroll3",  "HScroll4", "HScroll5",
};

Text section(const std::string& key) {
    return asciiText(key.substr(0, key.find('/')));
}
Text name(const std::string& key) {
    return asciiText(key.substr(key.find('/') + 1));
}

class SettingsLoadSaveTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        storeValidSettings(io.profile);
    }

    void load() {
        window = std::make_unique<Dovmirant_Config>(io.services());
        window->form().setView(&view);
        window->Form_Load();
    }

    RuntimeError loadFailure() {
        try {
            load();
        } catch (const RuntimeError& error) {
            return error;
        }
        ADD_FAILURE() << "loading succeeded";
        return {};
    }

    Journal saved() {
        io.journal.clear();
        window->saveINI();
        return io.journal;
    }

    Control& control(std::string_view name, std::int16_t index = kNoIndex) {
        return window->form().control(name, index);
    }

    TestServices io;
    RecordingView view;
    std::unique_ptr<Dovmirant_Config> window;
};

TEST_F(SettingsLoadSaveTest, LoadReadsTheSettingsFileThenFillsTheControlsInTurn) {
    load();
    Journal reads;
    for (const std::string& key : kKeys) {
        reads.push_back("read " + key);
    }
    EXPECT_EQ(io.journal, reads);
    EXPECT_EQ(io.profile.paths, std::set<Text>{u"C:\\Games\\Lurn\\qebmod.ini"});
    EXPECT_EQ(view.changed, kFillOrder);
}

// Every setting goes to its own control and comes back from it: saving
// right after loading writes what was read, and each value label shows its
// bar's value, the bars' design values 0 and 1 included.
TEST_F(SettingsLoadSaveTest, SavingTheLoadedWindowWritesWhatWasRead) {
    const std::array<std::array<const char*, 12>, 3> rows{{
        {"1", "1", "1", "2", "800", "600", "90", "45", "0", "30", "60", "80"},
        {"0", "0", "0", "1", "1024", "-5", "0", "0", "2", "1", "1", "1"},
        {"1", "0", "2", "0", "1366", "1024", "127", "127", "1", "100", "100", "100"},
    }};
    for (const auto& row : rows) {
        Journal writes;
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            io.profile.set(section(kKeys[i]), name(kKeys[i]), asciiText(row[i]));
            writes.push_back("write " + kKeys[i] + "=" + row[i]);
        }
        resetGlobals();
        load();
        EXPECT_EQ(saved(), writes);
        const std::pair<const char*, const char*> labels[] = {
            {"Label7", row[6]},   {"Label8", row[7]},   {"Label9", row[9]},
            {"Label11", row[10]}, {"Label15", row[11]},
        };
        for (const auto& [label, text] : labels) {
            EXPECT_EQ(control(label).caption(), asciiText(text)) << label;
        }
    }
}

TEST_F(SettingsLoadSaveTest, MissingSettingStopsLoadingAtIt) {
    for (const std::size_t missing : {0u, 3u, 6u, 11u}) {
        SCOPED_TRACE(kKeys[missing]);
        storeValidSettings(io.profile);
        io.profile.erase(section(kKeys[missing]), name(kKeys[missing]));
        io.journal.clear();
        view.changed.clear();
        const RuntimeError error = loadFailure();
        EXPECT_EQ(error.number, -2147221503);
        EXPECT_EQ(error.description, u"INI Section " + section(kKeys[missing]) + u" Key " +
                                         name(kKeys[missing]) + u" Not found");
        EXPECT_EQ(io.journal.size(), missing + 1);
        EXPECT_TRUE(view.changed.empty());
    }
}

// A control takes the low 16 bits of a setting as a signed number.
TEST_F(SettingsLoadSaveTest, ControlsTakeTheLow16BitsAsSigned) {
    struct Case {
        std::size_t key;
        const char16_t* stored;
        const char* control;
        std::int16_t index;
        int value;
        const char* saved;
    };
    const Case cases[] = {
        {0, u"65537", "Option1", 1, 1, "1"},   {0, u"65536", "Option1", 0, 1, "0"},
        {2, u"65538", "Check2", -1, 2, "2"},   {3, u"65536", "Check3", -1, 0, "0"},
        {8, u"-131072", "Check4", -1, 0, "0"}, {6, u"65663", "HScroll1", -1, 127, "127"},
        {9, u"65537", "HScroll3", -1, 1, "1"}, {11, u"-65436", "HScroll5", -1, 100, "100"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(kKeys[c.key] + "=" + utf8(c.stored));
        storeValidSettings(io.profile);
        io.profile.set(section(kKeys[c.key]), name(kKeys[c.key]), c.stored);
        resetGlobals();
        load();
        EXPECT_EQ(control(c.control, c.index).value(), c.value);
        EXPECT_EQ(saved().at(c.key), "write " + kKeys[c.key] + "=" + c.saved);
    }
}

// A value the control refuses stops loading with error 380 naming the line
// of the file; the controls before it are filled, the later ones not.
TEST_F(SettingsLoadSaveTest, RefusedValueStopsFillingAtItsControl) {
    struct Case {
        std::size_t key;
        const char16_t* stored;
        std::size_t filledBefore;
    };
    const Case cases[] = {
        {0, u"2", 0},     {0, u"-1", 0},    {0, u"32768", 0}, {1, u"65535", 1},   {2, u"3", 4},
        {3, u"32769", 5}, {8, u"-1", 6},    {6, u"128", 7},   {6, u"32768", 7},   {7, u"65535", 8},
        {9, u"0", 9},     {9, u"65536", 9}, {10, u"101", 10}, {11, u"65637", 11},
    };
    for (const Case& c : cases) {
        const Text line =
            u"[" + section(kKeys[c.key]) + u"] " + name(kKeys[c.key]) + u"=" + c.stored;
        SCOPED_TRACE(utf8(line));
        storeValidSettings(io.profile);
        io.profile.set(section(kKeys[c.key]), name(kKeys[c.key]), c.stored);
        io.journal.clear();
        view.changed.clear();
        resetGlobals();
        const RuntimeError error = loadFailure();
        EXPECT_EQ(error.number, 380);
        EXPECT_NE(error.description.find(line), Text::npos) << utf8(error.description);
        EXPECT_EQ(io.journal.size(), 12u);
        EXPECT_EQ(view.changed, std::vector<std::string>(kFillOrder.begin(),
                                                         kFillOrder.begin() + c.filledBefore));
    }
}

// A save is all or nothing: whichever step fails, a write that reported
// success with a value that reads back otherwise among them, the player is
// told "save failed!", the settings file keeps every value it had and no
// other file is left. Where access to the folder is denied, to the copy or
// to its taking the file's place, the save writes the file itself, and
// writes its earlier bytes back when that fails; where they cannot be
// written back either, the player is told that the file may be damaged. A
// save that completes went through the working copy otherwise.
TEST_F(SettingsLoadSaveTest, FailedStepOfASaveLeavesTheFileAsItWas) {
    using Failure = MemoryProfileStore::Failure;
    load();
    control("HScroll5").setValue(100);
    for (const auto& [denied, failure] : {std::pair{Failure::None, Failure::Copy},
                                          {Failure::None, Failure::Write},
                                          {Failure::None, Failure::LostKey},
                                          {Failure::None, Failure::CutValue},
                                          {Failure::None, Failure::Flush},
                                          {Failure::None, Failure::Replace},
                                          {Failure::Copy, Failure::LostKey},
                                          {Failure::Copy, Failure::Write},
                                          {Failure::Copy, Failure::None},
                                          {Failure::Copy, Failure::Restore},
                                          {Failure::Replace, Failure::None},
                                          {Failure::None, Failure::None}}) {
        SCOPED_TRACE(static_cast<int>(denied) * 10 + static_cast<int>(failure));
        storeValidSettings(io.profile);
        const auto before = io.profile.files;
        io.profile.denied = denied;
        io.profile.failure = failure;
        io.profile.paths.clear();
        const bool saved = failure == Failure::None;
        const bool restored = failure != Failure::Restore;
        control("Command1").userClick();
        EXPECT_EQ(io.journal.back(),
                  saved      ? "message done (Lurn_config)"
                  : restored ? "message save failed! (Warning)"
                             : "message save failed! qebmod.ini may be damaged: it could not be "
                               "put back as it was (Warning)");
        EXPECT_EQ(io.profile.value(u"set", u"BATTLE_SPEED"), saved || !restored ? u"100" : u"80");
        EXPECT_TRUE(saved || !restored || io.profile.files == before);
        EXPECT_EQ(io.profile.files.size(), 1u);
    }
    EXPECT_EQ(io.profile.paths, std::set<Text>{u"C:\\Games\\Lurn\\qebmod.ini.saving"});
}

// A file edited by hand, as Windows keeps it: names in another letter case,
// blanks around names and values. A width typed with blanks is stored as
// typed, and the save completes: every key reads back as written or as it
// stood.
TEST_F(SettingsLoadSaveTest, HandEditedFileSavesAndKeepsItsOtherKeys) {
    io.profile.set(u"SYSTEM", u"resolutionx ", u" 800");
    io.profile.set(u" Music", u"Volume ", u"90 ");
    io.profile.set(u"game", u" LEVEL ", u" 3 ");
    load();
    control("txtwidth").userSetText(u" 1024 ");
    EXPECT_EQ(window->saveINI(), SaveResult::Saved);
    EXPECT_EQ(io.profile.value(u"SYSTEM", u"resolutionx "), u" 1024 ");
    EXPECT_EQ(io.profile.value(u"game", u" LEVEL "), u" 3 ");
}

} // namespace
} // namespace lurn::test
