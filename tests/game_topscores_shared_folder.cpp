// The top-score tables in a scores folder that other users may write, on
// file systems that keep no modes or no locks, and with another game acting
// between two calls of this one: what is not the player's is left as it is,
// and a lock that a live game holds is left to it.
#include "OtherGames.h"

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>

using namespace topscore_testing;
namespace fs = std::filesystem;

namespace {

// How many files this process has open.
int OpenFiles() {
    return static_cast<int>(std::distance(fs::directory_iterator("/proc/self/fd"), {}));
}

// The same line written on another machine that has this one's host name
// and first pid namespace, as machines installed alike have.
std::string OnAnotherMachine(std::string line) {
    std::ifstream bootFile("/proc/sys/kernel/random/boot_id");
    std::string boot;
    std::getline(bootFile, boot);
    const std::size_t at = boot.empty() ? std::string::npos : line.find(boot);
    if (at != std::string::npos) {
        line.replace(at, boot.size(), "0f0e0d0c-0b0a-4908-8706-050403020100");
    }
    return line;
}

// Another game that, at the moment a test picks, takes the lock in place of
// what stands at its name, and holds it while this game tries to take it
// five times.
struct LockTakenMeanwhile {
    std::string lock;
    int held = -1;
    ino_t file = 0;
    bool kept = true; // its lock file stayed at the name all that while
    int tries = 0;

    void TakeNow() {
        fs::remove(lock);
        held = ::open(lock.c_str(), O_RDWR | O_CREAT, 0600);
        EXPECT_EQ(::flock(held, LOCK_EX), 0);
        file = InodeAt(lock);
    }
    // Before each flock() of this game's.
    void Tried() {
        if (held < 0) {
            return;
        }
        kept = kept && InodeAt(lock) == file;
        if (++tries == 5) { // the other game is done
            ::close(held);
            held = -1;
        }
    }
};

// A bindfs view of a folder beside it: every file shown with mode 0755 and
// no mode changed, as FAT or CIFS without unix extensions give them, and
// kernel locks kept per name, as FUSE file systems that give each name of a
// file a node of its own keep them.
class BindFsView {
public:
    explicit BindFsView(const fs::path& view) : view_(view.string()) {
        const std::string source = view_ + ".source";
        fs::create_directories(source);
        fs::create_directories(view_);
        mounted_ = RunAsRoot() && std::system(("bindfs -p 0755 --chmod-ignore '" + source + "' '" +
                                               view_ + "' >/dev/null 2>&1")
                                                  .c_str()) == 0;
    }
    ~BindFsView() {
        // Lazily: a failed test may still hold a file open there.
        if (mounted_) {
            (void)!std::system(("umount -l '" + view_ + "'").c_str());
        }
    }
    BindFsView(const BindFsView&) = delete;
    BindFsView& operator=(const BindFsView&) = delete;
    bool Mounted() const { return mounted_; }

private:
    std::string view_;
    bool mounted_ = false;
};

} // namespace

// ---- A scores folder that other users may write ------------------------

