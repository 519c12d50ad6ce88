#include "Startup.h"

#include "AppInfo.h"
#include "Registry.h"
#include "Settings.h"
#include "SingleInstance.h"
#include "Sound.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <TopScoreAdoption.h>
#include <cstdio>

namespace shell {

namespace {

// Shows a start-up message box. For automated tests, the environment variable
// QUORVANE_AUTODISMISS_MS=<n> closes the box by itself after n milliseconds
// and writes its caption and text to standard error, so that a test can check
// what was shown without anyone clicking OK.
void ShowStartupMessage(QMessageBox::Icon icon, const QString& caption, const QString& text) {
    QMessageBox box(icon, caption, text, QMessageBox::Ok);
    bool autoDismiss = false;
    const int dismissMs = qEnvironmentVariableIntValue("QUORVANE_AUTODISMISS_MS", &autoDismiss);
    if (autoDismiss) {
        QTimer::singleShot(dismissMs, &box, &QMessageBox::accept);
        std::fprintf(stderr, "message box \"%s\": %s\n", qUtf8Printable(caption),
                     qUtf8Printable(text));
    }
    box.exec();
}

void ShowPlaceholderWindow() {
    auto* window = new QMainWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(QStringLiteral("Quorvane 2.0"));
    window->resize(340, 560);
    window->show();
    WarmUpSoundLater();
}

} // namespace

StartupWindows PlaceholderWindows(game::Program& program) {
    StartupWindows windows;
    windows.ShowBoardWindow = ShowPlaceholderWindow;
    windows.ShowWelcomeDialog = [&program] { program.PlayChosen = true; };
    windows.ShowSplash = ShowPlaceholderWindow;
    return windows;
}

QString AppPathFrom(const QString& folder) {
    if (folder.isEmpty()) {
        return QStringLiteral("./");
    }
    return folder.endsWith('/') ? folder : folder + '/';
}

QString ScoresPath() {
    return AppPathFrom(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + '/' +
                       kOrganization + '/' + kApplication);
}

void ShowAlreadyRunning() {
    ShowStartupMessage(QMessageBox::Critical, ProgramTitle() + QStringLiteral(" Running"),
                       ProgramTitle() + QStringLiteral(" is already running!"));
}

bool OpenFirstWindow(game::Program& program, const StartupWindows& windows) {
    const game::GameSettings& settings = program.Settings;
    if (!settings.ShowDialog) {
        if (settings.ShowSplash) {
            windows.ShowSplash();
        } else {
            windows.ShowBoardWindow();
        }
        return true;
    }
    // The welcome dialog is the only window while it is open; its closing
    // must not end the program before the board window can open.
    const bool quitOnClose = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    windows.ShowWelcomeDialog();
    QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
    if (program.SettingsChanged) {
        SaveSettings(program.Settings);
        program.SettingsChanged = false;
    }
    if (!program.PlayChosen) {
        return false;
    }
    windows.ShowBoardWindow();
    return true;
}

int Main(game::Program& program, const StartupWindows& windows) {
    SingleInstance instance;
    if (!instance.TryAcquire()) {
        ShowAlreadyRunning();
        return 0;
    }
    program.AppPath = AppPathFrom(QCoreApplication::applicationDirPath()).toStdString();
    // The top scores are the user's own and must outlive a rebuild or a
    // reinstall, and an installed program folder may not be writable.
    program.ScoresPath = ScoresPath().toStdString();
    // Earlier versions kept the tables beside the program; a player's tables
    // found there are copied over once, so no top score is left behind.
    const std::string adoption = game::AdoptTopScoreTables(program.AppPath, program.ScoresPath);
    if (!adoption.empty()) {
        ShowStartupMessage(QMessageBox::Information, QStringLiteral("Open scores"),
                           QString::fromStdString(adoption));
    }
    SetSoundFolder(QString::fromStdString(program.AppPath));
    LoadSettings(program.Settings);
    if (!OpenFirstWindow(program, windows)) {
        return 0;
    }
    return QApplication::exec();
}

} // namespace shell
