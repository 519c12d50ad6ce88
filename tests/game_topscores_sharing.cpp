// The top-score tables shared: games in other processes taking turns on a
// table whatever stands at its lock's name, tables reached through links,
// and the tables of an earlier version copied in at the first start.
#include "OtherGames.h"
#include "game/TopScoreAdoption.h"

#include <functional>
#include <string_view>

#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace topscore_testing;
namespace fs = std::filesystem;

namespace {

// Gives `path` a modification time `seconds` in the past.
void MakeOld(const fs::path& path, int seconds) {
    const timespec times[2] = {{::time(nullptr) - seconds, 0}, {::time(nullptr) - seconds, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW), 0);
}

fs::perms PermissionsOf(const fs::path& path) {
    return fs::symlink_status(path).permissions();
}

// Whether this process may make pid namespaces.
bool MayMakeProcessSpaces() {
    const pid_t probe = ::fork();
    if (probe == 0) {
        ::_exit(::unshare(CLONE_NEWPID) == 0 ? 0 : 1);
    }
    int status = 1;
    ::waitpid(probe, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Goes on as process 1 of a pid namespace of its own, as a game in a
// container does; the calling process only waits and passes on how it ended.
void RunAsProcessOne() {
    if (::unshare(CLONE_NEWPID) != 0) {
        ::_exit(120);
    }
    const pid_t one = ::fork();
    if (one == 0) {
        return;
    }
    int status = 0;
    ::waitpid(one, &status, 0);
    ::_exit(WIFEXITED(status) ? WEXITSTATUS(status) : 121);
}

} // namespace

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
    // The copy fails again at the game's end, and so does the game's own
    // save: it leaves no scores folder behind, so the next start copies.
    {
        const FullDisk full;
        EXPECT_EQ(f.Enter(500), -1);
    }
    EXPECT_EQ(f.t.prog.NewScoreOutcome, TopScoreOutcome::NotSaved);
    EXPECT_EQ(FilesIn(f.folder.path()), std::vector<std::string>{});
    EXPECT_EQ(AdoptTopScoreTables(f.t.prog.AppPath, f.t.prog.ScoresPath), "");
    f.t.host.messages.clear();
    EXPECT_EQ(f.Enter(500), 2);
    EXPECT_EQ(f.Stored(), (std::vector<int>{900, 500}));
    EXPECT_TRUE(f.t.host.messages.empty());
}

TEST(TopScoreAdoption, AnOversizedOldTableIsCopiedAsATableOfTwentyPlaces) {
    TempFolder program;
    TempFolder data;
    ASSERT_EQ(WriteTopScoreTable(TopScoreFileName(program.appPath(), 3), TableOf({70, 60})), "");
    // Far longer than a table; on a small disk the whole of it would not fit.
    fs::resize_file(TopScoreFileName(program.appPath(), 3), 64 * 1024);
    const FullDisk full(4096);
    EXPECT_EQ(AdoptTopScoreTables(program.appPath(), data.appPath()), "");
    const std::string copy = TopScoreFileName(data.appPath(), 3);
    EXPECT_EQ(fs::file_size(copy), 484u);
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(copy).Places), (std::vector<int>{70, 60}));
}

TEST(TopScoreAdoption, FoldersLeftByAKilledCopyAreRemovedOnlyOnceStale) {
    TempFolder program;
    TempFolder data;
    WriteBytes(TopScoreFileName(program.appPath(), 1), Bytes(484, 0x41));
    // Two left by killed starts (this version's name and an earlier one's),
    // and one that another start may be filling at this moment.
    const std::vector<std::string> stale = {"scores.new.a1B2c3", "scores.4711.new"};
    for (const std::string& name : stale) {
        WriteBytes(data.path() / name / "scores1.dat", Bytes(10, 0x41));
        MakeOld(data.path() / name, 120);
    }
    WriteBytes(data.path() / "scores.new.zzzzzz" / "scores1.dat", Bytes(10, 0x41));
    // Their age is the file system's, while this machine's clock runs ahead.
    const testing_support::FaultsOff restore;
    testing_support::ClockAhead = std::chrono::seconds(120);
    EXPECT_EQ(AdoptTopScoreTables(program.appPath(), data.appPath()), "");
    EXPECT_EQ(FilesIn(data.path()), (std::vector<std::string>{"scores", "scores.new.zzzzzz"}));
}

