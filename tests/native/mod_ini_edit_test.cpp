// Reading settings through ModINIedit, and the text of the error report.

#include "settings/mod_ini_edit.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

namespace lurn::test {
namespace {

class ModIniEditTest : public CoreTest {
protected:
    Journal journal;
    MemoryProfileStore store{journal};
};

TEST_F(ModIniEditTest, MissingKeyOrMarkerValueIsNotFound) {
    for (const bool stored : {false, true}) {
        if (stored) {
            store.set(u"set", u"simple", u"-65536");
        }
        try {
            ModINIedit::ReadIniInt(store, u"set", u"simple");
            ADD_FAILURE() << "no error, stored " << stored;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number, -2147221503);
            EXPECT_EQ(error.description, u"INI Section set Key simple Not found");
        }
    }
}

TEST_F(ModIniEditTest, ValuesNearTheMarkerComeBackUnchanged) {
    for (const std::int32_t value : {-65535, -65537, 70000, 0, 65536}) {
        store.set(u"Music", u"VOLUME", decimalText(value));
        EXPECT_EQ(ModINIedit::ReadIniInt(store, u"Music", u"VOLUME"), value);
    }
}

TEST(ErrorReportText, ShowsDecimalHexBlankLineAndDescription) {
    EXPECT_EQ(errorReportText({kSettingNotFound, u"INI Section set Key simple Not found"}),
              u"Error -2147221503 (0x80040001)\r\n\r\nINI Section set Key simple Not found");
    EXPECT_EQ(errorReportText({380, u"Invalid property value"}),
              u"Error 380 (0x0000017C)\r\n\r\nInvalid property value");
}

} // namespace
} // namespace lurn::test
