// Reading, inserting into, writing and deleting the top-score tables.
#include "TopScoreFile.h"
#include "Windows1252.h"

#include "SafeFile.h"
#include "TableLock.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <system_error>
#include <vector>

#include <fcntl.h>
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

// Whether a table's file is there, with the error that kept it from being
// looked at. A table is missing only when its folder is a folder or is not
// there at all: a plain file or a dangling link in the folder's place makes
// every table unreadable, not empty.
TopScoreFilePresence LookFor(const std::string& fileName, int& error) {
    struct stat s {};
    if (::stat(fileName.c_str(), &s) == 0) {
        return TopScoreFilePresence::Present;
    }
    error = errno;
    if (error != ENOENT) {
        return TopScoreFilePresence::CannotTell;
    }
    const std::string folder = std::filesystem::path(fileName).parent_path().string();
    if (::stat(folder.c_str(), &s) == 0 ||
        (errno == ENOENT && ::lstat(folder.c_str(), &s) != 0 && errno == ENOENT)) {
        return TopScoreFilePresence::Absent;
    }
    return TopScoreFilePresence::CannotTell;
}

// Whether `file` (links followed) is a plain file or a name where a table
// can be made: only then may a lock file be put beside it.
bool MayHoldATable(const fs::path& file) {
    struct stat s {};
    if (::lstat(file.c_str(), &s) == 0) {
        return S_ISREG(s.st_mode);
    }
    // Missing: a folder that is missing too is told by the lock.
    return errno == ENOENT;
}

const char* const TableBusy = "Another game kept the top-score table busy for too long";
const char* const WrittenMeanwhile =
    "The top-score table could not be saved (another game wrote it at the same moment). ";

// Whether the table on disk holds `record` at `place`: without kernel locks,
// the last check that no other game's save replaced this one's.
bool HoldsRecordAt(const std::string& fileName, int place, const ScoreRecord& record) {
    const TopScoreTable table = ReadTopScoreTable(fileName);
    const ScoreRecord& stored = table.Places[static_cast<std::size_t>(place - 1)];
    return table.State == TopScoreFileState::Clean && stored.Score == record.Score &&
           stored.Name == record.Name && stored.Date == record.Date;
}

// A save that failed in a scores folder that it made itself takes the folder
// away again, with the lock file in it: the next start then still finds no
// scores folder and copies the tables of an earlier version. The lock file
// goes only while this game holds it: a game waiting on it finds it gone
// once it has the lock and starts again, but one holding it would be left
// with a lock that nobody else sees.
void RemoveFolderMadeForNothing(const fs::path& folder, TableLock& lock) {
    lock.RemoveAndLetGo();
    ::rmdir(folder.c_str());
}

// Writes a full table to `file`, which is no link: the caller followed them.
// Where `mayReplace` is given, the table is replaced only while it answers
// true, right before.
std::string SaveTable(const fs::path& file, const TopScorePlacesArray& places,
                      const std::function<bool()>& mayReplace = {}) {
    std::array<unsigned char, TopScoreFileBytes> bytes{};
    for (int i = 0; i < TopScorePlaces; ++i) {
        const auto record = EncodeScoreRecord(places[i]);
        std::copy(record.begin(), record.end(), bytes.begin() + i * ScoreRecordBytes);
    }
    PutInt32(bytes.data() + TrailerOffset, 1);
    // The rename below would replace a table that its owner protected.
    if (::access(file.c_str(), W_OK) != 0 && errno != ENOENT) {
        return "The top-score file may not be written (" + ErrorText(errno) +
               "); it was left as it is. ";
    }
    const int error = ReplaceFile(
        file, [&bytes](int fd) { return WriteAll(fd, bytes.data(), bytes.size()); }, mayReplace);
    if (error == ECANCELED) {
        return WrittenMeanwhile;
    }
    if (error != 0) {
        return "The top-score table could not be saved (" + ErrorText(error) + "). ";
    }
    return "";
}

