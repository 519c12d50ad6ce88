// The board layout for every combination of dice count, column mode, player
// count and status bar, and the rules that keep repeated layouts stable.
#include "BoardProbe.h"
#include "board/model/Design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

using namespace game;
using testing_support::GeometrySnapshot;
using testing_support::PlacedControls;
using testing_support::PlacedLines;
using testing_support::Table;

namespace {

struct Layout {
    int lastDie;
    int columns;
    int players;
    bool statusBar;
};

std::string Name(const Layout& l) {
    return std::string(l.lastDie == 5 ? "Six" : "Five") + "Dice" +
           (l.columns == 4 ? "FourColumns" : "OneColumn") + (l.players == 2 ? "Two" : "One") +
           "Player" + (l.statusBar ? "" : "NoStatusBar");
}

int ExpectedHeight(const Layout& l) {
    if (l.players == 2) {
        return l.columns == 4 ? 8530 : 8300;
    }
    if (l.statusBar) {
        return l.columns == 4 ? 8530 : 8270;
    }
    return l.columns == 4 ? 8300 : 8030;
}

class EveryLayout : public ::testing::TestWithParam<Layout> {
protected:
    void SetUp() override {
        const Layout& l = GetParam();
        t.prog.Settings.NumberOfDice = l.lastDie;
        t.prog.Settings.NumberOfColumns = l.columns;
        t.prog.Settings.NumberOfPlayers = l.players;
        t.prog.Settings.ShowStatusBar = l.statusBar;
        t.game.SetControls();
    }
    Table t;
    const Board design;
};

TEST_P(EveryLayout, WindowHeightAndStatusBar) {
    const Layout& l = GetParam();
    const auto& panels = t.board.StatusBar1.Panels;
    EXPECT_EQ(t.board.Height, ExpectedHeight(l));
    EXPECT_EQ(t.board.Width, 4900);
    if (l.players == 2) {
        EXPECT_TRUE(t.board.StatusBar1.Visible);
        EXPECT_TRUE(panels[1].Visible);
        EXPECT_EQ(panels[1].Width, 2000);
        EXPECT_EQ(panels[1].Text, "Player 1  ");
        EXPECT_FALSE(panels[2].Visible);
        EXPECT_EQ(panels[2].Width, 1);
        EXPECT_TRUE(panels[3].Visible);
        EXPECT_EQ(panels[3].Width, 1630);
        EXPECT_EQ(panels[3].Text, "0 : 0");
        EXPECT_FALSE(panels[4].Visible);
        EXPECT_EQ(panels[4].Width, 1);
        EXPECT_EQ(t.board.Caption, "Quorvane - Player 1");
    } else {
        EXPECT_EQ(t.board.StatusBar1.Visible, l.statusBar);
        EXPECT_FALSE(panels[1].Visible);
        EXPECT_EQ(panels[1].Width, 1);
        EXPECT_TRUE(panels[2].Visible);
        EXPECT_EQ(panels[2].Width, 2550);
        EXPECT_EQ(panels[2].Text, "Roll the dice");
        EXPECT_FALSE(panels[3].Visible);
        EXPECT_EQ(panels[3].Width, 1);
        EXPECT_TRUE(panels[4].Visible);
        EXPECT_EQ(panels[4].Width, 1230);
        EXPECT_EQ(t.board.Caption, "Quorvane 2.0");
    }
    // The clock panel is never touched by the layout.
    EXPECT_EQ(panels[5].Width, design.StatusBar1.Panels[5].Width);
}

TEST_P(EveryLayout, Dice) {
    const bool six = GetParam().lastDie == 5;
    const Board& b = t.board;
    EXPECT_EQ(b.picDice[5].Visible, six);
    EXPECT_FALSE(b.PicDiceOff[5].Visible);
    EXPECT_EQ(b.Shape5.Visible, six);
    EXPECT_EQ(b.picDice[4].Left, six ? 1150 : 1602);
    EXPECT_EQ(b.PicDiceOff[4].Left, six ? 1150 : 1602);
    EXPECT_EQ(b.picDice[3].Left, six ? 245 : 697);
    EXPECT_EQ(b.PicDiceOff[3].Left, six ? 245 : 697);
    EXPECT_EQ(b.Shape3.Left, six ? 247 : 697);
    EXPECT_EQ(b.Shape4.Left, six ? 1150 : 1602);
    for (int die = 0; die < 3; ++die) { // the first row never moves sideways
        EXPECT_EQ(b.picDice[die].Left, design.picDice[die].Left);
    }
    // With five dice the two dice of the second row sit centred under the first row.
    if (!six) {
        const int firstRowMiddle = (b.picDice[0].Left + b.picDice[2].Left + 810) / 2;
        const int secondRowMiddle = (b.picDice[3].Left + b.picDice[4].Left + 810) / 2;
        EXPECT_NEAR(firstRowMiddle, secondRowMiddle, 15);
    }
}

TEST_P(EveryLayout, ColumnsAndTotals) {
    const bool four = GetParam().columns == 4;
    const Board& b = t.board;
    for (int row = 0; row < RowCount; ++row) {
        SCOPED_TRACE(row);
        for (int column : {colDown, colUp, colOblg}) {
            EXPECT_EQ(b.Buttons(column)[row].Visible, four);
            EXPECT_EQ(b.Cells(column)[row].Visible, four);
        }
        EXPECT_TRUE(b.cmdRand[row].Visible);
        EXPECT_EQ(b.cmdRand[row].Left, four ? 3405 : 2205);
        EXPECT_EQ(b.cmdRand[row].Width, four ? 600 : 2400);
        EXPECT_EQ(b.lblRand[row].Left, four ? 3405 : 2205);
        EXPECT_EQ(b.lblRand[row].Width, four ? 600 : 2400);
        const std::string& picture = four ? b.imgBut3.Picture : b.img1ColumnP[row].Picture;
        EXPECT_EQ(b.cmdRand[row].Picture, picture);
        EXPECT_EQ(b.cmdRand[row].DisabledPicture, picture);
        if (four) {
            EXPECT_EQ(b.cmdDown[row].DisabledPicture, b.imgBut3.Picture);
            EXPECT_EQ(b.cmdOblg[row].DisabledPicture, b.imgBut3.Picture);
        } else {
            EXPECT_FALSE(b.cmdRand[row].Enabled); // until the first roll
        }
    }
    for (const Control* total :
         {&b.lblDownTot1, &b.lblUpTot1, &b.lblOblgTot1, &b.lblDownTot2, &b.lblUpTot2,
          &b.lblOblgTot2, &b.lblDownTot, &b.lblUpTot, &b.lblOblgTot}) {
        EXPECT_EQ(total->Visible, four);
    }
    for (const Control* total : {&b.lblRandTot1, &b.lblRandTot2, &b.lblRandTot}) {
        EXPECT_EQ(total->Left, four ? 3405 : 2205);
        EXPECT_EQ(total->Width, four ? 600 : 2400);
    }
    EXPECT_EQ(b.lblGrandTotal.Left, 2205);
    EXPECT_EQ(b.lblGrandTotal.Width, 2400);
}

TEST_P(EveryLayout, VerticalArrangementAndSheetHeight) {
    const bool four = GetParam().columns == 4;
    const Board& b = t.board;
    const int d = four ? 0 : -250;
    const int e = four ? 0 : -270;
    EXPECT_EQ(b.lblRandTot.Visible, four);
    EXPECT_EQ(b.Label13.Visible, four);
    EXPECT_EQ(b.shpLabel13.Visible, four);
    EXPECT_EQ(b.imgArrow.Visible, four);
    EXPECT_EQ(b.imgArrow2.Visible, !four);
    EXPECT_EQ(b.Shape10.Height, design.Shape10.Height + d);
    EXPECT_EQ(b.Shape11.Top, design.Shape11.Top + e);
    EXPECT_EQ(b.lblGrandTotal.Top, design.lblGrandTotal.Top + e);
    EXPECT_EQ(b.Label2.Top, design.Label2.Top + d);
    EXPECT_EQ(b.picRollDices.Top, design.picRollDices.Top + d);
    for (int die = 0; die < DieCount; ++die) {
        EXPECT_EQ(b.picDice[die].Top, design.picDice[die].Top + d);
        EXPECT_EQ(b.PicDiceOff[die].Top, design.PicDiceOff[die].Top + d);
    }
    EXPECT_EQ(b.Line9.Y1, design.Line9.Y1);
    EXPECT_EQ(b.Line9.Y2, design.Line9.Y2 + d);
    EXPECT_EQ(b.Line12.Y1, design.Line12.Y1 + d);
    EXPECT_EQ(b.Picture2.Height, four ? 4740 : 4505);
    EXPECT_EQ(b.Line1.Y2, four ? 5414 : 5164);
    EXPECT_EQ(b.Line3.Y2, four ? 5414 : 5164);
    EXPECT_EQ(b.Line4.Y1, four ? 5414 : 5164);
    EXPECT_EQ(b.Line4.Y2, four ? 5414 : 5164);
}

// The design itself: everything shown lies inside the client area, below
// the toolbar and above the status bar, in every layout.
TEST_P(EveryLayout, EverythingShownFitsTheClientArea) {
    const Board& b = t.board;
    const int clientWidth = ClientWidthTwips(b.Width);
    const int bottom =
        b.StatusBar1.Visible ? StatusBarTopTwips(b.Height) : ClientHeightTwips(b.Height);
    for (const auto& [name, c] : PlacedControls(b)) {
        if (!c->Visible) {
            continue;
        }
        SCOPED_TRACE(name);
        EXPECT_GE(c->Left, 0);
        EXPECT_GE(c->Top, DesignToolbarTwips);
        EXPECT_LE(c->Left + c->Width, clientWidth);
        EXPECT_LT(c->Top + c->Height, bottom);
        EXPECT_GT(c->Width, 0);
        EXPECT_GT(c->Height, 0);
    }
    for (const auto& [name, l] : PlacedLines(b)) {
        SCOPED_TRACE(name);
        EXPECT_GE(std::min(l->Y1, l->Y2), DesignToolbarTwips);
        EXPECT_LT(std::max(l->Y1, l->Y2), bottom);
        EXPECT_LE(std::max(l->X1, l->X2), clientWidth);
    }
}

std::vector<Layout> AllLayouts() {
    std::vector<Layout> all;
    for (int lastDie : {4, 5}) {
        for (int columns : {4, 1}) {
            for (int players : {1, 2}) {
                for (bool statusBar : {true, false}) {
                    all.push_back({lastDie, columns, players, statusBar});
                }
            }
        }
    }
    return all;
}

INSTANTIATE_TEST_SUITE_P(Layout, EveryLayout, ::testing::ValuesIn(AllLayouts()),
                         [](const auto& info) { return Name(info.param); });

} // namespace

