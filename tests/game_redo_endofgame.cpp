// The last move of a game through the real handlers. Its redo: the replay
// asks "Finish Game?" again; Undo Last Move takes the replayed move back once
// more (redo stays on offer, undo does not come back, nothing is entered);
// Finish Game ends the sheet (the total is entered once, undo and redo are
// withdrawn, and Next Player is offered only while the other player still
// has a sheet to fill). Every column kind, one and two players; and the
// last move made on the third roll, which ends the game without a question.
#include "BoardPicture.h"
#include "TempFolder.h"
#include "TurnTable.h"
#include "game/TopScoreFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace game;
using testing_support::BoardPicture;
using testing_support::ExpectSamePicture;
using testing_support::TakePicture;
using testing_support::TempFolder;
using testing_support::TurnTable;

namespace {

// Who writes the last box: the only player, or one of two.
enum class Seat { Alone, FirstOfTwo, SecondOfTwo };

// Values of a filled sheet; the upper rows stay below the bonus.
constexpr int FillValue[RowCount] = {1, 2, 3, 4, 5, 6, 20, 10, 0, 0, 0, 0, 0};

struct LastBox {
    std::string name;
    int columns;
    Seat seat;
    int column;
    int row;
    std::vector<int> faces; // every roll of the last turn shows these
    int rolls;              // rolls before the write: 1 or 2
    int points;             // what the write adds to the grand total
};

struct LastMoveTable : TurnTable {
    TempFolder folder;
    const LastBox& box;

    explicit LastMoveTable(const LastBox& b)
        : TurnTable(4, b.columns, b.seat == Seat::Alone ? 1 : 2), box(b) {
        prog.AppPath = folder.appPath();
        prog.ScoresPath = folder.appPath();
        prog.Settings.Player1 = FixedText10("Ann");
        prog.Settings.Player2 = FixedText10("Bob");
        board.StatusBar1.Panels[1].Text = prog.Settings.Player1;
        MidGame();
        FillAllButTheLastBox();
        if (b.seat != Seat::Alone) {
            SavedSheet& saved = b.columns == 4 ? board.Saved4 : board.Saved1;
            board.SavedSheetReady = true;
            const bool second = b.seat == Seat::SecondOfTwo;
            // The other player's sheet: full, or with Rand's straight open.
            for (auto& cells : saved.Cells) {
                cells.fill(1);
            }
            if (!second) {
                saved.Cells[colRand][rowStraight] = 2000;
            }
            saved.Round = second ? game.MovesPerSheet() : game.MovesPerSheet() - 1;
            saved.GrandTotal = second ? 150 : 80;
            board.OtherPlayerTotal = saved.GrandTotal;
            if (second) {
                prog.Player1Total = 150;
                board.SecondPlayerTurn.fill(true);
                board.Caption = "Quorvane - Player 2";
                board.StatusBar1.Panels[1].Text = prog.Settings.Player2;
            }
        }
    }

    // Every box of the shown sheet written but one, with its totals.
    void FillAllButTheLastBox() {
        int grand = 0;
        int round = 0;
        for (int column = colDown; column <= colOblg; ++column) {
            if (prog.Settings.NumberOfColumns == 1 && column != colRand) {
                continue;
            }
            int upper = 0;
            int upperRows = 0;
            int lower = 0;
            for (int row = 0; row < RowCount; ++row) {
                if (column == box.column && row == box.row) {
                    continue;
                }
                board.Cells(column)[row].Caption = std::to_string(FillValue[row]);
                ++round;
                if (row <= rowSixes) {
                    upper += FillValue[row];
                    ++upperRows;
                } else if (row >= rowThreeOfAKind) {
                    lower += FillValue[row];
                }
            }
            const auto& cells = board.Cells(column);
            int middle = 0;
            if (!cells[rowOnes].Caption.empty() && !cells[rowMax].Caption.empty() &&
                !cells[rowMin].Caption.empty()) {
                middle = (FillValue[rowMax] - FillValue[rowMin]) * FillValue[rowOnes];
                board.MiddleTotal(column).Caption = std::to_string(middle);
            }
            board.UpperTotal(column).Caption = std::to_string(upper);
            board.ColumnTotal(column).Caption = std::to_string(upper + middle + lower);
            grand += upper + middle + lower;
            if (column == colRand) {
                board.RandUpperCount = upperRows;
            } else if (column == colOblg) {
                board.OblgUpperCount = upperRows;
            }
        }
        board.lblGrandTotal.Caption = std::to_string(grand);
        board.Round = round;
        board.DownRow = box.column == colDown ? box.row : 13;
        board.UpRow = box.column == colUp ? box.row : -1;
        ASSERT_EQ(board.Round, game.MovesPerSheet() - 1);
    }

