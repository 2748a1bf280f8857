#include "config_window/game_launch.h"

namespace lurn {

LaunchResult startGame(const SystemInfo& system, const ProgramLauncher& launcher) {
    const Text directory = system.programDirectory();
    return launcher.open(joinPath(directory, u"qeb_lurn.exe"), directory);
}

} // namespace lurn
