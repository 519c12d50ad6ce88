// Switches that make system calls of the game's tests fail or misbehave, for
// what a real machine shows only now and then: a file system without locks
// or modes, a clock that runs apart from the file server's, another game
// acting between two calls of this one. The calls are replaced for the whole
// test program; with the switches off they do what they always do.
#pragma once

#include <chrono>
#include <functional>
#include <string_view>

#include <sys/types.h>

namespace testing_support {

// While true, flock() fails with ENOLCK, as on a network file system
// without its lock service. Forked processes inherit it.
extern bool NoLocks;

// While true, renameat2() refuses RENAME_NOREPLACE with EINVAL, as file
// systems that cannot rename without replacing do.
extern bool NoReplaceUnsupported;

// When set, called once with the new name right after the next rename()
// that succeeds, and then cleared.
extern std::function<void(const char* to)> AfterNextRename;

// When set, called before each flock(), fchmod(), fsync(), rename(),
// unlink() and readlink() (readlinkat() too, as "readlink") with the call's
// name and the path it is given ("" for a file descriptor alone): what
// another game or user does at that moment. A result other than 0 makes the
// call fail with that error number. Calls the hook makes itself do not call
// it again.
extern std::function<int(std::string_view call, std::string_view path)> BeforeCall;

// How far this machine's clock (CLOCK_REALTIME) runs ahead of the file
// system's, which gives the files their times.
extern std::chrono::seconds ClockAhead;

// When set, a plain file is seen with the mode this gives for the mode it
// has, as on file systems that give every file one mode (FAT, exFAT, CIFS
// without unix extensions) or keep only some of its bits.
extern std::function<mode_t(mode_t)> SeenMode;

// Turns every switch off when it goes, however the test ends.
struct FaultsOff {
    FaultsOff() = default;
    FaultsOff(const FaultsOff&) = delete;
    FaultsOff& operator=(const FaultsOff&) = delete;
    ~FaultsOff() {
        NoLocks = false;
        NoReplaceUnsupported = false;
        AfterNextRename = nullptr;
        BeforeCall = nullptr;
        ClockAhead = {};
        SeenMode = nullptr;
    }
};

} // namespace testing_support
