#pragma once
// The twelve game settings: the record the configuration window holds, and
// the schema that ties each to its place in the settings file and to the
// control that shows it. The schema's order is the order of reading and of
// writing.

#include <array>
#include <cstdint>

namespace lurn {

struct GameSettings {
    std::int32_t simple = 0;
    std::int32_t FULLSCREEN = 0;
    std::int32_t SMOOTH = 0;
    std::int32_t GLHR = 0;
    std::int32_t RESOLUTIONX = 0;
    std::int32_t RESOLUTIONY = 0;
    std::int32_t VOLUME = 0;
    std::int32_t VOLUMEWAV = 0;
    std::int32_t SOUND3D = 0;
    std::int32_t WALK_SPEED1 = 0;
    std::int32_t WALK_SPEED2 = 0;
    std::int32_t BATTLE_SPEED = 0;
};

// How a setting is shown.
enum class SettingControl : std::uint8_t {
    OptionGroup, // the value is the index of the selected element
    TextBox,     // decimal text; saved from the box exactly as typed
    CheckBox,
    ScrollBar,
};

struct SettingDefinition {
    const char16_t* section;
    const char16_t* key;
    std::int32_t GameSettings::*member;
    SettingControl controlKind;
    const char* control;
    int fillStep; // 1..12: when loading hands the value to its control
};

inline constexpr std::array<SettingDefinition, 12> kGameSettingsSchema{{
    {u"set", u"simple", &GameSettings::simple, SettingControl::OptionGroup, "Option1", 1},
    {u"video", u"FULLSCREEN", &GameSettings::FULLSCREEN, SettingControl::OptionGroup, "Option3", 2},
    {u"system", u"SMOOTH", &GameSettings::SMOOTH, SettingControl::CheckBox, "Check2", 5},
    {u"system", u"GLHR", &GameSettings::GLHR, SettingControl::CheckBox, "Check3", 6},
    {u"system", u"RESOLUTIONX", &GameSettings::RESOLUTIONX, SettingControl::TextBox, "txtwidth", 3},
    {u"system", u"RESOLUTIONY", &GameSettings::RESOLUTIONY, SettingControl::TextBox, "txtheight",
     4},
    {u"Music", u"VOLUME", &GameSettings::VOLUME, SettingControl::ScrollBar, "HScroll1", 8},
    {u"Music", u"VOLUMEWAV", &GameSettings::VOLUMEWAV, SettingControl::ScrollBar, "HScroll2", 9},
    {u"Music", u"SOUND3D", &GameSettings::SOUND3D, SettingControl::CheckBox, "Check4", 7},
    {u"set", u"WALK_SPEED1", &GameSettings::WALK_SPEED1, SettingControl::ScrollBar, "HScroll3", 10},
    {u"set", u"WALK_SPEED2", &GameSettings::WALK_SPEED2, SettingControl::ScrollBar, "HScroll4", 11},
    {u"set", u"BATTLE_SPEED", &GameSettings::BATTLE_SPEED, SettingControl::ScrollBar, "HScroll5",
     12},
}};

// The schema's rows in the order in which loading hands them to the
// controls: the option groups, the size boxes, the check boxes, the bars.
std::array<const SettingDefinition*, 12> settingsInFillOrder();

// A control value is a signed 16-bit number: the low 16 bits of the setting.
constexpr std::int16_t controlValueOf(std::int32_t setting) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(setting & 0xFFFF));
}

} // namespace lurn
