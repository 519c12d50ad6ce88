// The program's real windows, wired together: the board window with its
// services (sounds, settings, dialogs, links) and the start-up windows.
#pragma once

#include "Startup.h"
#include "board/frmQuorvane.h"

namespace shell {

StartupWindows RealWindows(game::Program& program);

// Gives every window of the program the game's icon, from the event-loop turn
// after the first window has been drawn on screen: painting the icon in all
// its sizes would otherwise hold that window back. Windows already open take
// the icon up then, and windows opened later are born with it. Call it once,
// before the first window opens.
void SetProgramIconAfterFirstFrame();

// What the board window gets from the rest of the program: sounds, settings,
// links and every dialog it opens.
ui::BoardServices BoardServicesFor(game::Program& program);

} // namespace shell
