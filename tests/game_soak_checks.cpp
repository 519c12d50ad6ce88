// The checks the soak player runs after every handler: the sheets' sums,
// the offered cells, the undo commands, the dice, the top-score entries and
// the end of the game; see SoakPlayer.h.
#include "SoakPlayer.h"

namespace testing_support {

using namespace game;

namespace {

const char* const ColumnNames[] = {"", "Down", "Up", "Rand", "Oblg"};

bool UndoEnabled(const Board& b) {
    return b.Toolbar2.Buttons[3].Enabled || b.mnuUndoUndo.Enabled;
}
bool RedoEnabled(const Board& b) {
    return b.Toolbar2.Buttons[4].Enabled || b.mnuUndoRedo.Enabled;
}

} // namespace

void SoakPlayer::Check(const std::string& name) {
    if (!fault.empty()) {
        return;
    }
    const std::string f = Fault();
    if (f.empty()) {
        return;
    }
    fault = "after " + name + ": " + f + "\n  settings: " +
            Describe({prog.Settings.NumberOfDice, prog.Settings.NumberOfColumns,
                      prog.Settings.NumberOfPlayers}) +
            ", game " + std::to_string(tally.games + 1) + "\n  last actions:";
    for (const auto& action : log_) {
        fault += "\n    " + action;
    }
}

std::string SoakPlayer::Fault() {
    const bool four = prog.Settings.NumberOfColumns == 4;
    if (!host.unexpected.empty()) {
        return "unexpected message " + host.unexpected.front();
    }
    if (!host.questionFault.empty()) {
        return host.questionFault;
    }
    if (host.finishAnswers.size() > 1) {
        return "\"Finish Game?\" asked " + std::to_string(host.finishAnswers.size()) +
               " times in one handler";
    }
    tally.questions += static_cast<int>(host.finishAnswers.size());
    tally.redoQuestions += inRedo_ ? static_cast<int>(host.finishAnswers.size()) : 0;
    tally.reminders += host.reminders;
    for (bool finish : host.finishAnswers) {
        tally.undoAnswers += finish ? 0 : 1;
    }
    if (prog.RedoInProgress) {
        return "RedoInProgress left set";
    }
    if (board.CalcOnly) {
        return "CalcOnly left set";
    }
    if (board.RollCount < 0 || board.RollCount > 3) {
        return "RollCount " + std::to_string(board.RollCount);
    }

    std::string sheet = SheetFault(ShownSheet(board, four), "shown sheet");
    if (!sheet.empty()) {
        return sheet;
    }
    if (TwoPlayers() && board.SavedSheetReady) {
        const SavedSheet& saved = four ? board.Saved4 : board.Saved1;
        sheet = SheetFault(SavedSheetView(saved, four), "saved sheet");
        if (!sheet.empty()) {
            return sheet;
        }
        if (board.OtherPlayerTotal != saved.GrandTotal) {
            return "OtherPlayerTotal " + std::to_string(board.OtherPlayerTotal) +
                   " but the waiting sheet's total is " + std::to_string(saved.GrandTotal);
        }
    }

    for (int column = colDown; column <= colOblg; ++column) {
        for (int row = 0; row < RowCount; ++row) {
            if (!board.Buttons(column)[row].Visible) {
                continue;
            }
            const std::string at =
                std::string("cmd") + ColumnNames[column] + "(" + std::to_string(row) + ")";
            if (!board.Cells(column)[row].Caption.empty()) {
                return at + " shown over the filled cell " + board.Cells(column)[row].Caption;
            }
            if (!four && column != colRand) {
                return at + " shown in the one-column game";
            }
        }
    }

    if (board.Toolbar2.Buttons[3].Enabled != board.mnuUndoUndo.Enabled ||
        board.Toolbar2.Buttons[4].Enabled != board.mnuUndoRedo.Enabled) {
        return "toolbar and menu disagree on undo or redo";
    }
    for (int die = 0; die <= prog.LastDie; ++die) {
        if (board.picDice[die].Visible == board.PicDiceOff[die].Visible) {
            return "die " + std::to_string(die) + " shows both looks or neither";
        }
        if (board.RollCount > 0 && (board.Dice[die] < 1 || board.Dice[die] > 6)) {
            return "die " + std::to_string(die) + " shows " + std::to_string(board.Dice[die]);
        }
        // Before the third roll a die is rolled exactly while its free look
        // is shown; the third roll frees every die in the look it has.
        if (board.RollCount < 3 && prog.DieFree[die] != board.picDice[die].Visible) {
            return "die " + std::to_string(die) + " is " + (prog.DieFree[die] ? "free" : "held") +
                   " but shows the other look";
        }
    }
    // The lamps count the rolls of the turn, and only a rolled turn offers
    // a cell that can be clicked.
    int lit = 0;
    for (int k = 0; k < 3; ++k) {
        if (board.picRound[k].Visible == board.picRoundBG[k].Visible) {
            return "lamp " + std::to_string(k) + " both lit and unlit";
        }
        lit += board.picRound[k].Visible ? 1 : 0;
    }
    if (lit != board.RollCount) {
        return std::to_string(lit) + " lamps lit with RollCount " + std::to_string(board.RollCount);
    }
    if (board.RollCount == 0) {
        for (int column = colDown; column <= colOblg; ++column) {
            for (int row = 0; row < RowCount; ++row) {
                const Control& button = board.Buttons(column)[row];
                if (button.Visible && button.Enabled) {
                    return std::string("cmd") + ColumnNames[column] + "(" + std::to_string(row) +
                           ") offered before the turn's first roll";
                }
            }
        }
    }

    const std::string entry = EntryFault();
    if (!entry.empty()) {
        return entry;
    }
    return EndFault();
}

// Every top-score insertion of the handler holds the total the game ended
// with, under the right name, at the place it reports.
std::string SoakPlayer::EntryFault() {
    const int players = prog.Settings.NumberOfPlayers;
    if (host.entries.empty()) {
        if (host.topScoreDialogs != 0 || !host.winners.empty()) {
            return "a top-score or winner dialog without an entry";
        }
        return "";
    }
    if (host.entries.size() > 1) {
        return "two top-score entries in one handler";
    }
    const SoakHost::Entry& e = host.entries.front();
    ++entriesThisGame_;
    ++tally.entries;
    if (entriesThisGame_ > players) {
        return "top-score entry number " + std::to_string(entriesThisGame_) + " in a game of " +
               std::to_string(players) + " player(s)";
    }
    if (board.Round != Moves()) {
        return "top-score entry with Round " + std::to_string(board.Round);
    }
    if (prog.NewScoreValue != e.score) {
        return "NewScoreValue " + std::to_string(prog.NewScoreValue) + " for a total of " +
               std::to_string(e.score);
    }
    const TopScoreTable table = ReadTopScoreTable(ScoreFile());
    if (table.State != TopScoreFileState::Clean) {
        return "the top-score file does not read back clean: " + table.Problem;
    }
    for (int i = 1; i < TopScorePlaces; ++i) {
        if (!IsEmptyPlace(table.Places[i]) && table.Places[i].Score > table.Places[i - 1].Score) {
            return "top-score table out of order at place " + std::to_string(i + 1);
        }
    }
    const int place = prog.NewScorePosition;
    if (place >= 1 && place <= TopScorePlaces) {
        ++tally.placed;
        const ScoreRecord& r = table.Places[place - 1];
        if (r.Score != e.score || r.Name != ScoreText10(e.name) ||
            r.Date != ScoreText10(SoakToday)) {
            return "place " + std::to_string(place) + " holds " + std::to_string(r.Score) + " \"" +
                   r.Name + "\" for the total " + std::to_string(e.score) + " of \"" + e.name +
                   "\"";
        }
    } else if (place == -1) {
        for (const ScoreRecord& r : table.Places) {
            if (IsEmptyPlace(r) || r.Score < e.score) {
                return "the total " + std::to_string(e.score) + " took no place in a table with " +
                       std::to_string(r.Score);
            }
        }
    } else {
        return "NewScorePosition " + std::to_string(place);
    }
    const bool dialogDue = players == 1 || place != -1;
    if (host.topScoreDialogs != (dialogDue ? 1 : 0)) {
        return "top-score dialog shown " + std::to_string(host.topScoreDialogs) + " times";
    }
    if (players == 2) {
        if (!e.secondPlayer && prog.Player1Total != e.score) {
            return "Player1Total " + std::to_string(prog.Player1Total) + " for " +
                   std::to_string(e.score);
        }
        if (e.secondPlayer) {
            if (prog.Player2Total != e.score || host.winners.size() != 1) {
                return "the second player's end without its total or the winner dialog";
            }
            const std::string& winner = host.winners.front().lblWiner;
            const std::string expected =
                prog.Player1Total > prog.Player2Total   ? prog.Settings.Player1 + "Wins!"
                : prog.Player2Total > prog.Player1Total ? prog.Settings.Player2 + "Wins!"
                                                        : "It's a Draw!";
            if (winner != expected) {
                return "winner \"" + winner + "\", expected \"" + expected + "\"";
            }
        } else if (!host.winners.empty()) {
            return "winner dialog after the first player's end";
        }
    }
    // The game is over for this sheet: its last move cannot be taken back
    // and entered a second time.
    if (UndoEnabled(board) || RedoEnabled(board)) {
        return "undo or redo still offered after the sheet's total was entered";
    }
    return "";
}

// The game is over exactly when every sheet is full, and then nothing but
// New Game (and the board viewer) is on offer.
std::string SoakPlayer::EndFault() {
    const int moves = Moves();
    int waitingRound = moves;
    if (TwoPlayers()) {
        const SavedSheet& saved = prog.Settings.NumberOfColumns == 4 ? board.Saved4 : board.Saved1;
        waitingRound = board.SavedSheetReady ? saved.Round : 0;
    }
    const bool allFull = board.Round == moves && waitingRound == moves;
    if (allFull != board.GameIsOver) {
        return std::string(board.GameIsOver ? "GameIsOver" : "game not over") + " with Round " +
               std::to_string(board.Round) + " and the waiting sheet at " +
               std::to_string(waitingRound);
    }
    if (board.GameIsOver) {
        if (board.picRollDices.Enabled) {
            return "roll picture enabled after the game";
        }
        if (UndoEnabled(board) || RedoEnabled(board)) {
            return "undo or redo offered after the game";
        }
        if (board.cmdNextPlayer.Visible) {
            return "Next Player offered after the game";
        }
        if (entriesThisGame_ != prog.Settings.NumberOfPlayers) {
            return std::to_string(entriesThisGame_) + " top-score entries for the game";
        }
    }
    if (!host.finishAnswers.empty() && !host.finishAnswers.back()) {
        // Undo Last Move: the move is back, redo is on offer, undo is not.
        if (board.Round != moves - 1 || board.GameIsOver) {
            return "Undo Last Move left Round " + std::to_string(board.Round);
        }
        if (!RedoEnabled(board) || UndoEnabled(board)) {
            return "after Undo Last Move redo is not offered or undo still is";
        }
        if (board.cmdNextPlayer.Visible) {
            return "Next Player offered after Undo Last Move";
        }
    }
    return "";
}

} // namespace testing_support
