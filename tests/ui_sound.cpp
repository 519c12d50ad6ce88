// Sound playback: the shipped sound files decode in Qt, every effect plays
// through the real playback layer without holding the game up, missing or
// broken files stay silent, and the fanfare's media commands.
#include "shell/MediaCommand.h"
#include "shell/Sound.h"
#include "shell/WaveFile.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaPlayer>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

const QString kBeside = QStringLiteral(QUORVANE_SOURCE_DIR "/resources/beside/");

class SoundPlayback : public ::testing::Test {
protected:
    void SetUp() override { shell::SetSoundFolder(kBeside); }
    void TearDown() override {
        shell::SetPlayWithoutAudioOutput(false);
        shell::SetSoundFolder(QString());
    }
};

// A PCM WAV header for `dataBytes` bytes of 16-bit mono sound at 22050 Hz,
// followed by `heldBytes` bytes of silence.
QByteArray WaveBytes(quint32 dataBytes, quint32 heldBytes) {
    QByteArray bytes;
    auto le32 = [&bytes](quint32 v) {
        for (int i = 0; i < 4; ++i) {
            bytes.append(char(v >> (8 * i)));
        }
    };
    auto le16 = [&bytes](quint16 v) {
        bytes.append(char(v));
        bytes.append(char(v >> 8));
    };
    bytes.append("RIFF");
    le32(36 + dataBytes);
    bytes.append("WAVE");
    bytes.append("LIST"); // a chunk of no interest comes first
    le32(3);
    bytes.append("abc");
    bytes.append('\0'); // padding to an even size
    bytes.append("fmt ");
    le32(16);
    le16(1);     // PCM
    le16(1);     // mono
    le32(22050); // samples per second
    le32(44100); // bytes per second
    le16(2);     // bytes per frame
    le16(16);    // bits per sample
    bytes.append("data");
    le32(dataBytes);
    bytes.append(QByteArray(int(heldBytes), '\0'));
    return bytes;
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST_F(SoundPlayback, SoundFileIsTheProgramFolderThenQvwavsThenNameDotWav) {
    shell::SetSoundFolder("/opt/quorvane/");
    EXPECT_EQ(shell::SoundFilePath("rollAll"), "/opt/quorvane/QVWAVS/rollAll.WAV");
    shell::SetSoundFolder(QString());
    EXPECT_EQ(shell::SoundFilePath("hint"),
              QCoreApplication::applicationDirPath() + "/QVWAVS/hint.WAV");
}

TEST_F(SoundPlayback, EveryEffectIsShippedShortAndDecodesInQt) {
    ASSERT_EQ(shell::SoundNames().size(), 17);
    for (const QString& name : shell::SoundNames()) {
        SCOPED_TRACE(name.toStdString());
        const qint64 length = shell::WaveLengthMs(shell::SoundFilePath(name));
        ASSERT_GT(length, 50);
        EXPECT_LT(length, name.startsWith("roll") ? 1000 : 3000);

        QSoundEffect effect;
        effect.setSource(QUrl::fromLocalFile(shell::SoundFilePath(name)));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return effect.status() != QSoundEffect::Loading; }, 5000));
        EXPECT_EQ(effect.status(), QSoundEffect::Ready);
    }
}

TEST_F(SoundPlayback, FanfareDecodesAndLastsAFewSeconds) {
    QMediaPlayer player;
    QAudioOutput output;
    player.setAudioOutput(&output);
    player.setSource(QUrl::fromLocalFile(kBeside + "win01.mp3"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return player.mediaStatus() == QMediaPlayer::LoadedMedia ||
                   player.mediaStatus() == QMediaPlayer::InvalidMedia;
        },
        10000));
    EXPECT_EQ(player.mediaStatus(), QMediaPlayer::LoadedMedia);
    EXPECT_GE(player.duration(), 2000);
    EXPECT_LE(player.duration(), 6000);
}

TEST_F(SoundPlayback, EveryEffectPlaysWithoutHoldingTheGameUp) {
    for (const QString& name : shell::SoundNames()) {
        SCOPED_TRACE(name.toStdString());
        const qint64 length = shell::WaveLengthMs(shell::SoundFilePath(name));
        QElapsedTimer clock;
        clock.start();
        shell::PlaySoundAsync(name);
        EXPECT_LT(clock.elapsed(), 200);
        clock.restart();
        shell::PlaySoundSync(name);
        EXPECT_LE(clock.elapsed(), length + 400);
    }
}

