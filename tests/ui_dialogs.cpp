// The picture button and the small dialogs: end of game, winner, about box,
// splash window, rules viewer and help viewer; the cursor of every dialog.
#include "board/Twips.h"
#include "shell/DialogSupport.h"
#include "shell/EndGameDialogs.h"
#include "shell/HelpViewer.h"
#include "shell/HoverCommand.h"
#include "shell/frmAbout.h"
#include "shell/frmOptions.h"
#include "shell/frmQuickStart.h"
#include "shell/frmScores2.h"
#include "shell/frmSplash.h"
#include "shell/frmWelcome.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

using shell::HoverCommand;

// What a message box showed before the test answered it.
struct SeenBox {
    bool seen = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

// Waits for the next modal message box, records it and presses its OK.
void AnswerNextMessageBox(SeenBox& seen) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, &seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        seen = {true, box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        box->accept();
        poll->stop();
        poll->deleteLater();
    });
    poll->start();
}

// Runs `action` once the next modal dialog of type T is open. Should it
// never open, the wait ends after five seconds so that the test fails
// instead of hanging.
template <typename T, typename Action> void WhenModalOpens(Action action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, [poll, action, tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<T*>(modal)) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        } else if (++*tries > 500) {
            poll->stop();
            poll->deleteLater();
            if (modal != nullptr) {
                modal->close();
            }
        }
    });
    poll->start();
}

// ---- Picture button -------------------------------------------------------

class PictureButton : public ::testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 200);
        button = new HoverCommand(QStringLiteral("&Play"), &window);
        button->move(20, 40);
        button->resize(button->sizeHint());
        clicks = std::make_unique<QSignalSpy>(button, &HoverCommand::Click);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget window;
    HoverCommand* button = nullptr;
    std::unique_ptr<QSignalSpy> clicks;
};

TEST_F(PictureButton, AccessLetterClicksTheButton) {
    // The access key shows the button pressed for a moment, then clicks.
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return clicks->count() == 1; }, 1000));
    QTest::keyClick(&window, Qt::Key_X, Qt::AltModifier);
    QTest::qWait(250);
    EXPECT_EQ(clicks->count(), 1) << "another letter must not click it";
}

TEST_F(PictureButton, MouseSpaceAndBothEnterKeysClickOnce) {
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks->count(), 1);
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
    EXPECT_EQ(clicks->count(), 2);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks->count(), 3);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks->count(), 4);
}

TEST_F(PictureButton, DisabledButtonGivesNoClick) {
    button->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    button->click();
    QTest::qWait(250);
    EXPECT_EQ(clicks->count(), 0);
    button->setEnabled(true);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks->count(), 1) << "enabled again, it clicks again";
}

TEST_F(PictureButton, MovedTopKeepsLeftAndSize) {
    const QPoint before = button->pos();
    const QSize size = button->size();
    button->setTop(6390);
    EXPECT_EQ(button->y(), ui::TwipsToPixels(6390));
    EXPECT_EQ(button->x(), before.x());
    EXPECT_EQ(button->size(), size);
    EXPECT_NEAR(button->Top(), 6390, 1440.0 / ui::LogicalDpi());
    button->setTop(7015);
    EXPECT_EQ(button->y(), ui::TwipsToPixels(7015));
}

TEST_F(PictureButton, LightsUpOnlyWhileTheMouseIsOverIt) {
    EXPECT_FALSE(button->isLit());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
    EXPECT_TRUE(button->isLit());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(button, &leave);
    EXPECT_FALSE(button->isLit());
    QApplication::sendEvent(button, &enter);
    button->setEnabled(false);
    EXPECT_FALSE(button->isLit()) << "a disabled button does not stay lit";
}

TEST(PictureButtonCaption, KeepsCaptionAndFitsIt) {
    HoverCommand ok(QStringLiteral("  &OK"));
    EXPECT_EQ(ok.text(), QStringLiteral("  &OK"));
    HoverCommand longer(QStringLiteral("&Clear Table"));
    const int textWidth =
        QFontMetrics(longer.font()).horizontalAdvance(QStringLiteral("Clear Table"));
    EXPECT_GT(longer.sizeHint().width(), textWidth);
}

// ---- Placement and cursor -------------------------------------------------

