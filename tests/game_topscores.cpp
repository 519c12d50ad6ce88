// The top-score file: its bytes, the insertion of a finished game and what
// damaged, foreign or unwritable files do.
#include "FakeHost.h"
#include "TempFolder.h"
#include "game/TopScoreFile.h"
#include "game/Windows1252.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <unistd.h>

using namespace game;
using testing_support::ReadBytes;
using testing_support::Table;
using testing_support::TempFolder;
using testing_support::WriteBytes;

namespace {

using Bytes = std::vector<unsigned char>;

const std::string EmptyText = std::string(1, '\0') + std::string(9, ' ');

std::int32_t Int32At(const Bytes& bytes, std::size_t offset) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) {
        u = (u << 8) | bytes.at(offset + i);
    }
    return static_cast<std::int32_t>(u);
}

std::string TextAt(const Bytes& bytes, std::size_t offset) {
    return std::string(bytes.begin() + offset, bytes.begin() + offset + 10);
}

// A table whose places hold these scores, named "P<score>", best first.
TopScorePlacesArray TableOf(std::initializer_list<int> scores) {
    TopScorePlacesArray places;
    int i = 0;
    for (int score : scores) {
        places[i++] = MakeScoreRecord("P" + std::to_string(score), score, "01/02/2026");
    }
    return places;
}

std::vector<int> ScoresIn(const TopScorePlacesArray& places) {
    std::vector<int> scores;
    for (const auto& place : places) {
        if (!IsEmptyPlace(place)) {
            scores.push_back(place.Score);
        }
    }
    return scores;
}

// The names in a folder, sorted; the tables' lock files are left out.
std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(".lock")) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// While it lives, files cannot grow beyond 100 bytes: a write fails
// part-way, as on a full disk.
class FullDisk {
public:
    FullDisk() : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit small = before_;
        small.rlim_cur = 100;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, signal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    void (*signal_)(int);
    rlimit before_{};
};

// A finished one-player game with five dice and four columns (table 2),
// its program folder and the user's data folder in temporary folders.
struct Finished {
    TempFolder programFolder;
    TempFolder folder; // the user's data folder
    Table t{4, 4, 1};
    std::string file;

    Finished() {
        t.prog.AppPath = programFolder.appPath();
        t.prog.ScoresPath = folder.appPath();
        t.prog.Settings.Player1 = FixedText10("Ann");
        file = TopScoreFileName(t.prog.ScoresPath, 2);
    }
    int Enter(int score) {
        t.board.lblGrandTotal.Caption = std::to_string(score);
        t.game.EnterTopScore();
        return t.prog.NewScorePosition;
    }
    void Store(std::initializer_list<int> scores) {
        ASSERT_EQ(WriteTopScoreTable(file, TableOf(scores)), "");
    }
    std::vector<int> Stored() { return ScoresIn(ReadTopScoreTable(file).Places); }
};

// The name under which this process writes a table before it takes its place.
std::string TemporaryName(const std::string& table) {
    return table + "." + std::to_string(::getpid()) + ".tmp";
}

// One "Open scores" box whose text ends in `tail` and the table's file name.
void ExpectOneOpenScoresMessage(const Finished& f, const std::string& tail) {
    ASSERT_EQ(f.t.host.messages.size(), 1u);
    const auto& message = f.t.host.messages[0];
    EXPECT_EQ(message.title, "Open scores");
    EXPECT_EQ(message.buttons, MsgButtons::OK);
    EXPECT_EQ(message.icon, MsgIcon::Information);
    const std::string end = tail + f.file;
    ASSERT_GT(message.text.size(), end.size()) << message.text;
    EXPECT_EQ(message.text.substr(message.text.size() - end.size()), end) << message.text;
}

// A score that beats the whole table but cannot be saved: no place is
// claimed, the table on disk stays as it was, and one message says why.
void ExpectNotSaved(Finished& f) {
    const Bytes before = ReadBytes(f.file);
    EXPECT_EQ(f.Enter(5000), -1);
    EXPECT_EQ(f.t.prog.NewScoreOutcome, TopScoreOutcome::NotSaved);
    EXPECT_TRUE(f.t.prog.ShowNewScore);
    ExpectOneOpenScoresMessage(f, "Cannot save ");
    EXPECT_EQ(ReadBytes(f.file), before);
}

// A table that cannot be read: nothing is compared or written over it.
void ExpectUnreadable(Finished& f) {
    EXPECT_EQ(f.Enter(60), -1);
    EXPECT_EQ(f.t.prog.NewScoreOutcome, TopScoreOutcome::TableUnreadable);
    EXPECT_TRUE(f.t.prog.ShowNewScore);
    ExpectOneOpenScoresMessage(f, "Cannot open ");
}

