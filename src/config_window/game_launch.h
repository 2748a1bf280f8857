#pragma once
// Starting the game: qeb_lurn.exe in the program's directory.

#include "app/ports.h"

namespace lurn {

// Opens qeb_lurn.exe in the program's directory, with that directory as its
// working directory; true when the game was started.
bool startGame(const SystemInfo& system, const ProgramLauncher& launcher);

} // namespace lurn