TEST(Layout, DesignIsTheFourColumnArrangement) {
    // Nothing moves when a four-column board is laid out for the first time.
    Table t(5, 4, 1);
    const auto before = GeometrySnapshot(t.board);
    t.game.SetControls();
    EXPECT_EQ(GeometrySnapshot(t.board), before);
}

TEST(Layout, SheetRowsDoNotOverlapAndStayInTheirFrames) {
    const Board b;
    for (int row = 0; row + 1 < RowCount; ++row) {
        EXPECT_LE(b.lblDown[row].Top + b.lblDown[row].Height, b.lblDown[row + 1].Top);
    }
    EXPECT_LT(b.lblDown[rowSixes].Top, b.lblDownTot1.Top);
    EXPECT_LT(b.lblDownTot1.Top, b.lblDown[rowMax].Top);
    EXPECT_LT(b.lblDown[rowMin].Top, b.lblDownTot2.Top);
    EXPECT_LT(b.lblDownTot2.Top, b.lblDown[rowThreeOfAKind].Top);
    EXPECT_LE(b.lblDown[rowFiveOfAKind].Top + b.lblDown[rowFiveOfAKind].Height, 5164);
    EXPECT_LT(5164, b.lblDownTot.Top);
    EXPECT_LE(b.lblDownTot.Top + b.lblDownTot.Height, 5414);
    // The grand total lies below the sheet and above the dice.
    EXPECT_GE(b.Shape11.Top, 5414);
    EXPECT_LE(b.Shape11.Top + b.Shape11.Height, b.Shape6.Top);
    // The roll picture is about 1230 x 1290, clicked in its middle at (615, 645).
    EXPECT_EQ(b.picRollDices.Width, 1230);
    EXPECT_EQ(b.picRollDices.Height, 1290);
}

