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
// every game may replace one: whether a file is one is up to its mode alone,
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

// Whether what stands at a lock's name is nothing a game locks: only a plain
// file that nobody may merely read is a lock file.
bool NoLockFile(const struct stat& file) {
    return !S_ISREG(file.st_mode) || SomeMayOnlyRead(file.st_mode);
}

// This machine and this process's space of process numbers: a holder named
// in the same space can be looked for with kill().
std::string ProcessSpace() {
    std::array<char, 256> host{};
    std::array<char, 64> space{};
    ::gethostname(host.data(), host.size() - 1);
    const ssize_t got = ::readlink("/proc/self/ns/pid", space.data(), space.size() - 1);
    return std::string(host.data()) + " " + (got > 0 ? space.data() : "-");
}

// What a lock file says of its holder: "<machine> <space> <process>".
std::string HolderLine() {
    return ProcessSpace() + " " + std::to_string(::getpid()) + "\n";
}

bool HoldsName(const std::string& name, int fd) {
    struct stat mine {};
    return fd >= 0 && ::fstat(fd, &mine) == 0 && StillAt(name, mine);
}

} // namespace

TableLock::~TableLock() {
    Release();
}

TableLock::Result TableLock::Acquire(const fs::path& table) {
    Release();
    table_ = table;
    name_ = table.string() + ".lock";
    mode_ = LockModeFor(table);
    kernel_ = true;
    clockKnown_ = false;
    error_ = 0;
    problem_.clear();
    giveUp_ = Clock::now() + Patience;
    for (;;) {
        const Step step = Take(name_, fd_, true);
        switch (step) {
        case Step::Held:
            // While a game holds the lock no other game writes the table, so
            // old temporary files are ones that a killed game left.
            RemoveStaleTemporaries(table);
            RemoveStaleTemporaries(name_);
            RemoveStaleTemporaries(name_ + ".clearing");
            return Result::Held;
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

TableLock::Step TableLock::Take(const std::string& path, int& fd, bool clear) {
    // What stands at the path is held without opening it (a link itself, a
    // pipe, another user's file), so that it cannot be removed and its
    // number given to a new file while this game decides about it.
    const int pin = ::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (pin < 0) {
        return errno == ENOENT ? Publish(path, fd) : Fail(errno, path);
    }
    struct stat found {};
    Step step = Step::Failed;
    if (::fstat(pin, &found) != 0) {
        step = Fail(errno, path);
    } else if (NoLockFile(found) || (!kernel_ && LeftBehind(path, found))) {
        step = clear ? Clear(found) : Remove(path, found);
    } else {
        step = kernel_ ? Lock(path, found, fd) : Step::Wait;
    }
    ::close(pin);
    return step;
}

TableLock::Step TableLock::Lock(const std::string& path, const struct stat& found, int& fd) {
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
    ShareWithWriters(opened, found, table_, mode_);
    fd = opened;
    return Step::Held;
}

TableLock::Step TableLock::Publish(const std::string& path, int& fd) {
    const std::string temporary = TemporaryNameOf(path);
    const int made = NewFile(OpenTemporaryFile(temporary, 0600));
    if (made < 0) {
        return Fail(errno, path); // ENOENT: the folder is gone
    }
    // A link to the finished file takes the name only where nothing stands.
    const bool linked = ::link(temporary.c_str(), path.c_str()) == 0;
    const int error = errno;
    ::unlink(temporary.c_str());
    // The file linked is this game's unless a game on another machine with
    // the same process number used the temporary name at the same moment.
    if (linked && HoldsName(path, made)) {
        fd = made;
        return Step::Held;
    }
    ::close(made);
    if (linked) {
        return Step::Again;
    }
    if (error == EPERM || error == EOPNOTSUPP) {
        // A file system without hard links: the file is made at the name.
        // Such file systems give all files one mode, so nobody sees this one
        // with another; a game that locks it before this one does holds it.
        fd =
            NewFile(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
        if (fd >= 0) {
            return Step::Held;
        }
        return errno == EEXIST || errno == EWOULDBLOCK ? Step::Again : Fail(errno, path);
    }
    return error == EEXIST ? Step::Again : Fail(error, path);
}

TableLock::Step TableLock::Clear(const struct stat& found) {
    // Games clear the name one at a time: each while it holds the mark
    // "<name>.clearing", taken as the lock itself is taken, and only while
    // the name still holds what it found. One that removed a lock another
    // game had put there meanwhile would let two games write at once.
    const std::string clearing = name_ + ".clearing";
    int mark = -1;
    const Step step = Take(clearing, mark, false);
    if (step != Step::Held) {
        return step;
    }
    Step result = Step::Again;
    if (HoldsName(clearing, mark) && StillAt(name_, found) &&
        (S_ISDIR(found.st_mode) ? ::rmdir(name_.c_str()) : ::unlink(name_.c_str())) != 0) {
        // A folder that holds files; another user's file in a folder where
        // only owners may remove files.
        result = Fail(errno, name_);
    }
    if (HoldsName(clearing, mark)) {
        ::unlink(clearing.c_str());
    }
    ::close(mark);
    return result;
}

TableLock::Step TableLock::Remove(const std::string& path, const struct stat& found) {
    if (StillAt(path, found) &&
        (S_ISDIR(found.st_mode) ? ::rmdir(path.c_str()) : ::unlink(path.c_str())) != 0 &&
        errno != ENOENT) {
        return Fail(errno, path);
    }
    return Step::Again;
}

int TableLock::NewFile(int fd) {
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

bool TableLock::LeftBehind(const std::string& path, const struct stat& found) {
    // Its age by the file system's clock, which on a network file system
    // may run apart from this machine's: no save takes a minute.
    const auto touched =
        std::chrono::system_clock::time_point(std::chrono::seconds(found.st_mtim.tv_sec) +
                                              std::chrono::nanoseconds(found.st_mtim.tv_nsec));
    if (FileSystemNow() - touched > std::chrono::minutes(1)) {
        return true;
    }
    // Sooner where its holder ran in this process space and has gone, or is
    // this process, which holds no lock while it looks for one: the file is
    // then one it made while the file system still had kernel locks.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::array<char, 400> text{};
    struct stat read {};
    const bool same = ::fstat(fd, &read) == 0 && SameFile(read, found) &&
                      ::read(fd, text.data(), text.size() - 1) > 0;
    ::close(fd);
    std::array<char, 257> host{};
    std::array<char, 65> space{};
    long pid = 0;
    if (!same || std::sscanf(text.data(), "%256s %64s %ld", host.data(), space.data(), &pid) != 3 ||
        pid <= 0 || ProcessSpace() != std::string(host.data()) + " " + space.data()) {
        return false;
    }
    return pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
}

std::chrono::system_clock::time_point TableLock::FileSystemNow() {
    if (!clockKnown_) {
        // A file made now carries the file system's time.
        clockKnown_ = true;
        clockOffset_ = {};
        const std::string probe = TemporaryNameOf(name_);
        const int fd = OpenTemporaryFile(probe, 0600);
        struct stat made {};
        if (fd >= 0 && ::fstat(fd, &made) == 0) {
            clockOffset_ = std::chrono::seconds(made.st_mtim.tv_sec) +
                           std::chrono::nanoseconds(made.st_mtim.tv_nsec) -
                           std::chrono::system_clock::now().time_since_epoch();
        }
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.c_str());
        }
    }
    return std::chrono::system_clock::now() +
           std::chrono::duration_cast<std::chrono::system_clock::duration>(clockOffset_);
}

TableLock::Step TableLock::Fail(int error, const std::string& path) {
    error_ = error;
    problem_ = ErrorText(error) + ": " + path;
    return Step::Failed;
}

bool TableLock::StillHeld() const {
    return HoldsName(name_, fd_);
}

void TableLock::Release() {
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

void TableLock::Discard() {
    if (StillHeld()) {
        ::unlink(name_.c_str());
    }
    Release();
}

} // namespace game
