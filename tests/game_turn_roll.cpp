// The roll and holding dice: the cells each roll offers, the announce window
// and its reminder, the forced announcement, sounds, the third-roll lock,
// the turn change and the hints.
#include "TurnTable.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace game;
using testing_support::FakeHost;
using testing_support::TurnTable;

namespace {

std::vector<int> AllRows() {
    std::vector<int> rows;
    for (int row = 0; row < RowCount; ++row) {
        rows.push_back(row);
    }
    return rows;
}

// Fills every cell of the four-column sheet except the Oblg cells in `openOblg`
// and the cells of other columns in `openRand`, and counts the filled cells in Round.
void LateGame(TurnTable& t, std::vector<int> openOblg, std::vector<int> openRand = {}) {
    t.MidGame();
    auto& b = t.board;
    int open = 0;
    for (int row = 0; row < RowCount; ++row) {
        b.lblDown[row].Caption = b.lblUp[row].Caption = "1";
        const bool oblgOpen = std::find(openOblg.begin(), openOblg.end(), row) != openOblg.end();
        const bool randOpen = std::find(openRand.begin(), openRand.end(), row) != openRand.end();
        b.lblOblg[row].Caption = oblgOpen ? "" : "1";
        b.lblRand[row].Caption = randOpen ? "" : "1";
        open += (oblgOpen ? 1 : 0) + (randOpen ? 1 : 0);
    }
    b.DownRow = 13;
    b.UpRow = -1;
    b.Round = 52 - open;
}

} // namespace

TEST(RollOffers, FreshFourColumnBoard) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_FALSE(t.board.FirstRollPending);
    EXPECT_EQ(t.Offered(t.board.cmdDown), std::vector<int>{0});
    EXPECT_EQ(t.Offered(t.board.cmdUp), std::vector<int>{12});
    EXPECT_EQ(t.Offered(t.board.cmdRand), AllRows());
    EXPECT_EQ(t.Offered(t.board.cmdOblg), AllRows());
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_TRUE(t.board.cmdDown[row].Enabled && t.board.cmdUp[row].Enabled &&
                    t.board.cmdRand[row].Enabled && t.board.cmdOblg[row].Enabled);
    }
    EXPECT_TRUE(t.prog.GameInProgress);
    EXPECT_EQ(t.host.reseeds, 1);
    EXPECT_EQ(t.board.RollCount, 1);
    EXPECT_EQ(t.LitLamps(), 1);
    EXPECT_EQ(t.board.Dice, (std::array<int, 6>{1, 2, 3, 4, 6, 0}));
    EXPECT_EQ(t.board.picDice[4].Picture, t.board.picHide[5].Picture);
    EXPECT_EQ(t.board.PicDiceOff[4].Picture, t.board.picHideOff[5].Picture);
    EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Place your score or roll the dice");
    EXPECT_EQ(t.board.StatusBar1.Panels[4].Text, "Round 1 of 52");
    EXPECT_TRUE(t.board.HintAvailable);
}

TEST(RollOffers, LaterTurnsOfferTheNextDownAndUpRowsAndOpenCells) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 6});
    t.game.cmdDown_Click(0);
    t.Roll({1, 2, 3, 4, 6});
    t.game.cmdRand_Click(rowStraight);
    t.Roll({1, 2, 3, 4, 6});
    t.game.cmdOblg_Click(rowMin);
    t.game.cmdOblg_Click(rowMin);
    t.Roll({5, 5, 5, 5, 5});
    EXPECT_EQ(t.Offered(t.board.cmdDown), std::vector<int>{1});
    EXPECT_EQ(t.Offered(t.board.cmdUp), std::vector<int>{12});
    EXPECT_EQ(t.Offered(t.board.cmdRand).size(), 12u);
    EXPECT_FALSE(t.board.cmdRand[rowStraight].Visible);
    EXPECT_EQ(t.Offered(t.board.cmdOblg).size(), 12u);
    EXPECT_FALSE(t.board.cmdOblg[rowMin].Visible);
    EXPECT_EQ(t.board.StatusBar1.Panels[4].Text, "Round 4 of 52");
}