// Makes the table's folder where it is missing, follows the table's links
// once and takes the lock beside the file they lead to: the save reads and
// writes that file, whatever becomes of the links meanwhile. Returns what
// kept the lock from being taken, as the start of a message, or the empty
// text.
std::string LockForSave(const std::string& fileName, TableLock& lock, fs::path& file,
                        bool& madeFolder) {
    const fs::path folder = fs::path(fileName).parent_path();
    file = fileName;
    // A folder that another game's failed first save took away again while
    // this game waited for the lock is made anew.
    for (int attempt = 1;; ++attempt) {
        std::error_code ec;
        struct stat s {};
        if (::lstat(folder.c_str(), &s) != 0 && errno == ENOENT) {
            madeFolder = fs::create_directories(folder, ec) || madeFolder;
            if (ec) {
                return "The folder for the top scores could not be created (" + ec.message() +
                       "). ";
            }
        }
        const fs::path followed = FollowLinks(fileName, ec);
        if (ec) {
            return "The top-score table could not be saved (" + ec.message() + "). ";
        }
        file = followed;
        if (!MayHoldATable(file)) {
            return "The top-score file is not a plain file. ";
        }
        switch (lock.Acquire(file)) {
        case TableLock::Result::Held:
            return "";
        case TableLock::Result::Busy:
            return std::string(TableBusy) + "; the score could not be saved. ";
        case TableLock::Result::Failed:
            if (lock.Error() != ENOENT || attempt == 3) {
                return "The top-score table could not be saved (" + lock.Problem() + "). ";
            }
        }
    }
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
    const fs::path file = FollowLinks(fileName, ec);
    if (ec) {
        table.State = TopScoreFileState::Unreadable;
        table.Problem = "The top-score file could not be read (" + ec.message() + "). ";
        return table;
    }
    int error = 0;
    switch (LookFor(fileName, error)) {
    case TopScoreFilePresence::Absent:
        return table;
    case TopScoreFilePresence::CannotTell:
        table.State = TopScoreFileState::Unreadable;
        table.Problem = "The top-score file could not be read (" + ErrorText(error) + "). ";
        return table;
    case TopScoreFilePresence::Present:
        break;
    }

    // Never waiting on a pipe that stands in the table's place, nor reading
    // through a link put there since the links were followed.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOFOLLOW);
    struct stat opened {};
    if (fd < 0 || ::fstat(fd, &opened) != 0) {
        error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        table.State = TopScoreFileState::Unreadable;
        table.Problem = "The top-score file could not be read (" + ErrorText(error) + "). ";
        return table;
    }
    if (!S_ISREG(opened.st_mode)) {
        ::close(fd);
        table.State = TopScoreFileState::Unreadable;
        table.Problem = "The top-score file is not a plain file and could not be read. ";
        return table;
    }
    // One byte past a table tells a longer file.
    std::vector<unsigned char> bytes(TopScoreFileBytes + 1);
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n == 0) {
            break;
        }
        if (n < 0 && errno != EINTR) {
            error = errno;
            ::close(fd);
            table.State = TopScoreFileState::Unreadable;
            table.Problem = "The top-score file could not be read (" + ErrorText(error) + "). ";
            return table;
        }
        got += n > 0 ? static_cast<std::size_t>(n) : 0;
    }
    ::close(fd);
    const bool longer = got > static_cast<std::size_t>(TopScoreFileBytes);
    got = std::min<std::size_t>(got, TopScoreFileBytes);
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
        table.Problem += "The top-score file is longer than a table of 20 places (" +
                         std::to_string(opened.st_size) +
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
    // A table the player linked elsewhere is written where the link points,
    // and the link stays.
    const fs::path file = FollowLinks(target, ec);
    if (ec) {
        return "The top-score table could not be saved (" + ec.message() + "). ";
    }
    return SaveTable(file, places);
}

TopScoreFilePresence FindTopScoreFile(const std::string& fileName) {
    std::error_code ec;
    FollowLinks(fileName, ec); // another user's link leads nowhere here
    int error = 0;
    return ec ? TopScoreFilePresence::CannotTell : LookFor(fileName, error);
}

