// An advisory lock on one top-score table, held from before its read until
// after its write, so that games in other processes sharing the table (two
// sessions, a home shared between machines) take turns and lose no score.
// The lock is the file "<table>.lock" beside the table, which stays there.
// Plain C++ over the system's file and lock calls.
#pragma once

#include <filesystem>

namespace game {

class TableLock {
public:
    enum class Result {
        Held,     // the lock is this game's until the object goes
        Busy,     // another game held it for several seconds
        Unlocked, // no lock can be had here: the caller must check its own work
    };

    TableLock() = default;
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;
    ~TableLock();

    // `table` is the table's file with its links followed. Waits a few
    // seconds at most for another game to finish. Whatever stands at the
    // lock's name that is not a usable lock file (a pipe, a folder, a link,
    // another user's file, one that more users may open than may write the
    // table) is replaced by a lock file of this user's; where it cannot be
    // replaced, the games take turns on the table's folder instead. A file
    // system without `flock` gets a lock of the other kind the system has,
    // and a file "<table>.lock.turns" stands in for the folder.
    // Unlocked only where no lock works: a folder the user may not write, a
    // file system without locks, a folder lock held past the deadline by
    // somebody who may merely read the folder.
    Result Acquire(const std::filesystem::path& table);

private:
    int fd_ = -1;
};

} // namespace game
