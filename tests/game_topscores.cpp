// The top-score file: its bytes, the insertion of a finished game and what
// damaged, foreign or unwritable files do.
#include "FaultyCalls.h"
#include "TopScoreFixture.h"
#include "game/TopScoreAdoption.h"
#include "game/Windows1252.h"

#include <cerrno>
#include <random>
#include <string_view>

#include <sys/stat.h>

using namespace topscore_testing;

TEST(TopScoreFileNames, TableFollowsColumnsAndDice) {
    EXPECT_EQ(ScoreTableNumber(4, 5), 1);
    EXPECT_EQ(ScoreTableNumber(4, 4), 2);
    EXPECT_EQ(ScoreTableNumber(1, 5), 3);
    EXPECT_EQ(ScoreTableNumber(1, 4), 4);
    EXPECT_EQ(ScoreTableNumber(0, 0), 4);
    EXPECT_EQ(TopScoreFileName("/opt/q/", 3), "/opt/q/scores/scores3.dat");
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
    SKIP_AS_ROOT();
    Finished f;
    // The data folder may not be written, so no scores folder can be made.
    std::filesystem::permissions(f.folder.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    ExpectNotSaved(f);
    std::filesystem::permissions(f.folder.path(), std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::add);
}

TEST(TopScoreFailures, AFileOrADanglingLinkInTheScoresFolderPlaceIsNoEmptyTable) {
    for (const bool link : {false, true}) {
        Finished f;
        const auto scores = f.folder.path() / "scores";
        if (link) {
            std::filesystem::create_symlink("gone", scores);
        } else {
            WriteBytes(scores, {'x'});
        }
        EXPECT_EQ(FindTopScoreFile(f.file), TopScoreFilePresence::CannotTell) << link;
        ExpectUnreadable(f);
    }
}

TEST(TopScoreFailures, ALinkToAnythingButAPlainFileIsNeitherLockedBesideNorCleared) {
    Finished f;
    TempFolder elsewhere;
    const std::filesystem::path pipe = elsewhere.path() / "pipe";
    const std::filesystem::path folder = elsewhere.path() / "folder";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    std::filesystem::create_directories(folder);
    std::filesystem::create_directories(f.folder.path() / "scores");
    for (const auto& target : {pipe, folder}) {
        f.t.host.messages.clear();
        std::filesystem::remove(f.file);
        std::filesystem::create_symlink(target, f.file);
        ExpectUnreadable(f);
        EXPECT_FALSE(std::filesystem::exists(target.string() + ".lock")) << target;
        EXPECT_NE(DeleteTopScoreTable(f.file), "") << target;
        EXPECT_TRUE(std::filesystem::exists(target)) << target;
    }
}

TEST(TopScoreFailures, ATableThatCouldNotBeLockedSyncedOrRenamedIsNotSaved) {
    // Nothing is left behind either: no temporary table or lock file.
    for (const std::string_view failing : {"flock", "fsync", "rename"}) {
        Finished f;
        f.Store({300, 200});
        const testing_support::FaultsOff restore;
        testing_support::BeforeCall = [failing](std::string_view call, std::string_view) {
            return call == failing ? EIO : 0;
        };
        ExpectNotSaved(f);
        EXPECT_EQ(FilesIn(f.folder.path() / "scores"), std::vector<std::string>{"scores2.dat"});
    }
}

TEST(TopScoreFailures, LinkOrPipeAtTheTemporaryNameIsNeverWrittenThrough) {
    Finished f;
    f.Store({300, 200});
    TempFolder elsewhere;
    const std::filesystem::path victim = elsewhere.path() / "victim.txt";
    WriteBytes(victim, {'k', 'e', 'e', 'p'});
    ::chmod(victim.c_str(), 0600);
    // Named as this process's temporary files once were.
    const std::string planted = f.file + "." + std::to_string(::getpid()) + ".tmp";
    std::filesystem::create_symlink(victim, planted);
    EXPECT_EQ(f.Enter(250), 2);
    EXPECT_EQ(ReadBytes(victim), (Bytes{'k', 'e', 'e', 'p'}));
    EXPECT_EQ(std::filesystem::status(victim).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_FALSE(std::filesystem::is_symlink(f.file));
    // A pipe would hold the save (and the game) until somebody read it.
    std::filesystem::remove(planted);
    ASSERT_EQ(::mkfifo(planted.c_str(), 0600), 0);
    EXPECT_EQ(f.Enter(225), 3);
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(f.file).Places), (std::vector<int>{300, 250, 225, 200}));
    EXPECT_TRUE(std::filesystem::is_fifo(planted));
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

TEST(TopScoreFailures, ALockFileThePlayerMayNotOpenIsToldAndKept) {
    SKIP_AS_ROOT();
    Finished f;
    f.Store({300, 200});
    // Whoever may open it may be holding it: it is never replaced.
    const std::string lock = f.file + ".lock";
    WriteBytes(lock, {});
    std::filesystem::permissions(lock, std::filesystem::perms::none);
    ExpectNotSaved(f);
    EXPECT_NE(f.t.host.messages[0].text.find("(Permission denied: " + lock + ")"),
              std::string::npos);
    EXPECT_EQ(std::filesystem::status(lock).permissions(), std::filesystem::perms::none);
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

TEST(TopScoreFailures, AFolderLeftByAKilledCopyThatCannotBeRemovedDoesNotStopTheCopy) {
    SKIP_AS_ROOT();
    TempFolder program;
    TempFolder data;
    WriteBytes(TopScoreFileName(program.appPath(), 2), Bytes(484, 0x42));
    // Named as a start with this process's number would have named it.
    const auto left = data.path() / ("scores." + std::to_string(::getpid()) + ".new");
    WriteBytes(left / "kept" / "scores2.dat", {'x'});
    std::filesystem::permissions(left / "kept", std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_exec);
    EXPECT_EQ(AdoptTopScoreTables(program.appPath(), data.appPath()), "");
    EXPECT_EQ(ReadBytes(TopScoreFileName(data.appPath(), 2)), Bytes(484, 0x42));
    std::filesystem::permissions(left / "kept", std::filesystem::perms::owner_all);
}

TEST(TopScoreFailures, ADataFolderThatCannotBeMadeIsToldWithItsCause) {
    SKIP_AS_ROOT();
    TempFolder program;
    TempFolder data;
    WriteBytes(TopScoreFileName(program.appPath(), 1), Bytes(484, 0x41));
    std::filesystem::permissions(data.path(), std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_exec);
    const std::string message =
        AdoptTopScoreTables(program.appPath(), data.appPath() + "share/Quorvane/");
    std::filesystem::permissions(data.path(), std::filesystem::perms::owner_all);
    EXPECT_NE(message.find("(Permission denied)"), std::string::npos) << message;
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
