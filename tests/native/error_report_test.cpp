// The text of the top-level report of an error that no handler trapped.

#include "app/runtime_error.h"

#include <gtest/gtest.h>

namespace lurn {
namespace {

TEST(ErrorReportText, ShowsDecimalHexBlankLineAndDescription) {
    EXPECT_EQ(errorReportText({kSettingNotFound, u"INI Section set Key simple Not found"}),
              u"Error -2147221503 (0x80040001)\r\n\r\nINI Section set Key simple Not found");
    EXPECT_EQ(errorReportText({380, u"Invalid property value"}),
              u"Error 380 (0x0000017C)\r\n\r\nInvalid property value");
}

} // namespace
} // namespace lurn