TEST(Layout, SetControlsTwiceIsOnce) {
    for (int columns : {4, 1}) {
        Table t(4, columns, 1);
        t.game.SetControls();
        const auto once = GeometrySnapshot(t.board);
        t.game.SetControls();
        EXPECT_EQ(GeometrySnapshot(t.board), once) << columns << " columns";
    }
}

TEST(Layout, FourToOneAndBackRestoresEveryPlace) {
    Table t(5, 4, 1);
    t.game.SetControls();
    const auto four = GeometrySnapshot(t.board);
    t.prog.Settings.NumberOfColumns = 1;
    t.game.SetControls();
    EXPECT_NE(GeometrySnapshot(t.board), four);
    t.game.SetControls(); // a repeated one-column layout moves nothing more
    t.prog.Settings.NumberOfColumns = 4;
    t.game.SetControls();
    EXPECT_EQ(GeometrySnapshot(t.board), four);
}

TEST(Layout, HiddenSixthDieMovesWithTheLowerBoard) {
    Table t(4, 1, 1);
    t.game.SetControls(); // five dice, one column: lower board up
    EXPECT_FALSE(t.board.picDice[5].Visible);
    EXPECT_FALSE(t.board.Shape5.Visible);
    t.prog.Settings.NumberOfDice = 5;
    t.game.SetControls();
    EXPECT_TRUE(t.board.picDice[5].Visible);
    EXPECT_TRUE(t.board.Shape5.Visible);
    EXPECT_EQ(t.board.picDice[5].Top, t.board.picDice[3].Top);
    EXPECT_EQ(t.board.Shape5.Top, t.board.Shape3.Top);
    EXPECT_EQ(t.board.picDice[5].Top, Board().picDice[5].Top - 250);
}

