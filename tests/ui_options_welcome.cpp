// The options dialog (filling, click rules, OK, Cancel and the close box, its
// place), the board's Options command around it, and the welcome dialog with
// its check box and the options' part in it.
#include "IsolatedSettings.h"
#include "ModalAnswers.h"
#include "TempFolder.h"
#include "board/frmQuorvane.h"
#include "shell/AppWindows.h"
#include "shell/HelpViewer.h"
#include "shell/HoverCommand.h"
#include "shell/frmOptions.h"
#include "shell/frmScores2.h"
#include "shell/frmWelcome.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using shell::frmOptions;
using shell::frmWelcome;
using testing_support::WhenModalOpens;

class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        program.Settings = game::GameSettings::FirstRunDefaults();
        program.AppPath = folder.appPath();
        program.ScoresPath = folder.appPath();
        program.OpenedFromBoard = true;
        anchor.setGeometry(300, 120, 420, 600);
    }
    testing_support::TempFolder folder;
    game::Program program;
    QWidget anchor;
};

TEST_F(OptionsDialog, FillsItsControlsFromTheSettings) {
    game::GameSettings& s = program.Settings;
    s.NumberOfDice = 4;
    s.NumberOfColumns = 1;
    s.Player1 = game::FixedText10("Ann");
    s.ConfirmOnExit = false;
    s.SoundOnExit = true;
    s.ConfirmQuitGame = false;
    s.ShowStatusBar = false;
    s.ShowDialog = false;
    s.ShowSplash = true;
    frmOptions dialog(program, &anchor);

    EXPECT_EQ(dialog.windowTitle(), "Options");
    ASSERT_EQ(dialog.SSTab1->count(), 1);
    EXPECT_EQ(dialog.SSTab1->tabText(0), "Options");
    EXPECT_TRUE(dialog.opt5Dice->isChecked());
    EXPECT_TRUE(dialog.optYahtzee->isChecked());
    EXPECT_TRUE(dialog.opt1Player->isChecked());
    EXPECT_FALSE(dialog.txtName2->isEnabled());
    EXPECT_EQ(dialog.txtName1->text(), "Ann       ");
    EXPECT_EQ(dialog.txtName2->text(), "Player 2  ");
    EXPECT_FALSE(dialog.chkConfirmExit->isChecked());
    EXPECT_TRUE(dialog.chkSoundOnExit->isChecked());
    EXPECT_FALSE(dialog.chkQuitGame->isChecked());
    EXPECT_TRUE(dialog.chkShowStatusBar->isEnabled());
    EXPECT_FALSE(dialog.chkShowStatusBar->isChecked());
    EXPECT_TRUE(dialog.optShowSplash->isChecked());
    EXPECT_EQ(dialog.HoverCommand1->text(), "  &OK");
    EXPECT_EQ(dialog.HoverCommand2->text(), "&Cancel");
    EXPECT_EQ(dialog.fraDice->title(), " Number of Dice ");
    EXPECT_EQ(dialog.chkShowStatusBar->text(), "S&how Status Bar");
}

TEST_F(OptionsDialog, StartUpChoiceLoadsAsOneOfThree) {
    struct {
        bool dialog, splash;
        QRadioButton* frmOptions::*selected;
    } cases[] = {{true, false, &frmOptions::optShowDialog},
                 {true, true, &frmOptions::optShowDialog},
                 {false, true, &frmOptions::optShowSplash},
                 {false, false, &frmOptions::optShowNone}};
    for (const auto& c : cases) {
        program.Settings.ShowDialog = c.dialog;
        program.Settings.ShowSplash = c.splash;
        frmOptions dialog(program, &anchor);
        EXPECT_TRUE((dialog.*c.selected)->isChecked()) << c.dialog << c.splash;
    }
}