// Root may read and write whatever the permissions say; these cases need an
// ordinary user.
bool RunAsRoot() {
    return ::geteuid() == 0;
}
#define SKIP_AS_ROOT()                                                                             \
    if (RunAsRoot()) {                                                                             \
        GTEST_SKIP()                                                                               \
            << "file permissions do not bind root: run as an ordinary user to check this";         \
    }

} // namespace

TEST(TopScoreFileNames, TableFollowsColumnsAndDice) {
    EXPECT_EQ(ScoreTableNumber(4, 5), 1);
    EXPECT_EQ(ScoreTableNumber(4, 4), 2);
    EXPECT_EQ(ScoreTableNumber(1, 5), 3);
    EXPECT_EQ(ScoreTableNumber(1, 4), 4);
    EXPECT_EQ(ScoreTableNumber(0, 0), 4);
    EXPECT_EQ(TopScoreFileName("/opt/q/", 3), "/opt/q/scores/scores3.dat");
}

TEST(TopScoreAdoption, TablesLeftBesideTheProgramAreCopiedAtTheFirstStartOnly) {
    TempFolder program;
    TempFolder data;
    const std::string scores = data.appPath() + "share/Quorvane/Quorvane2/";
    std::filesystem::create_directories(program.path() / "scores");
    const Bytes oldTable1(484, 0x41);
    const Bytes oldTable3(484, 0x43);
    WriteBytes(TopScoreFileName(program.appPath(), 1), oldTable1);
    WriteBytes(TopScoreFileName(program.appPath(), 3), oldTable3);
    // A write-protected old table becomes a table of the player's own.
    std::filesystem::permissions(TopScoreFileName(program.appPath(), 3),
                                 std::filesystem::perms::owner_read |
                                     std::filesystem::perms::group_read |
                                     std::filesystem::perms::others_read);

    EXPECT_EQ(AdoptTopScoreTables(program.appPath(), scores), "");
    EXPECT_EQ(ReadBytes(TopScoreFileName(scores, 1)), oldTable1);
    EXPECT_EQ(ReadBytes(TopScoreFileName(scores, 3)), oldTable3);
    EXPECT_FALSE(std::filesystem::exists(TopScoreFileName(scores, 2)));
    EXPECT_EQ(ReadBytes(TopScoreFileName(program.appPath(), 1)), oldTable1) << "left as it was";
    const std::string fresh = TopScoreFileName(scores, 4);
    ASSERT_EQ(WriteTopScoreTable(fresh, TableOf({1})), "");
    EXPECT_EQ(std::filesystem::status(TopScoreFileName(scores, 3)).permissions(),
              std::filesystem::status(fresh).permissions())
        << "the mode a new table gets";

    // Clear Table, then the next start: the cleared table stays cleared, and
    // the player's own tables are never written over.
    EXPECT_EQ(DeleteTopScoreTable(TopScoreFileName(scores, 1)), "");
    const Bytes newer(484, 0x4E);
    WriteBytes(TopScoreFileName(scores, 3), newer);
    EXPECT_EQ(AdoptTopScoreTables(program.appPath(), scores), "");
    EXPECT_FALSE(std::filesystem::exists(TopScoreFileName(scores, 1)));
    EXPECT_EQ(ReadBytes(TopScoreFileName(scores, 3)), newer);

    // Nothing to do when the two folders are one.
    EXPECT_EQ(AdoptTopScoreTables(scores, scores), "");
    EXPECT_EQ(ReadBytes(TopScoreFileName(scores, 3)), newer);
}

TEST(TopScoreAdoption, ATableThatCannotBeCopiedIsTriedAgainAtTheNextStart) {
    TempFolder program;
    TempFolder data;
    const Bytes oldTable(484, 0x42);
    WriteBytes(TopScoreFileName(program.appPath(), 2), oldTable);
    {
        const FullDisk full;
        const std::string message = AdoptTopScoreTables(program.appPath(), data.appPath());
        EXPECT_TRUE(message.ends_with("Cannot save " + TopScoreFileName(data.appPath(), 2)))
            << message;
    }
    EXPECT_EQ(FilesIn(data.path()), std::vector<std::string>{}) << "no scores folder yet";
    EXPECT_EQ(AdoptTopScoreTables(program.appPath(), data.appPath()), "");
    EXPECT_EQ(ReadBytes(TopScoreFileName(data.appPath(), 2)), oldTable);
    EXPECT_EQ(FilesIn(data.path()), std::vector<std::string>{"scores"});
}

TEST(TopScoreAdoption, ATableThatCouldNotBeCopiedIsCopiedBeforeAGameMakesTheScoresFolder) {
    Finished f;
    ASSERT_EQ(WriteTopScoreTable(TopScoreFileName(f.t.prog.AppPath, 2), TableOf({900})), "");
    {
        const FullDisk full;
        EXPECT_NE(AdoptTopScoreTables(f.t.prog.AppPath, f.t.prog.ScoresPath), "");
    }
    EXPECT_EQ(f.Enter(500), 2);
    EXPECT_EQ(f.Stored(), (std::vector<int>{900, 500}));
    EXPECT_TRUE(f.t.host.messages.empty());
}

