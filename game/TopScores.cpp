// Entering a finished game's total into the top-score table of the rule set
// and dice count in play.
#include "Game.h"
#include "NumberText.h"
#include "TopScoreAdoption.h"
#include "TopScoreFile.h"

namespace game {

void Game::EnterTopScore() {
    const GameSettings& settings = prog.Settings;
    const int table = ScoreTableNumber(settings.NumberOfColumns, settings.NumberOfDice);
    const std::string fileName = TopScoreFileName(prog.ScoresPath, table);

    const std::int32_t score = ReadWholeNumber(board.lblGrandTotal.Caption);
    prog.NewScoreValue = score;

    // Panel 1 names the player on turn; only a two-player game can be Player2's.
    std::string name = settings.Player1;
    if (settings.NumberOfPlayers == 2 &&
        board.StatusBar1.Panels[1].Text != FixedText10(settings.Player1)) {
        name = settings.Player2;
    }
    prog.NewScore = MakeScoreRecord(name, score, host.TodayText());

    // Tables of an earlier version that the start could not copy (a full
    // disk) are copied before this game's table makes the scores folder;
    // once that folder is there, no start would copy them any more.
    const std::string adoption = AdoptTopScoreTables(prog.AppPath, prog.ScoresPath);
    if (!adoption.empty()) {
        host.MessageBox(adoption, "Open scores", MsgButtons::OK, MsgIcon::Information);
    }

    const TopScoreEntry entry = EnterTopScoreInFile(fileName, prog.NewScore);
    if (!entry.Message.empty()) {
        host.MessageBox(entry.Message, "Open scores", MsgButtons::OK, MsgIcon::Information);
    }

    prog.NewScorePosition = entry.Place;
    prog.NewScoreOutcome = entry.Outcome;
    prog.OpenedFromBoard = true;
    prog.ShowNewScore = true;
}

} // namespace game
