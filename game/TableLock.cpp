// The lock that games sharing a top-score table take turns on.
#include "TableLock.h"
#include "SafeFile.h"

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace game {

namespace {

using Clock = std::chrono::steady_clock;

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

// Whether somebody who may not write the lock file may read it, and so open
// it and hold its lock.
bool SomeMayOnlyRead(mode_t mode) {
    return ((mode & S_IRGRP) != 0 && (mode & S_IWGRP) == 0) ||
           ((mode & S_IROTH) != 0 && (mode & S_IWOTH) == 0);
}

// Whether the file at the lock's name is one to take turns on: a plain file
// that no one may open who may not write it. One of this user's is used even
// where the table's own mode now lets fewer users write it (a table cleared,
// or made private): another game may be holding it, and replacing it would
// let two games write at once. Another user's file must not let more users
// open it than may write the table.
bool UsableLockFile(const struct stat& file, mode_t mode) {
    if (!S_ISREG(file.st_mode)) {
        return false;
    }
    if (file.st_uid == ::geteuid()) {
        return !SomeMayOnlyRead(file.st_mode);
    }
    return (file.st_mode & 0777 & ~mode) == 0;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
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

enum class Attempt { Got, HeldByAnother, NoLocks };

// One try at the lock on `fd`, without waiting. A file system without
// `flock` (some network file systems) may still have locks of the POSIX
// kind; `posix` remembers that it had to use them.
Attempt TryLock(int fd, bool& posix) {
    if (!posix) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            return Attempt::Got;
        }
        if (errno == EWOULDBLOCK || errno == EINTR) {
            return Attempt::HeldByAnother;
        }
        posix = true;
    }
    // Held by the open file, like a flock, not by the process.
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (::fcntl(fd, F_OFD_SETLK, &whole) == 0) {
        return Attempt::Got;
    }
    if (errno == EAGAIN || errno == EACCES || errno == EINTR) {
        return Attempt::HeldByAnother;
    }
    return Attempt::NoLocks;
}

Attempt WaitForLock(int fd, bool& posix, Clock::time_point giveUp) {
    for (;;) {
        const Attempt attempt = TryLock(fd, posix);
        if (attempt != Attempt::HeldByAnother || Clock::now() >= giveUp) {
            return attempt;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

// Opens the file beside the lock that games take turns on where the folder
// cannot be locked: made on first use, and used only when it is a lock file
// as the lock itself would be.
int OpenTurnsFile(const std::string& turnsName, const fs::path& table, mode_t mode) {
    const int fd =
        ::open(turnsName.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, mode);
    struct stat file {};
    if (fd >= 0 && ::fstat(fd, &file) == 0 && S_ISREG(file.st_mode)) {
        ShareWithWriters(fd, file, table, mode); // the creation mask may have taken bits away
        if (::fstat(fd, &file) == 0 && UsableLockFile(file, mode)) {
            return fd;
        }
    }
    if (fd >= 0) {
        ::close(fd);
    }
    return -1;
}

enum class Replacement { Done, TryAgain, Impossible };

// Puts a new lock file of this user's, already locked, at `name` in place of
// what stands there (`found`, held open by the caller so that its number
// cannot go to a new file meanwhile). Games replace a lock name one at a
// time, under a lock on the folder, and only while the name still holds
// what they found: two games replacing at once could each put a lock file
// of their own in place and both go on. Where the name cannot be replaced
// (a folder that holds files, another user's file in a folder where only
// owners may remove files) every game finds it so and the folder's lock
// serves instead: `lockFd` is then the folder's.
Replacement ReplaceLockName(const std::string& name, const struct stat& found,
                            const fs::path& table, mode_t mode, Clock::time_point giveUp,
                            bool& posix, int& lockFd) {
    const fs::path folder = fs::path(name).parent_path();
    const int folderFd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return Replacement::Impossible;
    }
    // Games replace a name one at a time: under a flock on the folder, or,
    // where the file system has no flock, under a lock of the POSIX kind on
    // a file kept beside the lock for that (a folder cannot take one).
    // Anyone who may read the folder can hold its lock; held past the
    // deadline it only means that this save goes on unlocked.
    int turnsFile = -1;
    const auto result = [folderFd, &turnsFile](Replacement replacement) {
        if (turnsFile >= 0) {
            ::close(turnsFile);
        }
        ::close(folderFd);
        return replacement;
    };
    for (;;) {
        if (::flock(folderFd, LOCK_EX | LOCK_NB) == 0) {
            break;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            turnsFile = OpenTurnsFile(name + ".turns", table, mode);
            bool posixTurns = true;
            if (turnsFile < 0 || WaitForLock(turnsFile, posixTurns, giveUp) != Attempt::Got) {
                return result(Replacement::Impossible);
            }
            break;
        }
        if (Clock::now() >= giveUp) {
            return result(Replacement::Impossible);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // What the games take turns on serves as the table's lock too.
    const auto lockTheFolder = [folderFd, turnsFile, &lockFd] {
        if (turnsFile >= 0) {
            ::close(folderFd);
            lockFd = turnsFile;
        } else {
            lockFd = folderFd;
        }
        return Replacement::Done;
    };
    struct stat now {};
    if (::lstat(name.c_str(), &now) != 0 || !SameFile(now, found)) {
        return result(Replacement::TryAgain); // another game replaced it first
    }
    if (S_ISDIR(found.st_mode)) {
        // A folder that holds anything is not removed.
        return ::rmdir(name.c_str()) == 0 ? result(Replacement::TryAgain) : lockTheFolder();
    }
    const std::string fresh = TemporaryNameOf(name);
    const int fd = OpenTemporaryFile(fresh, 0600);
    if (fd < 0) {
        return lockTheFolder();
    }
    // Nobody else knows the new file yet, so its lock is free. It gets its
    // group and mode before its name, so that no game finds it unusable.
    struct stat made {};
    if (::fstat(fd, &made) != 0 || TryLock(fd, posix) != Attempt::Got) {
        ::close(fd);
        ::unlink(fresh.c_str());
        return lockTheFolder();
    }
    ShareWithWriters(fd, made, table, mode);
    if (::rename(fresh.c_str(), name.c_str()) != 0) {
        ::close(fd);
        ::unlink(fresh.c_str());
        return lockTheFolder();
    }
    lockFd = fd;
    return result(Replacement::Done);
}

} // namespace

TableLock::~TableLock() {
    if (fd_ >= 0) {
        ::close(fd_); // lets the lock go
    }
}

TableLock::Result TableLock::Acquire(const fs::path& table) {
    const std::string name = table.string() + ".lock";
    const mode_t mode = LockModeFor(table);
    const auto giveUp = Clock::now() + std::chrono::seconds(5);
    bool posix = false;
    // Each round ends, or finds the name changed by another game meanwhile;
    // a name that keeps changing is given up on.
    for (int round = 0; round < 20 && fd_ < 0; ++round) {
        // What stands at the name, held without opening it (a link itself,
        // a pipe, another user's file): the thing looked at stays the thing
        // that is then used or replaced.
        const int pin = ::open(name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
        if (pin < 0) {
            if (errno != ENOENT) {
                return Result::Unlocked;
            }
            const int made =
                ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
            if (made < 0 && errno != EEXIST) {
                return Result::Unlocked; // e.g. a folder that may not be written
            }
            if (made >= 0) {
                ::fchmod(made, mode); // the creation mask may have taken bits away
                ::close(made);
            }
            continue;
        }
        struct stat found {};
        if (::fstat(pin, &found) != 0) {
            ::close(pin);
            return Result::Unlocked;
        }
        int fd = -1;
        if (UsableLockFile(found, mode)) {
            fd = ::open(name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            struct stat opened {};
            if (fd >= 0 && (::fstat(fd, &opened) != 0 || !SameFile(opened, found))) {
                ::close(fd);
                ::close(pin);
                continue; // changed since it was looked at
            }
            if (fd < 0 && errno != EACCES) {
                ::close(pin);
                return Result::Unlocked;
            }
        }
        if (fd < 0) {
            const Replacement replaced =
                ReplaceLockName(name, found, table, mode, giveUp, posix, fd_);
            ::close(pin);
            if (replaced == Replacement::Impossible) {
                return Result::Unlocked;
            }
            continue;
        }
        ::close(pin);
        const Attempt attempt = WaitForLock(fd, posix, giveUp);
        if (attempt != Attempt::Got) {
            ::close(fd);
            return attempt == Attempt::HeldByAnother ? Result::Busy : Result::Unlocked;
        }
        // While this game waited, another may have replaced the name: then
        // the file now at the name is the lock.
        struct stat named {};
        if (::lstat(name.c_str(), &named) == 0 && SameFile(named, found)) {
            fd_ = fd;
            ShareWithWriters(fd_, found, table, mode);
        } else {
            ::close(fd);
        }
    }
    if (fd_ < 0) {
        return Result::Unlocked;
    }
    // While a game holds the lock no other game that locks writes the
    // table, so old temporary files are ones that a killed game left.
    RemoveStaleTemporaries(table);
    RemoveStaleTemporaries(name);
    return Result::Held;
}

} // namespace game
