#include "AppWindows.h"

#include "EndGameDialogs.h"
#include "HelpViewer.h"
#include "Links.h"
#include "Settings.h"
#include "Sound.h"
#include "board/Artwork.h"
#include "board/frmQuorvane.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "frmQuickStart.h"
#include "frmScores2.h"
#include "frmSplash.h"
#include "frmWelcome.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace shell {

namespace {

// The one board window of the run, and the splash window while it is open.
QPointer<ui::frmQuorvane> board;
QPointer<frmSplash> splash;

} // namespace

ui::BoardServices BoardServicesFor(game::Program& program) {
    ui::BoardServices s;
    s.playSoundAsync = [](const std::string& name) {
        PlaySoundAsync(QString::fromStdString(name));
    };
    s.playSoundSync = [](const std::string& name) { PlaySoundSync(QString::fromStdString(name)); };
    s.saveSettings = [&program] { SaveSettings(program.Settings); };
    s.visitWebSite = [] { VisitWebSite(); };
    s.sendMailToAuthor = [] { SendMailToAuthor(); };
    s.loadCursor = [](const QString& appPath) { return ui::LoadBoardCursor(appPath); };
    s.askFinishGame = [&program](QWidget* b) { return frmEndGame::Ask(program, b); };
    s.showWinner = [&program](QWidget* b, const game::WinnerTexts& texts) {
        frmTheWinerIs::Announce(texts, program, b);
    };
    s.openQuickStart = [&program](QWidget* b) { frmQuickStart::ShowFromBoard(program, b); };
    s.closeQuickStart = [] { frmQuickStart::CloseIfOpen(); };
    s.openAbout = [&program](QWidget* b) { frmAbout::Open(program, b); };
    s.openOptions = [&program](QWidget* b) { frmOptions::ShowModal(program, b); };
    s.showTopScores = [&program](QWidget* b) { frmScores2::ShowModal(program, b); };
    s.openHelp = [&program](QWidget* b) {
        HelpViewer::ShowContents(QString::fromStdString(program.AppPath), b);
    };
    s.closeHelp = [] { HelpViewer::Quit(); };
    s.closeSplash = [] {
        if (splash) {
            splash->close();
        }
    };
    return s;
}

namespace {

// Sets up the audio output and loads the sound effects a moment after the
// board's first frame, when sound is on. The board opens without touching
// the audio system, and the first roll's sound starts as soon as any later
// one: an effect first loaded by the roll itself is handed over only when
// the event loop runs again, after the roll's animation. With sound off, or
// should the board not be drawn yet, the player's first press of a mouse
// button or a key does it instead.
class WarmUpSoundAfterFirstFrame : public QObject {
public:
    WarmUpSoundAfterFirstFrame(const game::Program& program, QWidget* board, QObject* parent)
        : QObject(parent), program_(program), board_(board) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress) {
            WarmUp(0);
        } else if (type == QEvent::Expose && board_ && watched == board_->windowHandle() &&
                   board_->windowHandle()->isExposed() && program_.SoundOn) {
            // The board's widgets are drawn while this event is handled.
            WarmUp(300);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void WarmUp(int delayMs) {
        WarmUpSoundLater(delayMs);
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
    }

    const game::Program& program_;
    QPointer<QWidget> board_;
};

// Waits for the first window to be exposed. The widgets of an exposed window
// are drawn while the expose event is handled, so the icon, set from the next
// turn of the event loop, comes after the first frame. A first window that
// is not drawn at once (one opened on another desktop) gets it after a
// second all the same.
class SetIconAfterFirstExpose : public QObject {
public:
    explicit SetIconAfterFirstExpose(QObject* parent) : QObject(parent) {
        QTimer::singleShot(1000, this, &SetIconAfterFirstExpose::SetIcon);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && watched->isWindowType() &&
            static_cast<QWindow*>(watched)->isExposed()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, &SetIconAfterFirstExpose::SetIcon);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void SetIcon() {
        if (done_) {
            return;
        }
        done_ = true;
        QCoreApplication::instance()->removeEventFilter(this);
        QApplication::setWindowIcon(ui::Artwork::WindowIcon());
        deleteLater(); // and with it the timer still waiting
    }

    bool done_ = false;
};

void ShowBoard(game::Program& program) {
    if (board) {
        board->show();
        return;
    }
    board = new ui::frmQuorvane(program, BoardServicesFor(program));
    board->setAttribute(Qt::WA_DeleteOnClose);
    // Watching from before the board is shown: a platform may expose a
    // window while showing it.
    QCoreApplication::instance()->installEventFilter(
        new WarmUpSoundAfterFirstFrame(program, board, QCoreApplication::instance()));
    board->show();
}

} // namespace

StartupWindows RealWindows(game::Program& program) {
    StartupWindows windows = PlaceholderWindows(program);
    windows.ShowBoardWindow = [&program] { ShowBoard(program); };
    windows.ShowWelcomeDialog = [&program] { frmWelcome::ShowModal(program); };
    windows.ShowSplash = [&program] {
        splash = new frmSplash([&program] { ShowBoard(program); });
        splash->setAttribute(Qt::WA_DeleteOnClose);
        splash->ShowSplash();
    };
    return windows;
}

void SetProgramIconAfterFirstFrame() {
    QCoreApplication::instance()->installEventFilter(
        new SetIconAfterFirstExpose(QCoreApplication::instance()));
}

} // namespace shell
