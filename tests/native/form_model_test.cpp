// The form model over the configuration window's definition: events,
// refusals and option groups.

#include "config_window/config_window_definition.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lurn::test {
namespace {

class FormModelTest : public CoreTest {
protected:
    IconvCodec codec;
    Form form{kConfigWindowDefinition, codec, kCodePageGbk};
};

TEST_F(FormModelTest, ChangingAssignmentRaisesEventNestedInsideIt) {
    std::vector<std::string> log;
    Control& volume = form.control("HScroll1");
    Control& wave = form.control("HScroll2");
    volume.onChange = [&] {
        log.push_back("HScroll1 " + std::to_string(volume.value()));
        wave.setValue(volume.value());
        log.push_back("HScroll1 done");
    };
    wave.onChange = [&] {
        log.push_back("HScroll2 " + std::to_string(wave.value()));
    };
    volume.setValue(64);
    log.push_back("returned");
    EXPECT_EQ(
        log, (std::vector<std::string>{"HScroll1 64", "HScroll2 64", "HScroll1 done", "returned"}));
}

// Each bar takes the values of its range and refuses its neighbours with
// error 380, leaving its value as it was; check boxes take 0, 1 and 2.
TEST_F(FormModelTest, ValuesOutsideTheRangeAreRefusedWith380) {
    struct Range {
        const char* control;
        std::int16_t min, max;
    };
    for (const Range& range :
         {Range{"HScroll1", 0, 127}, Range{"HScroll2", 0, 127}, Range{"HScroll3", 1, 100},
          Range{"HScroll4", 1, 100}, Range{"HScroll5", 1, 100}, Range{"Check2", 0, 2}}) {
        Control& control = form.control(range.control);
        for (const int value : {range.min - 1, int{range.min}, int{range.max}, range.max + 1}) {
            SCOPED_TRACE(std::string(range.control) + " = " + std::to_string(value));
            const bool accepted = value >= range.min && value <= range.max;
            control.setValue(static_cast<std::int16_t>(range.min + 1));
            const std::int16_t before = control.value();
            try {
                control.setValue(static_cast<std::int16_t>(value));
                EXPECT_TRUE(accepted);
                EXPECT_EQ(control.value(), value);
            } catch (const RuntimeError& error) {
                EXPECT_FALSE(accepted);
                EXPECT_EQ(error.number, 380);
                EXPECT_EQ(control.value(), before);
            }
        }
    }
}

TEST_F(FormModelTest, UserClickOnCheckBoxTogglesAndRaisesClick) {
    Control& check = form.control("Check2");
    for (const auto& [before, after] : {std::pair{0, 1}, {1, 0}, {2, 1}}) {
        check.onClick = nullptr;
        check.setValue(static_cast<std::int16_t>(before));
        int seen = -1;
        check.onClick = [&](std::int16_t) {
            seen = check.value();
        };
        check.userClick();
        EXPECT_EQ(seen, after) << before;
    }
}

TEST_F(FormModelTest, OptionGroupsAreIndependentAndClickCarriesIndex) {
    form.selectOption("Option1", 0);
    form.selectOption("Option3", 0);
    std::vector<std::int16_t> clicks;
    for (std::int16_t i = 0; i < 2; ++i) {
        form.control("Option3", i).onClick = [&](std::int16_t index) {
            clicks.push_back(index);
        };
    }
    form.control("Option3", 1).userClick();
    form.control("Option3", 1).userClick();
    form.selectOption("Option3", 1);
    EXPECT_EQ(clicks, std::vector<std::int16_t>{1});
    EXPECT_EQ(form.control("Option3", 0).value(), 0);
    EXPECT_EQ(form.control("Option1", 0).value(), 1);
    EXPECT_EQ(form.control("Option1", 1).value(), 0);
}

} // namespace
} // namespace lurn::test