TEST(TopScoreAdoption, WhereRenamingCannotRefuseToReplaceTheTablesAreStillCopied) {
    TempFolder program;
    TempFolder data;
    WriteBytes(TopScoreFileName(program.appPath(), 2), Bytes(484, 0x42));
    testing_support::NoReplaceUnsupported = true;
    const std::string message = AdoptTopScoreTables(program.appPath(), data.appPath());
    testing_support::NoReplaceUnsupported = false;
    EXPECT_EQ(message, "");
    EXPECT_EQ(ReadBytes(TopScoreFileName(data.appPath(), 2)), Bytes(484, 0x42));
}

// ---- Tables shared: other processes and links --------------------------

// What stands at a table's lock name before games save, or what the file
// system lacks; in every case the games must still take turns.
struct LockNameCase {
    const char* name;
    std::function<void(const fs::path& lock)> plant;
    bool noLocks = false;         // flock() does not work
    bool ownProcessSpace = false; // each game is process 1 of a pid namespace of its own
};

void PrintTo(const LockNameCase& lockName, std::ostream* out) {
    *out << lockName.name;
}

class TopScoreTakingTurns : public ::testing::TestWithParam<LockNameCase> {};

TEST_P(TopScoreTakingTurns, GamesInOtherProcessesLoseNoScore) {
    // Each round, writers in processes of their own enter five distinct
    // scores each into one empty table at the same moment: all twenty fit,
    // so every one must be reported placed and be found in the table.
    const LockNameCase& lockName = GetParam();
    if (lockName.ownProcessSpace && !MayMakeProcessSpaces()) {
        GTEST_SKIP() << "no pid namespace may be made here (it needs root): games that share "
                        "process numbers did not run";
    }
    constexpr int Writers = 4;
    constexpr int ScoresEach = 5;
    constexpr int Rounds = 10;
    TempFolder folder;
    const std::string file = TopScoreFileName(folder.appPath(), 1);
    const fs::path lock = file + ".lock";
    fs::create_directories(fs::path(file).parent_path());
    std::vector<int> all;
    for (int score = 100; score < 100 + Writers * ScoresEach; ++score) {
        all.insert(all.begin(), score);
    }
    const testing_support::FaultsOff restore;
    testing_support::NoLocks = lockName.noLocks;
    for (int round = 0; round < Rounds; ++round) {
        ASSERT_EQ(DeleteTopScoreTable(file), "");
        fs::remove_all(lock);
        lockName.plant(lock);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> writers;
        for (int w = 0; w < Writers; ++w) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::close(start[1]);
                if (lockName.ownProcessSpace) {
                    RunAsProcessOne();
                }
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

// A lock file of this user's naming `pid` of this machine as its holder.
void WriteLockNaming(const fs::path& lock, pid_t pid) {
    const std::string holder = HolderLineOf(pid);
    WriteBytes(lock, Bytes(holder.begin(), holder.end()));
    fs::permissions(lock, fs::perms::owner_read | fs::perms::owner_write);
}

// The lock file of a game killed while it saved, where there are no kernel
// locks.
void PlantLockOfAKilledGame(const fs::path& lock) {
    WriteLockNaming(lock, GoneProcess());
}

INSTANTIATE_TEST_SUITE_P(
    WhateverStandsAtTheLockName, TopScoreTakingTurns,
    ::testing::Values(
        LockNameCase{"Nothing", [](const fs::path&) {}},
        LockNameCase{"Pipe", [](const fs::path& lock) { ::mkfifo(lock.c_str(), 0600); }},
        LockNameCase{"DanglingLink",
                     [](const fs::path& lock) { fs::create_symlink("no-such-file", lock); }},
        LockNameCase{"LinkToAFile",
                     [](const fs::path& lock) {
                         WriteBytes(lock.parent_path() / "target.lock", {});
                         fs::create_symlink("target.lock", lock);
                     }},
        LockNameCase{"EmptyFolder", [](const fs::path& lock) { fs::create_directory(lock); }},
        LockNameCase{"FileAnyoneMayRead",
                     [](const fs::path& lock) {
                         WriteBytes(lock, {});
                         fs::permissions(lock, fs::perms::owner_read | fs::perms::owner_write |
                                                   fs::perms::group_read | fs::perms::others_read);
                     }},
        LockNameCase{"NothingAndNoLocks", [](const fs::path&) {}, true},
        LockNameCase{"PipeAndNoLocks", [](const fs::path& lock) { ::mkfifo(lock.c_str(), 0600); },
                     true},
        LockNameCase{"LockOfAKilledGameAndNoLocks", PlantLockOfAKilledGame, true},
        LockNameCase{"NothingAndNoLocksAndEveryGameProcessOne", [](const fs::path&) {}, true,
                     true}),
    [](const ::testing::TestParamInfo<LockNameCase>& info) { return info.param.name; });

TEST(TopScoreSharing, ALockOnlyTheTablesWritersMayOpen) {
    Finished f;
    f.Store({300, 200});
    const fs::path lock = f.file + ".lock";
    EXPECT_EQ(f.Enter(250), 2);
    EXPECT_EQ(PermissionsOf(lock), fs::perms::owner_read | fs::perms::owner_write)
        << "the table's readers may not open it";
    // A lock file that everybody may read, as an earlier version left it,
    // held by somebody who opened it for reading: the score is saved all the
    // same, under a lock file that only the table's writers may open.
    ASSERT_EQ(::chmod(lock.c_str(), 0644), 0);
    const int reader = ::open(lock.c_str(), O_RDONLY);
    ASSERT_GE(reader, 0);
    ASSERT_EQ(::flock(reader, LOCK_EX), 0);
    bool takenWhileWritten = false;
    testing_support::AfterNextRename = [&](const char*) {
        takenWhileWritten = LockIsTaken(f.file + ".lock");
    };
    EXPECT_EQ(f.Enter(225), 3);
    EXPECT_TRUE(takenWhileWritten);
    EXPECT_TRUE(f.t.host.messages.empty());
    EXPECT_EQ(PermissionsOf(lock), fs::perms::owner_read | fs::perms::owner_write);
    ::close(reader);
}

TEST(TopScoreSharing, ANewLockFileIsSeenOnlyWithTheModeItKeeps) {
    // A player whose new files only the owner may write, and a table the
    // group may write: another game that saw the lock file with a mode that
    // keeps the group out would take it for one to replace.
    const mode_t mask = ::umask(022);
    Finished f;
    f.Store({300});
    ASSERT_EQ(::chmod(f.file.c_str(), 0664), 0);
    const std::string lock = f.file + ".lock";
    std::vector<mode_t> seen;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view) {
        struct stat s {};
        if ((call == "flock" || call == "fchmod") && ::lstat(lock.c_str(), &s) == 0) {
            seen.push_back(s.st_mode & 07777);
        }
        return 0;
    };
    EXPECT_EQ(f.Enter(250), 2);
    testing_support::BeforeCall = nullptr;
    ::umask(mask);
    EXPECT_EQ(seen, std::vector<mode_t>(seen.size(), 0660));
    EXPECT_EQ(PermissionsOf(lock), fs::perms::owner_read | fs::perms::owner_write |
                                       fs::perms::group_read | fs::perms::group_write);
}

TEST(TopScoreSharing, ALockOnAFileRemovedMeanwhileIsTakenAgain) {
    // The game before this one made the scores folder and the lock file, and
    // its save failed: while this game waited on the lock, it took both away.
    Finished f;
    const fs::path lock = f.file + ".lock";
    fs::create_directories(lock.parent_path());
    WriteBytes(lock, {});
    ASSERT_EQ(::chmod(lock.c_str(), 0600), 0);
    testing_support::BeforeCall = [&](std::string_view call, std::string_view) {
        if (call == "flock") {
            testing_support::BeforeCall = nullptr;
            fs::remove(lock);
            fs::remove(lock.parent_path());
        }
        return 0;
    };
    bool takenWhileWritten = false;
    testing_support::AfterNextRename = [&](const char*) {
        takenWhileWritten = LockIsTaken(f.file + ".lock");
    };
    EXPECT_EQ(f.Enter(250), 1);
    EXPECT_TRUE(takenWhileWritten);
    EXPECT_EQ(f.Stored(), std::vector<int>{250});
}

TEST(TopScoreSharing, AnErrorAtTheLockEndsTheSaveWithItsCause) {
    Finished f;
    f.Store({300, 200});
    const Bytes before = ReadBytes(f.file);
    const int held = ::open((f.file + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(held, 0);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        // One file descriptor left, so that the lock file cannot be opened
        // once it has been looked at.
        const int free = ::open("/dev/null", O_RDONLY);
        ::close(free);
        rlimit few{};
        ::getrlimit(RLIMIT_NOFILE, &few);
        few.rlim_cur = static_cast<rlim_t>(free) + 1;
        ::setrlimit(RLIMIT_NOFILE, &few);
        const TopScoreEntry entry =
            EnterTopScoreInFile(f.file, MakeScoreRecord("W", 250, "01/01/2026"));
        const bool told =
            entry.Message.find("could not be saved (Too many open files") != std::string::npos;
        ::_exit(entry.Place == -1 && entry.Outcome == TopScoreOutcome::NotSaved && told ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ::close(held);
    EXPECT_EQ(ReadBytes(f.file), before);
}

TEST(TopScoreSharing, AFolderHoldingFilesAtTheLockNameIsToldAndKept) {
    Finished f;
    f.Store({300, 200});
    const fs::path kept = fs::path(f.file + ".lock") / "kept";
    WriteBytes(kept, {'k'});
    ExpectNotSaved(f);
    EXPECT_NE(f.t.host.messages[0].text.find("Directory not empty"), std::string::npos);
    EXPECT_EQ(ReadBytes(kept), Bytes{'k'});
}

TEST(TopScoreSharing, AGroupsLockStaysTheLockWhenTheTableIsCleared) {
    // A player whose new files are the group's too.
    const mode_t mask = ::umask(002);
    Finished f;
    const fs::path lock = f.file + ".lock";
    const auto inode = [&lock] {
        struct stat s {};
        return ::lstat(lock.c_str(), &s) == 0 ? s.st_ino : 0;
    };
    EXPECT_EQ(f.Enter(250), 1);
    // Made before the table, it already lets the table's writers in.
    const fs::perms groupShared = fs::perms::owner_read | fs::perms::owner_write |
                                  fs::perms::group_read | fs::perms::group_write;
    EXPECT_EQ(PermissionsOf(lock), groupShared);
    // Another game may be holding it now: a game that finds no table (or a
    // private one) must not put a lock file of its own in its place.
    const ino_t held = inode();
    EXPECT_EQ(DeleteTopScoreTable(f.file), "");
    EXPECT_EQ(f.Enter(100), 1);
    ASSERT_EQ(::chmod(f.file.c_str(), 0644), 0);
    EXPECT_EQ(f.Enter(50), 2);
    ::umask(mask);
    EXPECT_EQ(inode(), held);
    EXPECT_EQ(PermissionsOf(lock), groupShared);
}

TEST(TopScoreSharing, WithoutKernelLocksAPlaceIsReportedOnlyWhenTheTableHoldsIt) {
    Finished f;
    f.Store({300, 200});
    testing_support::NoLocks = true;
    EXPECT_EQ(f.Enter(250), 2);
    // Another game's save lands right after this one's.
    testing_support::AfterNextRename = [&f](const char*) {
        ASSERT_EQ(WriteTopScoreTable(f.file, TableOf({400, 300, 250, 200})), "");
    };
    EXPECT_EQ(f.Enter(350), -1);
    testing_support::NoLocks = false;
    EXPECT_EQ(f.t.prog.NewScoreOutcome, TopScoreOutcome::NotSaved);
    ASSERT_EQ(f.t.host.messages.size(), 1u);
    EXPECT_NE(f.t.host.messages[0].text.find("could not be saved"), std::string::npos);
    EXPECT_EQ(f.Stored(), (std::vector<int>{400, 300, 250, 200}));
    EXPECT_FALSE(fs::exists(f.file + ".lock")) << "made for the save and removed after it";
}

TEST(TopScoreSharing, OnlyTemporaryFilesUntouchedForAMinuteAreCleared) {
    Finished f;
    f.Store({300, 200});
    // One left by a game killed while saving, and two that other games are
    // writing: a table, and a lock file about to be put in place. Their age
    // is the file system's, while this machine's clock runs two minutes
    // ahead.
    const std::string killed = f.file + ".4242.tmp";
    const std::string live = f.file + ".4243.tmp";
    const std::string publishing = f.file + ".lock.4244.tmp";
    // And one that only looks like a temporary file.
    const std::string backup = f.file + ".backup.tmp";
    WriteBytes(backup, {'b'});
    MakeOld(backup, 120);
    WriteBytes(killed, {'x'});
    WriteBytes(live, {'y'});
    WriteBytes(publishing, {'z'});
    MakeOld(killed, 120);
    const testing_support::FaultsOff restore;
    testing_support::ClockAhead = std::chrono::seconds(120);
    EXPECT_EQ(f.Enter(250), 2);
    EXPECT_FALSE(fs::exists(killed));
    EXPECT_EQ(ReadBytes(live), (Bytes{'y'}));
    EXPECT_EQ(ReadBytes(publishing), (Bytes{'z'}));
    EXPECT_EQ(ReadBytes(backup), (Bytes{'b'}));
}

TEST(TopScoreSharing, TableHeldByAnotherGameTooLongIsNotSaved) {
    Finished f;
    f.Store({300, 200});
    const int held = ::open((f.file + ".lock").c_str(), O_RDWR | O_CREAT, 0600);
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

TEST(TopScoreSharing, ALinkSwitchedDuringASaveLeavesBothTablesWhole) {
    Finished f;
    TempFolder elsewhere;
    const fs::path a = elsewhere.path() / "a.dat";
    const fs::path b = elsewhere.path() / "b.dat";
    ASSERT_EQ(WriteTopScoreTable(a, TableOf({300, 100})), "");
    ASSERT_EQ(WriteTopScoreTable(b, TableOf({900, 800})), "");
    fs::create_directories(f.folder.path() / "scores");
    fs::create_symlink(a, f.file);
    // The player points the table elsewhere while a game saves: the save
    // goes on with the table it locked.
    testing_support::BeforeCall = [&](std::string_view call, std::string_view) {
        if (call == "flock") {
            testing_support::BeforeCall = nullptr;
            fs::remove(f.file);
            fs::create_symlink(b, f.file);
        }
        return 0;
    };
    EXPECT_EQ(f.Enter(200), 2);
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(a).Places), (std::vector<int>{300, 200, 100}));
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(b).Places), (std::vector<int>{900, 800}));
}

TEST(TopScoreSharing, TheMarkOfAGameStillClearingTheLockNameIsLeftToIt) {
    Finished f;
    f.Store({300});
    // A file that nobody locks stands at the lock's name, and another game
    // is clearing it: its mark names a process that is gone (a process of
    // another process space), but the mark's lock is held.
    const std::string lock = f.file + ".lock";
    WriteBytes(lock, {});
    fs::permissions(lock, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                              fs::perms::others_read);
    const std::string mark = lock + ".clearing";
    WriteLockNaming(mark, GoneProcess());
    int held = ::open(mark.c_str(), O_RDWR);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const auto inode = [&mark] {
        struct stat s {};
        return ::lstat(mark.c_str(), &s) == 0 ? s.st_ino : 0;
    };
    const ino_t planted = inode();
    int tries = 0;
    bool kept = true;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view) {
        if (held < 0 || call != "flock") {
            return 0;
        }
        kept = kept && inode() == planted;
        if (++tries == 5) { // the other game is done
            ::close(held);
            held = -1;
        }
        return 0;
    };
    EXPECT_EQ(f.Enter(250), 2);
    testing_support::BeforeCall = nullptr;
    EXPECT_TRUE(kept);
    EXPECT_EQ(held, -1);
    EXPECT_FALSE(fs::exists(mark));
}

