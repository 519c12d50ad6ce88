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
    // Counts characters, not bytes: names are kept as UTF-8.
    std::string fixed;
    int characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const bool starts = (byte & 0xC0) != 0x80;
        if (starts && characters == 10) {
            break;
        }
        characters += starts ? 1 : 0;
        fixed += text[i];
    }
    fixed.append(static_cast<std::size_t>(10 - characters), ' ');
    return fixed;
}

} // namespace game
