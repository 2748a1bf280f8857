#pragma once
// Dovmirant_Config: the configuration window's behaviour. It owns the form
// built from the window's definition and the record of the twelve game
// settings, loads them from the settings file, keeps them in step with the
// controls, saves them, and starts the game.

#include "app/form_model.h"
#include "app/ports.h"
#include "settings/game_settings.h"

#include <cstdint>

namespace lurn {

// How a save ended. Refused: a size box holds a text that the next load
// would take for a missing setting; the player was told which, and nothing
// was written. NotRestored: the file was written in place, did not read
// back whole and could not be put back as it was.
enum class SaveResult : std::uint8_t { Saved, Failed, Refused, NotRestored };

struct ConfigWindowServices {
    const ProfileStore& profile;
    const SettingsFileCopies& files;
    const TextCodec& codec;
    const ScriptMapper& mapper;
    const SystemInfo& system;
    const Dialogs& dialogs;
    const ProgramLauncher& launcher;
    const ProcessControl& process;
};

class Dovmirant_Config {
public:
    explicit Dovmirant_Config(const ConfigWindowServices& services);
    Dovmirant_Config(const Dovmirant_Config&) = delete;
    Dovmirant_Config& operator=(const Dovmirant_Config&) = delete;

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    const GameSettings& settings() const { return settings_; }

    // The load sequence: settings path, settings, language, caption
    // conversion. The window is shown only after it returns.
    void Form_Load();
    // Closing the window ends the process; nothing is saved.
    void Form_Unload();

    void readINI();
    // Saves the twelve settings, all or nothing: Saved when the save
    // completed; Failed when it did not, and the file is as it was;
    // NotRestored when the file could not be put back. A size text that
    // would read back as missing is Refused, and nothing is written.
    SaveResult saveINI();

private:
    void wireHandlers();
    void assignToControl(const SettingDefinition& setting);
    void showValueLabels();
    Text currentValueText(const SettingDefinition& setting) const;
    bool refusesSize();

    void Check1_Click();
    void txtwidth_KeyUp(std::int16_t keyCode, std::int16_t shift);
    void Option1_Click(std::int16_t index);
    void Option3_Click(std::int16_t index);
    void CheckBox_Click(const char* checkBox, std::int32_t GameSettings::*member);
    void HScroll_Change(const char* scrollBar, const char* valueLabel,
                        std::int32_t GameSettings::*member);
    void Command1_Click();
    void Command2_Click();
    SaveResult saveWarningOfFailure();

    ConfigWindowServices services_;
    // The code page the captions are decoded and converted with.
    unsigned windowCodePage_;
    Form form_;
    GameSettings settings_;
};

} // namespace lurn
