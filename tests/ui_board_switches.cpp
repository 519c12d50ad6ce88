// The board window's switches and its closing: the sound and hint switches
// from the Tools menu and the toolbar, and the exit question.
#include "BoardWindow.h"

#include <QMenu>
#include <QMenuBar>
#include <QSettings>

namespace {

using testing_support::BoardWindowTest;

class BoardSwitches : public BoardWindowTest {
protected:
    static QImage IconImage(const QIcon& icon) { return icon.pixmap(QSize(24, 24)).toImage(); }

    // The menu pair, the toolbar picture and both flags tell the same.
    void ExpectSound(bool on) {
        EXPECT_EQ(program.SoundOn, on);
        EXPECT_EQ(program.Settings.SoundEnabled, on);
        EXPECT_EQ(Action("mnuSoundsOn")->isVisible(), on);
        EXPECT_EQ(Action("mnuSoundsOff2")->isVisible(), on);
        EXPECT_EQ(Action("mnuSoundsOn2")->isVisible(), !on);
        EXPECT_EQ(Action("mnuSoundsOff")->isVisible(), !on);
        auto* button =
            qobject_cast<QToolButton*>(window->Toolbar()->widgetForAction(Action("tbSound")));
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(IconImage(button->icon()), IconImage(ui::ToolbarIcon(on ? 5 : 8)));
        EXPECT_NE(IconImage(button->icon()), IconImage(ui::ToolbarIcon(on ? 8 : 5)));
    }

