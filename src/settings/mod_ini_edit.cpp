#include "settings/mod_ini_edit.h"

#include "app/runtime_error.h"
#include "settings/settings_save.h"

namespace lurn::ModINIedit {

Text IniPath;

std::int32_t ReadIniInt(const ProfileStore& store, const Text& section, const Text& key) {
    const std::int32_t value = store.readInt(section, key, kMissingValue, IniPath);
    if (value == kMissingValue) {
        throw RuntimeError{kSettingNotFound,
                           u"INI Section " + section + u" Key " + key + u" Not found"};
    }
    return value;
}

bool WriteIniString(SettingsSave& save, const Text& section, const Text& key, const Text& value) {
    return save.write(section, key, value);
}

} // namespace lurn::ModINIedit
