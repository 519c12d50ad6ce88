// Playing on the real board window with the mouse and the keyboard: whole
// one-column games for one and two players, holding and releasing dice, the
// two keys, the hint button and undo and redo from the toolbar.
#include "BoardWindow.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <filesystem>

namespace {

using testing_support::BoardWindowTest;

class BoardPlay : public BoardWindowTest {};

// One turn per row: the faces of one throw of five dice and the row's score.
struct Turn {
    std::initializer_list<int> faces;
    const char* score;
};

TEST_F(BoardPlay, OneColumnGameRunsFromTheFirstRollToTheEndOfGameQuestion) {
    Open(4, 1, 1);
    EXPECT_EQ(PanelText(2), "Roll the dice");
    for (int row = 0; row < 13; ++row) {
        EXPECT_TRUE(W(Named("cmdRand", row))->isVisible());
        EXPECT_FALSE(W(Named("cmdRand", row))->isEnabled()) << "no cell before the first roll";
    }

    const Turn turns[13] = {
        {{1, 1, 1, 2, 3}, "3"},   {{2, 2, 2, 1, 3}, "6"},  {{3, 3, 3, 1, 2}, "9"},
        {{4, 4, 4, 1, 2}, "12"},  {{5, 5, 5, 1, 2}, "15"}, {{6, 6, 6, 1, 2}, "18"},
        {{6, 6, 5, 5, 4}, "26"},  {{1, 1, 2, 2, 3}, "9"},  {{2, 2, 2, 5, 6}, "27"},
        {{3, 3, 5, 5, 5}, "41"},  {{1, 2, 3, 4, 5}, "50"}, {{4, 4, 4, 4, 1}, "47"},
        {{6, 6, 6, 6, 6}, "100"},
    };
    for (int row = 0; row < 13; ++row) {
        SCOPED_TRACE(row);
        sounds.clear();
        Roll(turns[row].faces);
        EXPECT_EQ(PanelText(4), "Round " + std::to_string(row + 1) + " of 13");
        EXPECT_EQ(PanelText(2), "Place your score or roll the dice");
        EXPECT_TRUE(W(Named("cmdRand", row))->isEnabled());
        EXPECT_EQ(sounds.front(), "rollAll");
        Click(Named("cmdRand", row));
        EXPECT_EQ(Text(Named("lblRand", row)), turns[row].score);
        EXPECT_FALSE(W(Named("cmdRand", row))->isVisible()) << "a written row takes no score";
        if (row < 12) {
            EXPECT_EQ(finishQuestions, 0);
            EXPECT_TRUE(ToolEnabled("tbUndo"));
        }
    }
    // Five of a kind was met with its fanfare while the row was open.
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "Quorvane"), sounds.end());

    // Upper rows 63 with the 35 bonus, (26 - 9) x 3 ones, and the lower rows.
    EXPECT_EQ(Text("lblRandTot2"), "51");
    EXPECT_EQ(Text("lblGrandTotal"), "414");
    // The last turn took one roll, so the game asked before it ended, then
    // stored the total and showed the table.
    EXPECT_EQ(finishQuestions, 1);
    EXPECT_EQ(topScoreDialogs, 1);
    const auto scores = programFolder.path() / "scores";
    ASSERT_TRUE(std::filesystem::is_directory(scores));
    EXPECT_FALSE(std::filesystem::is_empty(scores)) << "the total went into a top-score file";
    EXPECT_FALSE(W("picRollDices")->isEnabled());
    EXPECT_FALSE(ToolEnabled("tbUndo"));
    EXPECT_FALSE(ToolEnabled("tbRedo"));
    auto* marquee = window->findChild<QTimer*>("tmrGameOver");
    ASSERT_NE(marquee, nullptr);
    EXPECT_TRUE(marquee->isActive());
    // Neither a click nor Enter rolls after the game.
    const auto dice = Dice();
    Click("picRollDices");
    Key(Qt::Key_Return);
    EXPECT_EQ(Dice(), dice);
    EXPECT_EQ(unscriptedDraws, 0);
}

