#include "config_window/dovmirant_config.h"

#include "app/runtime_error.h"
#include "config_window/aspect_rule.h"
#include "config_window/config_window_definition.h"
#include "config_window/game_launch.h"
#include "localisation/gb_big5_api.h"
#include "settings/mod_ini_edit.h"
#include "settings/profile_reading.h"
#include "settings/settings_save.h"

#include <array>

namespace lurn {

namespace {

struct ValueDisplay {
    const char* scrollBar;
    const char* label;
    std::int32_t GameSettings::*member;
};

// Each scroll bar and the label to its right that shows its value.
constexpr std::array<ValueDisplay, 5> kValueDisplays{{
    {"HScroll1", "Label7", &GameSettings::VOLUME},
    {"HScroll2", "Label8", &GameSettings::VOLUMEWAV},
    {"HScroll3", "Label9", &GameSettings::WALK_SPEED1},
    {"HScroll4", "Label11", &GameSettings::WALK_SPEED2},
    {"HScroll5", "Label15", &GameSettings::BATTLE_SPEED},
}};

struct SizeBox {
    const char* name;
    const char16_t* warning;
};

// The two size boxes, and the warning that names each when its text would
// read back as a missing setting.
constexpr std::array<SizeBox, 2> kSizeBoxes{{
    {"txtwidth", u"width missed!"},
    {"txtheight", u"height missed!"},
}};

constexpr std::int16_t kChecked = 1;

[[noreturn]] void refuseSetting(const SettingDefinition& setting, std::int32_t value,
                                const Control* control) {
    Text description = u"Invalid property value: qebmod.ini [" + Text(setting.section) + u"] " +
                       setting.key + u"=" + decimalText(value) + u" cannot be shown by " +
                       asciiText(setting.control);
    if (control != nullptr && control->is(ControlKind::HScrollBar)) {
        description +=
            u" (" + decimalText(control->min()) + u" to " + decimalText(control->max()) + u")";
    } else if (control != nullptr && control->is(ControlKind::CheckBox)) {
        description += u" (0, 1 or 2)";
    } else {
        description += u" (0 or 1)";
    }
    throw RuntimeError{kInvalidPropertyValue, description};
}

} // namespace

Dovmirant_Config::Dovmirant_Config(const ConfigWindowServices& services)
    : services_(services),
      windowCodePage_(gb_big5_api::windowCodePage(services.system.defaultLanguage())),
      form_(kConfigWindowDefinition, services.codec, windowCodePage_) {
    wireHandlers();
}

void Dovmirant_Config::wireHandlers() {
    form_.control("Check1").onClick = [this](std::int16_t) {
        Check1_Click();
    };
    form_.control("Check2").onClick = [this](std::int16_t) {
        CheckBox_Click("Check2", &GameSettings::SMOOTH);
    };
    form_.control("Check3").onClick = [this](std::int16_t) {
        CheckBox_Click("Check3", &GameSettings::GLHR);
    };
    form_.control("Check4").onClick = [this](std::int16_t) {
        CheckBox_Click("Check4", &GameSettings::SOUND3D);
    };
    form_.control("txtwidth").onKeyUp = [this](std::int16_t keyCode, std::int16_t shift) {
        txtwidth_KeyUp(keyCode, shift);
    };
    for (std::int16_t index = 0; index < 2; ++index) {
        form_.control("Option1", index).onClick = [this](std::int16_t i) {
            Option1_Click(i);
        };
        form_.control("Option3", index).onClick = [this](std::int16_t i) {
            Option3_Click(i);
        };
    }
    for (const ValueDisplay& display : kValueDisplays) {
        form_.control(display.scrollBar).onChange = [this, display] {
            HScroll_Change(display.scrollBar, display.label, display.member);
        };
    }
    form_.control("Command1").onClick = [this](std::int16_t) {
        Command1_Click();
    };
    form_.control("Command2").onClick = [this](std::int16_t) {
        Command2_Click();
    };
}

void Dovmirant_Config::Form_Load() {
    ModINIedit::IniPath = joinPath(services_.system.programDirectory(), u"qebmod.ini");
    readINI();
    showValueLabels();
    gb_big5_api::DetectLanguage(services_.system);
    gb_big5_api::ConvertForm({services_.codec, services_.mapper, windowCodePage_}, form_);
}

void Dovmirant_Config::Form_Unload() {
    services_.process.end(0);
}

void Dovmirant_Config::readINI() {
    for (const SettingDefinition& setting : kGameSettingsSchema) {
        settings_.*setting.member =
            ModINIedit::ReadIniInt(services_.profile, setting.section, setting.key);
    }
    // A control given the value it showed raises no event, and a handler
    // that ran stored the same 16 bits: either way the member takes what its
    // control now shows, widened with its sign, so a save writes what the
    // window shows.
    for (const SettingDefinition* setting : settingsInFillOrder()) {
        assignToControl(*setting);
        if (setting->controlKind != SettingControl::TextBox) {
            settings_.*setting->member = controlValueOf(settings_.*setting->member);
        }
    }
}

void Dovmirant_Config::assignToControl(const SettingDefinition& setting) {
    const std::int32_t value = settings_.*setting.member;
    const std::int16_t controlValue = controlValueOf(value);
    switch (setting.controlKind) {
    case SettingControl::OptionGroup:
        if (form_.find(setting.control, controlValue) == nullptr) {
            refuseSetting(setting, value, nullptr);
        }
        form_.selectOption(setting.control, controlValue);
        break;
    case SettingControl::TextBox:
        form_.control(setting.control).setText(decimalText(value));
        break;
    case SettingControl::CheckBox:
    case SettingControl::ScrollBar: {
        Control& control = form_.control(setting.control);
        if (!control.accepts(controlValue)) {
            refuseSetting(setting, value, &control);
        }
        control.setValue(controlValue);
        break;
    }
    }
}

// A bar whose loaded value equals its design value raises no change event,
// so its label is written here; every label shows its bar's value once the
// window is loaded.
void Dovmirant_Config::showValueLabels() {
    for (const ValueDisplay& display : kValueDisplays) {
        HScroll_Change(display.scrollBar, display.label, display.member);
    }
}

Text Dovmirant_Config::currentValueText(const SettingDefinition& setting) const {
    if (setting.controlKind == SettingControl::TextBox) {
        return form_.control(setting.control).text();
    }
    return decimalText(settings_.*setting.member);
}

// A size text that would read back as missing would stop every later start
// of this program at its load, so it is not saved: the player is told which
// box holds it, and the focus goes there. A greyed height follows the width,
// so the width is the box to correct then.
bool Dovmirant_Config::refusesSize() {
    for (const SizeBox& box : kSizeBoxes) {
        Control& control = form_.control(box.name);
        if (readsAsMissing(control.text())) {
            (control.enabled() ? control : form_.control("txtwidth")).setFocus();
            services_.dialogs.message(box.warning, u"Warning");
            return true;
        }
    }
    return false;
}

SaveResult Dovmirant_Config::saveINI() {
    if (refusesSize()) {
        return SaveResult::Refused;
    }
    ModINIedit::SettingsSave save(services_.profile, services_.files);
    for (const SettingDefinition& setting : kGameSettingsSchema) {
        ModINIedit::WriteIniString(save, setting.section, setting.key, currentValueText(setting));
    }
    switch (save.finish()) {
    case ModINIedit::SaveEnd::Completed:
        return SaveResult::Saved;
    case ModINIedit::SaveEnd::NotRestored:
        return SaveResult::NotRestored;
    case ModINIedit::SaveEnd::Failed:
        break;
    }
    return SaveResult::Failed;
}

void Dovmirant_Config::Check1_Click() {
    Control& height = form_.control("txtheight");
    if (form_.control("Check1").value() == kChecked) {
        height.setEnabled(false);
        height.setText(derivedHeight(form_.control("txtwidth").text()));
    } else {
        height.setEnabled(true);
    }
}

void Dovmirant_Config::txtwidth_KeyUp(std::int16_t, std::int16_t) {
    if (form_.control("Check1").value() == kChecked) {
        form_.control("txtheight").setText(derivedHeight(form_.control("txtwidth").text()));
    }
}

void Dovmirant_Config::Option1_Click(std::int16_t index) {
    settings_.simple = index;
}

void Dovmirant_Config::Option3_Click(std::int16_t index) {
    settings_.FULLSCREEN = index;
}

void Dovmirant_Config::CheckBox_Click(const char* checkBox, std::int32_t GameSettings::*member) {
    settings_.*member = form_.control(checkBox).value();
}

void Dovmirant_Config::HScroll_Change(const char* scrollBar, const char* valueLabel,
                                      std::int32_t GameSettings::*member) {
    const Control& bar = form_.control(scrollBar);
    settings_.*member = bar.value();
    form_.control(valueLabel).setCaption(decimalText(bar.value()));
}

void Dovmirant_Config::Command1_Click() {
    if (saveWarningOfFailure() == SaveResult::Saved) {
        services_.dialogs.message(u"done", u"Lurn_config");
    }
}

// Starting the game: save, then open qeb_lurn.exe in the program's
// directory. Only a save that completed starts the game: after a refused or
// failed one the player has been told why, and the window stays open with
// everything set, to be corrected and pressed again. A started game ends
// this program at once; a start that the player cancelled in a prompt of
// the system's leaves the window as it is.
void Dovmirant_Config::Command2_Click() {
    if (saveWarningOfFailure() != SaveResult::Saved) {
        return;
    }
    switch (startGame(services_.system, services_.launcher)) {
    case LaunchResult::Started:
        services_.process.end(0);
        break;
    case LaunchResult::Failed:
        services_.dialogs.message(u"file missed!", u"Warning");
        break;
    case LaunchResult::Cancelled:
        break;
    }
}

// A save that failed is told as such, and one that may have left the file
// damaged says so; a refused one has told the player why.
SaveResult Dovmirant_Config::saveWarningOfFailure() {
    const SaveResult result = saveINI();
    if (result == SaveResult::Failed) {
        services_.dialogs.message(u"save failed!", u"Warning");
    } else if (result == SaveResult::NotRestored) {
        services_.dialogs.message(
            u"save failed! qebmod.ini may be damaged: it could not be put back "
            u"as it was",
            u"Warning");
    }
    return result;
}

} // namespace lurn