TEST(TopScoreInsertion, MissingFolderAndFileBecomeTableWithScoreAtPlaceOne) {
    Finished f;
    f.t.prog.ScoresPath = f.folder.appPath() + "share/Quorvane/Quorvane2/";
    f.file = TopScoreFileName(f.t.prog.ScoresPath, 2);
    f.t.host.today = "12/08/2026";
    EXPECT_EQ(f.Enter(187), 1);
    EXPECT_TRUE(std::filesystem::is_empty(f.programFolder.path())) << "kept in the data folder";
    EXPECT_TRUE(f.t.host.messages.empty());
    EXPECT_EQ(f.t.prog.NewScoreValue, 187);
    EXPECT_TRUE(f.t.prog.ShowNewScore);
    EXPECT_TRUE(f.t.prog.OpenedFromBoard);
    EXPECT_EQ(f.t.prog.NewScore.Name, "Ann       ");
    EXPECT_EQ(f.t.prog.NewScore.Date, "12/08/2026");

    const Bytes bytes = ReadBytes(f.file);
    ASSERT_EQ(bytes.size(), 484u);
    EXPECT_EQ(TextAt(bytes, 0), "Ann       ");
    EXPECT_EQ(Int32At(bytes, 10), 187);
    EXPECT_EQ(TextAt(bytes, 14), "12/08/2026");
    for (int k = 2; k <= 20; ++k) {
        const std::size_t at = (k - 1) * 24;
        EXPECT_EQ(TextAt(bytes, at), EmptyText) << k;
        EXPECT_EQ(Int32At(bytes, at + 10), -9999) << k;
        EXPECT_EQ(TextAt(bytes, at + 14), EmptyText) << k;
    }
    EXPECT_EQ(Int32At(bytes, 480), 1);
}

TEST(TopScoreInsertion, EmptyFileCountsAsNoTable) {
    Finished f;
    WriteBytes(f.file, {});
    EXPECT_EQ(f.Enter(50), 1);
    EXPECT_TRUE(f.t.host.messages.empty());
    EXPECT_EQ(ReadBytes(f.file).size(), 484u);
}

TEST(TopScoreInsertion, TieGoesBelowEqualScores) {
    Finished f;
    f.Store({300, 250, 250, 100});
    EXPECT_EQ(f.Enter(300), 2);
    EXPECT_EQ(f.Enter(250), 5);
    EXPECT_EQ(f.Stored(), (std::vector<int>{300, 300, 250, 250, 250, 100}));
    const auto places = ReadTopScoreTable(f.file).Places;
    EXPECT_EQ(places[0].Name, "P300      "); // the stored 300 keeps place 1
    EXPECT_EQ(places[1].Name, "Ann       ");
}

TEST(TopScoreInsertion, FullTable) {
    Finished f;
    f.Store({400, 390, 380, 370, 360, 350, 340, 330, 320, 310,
             300, 290, 280, 270, 260, 250, 240, 230, 220, 210});
    const Bytes before = ReadBytes(f.file);

    EXPECT_EQ(f.Enter(210), -1) << "equal to place 20";
    EXPECT_EQ(f.Enter(5), -1);
    EXPECT_EQ(ReadBytes(f.file), before);

    EXPECT_EQ(f.Enter(215), 20);
    auto scores = f.Stored();
    EXPECT_EQ(scores.back(), 215);
    EXPECT_EQ(scores[18], 220);

    EXPECT_EQ(f.Enter(365), 5);
    scores = f.Stored();
    ASSERT_EQ(scores.size(), 20u);
    EXPECT_EQ(scores[3], 370);
    EXPECT_EQ(scores[4], 365);
    EXPECT_EQ(scores[5], 360);
    EXPECT_EQ(scores.back(), 220) << "the old place 20 dropped out";
    EXPECT_EQ(ReadBytes(f.file).size(), 484u);
}

TEST(TopScoreInsertion, NegativeTotalTakesAPlaceInAnOpenTable) {
    Finished f;
    f.Store({120});
    EXPECT_EQ(f.Enter(-35), 2);
    EXPECT_EQ(f.Stored(), (std::vector<int>{120, -35}));
}