TEST_F(BoardPlay, UndoingTheLastMoveAtTheEndQuestionKeepsTheGameOpen) {
    Open(4, 1, 1);
    for (int row = 0; row < 12; ++row) {
        Roll({1, 2, 3, 4, 6});
        Click(Named("cmdRand", row));
    }
    finishAnswers.push_back(false);
    Roll({5, 5, 5, 5, 5});
    Click("cmdRand(12)");
    EXPECT_EQ(finishQuestions, 1);
    EXPECT_EQ(topScoreDialogs, 0);
    EXPECT_EQ(Text("lblRand(12)"), "") << "the last move is taken back";
    EXPECT_TRUE(W("cmdRand(12)")->isVisible());
    // The turn goes on: a second roll is allowed and the row can be written.
    Roll({5, 5, 5, 5, 5});
    Click("cmdRand(12)");
    EXPECT_EQ(Text("lblRand(12)"), "100");
    EXPECT_EQ(finishQuestions, 2);
    EXPECT_EQ(topScoreDialogs, 1);
}

TEST_F(BoardPlay, HeldDiceKeepTheirFacesAndComeBackWhenReleased) {
    Open(4, 4, 1);
    // Before the first roll a die cannot be set aside.
    Click("picDice(1)");
    EXPECT_TRUE(W("picDice(1)")->isVisible());
    EXPECT_FALSE(W("PicDiceOff(1)")->isVisible());

    Roll({2, 6, 3, 6, 1});
    Click("picDice(1)");
    Click("picDice(3)");
    EXPECT_FALSE(W("picDice(1)")->isVisible());
    EXPECT_TRUE(W("PicDiceOff(1)")->isVisible());
    EXPECT_TRUE(Shows(W("PicDiceOff(1)"), "faceHeld6"));
    EXPECT_FALSE(program.DieFree[1]);
    EXPECT_FALSE(program.DieFree[3]);
    EXPECT_EQ(sounds.back(), "holdDice");

    // Only the three free dice are thrown.
    Roll({4, 5, 5});
    EXPECT_EQ(Dice(), (std::vector<int>{4, 6, 5, 6, 5}));
    EXPECT_TRUE(Shows(W("picDice(0)"), "face4"));

    Click("PicDiceOff(3)");
    EXPECT_TRUE(W("picDice(3)")->isVisible());
    EXPECT_FALSE(W("PicDiceOff(3)")->isVisible());
    EXPECT_TRUE(program.DieFree[3]);
    EXPECT_EQ(sounds.back(), "UnHoldDice");

    // The third roll locks the dice where they lie.
    Roll({1, 1, 1, 1});
    EXPECT_FALSE(W("picDice(0)")->isEnabled());
    EXPECT_FALSE(W("PicDiceOff(1)")->isEnabled());
    Click("PicDiceOff(1)");
    EXPECT_TRUE(W("PicDiceOff(1)")->isVisible());
    EXPECT_FALSE(W("picRollDices")->isEnabled());
    EXPECT_EQ(PanelText(2), "Place your score");
}

