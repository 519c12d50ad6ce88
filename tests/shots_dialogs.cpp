// Pictures of every small dialog for a look by eye: runs only when
// QUORVANE_SHOTS_DIR names a folder, and writes one PNG per dialog there.
// Run under a real X server (for example xvfb-run) with QT_QPA_PLATFORM=xcb.
#include "game/Program.h"
#include "shell/EndGameDialogs.h"
#include "shell/HelpViewer.h"
#include "shell/HoverCommand.h"
#include "shell/frmAbout.h"
#include "shell/frmQuickStart.h"
#include "shell/frmSplash.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QGridLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString ShotsFolder() {
    return qEnvironmentVariable("QUORVANE_SHOTS_DIR", QStringLiteral("shots"));
}

void Shoot(QWidget* widget, const QString& name) {
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget));
    QTest::qWait(150);
    EXPECT_TRUE(widget->grab().save(QDir(ShotsFolder()).filePath(name + ".png")));
}

class DialogShots : public ::testing::Test {
protected:
    void SetUp() override {
        QDir().mkpath(ShotsFolder());
        board.setWindowTitle(QStringLiteral("Quorvane"));
        board.setGeometry(300, 80, 330, 600);
        board.show();
    }
    game::Program program;
    QWidget board;
};

TEST_F(DialogShots, PictureButtonStates) {
    QWidget panel;
    panel.setStyleSheet(QStringLiteral("background: rgb(236, 240, 245);"));
    auto* grid = new QGridLayout(&panel);
    const char* names[] = {"rest", "lit", "pressed", "disabled", "focus"};
    const char* captions[] = {"&Play", "&Quick Start", "&Top Scores", "&Clear Table", "  &OK"};
    for (int i = 0; i < 5; ++i) {
        auto* button = new shell::HoverCommand(QString::fromLatin1(captions[i]), &panel);
        grid->addWidget(new QLabel(QString::fromLatin1(names[i]), &panel), i, 0);
        grid->addWidget(button, i, 1);
        if (i == 1) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(button, &enter);
        } else if (i == 2) {
            button->setDown(true);
        } else if (i == 3) {
            button->setEnabled(false);
        } else if (i == 4) {
            button->setFocus();
        }
    }
    panel.show();
    panel.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&panel));
    Shoot(&panel, QStringLiteral("hover_command"));
}

TEST_F(DialogShots, EndOfGame) {
    shell::frmEndGame question(program, &board);
    Shoot(&question, QStringLiteral("end_game"));
    game::WinnerTexts texts{"Alexandra's Total Score:", "1234", "Bob's Total Score:", "987",
                            "Alexandra Wins!"};
    shell::frmTheWinerIs winner(texts, program, &board);
    Shoot(&winner, QStringLiteral("winner"));
    game::WinnerTexts draw{"Ann's Total Score:", "210", "Bob's Total Score:", "210",
                           "It's a Draw!"};
    shell::frmTheWinerIs even(draw, program, &board);
    Shoot(&even, QStringLiteral("winner_draw"));
}

TEST_F(DialogShots, AboutBox) {
    shell::frmAbout about(program, &board);
    Shoot(&about, QStringLiteral("about"));
}

TEST_F(DialogShots, SplashOnTheScreen) {
    auto* splash = new shell::frmSplash([] {});
    splash->ShowSplash();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
    QTest::qWait(300);
    EXPECT_TRUE(splash->grab().save(QDir(ShotsFolder()).filePath("splash.png")));
    EXPECT_TRUE(QGuiApplication::primaryScreen()->grabWindow(0).save(
        QDir(ShotsFolder()).filePath("splash_screen.png")));
    splash->tmrUnload.stop();
    splash->close();
}

TEST_F(DialogShots, RulesViewer) {
    shell::frmQuickStart viewer(program, &board);
    Shoot(&viewer, QStringLiteral("quick_start"));
    viewer.RichTextBox1->verticalScrollBar()->setValue(
        viewer.RichTextBox1->verticalScrollBar()->maximum() / 3);
    QTest::qWait(100);
    EXPECT_TRUE(viewer.grab().save(QDir(ShotsFolder()).filePath("quick_start_rows.png")));
}

TEST_F(DialogShots, HelpViewer) {
    const QString beside = QStringLiteral(QT_TESTCASE_SOURCEDIR "/../resources/beside/");
    ASSERT_TRUE(shell::HelpViewer::ShowContents(beside, &board));
    Shoot(shell::HelpViewer::Current(), QStringLiteral("help"));
    shell::HelpViewer::Quit();
}

} // namespace
