// The program's real windows, wired together: the board window with its
// services (sounds, settings, dialogs, links) and the start-up windows.
#pragma once

#include "Startup.h"

namespace shell {

StartupWindows RealWindows(game::Program& program);

} // namespace shell
