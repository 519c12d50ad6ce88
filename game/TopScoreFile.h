// The top-score files: one table of the 20 best final totals per rule set and
// dice count, kept in the user's data folder as 24-byte little-endian records
// (10-byte name, 32-bit score, 10-byte date) followed by the 32-bit value 1 at
// byte 480, 484 bytes in all. Names and dates are single-byte Windows-1252
// text on disk and UTF-8 in memory. Each table may have a lock file beside
// it ("scoresN.dat.lock", see TableLock.h) that games sharing the folder take
// turns on. Plain C++: the end of a game and the top-score dialog both use
// this API to read, insert into, write and delete tables.
#pragma once

#include "Program.h"

#include <array>
#include <cstdint>
#include <string>

namespace game {

constexpr int TopScorePlaces = 20;
constexpr int ScoreRecordBytes = 24;
constexpr int TopScoreFileBytes = 484;
constexpr std::int32_t EmptyPlaceScore = -9999;

using TopScorePlacesArray = std::array<ScoreRecord, TopScorePlaces>;

// Table 1 to 4 for the rules and dice in play: 1 four columns with six dice,
// 2 four columns with five, 3 one column with six, 4 one column with five.
int ScoreTableNumber(std::int32_t numberOfColumns, std::int32_t numberOfDice);

// The data folder (with its trailing '/') followed by "scores/scores<table>.dat".
std::string TopScoreFileName(const std::string& folder, int table);

// A name or date as a record field: converted to Windows-1252, cut or padded with
// blanks to 10 bytes, and brought back to UTF-8 (10 characters).
std::string ScoreText10(const std::string& text);
ScoreRecord MakeScoreRecord(const std::string& name, std::int32_t score, const std::string& date);

bool IsEmptyPlace(const ScoreRecord& record);

// One record as the 24 bytes on disk, and back.
std::array<unsigned char, ScoreRecordBytes> EncodeScoreRecord(const ScoreRecord& record);
ScoreRecord DecodeScoreRecord(const unsigned char* bytes);

enum class TopScoreFileState {
    Missing,    // no file, or an empty one: 20 empty places
    Clean,      // a 484-byte table whose 20 places all read back
    Repaired,   // a cut short, oversized or damaged file: the places that read back are kept
    Unreadable, // the file is there but could not be read: nothing may be written over it
};

struct TopScoreTable {
    TopScorePlacesArray Places; // best first; places the file did not yield are empty
    TopScoreFileState State = TopScoreFileState::Missing;
    // A plain description of what was wrong with the file, ending in ". ";
    // empty when the file was missing or clean.
    std::string Problem;
};

// Reads places 1 to 20. A record that cannot be a game's result (a score out
// of range, control characters in the name or date) is left out; places out
// of order are sorted back, best first, keeping the order of equal scores.
// A link at the table's name that another user made (see FollowLinks in
// SafeFile.h) is not followed: the table is then unreadable.
TopScoreTable ReadTopScoreTable(const std::string& fileName);

// Puts `record` into the table: above the first place whose score it beats
// strictly, so a tie goes below the equal scores. The place at 20 drops out.
// Returns the place 1 to 20, or -1 (table unchanged) when it beats none.
int InsertTopScore(TopScorePlacesArray& places, const ScoreRecord& record);

// Writes a full 484-byte table, creating the folder when it is missing. The
// bytes go to a temporary file of this process's beside the table that is
// then renamed over it, so the old table stays whole when anything fails; a
// table that is a symbolic link of the player's (or of the scores folder's
// owner) is written where the link points, and the link stays. A table file the user may not write
// is left as it is. Takes no lock: a caller that reads the table first holds it. Returns a plain
// description of the failure ending in ". ", or the empty text.
std::string WriteTopScoreTable(const std::string& fileName, const TopScorePlacesArray& places);

// Whether a table's file is there. A file that cannot even be looked at (a
// scores folder the user may not read, a plain file or a dangling link in
// the folder's place, a link of another user's at the table's name) is
// CannotTell, never Absent.
enum class TopScoreFilePresence { Absent, Present, CannotTell };
TopScoreFilePresence FindTopScoreFile(const std::string& fileName);

// Removes the table's file (where a link of the player's points, keeping the
// link) under the table's lock; a missing file is no failure, and anything but a plain file
// (a link to a device, a pipe or a folder) is never removed. Returns a plain description of
// the failure ending in ". ", or the empty text.
std::string DeleteTopScoreTable(const std::string& fileName);

// The text of the "Open scores" message about a table as read: its problem,
// then "Cannot open " and the file name when it could not be read, or
// "File: " and the file name when it was read despite damage. Empty when the
// table was missing or clean.
std::string TopScoreReadMessage(const TopScoreTable& table, const std::string& fileName);

struct TopScoreEntry {
    int Place = -1; // 1 to 20; -1 when the score took no place or was not saved
    TopScoreOutcome Outcome = TopScoreOutcome::Compared;
    // Everything that went wrong, as the text of one message ending in the
    // file's name ("Cannot save " when the table could not be written); empty
    // when nothing did.
    std::string Message;
};

// The insertion of a finished game: reads the table, inserts the record and
// writes the table back when it changed or the file needed repair, all under
// the table's lock (see TableLock.h), so that games in other processes
// sharing the folder take turns. The table's links are followed once: the
// file locked is the file read and written. A lock that another game holds
// for more than a few seconds, or that cannot be taken, like any failure to
// write, leaves the score without a place. An unreadable file is left
// untouched. A place is reported only once the table holding it has been
// saved; without kernel locks, only once the saved table has been read back
// holding it. A save that fails leaves no scores folder that it made itself.
TopScoreEntry EnterTopScoreInFile(const std::string& fileName, const ScoreRecord& record);

} // namespace game
