// The options kept per user: first run, the conversions of stored texts, the
// fallbacks for broken values, and a save followed by a load.
#include "IsolatedSettings.h"

#include "shell/Registry.h"
#include "shell/Settings.h"

#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

using game::GameSettings;
using shell::LoadSettings;
using shell::SaveSettings;

class StoredSettings : public IsolatedSettings {
protected:
    // Settings that differ from the first-run defaults in every value.
    static GameSettings Unusual() {
        GameSettings s;
        s.NumberOfDice = 4;
        s.NumberOfPlayers = 2;
        s.NumberOfColumns = 1;
        s.Player1 = "Ann, \"Jo\" ";
        s.Player2 = "  Bob     ";
        s.SoundEnabled = false;
        s.hintAllways = true;
        s.ShowDialog = false;
        s.ShowSplash = true;
        s.ShowStatusBar = false;
        s.ConfirmOnExit = false;
        s.ConfirmQuitGame = false;
        s.SoundOnExit = false;
        s.ShowGridLines = false;
        return s;
    }

    static void ExpectSame(const GameSettings& a, const GameSettings& b) {
        EXPECT_EQ(a.NumberOfDice, b.NumberOfDice);
        EXPECT_EQ(a.NumberOfPlayers, b.NumberOfPlayers);
        EXPECT_EQ(a.NumberOfColumns, b.NumberOfColumns);
        EXPECT_EQ(a.Player1, b.Player1);
        EXPECT_EQ(a.Player2, b.Player2);
        EXPECT_EQ(a.SoundEnabled, b.SoundEnabled);
        EXPECT_EQ(a.hintAllways, b.hintAllways);
        EXPECT_EQ(a.ShowDialog, b.ShowDialog);
        EXPECT_EQ(a.ShowSplash, b.ShowSplash);
        EXPECT_EQ(a.ShowStatusBar, b.ShowStatusBar);
        EXPECT_EQ(a.ConfirmOnExit, b.ConfirmOnExit);
        EXPECT_EQ(a.ConfirmQuitGame, b.ConfirmQuitGame);
        EXPECT_EQ(a.SoundOnExit, b.SoundOnExit);
        EXPECT_EQ(a.ShowGridLines, b.ShowGridLines);
    }

    // Every value but the dice count, stored unlike the defaults.
    void StoreAllButDice() {
        Store("NumberOfPlayers", "2");
        Store("NumberOfColumns", "1");
        Store("Player1", "Zed");
        Store("Player2", "Yan");
        Store("SoundEnabled", "False");
        Store("hintAllways", "True");
        Store("ShowDialog", "False");
        Store("ShowSplash", "True");
        Store("ShowStatusBar", "False");
        Store("ConfirmOnExit", "False");
        Store("ConfirmQuitGame", "False");
        Store("SoundOnExit", "False");
        Store("ShowGridLines", "False");
    }
};

TEST_F(StoredSettings, FirstRunGivesTheDefaultsWithoutSplashAndWritesNothing) {
    GameSettings loaded = Unusual();
    loaded.ShowSplash = false;
    LoadSettings(loaded);
    ExpectSame(loaded, GameSettings::FirstRunDefaults());
    EXPECT_FALSE(loaded.ShowSplash);
    EXPECT_TRUE(loaded.ShowDialog); // so the welcome dialog opens
    EXPECT_EQ(loaded.Player1, "Player 1  ");
    EXPECT_EQ(loaded.Player2, "Player 2  ");
    EXPECT_FALSE(StoreExists());
}

TEST_F(StoredSettings, FirstRunLeavesShowSplashAsItWas) {
    GameSettings loaded;
    loaded.ShowSplash = true;
    LoadSettings(loaded);
    EXPECT_TRUE(loaded.ShowSplash);
    EXPECT_EQ(loaded.NumberOfDice, 5);
}

TEST_F(StoredSettings, MissingOrEmptyDiceCountIgnoresEveryOtherStoredValue) {
    StoreAllButDice();
    GameSettings loaded;
    LoadSettings(loaded);
    ExpectSame(loaded, GameSettings::FirstRunDefaults());

    Store("NumberOfDice", "");
    GameSettings again;
    LoadSettings(again);
    ExpectSame(again, GameSettings::FirstRunDefaults());
}

TEST_F(StoredSettings, FirstRunReadsOnlyTheDiceCount) {
    QStringList asked;
    GameSettings loaded;
    shell::LoadSettingsFrom(
        [&asked](const QString& name, const QString& fallback) {
            asked << name;
            return fallback;
        },
        loaded);
    EXPECT_EQ(asked, QStringList{"NumberOfDice"});
}

