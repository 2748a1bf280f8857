// Starting the game: save, then open qeb_lurn.exe in the program's
// directory, whether or not the save succeeded (the player was warned). A
// started game ends this program at once.

#include "config_window/dovmirant_config.h"

namespace lurn {

namespace {

// ShellExecute's results above this value mean the program was started.
constexpr std::intptr_t kLastShellError = 32;

} // namespace

void Dovmirant_Config::Command2_Click() {
    if (saveINI() == SaveResult::Failed) {
        services_.dialogs.message(u"save failed!", u"Warning");
    }
    const Text directory = services_.system.programDirectory();
    const std::intptr_t result =
        services_.launcher.open(joinPath(directory, u"qeb_lurn.exe"), directory);
    if (result > kLastShellError) {
        services_.process.end(0);
        return;
    }
    services_.dialogs.message(u"file missed!", u"Warning");
}

} // namespace lurn
