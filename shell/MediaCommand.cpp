#include "MediaCommand.h"

#include "AudioBackend.h"

#include <QStringList>

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

} // namespace

bool MediaCommand(const QString& command) {
    const QStringList words = Words(command);
    AudioBackend* audio = words.isEmpty() ? nullptr : Audio();
    if (audio == nullptr) {
        return false;
    }
    const QString verb = words[0].toLower();
    if (verb == QLatin1String("open") && words.size() == 4 &&
        words[2].compare(QLatin1String("alias"), Qt::CaseInsensitive) == 0) {
        return audio->OpenMusic(words[1], words[3].toLower());
    }
    if (verb == QLatin1String("play") && words.size() == 2) {
        return audio->PlayMusic(words[1].toLower());
    }
    if (verb == QLatin1String("close") && words.size() == 2) {
        return audio->CloseMusic(words[1].toLower());
    }
    return false;
}

} // namespace shell
