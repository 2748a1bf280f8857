// The form model over the configuration window's definition.

#include "config_window/config_window_definition.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace lurn::test {
namespace {

class FormModelTest : public CoreTest {
protected:
    // Counts the Click and Change events of a control from now on.
    static void countEvents(Control& control, int& events) {
        control.onClick = [&events](std::int16_t) {
            ++events;
        };
        control.onChange = [&events] {
            ++events;
        };
    }

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

TEST_F(FormModelTest, AssigningTheCurrentValueRaisesNothing) {
    form.selectOption("Option1", 1);
    int events = 0;
    for (const char* name : {"Check1", "HScroll1", "HScroll3", "Option1"}) {
        Control& control = form.control(name, name == std::string("Option1") ? 1 : kNoIndex);
        countEvents(control, events);
        control.setValue(control.value());
    }
    form.selectOption("Option1", 1);
    form.control("Option1", 1).userClick();
    EXPECT_EQ(events, 0);
}

TEST_F(FormModelTest, ValuesOutsideTheRangeAreRefusedWith380) {
    struct Case {
        const char* control;
        std::int16_t value;
        bool accepted;
    };
    const Case cases[] = {
        {"Check1", 0, true},     {"Check1", 2, true},      {"Check1", 3, false},
        {"Check4", -1, false},   {"HScroll1", 127, true},  {"HScroll1", 128, false},
        {"HScroll1", -1, false}, {"HScroll3", 1, true},    {"HScroll3", 100, true},
        {"HScroll3", 0, false},  {"HScroll3", 101, false}, {"HScroll5", -32768, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.control) + " = " + std::to_string(c.value));
        Control& control = form.control(c.control);
        control.onClick = nullptr;
        control.onChange = nullptr;
        control.setValue(control.min() == 1 ? 50 : 1);
        const std::int16_t before = control.value();
        int events = 0;
        countEvents(control, events);
        try {
            control.setValue(c.value);
            EXPECT_TRUE(c.accepted);
            EXPECT_EQ(control.value(), c.value);
            EXPECT_EQ(events, 1);
        } catch (const RuntimeError& error) {
            EXPECT_FALSE(c.accepted);
            EXPECT_EQ(error.number, 380);
            for (const Text& part :
                 {Text(u"Invalid property value"), asciiText(c.control), decimalText(c.value)}) {
                EXPECT_NE(error.description.find(part), Text::npos) << utf8(error.description);
            }
            EXPECT_EQ(control.value(), before);
            EXPECT_EQ(events, 0);
        }
    }
}

TEST_F(FormModelTest, SelectOptionRefusesIndexWithoutElement) {
    for (const std::int16_t index : {2, -1}) {
        try {
            form.selectOption("Option1", index);
            ADD_FAILURE() << "accepted " << index;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number, 380);
            EXPECT_NE(error.description.find(u"Invalid property value"), Text::npos);
            EXPECT_NE(error.description.find(u"Option1"), Text::npos);
            EXPECT_NE(error.description.find(decimalText(index)), Text::npos);
        }
    }
    EXPECT_EQ(form.control("Option1", 0).value() + form.control("Option1", 1).value(), 0);
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
        EXPECT_EQ(check.value(), after) << before;
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
    EXPECT_EQ(form.control("Option3", 1).value(), 1);
    EXPECT_EQ(form.control("Option1", 0).value(), 1);
    EXPECT_EQ(form.control("Option1", 1).value(), 0);
}

TEST_F(FormModelTest, ViewIsToldOfProgramChanges) {
    form.selectOption("Option3", 0);
    RecordingView view;
    form.setView(&view);
    form.control("Label7").setCaption(u"12");
    form.control("txtheight").setText(u"600");
    form.control("txtheight").setEnabled(false);
    form.control("Check3").setValue(1);
    form.selectOption("Option3", 1);
    const std::vector<std::pair<std::string, ControlProperty>> expected{
        {"Label7", ControlProperty::Caption},    {"txtheight", ControlProperty::Text},
        {"txtheight", ControlProperty::Enabled}, {"Check3", ControlProperty::Value},
        {"Option3(1)", ControlProperty::Value},  {"Option3(0)", ControlProperty::Value},
    };
    EXPECT_EQ(view.changes, expected);
}

TEST_F(FormModelTest, CollectionHoldsTheDesignedControlsInOrder) {
    const std::vector<std::string> expected{
        "Frame2",     "HScroll5",   "HScroll4",  "HScroll3", "Label16",    "Label15",    "Label12",
        "Label11",    "Label6",     "Label9",    "Frame1",   "Check4",     "Frame5",     "Picture2",
        "Option3(0)", "Option3(1)", "Frame3",    "Picture1", "Option1(1)", "Option1(0)", "Check3",
        "Check2",     "Check1",     "txtheight", "txtwidth", "Label17",    "Label4",     "Label14",
        "Label10",    "Label13",    "Label5",    "Label3",   "Frame4",     "HScroll2",   "HScroll1",
        "Label8",     "Label7",     "Label1",    "Label2",   "Command2",   "Command1",   "Image1",
    };
    std::vector<std::string> names;
    std::set<int> tabs;
    for (std::size_t i = 0; i < form.count(); ++i) {
        const Control& control = form.at(i);
        names.push_back(displayName(control));
        if (control.name() != "Image1") {
            tabs.insert(control.definition().tabIndex);
        }
    }
    EXPECT_EQ(names, expected);
    EXPECT_EQ(form.control("Image1").definition().tabIndex, kNoTabIndex);
    ASSERT_EQ(tabs.size(), 41u); // no repeats among the 41 controls
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), 40);
}

TEST_F(FormModelTest, ControlsStartWithTheDesignValues) {
    EXPECT_EQ(form.control("txtwidth").text(), u"640");
    EXPECT_EQ(form.control("txtheight").text(), u"480");
    for (const char* check : {"Check1", "Check2", "Check3", "Check4"}) {
        EXPECT_EQ(form.control(check).value(), 0) << check;
    }
    for (std::int16_t i = 0; i < 2; ++i) {
        EXPECT_EQ(form.control("Option1", i).value() + form.control("Option3", i).value(), 0);
    }
    struct Bar {
        const char* bar;
        int min, max, value;
        const char* label;
        const char16_t* caption;
    };
    for (const Bar& b : {Bar{"HScroll1", 0, 127, 0, "Label7", u"Label7"},
                         Bar{"HScroll2", 0, 127, 0, "Label8", u"Label8"},
                         Bar{"HScroll3", 1, 100, 1, "Label9", u"Label8"},
                         Bar{"HScroll4", 1, 100, 1, "Label11", u"Label8"},
                         Bar{"HScroll5", 1, 100, 1, "Label15", u"Label8"}}) {
        const Control& bar = form.control(b.bar);
        EXPECT_EQ(std::vector<int>({bar.min(), bar.max(), bar.value()}),
                  std::vector<int>({b.min, b.max, b.value}))
            << b.bar;
        EXPECT_EQ(form.control(b.label).caption(), b.caption) << b.label;
    }
}

} // namespace
} // namespace lurn::test
