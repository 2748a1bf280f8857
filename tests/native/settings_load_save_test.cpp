// Loading the twelve settings into the configuration window and saving them.

#include "config_window/dovmirant_config.h"
#include "settings/mod_ini_edit.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace lurn::test {
namespace {

// The controls in the order loading fills them (with kValidValues).
const std::vector<std::string> kFillOrder{
    "Option1(1)", "Option3(1)", "txtwidth", "txtheight", "Check2",   "Check3",
    "Check4",     "HScroll1",   "HScroll2", "HScroll3",  "HScroll4", "HScroll5",
};

const Text kIniPath = u"C:\\Games\\Lurn\\qebmod.ini";

class SettingsLoadSaveTest : public CoreTest {
protected:
    void SetUp() override {
        CoreTest::SetUp();
        storeValidSettings(io.profile);
        restart();
    }

    // A fresh window over the current settings file.
    void restart() {
        CoreTest::SetUp();
        io.profile.calls.clear();
        view.changes.clear();
        window = std::make_unique<Dovmirant_Config>(io.services());
        window->form().setView(&view);
    }

    Control& control(const char* name) { return window->form().control(name); }
    std::vector<std::string> filled() const {
        return view.of({ControlProperty::Value, ControlProperty::Text});
    }

    RuntimeError loadFailure() {
        try {
            window->Form_Load();
        } catch (const RuntimeError& error) {
            return error;
        }
        ADD_FAILURE() << "loading succeeded";
        return {};
    }

    TestServices io;
    RecordingView view;
    std::unique_ptr<Dovmirant_Config> window;
};

TEST_F(SettingsLoadSaveTest, LoadReadsTwelveSettingsInSchemaOrder) {
    window->Form_Load();
    EXPECT_EQ(ModINIedit::IniPath, kIniPath);
    const auto reads = io.profile.reads();
    ASSERT_EQ(reads.size(), 12u);
    for (std::size_t i = 0; i < reads.size(); ++i) {
        EXPECT_EQ(reads[i].section + u"/" + reads[i].key,
                  Text(kSettingKeys[i].section) + u"/" + kSettingKeys[i].key);
        EXPECT_EQ(reads[i].value, u"-65536");
        EXPECT_EQ(reads[i].path, kIniPath);
    }
    EXPECT_TRUE(io.profile.writes().empty());
}

TEST_F(SettingsLoadSaveTest, LoadFillsControlsInFillOrder) {
    window->Form_Load();
    EXPECT_EQ(filled(), kFillOrder);
    EXPECT_EQ(window->form().control("Option1", 1).value(), 1);
    EXPECT_EQ(window->form().control("Option3", 1).value(), 1);
    EXPECT_EQ(control("txtwidth").text(), u"800");
    EXPECT_EQ(control("txtheight").text(), u"600");
    const std::pair<const char*, int> values[] = {
        {"Check2", 1},    {"Check3", 1},    {"Check4", 1},    {"HScroll1", 90},
        {"HScroll2", 45}, {"HScroll3", 30}, {"HScroll4", 60}, {"HScroll5", 80},
    };
    for (const auto& [name, value] : values) {
        EXPECT_EQ(control(name).value(), value) << name;
    }
}

TEST_F(SettingsLoadSaveTest, MissingSettingStopsLoadingAtIt) {
    for (const std::size_t missing : {0u, 3u, 6u, 11u}) {
        const SettingKey& setting = kSettingKeys[missing];
        SCOPED_TRACE(utf8(setting.key));
        storeValidSettings(io.profile);
        io.profile.erase(setting.section, setting.key);
        restart();
        const RuntimeError error = loadFailure();
        EXPECT_EQ(error.number, kSettingNotFound);
        EXPECT_EQ(error.description,
                  u"INI Section " + Text(setting.section) + u" Key " + setting.key + u" Not found");
        ASSERT_EQ(io.profile.reads().size(), missing + 1);
        EXPECT_EQ(io.profile.reads().back().key, setting.key);
        EXPECT_TRUE(filled().empty());
    }
}

TEST_F(SettingsLoadSaveTest, RefusedValueStopsFillingAtItsControl) {
    struct Case {
        std::size_t setting; // in kSettingKeys
        std::int32_t value;
        std::size_t filledBefore; // of kFillOrder
    };
    const Case cases[] = {
        {0, 2, 0},   {0, -1, 0},  {1, 2, 1}, {2, 3, 4},     {3, 65539, 5},   {8, -1, 6},
        {6, 200, 7}, {7, 128, 8}, {9, 0, 9}, {10, 101, 10}, {11, 65536, 11},
    };
    for (const Case& c : cases) {
        const SettingKey& setting = kSettingKeys[c.setting];
        SCOPED_TRACE(utf8(setting.key) + "=" + std::to_string(c.value));
        storeValidSettings(io.profile);
        io.profile.set(setting.section, setting.key, c.value);
        restart();
        const RuntimeError error = loadFailure();
        EXPECT_EQ(error.number, 380);
        for (const Text& part : {Text(setting.section), Text(setting.key), decimalText(c.value)}) {
            EXPECT_NE(error.description.find(part), Text::npos) << utf8(error.description);
        }
        EXPECT_EQ(io.profile.reads().size(), 12u);
        EXPECT_EQ(filled(), std::vector<std::string>(kFillOrder.begin(),
                                                     kFillOrder.begin() + c.filledBefore));
    }
}

TEST_F(SettingsLoadSaveTest, ValueLabelsShowTheirBarsOnceLoaded) {
    // The second row equals the design values, so no bar raises a change.
    const std::int32_t rows[][5] = {
        {90, 45, 30, 60, 80}, {0, 0, 1, 1, 1}, {127, 127, 100, 100, 100}};
    const char* labels[] = {"Label7", "Label8", "Label9", "Label11", "Label15"};
    const std::size_t settings[] = {6, 7, 9, 10, 11}; // in kSettingKeys
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < 5; ++i) {
            io.profile.set(kSettingKeys[settings[i]].section, kSettingKeys[settings[i]].key,
                           row[i]);
        }
        restart();
        window->Form_Load();
        for (std::size_t i = 0; i < 5; ++i) {
            EXPECT_EQ(control(labels[i]).caption(), decimalText(row[i])) << labels[i];
        }
    }
}