TEST_F(OptionsDialog, TwoPlayersLockTheStatusBarBoxOn) {
    program.Settings.ShowStatusBar = false;
    frmOptions dialog(program, &anchor);
    ASSERT_FALSE(dialog.chkShowStatusBar->isChecked());

    dialog.opt2Players->click();
    EXPECT_TRUE(dialog.chkShowStatusBar->isChecked());
    EXPECT_FALSE(dialog.chkShowStatusBar->isEnabled());
    EXPECT_TRUE(dialog.txtName2->isEnabled());

    // Back to one player: unlocked, but still checked.
    dialog.opt1Player->click();
    EXPECT_TRUE(dialog.chkShowStatusBar->isEnabled());
    EXPECT_TRUE(dialog.chkShowStatusBar->isChecked());
    EXPECT_FALSE(dialog.txtName2->isEnabled());
    dialog.HoverCommand1->click();
    EXPECT_TRUE(program.Settings.ShowStatusBar);
    EXPECT_EQ(program.Settings.NumberOfPlayers, 1);
}

TEST_F(OptionsDialog, TwoPlayersLoadWithTheBoxLocked) {
    program.Settings.NumberOfPlayers = 2;
    program.Settings.ShowStatusBar = false;
    frmOptions dialog(program, &anchor);
    EXPECT_TRUE(dialog.opt2Players->isChecked());
    EXPECT_TRUE(dialog.txtName2->isEnabled());
    EXPECT_TRUE(dialog.chkShowStatusBar->isChecked());
    EXPECT_FALSE(dialog.chkShowStatusBar->isEnabled());
}

TEST_F(OptionsDialog, NoneStoresBothStartUpFlagsFalse) {
    frmOptions dialog(program, &anchor);
    dialog.optShowNone->click();
    dialog.HoverCommand1->click();
    EXPECT_FALSE(program.Settings.ShowDialog);
    EXPECT_FALSE(program.Settings.ShowSplash);
    EXPECT_TRUE(program.SettingsChanged);
}

