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
