// Opening the board window and the two keys it answers.
#include "BoardProbe.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::GeometrySnapshot;
using testing_support::StateFingerprint;
using testing_support::Table;

namespace {

// A screen of 1280 x 1024 pixels at 15 twips a pixel.
constexpr int ScreenWidth = 19200;
constexpr int ScreenHeight = 15360;

} // namespace

TEST(Opening, PlacesTheWindowCentredAndHigh) {
    Table t;
    t.game.Form_Load(ScreenWidth, ScreenHeight);
    EXPECT_EQ(t.board.Width, 4900);
    EXPECT_EQ(t.board.Left, 7150);
    EXPECT_EQ(t.board.Top, 1688); // (15360 - 8100) / 4.3 = 1688.4
}

TEST(Opening, KeepsANegativeTopOnASmallScreen) {
    Table t;
    t.game.Form_Load(9600, 7200);
    EXPECT_EQ(t.board.Left, 2350);
    EXPECT_EQ(t.board.Top, -209); // (7200 - 8100) / 4.3 = -209.3
}

TEST(Opening, UsesThePositionRecordedByNewGame) {
    Table t;
    t.prog.BoardLeft = 3000;
    t.prog.BoardTop = -40;
    t.game.Form_Load(ScreenWidth, ScreenHeight);
    EXPECT_EQ(t.board.Left, 3000);
    EXPECT_EQ(t.board.Top, -40);
}

TEST(Opening, PreparesTheFirstGame) {
    for (int lastDie : {4, 5}) {
        Table t(lastDie);
        t.prog.LastDie = 0;
        t.prog.DieFree = {};
        t.game.Form_Load(ScreenWidth, ScreenHeight);
        EXPECT_EQ(t.prog.LastDie, lastDie);
        for (int die = 0; die <= lastDie; ++die) {
            EXPECT_TRUE(t.prog.DieFree[die]);
            EXPECT_TRUE(t.board.picDice[die].Visible);
            EXPECT_FALSE(t.board.picDice[die].Enabled);
            EXPECT_FALSE(t.board.PicDiceOff[die].Visible);
        }
        EXPECT_EQ(t.prog.DieFree[5], lastDie == 5);
        EXPECT_EQ(t.board.picDice[5].Visible, lastDie == 5);
        EXPECT_TRUE(t.board.FirstRollPending);
        EXPECT_TRUE(t.board.RollAllowed);
        EXPECT_EQ(t.board.UpRow, 12);
        EXPECT_FALSE(t.board.Toolbar2.Buttons[3].Enabled);
        EXPECT_FALSE(t.board.Toolbar2.Buttons[4].Enabled);
        EXPECT_FALSE(t.board.mnuUndoUndo.Enabled);
        EXPECT_FALSE(t.board.mnuUndoRedo.Enabled);
        EXPECT_EQ(t.board.lblTimeElapsed.Caption, "00:00:00");
        EXPECT_TRUE(t.board.tmrTimeElapsed.Enabled);
        EXPECT_EQ(t.board.StatusBar1.Panels[5].Text, "");
        EXPECT_FALSE(t.prog.GameInProgress);
    }
}

TEST(Opening, LaysOutTheBoardForTheSettings) {
    Table t(4, 1, 1);
    t.prog.Settings.hintAllways = true;
    t.prog.Settings.SoundEnabled = false;
    t.game.Form_Load(ScreenWidth, ScreenHeight);
    const Board design;
    EXPECT_EQ(t.board.picRollDices.Top, design.picRollDices.Top - 250) << "moved up once";
    EXPECT_EQ(t.board.Picture2.Height, 4505);
    EXPECT_EQ(t.board.Height, 8270);
    EXPECT_TRUE(t.board.lblTip[0].Visible);
    EXPECT_TRUE(t.board.HintsAlwaysOn);
    EXPECT_FALSE(t.prog.SoundOn);

    // Laying the board out again afterwards moves nothing.
    const auto opened = GeometrySnapshot(t.board);
    t.game.SetControls();
    EXPECT_EQ(GeometrySnapshot(t.board), opened);
}

TEST(Opening, AnUnusableDiceCountNeverReachesPastTheSixDice) {
    Table t;
    t.prog.Settings.NumberOfDice = 9;
    t.game.Form_Load(ScreenWidth, ScreenHeight);
    for (int die = 0; die < DieCount; ++die) {
        EXPECT_TRUE(t.prog.DieFree[die]);
    }
}

TEST(Keys, SpaceMinimisesAndChangesNothingElse) {
    Table t;
    Table untouched;
    for (Table* table : {&t, &untouched}) {
        table->game.Form_Load(ScreenWidth, ScreenHeight);
        table->board.RollCount = 2;
        table->board.picRollDices.Enabled = true;
    }
    t.game.Form_KeyPress(32);
    EXPECT_TRUE(t.board.Minimized);
    EXPECT_EQ(StateFingerprint(t), StateFingerprint(untouched));
}

TEST(Keys, EnterRollsExactlyAsAClick) {
    Table byKey;
    Table byClick;
    for (Table* t : {&byKey, &byClick}) {
        t->game.Form_Load(ScreenWidth, ScreenHeight);
        t->host.randoms = {0.1, 0.3, 0.5, 0.7, 0.9};
    }
    byKey.game.Form_KeyPress(13);
    byClick.game.picRollDices_MouseUp(1, 0, 615, 645);
    EXPECT_EQ(StateFingerprint(byKey), StateFingerprint(byClick));
    EXPECT_FALSE(byKey.board.Minimized);
}

TEST(Keys, EnterDoesNothingWhileTheRollIsRefused) {
    struct Case {
        const char* why;
        bool rollEnabled;
        bool viewerShown;
    };
    for (auto c : {Case{"roll picture disabled", false, false},
                   Case{"board viewer shown", true, true}, Case{"both", false, true}}) {
        Table t;
        Table untouched;
        for (Table* table : {&t, &untouched}) {
            table->game.Form_Load(ScreenWidth, ScreenHeight);
            table->board.picRollDices.Enabled = c.rollEnabled;
            table->board.cmdShowNextBoard.Visible = c.viewerShown;
        }
        t.game.Form_KeyPress(13);
        EXPECT_EQ(StateFingerprint(t), StateFingerprint(untouched)) << c.why;
    }
}

TEST(Keys, OtherKeysDoNothing) {
    for (int key : {0, 10, 27, 33, int{'r'}, int{'R'}, 0x20AC}) {
        Table t;
        Table untouched;
        t.game.Form_KeyPress(key);
        EXPECT_EQ(StateFingerprint(t), StateFingerprint(untouched)) << key;
        EXPECT_FALSE(t.board.Minimized);
    }
}
