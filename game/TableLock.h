// An advisory lock on one top-score table, held from before its read until
// after its write, so that games in other processes sharing the table (two
// sessions, a home shared between machines) take turns and lose no score.
// The lock is the file "<table>.lock" beside the table. Plain C++ over the
// system's file and lock calls.
#pragma once

#include "SafeFile.h"

#include <chrono>
#include <filesystem>
#include <optional>
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
    // would lock (a pipe, a link, an empty folder, a file that has other
    // names too, a file that somebody may only read, as earlier versions
    // made them) is removed first, never changed. A file system without
    // kernel locks has games take turns on the lock file's being there
    // instead: it is made for the save and removed after it, and one whose
    // holder is gone from this machine's process space, or that is over a
    // minute old by the file system's clock, is removed.
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

    // Removes the lock file while it is still held, then lets the lock go:
    // for a save that takes away the folder it made. Games waiting on the
    // file find it gone once they have it, and start again.
    void RemoveAndLetGo();

private:
    enum class Step { Held, Again, Wait, Failed };
    // How what no game holds is removed from a name: the lock's under the
    // mark "<lock>.clearing", so that games clear it one at a time; the
    // mark's own at once.
    enum class Removal { UnderMark, AtOnce };

    // One try at the lock that a file at `path` stands for (the lock's or
    // the mark's), without waiting: Held with the file's descriptor in
    // `fd`, Wait while another game holds it, Again when what stands there
    // changed meanwhile or was removed.
    Step Take(const std::string& path, int& fd, Removal removal);
    Step Lock(const std::string& path, const struct stat& found, int& fd, Removal removal);
    Step Publish(const std::string& path, int& fd, Removal removal);
    // Removes what stands at `path` while it is still nothing that a game
    // holds; where `lockedHere` (this game holds `found` but will not take
    // it), while it is still `found`.
    Step Remove(const std::string& path, const struct stat& found, Removal removal,
                bool lockedHere = false);
    bool StillNobodys(const std::string& path, const struct stat& found, bool lockedHere);
    // Makes the new file `fd` ready to be published: locked where the file
    // system has kernel locks (nobody else knows it yet, so its lock is
    // free), naming its holder, with the table's group and writers. Returns
    // `fd`, or -1 with errno set and the file closed.
    int ReadyToPublish(int fd);
    // Whether what stands at a lock's name is nothing that a game locks.
    bool NoLockFile(const struct stat& found);
    // Without kernel locks: whether the lock file `found` at `path` was left
    // by a game that no longer holds it.
    bool LeftBehind(const std::string& path, const struct stat& found);
    // What the file system of the lock's folder does, looked at once a save.
    const FolderProbe& Probe();
    std::string MarkName() const { return name_ + ".clearing"; }
    Step Fail(int error, const std::string& path);
    void LetGo();

    std::filesystem::path table_;
    std::string name_;
    mode_t mode_ = 0600;
    int fd_ = -1;
    bool kernel_ = true;
    std::optional<FolderProbe> probe_;
    int error_ = 0;
    std::string problem_;
    std::chrono::steady_clock::time_point giveUp_;
};

} // namespace game
