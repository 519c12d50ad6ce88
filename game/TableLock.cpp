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
// the table's writers open it. It is never narrowed: users who could open it
// may be waiting on it now.
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

std::string HostName() {
    std::array<char, 256> name{};
    if (::gethostname(name.data(), name.size() - 1) != 0) {
        return "";
    }
    return name.data();
}

// Without kernel locks: whether the lock file at `name` was left by a game
// that no longer holds it. No save takes a minute; sooner, the host and
// process number written in the file tell a game that is gone from this
// machine, or a file this process left and holds no more.
bool LeftBehind(const std::string& name) {
    if (IsStaleLeftover(name)) {
        return true;
    }
    const int fd = ::open(name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    std::array<char, 300> text{};
    const ssize_t got = ::read(fd, text.data(), text.size() - 1);
    ::close(fd);
    std::array<char, 257> host{};
    long pid = 0;
    if (got <= 0 || std::sscanf(text.data(), "%256s %ld", host.data(), &pid) != 2 || pid <= 0 ||
        HostName() != host.data()) {
        return false;
    }
    return pid == ::getpid() || (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH);
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
    error_ = 0;
    problem_.clear();
    giveUp_ = Clock::now() + Patience;
    for (;;) {
        // What stands at the name is held without opening it (a link itself,
        // a pipe, another user's file), so that it cannot be removed and its
        // number given to a new file while this game decides about it.
        Step step = Step::Failed;
        const int pin = ::open(name_.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        if (pin < 0) {
            step = errno == ENOENT ? Publish(name_, true, fd_) : Fail(errno);
        } else {
            struct stat found {};
            step = ::fstat(pin, &found) == 0 ? Use(found) : Fail(errno);
            ::close(pin);
        }
        switch (step) {
        case Step::Held:
            // While a game holds the lock no other game writes the table, so
            // old temporary files are ones that a killed game left.
            RemoveStaleTemporaries(table);
            RemoveStaleTemporaries(name_);
            RemoveStaleTemporaries(name_ + ".clearing");
            return Result::Held;
        case Step::Busy:
            return Result::Busy;
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

TableLock::Step TableLock::Use(const struct stat& found) {
    if (!S_ISREG(found.st_mode) || (kernel_ && SomeMayOnlyRead(found.st_mode))) {
        return Clear(found); // nothing a game locks
    }
    if (!kernel_) {
        return LeftBehind(name_) ? Clear(found) : Step::Wait;
    }
    const int fd = ::open(name_.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat opened {};
    if (fd < 0 || ::fstat(fd, &opened) != 0) {
        const int error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        // Another user's lock file that this user may not open is told:
        // its owner's games may be holding it.
        return StillAt(name_, found) ? Fail(error) : Step::Again;
    }
    if (!SameFile(opened, found)) {
        ::close(fd);
        return Step::Again;
    }
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error != EWOULDBLOCK && error != EINTR) {
            ::close(fd);
            if (NoKernelLocks(error)) {
                kernel_ = false;
                return Step::Again;
            }
            return Fail(error);
        }
        if (Clock::now() >= giveUp_) {
            ::close(fd);
            return Step::Busy;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // While this game waited, the game before it may have removed the file
    // (a failed first save takes its folder away): a lock on a file no
    // longer at the name keeps nobody out.
    if (!StillAt(name_, found)) {
        ::close(fd);
        return Step::Again;
    }
    ShareWithWriters(fd, found, table_, mode_);
    fd_ = fd;
    return Step::Held;
}

TableLock::Step TableLock::Publish(const std::string& path, bool lock, int& fd) {
    const std::string temporary = TemporaryNameOf(path);
    const int made = NewFile(OpenTemporaryFile(temporary, 0600), lock);
    if (made < 0) {
        return Fail(errno); // ENOENT: the folder is gone
    }
    // A link to the finished file takes the name only where nothing stands.
    const bool linked = ::link(temporary.c_str(), path.c_str()) == 0;
    const int error = errno;
    ::unlink(temporary.c_str());
    if (linked) {
        fd = made;
        return Step::Held;
    }
    ::close(made);
    if (error == EPERM || error == EOPNOTSUPP) {
        // A file system without hard links: the file is made at the name.
        // Such file systems give every file the same mode, so nobody sees
        // this one with another.
        fd = NewFile(::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600),
                     lock);
        return fd >= 0 ? Step::Held : errno == EEXIST ? Step::Again : Fail(errno);
    }
    return error == EEXIST ? Step::Again : Fail(error);
}

TableLock::Step TableLock::Clear(const struct stat& found) {
    // Games clear one at a time, each while it has made "<name>.clearing"
    // (the one made by a game killed meanwhile is cleared itself), and only
    // while the name still holds what they found: one that removed a lock
    // put there by another game meanwhile would let two games write at once.
    const std::string clearing = name_ + ".clearing";
    int fd = -1;
    const Step step = Publish(clearing, false, fd);
    if (step == Step::Again) {
        if (LeftBehind(clearing)) {
            ::unlink(clearing.c_str());
        }
        return Step::Wait;
    }
    if (step != Step::Held) {
        return step;
    }
    Step result = Step::Again;
    if (StillAt(name_, found) &&
        (S_ISDIR(found.st_mode) ? ::rmdir(name_.c_str()) : ::unlink(name_.c_str())) != 0) {
        // A folder that holds files, another user's file in a folder where
        // only owners may remove files.
        result = Fail(errno, name_ + " is not a lock file and could not be removed");
    }
    ::unlink(clearing.c_str());
    ::close(fd);
    return result;
}

// Makes the new file `fd` ready to take its name: it names its holder, has
// the table's group and writers, and where `lock` is asked, it is locked if
// the file system has kernel locks (nobody else knows the file yet, so its
// lock is free). Returns `fd`, or -1 with errno set and the file closed.
int TableLock::NewFile(int fd, bool lock) {
    if (fd < 0) {
        return -1;
    }
    if (lock && kernel_ && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (!NoKernelLocks(errno)) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return -1;
        }
        kernel_ = false;
    }
    // Where it cannot be written, the file is judged by its age alone.
    const std::string holder = HostName() + " " + std::to_string(::getpid()) + "\n";
    (void)WriteAll(fd, reinterpret_cast<const unsigned char*>(holder.data()), holder.size());
    struct stat made {};
    if (::fstat(fd, &made) == 0) {
        ShareWithWriters(fd, made, table_, mode_);
    }
    return fd;
}

TableLock::Step TableLock::Fail(int error, const std::string& problem) {
    error_ = error;
    problem_ =
        problem.empty() ? ErrorText(error) + ": " + name_ : problem + " (" + ErrorText(error) + ")";
    return Step::Failed;
}

bool TableLock::HoldsTheName() const {
    struct stat mine {};
    return ::fstat(fd_, &mine) == 0 && StillAt(name_, mine);
}

void TableLock::Release() {
    if (fd_ < 0) {
        return;
    }
    // Without kernel locks, the file's being there is the lock.
    if (!kernel_ && HoldsTheName()) {
        ::unlink(name_.c_str());
    }
    ::close(fd_); // lets a kernel lock go
    fd_ = -1;
}

void TableLock::Discard() {
    if (fd_ >= 0 && HoldsTheName()) {
        ::unlink(name_.c_str());
    }
    Release();
}

} // namespace game