TEST(Layout, OtherValuesFallToTheirBranches) {
    Table t(4, 4, 1);
    t.game.SetControls();
    const auto fiveDice = GeometrySnapshot(t.board);
    t.prog.Settings.NumberOfDice = 7; // the dice stay as they are
    t.game.SetControls();
    EXPECT_EQ(GeometrySnapshot(t.board), fiveDice);

    // A column count of 2 lays out one column but keeps the tall sheet.
    t.prog.Settings.NumberOfColumns = 2;
    t.game.SetControls();
    EXPECT_FALSE(t.board.lblRandTot.Visible);
    EXPECT_EQ(t.board.cmdRand[0].Width, 2400);
    EXPECT_EQ(t.board.Picture2.Height, 4740);
    EXPECT_EQ(t.board.Line4.Y1, 5414);
    EXPECT_EQ(t.board.Height, 8270);

    // A player count of 3 is the one-player layout.
    t.prog.Settings.NumberOfPlayers = 3;
    t.game.SetControls();
    EXPECT_EQ(t.board.Caption, "Quorvane 2.0");
    EXPECT_FALSE(t.board.StatusBar1.Panels[1].Visible);
}

TEST(Layout, NextPlayerButtonOnlyHiddenByTheOnePlayerLayout) {
    Table two(4, 4, 2);
    two.board.cmdNextPlayer.Visible = true;
    two.game.SetControls();
    EXPECT_TRUE(two.board.cmdNextPlayer.Visible);
    Table one(4, 4, 1);
    one.board.cmdNextPlayer.Visible = true;
    one.game.SetControls();
    EXPECT_FALSE(one.board.cmdNextPlayer.Visible);
}