TEST(TopScoreInsertion, NameByPlayerOnTurn) {
    Finished f;
    f.t.prog.Settings.Player2 = FixedText10("Bob");
    f.t.board.StatusBar1.Panels[1].Text = FixedText10("Bob");
    f.Enter(10);
    EXPECT_EQ(f.t.prog.NewScore.Name, "Ann       ") << "one player: always Player1";

    f.t.prog.Settings.NumberOfPlayers = 2;
    f.Enter(10);
    EXPECT_EQ(f.t.prog.NewScore.Name, "Bob       ");
    f.t.board.StatusBar1.Panels[1].Text = FixedText10("Ann");
    f.Enter(10);
    EXPECT_EQ(f.t.prog.NewScore.Name, "Ann       ");
    f.t.board.StatusBar1.Panels[1].Text = "Ann"; // not the padded form
    f.Enter(10);
    EXPECT_EQ(f.t.prog.NewScore.Name, "Bob       ");
}

TEST(TopScoreRecords, NamesAndDatesAreCutOrPadded) {
    Finished f;
    f.t.prog.Settings.Player1 = "Alexandrina Smith";
    f.t.host.today = "Wednesday, 12 August 2026";
    f.Enter(99);
    EXPECT_EQ(f.t.prog.NewScore.Name, "Alexandrin");
    EXPECT_EQ(f.t.prog.NewScore.Date, "Wednesday,");
    const Bytes bytes = ReadBytes(f.file);
    EXPECT_EQ(TextAt(bytes, 0), "Alexandrin");
    EXPECT_EQ(TextAt(bytes, 14), "Wednesday,");

    EXPECT_EQ(MakeScoreRecord("Al", 1, "1/2/26").Name, "Al        ");
    EXPECT_EQ(MakeScoreRecord("Al", 1, "1/2/26").Date, "1/2/26    ");
}

TEST(TopScoreRecords, TextsAreWindows1252OnDiskAndUtf8InMemory) {
    // Ten characters fill the field even when they take more UTF-8 bytes.
    const ScoreRecord record = MakeScoreRecord("\xC3\x89milie Z\xC3\xB6llner", 7, "x");
    EXPECT_EQ(record.Name, "\xC3\x89milie Z\xC3\xB6l");
    auto bytes = EncodeScoreRecord(record);
    EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 10), "\xC9milie Z\xF6l");
    EXPECT_EQ(DecodeScoreRecord(bytes.data()).Name, record.Name);

    // The letters and marks of 0x80 to 0x9F, both ways.
    const std::string marks = "“Œ€” ‘œ’™";
    bytes = EncodeScoreRecord(MakeScoreRecord("x", 1, marks));
    EXPECT_EQ(std::string(bytes.begin() + 14, bytes.end()), "\x93\x8C\x80\x94 \x91\x9C\x92\x99 ");
    EXPECT_EQ(DecodeScoreRecord(bytes.data()).Date, marks + " ");

    Finished f;
    f.t.prog.Settings.Player1 = "Šime Željko";
    f.Enter(40);
    const std::string cut = "Šime Željk"; // ten characters
    EXPECT_EQ(f.t.prog.NewScore.Name, cut);
    EXPECT_EQ(TextAt(ReadBytes(f.file), 0), "\x8Aime \x8E"
                                            "eljk");
    EXPECT_EQ(ReadTopScoreTable(f.file).Places[0].Name, cut);

    // A character that Windows-1252 cannot hold is stored as '?'.
    f.t.prog.Settings.Player1 = "Małgorzata";
    f.Enter(30);
    EXPECT_EQ(TextAt(ReadBytes(f.file), 24), "Ma?gorzata");
    EXPECT_EQ(f.t.prog.NewScore.Name, "Ma?gorzata");
    EXPECT_EQ(ToWindows1252("\xC2\x80|\xF0\x9F\x8E\xB2|a\xFF|\xC3|\xC0\x80"), "?|?|a?|?|??")
        << "a control of 0x80-0x9F, a four-byte character, broken and overlong UTF-8";
    EXPECT_EQ(FromWindows1252("\x81\x8D\x8F\x90\x9D\xFF"), "?????ÿ") << "bytes with no character";

    // A table written elsewhere with Windows-1252 names reads back.
    auto foreign = EncodeScoreRecord(MakeScoreRecord("", 500, "1.2.2026"));
    const std::string name = "\x84\x8A\x9A\x8E\x9E\x9F\x85\x96\x97\x93";
    std::copy(name.begin(), name.end(), foreign.begin());
    WriteBytes(f.file, Bytes(foreign.begin(), foreign.end()));
    EXPECT_EQ(ReadTopScoreTable(f.file).Places[0].Name, "„ŠšŽžŸ…–—“");
}

TEST(TopScoreRecords, ControlCharactersAreStoredAsQuestionMarksAndReadBack) {
    Finished f;
    f.t.prog.Settings.Player1 = std::string("Ann\tLee\x7F") + '\0';
    f.t.host.today = "12/08\n2026";
    EXPECT_EQ(f.Enter(99), 1);
    EXPECT_EQ(f.t.prog.NewScore.Name, "Ann?Lee?? ");
    EXPECT_EQ(f.t.prog.NewScore.Date, "12/08?2026");
    const TopScoreTable table = ReadTopScoreTable(f.file);
    EXPECT_EQ(table.State, TopScoreFileState::Clean) << table.Problem;
    EXPECT_EQ(table.Places[0].Name, "Ann?Lee?? ");
    EXPECT_EQ(table.Places[0].Score, 99);
    EXPECT_TRUE(f.t.host.messages.empty());
}