TEST_F(BoardPlay, EnterRollsLikeAClickAndSpaceOnlyMinimises) {
    Open(4, 4, 1);
    // No control of the board takes the keyboard focus, so the two keys
    // always reach the window itself (a focused button would take Space and
    // Enter as its own click).
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisible()) {
            EXPECT_EQ(child->focusPolicy() & Qt::TabFocus, 0)
                << child->metaObject()->className() << " " << child->objectName().toStdString();
        }
    }
    ScriptRoll({3, 3, 3, 3, 3});
    Key(Qt::Key_Return);
    EXPECT_TRUE(randoms.empty());
    EXPECT_EQ(Dice(), (std::vector<int>{3, 3, 3, 3, 3}));
    EXPECT_EQ(Model().RollCount, 1);
    EXPECT_EQ(Model().picRollDices.Picture, "roll") << "no pressed look for a roll by key";

    Click("picDice(0)");
    Key(Qt::Key_Space);
    QTest::qWait(20);
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(Model().RollCount, 1) << "Space never rolls";
    EXPECT_EQ(unscriptedDraws, 0);
    EXPECT_FALSE(program.DieFree[0]) << "nor changes the game";
    EXPECT_TRUE(W("cmdRand(0)")->isVisible());

    window->showNormal();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ScriptRoll({1, 1, 1, 1});
    Key(Qt::Key_Enter);
    EXPECT_EQ(Model().RollCount, 2);
    ScriptRoll({2, 2, 2, 2});
    Key(Qt::Key_Return);
    EXPECT_EQ(Model().RollCount, 3);
    // After the third roll Enter does nothing.
    Key(Qt::Key_Return);
    EXPECT_EQ(Model().RollCount, 3);
    EXPECT_EQ(unscriptedDraws, 0);
}

TEST_F(BoardPlay, TheHintButtonGivesOneHintPerRoll) {
    Open(4, 4, 1);
    EXPECT_TRUE(ToolEnabled("tbHint"));
    ClickTool("tbHint");
    EXPECT_FALSE(W("lblTip(0)")->isVisible()) << "no hint before the first roll";
    EXPECT_TRUE(sounds.empty());

    Roll({5, 5, 5, 2, 2});
    ClickTool("tbHint");
    EXPECT_TRUE(W("lblTip(4)")->isVisible());
    EXPECT_EQ(Text("lblTip(4)"), "15");
    EXPECT_EQ(Text("lblTip(9)"), "39");
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "hint"), 1);
    ClickTool("tbHint");
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "hint"), 1) << "one hint a roll";

    // The next roll takes the hints away and offers a new one.
    Roll({1, 1, 1, 1, 1});
    EXPECT_FALSE(W("lblTip(4)")->isVisible());
    ClickTool("tbHint");
    EXPECT_TRUE(W("lblTip(0)")->isVisible());
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "hint"), 2);
}

TEST_F(BoardPlay, UndoAndRedoFromTheToolbarTakeBackAndReplayAMove) {
    Open(4, 4, 1);
    EXPECT_FALSE(ToolEnabled("tbUndo"));
    EXPECT_FALSE(ToolEnabled("tbRedo"));
    Roll({4, 4, 4, 1, 2});
    Click("cmdRand(3)");
    EXPECT_EQ(Text("lblRand(3)"), "12");
    EXPECT_EQ(Text("lblGrandTotal"), "12");
    EXPECT_TRUE(ToolEnabled("tbUndo"));
    EXPECT_FALSE(ToolEnabled("tbRedo"));
    EXPECT_TRUE(Action("mnuUndoUndo")->isEnabled());

    ClickTool("tbUndo");
    EXPECT_EQ(Text("lblRand(3)"), "");
    EXPECT_FALSE(ToolEnabled("tbUndo"));
    EXPECT_TRUE(ToolEnabled("tbRedo"));
    EXPECT_TRUE(Action("mnuUndoRedo")->isEnabled());
    EXPECT_EQ(sounds.back(), "undo");
    EXPECT_TRUE(W("cmdRand(3)")->isVisible()) << "the cell can be written again";
    EXPECT_TRUE(W("picRollDices")->isEnabled());

    ClickTool("tbRedo");
    EXPECT_EQ(Text("lblRand(3)"), "12");
    EXPECT_EQ(Text("lblGrandTotal"), "12");
    EXPECT_TRUE(ToolEnabled("tbUndo"));
    EXPECT_FALSE(ToolEnabled("tbRedo"));
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), "score"), 1) << "a replay is silent";

    // The next roll withdraws both.
    Roll({1, 2, 3, 4, 5});
    EXPECT_FALSE(ToolEnabled("tbUndo"));
    EXPECT_FALSE(ToolEnabled("tbRedo"));
}

} // namespace