    void Click() {
        const auto index = static_cast<std::int16_t>(box.row);
        game.CellClick(box.column, index);
    }

    // The last turn: its rolls (an Oblg box is announced by the first), then
    // the click that writes the box and brings the question.
    void WriteTheLastBox() {
        for (int roll = 0; roll < box.rolls; ++roll) {
            host.ScriptRoll({box.faces[0], box.faces[1], box.faces[2], box.faces[3], box.faces[4]});
            game.picRollDices_MouseUp(1, 0, 615, 645);
            host.randoms.clear();
        }
        ASSERT_TRUE(board.Buttons(box.column)[box.row].Visible);
        Click();
    }

    std::string ScoreFile() const {
        return TopScoreFileName(prog.ScoresPath, ScoreTableNumber(prog.Settings.NumberOfColumns,
                                                                  prog.Settings.NumberOfDice));
    }

    // The box is open again and offered, the question took nothing further.
    void ExpectTakenBack(int questions, const std::string& when) {
        SCOPED_TRACE(when);
        EXPECT_EQ(host.finishQuestions, questions);
        EXPECT_TRUE(board.Cells(box.column)[box.row].Caption.empty());
        EXPECT_EQ(board.Round, game.MovesPerSheet() - 1);
        EXPECT_TRUE(RedoOffered());
        EXPECT_FALSE(board.Toolbar2.Buttons[3].Enabled || board.mnuUndoUndo.Enabled)
            << "undo offered for a move that is already taken back";
        EXPECT_FALSE(board.GameIsOver);
        EXPECT_FALSE(std::filesystem::exists(ScoreFile())) << "nothing is entered";
        EXPECT_FALSE(board.cmdNextPlayer.Visible);
        EXPECT_FALSE(prog.RedoInProgress);
        EXPECT_TRUE(board.Buttons(box.column)[box.row].Visible);
        EXPECT_TRUE(board.Buttons(box.column)[box.row].Enabled);
        EXPECT_TRUE(board.HintAvailable) << "a hint can be asked for the restored dice";
    }

    void ExpectFinished(int questions, int grandBefore) {
        EXPECT_EQ(host.finishQuestions, questions);
        const int total = grandBefore + box.points;
        EXPECT_EQ(board.lblGrandTotal.Caption, std::to_string(total));
        EXPECT_EQ(board.Round, game.MovesPerSheet());
        EXPECT_FALSE(board.Toolbar2.Buttons[3].Enabled || board.mnuUndoUndo.Enabled);
        EXPECT_FALSE(board.Toolbar2.Buttons[4].Enabled || board.mnuUndoRedo.Enabled);
        EXPECT_FALSE(prog.RedoInProgress);
        const TopScoreTable table = ReadTopScoreTable(ScoreFile());
        EXPECT_EQ(table.Places[0].Score, total);
        EXPECT_TRUE(IsEmptyPlace(table.Places[1])) << "the total is entered once";
        switch (box.seat) {
        case Seat::Alone:
            EXPECT_TRUE(board.GameIsOver);
            EXPECT_FALSE(board.picRollDices.Enabled);
            EXPECT_TRUE(board.tmrGameOver.Enabled);
            break;
        case Seat::SecondOfTwo:
            EXPECT_TRUE(board.GameIsOver);
            EXPECT_FALSE(board.cmdNextPlayer.Visible) << "Next Player left on offer";
            EXPECT_EQ(host.winners.size(), 1u);
            EXPECT_EQ(prog.Player2Total, total);
            EXPECT_TRUE(board.cmdShowNextBoard.Visible);
            break;
        case Seat::FirstOfTwo:
            EXPECT_FALSE(board.GameIsOver);
            EXPECT_EQ(prog.Player1Total, total);
            EXPECT_TRUE(board.cmdNextPlayer.Visible) << "the second player's turn";
            EXPECT_TRUE(board.picRollDices.Enabled);
            EXPECT_TRUE(host.winners.empty());
            break;
        }
    }
};

std::vector<LastBox> LastBoxes() {
    std::vector<LastBox> boxes;
    const std::pair<Seat, const char*> seats[] = {{Seat::Alone, "one player"},
                                                  {Seat::FirstOfTwo, "first of two"},
                                                  {Seat::SecondOfTwo, "second of two"}};
    for (const auto& [seat, who] : seats) {
        const std::string w = who;
        boxes.push_back(
            {"Down five of a kind, " + w, 4, seat, colDown, 12, {4, 4, 4, 4, 4}, 1, 100});
        // Ones complete the middle total: 2 + (20 - 10) x 2.
        boxes.push_back({"Up Ones, " + w, 4, seat, colUp, 0, {1, 1, 2, 3, 4}, 2, 22});
        boxes.push_back({"Rand straight, " + w, 4, seat, colRand, 10, {1, 2, 3, 4, 5}, 1, 50});
        boxes.push_back({"one-column Rand, " + w, 1, seat, colRand, 10, {2, 3, 4, 5, 6}, 2, 60});
        boxes.push_back({"Oblg after one roll, " + w, 4, seat, colOblg, 9, {2, 2, 5, 5, 5}, 1, 39});
        boxes.push_back(
            {"Oblg after two rolls, " + w, 4, seat, colOblg, 9, {3, 3, 3, 6, 6}, 2, 41});
    }
    return boxes;
}

int Grand(const Board& b) {
    return std::stoi(b.lblGrandTotal.Caption);
}

} // namespace