TEST(TopScoreFileFormat, WrittenTableReadsBackFieldByField) {
    TempFolder folder;
    const std::string file = TopScoreFileName(folder.appPath(), 1);
    TopScorePlacesArray places;
    places[0] = MakeScoreRecord("Big", 0x012345, "03/01/2026");
    places[1] = MakeScoreRecord("Ann", 1234, "31/12/2025");
    places[2] = MakeScoreRecord("B\xC3\xA9"
                                "a",
                                0, "01/01/2026");
    places[3] = MakeScoreRecord("Cy", -12, "02/01/2026");
    ASSERT_EQ(WriteTopScoreTable(file, places), "");

    const Bytes bytes = ReadBytes(file);
    ASSERT_EQ(bytes.size(), 484u);
    EXPECT_EQ(TextAt(bytes, 0), "Big       ");
    // little-endian
    EXPECT_EQ(bytes[10], 0x45);
    EXPECT_EQ(bytes[11], 0x23);
    EXPECT_EQ(bytes[12], 0x01);
    EXPECT_EQ(bytes[13], 0x00);
    EXPECT_EQ(TextAt(bytes, 14), "03/01/2026");
    EXPECT_EQ(Int32At(bytes, 24 + 10), 1234);
    EXPECT_EQ(TextAt(bytes, 48), "B\xE9"
                                 "a       ");
    EXPECT_EQ(Int32At(bytes, 48 + 10), 0);
    EXPECT_EQ(TextAt(bytes, 48 + 14), "01/01/2026");
    EXPECT_EQ(Int32At(bytes, 72 + 10), -12);
    EXPECT_EQ(TextAt(bytes, 96), EmptyText);
    EXPECT_EQ(Int32At(bytes, 96 + 10), -9999);
    EXPECT_EQ(Int32At(bytes, 480), 1);

    const TopScoreTable table = ReadTopScoreTable(file);
    EXPECT_EQ(table.State, TopScoreFileState::Clean);
    EXPECT_EQ(table.Problem, "");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(table.Places[i].Name, places[i].Name) << i;
        EXPECT_EQ(table.Places[i].Score, places[i].Score) << i;
        EXPECT_EQ(table.Places[i].Date, places[i].Date) << i;
    }
    EXPECT_EQ(FilesIn(folder.path() / "scores"), (std::vector<std::string>{"scores1.dat"}));
}

TEST(TopScoreFileFormat, ReadingKeepsTheTextsOfAnEmptyPlace) {
    TempFolder folder;
    const std::string file = TopScoreFileName(folder.appPath(), 4);
    TopScorePlacesArray places = TableOf({90});
    places[1].Name = "Old name  ";
    places[1].Date = "1999      ";
    ASSERT_EQ(WriteTopScoreTable(file, places), "");
    const TopScoreTable table = ReadTopScoreTable(file);
    EXPECT_EQ(table.State, TopScoreFileState::Clean);
    EXPECT_EQ(table.Places[1].Name, "Old name  ");
    EXPECT_EQ(table.Places[1].Score, -9999);
}

TEST(TopScoreFileFormat, MissingTableReadsAsTwentyEmptyPlacesAndDeletes) {
    TempFolder folder;
    const std::string file = TopScoreFileName(folder.appPath(), 3);
    TopScoreTable table = ReadTopScoreTable(file);
    EXPECT_EQ(table.State, TopScoreFileState::Missing);
    EXPECT_EQ(table.Problem, "");
    for (const auto& place : table.Places) {
        EXPECT_TRUE(IsEmptyPlace(place));
        EXPECT_EQ(place.Name, EmptyText);
    }
    EXPECT_EQ(FindTopScoreFile(file), TopScoreFilePresence::Absent);
    EXPECT_EQ(DeleteTopScoreTable(file), "") << "nothing to delete is no failure";

    ASSERT_EQ(WriteTopScoreTable(file, TableOf({1})), "");
    EXPECT_EQ(FindTopScoreFile(file), TopScoreFilePresence::Present);
    EXPECT_EQ(DeleteTopScoreTable(file), "");
    EXPECT_EQ(FindTopScoreFile(file), TopScoreFilePresence::Absent);
}

// ---- Files that cannot be used as they are ------------------------------

TEST(TopScoreFailures, FolderThatCannotBeCreated) {
    Finished f;
    WriteBytes(f.folder.path() / "scores", {'x'}); // a file where the folder should be
    ExpectNotSaved(f);
}

