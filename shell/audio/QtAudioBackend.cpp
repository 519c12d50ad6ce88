// The audio backend over Qt Multimedia: WAV effects through QSoundEffect,
// music through QMediaPlayer. Built as the library libquorvane_audio.so,
// which the program loads when it first needs a sound.
#include "shell/AudioBackend.h"

#include <QAudioDevice>
#include <QAudioOutput>
#include <QEventLoop>
#include <QFileInfo>
#include <QHash>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace {

class QtAudioBackend : public shell::AudioBackend {
public:
    ~QtAudioBackend() override {
        qDeleteAll(effects_);
        for (QMediaPlayer* player : std::as_const(players_)) {
            Release(player);
        }
    }

    bool HasAudioOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }

    void LoadEffect(const QString& path) override { Effect(path); }

    bool StartEffect(const QString& path) override {
        QSoundEffect* effect = Effect(path);
        if (effect->status() == QSoundEffect::Error) {
            return false;
        }
        effect->play();
        current_ = effect;
        return true;
    }

    void StopEffect() override {
        if (current_ != nullptr) {
            current_->stop();
            current_ = nullptr;
        }
    }

    void WaitForEffect(int limitMs) override {
        const QPointer<QSoundEffect> effect = current_;
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
            QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        // Another sound may have cut this one off and be playing now.
        if (effect != nullptr && current_ == effect) {
            StopEffect();
        }
    }

    bool OpenMusic(const QString& file, const QString& name) override {
        if (players_.contains(name) || !QFileInfo(file).isFile()) {
            return false;
        }
        auto* player = new QMediaPlayer;
        player->setAudioOutput(new QAudioOutput(player));
        player->setSource(QUrl::fromLocalFile(file));
        players_.insert(name, player);
        return true;
    }

    bool PlayMusic(const QString& name) override {
        QMediaPlayer* player = players_.value(name);
        if (player == nullptr) {
            return false;
        }
        player->play();
        return true;
    }

    bool CloseMusic(const QString& name) override {
        QMediaPlayer* player = players_.take(name);
        if (player == nullptr) {
            return false;
        }
        Release(player);
        return true;
    }

private:
    QSoundEffect* Effect(const QString& path) {
        QSoundEffect*& effect = effects_[path];
        if (effect == nullptr) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(path));
        }
        return effect;
    }

    static void Release(QMediaPlayer* player) {
        player->stop();
        delete player;
    }

    QHash<QString, QSoundEffect*> effects_; // one per file, loaded once
    QPointer<QSoundEffect> current_;        // the one started last
    QHash<QString, QMediaPlayer*> players_; // open music by name
};

} // namespace

extern "C" Q_DECL_EXPORT shell::AudioBackend* QuorvaneAudioBackend() {
    return new QtAudioBackend;
}
