#include "settings/mod_ini_edit.h"

#include "app/runtime_error.h"
#include "settings/settings_save.h"

namespace lurn::ModINIedit {

Text IniPath;

std::int32_t ReadIniInt(const ProfileStore& store, const Text& section, const Text& key) {
    const std::int32_t value = store.readInt(section, key, kMissingValue, IniPath);
    if (value == kMissingValue) {
        // Nothing read may be a file that is there but cannot be opened: say
        // so, rather than send the player looking for a key that is there.
        if (const auto failure = store.readFailure(IniPath)) {
            const Text fileName = IniPath.substr(IniPath.find_last_of(u"\\/") + 1);
            throw RuntimeError{failure->number, fileName + u" cannot be read: " + failure->reason};
        }
        throw RuntimeError{kSettingNotFound,
                           u"INI Section " + section + u" Key " + key + u" Not found"};
    }
    return value;
}

bool WriteIniString(SettingsSave& save, const Text& section, const Text& key, const Text& value) {
    return save.write(section, key, value);
}

} // namespace lurn::ModINIedit
