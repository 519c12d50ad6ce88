// Program entry: the application object, the program-wide variables and the
// windows that start-up may open; shell::Main does the rest.
#include "AppWindows.h"
#include "board/OverflowIcons.h"

#include <QApplication>

#include <csignal>

int main(int argc, char* argv[]) {
    // Under a file-size limit a write past it fails (EFBIG) and is reported
    // like a full disk, instead of ending the program with SIGXFSZ.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    ui::UseOverflowIconStyle();
    // One icon for every window of the program, the start-up boxes included.
    shell::SetProgramIconAfterFirstFrame();
    game::Program program;
    const shell::StartupWindows windows = shell::RealWindows(program);
    return shell::Main(program, windows);
}
