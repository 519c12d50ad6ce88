#include "AppWindows.h"

#include "Links.h"
#include "Settings.h"
#include "Sound.h"
#include "board/Artwork.h"
#include "board/frmQuorvane.h"

#include <QPointer>

namespace shell {

namespace {

// The one board window of the run.
QPointer<ui::frmQuorvane> board;

ui::BoardServices ServicesFor(game::Program& program) {
    ui::BoardServices s;
    s.playSoundAsync = [](const std::string& name) {
        PlaySoundAsync(QString::fromStdString(name));
    };
    s.playSoundSync = [](const std::string& name) { PlaySoundSync(QString::fromStdString(name)); };
    s.saveSettings = [&program] { SaveSettings(program.Settings); };
    s.visitWebSite = [] { VisitWebSite(); };
    s.sendMailToAuthor = [] { SendMailToAuthor(); };
    s.loadCursor = [](const QString& appPath) { return ui::LoadBoardCursor(appPath); };
    return s;
}

void ShowBoard(game::Program& program) {
    if (board) {
        board->show();
        return;
    }
    board = new ui::frmQuorvane(program, ServicesFor(program));
    board->setAttribute(Qt::WA_DeleteOnClose);
    board->setWindowIcon(ui::Artwork::WindowIcon());
    board->show();
    WarmUpSoundLater();
}

} // namespace

StartupWindows RealWindows(game::Program& program) {
    StartupWindows windows = PlaceholderWindows(program);
    windows.ShowBoardWindow = [&program] { ShowBoard(program); };
    return windows;
}

} // namespace shell