TEST(RollOffers, OneColumnGameEnablesItsButtonsOnEveryRoll) {
    TurnTable t(4, 1);
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_TRUE(t.board.FirstRollPending);
    EXPECT_EQ(t.Offered(t.board.cmdRand), AllRows());
    EXPECT_TRUE(t.Offered(t.board.cmdDown).empty());
    EXPECT_TRUE(t.Offered(t.board.cmdUp).empty());
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
    t.game.cmdRand_Click(rowSixes);
    for (auto& button : t.board.cmdRand) {
        button.Enabled = false;
    }
    t.Roll({1, 2, 3, 4, 6});
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_TRUE(t.board.cmdRand[row].Enabled);
        EXPECT_EQ(t.board.cmdRand[row].Visible, row != rowSixes);
    }
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
    EXPECT_EQ(t.board.StatusBar1.Panels[4].Text, "Round 2 of 13");
}

TEST(RollOffers, LastTurnOfOneColumnGameReadsRound13Of13) {
    TurnTable t(4, 1);
    t.board.Round = 12;
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_EQ(t.board.StatusBar1.Panels[4].Text, "Round 13 of 13");
}

TEST(AnnounceWindow, ClosesAtTheSecondRollUnlessARowIsAnnounced) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_EQ(t.Offered(t.board.cmdOblg), AllRows());
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
    EXPECT_EQ(t.Offered(t.board.cmdRand), AllRows());

    TurnTable u;
    u.Roll({1, 2, 3, 4, 6});
    u.game.cmdOblg_Click(rowMax);
    u.Roll({1, 2, 3, 4, 6});
    EXPECT_EQ(u.Offered(u.board.cmdOblg), std::vector<int>{rowMax});
    EXPECT_TRUE(u.Offered(u.board.cmdRand).empty());
}

TEST(AnnounceWindow, ReopensAtTheNextTurnAfterAnOblgWrite) {
    // A write with one roll leaves OblgWritten set; the next turn's first
    // roll clears it and offers the open Oblg cells again.
    TurnTable t;
    t.Roll({1, 2, 3, 4, 6});
    t.game.cmdOblg_Click(rowMax);
    t.game.cmdOblg_Click(rowMax);
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_EQ(t.Offered(t.board.cmdOblg).size(), 12u);
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
}

TEST(AnnounceReminder, ShownAtRound40WithTwelveOpenOblgCells) {
    TurnTable t;
    LateGame(t, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    ASSERT_EQ(t.board.Round, 40);
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_TRUE(t.host.messages.empty()) << "not before the first roll";
    t.Hold({0});
    const auto dice = t.board.Dice;
    t.host.ClearRecords();
    t.game.picRollDices_MouseUp(1, 0, 615, 645);
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, "You must announce now!");
    EXPECT_EQ(t.host.messages[0].title, "Reminder");
    EXPECT_EQ(t.host.messages[0].buttons, MsgButtons::OK);
    EXPECT_EQ(t.host.messages[0].icon, MsgIcon::Exclamation);
    EXPECT_FALSE(t.board.RollAllowed);
    EXPECT_FALSE(t.board.picRollDices.Enabled);
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
    EXPECT_EQ(t.board.Dice, dice);
    EXPECT_EQ(t.board.RollCount, 1);
    EXPECT_TRUE(t.host.pauses.empty());
    EXPECT_TRUE(t.host.sounds.empty());
    EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Place your score or roll the dice");
    EXPECT_EQ(t.Offered(t.board.cmdOblg).size(), 12u);

    // Releasing a held die unlocks the picture; the next request reminds again.
    t.game.PicDiceOff_Click(0);
    EXPECT_TRUE(t.board.picRollDices.Enabled);
    t.game.picRollDices_MouseUp(1, 0, 615, 645);
    EXPECT_EQ(t.host.messages.size(), 2u);
    EXPECT_EQ(t.board.RollCount, 1);

    // Announcing a row unlocks the roll for good.
    t.game.cmdOblg_Click(rowMax);
    EXPECT_TRUE(t.board.RollAllowed);
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_EQ(t.host.messages.size(), 2u);
    EXPECT_EQ(t.board.RollCount, 2);
}

