#pragma once
// The twelve settings the game reads from qebmod.ini, read the way the game
// reads them: as integers, key by key.

#include <optional>
#include <string>
#include <vector>

namespace standin {

struct SettingValue {
    const wchar_t* section;
    const wchar_t* key;
    std::optional<int> value; // empty when the key is not in the file
};

std::vector<SettingValue> readGameSettings(const std::wstring& iniPath);

// "section/KEY = value", or "= missing" for an absent key.
std::wstring settingLine(const SettingValue& setting);

} // namespace standin
