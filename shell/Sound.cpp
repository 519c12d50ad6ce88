#include "Sound.h"

#include "WaveFile.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHash>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

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

// The loaded effects, one per file, and the one playing now. Created on the
// first sound and destroyed just before the application object goes.
class SoundBank {
public:
    static SoundBank& Get() {
        if (instance == nullptr) {
            instance = new SoundBank;
            qAddPostRoutine([] {
                delete instance;
                instance = nullptr;
            });
        }
        return *instance;
    }

    ~SoundBank() { qDeleteAll(effects); }

    static bool HasAudioOutput() {
        return playWithoutAudioOutput || !QMediaDevices::audioOutputs().isEmpty();
    }

    QSoundEffect* Effect(const QString& path) {
        QSoundEffect*& effect = effects[path];
        if (effect == nullptr) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(path));
        }
        return effect;
    }

    void StopCurrent() {
        if (current != nullptr) {
            current->stop();
            current = nullptr;
        }
    }

    // Starts the effect of `path`, cutting off the one playing. Returns the
    // effect, or nullptr when nothing could be played.
    QSoundEffect* Start(const QString& path) {
        StopCurrent();
        if (WaveLengthMs(path) < 0 || !HasAudioOutput()) {
            return nullptr;
        }
        QSoundEffect* effect = Effect(path);
        if (effect->status() == QSoundEffect::Error) {
            return nullptr;
        }
        effect->play();
        current = effect;
        return effect;
    }

    QSoundEffect* current = nullptr;

private:
    SoundBank() = default;
    static inline SoundBank* instance = nullptr;
    QHash<QString, QSoundEffect*> effects;
};

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
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    SoundBank::Get().Start(SoundFilePath(name));
}

void PlaySoundSync(const QString& name) {
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    const QString path = SoundFilePath(name);
    const qint64 lengthMs = WaveLengthMs(path);
    SoundBank& bank = SoundBank::Get();
    QPointer<QSoundEffect> effect = bank.Start(path);
    if (effect == nullptr) {
        return;
    }
    // Wait in a local loop that leaves user input queued, until the effect
    // stops (it ended, failed, or another sound cut it off) or its time is up.
    auto done = [effect] {
        return effect == nullptr || effect->status() == QSoundEffect::Error ||
               (!effect->isPlaying() && effect->status() != QSoundEffect::Loading);
    };
    if (!done()) {
        QEventLoop loop;
        auto quitIfDone = [&loop, done] {
            if (done()) {
                loop.quit();
            }
        };
        QObject::connect(effect, &QSoundEffect::playingChanged, &loop, quitIfDone);
        QObject::connect(effect, &QSoundEffect::statusChanged, &loop, quitIfDone);
        QObject::connect(effect, &QObject::destroyed, &loop, &QEventLoop::quit);
        QTimer::singleShot(lengthMs + kSyncMarginMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (effect != nullptr && bank.current == effect) {
        effect->stop();
        bank.current = nullptr;
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
        SoundBank& bank = SoundBank::Get();
        if (!SoundBank::HasAudioOutput()) {
            return;
        }
        for (const QString& name : SoundNames()) {
            const QString path = SoundFilePath(name);
            if (WaveLengthMs(path) >= 0) {
                bank.Effect(path);
            }
        }
    });
}

} // namespace shell