TEST(AnnounceReminder, NotShownWhenAnotherColumnHasAnOpenBox) {
    TurnTable t;
    LateGame(t, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {0});
    ASSERT_EQ(t.board.Round, 40);
    t.Roll({1, 2, 3, 4, 6});
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_EQ(t.board.RollCount, 2);
}

TEST(AnnounceReminder, NotShownAfterTheSecondRoll) {
    TurnTable t;
    LateGame(t, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    t.Roll({1, 2, 3, 4, 6});
    t.game.cmdOblg_Click(rowMax);
    t.Roll({1, 2, 3, 4, 6});
    t.Roll({1, 2, 3, 4, 6}); // the third roll writes the announced row
    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_EQ(t.board.lblOblg[rowMax].Caption, "16");
}

TEST(ForcedAnnouncement, LastOpenOblgBoxIsAnnouncedBeforeTheFirstRoll) {
    TurnTable t;
    LateGame(t, {7});
    ASSERT_EQ(t.board.Round, 51);
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_EQ(t.host.sounds, (std::vector<std::string>{"announce", "rollAll"}));
    EXPECT_TRUE(t.board.Announced);
    EXPECT_EQ(t.board.CurrentRow, rowMin);
    EXPECT_EQ(t.board.RollCount, 1);
    EXPECT_EQ(t.Offered(t.board.cmdOblg), std::vector<int>{rowMin});
    EXPECT_FALSE(t.UndoOrRedoEnabled());
    EXPECT_EQ(t.LitLamps(), 1);
    EXPECT_TRUE(t.host.messages.empty());
}

TEST(ForcedAnnouncement, NothingAnnouncedWhenTheLastBoxIsElsewhere) {
    TurnTable t;
    LateGame(t, {}, {rowMin});
    ASSERT_EQ(t.board.Round, 51);
    t.Roll({1, 2, 3, 4, 6});
    EXPECT_FALSE(t.board.Announced);
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"rollAll"});
    EXPECT_EQ(t.Offered(t.board.cmdRand), std::vector<int>{rowMin});
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
}

TEST(RollSounds, ByTheNumberOfFreeDice) {
    struct Case {
        int lastDie;
        std::vector<int> held;
        const char* sound;
    };
    const Case cases[] = {
        {5, {}, "rollAll"},         {4, {}, "rollAll"},         {4, {0}, "rollAll"},
        {4, {0, 1}, "rollSome"},    {4, {0, 1, 2}, "rollSome"}, {4, {0, 1, 2, 3}, "rollOne"},
        {5, {0, 1, 2}, "rollSome"}, {5, {0, 1}, "rollAll"},
    };
    for (const auto& c : cases) {
        TurnTable t(c.lastDie);
        t.Roll(c.lastDie == 5 ? std::initializer_list<int>{1, 2, 3, 4, 6, 6}
                              : std::initializer_list<int>{1, 2, 3, 4, 6});
        for (int die : c.held) {
            t.game.picDice_Click(static_cast<std::int16_t>(die));
        }
        t.host.ClearRecords();
        t.game.picRollDices_MouseUp(1, 0, 615, 645);
        ASSERT_FALSE(t.host.sounds.empty());
        EXPECT_EQ(t.host.sounds.front(), c.sound) << c.held.size() << " dice held";
    }
}

TEST(RollSounds, NoneWhileSoundsAreOff) {
    TurnTable t;
    t.prog.SoundOn = false;
    t.Roll({4, 4, 4, 4, 4});
    t.game.cmdOblg_Click(rowMax);
    EXPECT_TRUE(t.host.sounds.empty());
}

