// ModINIedit over the real private-profile functions, on real files in a
// fresh temporary folder.

#include "app/runtime_error.h"
#include "app/win32/handles.h"
#include "app/win32/win32_ports.h"
#include "settings/mod_ini_edit.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <optional>

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

// Names match whatever their case; a missing file, section or key, or a
// value that reads as -65536, is the missing-setting error.
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
        // What a save must therefore never write: an empty value, a number
        // that wraps to -65536 in 32 bits.
        {"[set]\r\nsimple=\r\n", std::nullopt},
        {"[set]\r\nsimple=4294901760\r\n", std::nullopt},
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

// A file that is there but cannot be opened is reported with the system's
// error and reason, not as a missing key, and is left as it was.
TEST_F(ProfileFileTest, ReadOfAFileThatCannotBeOpenedNamesTheSystemsReason) {
    writeBytes(path, "[set]\r\nsimple=1\r\n");
    const TempFolder other;
    const Text folderInPlace = other.file(u"qebmod.ini");
    ASSERT_TRUE(CreateDirectoryW(api(folderInPlace), nullptr));
    {
        const win32::File held = win32::openedFile(
            CreateFileW(api(path), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        // Held open without sharing; a folder, which cannot be opened as a file.
        for (const auto& [file, error] : {std::pair{path, 32u}, std::pair{folderInPlace, 5u}}) {
            ModINIedit::IniPath = file;
            wchar_t words[512] = {}; // the system's own, without their line end
            FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM, nullptr, error, 0, words, 512, nullptr);
            Text expected =
                u"qebmod.ini cannot be read: " + Text(reinterpret_cast<char16_t*>(words));
            expected.erase(expected.find_last_not_of(u"\r\n") + 1);
            try {
                ReadIniInt(store, u"set", u"simple");
                ADD_FAILURE() << "read " << utf8(file);
            } catch (const RuntimeError& raised) {
                EXPECT_EQ(static_cast<std::uint32_t>(raised.number), 0x80070000u | error);
                EXPECT_EQ(raised.description, expected);
            }
        }
    }
    EXPECT_EQ(readBytes(path), "[set]\r\nsimple=1\r\n");
}

} // namespace
} // namespace lurn::wintest