TEST(Layout, StatusBarAloneKeepsTheCaption) {
    Table t(4, 4, 2);
    t.game.SetControls();
    t.board.Caption = "Quorvane - Player 2"; // the second player is on turn
    t.prog.Settings.ShowStatusBar = false;
    t.game.ArrangeStatusBar();
    EXPECT_EQ(t.board.Caption, "Quorvane - Player 2");
    EXPECT_TRUE(t.board.StatusBar1.Visible);
}

TEST(Layout, LeavesTheGameAlone) {
    Table t(4, 4, 1);
    t.board.lblDown[3].Caption = "12";
    t.board.RollCount = 2;
    t.prog.Settings.NumberOfDice = 5;
    t.game.SetControls();
    EXPECT_EQ(t.prog.LastDie, 4);
    EXPECT_EQ(t.board.lblDown[3].Caption, "12");
    EXPECT_EQ(t.board.RollCount, 2);
}

TEST(Layout, MenuPairsSoundButtonAndFlagsFollowTheSettings) {
    for (bool hints : {true, false}) {
        for (bool sound : {true, false}) {
            SCOPED_TRACE(std::to_string(hints) + std::to_string(sound));
            Table t;
            t.prog.Settings.hintAllways = hints;
            t.prog.Settings.SoundEnabled = sound;
            t.prog.SoundOn = !sound;
            t.board.HintsAlwaysOn = true; // a false setting leaves the board copy alone
            t.game.SetControls();
            const Board& b = t.board;
            EXPECT_TRUE(b.HintsAlwaysOn);
            EXPECT_EQ(b.mnuHintsByRequest.Visible, !hints);
            EXPECT_EQ(b.mnuHintsByRequest2.Visible, hints);
            EXPECT_EQ(b.mnuHintsAllways.Visible, hints);
            EXPECT_EQ(b.mnuHintsAllways2.Visible, !hints);
            EXPECT_EQ(b.Toolbar2.Buttons[6].Enabled, !hints) << "the hint button";
            EXPECT_EQ(b.mnuSoundsOn.Visible, sound);
            EXPECT_EQ(b.mnuSoundsOn2.Visible, !sound);
            EXPECT_EQ(b.mnuSoundsOff.Visible, !sound);
            EXPECT_EQ(b.mnuSoundsOff2.Visible, sound);
            EXPECT_EQ(b.Toolbar2.Buttons[7].Image, sound ? 5 : 8);
            EXPECT_EQ(t.prog.SoundOn, sound);
            EXPECT_EQ(b.mnuHintsAllways2.Caption, "Show &Hints Always");
            EXPECT_EQ(b.mnuSoundsOff2.Caption, "Turn Sound E&ffects Off");
        }
    }
    Table fromSetting;
    fromSetting.prog.Settings.hintAllways = true;
    fromSetting.game.SetControls();
    EXPECT_TRUE(fromSetting.board.HintsAlwaysOn);
}

TEST(HintColumn, ShownBySettingOrRequest) {
    // {hintAllways, HintShown, shown}
    for (auto [setting, requested, shown] :
         {std::tuple{false, false, false}, std::tuple{true, false, true},
          std::tuple{false, true, true}, std::tuple{true, true, true}}) {
        Table t;
        t.prog.Settings.hintAllways = setting;
        t.board.HintShown = requested;
        t.board.HintsAlwaysOn = !setting; // the board copy is not what decides
        t.game.ShowHintColumn();
        for (int row = 0; row < RowCount; ++row) {
            EXPECT_EQ(t.board.lblTip[row].Visible, shown);
            EXPECT_EQ(t.board.Shape12[row].Visible, shown);
            EXPECT_EQ(t.board.lblOption[row].Width, shown ? 1250 : 1570);
            EXPECT_EQ(t.board.shpOptions[row].Width, shown ? 1250 : 1570);
        }
        // Shown, the names end left of the hints; hidden, they reach the
        // hint column's right edge.
        const Control& name = t.board.lblOption[0];
        const Control& tip = t.board.lblTip[0];
        if (shown) {
            EXPECT_LT(name.Left + name.Width, tip.Left);
        } else {
            EXPECT_EQ(name.Left + name.Width, tip.Left + tip.Width);
        }
    }
}