TEST(TopScoreFailures, BlockedTemporaryName) {
    Finished f;
    f.Store({300, 200});
    // Nothing can be created under the temporary file's name.
    std::filesystem::create_directories(TemporaryName(f.file) + "/x");
    ExpectNotSaved(f);
}

TEST(TopScoreFailures, LinkOrPipeAtTheTemporaryNameIsNeverWrittenThrough) {
    Finished f;
    f.Store({300, 200});
    TempFolder elsewhere;
    const std::filesystem::path victim = elsewhere.path() / "victim.txt";
    WriteBytes(victim, {'k', 'e', 'e', 'p'});
    ::chmod(victim.c_str(), 0600);
    std::filesystem::create_symlink(victim, TemporaryName(f.file));
    EXPECT_EQ(f.Enter(250), 2);
    EXPECT_EQ(ReadBytes(victim), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(std::filesystem::status(victim).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_FALSE(std::filesystem::is_symlink(f.file));
    // A pipe would hold the save (and the game) until somebody read it.
    ASSERT_EQ(::mkfifo(TemporaryName(f.file).c_str(), 0600), 0);
    EXPECT_EQ(f.Enter(225), 3);
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(f.file).Places), (std::vector<int>{300, 250, 225, 200}));
    EXPECT_EQ(FilesIn(f.folder.path() / "scores"), (std::vector<std::string>{"scores2.dat"}));
}

TEST(TopScoreFailures, FullDisk) {
    Finished f;
    f.Store({300, 200});
    const FullDisk full;
    ExpectNotSaved(f);
}

