// Pictures of the options dialog, the top-score tables dialog in both modes
// and the welcome dialog, for a look by eye. Writes to QUORVANE_SHOTS_DIR
// (default "shots"); run under a real X server with QT_QPA_PLATFORM=xcb.
#include "TempFolder.h"
#include "game/Program.h"
#include "game/TopScoreFile.h"
#include "shell/frmOptions.h"
#include "shell/frmScores2.h"
#include "shell/frmWelcome.h"

#include <QCheckBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString Folder() {
    return qEnvironmentVariable("QUORVANE_SHOTS_DIR", QStringLiteral("shots"));
}

void Shoot(QWidget* widget, const QString& name) {
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    QTest::qWait(150);
    EXPECT_TRUE(widget->grab().save(QDir(Folder()).filePath(name + ".png")));
}

shell::ScoreDialogSounds Silent() {
    return {[](const QString&) {}, [](const QString&) { return true; }};
}

class MoreDialogShots : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(Folder());
        program.Settings = game::GameSettings::FirstRunDefaults();
        program.AppPath = folder.appPath();
        program.ScoresPath = folder.appPath();
        board.setWindowTitle(QStringLiteral("Quorvane"));
        board.setGeometry(300, 80, 330, 600);
        board.show();
        game::TopScorePlacesArray places;
        const char* names[] = {"Alexandra", "Bob", "Chris", "Dana", "Eve", "Frank", "Gwen"};
        for (int i = 0; i < 7; ++i) {
            places[static_cast<std::size_t>(i)] =
                game::MakeScoreRecord(names[i], 1480 - i * 57, "08/12/2026");
        }
        game::WriteTopScoreTable(game::TopScoreFileName(program.ScoresPath, 1), places);
        places[6].Score = game::EmptyPlaceScore; // a place without a score still shows its texts
        game::WriteTopScoreTable(game::TopScoreFileName(program.ScoresPath, 2), places);
    }
    testing_support::TempFolder folder;
    game::Program program;
    QWidget board;
};

TEST_F(MoreDialogShots, Options) {
    program.OpenedFromBoard = true;
    shell::frmOptions options(program, &board);
    Shoot(&options, QStringLiteral("options"));
    program.Settings.NumberOfPlayers = 2;
    program.Settings.Player2 = game::FixedText10("Bob");
    program.Settings.ShowDialog = false;
    shell::frmOptions two(program, &board);
    Shoot(&two, QStringLiteral("options_two_players"));
}

TEST_F(MoreDialogShots, TopScoresView) {
    program.OpenedFromBoard = true;
    shell::frmScores2 view(program, &board, Silent());
    Shoot(&view, QStringLiteral("scores_view"));
    view.Check1->setChecked(false);
    view.SSTab1->setCurrentIndex(1);
    QTest::qWait(50);
    EXPECT_TRUE(view.grab().save(QDir(Folder()).filePath("scores_view_tab2_nogrid.png")));
}

TEST_F(MoreDialogShots, TopScoresNewScore) {
    program.OpenedFromBoard = true;
    program.ShowNewScore = true;
    program.NewScoreValue = 1366;
    program.NewScorePosition = 3;
    shell::frmScores2 placed(program, &board, Silent());
    Shoot(&placed, QStringLiteral("scores_new_place"));
    program.NewScoreValue = 212;
    program.NewScorePosition = -1;
    shell::frmScores2 missed(program, &board, Silent());
    Shoot(&missed, QStringLiteral("scores_new_missed"));
}

TEST_F(MoreDialogShots, Welcome) {
    board.hide();
    shell::frmWelcome welcome(program);
    Shoot(&welcome, QStringLiteral("welcome"));
    // Before the board exists the options sit over the welcome dialog, lower
    // than centred, and the top scores centred.
    program.OpenedFromBoard = false;
    shell::frmOptions options(program, &welcome);
    Shoot(&options, QStringLiteral("options_from_welcome"));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir(Folder()).filePath("options_over_welcome_screen.png")));
    options.hide();
    shell::frmScores2 scores(program, &welcome, Silent());
    Shoot(&scores, QStringLiteral("scores_from_welcome"));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir(Folder()).filePath("scores_over_welcome_screen.png")));
}

} // namespace
