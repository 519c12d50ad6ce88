#include "Program.h"

namespace game {

GameSettings GameSettings::FirstRunDefaults() {
    GameSettings s;
    s.NumberOfDice = 5;
    s.NumberOfPlayers = 1;
    s.NumberOfColumns = 4;
    s.ShowDialog = true;
    s.ShowStatusBar = true;
    s.ConfirmOnExit = true;
    s.ConfirmQuitGame = true;
    s.SoundOnExit = true;
    s.SoundEnabled = true;
    s.hintAllways = false;
    s.ShowGridLines = true;
    s.Player1 = FixedText10("Player 1");
    s.Player2 = FixedText10("Player 2");
    return s;
}

std::string FixedText10(const std::string& text) {
    std::string fixed = text.substr(0, 10);
    fixed.resize(10, ' ');
    return fixed;
}

} // namespace game