TEST(RedoLastMove, UndoLastMoveAgainKeepsRedoAndOffersNoUndo) {
    for (const LastBox& box : LastBoxes()) {
        SCOPED_TRACE(box.name);
        LastMoveTable t(box);
        t.board.HintsAlwaysOn = true; // the hints come back with each take-back
        const int grandBefore = Grand(t.board);
        t.host.finishAnswers = {false, false, true};
        t.WriteTheLastBox();
        t.ExpectTakenBack(1, "Undo Last Move in the move itself");
        EXPECT_FALSE(t.board.lblTip[box.row].Caption.empty());
        const BoardPicture takenBack = TakePicture(t);

        t.host.ClearRecords();
        t.game.mnuUndoRedo_Click();
        t.ExpectTakenBack(2, "Undo Last Move in the replay");
        // The replay and its undo leave the board exactly as the first undo did.
        ExpectSamePicture(takenBack, TakePicture(t), {}, "replayed and taken back");
        EXPECT_EQ(std::count(t.host.sounds.begin(), t.host.sounds.end(), "redo"), 1);
        EXPECT_EQ(std::count(t.host.sounds.begin(), t.host.sounds.end(), "score"), 0);

        t.game.mnuUndoRedo_Click();
        t.ExpectFinished(3, grandBefore);
    }
}

TEST(RedoLastMove, FinishInTheReplayEndsTheSheetOnce) {
    for (const LastBox& box : LastBoxes()) {
        SCOPED_TRACE(box.name);
        LastMoveTable t(box);
        const int grandBefore = Grand(t.board);
        t.host.finishAnswers = {false, true};
        t.WriteTheLastBox();
        t.game.mnuUndoRedo_Click();
        t.ExpectFinished(2, grandBefore);
        if (box.seat == Seat::FirstOfTwo) {
            // The second player's turn comes up with the next press.
            t.game.cmdNextPlayer_Click();
            EXPECT_EQ(t.board.Caption, "Quorvane - Player 2");
            EXPECT_EQ(t.board.Round, t.game.MovesPerSheet() - 1);
            EXPECT_EQ(t.board.RollCount, 1);
        }
    }
}

// A replay that announces the row and then writes it (the undo took back a
// write together with its announcement) and so ends the sheet: the question
// is asked once, and Undo Last Move leaves the row announced with redo
// on offer; no third click follows.
TEST(RedoLastMove, AnnounceAndWriteReplayAsksOnce) {
    for (Seat seat : {Seat::Alone, Seat::FirstOfTwo, Seat::SecondOfTwo}) {
        SCOPED_TRACE(static_cast<int>(seat));
        const LastBox box{"Oblg", 4, seat, colOblg, 9, {2, 2, 5, 5, 5}, 1, 39};
        LastMoveTable t(box);
        const int grandBefore = Grand(t.board);
        t.host.finishAnswers = {false, false, true};
        t.WriteTheLastBox();
        ASSERT_TRUE(t.board.RedoOblgTwice);
        // As after an undo from the menu: the announcement went with the write.
        t.board.Announced = false;

        t.host.ClearRecords();
        t.game.mnuUndoRedo_Click();
        t.ExpectTakenBack(2, "announced, written and taken back");
        EXPECT_TRUE(t.board.Announced) << "the row stays announced";
        EXPECT_TRUE(t.board.RedoOblgTwice);
        EXPECT_EQ(std::count(t.host.sounds.begin(), t.host.sounds.end(), "announce"), 0);

        t.game.mnuUndoRedo_Click();
        t.ExpectFinished(3, grandBefore);
    }
}

