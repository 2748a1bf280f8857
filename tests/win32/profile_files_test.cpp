// ModINIedit over the real private-profile functions, on real files in a
// fresh temporary folder.

#include "app/runtime_error.h"
#include "app/win32/win32_ports.h"
#include "settings/mod_ini_edit.h"
#include "settings/settings_save.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace lurn::wintest {
namespace {

using ModINIedit::ReadIniInt;

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override { useFolder(folder); }

    // Each case has a file of its own: the profile functions may keep a
    // file they read, and a rewrite within the file system's time
    // resolution would go unnoticed.
    void useFolder(const TempFolder& settingsFolder, TextView name = u"qebmod.ini") {
        path = settingsFolder.file(name);
        ModINIedit::IniPath = path;
    }

    TempFolder folder;
    win32::ProfileFunctions store;
    Text path;
};

// Names match whatever their case; a missing file, section or key, or the
// value -65536, is the missing-setting error.
TEST_F(ProfileFileTest, ReadsWholeNumbersOrRaisesNotFound) {
    const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"[SET]\r\nsimple=1\r\n", 1},
        {"[set]\r\nSIMPLE=0\r\n", 0},
        {"[Set]\r\nsimple=-65535\r\n", -65535},
        {"[set]\r\nsimple=70000\r\n", 70000},
        {"[video]\r\nsimple=5\r\n[set]\r\nother=4\r\nsimple = 3\r\n", 3},
        {nullptr, std::nullopt},
        {"[video]\r\nsimple=1\r\n", std::nullopt},
        {"[set]\r\nsimplex=1\r\nWALK_SPEED1=3\r\n", std::nullopt},
        {"[set]\r\nsimple=-65536\r\n", std::nullopt},
    };
    int number = 0;
    for (const auto& [file, expected] : cases) {
        SCOPED_TRACE(file != nullptr ? file : "(no file)");
        useFolder(folder, u"case" + decimalText(++number) + u".ini");
        if (file != nullptr) {
            writeBytes(path, file);
        }
        try {
            EXPECT_EQ(ReadIniInt(store, u"set", u"simple"), expected);
        } catch (const RuntimeError& error) {
            EXPECT_FALSE(expected.has_value());
            EXPECT_EQ(error.number, -2147221503);
            EXPECT_EQ(error.description, u"INI Section set Key simple Not found");
        }
    }
}

// A save on the real file system, each in a folder whose name no ANSI code
// page holds: completed, the file has the new width and keeps its other
// lines, its encoding and its attributes; failed, it keeps its bytes. Either
// way no other file is left, not even the one a killed save left behind.
TEST_F(ProfileFileTest, SaveReplacesTheFileWholeOrNotAtAll) {
    const std::string ansi = "[SYSTEM]\r\nresolutionx=800\r\n;kept\r\n[game]\r\nlevel=3\r\n";
    const std::string utf16("\xFF\xFE[\0g\0]\0\r\0\n\0k\0=\0\x2D\x4E\r\0\n\0", 22); // k=中
    struct Case {
        std::optional<std::string> bytes;
        DWORD attributes;
        const char16_t* width;
        std::vector<std::string> kept; // empty: the save fails
    };
    const Case cases[] = {
        {std::nullopt, 0, u"1024", {"RESOLUTIONX=1024\r\n"}},
        {ansi, FILE_ATTRIBUTE_HIDDEN, u" 1024 ", {";kept\r\n", "[game]\r\nlevel=3\r\n"}},
        {utf16, 0, u"1024", {"\xFF\xFE", utf16.substr(14, 6)}},
        {ansi, FILE_ATTRIBUTE_READONLY, u"1024", {}},
        {std::nullopt, FILE_ATTRIBUTE_DIRECTORY, u"1024", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.value_or("(none)") + " " + std::to_string(c.attributes));
        TempFolder game(u" 게임 游戏目录");
        useFolder(game);
        const Text leftover = ModINIedit::workingCopyOf(path);
        writeBytes(leftover, "[set]\r\nsimple=9\r\n");
        SetFileAttributesW(api(leftover), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
        if (c.bytes) {
            writeBytes(path, *c.bytes);
        }
        if (c.attributes == FILE_ATTRIBUTE_DIRECTORY) {
            CreateDirectoryW(api(path), nullptr);
        } else if (c.attributes != 0) {
            SetFileAttributesW(api(path), c.attributes);
        }
        EXPECT_EQ(saveSettings(c.width), !c.kept.empty());
        EXPECT_EQ(filesIn(game.path()), std::vector<Text>{u"qebmod.ini"});
        const DWORD kept =
            FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY;
        EXPECT_EQ(GetFileAttributesW(api(path)) & kept, c.attributes);
        SetFileAttributesW(api(path), FILE_ATTRIBUTE_NORMAL);
        if (c.kept.empty()) {
            EXPECT_TRUE(!c.bytes || readBytes(path) == *c.bytes);
            continue;
        }
        const std::string bytes = readBytes(path);
        for (const std::string& part : c.kept) {
            EXPECT_NE(bytes.find(part), std::string::npos) << part;
        }
        EXPECT_EQ(ReadIniInt(store, u"system", u"RESOLUTIONX"), 1024);
    }
}

} // namespace
} // namespace lurn::wintest