namespace {

using testing_support::BoardWindowTest;

// The reveal of a new sheet on the window's real timer: its ticks come no
// faster than every 15 ms, so the 27 ticks of the spiral take at least 0.4 s
// however quickly the machine draws them.
TEST_F(BoardPlay, TheRevealTicksNoFasterThanEveryFifteenMilliseconds) {
    Open(4, 4, 1, [](game::GameSettings& s) { s.ConfirmQuitGame = false; });
    Roll({1, 2, 3, 4, 5});
    randoms.push_back(8.5 / 9.0); // the spiral, variant 9
    QElapsedTimer clock;
    clock.start();
    ClickTool("tbNew");
    ASSERT_EQ(Model().RevealVariant, 9);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !Model().tmrAnimation.Enabled; }, 5000));
    EXPECT_GE(clock.elapsed(), 27 * 15);
    EXPECT_TRUE(W("picRollDices")->isEnabled());
}

class BoardTwoPlayers : public BoardWindowTest {
protected:
    // The whole caption of a push button of the board lies inside the part
    // of the button that its style keeps for the caption.
    void ExpectCaptionFits(const std::string& name) {
        auto* button = qobject_cast<QPushButton*>(W(name));
        ASSERT_NE(button, nullptr) << name;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(button->text()), room.width())
            << name << " \"" << button->text().toStdString() << "\"";
    }
};

TEST_F(BoardTwoPlayers, TurnsAlternateAndTheFinishedBoardsCanBeViewedButNotRolled) {
    Open(4, 1, 2);
    EXPECT_EQ(window->windowTitle(), "Quorvane - Player 1");
    EXPECT_EQ(PanelText(1), "Player 1  ");
    for (int row = 0; row < 13; ++row) {
        SCOPED_TRACE(row);
        // Player 1: the first roll by Enter, later ones by the Next Player
        // button, which also hands the board over.
        ScriptRoll({1, 1, 2, 3, 4});
        if (row == 0) {
            Key(Qt::Key_Return);
        } else {
            ASSERT_TRUE(W("cmdNextPlayer")->isVisible());
            ExpectCaptionFits("cmdNextPlayer");
            Click("cmdNextPlayer");
        }
        EXPECT_EQ(window->windowTitle(), "Quorvane - Player 1");
        EXPECT_EQ(PanelText(1), "Player 1  ");
        EXPECT_EQ(Text("lblRand(0)"), row == 0 ? "" : "2") << "player 1's own sheet";
        Click(Named("cmdRand", row));
        ASSERT_TRUE(W("cmdNextPlayer")->isVisible());

        // Player 2: Enter carries out the turn change and rolls.
        ScriptRoll({2, 2, 2, 3, 4});
        Key(Qt::Key_Return);
        EXPECT_FALSE(W("cmdNextPlayer")->isVisible());
        EXPECT_EQ(window->windowTitle(), "Quorvane - Player 2");
        EXPECT_EQ(PanelText(1), "Player 2  ");
        EXPECT_EQ(Text("lblRand(0)"), row == 0 ? "" : "0") << "player 2's own sheet";
        Click(Named("cmdRand", row));
        EXPECT_EQ(unscriptedDraws, 0);
    }
    EXPECT_EQ(finishQuestions, 2) << "each player's last turn took one roll";
    EXPECT_EQ(winnerDialogs, 1);
    EXPECT_TRUE(W("cmdShowNextBoard")->isVisible());
    ExpectCaptionFits("cmdShowNextBoard");
    EXPECT_FALSE(W("cmdNextPlayer")->isVisible());

    // Enter does nothing now; the viewer shows player 1's board.
    const auto dice = Dice();
    Key(Qt::Key_Return);
    EXPECT_EQ(Dice(), dice);
    EXPECT_EQ(unscriptedDraws, 0);
    Click("cmdShowNextBoard");
    EXPECT_EQ(window->windowTitle(), "Quorvane - Player 1");
    EXPECT_EQ(PanelText(1), "Player 1  ");
    ExpectCaptionFits("cmdShowNextBoard"); // now offering player 2's board
}

} // namespace