// However the last move ends a sheet (Finish Game, or no question after the
// third roll, including the moves whose handler stops at GameOver), the row
// the pointer rested on is not left lit or holding the mouse, and the
// finished sheet offers no hint.
TEST(LastMove, LeavesNoRowLitAndNoHintOnOffer) {
    std::vector<LastBox> boxes = LastBoxes();
    for (Seat seat : {Seat::Alone, Seat::FirstOfTwo, Seat::SecondOfTwo}) {
        boxes.push_back({"Down on the third roll", 4, seat, colDown, 12, {6, 6, 6, 6, 6}, 3, 100});
    }
    for (const LastBox& box : boxes) {
        SCOPED_TRACE(box.name);
        LastMoveTable t(box);
        t.host.finishAnswers = {true};
        for (int roll = 0; roll < box.rolls; ++roll) {
            t.host.ScriptRoll(
                {box.faces[0], box.faces[1], box.faces[2], box.faces[3], box.faces[4]});
            t.game.picRollDices_MouseUp(1, 0, 615, 645);
        }
        ASSERT_TRUE(t.board.HintAvailable);
        t.game.CellMouseMove(box.column, static_cast<std::int16_t>(box.row), 10, 10);
        ASSERT_TRUE(t.board.HoverActive);
        t.Click();
        ASSERT_EQ(t.board.Round, t.game.MovesPerSheet());
        EXPECT_FALSE(t.board.HoverActive);
        EXPECT_EQ(t.board.CaptureColumn, colNone);
        EXPECT_EQ(t.board.lblOption[box.row].BackColor, ColourBlack);
        EXPECT_EQ(t.board.lblOption[box.row].ForeColor, ColourWhite);
        EXPECT_FALSE(t.board.HintAvailable);
    }
}

// The first player's last move with three rolls ends that sheet without the
// question; its total is entered, so the move cannot be taken back and
// entered a second time.
TEST(RedoLastMove, FirstPlayersSheetEndedOnTheThirdRollOffersNoUndo) {
    for (int column : {colDown, colRand}) {
        SCOPED_TRACE(column);
        const LastBox box{"three rolls", 4, Seat::FirstOfTwo, column, 12, {5, 5, 5, 5, 5}, 3, 100};
        LastMoveTable t(box);
        t.WriteTheLastBox();
        EXPECT_EQ(t.host.finishQuestions, 0);
        EXPECT_EQ(t.prog.Player1Total, Grand(t.board));
        EXPECT_FALSE(t.UndoOrRedoEnabled());
        EXPECT_TRUE(t.board.cmdNextPlayer.Visible);
        EXPECT_EQ(ReadTopScoreTable(t.ScoreFile()).Places[0].Score, Grand(t.board));
    }
}

// ---- The last move of a one-player game on the third roll ---------------

// No question: the sheet ends at once, its total is entered, and nothing of
// the move can be taken back, whichever column holds the last box. An Oblg
// box is written by the third roll itself.
TEST(LastMoveOnTheThirdRoll, EndsTheGameInEveryColumn) {
    const LastBox boxes[] = {
        {"Down", 4, Seat::Alone, colDown, 12, {6, 6, 6, 6, 6}, 3, 100},
        {"Up", 4, Seat::Alone, colUp, 0, {1, 1, 1, 2, 3}, 3, 33},
        {"Rand", 4, Seat::Alone, colRand, 10, {1, 2, 3, 4, 5}, 3, 50},
        {"one-column Rand", 1, Seat::Alone, colRand, 10, {1, 2, 3, 4, 5}, 3, 50},
        {"Oblg", 4, Seat::Alone, colOblg, 9, {2, 2, 5, 5, 5}, 3, 39},
    };
    for (const LastBox& box : boxes) {
        SCOPED_TRACE(box.name);
        LastMoveTable t(box);
        const int grandBefore = Grand(t.board);
        for (int roll = 0; roll < 3; ++roll) {
            t.host.ScriptRoll(
                {box.faces[0], box.faces[1], box.faces[2], box.faces[3], box.faces[4]});
            t.game.picRollDices_MouseUp(1, 0, 615, 645);
        }
        if (box.column != colOblg) {
            EXPECT_FALSE(t.board.GameIsOver);
            ASSERT_TRUE(t.board.Buttons(box.column)[box.row].Visible);
            t.Click();
        }
        EXPECT_EQ(Grand(t.board), grandBefore + box.points);
        EXPECT_EQ(t.host.finishQuestions, 0);
        EXPECT_TRUE(t.board.GameIsOver);
        EXPECT_EQ(t.host.topScoreDialogs, 1);
        EXPECT_EQ(ReadTopScoreTable(t.ScoreFile()).Places[0].Score, Grand(t.board));
        EXPECT_FALSE(t.UndoOrRedoEnabled());
        EXPECT_FALSE(t.board.picRollDices.Enabled);
        EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
        EXPECT_TRUE(t.board.tmrGameOver.Enabled);
    }
}
