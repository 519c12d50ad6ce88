// Undo and redo of every kind of move in every column: undo brings the
// board back to the moment before the move, redo to the moment after it,
// and the two alternate any number of times.
#include "BoardPicture.h"
#include "TurnTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

using namespace game;
using testing_support::BoardPicture;
using testing_support::ExpectSamePicture;
using testing_support::TakePicture;
using testing_support::TurnTable;

namespace {

struct MoveCase {
    std::string name;
    std::function<void(TurnTable&)> setup; // up to the moment undo goes back to
    std::function<void(TurnTable&)> move;
    // What undo leaves different from that moment, by the game's rules.
    std::vector<std::string> undoLeaves = {};
    int lastDie = 4;
    int columns = 4;
    int players = 1;
};

void Fill(TurnTable& t, int column, std::vector<std::pair<int, const char*>> cells,
          const char* upper, const char* total) {
    t.MidGame();
    for (const auto& [row, text] : cells) {
        t.board.Cells(column)[row].Caption = text;
    }
    t.board.UpperTotal(column).Caption = upper;
    t.board.ColumnTotal(column).Caption = total;
    t.board.lblGrandTotal.Caption = total;
    t.board.Round = static_cast<int>(cells.size());
}

std::vector<MoveCase> Cases() {
    return {
        {"Down first row after one roll",
         [](TurnTable& t) {
             t.Roll({1, 1, 3, 4, 5});
         },
         [](TurnTable& t) { t.game.cmdDown_Click(0); }},
        {"Down Sixes winning the bonus after two rolls, hints on",
         [](TurnTable& t) {
             Fill(t, colDown, {{0, "3"}, {1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}}, "45", "45");
             t.board.DownRow = 5;
             t.board.HintsAlwaysOn = true;
             t.Roll({6, 6, 6, 1, 2});
             t.Hold({0, 1, 2});
             t.Roll({6, 3});
         },
         [](TurnTable& t) { t.game.cmdDown_Click(5); }},
        {"Down Min completing the middle total",
         [](TurnTable& t) {
             Fill(t, colDown,
                  {{0, "3"}, {1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}, {5, "18"}, {6, "28"}}, "98",
                  "98");
             t.board.UpperBonusGiven[colDown] = true;
             t.board.DownRow = 7;
             t.Roll({1, 1, 2, 2, 3});
         },
         [](TurnTable& t) { t.game.cmdDown_Click(7); }},
        {"Up first row with five of a kind",
         [](TurnTable& t) {
             t.Roll({4, 4, 4, 4, 4});
         },
         [](TurnTable& t) { t.game.cmdUp_Click(12); }},
        {"Up Ones completing the middle total and the bonus",
         [](TurnTable& t) {
             Fill(t, colUp,
                  {{1, "6"},
                   {2, "9"},
                   {3, "12"},
                   {4, "15"},
                   {5, "18"},
                   {6, "28"},
                   {7, "9"},
                   {8, "0"},
                   {9, "0"},
                   {10, "0"},
                   {11, "0"},
                   {12, "0"}},
                  "60", "60");
             t.board.UpRow = 0;
             t.Roll({1, 1, 1, 2, 3});
         },
         [](TurnTable& t) { t.game.cmdUp_Click(0); }},
        {"Rand upper row",
         [](TurnTable& t) {
             t.Roll({2, 2, 5, 6, 1});
         },
         [](TurnTable& t) { t.game.cmdRand_Click(1); }},
        {"Rand sixth upper row winning the bonus",
         [](TurnTable& t) {
             Fill(t, colRand, {{0, "3"}, {1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}}, "45", "45");
             t.board.RandUpperCount = 5;
             t.Roll({6, 6, 6, 1, 2});
         },
         [](TurnTable& t) { t.game.cmdRand_Click(5); }},
        {"Rand Max completing a negative middle total",
         [](TurnTable& t) {
             Fill(t, colRand, {{0, "1"}, {7, "20"}}, "1", "1");
             t.board.RandUpperCount = 1;
             t.Roll({1, 2, 2, 2, 3});
         },
         [](TurnTable& t) { t.game.cmdRand_Click(6); }},
        {"Rand Ones completing the middle total with six dice",
         [](TurnTable& t) {
             Fill(t, colRand, {{6, "28"}, {7, "9"}}, "", "");
             t.Roll({1, 1, 6, 2, 1, 5});
         },
         [](TurnTable& t) { t.game.cmdRand_Click(0); },
         {},
         5},
        {"Rand lower row scoring zero",
         [](TurnTable& t) {
             t.Roll({1, 2, 3, 4, 6});
         },
         [](TurnTable& t) { t.game.cmdRand_Click(9); }},
        {"Rand after three rolls with held dice",
         [](TurnTable& t) {
             t.Roll({5, 5, 1, 2, 3});
             t.Hold({0, 1});
             t.Roll({5, 1, 2});
             t.Roll({5, 6, 6});
         },
         [](TurnTable& t) { t.game.cmdRand_Click(9); },
         // The dice stay as the move left them: free, shown and locked.
         {"look["}},
        {"Oblg announcement",
         [](TurnTable& t) {
             t.Roll({2, 2, 5, 5, 5});
         },
         [](TurnTable& t) { t.game.cmdOblg_Click(9); },
         // Undo inverts the hint command's availability, which an
         // announcement had left on.
         {"HintAvailable"}},
        {"Oblg write after one roll",
         [](TurnTable& t) {
             t.Roll({2, 2, 5, 5, 5});
         },
         [](TurnTable& t) {
             t.game.cmdOblg_Click(9);
             t.game.cmdOblg_Click(9);
         }},
        {"Oblg write after two rolls",
         [](TurnTable& t) {
             t.Roll({2, 2, 5, 5, 1});
             t.game.cmdOblg_Click(9);
             t.Hold({0, 1, 2, 3});
             t.Roll({5});
         },
         [](TurnTable& t) { t.game.cmdOblg_Click(9); },
         // The row stays bound rather than announced.
         {"Announced", "OblgAfterTwoRolls"}},
        {"Oblg sixth upper row winning the bonus",
         [](TurnTable& t) {
             Fill(t, colOblg, {{0, "3"}, {1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}}, "45", "45");
             t.board.OblgUpperCount = 5;
             t.Roll({6, 6, 6, 1, 2});
         },
         [](TurnTable& t) {
             t.game.cmdOblg_Click(5);
             t.game.cmdOblg_Click(5);
         }},
        {"Oblg five of a kind",
         [](TurnTable& t) {
             t.Roll({3, 3, 3, 3, 3});
         },
         [](TurnTable& t) {
             t.game.cmdOblg_Click(12);
             t.game.cmdOblg_Click(12);
         }},
        {"One-column Rand",
         [](TurnTable& t) {
             t.Roll({1, 2, 3, 4, 5});
         },
         [](TurnTable& t) { t.game.cmdRand_Click(10); },
         {},
         4,
         1},
        {"Two players Down",
         [](TurnTable& t) {
             t.board.lblGrandTotal.Caption = "0";
             t.Roll({1, 1, 1, 2, 3});
         },
         [](TurnTable& t) { t.game.cmdDown_Click(0); },
         {},
         4,
         4,
         2},
        {"Two players Oblg announcement",
         [](TurnTable& t) {
             t.board.lblGrandTotal.Caption = "0";
             t.Roll({1, 1, 1, 2, 3});
         },
         [](TurnTable& t) { t.game.cmdOblg_Click(0); },
         {"HintAvailable"},
         4,
         4,
         2},
    };
}

} // namespace