TEST_F(StoredSettings, GarbledDiceCountIsNotAFirstRunAndFallsBackToFiveDice) {
    StoreAllButDice();
    Store("NumberOfDice", "abc");
    GameSettings loaded;
    LoadSettings(loaded);
    EXPECT_EQ(loaded.NumberOfDice, 5);
    // The other stored values are taken, unlike on a first run.
    EXPECT_FALSE(loaded.ShowDialog);
    EXPECT_TRUE(loaded.ShowSplash);
    EXPECT_EQ(loaded.NumberOfPlayers, 2);
    EXPECT_EQ(loaded.Player1, "Zed       ");
}

TEST_F(StoredSettings, CountsOutsideTheirValuesFallBackToTheDefaults) {
    struct Case {
        const char *dice, *players, *columns;
        int wantDice, wantPlayers, wantColumns;
    };
    const Case cases[] = {
        {"4", "2", "1", 4, 2, 1},             // every count valid
        {"5", "1", "4", 5, 1, 4},             //
        {"6", "3", "2", 5, 1, 4},             // one past or between the valid values
        {"0", "0", "0", 5, 1, 4},             //
        {"-4", "-1", "-4", 5, 1, 4},          // negative
        {" 4.4", "1.6", "4x", 4, 2, 4},       // rounded, or cut at the first non-digit
        {"4.5", "1.5", "3.5", 4, 2, 4},       // halves go to the even number
        {"99999999999", "", "Four", 5, 1, 4}, // huge, missing, no number at all
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dice << " / " << c.players << " / " << c.columns);
        Store("NumberOfDice", c.dice);
        Store("NumberOfPlayers", c.players);
        Store("NumberOfColumns", c.columns);
        GameSettings loaded;
        LoadSettings(loaded);
        EXPECT_EQ(loaded.NumberOfDice, c.wantDice);
        EXPECT_EQ(loaded.NumberOfPlayers, c.wantPlayers);
        EXPECT_EQ(loaded.NumberOfColumns, c.wantColumns);
    }
}

TEST_F(StoredSettings, FlagsReadTrueFalseInAnyCaseOrNumbersAndFallBackOtherwise) {
    Store("NumberOfDice", "5");
    // Readable texts, each giving the opposite of the setting's default.
    Store("ShowDialog", "fALSE");
    Store("ShowSplash", "TRUE");
    Store("ShowStatusBar", "0");
    Store("ConfirmOnExit", " false ");
    Store("hintAllways", "-3");
    Store("ShowGridLines", "0.0");
    // Unreadable texts: each takes the setting's first-run default.
    Store("ConfirmQuitGame", "no");
    Store("SoundOnExit", "1 2");
    Store("SoundEnabled", "");
    GameSettings loaded = Unusual();
    LoadSettings(loaded);
    EXPECT_FALSE(loaded.ShowDialog);
    EXPECT_TRUE(loaded.ShowSplash);
    EXPECT_FALSE(loaded.ShowStatusBar);
    EXPECT_FALSE(loaded.ConfirmOnExit);
    EXPECT_TRUE(loaded.hintAllways);
    EXPECT_FALSE(loaded.ShowGridLines);
    EXPECT_TRUE(loaded.ConfirmQuitGame);
    EXPECT_TRUE(loaded.SoundOnExit);
    EXPECT_TRUE(loaded.SoundEnabled);

    // A missing splash flag is off, and a garbled hint flag keeps hints on request.
    Store("ShowSplash", "yes");
    Store("hintAllways", "always");
    LoadSettings(loaded);
    EXPECT_FALSE(loaded.ShowSplash);
    EXPECT_FALSE(loaded.hintAllways);
}

TEST_F(StoredSettings, NamesAreCutOrPaddedToTenCharacters) {
    Store("NumberOfDice", "5");
    Store("Player1", "Alexandrina the Great");
    Store("Player2", "Bo");
    GameSettings loaded;
    LoadSettings(loaded);
    EXPECT_EQ(loaded.Player1, "Alexandrin");
    EXPECT_EQ(loaded.Player2, "Bo        ");

    // A missing name reads as ten blanks; a letter beyond ASCII counts once.
    Store("Player1", QString::fromUtf8("Jürgen Müller"));
    QSettings(QStringLiteral("Quorvane"), QStringLiteral("Quorvane2")).remove("Player2");
    LoadSettings(loaded);
    EXPECT_EQ(loaded.Player2, std::string(10, ' '));
    EXPECT_EQ(QString::fromStdString(loaded.Player1), QString::fromUtf8("Jürgen Mül"));
}

TEST_F(StoredSettings, SaveThenLoadGivesBackEveryValue) {
    const GameSettings saved = Unusual();
    SaveSettings(saved);
    GameSettings loaded;
    LoadSettings(loaded);
    ExpectSame(loaded, saved);

    SaveSettings(GameSettings::FirstRunDefaults());
    LoadSettings(loaded);
    ExpectSame(loaded, GameSettings::FirstRunDefaults());
}