TEST(TopScoreSharing, ALinkAnotherUserMadeIsNeitherFollowedNorCleared) {
    if (!RunAsRoot()) {
        GTEST_SKIP() << "making a link of another user's needs root";
    }
    // The player's scores folder is shared with a group; another user of it
    // puts links to the player's own files at the tables' names.
    Finished f;
    const fs::path scores = fs::path(f.file).parent_path();
    fs::create_directories(scores);
    const fs::path notes = f.folder.path() / "notes.txt";
    const fs::path keep = f.folder.path() / "keep.sh";
    WriteBytes(notes, {'n'});
    WriteBytes(keep, {'k'});
    constexpr uid_t other = 4242;
    const auto linkAs = [](const std::string& target, const std::string& link, uid_t owner) {
        fs::create_symlink(target, link);
        EXPECT_EQ(::lchown(link.c_str(), owner, owner), 0);
    };
    linkAs("../notes.txt", f.file, other);
    ExpectUnreadable(f);
    EXPECT_NE(f.t.host.messages[0].text.find("another user"), std::string::npos);
    EXPECT_EQ(ReadBytes(notes), Bytes{'n'});
    EXPECT_FALSE(fs::exists(notes.string() + ".lock"));
    EXPECT_TRUE(fs::is_symlink(f.file));
    const std::string table1 = TopScoreFileName(f.t.prog.ScoresPath, 1);
    linkAs("../keep.sh", table1, other);
    EXPECT_EQ(FindTopScoreFile(table1), TopScoreFilePresence::CannotTell);
    EXPECT_NE(DeleteTopScoreTable(table1), "");
    EXPECT_EQ(ReadBytes(keep), Bytes{'k'});
    EXPECT_TRUE(fs::is_symlink(table1));

    // The player's own link, swapped for another user's just as it is read:
    // the link read is the one judged.
    const fs::path shared = f.folder.path() / "shared.dat";
    fs::remove(f.file);
    fs::create_symlink("../shared.dat", f.file);
    bool swapped = false;
    const testing_support::FaultsOff restore;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view path) {
        if (call == "readlink" && path != "/proc/self/ns/pid" && !swapped) {
            swapped = true;
            fs::remove(f.file);
            linkAs("../notes.txt", f.file, other);
        }
        return 0;
    };
    f.t.host.messages.clear();
    EXPECT_EQ(f.Enter(250), 1);
    testing_support::BeforeCall = nullptr;
    EXPECT_TRUE(swapped);
    EXPECT_EQ(ReadBytes(notes), Bytes{'n'});
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(shared.string()).Places), std::vector<int>{250});

    // A link that the scores folder's owner made is followed.
    ASSERT_EQ(::chown(scores.c_str(), other, other), 0);
    fs::remove(f.file);
    linkAs("../shared.dat", f.file, other);
    EXPECT_EQ(f.Enter(225), 2);
    EXPECT_EQ(ScoresIn(ReadTopScoreTable(shared.string()).Places), (std::vector<int>{250, 225}));
}

TEST(TopScoreSharing, AFileWithOtherNamesAtTheLockNameIsLeftAsItIs) {
    // Another user of the scores folder links a file of the player's that
    // they may write at the lock's name.
    Finished f;
    f.Store({300});
    ASSERT_EQ(::chmod(f.file.c_str(), 0666), 0);
    const fs::path team = f.folder.path() / "team.txt";
    WriteBytes(team, {'t'});
    ASSERT_EQ(::chmod(team.c_str(), 0660), 0);
    const gid_t group = RunAsRoot() ? 4243 : ::getegid();
    ASSERT_EQ(::chown(team.c_str(), static_cast<uid_t>(-1), group), 0);
    const std::string lock = f.file + ".lock";
    ASSERT_EQ(::link(team.c_str(), lock.c_str()), 0);
    // While this game takes the mark to remove it from the name, another
    // game clears it and takes the lock: the lock it holds is left to it.
    LockTakenMeanwhile other{lock};
    const testing_support::FaultsOff restore;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view path) {
        if (call == "unlink" && other.file == 0 && path.starts_with(lock + ".clearing.")) {
            other.TakeNow();
        } else if (call == "flock") {
            other.Tried();
        }
        return 0;
    };
    EXPECT_EQ(f.Enter(250), 2);
    EXPECT_TRUE(other.kept);
    EXPECT_EQ(other.tries, 5);
    struct stat s {};
    ASSERT_EQ(::stat(team.c_str(), &s), 0);
    EXPECT_EQ(s.st_mode & 07777, 0660u);
    EXPECT_EQ(s.st_gid, group);
    EXPECT_EQ(s.st_nlink, 1u) << "still at the lock's name";
    EXPECT_EQ(ReadBytes(team), Bytes{'t'});
}

// A game that holds the table's lock for a moment, in a process of its own,
// where this game might take its lock file for one that no game holds.
struct LiveHolderCase {
    const char* name;
    bool noLocks;
    mode_t everyFileMode; // 0 where the file system keeps modes
    int clockAhead;       // seconds this machine's clock runs ahead of the file system's
    bool elsewhere;       // on another machine of this one's host name
};

void PrintTo(const LiveHolderCase& holder, std::ostream* out) {
    *out << holder.name;
}

class TopScoreLiveHolder : public ::testing::TestWithParam<LiveHolderCase> {};

