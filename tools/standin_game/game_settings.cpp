#include "game_settings.h"

#include <windows.h>

#include <array>

namespace standin {

namespace {

struct SettingKey {
    const wchar_t* section;
    const wchar_t* key;
};

constexpr std::array<SettingKey, 12> kGameSettings{{
    {L"set", L"simple"},
    {L"video", L"FULLSCREEN"},
    {L"system", L"SMOOTH"},
    {L"system", L"GLHR"},
    {L"system", L"RESOLUTIONX"},
    {L"system", L"RESOLUTIONY"},
    {L"Music", L"VOLUME"},
    {L"Music", L"VOLUMEWAV"},
    {L"Music", L"SOUND3D"},
    {L"set", L"WALK_SPEED1"},
    {L"set", L"WALK_SPEED2"},
    {L"set", L"BATTLE_SPEED"},
}};

// No setting of the game takes this value; GetPrivateProfileIntW returns
// it only for a key that is not there.
constexpr int kAbsent = -65536;

} // namespace

std::vector<SettingValue> readGameSettings(const std::wstring& iniPath) {
    std::vector<SettingValue> values;
    for (const SettingKey& setting : kGameSettings) {
        const int value = static_cast<int>(
            GetPrivateProfileIntW(setting.section, setting.key, kAbsent, iniPath.c_str()));
        values.push_back({setting.section, setting.key,
                          value == kAbsent ? std::nullopt : std::optional<int>(value)});
    }
    return values;
}

std::wstring settingLine(const SettingValue& setting) {
    return std::wstring(setting.section) + L'/' + setting.key + L" = " +
           (setting.value ? std::to_wstring(*setting.value) : std::wstring(L"missing"));
}

} // namespace standin