TEST(DialogPlacement, CentresOverTheAnchor) {
    QWidget anchor;
    anchor.setGeometry(100, 80, 400, 600);
    QWidget dialog;
    dialog.resize(200, 100);
    shell::CentreOver(&dialog, &anchor);
    const QRect frame = anchor.frameGeometry();
    EXPECT_EQ(dialog.x(), frame.left() + frame.width() / 2 - 100);
    EXPECT_EQ(dialog.y(), frame.top() + frame.height() / 2 - 50);
}

TEST(DialogCursor, MissingOrBrokenFileGivesTheArrow) {
    QTemporaryDir folder;
    EXPECT_EQ(shell::DialogCursor((folder.path() + "/").toStdString()).shape(), Qt::ArrowCursor);
    QFile broken(folder.filePath("base.cur"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a cursor at all, just text");
    broken.close();
    EXPECT_EQ(shell::DialogCursor((folder.path() + "/").toStdString()).shape(), Qt::ArrowCursor);
}

// Writes a 32 x 32 cursor file "base.cur" with the hot spot (3, 4) into
// `folder`: an icon file with the cursor type and the hot spot patched in.
void WriteCursorFile(const QString& folder) {
    QImage arrow(32, 32, QImage::Format_ARGB32);
    arrow.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(arrow.save(&buffer, "ICO"));
    bytes[2] = 2;
    bytes[10] = 3;
    bytes[11] = 0;
    bytes[12] = 4;
    bytes[13] = 0;
    QFile file(folder + "/base.cur");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(DialogCursor, CursorFileGivesItsPictureAndHotSpot) {
    QTemporaryDir folder;
    WriteCursorFile(folder.path());
    const QCursor cursor = shell::DialogCursor((folder.path() + "/").toStdString());
    EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
    EXPECT_EQ(cursor.hotSpot(), QPoint(3, 4));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

TEST(DialogCursor, EveryDialogButTheSplashTakesTheGamesCursor) {
    QTemporaryDir folder;
    WriteCursorFile(folder.path());
    game::Program program;
    program.AppPath = (folder.path() + "/").toStdString();
    program.ScoresPath = program.AppPath;
    QWidget board;
    shell::frmEndGame question(program, &board);
    shell::frmTheWinerIs winner(game::WinnerTexts{}, program, &board);
    shell::frmAbout about(program, &board);
    shell::frmQuickStart rules(program, &board);
    shell::frmOptions options(program, &board);
    shell::frmScores2 scores(program, &board);
    shell::frmWelcome welcome(program);
    for (QWidget* dialog : std::initializer_list<QWidget*>{&question, &winner, &about, &rules,
                                                           &options, &scores, &welcome}) {
        EXPECT_EQ(dialog->cursor().shape(), Qt::BitmapCursor)
            << dialog->windowTitle().toStdString();
        EXPECT_EQ(dialog->cursor().hotSpot(), QPoint(3, 4));
    }
    // The welcome dialog gives it to its check box and that box's frame too.
    EXPECT_EQ(welcome.Check1->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(welcome.Frame6->cursor().shape(), Qt::BitmapCursor);
    shell::frmSplash splash([] {});
    EXPECT_NE(splash.cursor().shape(), Qt::BitmapCursor);
}

// ---- End of game ----------------------------------------------------------

TEST(EndGameQuestion, ButtonsAnswerFinishOrUndo) {
    game::Program program;
    QWidget board;
    {
        shell::frmEndGame dialog(program, &board);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Finish Game?"));
        EXPECT_EQ(dialog.cmdFinish->text(), QStringLiteral("&Finish Game"));
        EXPECT_EQ(dialog.cmdUndo->text(), QStringLiteral("&Undo Last Move"));
        dialog.show();
        dialog.cmdFinish->click();
        EXPECT_TRUE(program.EndGameFinish);
        EXPECT_FALSE(dialog.isVisible());
    }
    {
        shell::frmEndGame dialog(program, &board);
        dialog.show();
        dialog.cmdUndo->click();
        EXPECT_FALSE(program.EndGameFinish);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(EndGameQuestion, CloseBoxAndEscapeTakeTheMoveBack) {
    game::Program program;
    QWidget board;
    program.EndGameFinish = true; // left over from the previous game
    {
        shell::frmEndGame dialog(program, &board);
        dialog.show();
        dialog.close();
        EXPECT_FALSE(program.EndGameFinish);
    }
    program.EndGameFinish = true;
    {
        shell::frmEndGame dialog(program, &board);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(program.EndGameFinish);
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(EndGameQuestion, AskIsModalAndReturnsTheAnswer) {
    game::Program program;
    QWidget board;
    WhenModalOpens<shell::frmEndGame>(
        [](shell::frmEndGame* dialog) { dialog->cmdFinish->click(); });
    EXPECT_TRUE(shell::frmEndGame::Ask(program, &board));
    WhenModalOpens<shell::frmEndGame>([](shell::frmEndGame* dialog) { dialog->cmdUndo->click(); });
    EXPECT_FALSE(shell::frmEndGame::Ask(program, &board));
    EXPECT_FALSE(program.EndGameFinish);
}

TEST(WinnerDialog, ShowsTheTextsTheGameComputed) {
    game::Program program;
    game::WinnerTexts texts{"Ann's Total Score:", "231", "Bob's Total Score:", "-12",
                            "Ann       Wins!"};
    shell::frmTheWinerIs dialog(texts, program, nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("And the Winner is..."));
    EXPECT_EQ(dialog.lblPlayer1->text(), QStringLiteral("Ann's Total Score:"));
    EXPECT_EQ(dialog.lblScore1->text(), QStringLiteral("231"));
    EXPECT_EQ(dialog.lblPlayer2->text(), QStringLiteral("Bob's Total Score:"));
    EXPECT_EQ(dialog.lblScore2->text(), QStringLiteral("-12"));
    EXPECT_EQ(dialog.lblWiner->text(), QStringLiteral("Ann       Wins!"));
    EXPECT_EQ(dialog.cmdClose->text(), QStringLiteral("Close"));
    dialog.show();
    dialog.cmdClose->click();
    EXPECT_FALSE(dialog.isVisible());
}

TEST(WinnerDialog, DrawTextAndMarkupAreShownAsTheyStand) {
    game::Program program;
    game::WinnerTexts texts{"<b>x</b>'s Total Score:", "100", "B's Total Score:", "100",
                            "It's a Draw!"};
    shell::frmTheWinerIs dialog(texts, program, nullptr);
    EXPECT_EQ(dialog.lblWiner->text(), QStringLiteral("It's a Draw!"));
    EXPECT_EQ(dialog.lblPlayer1->textFormat(), Qt::PlainText) << "a name is never markup";
}

// ---- About box ------------------------------------------------------------

class AboutBox : public ::testing::Test {
protected:
    void SetUp() override {
        board.resize(330, 560);
        board.show();
        about = shell::frmAbout::Open(program, &board);
        ASSERT_FALSE(board.isEnabled());
    }
    void TearDown() override { delete about.data(); }
    game::Program program;
    QWidget board;
    QPointer<shell::frmAbout> about;
};

TEST_F(AboutBox, ShowsNameVersionAndLinksAndStaysUsable) {
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Quorvane 2.0"));
    EXPECT_EQ(about->lblTitle->text(), QStringLiteral("Q u o r v a n e"));
    EXPECT_EQ(about->lblVersion->text(), QStringLiteral("Version 2.0"));
    EXPECT_EQ(about->Label1->text(), QStringLiteral("Web site:"));
    EXPECT_EQ(about->Label2->text(), QStringLiteral("E-Mail:"));
    EXPECT_EQ(about->cmdClose->text(), QStringLiteral("&Close"));
    EXPECT_TRUE(about->isEnabled()) << "the box itself must work while the board is off";
}

TEST_F(AboutBox, CloseButtonEnablesTheBoard) {
    about->cmdClose->click();
    EXPECT_TRUE(board.isEnabled());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull()) << "the box is released when it closes";
}

TEST_F(AboutBox, CloseBoxEnablesTheBoard) {
    about->close();
    EXPECT_TRUE(board.isEnabled());
}

TEST_F(AboutBox, EscapeEnablesTheBoard) {
    QTest::keyClick(about, Qt::Key_Escape);
    EXPECT_TRUE(board.isEnabled());
}

TEST(SpacedTitle, PutsOneBlankBetweenLetters) {
    EXPECT_EQ(shell::SpacedTitle(QStringLiteral("Quorvane")), QStringLiteral("Q u o r v a n e"));
    EXPECT_EQ(shell::SpacedTitle(QString()), QString());
}

// ---- Splash window --------------------------------------------------------

TEST(SplashWindow, IsFramelessTopmostAndMasked) {
    int opened = 0;
    auto* splash = new shell::frmSplash([&opened] { ++opened; });
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash->mask().boundingRect(), QRect(0, 0, 388, 220));
    EXPECT_EQ(splash->tmrUnload.interval(), 2000);
    EXPECT_FALSE(splash->tmrUnload.isActive()) << "off until the splash is shown";
    delete splash;
    EXPECT_EQ(opened, 0);
}

TEST(SplashWindow, KeyOpensTheBoardOnceAndTheTimerNotAgain) {
    int opened = 0;
    QPointer<shell::frmSplash> splash = new shell::frmSplash([&opened] { ++opened; });
    splash->ShowSplash();
    EXPECT_TRUE(splash->tmrUnload.isActive());
    QTest::keyClick(splash.data(), Qt::Key_Shift);
    EXPECT_EQ(opened, 0) << "a key without a character does nothing";
    QTest::keyClick(splash.data(), Qt::Key_A);
    EXPECT_EQ(opened, 1);
    ASSERT_FALSE(splash.isNull());
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->tmrUnload.isActive());
    splash->tmrUnload_Timer(); // a tick that was already under way
    EXPECT_EQ(opened, 1);
    QTest::qWait(50);
    EXPECT_TRUE(splash.isNull()) << "the window is released once closed";
}

TEST(SplashWindow, TimerOpensTheBoardOnce) {
    int opened = 0;
    QPointer<shell::frmSplash> splash = new shell::frmSplash([&opened] { ++opened; });
    splash->ShowSplash();
    QTest::qWait(1500);
    EXPECT_EQ(opened, 0) << "not before two seconds";
    EXPECT_TRUE(QTest::qWaitFor([&] { return opened > 0; }, 2000));
    QTest::qWait(100);
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(splash.isNull());
}

TEST(SplashWindow, SitsAThirdAcrossAndCentredDown) {
    EXPECT_EQ(shell::frmSplash::PlacementOn(QRect(0, 0, 1024, 768), QSize(377, 209)),
              QPoint(215, 279));
    EXPECT_EQ(shell::frmSplash::PlacementOn(QRect(1920, 0, 1280, 1024), QSize(380, 210)),
              QPoint(1920 + 300, 407));
}

// ---- Rules viewer ---------------------------------------------------------

class RulesViewer : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        previous = QDir::currentPath();
        QDir::setCurrent(work.path());
    }
    void TearDown() override {
        shell::frmQuickStart::CloseIfOpen();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDir::setCurrent(previous);
    }
    QTemporaryDir work;
    QString previous;
    game::Program program;
};

TEST_F(RulesViewer, LoadsBothRuleSetsFromTheProgram) {
    shell::frmQuickStart viewer(program, nullptr);
    ASSERT_TRUE(viewer.DocumentLoaded());
    EXPECT_EQ(viewer.windowTitle(), QStringLiteral("Quick Start"));
    const QString text = viewer.RichTextBox1->toPlainText();
    for (const char* needle :
         {"Down", "Up", "Free", "Call", "announce", "(Max-Min)xOnes", "35", "63", "Yahtzee",
          "Six dice", "Undo", "Redo", "Hints", "Top scores"}) {
        EXPECT_TRUE(text.contains(QLatin1String(needle), Qt::CaseInsensitive)) << needle;
    }
    EXPECT_EQ(viewer.RichTextBox1->palette().color(QPalette::Base), QColor(0, 51, 102));
    EXPECT_GT(viewer.RichTextBox1->palette().color(QPalette::Text).lightness(), 200);
    EXPECT_EQ(viewer.cmdOK->text(), QStringLiteral("&OK"));
    EXPECT_EQ(viewer.cmdPrint->text(), QStringLiteral("&Print"));
}

TEST_F(RulesViewer, WritesNoFileIntoTheWorkingFolder) {
    for (int opening = 0; opening < 2; ++opening) {
        shell::frmQuickStart viewer(program, nullptr);
        viewer.show();
        EXPECT_TRUE(viewer.DocumentLoaded());
        viewer.cmdOK->click();
    }
    EXPECT_TRUE(
        QDir(work.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
            .isEmpty());
}

TEST_F(RulesViewer, PrintsTheRulesToAPdfFile) {
    shell::frmQuickStart viewer(program, nullptr);
    QTemporaryDir out;
    const QString pdf = out.filePath("rules.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    viewer.PrintTo(printer);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_GT(file.size(), 2000);
}

TEST_F(RulesViewer, PrintsOnlyTheSelectionWhenThereIsOne) {
    shell::frmQuickStart viewer(program, nullptr);
    QTemporaryDir out;
    auto printed = [&](const QString& name) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(out.filePath(name));
        viewer.PrintTo(printer);
        return QFileInfo(out.filePath(name)).size();
    };
    const qint64 whole = printed("whole.pdf");
    QTextCursor cursor = viewer.RichTextBox1->textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextWord, QTextCursor::KeepAnchor, 3);
    viewer.RichTextBox1->setTextCursor(cursor);
    const qint64 part = printed("part.pdf");
    EXPECT_GT(part, 0);
    EXPECT_LT(part, whole);
}

TEST_F(RulesViewer, MissingDocumentIsReportedAndTheViewerStillCloses) {
    SeenBox box;
    AnswerNextMessageBox(box);
    shell::frmQuickStart viewer(program, nullptr, QStringLiteral(":/documents/Nowhere.html"));
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, QStringLiteral("Open scores"));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("53")));
    EXPECT_TRUE(box.text.contains(QStringLiteral("Cannot open ")));
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("/QuickStart.rtf")));
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_FALSE(viewer.DocumentLoaded());
    viewer.show();
    viewer.cmdOK->click();
    EXPECT_FALSE(viewer.isVisible());
}

