#include "MediaCommand.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QMediaPlayer>
#include <QStringList>
#include <QUrl>

namespace shell {

namespace {

// Splits a command into words; a double-quoted part is one word without
// its quotes, so that file names may hold blanks.
QStringList Words(const QString& command) {
    QStringList words;
    QString word;
    bool quoted = false;
    bool inWord = false;
    for (const QChar c : command) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord) {
                words << word;
                word.clear();
                inWord = false;
            }
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) {
        words << word;
    }
    return words;
}

// The open media by name. Created on the first command and destroyed just
// before the application object goes.
class MediaBank {
public:
    static MediaBank& Get() {
        if (instance == nullptr) {
            instance = new MediaBank;
            qAddPostRoutine([] {
                delete instance;
                instance = nullptr;
            });
        }
        return *instance;
    }

    ~MediaBank() {
        for (QMediaPlayer* player : std::as_const(players)) {
            Release(player);
        }
    }

    bool Open(const QString& file, const QString& name) {
        if (players.contains(name) || !QFileInfo(file).isFile()) {
            return false;
        }
        auto* player = new QMediaPlayer;
        player->setAudioOutput(new QAudioOutput(player));
        player->setSource(QUrl::fromLocalFile(file));
        players.insert(name, player);
        return true;
    }

    bool Play(const QString& name) {
        QMediaPlayer* player = players.value(name);
        if (player == nullptr) {
            return false;
        }
        player->play();
        return true;
    }

    bool Close(const QString& name) {
        QMediaPlayer* player = players.take(name);
        if (player == nullptr) {
            return false;
        }
        Release(player);
        return true;
    }

private:
    MediaBank() = default;

    static void Release(QMediaPlayer* player) {
        player->stop();
        delete player;
    }

    static inline MediaBank* instance = nullptr;
    QHash<QString, QMediaPlayer*> players;
};

} // namespace

bool MediaCommand(const QString& command) {
    if (QCoreApplication::instance() == nullptr) {
        return false;
    }
    const QStringList words = Words(command);
    if (words.isEmpty()) {
        return false;
    }
    const QString verb = words[0].toLower();
    if (verb == QLatin1String("open") && words.size() == 4 &&
        words[2].compare(QLatin1String("alias"), Qt::CaseInsensitive) == 0) {
        return MediaBank::Get().Open(words[1], words[3].toLower());
    }
    if (verb == QLatin1String("play") && words.size() == 2) {
        return MediaBank::Get().Play(words[1].toLower());
    }
    if (verb == QLatin1String("close") && words.size() == 2) {
        return MediaBank::Get().Close(words[1].toLower());
    }
    return false;
}

} // namespace shell
