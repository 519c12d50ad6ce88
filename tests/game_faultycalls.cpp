// The system calls that FaultyCalls.h can make fail. Defined in the test
// program, they take the place of the C library's for the game's code too.
#include "FaultyCalls.h"

#include <cerrno>
#include <ctime>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testing_support {

bool NoLocks = false;
bool NoReplaceUnsupported = false;
std::function<void(const char* to)> AfterNextRename;
std::function<int(std::string_view call, std::string_view path)> BeforeCall;
std::chrono::seconds ClockAhead{0};
std::function<mode_t(mode_t)> SeenMode;

} // namespace testing_support

namespace {

thread_local bool inHook = false;

// The error number the hook asks the call to fail with, or 0.
int Before(const char* call, const char* path = "") {
    const auto hook = testing_support::BeforeCall; // a hook may clear itself
    if (!hook || inHook) {
        return 0;
    }
    inHook = true;
    const int error = hook(call, path);
    inHook = false;
    return error;
}

// The result of a system call, or -1 with `error` in errno.
int Run(int error, long result) {
    if (error != 0) {
        errno = error;
        return -1;
    }
    return static_cast<int>(result);
}

int Seen(int result, struct stat* file) {
    if (result == 0 && testing_support::SeenMode && S_ISREG(file->st_mode)) {
        file->st_mode = S_IFREG | (testing_support::SeenMode(file->st_mode & 07777) & 07777);
    }
    return result;
}

} // namespace

extern "C" int flock(int fd, int operation) noexcept {
    const int error = Before("flock");
    if (error == 0 && testing_support::NoLocks) {
        return Run(ENOLCK, 0);
    }
    return error != 0 ? Run(error, 0) : static_cast<int>(::syscall(SYS_flock, fd, operation));
}

extern "C" int fchmod(int fd, mode_t mode) noexcept {
    const int error = Before("fchmod");
    return error != 0 ? Run(error, 0) : static_cast<int>(::syscall(SYS_fchmod, fd, mode));
}

extern "C" ssize_t readlinkat(int folder, const char* path, char* text, size_t size) noexcept {
    const int error = Before("readlink", path);
    return error != 0 ? Run(error, 0) : ::syscall(SYS_readlinkat, folder, path, text, size);
}

extern "C" ssize_t readlink(const char* path, char* text, size_t size) noexcept {
    return readlinkat(AT_FDCWD, path, text, size);
}

extern "C" int fsync(int fd) {
    const int error = Before("fsync");
    return error != 0 ? Run(error, 0) : static_cast<int>(::syscall(SYS_fsync, fd));
}

extern "C" int unlink(const char* path) noexcept {
    const int error = Before("unlink", path);
    return error != 0 ? Run(error, 0)
                      : static_cast<int>(::syscall(SYS_unlinkat, AT_FDCWD, path, 0));
}

extern "C" int fstat(int fd, struct stat* file) noexcept {
    return Seen(static_cast<int>(::syscall(SYS_fstat, fd, file)), file);
}

extern "C" int stat(const char* path, struct stat* file) noexcept {
    return Seen(static_cast<int>(::syscall(SYS_newfstatat, AT_FDCWD, path, file, 0)), file);
}

extern "C" int lstat(const char* path, struct stat* file) noexcept {
    return Seen(
        static_cast<int>(::syscall(SYS_newfstatat, AT_FDCWD, path, file, AT_SYMLINK_NOFOLLOW)),
        file);
}

extern "C" int clock_gettime(clockid_t clock, struct timespec* time) noexcept {
    const int result = static_cast<int>(::syscall(SYS_clock_gettime, clock, time));
    if (result == 0 && clock == CLOCK_REALTIME) {
        time->tv_sec += testing_support::ClockAhead.count();
    }
    return result;
}

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                         unsigned int flags) noexcept {
    if (testing_support::NoReplaceUnsupported && (flags & RENAME_NOREPLACE) != 0) {
        return Run(EINVAL, 0);
    }
    return static_cast<int>(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

extern "C" int rename(const char* from, const char* to) noexcept {
    const int error = Before("rename", to);
    const int result = error != 0 ? Run(error, 0) : ::renameat(AT_FDCWD, from, AT_FDCWD, to);
    if (result == 0 && testing_support::AfterNextRename) {
        const auto hook = std::move(testing_support::AfterNextRename);
        testing_support::AfterNextRename = nullptr;
        hook(to);
    }
    return result;
}
