// Program-wide variables shared by the game logic, the board window and the
// dialogs: the settings, the dice flags, dialog results and new-score values.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace game {

// The options kept per user, under their stored value names.
struct GameSettings {
    std::int32_t NumberOfDice = 0;    // index of the last die: 4 = five dice, 5 = six
    std::int32_t NumberOfPlayers = 0; // 1 or 2
    std::int32_t NumberOfColumns = 0; // 4 = Yamb, 1 = Yahtzee
    std::string Player1;              // always exactly 10 characters once loaded
    std::string Player2;
    bool SoundEnabled = false;
    bool hintAllways = false;
    bool ShowDialog = false;
    bool ShowSplash = false;
    bool ShowStatusBar = false;
    bool ConfirmOnExit = false;
    bool ConfirmQuitGame = false;
    bool SoundOnExit = false;
    bool ShowGridLines = false;

    // The values a first run starts with (ShowSplash stays as it was).
    static GameSettings FirstRunDefaults();
};

// A player name or date as stored: cut to 10 characters or padded with blanks.
std::string FixedText10(const std::string& text);

// One place of a top-score table.
struct ScoreRecord {
    std::string Name = std::string(1, '\0') + std::string(9, ' ');
    std::int32_t Score = -9999;
    std::string Date = std::string(1, '\0') + std::string(9, ' ');
};

// What became of a finished game's score in the top-score table.
enum class TopScoreOutcome {
    Compared,        // compared with the table; entered when it took a place
    TableUnreadable, // the table could not be read, so nothing was compared
    NotSaved,        // it took a place, but the table could not be written
};

struct Program {
    GameSettings Settings;

    std::array<bool, 6> DieFree{};
    std::int32_t LastDie = 0;
    bool SoundOn = false;
    bool RedoInProgress = false;
    bool GameInProgress = false;

    // Dialog results.
    bool EndGameFinish = false;
    bool PlayChosen = false;
    bool SettingsChanged = false;
    std::int32_t NewGameAnswer = 0; // 0 none, 1 OK, 2 Cancel

    // Final totals of a two-player game.
    std::int32_t Player1Total = 0;
    std::int32_t Player2Total = 0;

    // Filled by the top-score insertion, read by the top-score dialog.
    ScoreRecord NewScore;
    std::int32_t NewScoreValue = 0;
    std::int32_t NewScorePosition = -1;
    TopScoreOutcome NewScoreOutcome = TopScoreOutcome::Compared;
    bool ShowNewScore = false;
    bool OpenedFromBoard = false;

    // Board position recorded by New Game, in twips; 0 = none recorded.
    std::int32_t BoardLeft = 0;
    std::int32_t BoardTop = 0;

    // The program's folder with one trailing '/': sounds, cursor and help.
    std::string AppPath;
    // The user's data folder for the game with one trailing '/': the
    // top-score tables are kept in its "scores/" folder.
    std::string ScoresPath;
};

} // namespace game
