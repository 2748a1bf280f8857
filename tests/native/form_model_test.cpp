// The form model over the configuration window's definition: events.

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
    volume.setValue(64); // unchanged: nothing is raised
    EXPECT_EQ(
        log, (std::vector<std::string>{"HScroll1 64", "HScroll2 64", "HScroll1 done", "returned"}));
}

} // namespace
} // namespace lurn::test
