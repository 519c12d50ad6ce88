// Replacing a small file so that nobody ever sees a part of it: the new bytes
// go to a temporary file beside it that is then renamed over it. Links are
// followed to the file they name, temporary files never written through a
// link or a pipe, and temporaries left by a killed process cleared away.
// Plain C++ over the system's file calls.
#pragma once

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
// to that file's name. `ec` is set when a link cannot be read.
std::filesystem::path FollowLinks(const std::filesystem::path& file, std::error_code& ec);

// The temporary name under which this process writes `target` before it
// takes its place: "<target>.<process number>.tmp".
std::string TemporaryNameOf(const std::filesystem::path& target);

// Makes `name` a new, empty file open for reading and writing: whatever
// stands at the name already (one left by an earlier process that had this
// number, a link or a pipe put there) is removed, never written through or
// waited on. Returns the file descriptor, or -1 with errno set.
int OpenTemporaryFile(const std::string& name, mode_t mode);

// Puts new content in place of `target` (no link: the caller has followed
// them). `fill` writes the content into the file descriptor it is given and
// returns false with errno set when it fails. Where `mayReplace` is given, it
// is asked once the content is safely written, right before `target` is
// replaced; false returns ECANCELED. The replaced file's group and mode are
// kept as far as this user may give them. Returns 0, or the number of the
// error, in which case `target` is as it was.
int ReplaceFile(const std::filesystem::path& target, const std::function<bool(int)>& fill,
                const std::function<bool()>& mayReplace = {});

// Whether something a killed process may have left (a temporary file, a
// folder it was filling) is stale: untouched for a minute. Whatever a live
// process is writing is younger, as its work takes well under a second.
bool IsStaleLeftover(const std::filesystem::path& entry);

// Removes the temporary files of `target` that a process killed during a
// save left behind; a younger one may be another save's at work.
void RemoveStaleTemporaries(const std::filesystem::path& target);

} // namespace game
