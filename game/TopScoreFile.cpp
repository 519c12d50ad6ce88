// Reading, inserting into, writing and deleting the top-score tables.
#include "TopScoreFile.h"
#include "Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

#include <fcntl.h>
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

    // The rename below would replace a table that its owner protected.
    if (::access(fileName.c_str(), W_OK) != 0 && errno != ENOENT) {
        return "The top-score file may not be written (" + Reason(errno) +
               "); it was left as it is. ";
    }

    const std::string temporary = fileName + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        return "The top-score table could not be saved (" + Reason(errno) + "). ";
    }
    bool ok = WriteAll(fd, bytes.data(), bytes.size()) && ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok) {
        fs::rename(temporary, target, ec);
        if (ec) {
            ok = false;
            error = ec.value();
        }
    }
    if (!ok) {
        fs::remove(temporary, ec);
        return "The top-score table could not be saved (" + Reason(error) + "). ";
    }
    SyncFolder(folder);
    return "";
}

bool TopScoreFileExists(const std::string& fileName) {
    std::error_code ec;
    return fs::exists(fileName, ec);
}

std::string DeleteTopScoreTable(const std::string& fileName) {
    std::error_code ec;
    fs::remove(fileName, ec);
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

void AdoptTopScoreTables(const std::string& oldFolder, const std::string& newFolder) {
    std::error_code error;
    if (fs::equivalent(oldFolder, newFolder, error)) {
        return;
    }
    for (int table = 1; table <= 4; ++table) {
        const fs::path from = TopScoreFileName(oldFolder, table);
        const fs::path to = TopScoreFileName(newFolder, table);
        if (!fs::is_regular_file(from, error) || fs::exists(fs::symlink_status(to, error))) {
            continue;
        }
        // Copied under a temporary name and renamed, so that a copy cut
        // short never stands as a table.
        fs::path temporary = to;
        temporary += ".tmp";
        fs::create_directories(to.parent_path(), error);
        if (fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error)) {
            fs::rename(temporary, to, error);
        }
        if (error) {
            fs::remove(temporary, error);
        }
    }
}

} // namespace game
