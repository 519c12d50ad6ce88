// The lock that games sharing a top-score table take turns on.
#include "TableLock.h"
#include "SafeFile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace game {

namespace {

using Clock = std::chrono::steady_clock;

// How long a game waits for another game's save before it gives up.
constexpr auto Patience = std::chrono::seconds(5);

// The file-creation mask of this process, read without changing it (umask()
// would, for a moment, for every thread); 022 where it cannot be read.
mode_t CreationMask() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("Umask:", 0) == 0) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8) & 0777);
        }
    }
    return 022;
}

// A lock file may be opened by its owner and by whoever else may write the
// table: anyone who can open it can hold its lock, and somebody who may only
// read the table must not be able to keep its writers waiting. A table still
// to be made is judged by the mode it will get.
mode_t LockModeFor(const fs::path& table) {
    struct stat file {};
    const mode_t tableMode =
        ::stat(table.c_str(), &file) == 0 ? file.st_mode : 0666 & ~CreationMask();
    mode_t mode = 0600;
    mode |= (tableMode & S_IWGRP) != 0 ? 0060 : 0;
    mode |= (tableMode & S_IWOTH) != 0 ? 0006 : 0;
    return mode;
}

// Whether somebody who may not write a file may read it, and so open it and
// hold its lock. No game locks such a file (earlier versions made them), so
// every game may remove one: whether a file is one is up to its mode alone,
// which games only ever widen to let both reading and writing in.
bool SomeMayOnlyRead(mode_t mode) {
    return ((mode & S_IRGRP) != 0 && (mode & S_IWGRP) == 0) ||
           ((mode & S_IROTH) != 0 && (mode & S_IWOTH) == 0);
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Whether `name` still leads to `file` itself, not through a link.
bool StillAt(const std::string& name, const struct stat& file) {
    struct stat now {};
    return ::lstat(name.c_str(), &now) == 0 && SameFile(now, file);
}

// Whether the file open at `fd` is the one at `name`.
bool IsAtName(const std::string& name, int fd) {
    struct stat open {};
    return fd >= 0 && ::fstat(fd, &open) == 0 && StillAt(name, open);
}

// A lock file of this user's takes the table's group and the mode that lets
// the table's writers open it. It is never narrowed: a game of a user who
// could open it may be about to, and would be told its save failed.
void ShareWithWriters(int fd, const struct stat& lockFile, const fs::path& table, mode_t mode) {
    if (lockFile.st_uid != ::geteuid()) {
        return;
    }
    struct stat tableFile {};
    if (::stat(table.c_str(), &tableFile) == 0 && lockFile.st_gid != tableFile.st_gid) {
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), tableFile.st_gid);
    }
    const mode_t wanted = (lockFile.st_mode & 0666) | mode;
    if ((lockFile.st_mode & 07777) != wanted) {
        ::fchmod(fd, wanted);
    }
}

// The errors by which a file system says that it has no kernel locks at all
// (a network file system without its lock service). Any other error is a
// fault, not a reason to do without the lock.
bool NoKernelLocks(int error) {
    return error == ENOLCK || error == EOPNOTSUPP;
}

// This run of this machine's kernel and this process's space of process
// numbers in it: a holder named in the same space can be looked for with
// kill(). Every start of every machine has a boot id of its own, and pid
// namespaces are told apart within one run of a kernel. Empty where either
// cannot be read.
std::string ProcessSpace() {
    std::ifstream bootFile("/proc/sys/kernel/random/boot_id");
    std::string boot;
    std::getline(bootFile, boot);
    std::array<char, 64> space{};
    const ssize_t got = ::readlink("/proc/self/ns/pid", space.data(), space.size() - 1);
    if (boot.empty() || boot.find(' ') != std::string::npos || got <= 0) {
        return "";
    }
    return boot + " " + space.data();
}

// What a lock file says of its holder: "<boot id> <pid namespace> <process>".
std::string HolderLine() {
    const std::string space = ProcessSpace();
    return (space.empty() ? "- -" : space) + " " + std::to_string(::getpid()) + "\n";
}

} // namespace

TableLock::~TableLock() {
    LetGo();
}

TableLock::Result TableLock::Acquire(const fs::path& table) {
    LetGo();
    table_ = table;
    name_ = table.string() + ".lock";
    mode_ = LockModeFor(table);
    kernel_ = true;
    probe_.reset();
    error_ = 0;
    problem_.clear();
    giveUp_ = Clock::now() + Patience;
    for (;;) {
        const Step step = Take(name_, fd_, Removal::UnderMark);
        switch (step) {
        case Step::Held: {
            // While a game holds the lock no other game writes the table, so
            // old temporary files are ones that a killed game left.
            const auto now = [this] { return FileSystemNow(Probe()); };
            RemoveStaleTemporaries(table, now);
            RemoveStaleTemporaries(name_, now);
            RemoveStaleTemporaries(MarkName(), now);
            return Result::Held;
        }
        case Step::Failed:
            return Result::Failed;
        case Step::Again:
        case Step::Wait:
            if (Clock::now() >= giveUp_) {
                return Result::Busy;
            }
            if (step == Step::Wait) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
            break;
        }
    }
}

