// The program's start-up: one running copy only, the program folder, the
// user's data folder, the options, and then exactly one first window (the welcome dialog, the
// splash window or the board window). The windows themselves plug in through StartupWindows.
#pragma once

#include "game/Program.h"

#include <QString>
#include <functional>

namespace shell {

// How start-up opens the three windows it may begin with.
struct StartupWindows {
    // Shows the board window modeless and returns.
    std::function<void()> ShowBoardWindow;
    // Shows the welcome dialog modal and returns when it has closed, with
    // Program::PlayChosen and Program::SettingsChanged set as the user chose.
    std::function<void()> ShowWelcomeDialog;
    // Shows the splash window and returns; the splash opens the board window.
    std::function<void()> ShowSplash;
};

// Stand-ins until the real windows are built: every one of them opens a plain
// main window captioned "Quorvane 2.0" (the welcome stand-in chooses Play).
StartupWindows PlaceholderWindows(game::Program& program);

// The program folder with exactly one trailing '/'.
QString AppPathFrom(const QString& folder);

// The user's data folder for the game with one trailing '/', named as the
// settings are (on Linux ~/.local/share/Quorvane/Quorvane2/). It is not
// created here: the first table written creates it.
QString ScoresPath();

// The critical "already running" box of a second start.
void ShowAlreadyRunning();

// Opens the first window by the settings: the welcome dialog when ShowDialog
// is set (saving the settings afterwards when they changed, then the board
// window when Play was chosen), else the splash window when ShowSplash is
// set, else the board window. Returns true when a window is left open.
bool OpenFirstWindow(game::Program& program, const StartupWindows& windows);

// The whole start-up, then the event loop; returns the process's exit status.
// Needs the QApplication to exist. Nothing on the command line is used.
int Main(game::Program& program, const StartupWindows& windows);

} // namespace shell