TEST_P(TopScoreLiveHolder, ItsLockIsLeftToItAndTheSaveWaits) {
    const LiveHolderCase& holder = GetParam();
    const std::string elsewhere = OnAnotherMachine(HolderLineOf(GoneProcess()));
    Finished f;
    f.Store({300});
    const std::string lock = f.file + ".lock";
    const testing_support::FaultsOff restore;
    testing_support::NoLocks = holder.noLocks;
    if (holder.everyFileMode != 0) {
        testing_support::SeenMode = [&holder](mode_t) { return holder.everyFileMode; };
    }
    testing_support::ClockAhead = std::chrono::seconds(holder.clockAhead);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        const std::string line = holder.elsewhere ? elsewhere : HolderLineOf(::getpid());
        const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
        const bool locked = holder.noLocks || ::flock(fd, LOCK_EX) == 0;
        const bool written = ::write(fd, line.data(), line.size()) > 0;
        const ino_t mine = InodeAt(lock);
        (void)!::write(ready[1], "r", 1);
        ::usleep(300'000);
        const bool kept = fd >= 0 && locked && written && InodeAt(lock) == mine;
        if (holder.noLocks) {
            ::unlink(lock.c_str());
        }
        ::_exit(kept ? 0 : 1);
    }
    char r;
    ASSERT_EQ(::read(ready[0], &r, 1), 1);
    const int files = OpenFiles();
    EXPECT_EQ(f.Enter(250), 2);
    EXPECT_EQ(OpenFiles(), files) << "files left open while waiting";
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "its lock was taken away";
    ::close(ready[0]);
    ::close(ready[1]);
}

INSTANTIATE_TEST_SUITE_P(
    WhereItsLockMightBeTakenForNobodys, TopScoreLiveHolder,
    ::testing::Values(LiveHolderCase{"EveryFileOneMode", false, 0755, 0, false},
                      LiveHolderCase{"NoLocksOnAMachineOfTheSameName", true, 0, 0, true},
                      LiveHolderCase{"NoLocksAndThisMachinesClockAhead", true, 0, 120, false}),
    [](const ::testing::TestParamInfo<LiveHolderCase>& info) { return info.param.name; });

TEST(TopScoreSharing, WithoutKernelLocksALockLostMeanwhileIsNeitherWrittenUnderNorRemoved) {
    Finished f;
    f.Store({300});
    const std::string lock = f.file + ".lock";
    const testing_support::FaultsOff restore;
    testing_support::NoLocks = true;
    // Once this game has written its table, but before that takes the
    // table's place, another game holds the lock: it took this game's lock
    // file for one that was left behind.
    const Bytes other = {'o', 't', 'h', 'e', 'r', '\n'};
    bool replaced = false;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view) {
        if (call == "fsync" && !replaced) {
            replaced = true;
            fs::remove(lock);
            WriteBytes(lock, other);
        }
        return 0;
    };
    EXPECT_EQ(f.Enter(250), -1);
    EXPECT_TRUE(replaced);
    EXPECT_EQ(f.t.prog.NewScoreOutcome, TopScoreOutcome::NotSaved);
    EXPECT_EQ(f.Stored(), std::vector<int>{300});
    EXPECT_EQ(ReadBytes(lock), other);
}

TEST(TopScoreSharing, TheLockNameIsClearedUnderTheMarkAndOnlyOfWhatWasFound) {
    Finished f;
    f.Store({300});
    const std::string lock = f.file + ".lock";
    const std::string mark = lock + ".clearing";
    const testing_support::FaultsOff restore;
    // A pipe at the lock's name, which no game locks: it is removed while
    // this game holds the mark.
    ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0);
    int removals = 0;
    bool markHeld = true;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view path) {
        if (call == "unlink" && path == lock) {
            ++removals;
            markHeld = markHeld && LockIsTaken(mark);
        }
        return 0;
    };
    EXPECT_EQ(f.Enter(250), 2);
    EXPECT_EQ(removals, 1);
    EXPECT_TRUE(markHeld);

    // Again, but while this game takes the mark, another game clears the
    // pipe and takes the lock: the lock it holds is left to it.
    fs::remove(lock);
    ASSERT_EQ(::mkfifo(lock.c_str(), 0600), 0);
    LockTakenMeanwhile other{lock};
    testing_support::BeforeCall = [&](std::string_view call, std::string_view) {
        if (call == "flock" && other.file == 0) {
            other.TakeNow();
        } else if (call == "flock") {
            other.Tried();
        }
        return 0;
    };
    EXPECT_EQ(f.Enter(225), 3);
    EXPECT_TRUE(other.kept);
    EXPECT_EQ(other.held, -1);
    EXPECT_EQ(f.Stored(), (std::vector<int>{300, 250, 225}));
}