TableLock::Step TableLock::Take(const std::string& path, int& fd, Removal removal) {
    // What stands at the path is held without opening it (a link itself, a
    // pipe, another user's file), so that it cannot be removed and its
    // number given to a new file while this game decides about it.
    const int pin = ::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (pin < 0) {
        return errno == ENOENT ? Publish(path, fd, removal) : Fail(errno, path);
    }
    struct stat found {};
    Step step = Step::Wait;
    if (::fstat(pin, &found) != 0) {
        step = Fail(errno, path);
    } else if (NoLockFile(found) || (!kernel_ && LeftBehind(path, found))) {
        step = Remove(path, found, removal);
    } else if (kernel_) {
        step = Lock(path, found, fd, removal);
    }
    ::close(pin);
    return step;
}

TableLock::Step TableLock::Lock(const std::string& path, const struct stat& found, int& fd,
                                Removal removal) {
    const int opened = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat file {};
    if (opened < 0 || ::fstat(opened, &file) != 0) {
        const int error = errno;
        if (opened >= 0) {
            ::close(opened);
        }
        // Another user's lock file that this user may not open is told: its
        // owner's games may be holding it.
        return StillAt(path, found) ? Fail(error, path) : Step::Again;
    }
    if (!SameFile(file, found)) {
        ::close(opened);
        return Step::Again;
    }
    if (::flock(opened, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(opened);
        if (error == EWOULDBLOCK || error == EINTR) {
            return Step::Wait;
        }
        if (NoKernelLocks(error)) {
            kernel_ = false;
            return Step::Again;
        }
        return Fail(error, path);
    }
    // The game before this one may have removed the file while this one
    // waited (a failed first save takes its folder away): a lock on a file
    // no longer at the name keeps nobody out.
    if (!StillAt(path, found)) {
        ::close(opened);
        return Step::Again;
    }
    // A file that has other names too is somebody's file linked here, not a
    // lock file: its group and mode stay as they are. Nobody holds it (a
    // game publishing a lock file holds it before it has a name), so it is
    // removed from the name.
    if (file.st_nlink != 1) {
        const Step step = Remove(path, found, removal, true);
        ::close(opened);
        return step;
    }
    ShareWithWriters(opened, found, table_, mode_);
    fd = opened;
    return Step::Held;
}

TableLock::Step TableLock::Publish(const std::string& path, int& fd, Removal removal) {
    std::string temporary;
    const int opened = MakeTemporaryFile(path, 0600, temporary);
    if (opened < 0) {
        return Fail(errno, path); // ENOENT: the folder is gone
    }
    const int made = ReadyToPublish(opened);
    if (made < 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return Fail(error, path);
    }
    // A link to the finished file takes the name only where nothing stands.
    const bool linked = ::link(temporary.c_str(), path.c_str()) == 0;
    const int error = errno;
    ::unlink(temporary.c_str());
    if (linked && IsAtName(path, made)) {
        if (!kernel_) {
            fd = made; // without kernel locks, the file's being there is the lock
            return Step::Held;
        }
        // Some file systems keep kernel locks per name, not per file (FUSE
        // ones that give each name of a file a node of its own): a lock taken
        // under the temporary name keeps out nobody who opens the lock's
        // name. The file is taken through its name, as any game takes it;
        // another game may be first.
        struct stat published {};
        const bool known = ::fstat(made, &published) == 0;
        ::close(made);
        return known ? Lock(path, published, fd, removal) : Step::Again;
    }
    ::close(made);
    if (linked) {
        return Step::Again;
    }
    if (error == EPERM || error == EOPNOTSUPP) {
        // A file system without hard links: the file is made at the name.
        // Such file systems give all files one mode, so nobody sees this one
        // with another; a game that locks it before this one does holds it.
        fd = ReadyToPublish(
            ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd >= 0) {
            return Step::Held;
        }
        return errno == EEXIST || errno == EWOULDBLOCK ? Step::Again : Fail(errno, path);
    }
    return error == EEXIST ? Step::Again : Fail(error, path);
}

TableLock::Step TableLock::Remove(const std::string& path, const struct stat& found,
                                  Removal removal, bool lockedHere) {
    // Games clear the lock's name one at a time, each while it holds the
    // mark, and only while what the name holds is still nobody's: one that
    // removed a lock that another game had put there meanwhile would let two
    // games write at once.
    int mark = -1;
    if (removal == Removal::UnderMark) {
        const Step step = Take(MarkName(), mark, Removal::AtOnce);
        if (step != Step::Held) {
            return step;
        }
    }
    Step result = Step::Again;
    if ((mark < 0 || IsAtName(MarkName(), mark)) && StillNobodys(path, found, lockedHere) &&
        (S_ISDIR(found.st_mode) ? ::rmdir(path.c_str()) : ::unlink(path.c_str())) != 0 &&
        errno != ENOENT) {
        // A folder that holds files; another user's file in a folder where
        // only owners may remove files.
        result = Fail(errno, path);
    }
    if (mark >= 0) {
        if (IsAtName(MarkName(), mark)) {
            ::unlink(MarkName().c_str());
        }
        ::close(mark);
    }
    return result;
}

int TableLock::ReadyToPublish(int fd) {
    if (fd < 0) {
        return -1;
    }
    if (kernel_ && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (!NoKernelLocks(errno)) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return -1;
        }
        kernel_ = false;
    }
    // Where it cannot be written, the file is judged by its age alone.
    const std::string holder = HolderLine();
    (void)WriteAll(fd, reinterpret_cast<const unsigned char*>(holder.data()), holder.size());
    struct stat made {};
    if (::fstat(fd, &made) == 0) {
        ShareWithWriters(fd, made, table_, mode_);
    }
    return fd;
}

