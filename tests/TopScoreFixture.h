// What the top-score tests share: tables made of scores, a finished game
// with its program and data folders, a disk made full, and the checks of the
// "Open scores" message.
#pragma once

#include "FakeHost.h"
#include "TempFolder.h"
#include "game/TopScoreFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

namespace topscore_testing {

using namespace game;
using testing_support::ReadBytes;
using testing_support::Table;
using testing_support::TempFolder;
using testing_support::WriteBytes;

using Bytes = std::vector<unsigned char>;

inline const std::string EmptyText = std::string(1, '\0') + std::string(9, ' ');

inline std::int32_t Int32At(const Bytes& bytes, std::size_t offset) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) {
        u = (u << 8) | bytes.at(offset + i);
    }
    return static_cast<std::int32_t>(u);
}

inline std::string TextAt(const Bytes& bytes, std::size_t offset) {
    return std::string(bytes.begin() + offset, bytes.begin() + offset + 10);
}

// A table whose places hold these scores, named "P<score>", best first.
inline TopScorePlacesArray TableOf(std::initializer_list<int> scores) {
    TopScorePlacesArray places;
    int i = 0;
    for (int score : scores) {
        places[i++] = MakeScoreRecord("P" + std::to_string(score), score, "01/02/2026");
    }
    return places;
}

inline std::vector<int> ScoresIn(const TopScorePlacesArray& places) {
    std::vector<int> scores;
    for (const auto& place : places) {
        if (!IsEmptyPlace(place)) {
            scores.push_back(place.Score);
        }
    }
    return scores;
}

// The names in a folder, sorted; the tables' lock files are left out.
inline std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!name.ends_with(".lock")) {
            names.push_back(name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

// While it lives, files cannot grow beyond `limit` bytes: a write fails
// part-way, as on a full disk.
class FullDisk {
public:
    explicit FullDisk(rlim_t limit = 100) : signal_(std::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        rlimit small = before_;
        small.rlim_cur = limit;
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, signal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    void (*signal_)(int);
    rlimit before_{};
};

// A finished one-player game with five dice and four columns (table 2),
// its program folder and the user's data folder in temporary folders.
struct Finished {
    TempFolder programFolder;
    TempFolder folder; // the user's data folder
    Table t{4, 4, 1};
    std::string file;

    Finished() {
        t.prog.AppPath = programFolder.appPath();
        t.prog.ScoresPath = folder.appPath();
        t.prog.Settings.Player1 = FixedText10("Ann");
        file = TopScoreFileName(t.prog.ScoresPath, 2);
    }
    int Enter(int score) {
        t.board.lblGrandTotal.Caption = std::to_string(score);
        t.game.EnterTopScore();
        return t.prog.NewScorePosition;
    }
    void Store(std::initializer_list<int> scores) {
        ASSERT_EQ(WriteTopScoreTable(file, TableOf(scores)), "");
    }
    std::vector<int> Stored() { return ScoresIn(ReadTopScoreTable(file).Places); }
};

// One "Open scores" box whose text ends in `tail` and the table's file name.
inline void ExpectOneOpenScoresMessage(const Finished& f, const std::string& tail) {
    ASSERT_EQ(f.t.host.messages.size(), 1u);
    const auto& message = f.t.host.messages[0];
    EXPECT_EQ(message.title, "Open scores");
    EXPECT_EQ(message.buttons, MsgButtons::OK);
    EXPECT_EQ(message.icon, MsgIcon::Information);
    const std::string end = tail + f.file;
    ASSERT_GT(message.text.size(), end.size()) << message.text;
    EXPECT_EQ(message.text.substr(message.text.size() - end.size()), end) << message.text;
}

// A score that beats the whole table but cannot be saved: no place is
// claimed, the table on disk stays as it was, and one message says why.
inline void ExpectNotSaved(Finished& f) {
    const Bytes before = ReadBytes(f.file);
    EXPECT_EQ(f.Enter(5000), -1);
    EXPECT_EQ(f.t.prog.NewScoreOutcome, TopScoreOutcome::NotSaved);
    EXPECT_TRUE(f.t.prog.ShowNewScore);
    ExpectOneOpenScoresMessage(f, "Cannot save ");
    EXPECT_EQ(ReadBytes(f.file), before);
}

// A table that cannot be read: nothing is compared or written over it.
inline void ExpectUnreadable(Finished& f) {
    EXPECT_EQ(f.Enter(60), -1);
    EXPECT_EQ(f.t.prog.NewScoreOutcome, TopScoreOutcome::TableUnreadable);
    EXPECT_TRUE(f.t.prog.ShowNewScore);
    ExpectOneOpenScoresMessage(f, "Cannot open ");
}

// Root may read and write whatever the permissions say; these cases need an
// ordinary user.
inline bool RunAsRoot() {
    return ::geteuid() == 0;
}
#define SKIP_AS_ROOT()                                                                             \
    if (RunAsRoot()) {                                                                             \
        GTEST_SKIP()                                                                               \
            << "file permissions do not bind root: run as an ordinary user to check this";         \
    }

} // namespace topscore_testing
