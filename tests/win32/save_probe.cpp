// Saves the settings in a game folder as the configuration window does, over
// the real Win32 layer, with the text given as the value of every setting.
// `save_probe <folder> <value>` saves once and exits with 0 when the save
// completed, 1 when not; `save_probe <folder> <value> <value>` saves with the
// two values in turn until it is killed.

#include "app/win32/settings_file_copies.h"
#include "app/win32/win32_ports.h"
#include "settings/game_settings.h"
#include "settings/mod_ini_edit.h"
#include "settings/settings_save.h"

int wmain(int argc, wchar_t** argv) {
    using namespace lurn;
    const win32::ProfileFunctions profile;
    const win32::WorkingCopies files;
    ModINIedit::IniPath = joinPath(reinterpret_cast<char16_t*>(argv[1]), u"qebmod.ini");
    for (int value = 2;; value = argc == 3 ? 2 : 5 - value) {
        ModINIedit::SettingsSave save(profile, files);
        for (const SettingDefinition& setting : kGameSettingsSchema) {
            ModINIedit::WriteIniString(save, setting.section, setting.key,
                                       reinterpret_cast<char16_t*>(argv[value]));
        }
        if (const bool completed = save.finish(); argc == 3) {
            return completed ? 0 : 1;
        }
    }
}