TEST(Animation, NineFramesOfFacesTwoToSixThenTheFaces) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.Hold({0, 1, 2});
    t.host.ClearRecords();
    // Nine frames of one draw per free die, then one face per free die.
    for (int i = 0; i < 18; ++i) {
        t.host.randoms.push_back(i % 2 == 0 ? 0.0 : 0.99);
    }
    t.host.randoms.push_back(FakeHost::ForFace(6));
    t.host.randoms.push_back(FakeHost::ForFace(1));
    t.game.picRollDices_MouseUp(1, 0, 615, 645);
    EXPECT_EQ(t.host.pauses, std::vector<int>(9, 60));
    EXPECT_EQ(t.board.Dice, (std::array<int, 6>{1, 2, 3, 6, 1, 0}));
    EXPECT_EQ(t.board.picDice[3].Picture, t.board.picHide[5].Picture);
    EXPECT_EQ(t.board.picDice[4].Picture, t.board.picHide[0].Picture);
    // Held dice keep their face and both pictures.
    EXPECT_EQ(t.board.picDice[1].Picture, t.board.picHide[1].Picture);
    EXPECT_EQ(t.board.PicDiceOff[1].Picture, t.board.picHideOff[1].Picture);
    EXPECT_TRUE(t.host.randoms.empty());
}

TEST(ThirdRoll, LocksTheDiceInTheLookTheyHave) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.Roll({1, 2, 3, 4, 5});
    t.Hold({1, 3});
    t.Roll({6, 6, 6});
    EXPECT_EQ(t.board.RollCount, 3);
    EXPECT_EQ(t.LitLamps(), 3);
    EXPECT_FALSE(t.board.picRollDices.Enabled);
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
    for (int die = 0; die <= 4; ++die) {
        EXPECT_TRUE(t.prog.DieFree[die]);
        const bool held = die == 1 || die == 3;
        EXPECT_EQ(t.board.PicDiceOff[die].Visible, held);
        EXPECT_EQ(t.board.picDice[die].Visible, !held);
        EXPECT_FALSE(held ? t.board.PicDiceOff[die].Enabled : t.board.picDice[die].Enabled);
    }
    EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Place your score");
    EXPECT_FALSE(t.board.Announced);
    EXPECT_TRUE(t.board.cmdRand[0].Visible);
}

TEST(HoldingDice, EveryDieHeldLocksTheRollAndOneReleaseUnlocksIt) {
    for (int lastDie : {4, 5}) {
        TurnTable t(lastDie);
        t.Roll(lastDie == 4 ? std::initializer_list<int>{1, 2, 3, 4, 5}
                            : std::initializer_list<int>{1, 2, 3, 4, 5, 6});
        t.host.ClearRecords();
        for (int die = 0; die < lastDie; ++die) {
            t.game.picDice_Click(static_cast<std::int16_t>(die));
        }
        EXPECT_TRUE(t.board.picRollDices.Enabled);
        t.game.picDice_Click(static_cast<std::int16_t>(lastDie));
        EXPECT_FALSE(t.board.picRollDices.Enabled);
        EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
        EXPECT_FALSE(t.prog.DieFree[2]);
        EXPECT_FALSE(t.board.DieFreeSnapshot[2]);
        EXPECT_FALSE(t.board.picDice[2].Visible);
        EXPECT_TRUE(t.board.PicDiceOff[2].Visible);
        t.game.PicDiceOff_Click(2);
        EXPECT_TRUE(t.board.picRollDices.Enabled);
        EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollDice.Picture);
        EXPECT_TRUE(t.prog.DieFree[2]);
        EXPECT_TRUE(t.board.DieFreeSnapshot[2]);
        EXPECT_TRUE(t.board.picDice[2].Visible);
        EXPECT_FALSE(t.board.PicDiceOff[2].Visible);
        EXPECT_EQ(t.host.sounds.front(), "holdDice");
        EXPECT_EQ(t.host.sounds.back(), "UnHoldDice");
        EXPECT_EQ(t.host.sounds.size(), static_cast<std::size_t>(lastDie + 2));
    }
}

TEST(HoldingDice, IgnoresADieOutOfPlay) {
    TurnTable t(4);
    t.game.picDice_Click(5);
    t.game.picDice_Click(-1);
    EXPECT_TRUE(t.host.sounds.empty());
    EXPECT_FALSE(t.prog.DieFree[5]);
    EXPECT_TRUE(t.board.picRollDices.Enabled);
}