    void ExpectHintsAlways(bool always) {
        EXPECT_EQ(program.Settings.hintAllways, always);
        EXPECT_EQ(Model().HintsAlwaysOn, always);
        EXPECT_EQ(Action("mnuHintsAllways")->isVisible(), always);
        EXPECT_EQ(Action("mnuHintsByRequest2")->isVisible(), always);
        EXPECT_EQ(Action("mnuHintsByRequest")->isVisible(), !always);
        EXPECT_EQ(Action("mnuHintsAllways2")->isVisible(), !always);
        EXPECT_EQ(ToolEnabled("tbHint"), !always);
    }
};

TEST_F(BoardSwitches, SoundSwitchAgreesEverywhereWhicheverWayItIsUsed) {
    Open(5, 4, 1);
    ExpectSound(true);
    ClickTool("tbSound");
    ExpectSound(false);
    Choose("mnuSoundsOn2");
    ExpectSound(true);
    Choose("mnuSoundsOff2");
    ExpectSound(false);
    ClickTool("tbSound");
    ExpectSound(true);
    EXPECT_TRUE(sounds.empty()) << "switching plays nothing";

    // With the sound off the game is silent; back on, it plays again.
    ClickTool("tbSound");
    Roll({1, 2, 3, 4, 5, 6});
    EXPECT_TRUE(sounds.empty());
    Choose("mnuSoundsOn2");
    Roll({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(sounds, std::vector<std::string>{"rollAll"});
}

TEST_F(BoardSwitches, SoundOffAtStartShowsTheOffPicture) {
    Open(4, 4, 1, [](game::GameSettings& s) { s.SoundEnabled = false; });
    ExpectSound(false);
}

TEST_F(BoardSwitches, HintSwitchAgreesEverywhereAndShowsHintsOnlyInAGame) {
    Open(4, 4, 1);
    ExpectHintsAlways(false);
    EXPECT_FALSE(W("lblTip(0)")->isVisible());

    // Before the first roll the column shows, but nothing is computed.
    Choose("mnuHintsAllways2");
    ExpectHintsAlways(true);
    EXPECT_TRUE(W("lblTip(0)")->isVisible());
    EXPECT_EQ(Text("lblTip(0)"), "");
    EXPECT_EQ(sounds, std::vector<std::string>{"hint"});

    Roll({2, 2, 2, 3, 3});
    EXPECT_EQ(Text("lblTip(1)"), "6") << "hints after every roll";
    Choose("mnuHintsByRequest2");
    ExpectHintsAlways(false);
    EXPECT_FALSE(W("lblTip(1)")->isVisible());
    // This roll's hint is still to be had from the button.
    ClickTool("tbHint");
    EXPECT_TRUE(W("lblTip(1)")->isVisible());

    // Mid-game the switch shows the hints at once; with sound off it is silent.
    ClickTool("tbSound");
    sounds.clear();
    Roll({4, 4, 4, 4, 1});
    EXPECT_FALSE(W("lblTip(3)")->isVisible());
    Choose("mnuHintsAllways2");
    EXPECT_TRUE(W("lblTip(3)")->isVisible());
    EXPECT_EQ(Text("lblTip(3)"), "16");
    EXPECT_TRUE(sounds.empty());
}

class BoardClosing : public BoardWindowTest {};

TEST_F(BoardClosing, CancelInTheExitQuestionKeepsTheWindowAndItsGame) {
    Open(4, 4, 1);
    Roll({6, 6, 6, 1, 2});
    SeenBox box;
    AnswerNextMessageBox(box, QMessageBox::Cancel);
    window->close();
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, "Confirm");
    EXPECT_EQ(box.text, "Exit Quorvane?");
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(saves, 0);
    EXPECT_FALSE(StoreExists()) << "nothing saved";
    EXPECT_EQ(sounds, std::vector<std::string>{"rollAll"}) << "no exit sound";
    EXPECT_EQ(Model().RollCount, 1);

    // Escape in the question is a Cancel too.
    SeenBox escaped;
    AnswerNextMessageBox(escaped, QMessageBox::Escape);
    Choose("mnuGameExit");
    EXPECT_TRUE(escaped.seen);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(saves, 0);
}

TEST_F(BoardClosing, OkInTheExitQuestionSavesTheSettingsAndSaysGoodbye) {
    Open(4, 1, 1);
    ClickTool("tbSound");
    ClickTool("tbSound"); // back on: the running choice is what gets saved
    Choose("mnuHintsAllways2");
    sounds.clear();
    SeenBox box;
    AnswerNextMessageBox(box, QMessageBox::Ok);
    ClickTool("tbExit");
    QTest::qWait(50);
    EXPECT_TRUE(box.seen);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(saves, 1);
    QSettings store(QStringLiteral("Quorvane"), QStringLiteral("Quorvane2"));
    EXPECT_EQ(store.value("hintAllways").toString(), "True");
    EXPECT_EQ(store.value("NumberOfColumns").toString(), "1");
    EXPECT_EQ(sounds, std::vector<std::string>{"sync:exitGame"});
}

struct ExitSoundCase {
    bool soundOn;
    bool soundOnExit;
};

class BoardExitSound : public BoardWindowTest,
                       public ::testing::WithParamInterface<ExitSoundCase> {};

TEST_P(BoardExitSound, PlaysOnlyWithSoundOnAndSoundOnExit) {
    const ExitSoundCase c = GetParam();
    Open(4, 4, 1, [&](game::GameSettings& s) {
        s.ConfirmOnExit = false;
        s.SoundEnabled = c.soundOn;
        s.SoundOnExit = c.soundOnExit;
    });
    Choose("mnuGameExit");
    EXPECT_FALSE(window->isVisible()) << "no question: the window closes at once";
    EXPECT_EQ(saves, 1);
    const std::vector<std::string> expected = c.soundOn && c.soundOnExit
                                                  ? std::vector<std::string>{"sync:exitGame"}
                                                  : std::vector<std::string>{};
    EXPECT_EQ(sounds, expected);
}

INSTANTIATE_TEST_SUITE_P(Combinations, BoardExitSound,
                         ::testing::Values(ExitSoundCase{true, true}, ExitSoundCase{true, false},
                                           ExitSoundCase{false, true},
                                           ExitSoundCase{false, false}));

} // namespace
