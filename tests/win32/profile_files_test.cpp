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

} // namespace
} // namespace lurn::wintest
