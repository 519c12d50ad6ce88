// Switches that make system calls of the game's tests fail or misbehave, for
// what a real machine shows only now and then: a file system without locks,
// another game's save landing just after this one's, a game descheduled at
// the wrong moment. The calls are replaced for the whole test program; with
// the switches off they do what they always do.
#pragma once

#include <functional>

namespace testing_support {

// While true, flock() and the locks of the POSIX kind taken with fcntl() fail
// with ENOLCK, as on a network file system without its lock service. Forked
// processes inherit it.
extern bool NoLocks;

// While true, renameat2() refuses RENAME_NOREPLACE with EINVAL, as file
// systems that cannot rename without replacing do.
extern bool NoReplaceUnsupported;

// When set, called once with the new name right after the next rename()
// that succeeds, and then cleared.
extern std::function<void(const char* to)> AfterNextRename;

// When set, called with the call's name ("flock", "fchmod") before each
// flock() and fchmod(): what another game does while this one is there.
extern std::function<void(const char* call)> BeforeCall;

} // namespace testing_support
