// The system calls that FaultyCalls.h can make fail. Defined in the test
// program, they take the place of the C library's for the game's code too.
#include "FaultyCalls.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testing_support {

bool NoLocks = false;
bool NoReplaceUnsupported = false;
std::function<void(const char* to)> AfterNextRename;
std::function<void(const char* call)> BeforeCall;

} // namespace testing_support

extern "C" int flock(int fd, int operation) noexcept {
    if (const auto hook = testing_support::BeforeCall) { // a hook may clear itself
        hook("flock");
    }
    if (testing_support::NoLocks) {
        errno = ENOLCK;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_flock, fd, operation));
}

extern "C" int fcntl(int fd, int command, ...) {
    std::va_list rest;
    va_start(rest, command);
    void* argument = va_arg(rest, void*);
    va_end(rest);
    const bool lock = command == F_SETLK || command == F_SETLKW || command == F_OFD_SETLK ||
                      command == F_OFD_SETLKW;
    if (testing_support::NoLocks && lock) {
        errno = ENOLCK;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_fcntl, fd, command, argument));
}

extern "C" int fchmod(int fd, mode_t mode) noexcept {
    if (const auto hook = testing_support::BeforeCall) {
        hook("fchmod");
    }
    return static_cast<int>(::syscall(SYS_fchmod, fd, mode));
}

extern "C" int renameat2(int fromFolder, const char* from, int toFolder, const char* to,
                         unsigned int flags) noexcept {
    if (testing_support::NoReplaceUnsupported && (flags & RENAME_NOREPLACE) != 0) {
        errno = EINVAL;
        return -1;
    }
    return static_cast<int>(::syscall(SYS_renameat2, fromFolder, from, toFolder, to, flags));
}

extern "C" int rename(const char* from, const char* to) noexcept {
    const int result = ::renameat(AT_FDCWD, from, AT_FDCWD, to);
    if (result == 0 && testing_support::AfterNextRename) {
        const auto hook = std::move(testing_support::AfterNextRename);
        testing_support::AfterNextRename = nullptr;
        hook(to);
    }
    return result;
}