TEST_F(OptionsDialog, OkStoresEveryControl) {
    frmOptions dialog(program, &anchor);
    dialog.opt5Dice->click();
    dialog.optYahtzee->click();
    dialog.opt2Players->click();
    dialog.txtName1->setText("Alexandra the Great");
    dialog.txtName2->setText("");
    dialog.chkConfirmExit->click();
    dialog.chkSoundOnExit->click();
    dialog.chkQuitGame->click();
    dialog.optShowSplash->click();
    dialog.HoverCommand1->click();

    const game::GameSettings& s = program.Settings;
    EXPECT_EQ(s.NumberOfDice, 4);
    EXPECT_EQ(s.NumberOfColumns, 1);
    EXPECT_EQ(s.NumberOfPlayers, 2);
    EXPECT_EQ(s.Player1, "Alexandra ");
    EXPECT_EQ(s.Player2, std::string(10, ' '));
    EXPECT_FALSE(s.ConfirmOnExit);
    EXPECT_FALSE(s.SoundOnExit);
    EXPECT_FALSE(s.ConfirmQuitGame);
    EXPECT_FALSE(s.ShowDialog);
    EXPECT_TRUE(s.ShowSplash);
    EXPECT_TRUE(s.ShowStatusBar);
    EXPECT_TRUE(program.SettingsChanged);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(OptionsDialog, OkWithoutChangesChangesNoSetting) {
    program.Settings.ShowStatusBar = false;
    const game::GameSettings before = program.Settings;
    frmOptions dialog(program, &anchor);
    dialog.HoverCommand1->click();
    const game::GameSettings& s = program.Settings;
    EXPECT_EQ(s.NumberOfDice, before.NumberOfDice);
    EXPECT_EQ(s.NumberOfColumns, before.NumberOfColumns);
    EXPECT_EQ(s.NumberOfPlayers, before.NumberOfPlayers);
    EXPECT_EQ(s.Player1, before.Player1);
    EXPECT_EQ(s.Player2, before.Player2);
    EXPECT_EQ(s.ShowDialog, before.ShowDialog);
    EXPECT_EQ(s.ShowSplash, before.ShowSplash);
    EXPECT_EQ(s.ShowStatusBar, before.ShowStatusBar);
    EXPECT_EQ(s.ConfirmOnExit, before.ConfirmOnExit);
    EXPECT_EQ(s.ConfirmQuitGame, before.ConfirmQuitGame);
    EXPECT_EQ(s.SoundOnExit, before.SoundOnExit);
    EXPECT_TRUE(program.SettingsChanged);
}

TEST_F(OptionsDialog, CancelAndTheCloseBoxKeepTheSettings) {
    program.SettingsChanged = true;
    {
        frmOptions dialog(program, &anchor);
        dialog.opt5Dice->click();
        dialog.txtName1->setText("Zed");
        dialog.HoverCommand2->click();
    }
    EXPECT_EQ(program.Settings.NumberOfDice, 5);
    EXPECT_EQ(program.Settings.Player1, "Player 1  ");
    EXPECT_FALSE(program.SettingsChanged);

    // The close box runs neither rule: SettingsChanged keeps its value.
    program.SettingsChanged = true;
    frmOptions dialog(program, &anchor);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.opt5Dice->click();
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(program.Settings.NumberOfDice, 5);
    EXPECT_TRUE(program.SettingsChanged);
}

// Enter from a text box or a check box confirms with OK; on the focused
// Cancel button it cancels.
TEST_F(OptionsDialog, EnterIsOkUnlessCancelHasTheFocus) {
    for (QWidget* (*from)(frmOptions&) :
         {+[](frmOptions& d) -> QWidget* { return d.txtName1; },
          +[](frmOptions& d) -> QWidget* { return d.chkConfirmExit; }}) {
        program.SettingsChanged = false;
        frmOptions dialog(program, &anchor);
        dialog.show();
        dialog.opt5Dice->click();
        QTest::keyClick(from(dialog), Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_TRUE(program.SettingsChanged);
        EXPECT_EQ(program.Settings.NumberOfDice, 4);
    }
    frmOptions dialog(program, &anchor);
    dialog.show();
    dialog.opt6Dice->click();
    QTest::keyClick(dialog.HoverCommand2, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(program.SettingsChanged);
    EXPECT_EQ(program.Settings.NumberOfDice, 4);
}

TEST_F(OptionsDialog, SitsCentredOverTheBoardAndLowerOverTheWelcomeDialog) {
    frmOptions fromBoard(program, &anchor);
    const QRect a = anchor.frameGeometry();
    EXPECT_NEAR(fromBoard.x(), a.left() + a.width() / 2 - fromBoard.width() / 2, 1);
    EXPECT_NEAR(fromBoard.y(), a.top() + a.height() / 2 - fromBoard.height() / 2, 1);

    program.OpenedFromBoard = false;
    frmOptions fromWelcome(program, &anchor);
    EXPECT_NEAR(fromWelcome.x(), fromBoard.x(), 1);
    EXPECT_NEAR(fromWelcome.y(), a.top() + a.height() / 1.5 - fromWelcome.height() / 1.5, 1);
    EXPECT_GT(fromWelcome.y(), fromBoard.y());
}

// ---- The board's Options command --------------------------------------------

class BoardOptions : public OptionsDialog {
protected:
    std::unique_ptr<ui::frmQuorvane> OpenBoard(std::function<void()> dialogChoice) {
        ui::BoardServices services;
        services.openOptions = [this, dialogChoice](QWidget*) {
            ++dialogsShown;
            seenOpenedFromBoard = program.OpenedFromBoard;
            seenSettingsChanged = program.SettingsChanged;
            dialogChoice();
        };
        return std::make_unique<ui::frmQuorvane>(program, services);
    }
    int dialogsShown = 0;
    bool seenOpenedFromBoard = false;
    bool seenSettingsChanged = true;
};

TEST_F(BoardOptions, MenuCommandOpensTheDialogAndAppliesANewDiceCount) {
    program.OpenedFromBoard = false;
    program.SettingsChanged = true;
    auto board = OpenBoard([this] {
        program.Settings.NumberOfDice = 4;
        program.SettingsChanged = true;
    });
    ASSERT_EQ(board->Logic().prog.LastDie, 5);
    ASSERT_NE(board->ActionFor("mnuOptions"), nullptr);

    testing_support::MessageBoxAnswers boxes;
    board->ActionFor("mnuOptions")->trigger();

    EXPECT_EQ(dialogsShown, 1);
    EXPECT_TRUE(seenOpenedFromBoard);
    EXPECT_FALSE(seenSettingsChanged);
    EXPECT_TRUE(boxes.seen.empty()) << "no game in progress: no question";
    EXPECT_EQ(program.LastDie, 4);
    EXPECT_FALSE(board->Model().picDice[5].Visible);
}

TEST_F(BoardOptions, OpensTheRealDialogCentredOverTheBoard) {
    ui::BoardServices services;
    QRect seen;
    services.openOptions = [this](QWidget* b) { frmOptions::ShowModal(program, b); };
    ui::frmQuorvane board(program, services);
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    WhenModalOpens<frmOptions>([&seen](frmOptions* dialog) {
        seen = dialog->frameGeometry();
        dialog->HoverCommand2->click();
    });
    board.ActionFor("mnuOptions")->trigger();
    ASSERT_TRUE(seen.isValid());
    EXPECT_NEAR(seen.center().x(), board.frameGeometry().center().x(), 2);
    EXPECT_FALSE(program.SettingsChanged);
    board.hide();
}

// ---- Welcome dialog ----------------------------------------------------------

class WelcomeDialog : public OptionsDialog {
protected:
    void SetUp() override {
        OptionsDialog::SetUp();
        program.OpenedFromBoard = false;
        program.SettingsChanged = false;
    }
};

TEST_F(WelcomeDialog, ShowsNameVersionLinksAndButtons) {
    frmWelcome welcome(program);
    EXPECT_EQ(welcome.windowTitle(), "Welcome to Quorvane 2.0");
    EXPECT_EQ(welcome.lblTitle->text(), "Q u o r v a n e");
    EXPECT_EQ(welcome.lblVersion->text(), "Version 2.0");
    EXPECT_EQ(welcome.Label1->text(), "Web site:");
    EXPECT_EQ(welcome.Label2->text(), "E-Mail:");
    EXPECT_EQ(welcome.cmdPlay->text(), "&Play");
    EXPECT_EQ(welcome.cmdExit->text(), "&Exit");
    EXPECT_EQ(welcome.cmdQuickStart->text(), "&Quick Start");
    EXPECT_EQ(welcome.cmdOptions->text(), "&Options");
    EXPECT_EQ(welcome.cmdScores->text(), "&Top Scores");
    EXPECT_EQ(welcome.Check1->text(), "Don't show this dialog next time");
    EXPECT_FALSE(welcome.Check1->isChecked());
    EXPECT_FALSE(program.SettingsChanged);
}

TEST_F(WelcomeDialog, IsCentredOnTheScreen) {
    frmWelcome welcome(program);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_NEAR(welcome.x() + welcome.width() / 2, screen.center().x(), 2);
    EXPECT_NEAR(welcome.y() + welcome.height() / 2, screen.center().y(), 2);
}

TEST_F(WelcomeDialog, PlayChoosesToPlayAndExitDoesNot) {
    {
        frmWelcome welcome(program);
        welcome.show();
        welcome.cmdExit->click();
        EXPECT_FALSE(welcome.isVisible());
        EXPECT_FALSE(program.PlayChosen);
    }
    frmWelcome welcome(program);
    welcome.show();
    welcome.cmdPlay->click();
    EXPECT_FALSE(welcome.isVisible());
    EXPECT_TRUE(program.PlayChosen);
}

TEST_F(WelcomeDialog, EnterPlays) {
    for (QWidget* (*from)(frmWelcome&) : {+[](frmWelcome& w) -> QWidget* { return w.cmdPlay; },
                                          +[](frmWelcome& w) -> QWidget* { return w.Check1; }}) {
        program.PlayChosen = false;
        frmWelcome welcome(program);
        welcome.show();
        QTest::keyClick(from(welcome), Qt::Key_Return);
        EXPECT_FALSE(welcome.isVisible());
        EXPECT_TRUE(program.PlayChosen);
    }
    // Enter on the focused Exit button leaves without playing.
    program.PlayChosen = false;
    frmWelcome welcome(program);
    welcome.show();
    QTest::keyClick(welcome.cmdExit, Qt::Key_Return);
    EXPECT_FALSE(welcome.isVisible());
    EXPECT_FALSE(program.PlayChosen);
}

TEST_F(WelcomeDialog, CheckBoxSwitchesBetweenDialogAndSplash) {
    frmWelcome welcome(program);
    welcome.Check1->click();
    EXPECT_FALSE(program.Settings.ShowDialog);
    EXPECT_TRUE(program.Settings.ShowSplash);
    EXPECT_TRUE(program.SettingsChanged);
    program.SettingsChanged = false;
    welcome.Check1->click();
    EXPECT_TRUE(program.Settings.ShowDialog);
    EXPECT_FALSE(program.Settings.ShowSplash);
    EXPECT_TRUE(program.SettingsChanged);
}

TEST_F(WelcomeDialog, OptionsWithSplashScreenTicksTheBox) {
    frmWelcome welcome(program);
    welcome.show();
    QRect optionsAt;
    WhenModalOpens<frmOptions>([&optionsAt](frmOptions* dialog) {
        optionsAt = dialog->geometry();
        dialog->optShowSplash->click();
        dialog->HoverCommand1->click();
    });
    welcome.cmdOptions->click();

    EXPECT_TRUE(welcome.Check1->isChecked());
    EXPECT_FALSE(program.Settings.ShowDialog);
    EXPECT_TRUE(program.Settings.ShowSplash);
    EXPECT_TRUE(program.SettingsChanged);
    // Over the welcome dialog, lower than centred.
    ASSERT_TRUE(optionsAt.isValid());
    EXPECT_GT(optionsAt.center().y(), welcome.frameGeometry().center().y());
    welcome.close();
}

TEST_F(WelcomeDialog, OptionsWithNoneWhileTheBoxIsClearEndsOnTheSplash) {
    frmWelcome welcome(program);
    welcome.show();
    WhenModalOpens<frmOptions>([](frmOptions* dialog) {
        dialog->optShowNone->click();
        dialog->HoverCommand1->click();
    });
    welcome.cmdOptions->click();
    EXPECT_TRUE(welcome.Check1->isChecked());
    EXPECT_FALSE(program.Settings.ShowDialog);
    EXPECT_TRUE(program.Settings.ShowSplash);
    welcome.close();
}

TEST_F(WelcomeDialog, TickThenOptionsCancelLeavesNothingToSave) {
    frmWelcome welcome(program);
    welcome.show();
    welcome.Check1->click();
    ASSERT_TRUE(program.SettingsChanged);
    WhenModalOpens<frmOptions>([](frmOptions* dialog) {
        EXPECT_TRUE(dialog->optShowSplash->isChecked());
        dialog->HoverCommand2->click();
    });
    welcome.cmdOptions->click();
    EXPECT_TRUE(welcome.Check1->isChecked());
    EXPECT_FALSE(program.SettingsChanged);
    EXPECT_FALSE(program.Settings.ShowDialog);
    EXPECT_TRUE(program.Settings.ShowSplash);
    welcome.close();
}

TEST_F(WelcomeDialog, TopScoresOpensTheTablesInViewMode) {
    program.ShowNewScore = true; // left over from nothing: the welcome asks for view mode
    frmWelcome welcome(program);
    welcome.show();
    bool viewMode = false;
    QRect at;
    WhenModalOpens<shell::frmScores2>([&](shell::frmScores2* dialog) {
        viewMode = dialog->lblScore->isHidden();
        at = dialog->frameGeometry();
        dialog->cmdReturn->click();
    });
    welcome.cmdScores->click();
    EXPECT_TRUE(viewMode);
    ASSERT_TRUE(at.isValid());
    EXPECT_NEAR(at.center().x(), welcome.frameGeometry().center().x(), 2);
    EXPECT_NEAR(at.center().y(), welcome.frameGeometry().center().y(), 2);
    welcome.close();
}

TEST_F(WelcomeDialog, ClosingLetsTheHelpViewerGo) {
    QTemporaryDir helpFolder;
    QFile help(helpFolder.filePath("QVHelp.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><body><p>Help</p></body></html>");
    help.close();
    ASSERT_TRUE(shell::HelpViewer::ShowContents(helpFolder.path() + "/", nullptr));
    QPointer<shell::HelpViewer> viewer = shell::HelpViewer::Current();
    ASSERT_NE(viewer, nullptr);

    frmWelcome welcome(program);
    welcome.show();
    welcome.close(); // the close box
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull() || !viewer->isVisible());
    EXPECT_FALSE(program.PlayChosen);
}

} // namespace

// ---- Wiring: the program's real windows ---------------------------------------

namespace {

class RealWiring : public IsolatedSettings {
protected:
    void SetUp() override {
        IsolatedSettings::SetUp();
        program.Settings = game::GameSettings::FirstRunDefaults();
        program.Settings.ConfirmOnExit = false;
        program.AppPath = folder2.appPath();
        program.ScoresPath = folder2.appPath();
    }
    testing_support::TempFolder folder2;
    game::Program program;
};

TEST_F(RealWiring, BoardMenusOpenTheTopScoresAndOptionsDialogs) {
    ui::frmQuorvane board(program, shell::BoardServicesFor(program));
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));

    bool viewMode = false;
    WhenModalOpens<shell::frmScores2>([&viewMode](shell::frmScores2* dialog) {
        viewMode = dialog->lblScore->isHidden();
        dialog->cmdReturn->click();
    });
    board.ActionFor("mnuScores")->trigger();
    EXPECT_TRUE(viewMode);

    bool optionsShown = false;
    WhenModalOpens<frmOptions>([&optionsShown](frmOptions* dialog) {
        optionsShown = true;
        dialog->opt5Dice->click();
        dialog->HoverCommand1->click();
    });
    board.ActionFor("mnuOptions")->trigger();
    EXPECT_TRUE(optionsShown);
    EXPECT_EQ(program.LastDie, 4);
    board.hide();
}

TEST_F(RealWiring, GameOverOpensTheTopScoresInNewScoreMode) {
    ui::frmQuorvane board(program, shell::BoardServicesFor(program));
    program.ShowNewScore = true;
    program.NewScorePosition = -1;
    program.NewScoreValue = 5;
    program.SoundOn = false;
    QString message;
    WhenModalOpens<shell::frmScores2>([&message](shell::frmScores2* dialog) {
        message = dialog->lblScore->text();
        dialog->cmdReturn->click();
    });
    static_cast<game::Host&>(board).ShowTopScores();
    EXPECT_TRUE(message.startsWith("  Your score of  5 points was not good enough"));
}

TEST_F(RealWiring, StartUpShowsTheWelcomeDialog) {
    shell::StartupWindows windows = shell::RealWindows(program);
    QString caption;
    WhenModalOpens<frmWelcome>([&caption](frmWelcome* dialog) {
        caption = dialog->windowTitle();
        dialog->cmdExit->click();
    });
    windows.ShowWelcomeDialog();
    EXPECT_EQ(caption, "Welcome to Quorvane 2.0");
    EXPECT_FALSE(program.PlayChosen);
}

} // namespace
