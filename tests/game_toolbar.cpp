// The toolbar's buttons and the hint and sound switches of the Tools menu.
#include "BoardProbe.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::StateFingerprint;
using testing_support::Table;

namespace {

// A board after a roll: Rand cells offered, dice on the table.
void AfterARoll(Table& t) {
    t.game.SetControls();
    for (int row = 0; row < RowCount; ++row) {
        t.board.cmdDown[row].Visible = t.board.cmdUp[row].Visible = false;
        t.board.cmdOblg[row].Visible = false;
        t.board.cmdRand[row].Visible = true;
    }
    t.SetDice({6, 6, 6, 2, 2});
    t.prog.GameInProgress = true;
    t.board.HintAvailable = true;
}

bool AnyHint(const Board& b) {
    for (const Control& tip : b.lblTip) {
        if (!tip.Caption.empty()) {
            return true;
        }
    }
    return false;
}

// The sound switch's four places agree: the running flag, the setting, the
// toolbar picture and the visible menu pair.
void ExpectSoundAgreement(const Table& t, bool on) {
    const Board& b = t.board;
    EXPECT_EQ(t.prog.SoundOn, on);
    EXPECT_EQ(t.prog.Settings.SoundEnabled, on);
    EXPECT_EQ(b.Toolbar2.Buttons[7].Image, on ? 5 : 8);
    EXPECT_EQ(b.mnuSoundsOn.Visible, on);
    EXPECT_EQ(b.mnuSoundsOff2.Visible, on);
    EXPECT_EQ(b.mnuSoundsOn2.Visible, !on);
    EXPECT_EQ(b.mnuSoundsOff.Visible, !on);
}

void ExpectHintAgreement(const Table& t, bool always) {
    const Board& b = t.board;
    EXPECT_EQ(b.HintsAlwaysOn, always);
    EXPECT_EQ(t.prog.Settings.hintAllways, always);
    EXPECT_EQ(b.Toolbar2.Buttons[6].Enabled, !always);
    EXPECT_EQ(b.mnuHintsAllways.Visible, always);
    EXPECT_EQ(b.mnuHintsByRequest2.Visible, always);
    EXPECT_EQ(b.mnuHintsByRequest.Visible, !always);
    EXPECT_EQ(b.mnuHintsAllways2.Visible, !always);
}

} // namespace

TEST(HintButton, GivesHintsOncePerRoll) {
    Table t;
    AfterARoll(t);
    t.game.Toolbar2_ButtonClick("tbHint");
    EXPECT_TRUE(t.board.HintShown);
    EXPECT_FALSE(t.board.HintAvailable);
    EXPECT_FALSE(t.board.lblTip[rowFullHouse].Caption.empty());
    EXPECT_TRUE(t.board.lblTip[rowFullHouse].Visible) << "the hint column is shown";
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"hint"});

    for (Control& tip : t.board.lblTip) {
        tip.Caption.clear();
    }
    t.game.Toolbar2_ButtonClick("tbHint");
    EXPECT_FALSE(AnyHint(t.board));
    EXPECT_EQ(t.host.sounds.size(), 1u);
}

TEST(HintButton, DoesNothingWhileHintsAreAlwaysOn) {
    Table t;
    AfterARoll(t);
    t.board.HintsAlwaysOn = true;
    t.game.Toolbar2_ButtonClick("tbHint");
    EXPECT_FALSE(AnyHint(t.board));
    EXPECT_FALSE(t.board.HintShown);
    EXPECT_FALSE(t.board.HintAvailable);
    EXPECT_TRUE(t.host.sounds.empty());
}

TEST(HintButton, SilentWithSoundOff) {
    Table t;
    AfterARoll(t);
    t.prog.SoundOn = false;
    t.game.Toolbar2_ButtonClick("tbHint");
    EXPECT_TRUE(AnyHint(t.board));
    EXPECT_TRUE(t.host.sounds.empty());
}

TEST(HintSwitch, AlwaysBeforeTheFirstRollComputesNothing) {
    Table t;
    AfterARoll(t);
    t.prog.GameInProgress = false;
    t.game.mnuHintsAllways2_Click();
    EXPECT_FALSE(AnyHint(t.board));
    ExpectHintAgreement(t, true);
    EXPECT_TRUE(t.board.lblTip[0].Visible);
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"hint"});
}