TEST(TopScoreSharing, WhereLocksAreKeptPerNameALockFileIsTakenThroughItsName) {
    Finished f;
    const BindFsView view(fs::path(f.file).parent_path());
    if (!view.Mounted()) {
        GTEST_SKIP() << "no FUSE file system could be mounted here (it needs root, /dev/fuse and "
                        "bindfs): a file system keeping locks per name was not tried";
    }
    // Right after this game puts its lock file at the name, another game
    // opens the name and takes the lock: while it holds it, this game writes
    // nothing.
    const std::string lock = f.file + ".lock";
    int other = -1;
    bool otherTookIt = false;
    bool writtenWhileHeld = false;
    int tries = 0;
    const testing_support::FaultsOff restore;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view path) {
        if (call == "unlink" && !otherTookIt && path.starts_with(lock + ".") && fs::exists(lock)) {
            other = ::open(lock.c_str(), O_RDWR);
            otherTookIt = other >= 0 && ::flock(other, LOCK_EX | LOCK_NB) == 0;
        } else if (call == "flock" && other >= 0 && ++tries == 5) { // the other game is done
            ::close(other);
            other = -1;
        } else if (call == "rename") {
            writtenWhileHeld = writtenWhileHeld || other >= 0;
        }
        return 0;
    };
    EXPECT_EQ(f.Enter(250), 1);
    EXPECT_TRUE(otherTookIt);
    EXPECT_FALSE(writtenWhileHeld);
    EXPECT_EQ(f.Stored(), std::vector<int>{250});
}

TEST(TopScoreSharing, WhereFileNumbersComeBackAtOnceALiveHoldersLockIsNotCleared) {
    Finished f;
    const BindFsView view(fs::path(f.file).parent_path());
    if (!view.Mounted()) {
        GTEST_SKIP() << "no FUSE file system could be mounted here (it needs root, /dev/fuse and "
                        "bindfs): a file system that gives a removed file's number to the next "
                        "file was not tried";
    }
    f.Store({300});
    const std::string lock = f.file + ".lock";
    const std::string killed = HolderLineOf(GoneProcess());
    WriteBytes(lock, Bytes(killed.begin(), killed.end()));
    const ino_t first = InodeAt(lock);
    // Without kernel locks, while this game takes the mark to clear the
    // lock file of a game that was killed, a live game has cleared it and
    // made its own, which the file system gives the same number.
    const testing_support::FaultsOff restore;
    testing_support::NoLocks = true;
    pid_t holder = -1;
    bool reused = false;
    testing_support::BeforeCall = [&](std::string_view call, std::string_view path) {
        if (call != "unlink" || holder >= 0 || !path.starts_with(lock + ".clearing.")) {
            return 0;
        }
        fs::remove(lock);
        int ready[2];
        EXPECT_EQ(::pipe(ready), 0);
        holder = ::fork();
        if (holder == 0) {
            const std::string line = HolderLineOf(::getpid());
            WriteBytes(lock, Bytes(line.begin(), line.end()));
            const ino_t mine = InodeAt(lock);
            (void)!::write(ready[1], "r", 1);
            ::usleep(300'000);
            const bool kept = InodeAt(lock) == mine;
            ::unlink(lock.c_str());
            ::_exit(kept ? 0 : 1);
        }
        char r;
        EXPECT_EQ(::read(ready[0], &r, 1), 1);
        reused = InodeAt(lock) == first;
        ::close(ready[0]);
        ::close(ready[1]);
        return 0;
    };
    EXPECT_EQ(f.Enter(250), 2);
    int status = 0;
    ASSERT_GT(holder, 0);
    ASSERT_EQ(::waitpid(holder, &status, 0), holder);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "its lock was cleared";
    if (!reused) {
        GTEST_SKIP() << "the file system gave the new lock file a number of its own";
    }
}