TEST_F(SoundPlayback, WaitingPlayIsBoundedByTheSoundsLengthWhenItsEndNeverComes) {
    // Without an audio output the effect never reports its end, so the wait
    // runs to its limit: it lasts as long as the sound, and not much longer.
    shell::SetPlayWithoutAudioOutput(true);
    const qint64 length = shell::WaveLengthMs(shell::SoundFilePath("hint"));
    QElapsedTimer clock;
    clock.start();
    shell::PlaySoundSync("hint");
    EXPECT_GE(clock.elapsed(), length);
    EXPECT_LE(clock.elapsed(), length + 600);

    // A new sound started right after is not held up by the one before.
    clock.restart();
    shell::PlaySoundAsync("applause");
    shell::PlaySoundAsync("score");
    EXPECT_LT(clock.elapsed(), 200);
}

TEST_F(SoundPlayback, MissingOrBrokenSoundFilesAreSilent) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("QVWAVS"));
    WriteFile(folder.path() + "/QVWAVS/junk.WAV", "this is no sound at all");
    WriteFile(folder.path() + "/QVWAVS/empty.WAV", QByteArray());
    shell::SetSoundFolder(folder.path() + '/');
    shell::SetPlayWithoutAudioOutput(true);
    for (const char* name : {"noSuchSound", "junk", "empty", "score"}) {
        SCOPED_TRACE(name);
        QElapsedTimer clock;
        clock.start();
        shell::PlaySoundAsync(name);
        shell::PlaySoundSync(name);
        EXPECT_LT(clock.elapsed(), 200);
    }
}

TEST(WaveLength, ComesFromTheHeaderAndTheSamplesTheFileHolds) {
    QTemporaryDir folder;
    const QString path = folder.path() + "/a.WAV";
    WriteFile(path, WaveBytes(11025, 11025)); // a quarter second
    EXPECT_EQ(shell::WaveLengthMs(path), 250);
    WriteFile(path, WaveBytes(441000, 4410)); // claims 10 s, holds 0.1 s
    EXPECT_EQ(shell::WaveLengthMs(path), 100);
    WriteFile(path, WaveBytes(22050, 22050).replace(0, 4, "RIFX"));
    EXPECT_EQ(shell::WaveLengthMs(path), -1);
    WriteFile(path, WaveBytes(22050, 0).left(40)); // cut inside the chunks
    EXPECT_EQ(shell::WaveLengthMs(path), -1);
    EXPECT_EQ(shell::WaveLengthMs(folder.path() + "/missing.WAV"), -1);
}

TEST(MediaCommands, OpenPlayAndCloseTheFanfareByItsAlias) {
    const QString fanfare = kBeside + "win01.mp3";
    // The fanfare's sequence, the first time: nothing to close yet.
    EXPECT_FALSE(shell::MediaCommand("close song"));
    EXPECT_TRUE(shell::MediaCommand("open \"" + fanfare + "\" alias song"));
    EXPECT_TRUE(shell::MediaCommand("play song"));
    // The next fanfare closes the one before, then opens and plays again.
    EXPECT_FALSE(shell::MediaCommand("open \"" + fanfare + "\" alias song"));
    EXPECT_TRUE(shell::MediaCommand("close song"));
    EXPECT_TRUE(shell::MediaCommand("OPEN \"" + fanfare + "\" ALIAS Song"));
    EXPECT_TRUE(shell::MediaCommand("Play SONG"));
    EXPECT_TRUE(shell::MediaCommand("close song"));
    EXPECT_FALSE(shell::MediaCommand("play song"));
}

TEST(MediaCommands, RefusesMissingFilesAndUnknownCommands) {
    QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir("with blank"));
    const QString copy = folder.path() + "/with blank/win01.mp3";
    ASSERT_TRUE(QFile::copy(kBeside + "win01.mp3", copy));
    EXPECT_TRUE(shell::MediaCommand("open \"" + copy + "\" alias tune"));
    EXPECT_TRUE(shell::MediaCommand("close tune"));

    EXPECT_FALSE(shell::MediaCommand("open \"" + folder.path() + "/none.mp3\" alias tune"));
    EXPECT_FALSE(shell::MediaCommand("play tune"));
    EXPECT_FALSE(shell::MediaCommand(""));
    EXPECT_FALSE(shell::MediaCommand("rewind tune"));
    EXPECT_FALSE(shell::MediaCommand("open \"" + copy + "\" tune"));
}

} // namespace
