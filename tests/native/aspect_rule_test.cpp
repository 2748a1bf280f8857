// The aspect lock: height = floor(width / 64 * 48), from the width as typed.

#include "config_window/aspect_rule.h"

#include <gtest/gtest.h>

#include <string>

namespace lurn::test {
namespace {

TEST(DerivedHeight, IsFloorOfThreeQuartersOfTheWidth) {
    // clang-format off
    const std::pair<Text, Text> cases[] = {
        {u"800", u"600"}, {u"1024", u"768"}, {u"1280", u"960"}, {u"1366", u"1024"},
        {u"640.9", u"480"}, {u"1", u"0"}, {u"-1", u"-1"}, {u"-100", u"-75"}, {u"-0.5", u"-1"},
        {u"abc", u"0"}, {u"", u"0"}, {u"px800", u"0"}, {u"8 00", u"600"},
        {u"\t1 0 2 4\n", u"768"}, {u"&H320", u"600"}, {u"&h320", u"600"}, {u"&O1440", u"600"},
        {u"1E3", u"750"}, {u"+800", u"600"}, {u"800px", u"600"},
        // Too large for a double: read as 0.
        {u"1e400", u"0"}, {Text(400, u'9'), u"0"},
        // Plain digits below 1E15, the general form from there on.
        {u"1333333333333332", u"999999999999999"}, {u"1333333333333334", u"1E+15"},
        {u"1646090520164608", u"1.23456789012346E+15"}, {u"1E20", u"7.5E+19"},
        {u"100000000000000000000", u"7.5E+19"}, {u"-1E20", u"-7.5E+19"},
        // Fifteen digits rounded half to even, a carry into a sixteenth.
        {u"1333333333333340", u"1E+15"}, {u"13333333333333328", u"1E+16"},
        {u"1.7976931348623157e308", u"1.34826985114674E+308"},
    };
    // clang-format on
    for (const auto& [width, height] : cases) {
        EXPECT_EQ(derivedHeight(width), height) << utf8(width);
    }
}

// The double nearest to the decimal number, the even one of two as near:
// between doubles, on the middle and either side of it, at the ends of the
// range, and with more digits than any double needs.
TEST(ReadNumber, IsTheNearestDouble) {
    // clang-format off
    const std::pair<Text, double> cases[] = {
        {u"0.1", 0x1.999999999999ap-4}, {u"-0.1", -0x1.999999999999ap-4},
        {u"9007199254740993", 0x1p53}, {u"9007199254740995", 0x1.0000000000002p53},
        {u"9007199254740993.00000000000000000001", 0x1.0000000000001p53},
        {u"1.7976931348623158e308", 0x1.fffffffffffffp1023}, {u"1.7976931348623159e308", 0},
        {u"2.2250738585072011e-308", 0x0.fffffffffffffp-1022},
        {u"2.4703282292062327e-324", 0}, {u"2.4703282292062328e-324", 0x1p-1074},
        {u"0." + Text(900, u'0') + u"1e901", 1},
        {u"1.00000000000000011102230246251565404236316680908203125" + Text(800, u'0') + u"1",
         0x1.0000000000001p0},
    };
    // clang-format on
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(readNumber(text), value) << utf8(text);
    }
}

} // namespace
} // namespace lurn::test