std::string DeleteTopScoreTable(const std::string& fileName) {
    std::error_code ec;
    const fs::path file = FollowLinks(fileName, ec);
    if (ec) {
        return "The top-score table could not be deleted (" + ec.message() + "). ";
    }
    // Only a table is ever deleted: a link that leads to a device, a pipe or
    // a folder (one to /dev/null keeps a game from recording scores) stays
    // as it is, and gets no lock file beside what it leads to.
    struct stat s {};
    if (::lstat(file.c_str(), &s) != 0) {
        return errno == ENOENT
                   ? ""
                   : "The top-score table could not be deleted (" + ErrorText(errno) + "). ";
    }
    if (!S_ISREG(s.st_mode)) {
        return "The top-score file is not a plain file and could not be deleted. ";
    }
    // Under the lock, so that a game saving at this moment cannot bring the
    // cleared places back.
    TableLock lock;
    switch (lock.Acquire(file)) {
    case TableLock::Result::Held:
        break;
    case TableLock::Result::Busy:
        return std::string(TableBusy) + "; it could not be deleted. ";
    case TableLock::Result::Failed:
        return "The top-score table could not be deleted (" + lock.Problem() + "). ";
    }
    if (::lstat(file.c_str(), &s) == 0 && !S_ISREG(s.st_mode)) {
        return "The top-score file is not a plain file and could not be deleted. ";
    }
    if (::unlink(file.c_str()) != 0 && errno != ENOENT) {
        return "The top-score table could not be deleted (" + ErrorText(errno) + "). ";
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
    TableLock lock;
    fs::path file;
    bool madeFolder = false;
    const std::string notLocked = LockForSave(fileName, lock, file, madeFolder);
    // Without kernel locks, a game stopped for a minute may have lost the
    // lock to another game: it writes only while its lock file is still at
    // the name and the table is still the file it read.
    struct stat before {};
    const bool existed = ::stat(file.c_str(), &before) == 0;
    const auto unchanged = [&] {
        struct stat now {};
        const bool exists = ::stat(file.c_str(), &now) == 0;
        return lock.StillHeld() && exists == existed &&
               (!exists ||
                (now.st_dev == before.st_dev && now.st_ino == before.st_ino &&
                 now.st_size == before.st_size && now.st_mtim.tv_sec == before.st_mtim.tv_sec &&
                 now.st_mtim.tv_nsec == before.st_mtim.tv_nsec));
    };
    // Read even without the lock: a score that takes no place needs no save.
    TopScoreTable table = ReadTopScoreTable(file.string());
    if (table.State == TopScoreFileState::Unreadable) {
        // Its places are unknown: nothing is compared, and writing would lose them.
        entry.Outcome = TopScoreOutcome::TableUnreadable;
        entry.Message = TopScoreReadMessage(table, fileName);
        return entry;
    }
    const int place = InsertTopScore(table.Places, record);
    if (place != -1 || table.State != TopScoreFileState::Clean) {
        std::string failure = notLocked;
        if (failure.empty()) {
            failure = lock.KernelLock() ? SaveTable(file, table.Places)
                                        : SaveTable(file, table.Places, unchanged);
        }
        // The last check without kernel locks: the table read back must hold
        // the score at its place.
        if (failure.empty() && place != -1 && !lock.KernelLock() &&
            !HoldsRecordAt(file.string(), place, record)) {
            failure = WrittenMeanwhile;
        }
        if (!failure.empty()) {
            // The table on disk does not hold the score at its place.
            entry.Outcome = place != -1 ? TopScoreOutcome::NotSaved : TopScoreOutcome::Compared;
            entry.Message = table.Problem + failure + "Cannot save " + fileName;
            if (madeFolder) {
                RemoveFolderMadeForNothing(fs::path(fileName).parent_path(), lock);
            }
            return entry;
        }
    }
    entry.Place = place;
    entry.Message = TopScoreReadMessage(table, fileName);
    return entry;
}

} // namespace game
