// What the top-score lock tests use to stand in for other games sharing a
// table: processes that are gone, the lines their lock files hold, and
// whether a lock file is taken.
#pragma once

#include "FaultyCalls.h"
#include "TopScoreFixture.h"

#include <string>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace topscore_testing {

inline ino_t InodeAt(const std::filesystem::path& path) {
    struct stat s {};
    return ::lstat(path.c_str(), &s) == 0 ? s.st_ino : 0;
}

// A process number that no process has now.
inline pid_t GoneProcess() {
    const pid_t gone = ::fork();
    if (gone == 0) {
        ::_exit(0);
    }
    ::waitpid(gone, nullptr, 0);
    return gone;
}

// What a lock file made by this machine's process `pid` says of its holder:
// the line of a lock file this process made, with the number at its end
// changed.
inline std::string HolderLineOf(pid_t pid) {
    static const std::string own = [] {
        TempFolder folder;
        const std::string table = TopScoreFileName(folder.appPath(), 1);
        std::string line;
        // While the table is written, its lock file holds the line.
        auto before = std::exchange(testing_support::BeforeCall,
                                    [&](std::string_view call, std::string_view) {
                                        if (call == "fsync" && line.empty()) {
                                            const Bytes held = ReadBytes(table + ".lock");
                                            line.assign(held.begin(), held.end());
                                        }
                                        return 0;
                                    });
        EnterTopScoreInFile(table, MakeScoreRecord("W", 1, "01/01/2026"));
        testing_support::BeforeCall = std::move(before);
        return line;
    }();
    const std::size_t number = own.find_last_of(' ') + 1;
    return own.substr(0, number) + std::to_string(pid) + "\n";
}

// Whether another game would find the lock file `lock` taken now.
inline bool LockIsTaken(const std::string& lock) {
    const int fd = ::open(lock.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool taken = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return taken;
}

} // namespace topscore_testing