TEST_F(SettingsLoadSaveTest, SaveWritesTwelveSettingsInSchemaOrder) {
    window->Form_Load();
    io.profile.calls.clear();
    ASSERT_TRUE(window->saveINI());
    const auto writes = io.profile.writes();
    ASSERT_EQ(writes.size(), 12u);
    EXPECT_TRUE(io.profile.reads().empty());
    for (std::size_t i = 0; i < writes.size(); ++i) {
        EXPECT_EQ(writes[i].section + u"/" + writes[i].key + u"=" + writes[i].value,
                  Text(kSettingKeys[i].section) + u"/" + kSettingKeys[i].key + u"=" +
                      decimalText(kValidValues[i]));
        EXPECT_EQ(writes[i].path, kIniPath);
    }
}

// Check boxes take the low 16 bits, as signed; a box whose value does not
// change raises no click, so its setting keeps the number read. The size
// boxes show the numbers and are saved exactly as typed.
TEST_F(SettingsLoadSaveTest, SavingWritesWhatTheControlsAndSettingsHold) {
    io.profile.set(u"system", u"SMOOTH", 65537);
    io.profile.set(u"system", u"GLHR", 65536);
    io.profile.set(u"Music", u"SOUND3D", -131072);
    io.profile.set(u"system", u"RESOLUTIONX", 800);
    io.profile.set(u"system", u"RESOLUTIONY", -5);
    restart();
    window->Form_Load();
    EXPECT_EQ(control("Check2").value(), 1);
    EXPECT_EQ(control("Check3").value(), 0);
    EXPECT_EQ(control("Check4").value(), 0);
    EXPECT_EQ(control("txtwidth").text(), u"800");
    EXPECT_EQ(control("txtheight").text(), u"-5");
    for (const Text typed : {u"1024x", u""}) {
        control("txtwidth").userSetText(typed);
        control("txtheight").userSetText(typed + u"7");
        ASSERT_TRUE(window->saveINI());
        EXPECT_EQ(io.profile.value(u"system", u"RESOLUTIONX"), typed);
        EXPECT_EQ(io.profile.value(u"system", u"RESOLUTIONY"), typed + u"7");
    }
    EXPECT_EQ(io.profile.value(u"system", u"SMOOTH"), u"1");
    EXPECT_EQ(io.profile.value(u"system", u"GLHR"), u"65536");
    EXPECT_EQ(io.profile.value(u"Music", u"SOUND3D"), u"-131072");
}

TEST_F(SettingsLoadSaveTest, FailedWriteFailsSaveButAllAreAttempted) {
    window->Form_Load();
    io.profile.calls.clear();
    io.profile.failWritesTo(u"system", u"SMOOTH");
    io.profile.set(u"set", u"BATTLE_SPEED", 5);
    EXPECT_FALSE(window->saveINI());
    EXPECT_EQ(io.profile.writes().size(), 12u);
    EXPECT_EQ(io.profile.value(u"set", u"BATTLE_SPEED"), u"80");
}

} // namespace
} // namespace lurn::test