TEST_F(RulesViewer, FromTheBoardOneViewerIsReused) {
    QWidget board;
    board.show();
    QPointer<shell::frmQuickStart> first = shell::frmQuickStart::ShowFromBoard(program, &board);
    QPointer<shell::frmQuickStart> second = shell::frmQuickStart::ShowFromBoard(program, &board);
    EXPECT_EQ(first, second);
    EXPECT_FALSE(first->isModal());
    // A window of its own that the board can come in front of.
    EXPECT_EQ(first->windowType(), Qt::Window);
    EXPECT_EQ(first->windowHandle()->transientParent(), nullptr);
    board.setEnabled(false);
    EXPECT_TRUE(first->isEnabled()) << "the viewer is no part of the board window";
    shell::frmQuickStart::CloseIfOpen();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
}

TEST_F(RulesViewer, FromTheWelcomeDialogItIsModal) {
    QWidget welcome;
    welcome.show();
    bool wasModal = false;
    WhenModalOpens<shell::frmQuickStart>([&wasModal](shell::frmQuickStart* viewer) {
        wasModal = viewer->isModal();
        viewer->cmdOK->click();
    });
    shell::frmQuickStart::ShowFromWelcome(program, &welcome);
    EXPECT_TRUE(wasModal);
}

// ---- Help viewer ----------------------------------------------------------

