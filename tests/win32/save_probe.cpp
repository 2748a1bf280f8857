// Saves the settings of a game folder as the configuration window does, over
// the real Win32 layer. `save_probe <folder> <width>` saves once and exits
// with 0 when the save completed, 1 when not; `save_probe <folder> <width>
// <width>` saves with the two widths in turn until it is killed.

#include "settings/mod_ini_edit.h"
#include "support/win32_test_support.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 && argc != 4) {
        return 2;
    }
    const auto text = [&](int i) {
        return lurn::Text(reinterpret_cast<char16_t*>(argv[i]));
    };
    lurn::ModINIedit::IniPath = lurn::joinPath(text(1), u"qebmod.ini");
    for (int width = 2;; width = argc == 3 ? 2 : 5 - width) {
        const bool completed = lurn::wintest::saveSettings(text(width));
        if (argc == 3) {
            return completed ? 0 : 1;
        }
    }
}