TEST(UndoRedoRoundTrip, EveryKindOfMoveInEveryColumn) {
    for (const auto& c : Cases()) {
        SCOPED_TRACE(c.name);
        TurnTable t(c.lastDie, c.columns, c.players);
        c.setup(t);
        const BoardPicture before = TakePicture(t);
        c.move(t);
        const BoardPicture after = TakePicture(t);
        ASSERT_TRUE(t.UndoOffered());

        std::vector<std::string> ignored = c.undoLeaves;
        ignored.push_back("undo");
        ignored.push_back("redo");
        for (int time = 1; time <= 3; ++time) {
            t.host.ClearRecords();
            t.game.mnuUndoUndo_Click();
            const BoardPicture undone = TakePicture(t);
            ExpectSamePicture(before, undone, ignored, c.name + ", undo " + std::to_string(time));
            EXPECT_FALSE(t.board.Toolbar2.Buttons[3].Enabled || t.board.mnuUndoUndo.Enabled);
            EXPECT_TRUE(t.RedoOffered());
            EXPECT_EQ(t.host.sounds, std::vector<std::string>{"undo"});

            t.host.ClearRecords();
            t.game.mnuUndoRedo_Click();
            ExpectSamePicture(after, TakePicture(t), {}, c.name + ", redo " + std::to_string(time));
            EXPECT_EQ(t.host.sounds, std::vector<std::string>{"redo"});
            EXPECT_FALSE(t.prog.RedoInProgress);
        }
    }
}