TEST(HelpViewerWindow, MissingHelpFileGivesTheFileErrorMessage) {
    QTemporaryDir folder;
    SeenBox box;
    AnswerNextMessageBox(box);
    EXPECT_FALSE(shell::HelpViewer::ShowContents(folder.path() + "/", nullptr));
    ASSERT_TRUE(box.seen);
    EXPECT_EQ(box.title, QStringLiteral("File Error"));
    EXPECT_EQ(box.icon, QMessageBox::Information);
    EXPECT_EQ(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("53")));
    EXPECT_TRUE(box.text.endsWith(QStringLiteral("Cannot open file")));
    EXPECT_GT(box.text.size(), QStringLiteral("53Cannot open file").size())
        << "the system's description stands between number and ending";
    EXPECT_EQ(shell::HelpViewer::Current(), nullptr);
}

TEST(HelpViewerWindow, OpensTheHelpFileAndQuitClosesIt) {
    QTemporaryDir folder;
    QFile help(folder.filePath("QVHelp.html"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><body><h1>Test help</h1><p>Roll the dice.</p></body></html>");
    help.close();
    ASSERT_TRUE(shell::HelpViewer::ShowContents(folder.path() + "/", nullptr));
    QPointer<shell::HelpViewer> viewer = shell::HelpViewer::Current();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->isVisible());
    EXPECT_TRUE(viewer->Browser()->toPlainText().contains(QStringLiteral("Roll the dice.")));
    ASSERT_TRUE(shell::HelpViewer::ShowContents(folder.path() + "/", nullptr));
    EXPECT_EQ(shell::HelpViewer::Current(), viewer.data()) << "one help window at a time";
    shell::HelpViewer::Quit();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(viewer.isNull());
    shell::HelpViewer::Quit(); // nothing open: nothing happens
}

} // namespace
