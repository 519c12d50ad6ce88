// Copying an earlier version's top-score tables into the user's data folder.
#include "TopScoreAdoption.h"
#include "SafeFile.h"
#include "TopScoreFile.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace game {

namespace {

constexpr const char* StagingPrefix = "scores.new.";

// Whether `name` is a folder that a start copying tables fills before it
// becomes the scores folder: "scores.new.XXXXXX", or "scores.<number>.new"
// as earlier versions named it.
bool IsStagingName(const std::string& name) {
    if (name.starts_with(StagingPrefix)) {
        return name.size() == std::char_traits<char>::length(StagingPrefix) + 6;
    }
    const std::string older = "scores.";
    const std::string suffix = ".new";
    if (!name.starts_with(older) || !name.ends_with(suffix) ||
        name.size() <= older.size() + suffix.size()) {
        return false;
    }
    const std::string number =
        name.substr(older.size(), name.size() - older.size() - suffix.size());
    return number.find_first_not_of("0123456789") == std::string::npos;
}

// Folders that a start killed while copying left behind. One that another
// start is filling right now is young and stays; its age is the file
// system's, which gave it its time.
void RemoveStaleStagingFolders(const fs::path& dataFolder) {
    std::optional<FolderProbe> probe;
    std::error_code ec;
    for (fs::directory_iterator entry(dataFolder, ec), end; !ec && entry != end;
         entry.increment(ec)) {
        std::error_code ignored;
        if (IsStagingName(entry->path().filename().string()) &&
            entry->symlink_status(ignored).type() == fs::file_type::directory) {
            if (!probe) {
                probe = ProbeBeside(entry->path(), 0600);
            }
            if (IsStaleLeftover(entry->path(), FileSystemNow(*probe))) {
                fs::remove_all(entry->path(), ignored);
            }
        }
    }
}

// A new folder of this start's own beside the scores folder, named so that
// no other start (on this machine or another one sharing the home) can
// choose the same; made with the mode any new folder gets. Returns the
// empty path and the error when none can be made.
fs::path MakeStagingFolder(const fs::path& dataFolder, int& error) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path folder = dataFolder / (StagingPrefix + RandomLetters(6));
        if (::mkdir(folder.c_str(), 0777) == 0) {
            return folder;
        }
        if (errno != EEXIST) {
            error = errno;
            return {};
        }
    }
    error = EEXIST;
    return {};
}

// Copies the first 484 bytes of an earlier version's table (all that a
// table uses; the reader repairs a longer file from them) into a new file of
// the player's. Returns the text of the "Open scores" message when that
// fails, naming the copy `shownAs`, or the empty text.
std::string CopyOldTable(const std::string& from, const fs::path& to, const std::string& shownAs) {
    std::array<unsigned char, TopScoreFileBytes> bytes{};
    std::size_t got = 0;
    // The file that was read as a table, not one put at its name since.
    std::error_code ec;
    const fs::path file = FollowLinks(from, ec);
    const int in = ec ? -1 : ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    if (in < 0 && !ec) {
        ec.assign(errno, std::generic_category());
    }
    while (in >= 0 && got < bytes.size()) {
        const ssize_t n = ::read(in, bytes.data() + got, bytes.size() - got);
        if (n == 0) {
            break;
        }
        if (n < 0 && errno != EINTR) {
            ec.assign(errno, std::generic_category());
            break;
        }
        got += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    if (in >= 0) {
        ::close(in);
    }
    if (ec) {
        return "The top-score file could not be read (" + ec.message() + "). Cannot open " + from;
    }
    const int writeError =
        ReplaceFile(to, [&bytes, got](int out) { return WriteAll(out, bytes.data(), got); });
    if (writeError != 0) {
        return "The top-score table could not be saved (" + ErrorText(writeError) +
               "). Cannot save " + shownAs;
    }
    return "";
}

} // namespace

std::string AdoptTopScoreTables(const std::string& oldFolder, const std::string& newFolder) {
    std::error_code ec;
    if (fs::equivalent(oldFolder, newFolder, ec)) {
        return "";
    }
    // Only the first start finds no scores folder: later ones copy nothing,
    // so a table that Clear Table deleted stays deleted.
    const fs::path scores = fs::path(TopScoreFileName(newFolder, 1)).parent_path();
    if (fs::symlink_status(scores, ec).type() != fs::file_type::not_found) {
        return "";
    }
    // The tables go into a folder of this start's own that then becomes the
    // scores folder in one step, so that a start that could not copy them
    // all leaves no scores folder and the next start tries again.
    fs::path staging;
    std::string message;
    const auto tell = [&message](const std::string& text) {
        message += (message.empty() ? "" : "\n") + text;
    };
    bool complete = true;
    for (int table = 1; table <= 4; ++table) {
        const std::string from = TopScoreFileName(oldFolder, table);
        const std::string to = TopScoreFileName(newFolder, table);
        const TopScoreTable old = ReadTopScoreTable(from);
        if (old.State == TopScoreFileState::Missing) {
            continue;
        }
        if (staging.empty()) {
            fs::create_directories(scores.parent_path(), ec);
            int error = ec.value();
            if (!ec) {
                RemoveStaleStagingFolders(scores.parent_path());
                staging = MakeStagingFolder(scores.parent_path(), error);
            }
            if (staging.empty()) {
                tell("The folder for the top scores could not be created (" + ErrorText(error) +
                     "). Cannot save " + to);
                return message;
            }
        }
        // An old table that cannot be read is told now, and only now.
        if (old.State == TopScoreFileState::Unreadable) {
            tell(TopScoreReadMessage(old, from));
            continue;
        }
        const std::string failure = CopyOldTable(from, staging / fs::path(to).filename(), to);
        if (!failure.empty()) {
            tell(failure);
            complete = false;
        }
    }
    if (staging.empty()) {
        return message;
    }
    // A scores folder that another game has made meanwhile is left as it is,
    // even an empty one. A file system that cannot rename without replacing
    // gets a plain rename, which replaces at most an empty folder.
    int moved = -1;
    if (complete) {
        moved = ::renameat2(AT_FDCWD, staging.c_str(), AT_FDCWD, scores.c_str(), RENAME_NOREPLACE);
        if (moved != 0 && errno == EINVAL) {
            moved = ::rename(staging.c_str(), scores.c_str());
        }
        const int error = moved != 0 ? errno : 0;
        if (moved != 0 && error != EEXIST && error != ENOTEMPTY) {
            tell("The folder for the top scores could not be created (" + ErrorText(error) +
                 "). Cannot save " + scores.string());
        }
    }
    if (moved != 0) {
        fs::remove_all(staging, ec);
    } else {
        SyncFolder(scores.parent_path());
    }
    return message;
}

} // namespace game