TEST(TopScoreFailures, ReadOnlyFolder) {
    SKIP_AS_ROOT();
    Finished f;
    f.Store({300, 200});
    const auto scores = f.folder.path() / "scores";
    std::filesystem::permissions(scores, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    ExpectNotSaved(f);
    std::filesystem::permissions(scores, std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST(TopScoreFailures, WriteProtectedTableInAWritableFolderIsKept) {
    SKIP_AS_ROOT();
    Finished f;
    f.Store({300, 200});
    std::filesystem::permissions(f.file, std::filesystem::perms::owner_read);
    ExpectNotSaved(f);
    EXPECT_EQ(std::filesystem::status(f.file).permissions(), std::filesystem::perms::owner_read);
}

TEST(TopScoreFailures, TableWithoutAnyPermission) {
    SKIP_AS_ROOT();
    Finished f;
    f.Store({300, 200});
    std::filesystem::permissions(f.file, std::filesystem::perms::none);
    ExpectUnreadable(f);
    std::filesystem::permissions(f.file, std::filesystem::perms::owner_read);
    EXPECT_EQ(f.Stored(), (std::vector<int>{300, 200}));
}

TEST(TopScoreFailures, TruncatedFileKeepsItsWholePlaces) {
    Finished f;
    f.Store({300, 250, 200, 150, 100, 50});
    Bytes bytes = ReadBytes(f.file);
    bytes.resize(4 * 24 + 7); // four whole places and 7 bytes of the fifth
    WriteBytes(f.file, bytes);

    EXPECT_EQ(f.Enter(175), 4);
    ExpectOneOpenScoresMessage(f, "File: ");
    EXPECT_EQ(f.Stored(), (std::vector<int>{300, 250, 200, 175, 150}));
    EXPECT_EQ(ReadBytes(f.file).size(), 484u);

    f.t.host.messages.clear();
    f.Enter(1);
    EXPECT_TRUE(f.t.host.messages.empty()) << "the repaired table needs no second word";
}

TEST(TopScoreFailures, OversizedFileUsesOnlyPlacesOneToTwenty) {
    Finished f;
    f.Store({400, 390, 380, 370, 360, 350, 340, 330, 320, 310,
             300, 290, 280, 270, 260, 250, 240, 230, 220, 210});
    Bytes bytes = ReadBytes(f.file);
    const auto extra = EncodeScoreRecord(MakeScoreRecord("Extra", 9000, "01/01/2026"));
    bytes.resize(480); // places 21 and 22 where the end mark would be
    bytes.insert(bytes.end(), extra.begin(), extra.end());
    bytes.insert(bytes.end(), extra.begin(), extra.end());
    WriteBytes(f.file, bytes);

    EXPECT_EQ(f.Enter(205), -1) << "place 21 takes no part";
    ExpectOneOpenScoresMessage(f, "File: ");
    const auto scores = f.Stored();
    ASSERT_EQ(scores.size(), 20u);
    EXPECT_EQ(scores.front(), 400);
    EXPECT_EQ(scores.back(), 210);
    EXPECT_EQ(ReadBytes(f.file).size(), 484u);
}

TEST(TopScoreFailures, GarbageFileNeverCrashes) {
    std::mt19937 random(20260812);
    for (std::size_t size : {484u, 100u, 7u, 1000u}) {
        Finished f;
        Bytes bytes(size);
        for (auto& byte : bytes) {
            byte = static_cast<unsigned char>(random());
        }
        WriteBytes(f.file, bytes);
        const int place = f.Enter(123);
        ExpectOneOpenScoresMessage(f, "File: ");
        EXPECT_GE(place, 1) << size;
        const TopScoreTable table = ReadTopScoreTable(f.file);
        EXPECT_EQ(table.State, TopScoreFileState::Clean) << size;
        EXPECT_EQ(ReadBytes(f.file).size(), 484u);
    }
}

TEST(TopScoreFailures, DamagedPlacesAreLeftOutAndTheOthersKept) {
    Finished f;
    f.Store({300, 250, 200, 150, 100});
    Bytes bytes = ReadBytes(f.file);
    for (int i = 0; i < 24; ++i) {
        bytes[24 + i] = 0x00; // place 2 zeroed: no date, so no game's result
    }
    bytes[2 * 24 + 10 + 3] = 0x40; // place 3 gets an impossible score
    WriteBytes(f.file, bytes);

    const TopScoreTable table = ReadTopScoreTable(f.file);
    EXPECT_EQ(table.State, TopScoreFileState::Repaired);
    EXPECT_FALSE(table.Problem.empty());
    EXPECT_EQ(ScoresIn(table.Places), (std::vector<int>{300, 150, 100}));
    EXPECT_EQ(table.Problem.find("order"), std::string::npos) << "the rest closed up in order";

    EXPECT_EQ(f.Enter(160), 2);
    ExpectOneOpenScoresMessage(f, "File: ");
    EXPECT_EQ(f.Stored(), (std::vector<int>{300, 160, 150, 100}));
}

TEST(TopScoreFailures, PlacesOutOfOrderAreSortedKeepingTies) {
    Finished f;
    TopScorePlacesArray places = TableOf({100, 300});
    places[3] = MakeScoreRecord("Late", 300, "05/05/2026");
    ASSERT_EQ(WriteTopScoreTable(f.file, places), "");
    const TopScoreTable table = ReadTopScoreTable(f.file);
    EXPECT_EQ(table.State, TopScoreFileState::Repaired);
    EXPECT_EQ(ScoresIn(table.Places), (std::vector<int>{300, 300, 100}));
    EXPECT_EQ(table.Places[0].Name, "P300      ");
    EXPECT_EQ(table.Places[1].Name, "Late      ");
}

TEST(TopScoreFailures, FolderInTheTablesPlaceIsNotWrittenOver) {
    Finished f;
    std::filesystem::create_directories(f.file);
    ExpectUnreadable(f);
    EXPECT_TRUE(std::filesystem::is_directory(f.file));
}

TEST(TopScoreFailures, UnreadableOldTableIsToldOnceAndNotCopied) {
    SKIP_AS_ROOT();
    TempFolder program;
    TempFolder data;
    const std::string oldTable1 = TopScoreFileName(program.appPath(), 1);
    WriteBytes(oldTable1, Bytes(484, 0x41));
    WriteBytes(TopScoreFileName(program.appPath(), 2), Bytes(484, 0x42));
    std::filesystem::permissions(oldTable1, std::filesystem::perms::none);

    const std::string message = AdoptTopScoreTables(program.appPath(), data.appPath());
    EXPECT_TRUE(message.ends_with("Cannot open " + oldTable1)) << message;
    EXPECT_FALSE(std::filesystem::exists(TopScoreFileName(data.appPath(), 1)));
    EXPECT_EQ(ReadBytes(TopScoreFileName(data.appPath(), 2)), Bytes(484, 0x42));
    EXPECT_EQ(AdoptTopScoreTables(program.appPath(), data.appPath()), "") << "told once";
    std::filesystem::permissions(oldTable1, std::filesystem::perms::owner_read);
}

TEST(TopScoreFailures, UnreadableScoresFolderIsNotTakenForAMissingTable) {
    SKIP_AS_ROOT();
    Finished f;
    f.Store({300, 200});
    const auto scores = f.folder.path() / "scores";
    std::filesystem::permissions(scores, std::filesystem::perms::none);
    EXPECT_EQ(FindTopScoreFile(f.file), TopScoreFilePresence::CannotTell);
    EXPECT_EQ(ReadTopScoreTable(f.file).State, TopScoreFileState::Unreadable);
    ExpectUnreadable(f);
    std::filesystem::permissions(scores, std::filesystem::perms::owner_all);
    EXPECT_EQ(FindTopScoreFile(f.file), TopScoreFilePresence::Present);
    EXPECT_EQ(f.Stored(), (std::vector<int>{300, 200}));
}

// ---- Tables shared: other processes and links --------------------------

TEST(TopScoreSharing, GamesInOtherProcessesLoseNoScore) {
    // Each round, writers in processes of their own enter five distinct
    // scores each into one empty table at the same moment: all twenty fit,
    // so every one must be reported placed and be found in the table.
    constexpr int Writers = 4;
    constexpr int ScoresEach = 5;
    constexpr int Rounds = 12;
    TempFolder folder;
    const std::string file = TopScoreFileName(folder.appPath(), 1);
    std::vector<int> all;
    for (int score = 100; score < 100 + Writers * ScoresEach; ++score) {
        all.insert(all.begin(), score);
    }
    for (int round = 0; round < Rounds; ++round) {
        ASSERT_EQ(DeleteTopScoreTable(file), "");
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> writers;
        for (int w = 0; w < Writers; ++w) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::close(start[1]);
                char go;
                (void)!::read(start[0], &go, 1); // returns when the parent closes its end
                int unplaced = 0;
                for (int i = 0; i < ScoresEach; ++i) {
                    const int score = 100 + w * ScoresEach + i;
                    const TopScoreEntry entry =
                        EnterTopScoreInFile(file, MakeScoreRecord("W", score, "01/01/2026"));
                    unplaced += entry.Place < 1 ? 1 : 0;
                }
                ::_exit(unplaced);
            }
            writers.push_back(pid);
        }
        ::close(start[0]);
        ::close(start[1]);
        for (const pid_t pid : writers) {
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 0) << "scores reported without a place, round " << round;
        }
        ASSERT_EQ(ScoresIn(ReadTopScoreTable(file).Places), all) << "round " << round;
    }
    EXPECT_EQ(FilesIn(folder.path() / "scores"), (std::vector<std::string>{"scores1.dat"}));
}