TEST_F(StoredSettings, SavedValuesAreTextUnderTheirNamesWrittenInOrder) {
    QStringList written;
    shell::SaveSettingsTo(
        [&written](const QString& name, const QString& text) { written << name + "=" + text; },
        Unusual());
    const QStringList expected = {
        "NumberOfDice=4",     "NumberOfPlayers=2",   "NumberOfColumns=1",   "Player1=Ann, \"Jo\" ",
        "Player2=  Bob     ", "SoundEnabled=False",  "hintAllways=True",    "ShowDialog=False",
        "ShowSplash=True",    "ShowStatusBar=False", "ConfirmOnExit=False", "ConfirmQuitGame=False",
        "SoundOnExit=False",  "ShowGridLines=False"};
    EXPECT_EQ(written, expected);

    // The file itself holds those texts, trailing blanks of the names kept.
    SaveSettings(GameSettings::FirstRunDefaults());
    QFile file(StoreFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString content = QString::fromUtf8(file.readAll());
    for (const char* line :
         {"NumberOfDice=5", "NumberOfPlayers=1", "NumberOfColumns=4", "SoundEnabled=True",
          "hintAllways=False", "ShowDialog=True", "ShowSplash=False", "ShowStatusBar=True",
          "ConfirmOnExit=True", "ConfirmQuitGame=True", "SoundOnExit=True", "ShowGridLines=True"}) {
        EXPECT_TRUE(content.contains(QString::fromLatin1(line) + '\n')) << line;
    }
    EXPECT_EQ(shell::GetRegString("Player1", "?"), "Player 1  ");
    EXPECT_EQ(shell::GetRegString("ShowSplash", "?"), "False");
}

TEST_F(StoredSettings, LoadReadsTheValuesInOrder) {
    QStringList asked;
    GameSettings loaded;
    shell::LoadSettingsFrom(
        [&asked](const QString& name, const QString& fallback) {
            asked << name;
            return name == "NumberOfDice" ? QStringLiteral("4") : fallback;
        },
        loaded);
    const QStringList expected = {
        "NumberOfDice",    "ShowDialog",   "ShowSplash",      "ShowStatusBar",   "ConfirmOnExit",
        "ConfirmQuitGame", "SoundOnExit",  "NumberOfPlayers", "NumberOfColumns", "Player1",
        "Player2",         "SoundEnabled", "hintAllways",     "ShowGridLines"};
    EXPECT_EQ(asked, expected);
}

TEST_F(StoredSettings, StoreReadsOnlyPlainTextValues) {
    EXPECT_EQ(shell::GetRegString("NumberOfDice", "none"), "none");
    shell::SaveRegString("Player1", "  padded  ");
    EXPECT_EQ(shell::GetRegString("Player1", "none"), "  padded  ");
    shell::SaveRegString("Player2", QString("Ann") + QChar(0) + "junk");
    EXPECT_EQ(shell::GetRegString("Player2", "none"), "Ann");

    // A hand-edited list or typed value is not text.
    QFile file(StoreFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Text));
    file.write("[General]\nPlayer1=a,b\nPlayer2=@Variant(\\0\\0\\0\\x2\\0\\0\\0\\x5)\n"
               "NumberOfDice=4\n");
    file.close();
    EXPECT_EQ(shell::GetRegString("Player1", "none"), "none");
    EXPECT_EQ(shell::GetRegString("Player2", "none"), "none");
    EXPECT_EQ(shell::GetRegString("NumberOfDice", "none"), "4");
}

TEST(SettingNumber, TakesTheLeadingNumberRoundedToTheNearest) {
    EXPECT_EQ(shell::SettingNumber(""), 0);
    EXPECT_EQ(shell::SettingNumber("abc"), 0);
    EXPECT_EQ(shell::SettingNumber("  12abc"), 12);
    EXPECT_EQ(shell::SettingNumber("-7"), -7);
    EXPECT_EQ(shell::SettingNumber("+3"), 3);
    EXPECT_EQ(shell::SettingNumber("2.5"), 2);
    EXPECT_EQ(shell::SettingNumber("3.5"), 4);
    EXPECT_EQ(shell::SettingNumber("-2.5"), -2);
    EXPECT_EQ(shell::SettingNumber("2.51"), 3);
    EXPECT_EQ(shell::SettingNumber(".6"), 1);
    EXPECT_EQ(shell::SettingNumber("1e1"), 10);
    EXPECT_EQ(shell::SettingNumber("4e"), 4);
    EXPECT_EQ(shell::SettingNumber("1 2"), 1);
    EXPECT_EQ(shell::SettingNumber("1e999"), 2147483647);
    EXPECT_EQ(shell::SettingNumber("-99999999999"), -2147483647 - 1);
}

} // namespace