bool TableLock::StillNobodys(const std::string& path, const struct stat& found, bool lockedHere) {
    // What stands there is judged again right before it goes: where files
    // are only looked at (FUSE, network file systems), the number of a file
    // removed meanwhile may already be a newer lock file's, which its holder
    // holds.
    if (lockedHere) {
        return StillAt(path, found);
    }
    struct stat now {};
    return ::lstat(path.c_str(), &now) == 0 &&
           (NoLockFile(now) || (!kernel_ && LeftBehind(path, now)));
}

bool TableLock::NoLockFile(const struct stat& found) {
    // Only a plain file is a lock file, and only one that nobody may merely
    // read, where the file system keeps the modes files are given: where it
    // gives every file one mode, every lock file would look like one that
    // somebody may only read.
    return !S_ISREG(found.st_mode) || (SomeMayOnlyRead(found.st_mode) && Probe().ModesKept);
}

bool TableLock::LeftBehind(const std::string& path, const struct stat& found) {
    // No save takes a minute: by the file system's clock, which gave the
    // file its time and may run apart from this machine's.
    const auto touched =
        std::chrono::system_clock::time_point(std::chrono::seconds(found.st_mtim.tv_sec) +
                                              std::chrono::nanoseconds(found.st_mtim.tv_nsec));
    if (FileSystemNow(Probe()) - touched > std::chrono::minutes(1)) {
        return true;
    }
    // Sooner where its holder ran in this process space and has gone, or is
    // this process, which holds no lock while it looks for one: the file is
    // then one it made while the file system still had kernel locks.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::array<char, 200> text{};
    struct stat read {};
    const bool same = ::fstat(fd, &read) == 0 && SameFile(read, found) &&
                      ::read(fd, text.data(), text.size() - 1) > 0;
    ::close(fd);
    std::array<char, 65> boot{};
    std::array<char, 65> space{};
    long pid = 0;
    const std::string here = ProcessSpace();
    if (!same || here.empty() ||
        std::sscanf(text.data(), "%64s %64s %ld", boot.data(), space.data(), &pid) != 3 ||
        pid <= 0 || here != std::string(boot.data()) + " " + space.data()) {
        return false;
    }
    return pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

const FolderProbe& TableLock::Probe() {
    if (!probe_) {
        probe_ = ProbeBeside(name_, mode_);
    }
    return *probe_;
}

TableLock::Step TableLock::Fail(int error, const std::string& path) {
    error_ = error;
    problem_ = ErrorText(error) + ": " + path;
    return Step::Failed;
}

bool TableLock::StillHeld() const {
    return IsAtName(name_, fd_);
}

void TableLock::LetGo() {
    if (fd_ < 0) {
        return;
    }
    // Without kernel locks, the file's being there is the lock.
    if (!kernel_ && StillHeld()) {
        ::unlink(name_.c_str());
    }
    ::close(fd_); // lets a kernel lock go
    fd_ = -1;
}

void TableLock::RemoveAndLetGo() {
    if (StillHeld()) {
        ::unlink(name_.c_str());
    }
    LetGo();
}

} // namespace game
