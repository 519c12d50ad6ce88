// An advisory lock on one top-score table, held from before its read until
// after its write, so that games in other processes sharing the table (two
// sessions, a home shared between machines) take turns and lose no score.
// The lock is the file "<table>.lock" beside the table. Plain C++ over the
// system's file and lock calls.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

#include <sys/stat.h>

namespace game {

class TableLock {
public:
    enum class Result {
        Held,   // the lock is this game's until the object goes
        Busy,   // another game held it for several seconds
        Failed, // it could not be taken: Error() and Problem() tell why
    };

    TableLock() = default;
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;
    ~TableLock();

    // `table` is the table's file with its links followed. Waits a few
    // seconds at most for another game to finish.
    //
    // The lock file is only ever put at its name whole (its group, mode and
    // holder already given) and without replacing anything, and a lock is
    // this game's only once the file it locked is still the one at the name.
    // It is kept for later games, and may be opened by its owner and by
    // whoever else may write the table. What stands at the name that no game
    // would lock (a pipe, a link, an empty folder, a file that somebody may
    // only read, as earlier versions made them) is removed first. A file
    // system without kernel locks has games take turns on the lock file's
    // being there instead: it is made for the save and removed after it, and
    // one whose holder is gone from this machine, or that is over a minute
    // old, is removed.
    //
    // Failed with ENOENT when the table's folder is gone; with any other
    // error (another user's lock file that this user may not open, a folder
    // holding files at the name, no file descriptor left) the caller must
    // not write the table.
    Result Acquire(const std::filesystem::path& table);

    // Whether the lock held is a kernel lock. Without one, a game stopped
    // for over a minute may lose the lock: the caller checks StillHeld()
    // right before it writes, and reads its work back.
    bool KernelLock() const { return kernel_; }

    // Whether the lock file at the name is still the one this game holds.
    bool StillHeld() const;

    int Error() const { return error_; }
    // The error with the name it concerns, for a message.
    const std::string& Problem() const { return problem_; }

    // Removes the lock file while it is still held, then lets it go: for a
    // save that takes away the folder it made. Games waiting on the file
    // find it gone once they have it, and start again.
    void Discard();

private:
    enum class Step { Held, Again, Wait, Failed };

    // One try at the lock that a file at `path` stands for, without
    // waiting: Held with the file's descriptor in `fd`, Wait while another
    // game holds it, Again when what stands there changed meanwhile. What no
    // game holds is removed: under the mark "<name>.clearing" where `clear`
    // is asked (the lock's own name), else at once (the mark's).
    Step Take(const std::string& path, int& fd, bool clear);
    Step Lock(const std::string& path, const struct stat& found, int& fd);
    Step Publish(const std::string& path, int& fd);
    Step Clear(const struct stat& found);
    Step Remove(const std::string& path, const struct stat& found);
    // Makes the new file `fd` ready to take its name: locked where the file
    // system has kernel locks (nobody else knows it yet, so its lock is
    // free), naming its holder, with the table's group and writers. Returns
    // `fd`, or -1 with errno set and the file closed.
    int NewFile(int fd);
    // Without kernel locks: whether the lock file `found` at `path` was left
    // by a game that no longer holds it.
    bool LeftBehind(const std::string& path, const struct stat& found);
    std::chrono::system_clock::time_point FileSystemNow();
    Step Fail(int error, const std::string& path);
    void Release();

    std::filesystem::path table_;
    std::string name_;
    mode_t mode_ = 0600;
    int fd_ = -1;
    bool kernel_ = true;
    bool clockKnown_ = false;
    std::chrono::nanoseconds clockOffset_{};
    int error_ = 0;
    std::string problem_;
    std::chrono::steady_clock::time_point giveUp_;
};

} // namespace game
