// Entry of the window and dialog tests: one QApplication for all of them,
// on the offscreen platform unless another one is asked for, with the user's
// data folder pointed at a temporary folder, so that nothing a test or a
// program it starts writes there reaches the real user's files, and with
// the audio library of this build.
#include "shell/AudioBackend.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir dataHome;
    if (!dataHome.isValid()) {
        return 1;
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
    QApplication app(argc, argv);
    // The sounds play through the audio library of this build.
    shell::SetAudioModuleFolder(QStringLiteral(QUORVANE_AUDIO_DIR));
    return RUN_ALL_TESTS();
}
