// Saves the settings in a game folder as the configuration window does, over
// the real Win32 layer, with the text given as the value of every setting.
// `save_probe <folder> <value>` saves once and exits with 0 when the save
// completed, 1 when not; `save_probe <folder> <value> <value>` saves with the
// two values in turn until it is killed. Its files are opened as on Windows,
// which refuses to overwrite a hidden or system file (CREATE_ALWAYS,
// TRUNCATE_EXISTING) unless the caller asks for those attributes again
// (Microsoft: CreateFile); Wine overwrites it.

#include "app/win32/settings_file_copies.h"
#include "app/win32/system_library.h"
#include "app/win32/win32_ports.h"
#include "settings/game_settings.h"
#include "settings/mod_ini_edit.h"
#include "settings/settings_save.h"
#include "support/win32_test_support.h"

namespace {

HANDLE WINAPI openedAsOnWindows(LPCWSTR name, DWORD access, DWORD sharing,
                                LPSECURITY_ATTRIBUTES security, DWORD disposition, DWORD flags,
                                HANDLE model) {
    const DWORD attributes = GetFileAttributesW(name);
    if ((disposition == CREATE_ALWAYS || disposition == TRUNCATE_EXISTING) &&
        attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & ~flags & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) != 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    const auto opened = lurn::win32::lookUp<decltype(&::CreateFileW)>(
        GetModuleHandleW(L"kernel32.dll"), "CreateFileW");
    return opened(name, access, sharing, security, disposition, flags, model);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    using namespace lurn;
    const wintest::ImportPatch windowsOpens(reinterpret_cast<const void*>(&CreateFileW),
                                            reinterpret_cast<const void*>(&openedAsOnWindows));
    const win32::ProfileFunctions profile;
    const win32::WorkingCopies files;
    ModINIedit::IniPath = joinPath(reinterpret_cast<char16_t*>(argv[1]), u"qebmod.ini");
    for (int value = 2;; value = argc == 3 ? 2 : 5 - value) {
        ModINIedit::SettingsSave save(profile, files);
        for (const SettingDefinition& setting : kGameSettingsSchema) {
            ModINIedit::WriteIniString(save, setting.section, setting.key,
                                       reinterpret_cast<char16_t*>(argv[value]));
        }
        if (const bool completed = save.finish() == ModINIedit::SaveEnd::Completed; argc == 3) {
            return completed ? 0 : 1;
        }
    }
}