TEST(Fanfare, OnlyWhileAFiveOfAKindCellIsOffered) {
    TurnTable t(5);
    t.Roll({3, 3, 1, 3, 3, 3});
    EXPECT_EQ(t.host.sounds.back(), "Quorvane");
    EXPECT_EQ(t.board.Dice, (std::array<int, 6>{3, 3, 1, 3, 3, 3}));
    EXPECT_TRUE(t.board.lblRand[12].Caption.empty());

    // Second roll of a turn with no announcement, Rand 12 filled, and neither
    // Down nor Up at row 12: no five-of-a-kind cell is offered.
    TurnTable u;
    u.MidGame();
    u.board.lblRand[12].Caption = "0";
    u.board.UpRow = 11;
    u.Roll({2, 2, 2, 2, 1});
    u.Hold({0, 1, 2, 3});
    u.host.ClearRecords();
    u.Roll({2});
    EXPECT_EQ(u.host.sounds, std::vector<std::string>{"rollOne"});

    TurnTable quiet;
    quiet.prog.SoundOn = false;
    quiet.Roll({5, 5, 5, 5, 5});
    EXPECT_TRUE(quiet.host.sounds.empty());
}

TEST(Fanfare, RefusedRollTestsTheUnchangedDiceAgain) {
    TurnTable t;
    LateGame(t, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    t.Roll({6, 6, 6, 6, 6});
    t.host.ClearRecords();
    t.game.picRollDices_MouseUp(1, 0, 615, 645);
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"Quorvane"});
}

TEST(RollHints, HintsOnRequestGoAwayAndAlwaysOnAreRecomputed) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.board.HintShown = true;
    t.board.lblTip[0].Caption = "1";
    t.Roll({6, 6, 6, 6, 6});
    EXPECT_FALSE(t.board.HintShown);
    EXPECT_TRUE(t.board.lblTip[0].Caption.empty());

    t.board.HintsAlwaysOn = true;
    t.Roll({6, 6, 6, 6, 6}); // the third roll, no announcement
    EXPECT_EQ(t.board.lblTip[rowSixes].Caption, "30");
    EXPECT_EQ(t.board.lblTip[rowFiveOfAKind].Caption, "100");
}

TEST(RollUndo, ARollWithdrawsUndoAndRedo) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.game.cmdRand_Click(rowStraight);
    ASSERT_TRUE(t.UndoOffered());
    t.board.Toolbar2.Buttons[4].Enabled = true;
    t.board.mnuUndoRedo.Enabled = true;
    t.Roll({1, 2, 3, 4, 5});
    EXPECT_FALSE(t.UndoOrRedoEnabled());
}

TEST(TurnChange, NextPlayerSwapsCaptionAndRollsForTheNewPlayer) {
    TurnTable t(4, 4, 2);
    t.Roll({1, 2, 3, 4, 5});
    EXPECT_EQ(t.board.Caption, "Quorvane - Player 1") << "no turn change pending";
    t.game.cmdRand_Click(rowStraight);
    ASSERT_TRUE(t.board.cmdNextPlayer.Visible);
    t.ScriptRoll({6, 6, 6, 6, 6});
    t.game.cmdNextPlayer_Click();
    EXPECT_EQ(t.board.Caption, "Quorvane - Player 2");
    EXPECT_FALSE(t.board.cmdNextPlayer.Visible);
    for (int column = colDown; column <= colOblg; ++column) {
        EXPECT_TRUE(t.board.SecondPlayerTurn[column]);
    }
    EXPECT_EQ(t.board.RollCount, 1);
    EXPECT_EQ(t.board.Dice[0], 6);
    EXPECT_TRUE(t.board.StatusBar1.Panels[4].Text.empty()) << "no round text with two players";

    // Panel 1 now names player 2 (the status bar writes it): the next change
    // goes back to player 1.
    t.board.StatusBar1.Panels[1].Text = t.prog.Settings.Player2;
    t.game.cmdRand_Click(rowFiveOfAKind);
    t.Roll({1, 1, 1, 1, 1});
    EXPECT_EQ(t.board.Caption, "Quorvane - Player 1");
    EXPECT_FALSE(t.board.SecondPlayerTurn[1]);
}
