// Replacing a small file so that nobody ever sees a part of it: the new bytes
// go to a temporary file beside it that is then renamed over it. Links that
// the user or a folder's owner made are followed to the file they name,
// temporary files never written through a link or a pipe, and temporaries
// left by a killed process cleared away.
// Plain C++ over the system's file calls.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>

#include <sys/types.h>

namespace game {

// The system's description of an error number ("Permission denied").
std::string ErrorText(int error);

// Writes all of `size` bytes to `fd`, going on after interrupted or partial
// writes; false with errno set when a write fails.
bool WriteAll(int fd, const unsigned char* bytes, std::size_t size);

// Makes a finished rename in `folder` last through a crash.
void SyncFolder(const std::filesystem::path& folder);

// The file that `file` leads to once symbolic links are followed (up to 40
// of them, as the system allows in a path); a link to a missing file leads
// to that file's name. A link is followed only where this user made it, or
// the owner of the folder that holds it did: another user who may write a
// shared folder must not lead this user's writes to this user's other
// files. `ec` is set when a link cannot be read or is another user's; its
// message then says so. The path returned is the last one reached.
std::filesystem::path FollowLinks(const std::filesystem::path& file, std::error_code& ec);

// `count` letters and digits picked at random, for names that no other
// process (on this machine or another one sharing the folder) chooses.
std::string RandomLetters(int count);

// Makes a new, empty file beside `target`, open for reading and writing,
// under a temporary name of its own, "<target>.<random letters>.tmp", that
// no other process can be using: a name already taken is never reused,
// whatever stands there. Returns the file descriptor and sets `name`, or
// returns -1 with errno set.
int MakeTemporaryFile(const std::filesystem::path& target, mode_t mode, std::string& name);

// Puts new content in place of `target` (no link: the caller has followed
// them). `fill` writes the content into the file descriptor it is given and
// returns false with errno set when it fails. Where `mayReplace` is given, it
// is asked once the content is safely written, right before `target` is
// replaced; false returns ECANCELED. The replaced file's group and mode are
// kept as far as this user may give them. Returns 0, or the number of the
// error, in which case `target` is as it was.
int ReplaceFile(const std::filesystem::path& target, const std::function<bool(int)>& fill,
                const std::function<bool()>& mayReplace = {});

// What the file system does with a file made in a folder now. Where no file
// can be made there, it is taken to do what a local disk does.
struct FolderProbe {
    // How far this machine's clock runs ahead of the file system's, which
    // gives files their times (a file server's clock may run apart).
    std::chrono::nanoseconds ClockAhead{};
    // Whether a file keeps the mode it is given: file systems such as FAT,
    // exFAT or CIFS without unix extensions give every file one mode.
    bool ModesKept = true;
};

// Makes a temporary file beside `target` for a moment to see, and gives it
// `mode` to see whether it keeps it.
FolderProbe ProbeBeside(const std::filesystem::path& target, mode_t mode);

// The file system's time now, by what a probe saw.
std::chrono::system_clock::time_point FileSystemNow(const FolderProbe& probe);

// Whether something a killed process may have left (a temporary file, a
// folder it was filling) is stale: untouched for a minute at `now`, the
// file system's time. Whatever a live process is writing is younger, as its
// work takes well under a second.
bool IsStaleLeftover(const std::filesystem::path& entry, std::chrono::system_clock::time_point now);

// Removes the temporary files of `target` that a process killed during a
// save left behind; a younger one may be another save's at work. `now`, the
// file system's time, is asked for only when there is one to judge.
void RemoveStaleTemporaries(const std::filesystem::path& target,
                            const std::function<std::chrono::system_clock::time_point()>& now);

} // namespace game