TEST(TopScoreSharing, WithoutKernelLocksAGameStoppedForAMinuteWritesAwayNoOtherPlace) {
    Finished f;
    f.Store({300});
    testing_support::NoLocks = true;
    // Once this game has written its table but before that takes the
    // table's place, a minute passes: its lock file counts as left behind,
    // and another game saves meanwhile.
    const std::string lock = f.file + ".lock";
    bool stopped = false;
    int otherPlace = 0;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view) {
        if (stopped || call != "fsync") {
            return 0;
        }
        stopped = true;
        timespec old[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
        EXPECT_EQ(::utimensat(AT_FDCWD, lock.c_str(), old, 0), 0);
        const pid_t other = ::fork();
        if (other == 0) {
            ::_exit(EnterTopScoreInFile(f.file, MakeScoreRecord("Other", 400, "01/02/2026")).Place);
        }
        int status = 0;
        ::waitpid(other, &status, 0);
        otherPlace = WEXITSTATUS(status);
        return 0;
    };
    EXPECT_EQ(f.Enter(250), -1);
    testing_support::BeforeCall = nullptr;
    testing_support::NoLocks = false;
    EXPECT_EQ(otherPlace, 1);
    EXPECT_EQ(f.t.prog.NewScoreOutcome, TopScoreOutcome::NotSaved);
    EXPECT_EQ(f.Stored(), (std::vector<int>{400, 300}));
}
