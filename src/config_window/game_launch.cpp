#include "config_window/game_launch.h"

namespace lurn {

namespace {

// ShellExecute's results above this value mean the program was started.
constexpr std::intptr_t kLastShellError = 32;

} // namespace

bool startGame(const SystemInfo& system, const ProgramLauncher& launcher) {
    const Text directory = system.programDirectory();
    return launcher.open(joinPath(directory, u"qeb_lurn.exe"), directory) > kLastShellError;
}

} // namespace lurn
