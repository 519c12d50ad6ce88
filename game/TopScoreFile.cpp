// Reading, inserting into, writing and deleting the top-score tables.
#include "TopScoreFile.h"
#include "Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace game {

namespace {

constexpr int TextBytes = 10;
constexpr int TrailerOffset = TopScorePlaces * ScoreRecordBytes; // 480
// No game can end with a total outside this range; a stored score outside it
// can only come from a damaged file.
constexpr std::int32_t HighestPlausibleScore = 99999;

// Cuts or pads single-byte text to the 10 bytes of a record field.
std::string Fixed10Bytes(std::string bytes) {
    bytes.resize(TextBytes, ' ');
    return bytes;
}

void PutInt32(unsigned char* out, std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        out[i] = static_cast<unsigned char>((u >> (8 * i)) & 0xFF);
    }
}

std::int32_t GetInt32(const unsigned char* in) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) {
        u = (u << 8) | in[i];
    }
    return static_cast<std::int32_t>(u);
}

bool IsControlByte(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F;
}

// NUL is no fault: it starts the texts of an empty place.
bool HasControlBytes(const unsigned char* text) {
    for (int i = 0; i < TextBytes; ++i) {
        if (text[i] != 0x00 && IsControlByte(text[i])) {
            return true;
        }
    }
    return false;
}

bool IsBlankText(const unsigned char* text) {
    for (int i = 0; i < TextBytes; ++i) {
        if (text[i] != 0x00 && text[i] != ' ') {
            return false;
        }
    }
    return true;
}

// Whether 24 bytes can be a place of a table: an empty place (score -9999),
// or a game's result with a plausible score, printable texts and a date.
bool IsReadableRecord(const unsigned char* bytes) {
    const std::int32_t score = GetInt32(bytes + TextBytes);
    if (score == EmptyPlaceScore) {
        return true;
    }
    const unsigned char* name = bytes;
    const unsigned char* date = bytes + TextBytes + 4;
    return score > EmptyPlaceScore && score <= HighestPlausibleScore && !HasControlBytes(name) &&
           !HasControlBytes(date) && !IsBlankText(date);
}

// Empty places go below every result; results are ordered best first.
bool RanksAbove(const ScoreRecord& a, const ScoreRecord& b) {
    if (IsEmptyPlace(a) || IsEmptyPlace(b)) {
        return !IsEmptyPlace(a) && IsEmptyPlace(b);
    }
    return a.Score > b.Score;
}

