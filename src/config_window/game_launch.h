#pragma once
// Starting the game: qeb_lurn.exe in the program's directory.

#include "app/ports.h"

namespace lurn {

// Opens qeb_lurn.exe in the program's directory, with that directory as its
// working directory.
LaunchResult startGame(const SystemInfo& system, const ProgramLauncher& launcher);

} // namespace lurn
