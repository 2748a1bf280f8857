// ModINIedit over the real private-profile functions, on real files in a
// fresh temporary folder.

#include "app/runtime_error.h"
#include "app/win32/win32_ports.h"
#include "settings/mod_ini_edit.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <optional>

namespace lurn::wintest {
namespace {

using ModINIedit::ReadIniInt;
using ModINIedit::WriteIniString;

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(expectedLanguage(), 0) << "LURN_EXPECTED_LANGUAGE is not set";
        ASSERT_EQ(GetSystemDefaultLangID(), expectedLanguage());
        useFolder(folder);
    }

    void useFolder(const TempFolder& settingsFolder, TextView name = u"qebmod.ini") {
        path = settingsFolder.file(name);
        ModINIedit::IniPath = path;
    }

    // Each case has a file of its own: the profile functions may keep a
    // file they read, and a rewrite within the file system's time
    // resolution would go unnoticed.
    void useCaseFile(int number) { useFolder(folder, u"case" + decimalText(number) + u".ini"); }

    std::optional<RuntimeError> readError(const Text& section, const Text& key) const {
        try {
            ReadIniInt(store, section, key);
        } catch (const RuntimeError& error) {
            return error;
        }
        return std::nullopt;
    }

    TempFolder folder;
    win32::ProfileFunctions store;
    Text path;
};

TEST_F(ProfileFileTest, ReadsWholeNumbersWhateverTheCaseOfSectionAndKey) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"[SET]\r\nsimple=1\r\n", 1},
        {"[set]\r\nSIMPLE=0\r\n", 0},
        {"[Set]\r\nsimple=-65535\r\n", -65535},
        {"[set]\r\nsimple=70000\r\n", 70000},
        {"[video]\r\nsimple=5\r\n[set]\r\nother=4\r\nsimple = 3\r\n", 3},
    };
    int number = 0;
    for (const auto& [file, expected] : cases) {
        useCaseFile(++number);
        writeBytes(path, file);
        EXPECT_EQ(ReadIniInt(store, u"set", u"simple"), expected) << file;
    }
}

TEST_F(ProfileFileTest, MissingSettingRaisesNotFoundNamingSectionAndKey) {
    const std::optional<const char*> files[] = {
        std::nullopt,
        "[video]\r\nsimple=1\r\n",
        "[set]\r\nsimplex=1\r\nWALK_SPEED1=3\r\n",
        "[set]\r\nsimple=-65536\r\n",
    };
    int number = 0;
    for (const auto& file : files) {
        useCaseFile(++number);
        if (file) {
            writeBytes(path, *file);
        }
        const std::optional<RuntimeError> error = readError(u"set", u"simple");
        ASSERT_TRUE(error.has_value()) << file.value_or("(no file)");
        EXPECT_EQ(static_cast<std::uint32_t>(error->number), 0x80040001u);
        EXPECT_EQ(error->description, u"INI Section set Key simple Not found");
    }
}

TEST_F(ProfileFileTest, WriteAddsTheSectionAsNarrowText) {
    writeBytes(path, "[set]\r\nsimple=1\r\n");
    ASSERT_TRUE(WriteIniString(store, u"system", u"RESOLUTIONX", u"1024"));
    EXPECT_EQ(ReadIniInt(store, u"system", u"RESOLUTIONX"), 1024);
    EXPECT_EQ(ReadIniInt(store, u"set", u"simple"), 1);

    const std::string bytes = readBytes(path);
    EXPECT_NE(bytes.find("[system]\r\nRESOLUTIONX=1024\r\n"), std::string::npos) << bytes;
    EXPECT_EQ(bytes.find('\0'), std::string::npos) << "UTF-16 text in the file";
    EXPECT_NE(bytes.rfind("[set]", 0), std::string::npos) << "the file no longer starts as before";
}

TEST_F(ProfileFileTest, WriteCreatesAMissingFile) {
    ASSERT_TRUE(WriteIniString(store, u"video", u"FULLSCREEN", u"1"));
    EXPECT_EQ(ReadIniInt(store, u"video", u"FULLSCREEN"), 1);
    EXPECT_EQ(readBytes(path), "[video]\r\nFULLSCREEN=1\r\n");
}

TEST_F(ProfileFileTest, SaveKeepsOtherSectionsKeysAndComments) {
    writeBytes(path, ";comment\r\n[set]\r\n; the speeds\r\nsimple=0\r\nWALK_SPEED1 = 7\r\n\r\n"
                     "[mods]\r\nextra=12\r\n");
    ASSERT_TRUE(WriteIniString(store, u"set", u"simple", u"1"));
    ASSERT_TRUE(WriteIniString(store, u"Music", u"VOLUME", u"90"));

    EXPECT_EQ(ReadIniInt(store, u"set", u"simple"), 1);
    EXPECT_EQ(ReadIniInt(store, u"set", u"WALK_SPEED1"), 7);
    EXPECT_EQ(ReadIniInt(store, u"mods", u"extra"), 12);
    EXPECT_EQ(ReadIniInt(store, u"Music", u"VOLUME"), 90);
    const std::string bytes = readBytes(path);
    for (const char* kept : {";comment\r\n", "; the speeds\r\n", "[mods]\r\nextra=12\r\n"}) {
        EXPECT_NE(bytes.find(kept), std::string::npos) << kept << " lost from:\n" << bytes;
    }
    EXPECT_EQ(bytes.find("simple=0"), std::string::npos) << bytes;
}

TEST_F(ProfileFileTest, WriteThatTheSystemRefusesReturnsFalseAndRaisesNothing) {
    const std::string before = "[set]\r\nsimple=0\r\n";
    writeBytes(path, before);
    {
        HeldFile held(path);
        ASSERT_TRUE(held.held());
        bool written = true;
        EXPECT_NO_THROW(written = WriteIniString(store, u"set", u"simple", u"1"));
        EXPECT_FALSE(written) << "write to a file held open with no sharing";
    }
    EXPECT_EQ(readBytes(path), before);

    TempFolder blocked;
    useFolder(blocked);
    ASSERT_TRUE(CreateDirectoryW(api(path), nullptr));
    bool written = true;
    EXPECT_NO_THROW(written = WriteIniString(store, u"set", u"simple", u"1"));
    EXPECT_FALSE(written) << "write where a directory stands";
}

TEST_F(ProfileFileTest, FolderNameOutsideTheAnsiCodePageStillWorks) {
    // Hangul and simplified Chinese: no ANSI code page holds both.
    const Text leaf = u" 게임 游戏目录";
    ASSERT_FALSE(representable(leaf, CP_ACP)) << "pick a name outside code page " << GetACP();
    TempFolder game(leaf);
    useFolder(game);

    writeBytes(path, "[set]\r\nsimple=1\r\n");
    EXPECT_EQ(ReadIniInt(store, u"set", u"simple"), 1);
    ASSERT_TRUE(WriteIniString(store, u"system", u"RESOLUTIONY", u"768"));
    EXPECT_EQ(ReadIniInt(store, u"system", u"RESOLUTIONY"), 768);
    EXPECT_NE(readBytes(path).find("RESOLUTIONY=768"), std::string::npos);
}

} // namespace
} // namespace lurn::wintest
