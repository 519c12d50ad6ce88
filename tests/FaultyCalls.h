// Switches that make system calls of the game's tests fail or misbehave, for
// what a real machine shows only now and then: a file system without flock,
// another game's save landing just after this one's. The calls are replaced
// for the whole test program; with the switches off they do what they always
// do.
#pragma once

#include <functional>

namespace testing_support {

// While true, flock() fails with ENOLCK, as on a network file system that has
// no such locks. Forked processes inherit it.
extern bool FlockFails;

// While true, locks of the POSIX kind taken with fcntl() fail with ENOLCK
// too: with FlockFails, a file system without any locks.
extern bool PosixLocksFail;

// While true, renameat2() refuses RENAME_NOREPLACE with EINVAL, as file
// systems that cannot rename without replacing do.
extern bool NoReplaceUnsupported;

// When set, called once with the new name right after the next rename()
// that succeeds, and then cleared.
extern std::function<void(const char* to)> AfterNextRename;

} // namespace testing_support