std::string Reason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// Writes all of `bytes` to `fd`, going on after interrupted or partial writes.
bool WriteAll(int fd, const unsigned char* bytes, std::size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Makes a finished rename last through a crash; failing here changes nothing
// that has already been written.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// The file that a table's name leads to once symbolic links are followed:
// a table the player linked elsewhere is written where the link points, and
// the link stays. A link to a missing file leads to that file's name.
fs::path FollowLinks(const fs::path& file, std::error_code& ec) {
    constexpr int MostLinks = 40; // as the system allows in a path
    fs::path path = file;
    for (int link = 0; link < MostLinks; ++link) {
        const fs::file_status status = fs::symlink_status(path, ec);
        if (!fs::is_symlink(status)) {
            if (status.type() == fs::file_type::not_found) {
                ec.clear();
            }
            return path;
        }
        const fs::path target = fs::read_symlink(path, ec);
        if (ec) {
            return path;
        }
        path = target.is_absolute() ? target : path.parent_path() / target;
    }
    ec = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

// A temporary file is named after the table and the process writing it, so
// that two games saving at once never write into one file.
std::string TemporaryNameOf(const fs::path& table) {
    return table.string() + "." + std::to_string(::getpid()) + ".tmp";
}

// While a game holds the lock no other game writes the table, so a
// temporary file of the table's is one that a game stopped mid-save left.
void RemoveLeftoverTemporaries(const fs::path& table) {
    const std::string prefix = table.filename().string() + ".";
    const std::string suffix = ".tmp";
    std::error_code ec;
    for (fs::directory_iterator entry(table.parent_path(), ec), end; !ec && entry != end;
         entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        if (name.size() <= prefix.size() + suffix.size() || !name.starts_with(prefix) ||
            !name.ends_with(suffix)) {
            continue;
        }
        const std::string pid =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        std::error_code ignored;
        if (std::all_of(pid.begin(), pid.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
            entry->is_regular_file(ignored) && !entry->is_symlink(ignored)) {
            fs::remove(entry->path(), ignored);
        }
    }
}

// An advisory lock on one table, held from before its read until after its
// write, so that games in other processes that share the folder (two
// sessions, a home shared between machines) take turns and lose no score.
// The lock is a file beside the table (links followed) that stays there.
class TableLock {
public:
    TableLock() = default;
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;
    ~TableLock() {
        if (fd_ >= 0) {
            ::close(fd_); // lets the lock go
        }
    }

    // Waits a few seconds at most; false when another game held the lock
    // all that time. Where no lock file can be opened (a folder that may not
    // be written, where no game can save a table either) or the file system
    // has no locks, the table is used unlocked, as it always was.
    bool Acquire(const fs::path& table) {
        const std::string name = table.string() + ".lock";
        // Never through a link, never blocking on a pipe.
        constexpr int flags = O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
        fd_ = ::open(name.c_str(), O_RDWR | O_CREAT | flags, 0666);
        if (fd_ < 0) {
            fd_ = ::open(name.c_str(), O_RDONLY | flags);
        }
        struct stat lockFile {};
        if (fd_ >= 0 && (::fstat(fd_, &lockFile) != 0 || !S_ISREG(lockFile.st_mode))) {
            ::close(fd_);
            fd_ = -1;
        }
        if (fd_ < 0) {
            return true;
        }
        ShareLikeTheTable(lockFile, table);
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            if (errno != EWOULDBLOCK && errno != EINTR) {
                return true;
            }
            if (std::chrono::steady_clock::now() >= giveUp) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        RemoveLeftoverTemporaries(table);
        return true;
    }

private:
    // Whoever may open the table may open its lock: a lock file of this
    // player's gets the table's group and its read and write bits for the
    // group and others. A player whose umask kept the lock private would
    // otherwise leave the others of a shared table saving unlocked.
    void ShareLikeTheTable(const struct stat& lockFile, const fs::path& table) const {
        struct stat tableFile {};
        if (lockFile.st_uid != ::geteuid() || ::stat(table.c_str(), &tableFile) != 0) {
            return;
        }
        if (lockFile.st_gid != tableFile.st_gid) {
            [[maybe_unused]] const int ignored =
                ::fchown(fd_, static_cast<uid_t>(-1), tableFile.st_gid);
        }
        const mode_t mode = 0600 | (tableFile.st_mode & 0066);
        if ((lockFile.st_mode & 07777) != mode) {
            ::fchmod(fd_, mode);
        }
    }

    int fd_ = -1;
};

const char* const TableBusy = "Another game kept the top-score table busy for too long";

// Puts new content in place of `target` (a file, links followed): written
// under a temporary name beside it, flushed, then renamed over it, so that
// a reader finds the old content or the new and never a part. `fill`
// writes the content and returns false with errno set when it fails.
// Returns 0 or the number of the error.
int ReplaceFile(const fs::path& target, const std::function<bool(int)>& fill) {
    const std::string temporary = TemporaryNameOf(target);
    // Always a new file: whatever stands at the name already (one left by an
    // earlier game that had this process's number, or a link or a pipe put
    // there) is removed, never written through or waited on.
    constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC;
    int fd = ::open(temporary.c_str(), flags, 0666);
    if (fd < 0 && errno == EEXIST && ::unlink(temporary.c_str()) == 0) {
        fd = ::open(temporary.c_str(), flags, 0666);
    }
    if (fd < 0) {
        return errno;
    }
    // A file that is replaced keeps its group and mode, as far as this
    // player may give them: a table shared with a group stays the group's.
    struct stat replaced {};
    if (::stat(target.c_str(), &replaced) == 0) {
        struct stat made {};
        if (::fstat(fd, &made) == 0 && made.st_gid != replaced.st_gid) {
            [[maybe_unused]] const int ignored =
                ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
        }
        ::fchmod(fd, replaced.st_mode & 07777);
    }
    bool ok = fill(fd) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return error;
    }
    SyncFolder(target.parent_path());
    return 0;
}

// Copies the bytes of an earlier version's table into a new file of the
// player's, made with the mode any new table gets. Returns the text of the
// "Open scores" message when that fails, naming the copy `shownAs`, or the
// empty text.
std::string CopyOldTable(const std::string& from, const fs::path& to, const std::string& shownAs) {
    const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
    int readError = in < 0 ? errno : 0;
    int writeError = 0;
    if (in >= 0) {
        writeError = ReplaceFile(to, [in, &readError](int out) {
            std::array<unsigned char, 4096> buffer{};
            for (;;) {
                const ssize_t got = ::read(in, buffer.data(), buffer.size());
                if (got == 0) {
                    return true;
                }
                if (got < 0 && errno != EINTR) {
                    readError = errno;
                    return false;
                }
                if (got > 0 && !WriteAll(out, buffer.data(), static_cast<std::size_t>(got))) {
                    return false;
                }
            }
        });
        ::close(in);
    }
    if (readError != 0) {
        return "The top-score file could not be read (" + Reason(readError) + "). Cannot open " +
               from;
    }
    if (writeError != 0) {
        return "The top-score table could not be saved (" + Reason(writeError) + "). Cannot save " +
               shownAs;
    }
    return "";
}

} // namespace

int ScoreTableNumber(std::int32_t numberOfColumns, std::int32_t numberOfDice) {
    if (numberOfColumns == 4) {
        return numberOfDice == 5 ? 1 : 2;
    }
    return numberOfDice == 5 ? 3 : 4;
}

std::string TopScoreFileName(const std::string& folder, int table) {
    return folder + "scores/scores" + std::to_string(table) + ".dat";
}

std::string ScoreText10(const std::string& text) {
    std::string bytes = Fixed10Bytes(ToWindows1252(text));
    // A record with control characters would read back as damaged and be
    // left out, so they are stored as '?', like characters the code page
    // cannot hold.
    for (char& byte : bytes) {
        if (IsControlByte(static_cast<unsigned char>(byte))) {
            byte = '?';
        }
    }
    return FromWindows1252(bytes);
}

ScoreRecord MakeScoreRecord(const std::string& name, std::int32_t score, const std::string& date) {
    ScoreRecord record;
    record.Name = ScoreText10(name);
    record.Score = score;
    record.Date = ScoreText10(date);
    return record;
}

bool IsEmptyPlace(const ScoreRecord& record) {
    return record.Score == EmptyPlaceScore;
}

std::array<unsigned char, ScoreRecordBytes> EncodeScoreRecord(const ScoreRecord& record) {
    std::array<unsigned char, ScoreRecordBytes> bytes{};
    const std::string name = Fixed10Bytes(ToWindows1252(record.Name));
    const std::string date = Fixed10Bytes(ToWindows1252(record.Date));
    std::copy(name.begin(), name.end(), bytes.begin());
    PutInt32(bytes.data() + TextBytes, record.Score);
    std::copy(date.begin(), date.end(), bytes.begin() + TextBytes + 4);
    return bytes;
}

ScoreRecord DecodeScoreRecord(const unsigned char* bytes) {
    ScoreRecord record;
    record.Name = FromWindows1252(std::string(reinterpret_cast<const char*>(bytes), TextBytes));
    record.Score = GetInt32(bytes + TextBytes);
    record.Date = FromWindows1252(
        std::string(reinterpret_cast<const char*>(bytes + TextBytes + 4), TextBytes));
    return record;
}

TopScoreTable ReadTopScoreTable(const std::string& fileName) {
    TopScoreTable table;
    std::error_code ec;
    const fs::file_status status = fs::status(fileName, ec);
    if (status.type() == fs::file_type::not_found) {
        return table;
    }
    if (ec) {
        table.State = TopScoreFileState::Unreadable;
        table.Problem = "The top-score file could not be read (" + ec.message() + "). ";
        return table;
    }
    if (!fs::is_regular_file(status)) {
        table.State = TopScoreFileState::Unreadable;
        table.Problem = "The top-score file is not a plain file and could not be read. ";
        return table;
    }

    errno = 0;
    std::ifstream in(fileName, std::ios::binary);
    std::vector<unsigned char> bytes(TopScoreFileBytes);
    if (in.is_open()) {
        in.read(reinterpret_cast<char*>(bytes.data()), TopScoreFileBytes);
    }
    if (!in.is_open() || in.bad()) {
        const int error = errno;
        table.State = TopScoreFileState::Unreadable;
        table.Problem = "The top-score file could not be read" +
                        (error != 0 ? " (" + Reason(error) + ")" : std::string()) + ". ";
        return table;
    }
    const auto got = static_cast<std::size_t>(in.gcount());
    bool longer = false;
    if (got == static_cast<std::size_t>(TopScoreFileBytes)) {
        longer = in.peek() != std::ifstream::traits_type::eof();
    }
    if (got == 0) {
        return table; // an empty file holds an empty table
    }

    // Damaged places are left out and the rest close up; places out of order
    // are sorted back, keeping the order of equal scores.
    const int records = std::min<int>(static_cast<int>(got / ScoreRecordBytes), TopScorePlaces);
    std::vector<ScoreRecord> kept;
    for (int i = 0; i < records; ++i) {
        const unsigned char* record = bytes.data() + i * ScoreRecordBytes;
        if (IsReadableRecord(record)) {
            kept.push_back(DecodeScoreRecord(record));
        }
    }
    const int damaged = records - static_cast<int>(kept.size());
    const bool ordered = std::is_sorted(kept.begin(), kept.end(), RanksAbove);
    std::stable_sort(kept.begin(), kept.end(), RanksAbove);
    std::copy(kept.begin(), kept.end(), table.Places.begin());

    table.State = TopScoreFileState::Clean;
    if (got < static_cast<std::size_t>(TopScoreFileBytes)) {
        table.Problem += "The top-score file is cut short (" + std::to_string(got) +
                         " bytes instead of " + std::to_string(TopScoreFileBytes) +
                         "); the places it holds whole were kept. ";
    } else if (longer) {
        const auto size = fs::file_size(fileName, ec);
        table.Problem += "The top-score file is longer than a table of 20 places (" +
                         (ec ? std::string("more than ") + std::to_string(TopScoreFileBytes)
                             : std::to_string(size)) +
                         " bytes); only places 1 to 20 were kept. ";
    }
    if (damaged > 0) {
        table.Problem += std::to_string(damaged) +
                         (damaged == 1 ? " place of the top-score file was damaged and has"
                                       : " places of the top-score file were damaged and have") +
                         " been left out. ";
    }
    if (!ordered) {
        table.Problem += "The places of the top-score file were out of order and have been "
                         "sorted. ";
    }
    if (!table.Problem.empty()) {
        table.State = TopScoreFileState::Repaired;
    }
    return table;
}

int InsertTopScore(TopScorePlacesArray& places, const ScoreRecord& record) {
    for (int i = 0; i < TopScorePlaces; ++i) {
        if (record.Score > places[i].Score) {
            for (int j = TopScorePlaces - 1; j > i; --j) {
                places[j] = places[j - 1];
            }
            places[i] = record;
            return i + 1;
        }
    }
    return -1;
}

std::string WriteTopScoreTable(const std::string& fileName, const TopScorePlacesArray& places) {
    const fs::path target(fileName);
    const fs::path folder = target.parent_path();
    std::error_code ec;
    if (!folder.empty()) {
        fs::create_directories(folder, ec);
        if (ec) {
            return "The folder for the top scores could not be created (" + ec.message() + "). ";
        }
    }

    std::array<unsigned char, TopScoreFileBytes> bytes{};
    for (int i = 0; i < TopScorePlaces; ++i) {
        const auto record = EncodeScoreRecord(places[i]);
        std::copy(record.begin(), record.end(), bytes.begin() + i * ScoreRecordBytes);
    }
    PutInt32(bytes.data() + TrailerOffset, 1);

    const fs::path file = FollowLinks(target, ec);
    if (ec) {
        return "The top-score table could not be saved (" + ec.message() + "). ";
    }
    // The rename below would replace a table that its owner protected.
    if (::access(file.c_str(), W_OK) != 0 && errno != ENOENT) {
        return "The top-score file may not be written (" + Reason(errno) +
               "); it was left as it is. ";
    }
    const int error =
        ReplaceFile(file, [&bytes](int fd) { return WriteAll(fd, bytes.data(), bytes.size()); });
    if (error != 0) {
        return "The top-score table could not be saved (" + Reason(error) + "). ";
    }
    return "";
}

TopScoreFilePresence FindTopScoreFile(const std::string& fileName) {
    std::error_code ec;
    const fs::file_status status = fs::status(fileName, ec);
    if (status.type() == fs::file_type::not_found) {
        return TopScoreFilePresence::Absent;
    }
    return ec ? TopScoreFilePresence::CannotTell : TopScoreFilePresence::Present;
}

std::string DeleteTopScoreTable(const std::string& fileName) {
    std::error_code ec;
    const fs::path file = FollowLinks(fileName, ec);
    if (ec) {
        return "The top-score table could not be deleted (" + ec.message() + "). ";
    }
    // Under the lock, so that a game saving at this moment cannot bring the
    // cleared places back.
    TableLock lock;
    if (!lock.Acquire(file)) {
        return std::string(TableBusy) + "; it could not be deleted. ";
    }
    fs::remove(file, ec);
    if (ec) {
        return "The top-score table could not be deleted (" + ec.message() + "). ";
    }
    return "";
}

std::string TopScoreReadMessage(const TopScoreTable& table, const std::string& fileName) {
    if (table.Problem.empty()) {
        return "";
    }
    const char* tail = table.State == TopScoreFileState::Unreadable ? "Cannot open " : "File: ";
    return table.Problem + tail + fileName;
}

TopScoreEntry EnterTopScoreInFile(const std::string& fileName, const ScoreRecord& record) {
    TopScoreEntry entry;
    // The folder first, so that the first game can take the lock too; a
    // folder that cannot be made is told when the table is written.
    std::error_code ec;
    fs::create_directories(fs::path(fileName).parent_path(), ec);
    const fs::path file = FollowLinks(fileName, ec);
    TableLock lock;
    if (!lock.Acquire(file)) {
        entry.Outcome = TopScoreOutcome::NotSaved;
        entry.Message =
            std::string(TableBusy) + "; the score could not be saved. Cannot save " + fileName;
        return entry;
    }
    TopScoreTable table = ReadTopScoreTable(fileName);
    if (table.State == TopScoreFileState::Unreadable) {
        // Its places are unknown: nothing is compared, and writing would lose them.
        entry.Outcome = TopScoreOutcome::TableUnreadable;
        entry.Message = TopScoreReadMessage(table, fileName);
        return entry;
    }
    const int place = InsertTopScore(table.Places, record);
    if (place != -1 || table.State != TopScoreFileState::Clean) {
        const std::string failure = WriteTopScoreTable(fileName, table.Places);
        if (!failure.empty()) {
            // The table on disk is as it was, so the score holds no place in it.
            entry.Outcome = place != -1 ? TopScoreOutcome::NotSaved : TopScoreOutcome::Compared;
            entry.Message = table.Problem + failure + "Cannot save " + fileName;
            return entry;
        }
    }
    entry.Place = place;
    entry.Message = TopScoreReadMessage(table, fileName);
    return entry;
}

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
    // The tables go into a folder of this process's own that then becomes
    // the scores folder in one step, so that a start that could not copy
    // them all leaves no scores folder and the next start tries again.
    fs::path staging = scores;
    staging += "." + std::to_string(::getpid()) + ".new";
    std::string message;
    const auto tell = [&message](const std::string& text) {
        message += (message.empty() ? "" : "\n") + text;
    };
    bool started = false;
    bool complete = true;
    for (int table = 1; table <= 4; ++table) {
        const std::string from = TopScoreFileName(oldFolder, table);
        const std::string to = TopScoreFileName(newFolder, table);
        const TopScoreTable old = ReadTopScoreTable(from);
        if (old.State == TopScoreFileState::Missing) {
            continue;
        }
        if (!started) {
            started = true;
            fs::remove_all(staging, ec);
            if (!fs::create_directories(staging, ec)) {
                tell("The folder for the top scores could not be created (" + ec.message() +
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
    if (!started) {
        return message;
    }
    // A scores folder that another game starting at this moment has made
    // first is left as it is.
    if (!complete || ::rename(staging.c_str(), scores.c_str()) != 0) {
        fs::remove_all(staging, ec);
    } else {
        SyncFolder(scores.parent_path());
    }
    return message;
}

} // namespace game
