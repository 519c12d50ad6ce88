// The program's real windows, wired together: the board window with its
// services (sounds, settings, dialogs, links) and the start-up windows.
#pragma once

#include "Startup.h"
#include "board/frmQuorvane.h"

namespace shell {

StartupWindows RealWindows(game::Program& program);

// What the board window gets from the rest of the program: sounds, settings,
// links and every dialog it opens.
ui::BoardServices BoardServicesFor(game::Program& program);

} // namespace shell