TEST(TopScoreSharing, TableHeldByAnotherGameTooLongIsNotSaved) {
    Finished f;
    f.Store({300, 200});
    const int held = ::open((f.file + ".lock").c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    ExpectNotSaved(f);
    ::close(held);
    EXPECT_EQ(f.Enter(250), 2);
}

TEST(TopScoreSharing, TableThatIsALinkIsWrittenThroughTheLink) {
    Finished f;
    TempFolder elsewhere;
    const std::filesystem::path shared = elsewhere.path() / "shared.dat";
    ASSERT_EQ(WriteTopScoreTable(shared, TableOf({300, 100})), "");
    std::filesystem::create_directories(f.folder.path() / "scores");
    // A relative link, as `ln -s ../../...` makes it.
    std::filesystem::create_symlink("../../" + elsewhere.path().filename().string() + "/shared.dat",
                                    f.file);
    const auto isLink = [&] { return std::filesystem::is_symlink(f.file); };
    // Shared with the player's group, and staying so.
    const auto shareable = std::filesystem::perms::owner_read |
                           std::filesystem::perms::owner_write |
                           std::filesystem::perms::group_read | std::filesystem::perms::group_write;
    std::filesystem::permissions(shared, shareable);
    // The group is another one than the player's own where that can be made.
    const gid_t group = ::geteuid() == 0 ? 4242 : ::getegid();
    ASSERT_EQ(::chown(shared.c_str(), static_cast<uid_t>(-1), group), 0);
    const auto groupOf = [](const std::filesystem::path& file) {
        struct stat s {};
        return ::stat(file.c_str(), &s) == 0 ? s.st_gid : static_cast<gid_t>(-1);
    };

    EXPECT_EQ(f.Enter(200), 2);
    EXPECT_TRUE(isLink());
    EXPECT_EQ(std::filesystem::status(shared).permissions(), shareable);
    EXPECT_EQ(groupOf(shared), group);
    // Its lock may be opened by whoever may open the table, whatever the
    // umask of the player who made it.
    const std::filesystem::path lock = elsewhere.path() / "shared.dat.lock";
    EXPECT_EQ(std::filesystem::status(lock).permissions(), shareable);
    EXPECT_EQ(groupOf(lock), group);
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(shared).Places), (std::vector<int>{300, 200, 100}));
    EXPECT_EQ(FilesIn(elsewhere.path()), (std::vector<std::string>{"shared.dat"}));
    EXPECT_EQ(FilesIn(f.folder.path() / "scores"), (std::vector<std::string>{"scores2.dat"}));

    // Clear Table empties the linked table and keeps the link; the next game
    // makes the linked file anew.
    EXPECT_EQ(DeleteTopScoreTable(f.file), "");
    EXPECT_TRUE(isLink());
    EXPECT_FALSE(std::filesystem::exists(shared));
    EXPECT_EQ(FindTopScoreFile(f.file), TopScoreFilePresence::Absent);
    EXPECT_EQ(f.Enter(50), 1);
    EXPECT_TRUE(isLink());
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(shared).Places), (std::vector<int>{50}));
    EXPECT_TRUE(f.t.host.messages.empty());
}
