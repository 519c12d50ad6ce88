#include "Sound.h"

#include "AudioBackend.h"
#include "WaveFile.h"

#include <QCoreApplication>
#include <QTimer>

namespace shell {

namespace {

// How much longer than the sound itself a waiting play may take (loading
// the file, starting the output).
constexpr int kSyncMarginMs = 250;

bool playWithoutAudioOutput = false;

QString& SoundFolder() {
    static QString folder;
    return folder;
}

bool CanPlay(AudioBackend& audio) {
    return playWithoutAudioOutput || audio.HasAudioOutput();
}

// Starts the sound of `path`, cutting off the one playing. Returns false
// when nothing could be played.
bool Start(AudioBackend& audio, const QString& path) {
    audio.StopEffect();
    return WaveLengthMs(path) >= 0 && CanPlay(audio) && audio.StartEffect(path);
}

} // namespace

const QStringList& SoundNames() {
    static const QStringList names = {"score",    "scoreZero",  "rollAll",  "rollSome", "rollOne",
                                      "holdDice", "UnHoldDice", "announce", "hint",     "undo",
                                      "redo",     "newGame",    "exitGame", "endGame1", "applause",
                                      "draw",     "Quorvane"};
    return names;
}

void SetSoundFolder(const QString& appPath) {
    SoundFolder() = appPath;
}

QString SoundFilePath(const QString& name) {
    QString folder = SoundFolder();
    if (folder.isEmpty()) {
        folder = QCoreApplication::applicationDirPath() + '/';
    }
    return folder + QStringLiteral("QVWAVS/") + name + QStringLiteral(".WAV");
}

void PlaySoundAsync(const QString& name) {
    if (AudioBackend* audio = Audio()) {
        Start(*audio, SoundFilePath(name));
    }
}

void PlaySoundSync(const QString& name) {
    AudioBackend* audio = Audio();
    const QString path = SoundFilePath(name);
    if (audio != nullptr && Start(*audio, path)) {
        audio->WaitForEffect(static_cast<int>(WaveLengthMs(path)) + kSyncMarginMs);
    }
}

void SetPlayWithoutAudioOutput(bool on) {
    playWithoutAudioOutput = on;
}

void WarmUpSoundLater(int delayMs) {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    QTimer::singleShot(delayMs, QCoreApplication::instance(), [] {
        AudioBackend* audio = Audio();
        if (audio == nullptr || !CanPlay(*audio)) {
            return;
        }
        for (const QString& name : SoundNames()) {
            const QString path = SoundFilePath(name);
            if (WaveLengthMs(path) >= 0) {
                audio->LoadEffect(path);
            }
        }
    });
}

} // namespace shell