TEST(HintSwitch, AlwaysAfterARollShowsHintsAtOnce) {
    Table t;
    AfterARoll(t);
    t.prog.SoundOn = false;
    t.game.mnuHintsAllways2_Click();
    EXPECT_FALSE(t.board.lblTip[rowFullHouse].Caption.empty());
    ExpectHintAgreement(t, true);
    EXPECT_TRUE(t.host.sounds.empty());
}

TEST(HintSwitch, BackToRequestHidesTheColumnAndEnablesTheButton) {
    Table t;
    AfterARoll(t);
    t.game.mnuHintsAllways2_Click();
    t.host.ClearRecords();
    t.game.mnuHintsByRequest2_Click();
    ExpectHintAgreement(t, false);
    EXPECT_FALSE(t.board.lblTip[0].Visible);
    EXPECT_TRUE(t.host.sounds.empty());
    // After a hint on request the column stays until the next roll.
    t.board.HintShown = true;
    t.game.mnuHintsByRequest2_Click();
    EXPECT_TRUE(t.board.lblTip[0].Visible);
}

TEST(SoundSwitch, ButtonAndMenusAgreeWhicheverIsUsed) {
    Table t;
    t.game.SetControls();
    ExpectSoundAgreement(t, true);
    t.game.Toolbar2_ButtonClick("tbSound");
    ExpectSoundAgreement(t, false);
    t.game.mnuSoundsOn2_Click();
    ExpectSoundAgreement(t, true);
    t.game.mnuSoundsOff2_Click();
    ExpectSoundAgreement(t, false);
    t.game.Toolbar2_ButtonClick("tbSound");
    ExpectSoundAgreement(t, true);
    EXPECT_TRUE(t.host.sounds.empty()) << "switching the sound plays nothing";
}

TEST(Toolbar, HelpOpensTheRulesFromTheBoard) {
    Table t;
    t.game.Toolbar2_ButtonClick("tbHelp");
    EXPECT_TRUE(t.prog.OpenedFromBoard);
    EXPECT_EQ(t.host.quickStartOpened, 1);
    EXPECT_EQ(t.host.closeRequests, 0);
}

TEST(Toolbar, ExitAsksTheWindowToClose) {
    Table t;
    t.game.Toolbar2_ButtonClick("tbExit");
    EXPECT_EQ(t.host.closeRequests, 1);
    EXPECT_EQ(t.host.quickStartOpened, 0);
}

TEST(Toolbar, GameCommandsRunAsFromTheMenu) {
    // The toolbar and the menu reach one and the same command.
    using Command = void (Game::*)();
    struct Case {
        const char* key;
        Command command;
    };
    for (auto c : {Case{"tbNew", &Game::mnuNewGame_Click}, Case{"tbUndo", &Game::mnuUndoUndo_Click},
                   Case{"tbRedo", &Game::mnuUndoRedo_Click}}) {
        Table viaToolbar;
        Table viaMenu;
        for (Table* t : {&viaToolbar, &viaMenu}) {
            AfterARoll(*t);
            t->board.lblDown[0].Caption = "3";
            t->board.Round = 1;
            t->board.Toolbar2.Buttons[3].Enabled = true;
            t->board.mnuUndoUndo.Enabled = true;
        }
        viaToolbar.game.Toolbar2_ButtonClick(c.key);
        (viaMenu.game.*c.command)();
        EXPECT_EQ(StateFingerprint(viaToolbar), StateFingerprint(viaMenu)) << c.key;
    }
}

TEST(Toolbar, KeysMustMatchExactly) {
    for (const char* key : {"tbhint", "tbHint ", "TBNEW", "", "tbSounds", "Exit"}) {
        Table t;
        Table untouched;
        AfterARoll(t);
        AfterARoll(untouched);
        t.game.Toolbar2_ButtonClick(key);
        EXPECT_EQ(StateFingerprint(t), StateFingerprint(untouched)) << '"' << key << '"';
        EXPECT_TRUE(t.board.HintAvailable);
        EXPECT_FALSE(t.prog.OpenedFromBoard);
    }
}
