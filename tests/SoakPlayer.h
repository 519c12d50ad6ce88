// A player that plays whole games through the board's public handlers only,
// choosing at random among what the board offers (shown and enabled cells
// and dice, the roll picture, Next Player, undo and redo while their menu
// items are enabled, hints, New Game), and a host whose dice and answers
// come from fixed seeds. After every handler the whole board is checked
// against the rules worked out afresh; the first fault stops the run and is
// reported with the actions that led to it.
#pragma once

#include "SheetRules.h"
#include "TempFolder.h"
#include "game/Game.h"
#include "game/NumberText.h"
#include "game/TopScoreFile.h"

#include <deque>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace testing_support {

struct SoakConfig {
    int lastDie = 4;
    int columns = 4;
    int players = 1;
};

// Options a whole run keeps.
struct SoakSwitches {
    bool confirmQuitGame = true;
    bool hintsAlways = false;
};

inline std::string Describe(const SoakConfig& c) {
    return std::to_string(c.lastDie + 1) + " dice, " + std::to_string(c.columns) +
           (c.columns == 1 ? " column, " : " columns, ") + std::to_string(c.players) +
           (c.players == 1 ? " player" : " players");
}

inline const char* const SoakToday = "08/12/2026";

// The outside world of the soak: seeded dice, seeded answers, and a record
// of what the game asked during the current handler.
class SoakHost : public game::Host {
public:
    struct Entry {
        std::int32_t score = 0;
        std::string name;
        bool secondPlayer = false;
    };

    SoakHost(const game::Board& board, const game::Program& prog, unsigned seed)
        : board_(board), prog_(prog), dice_(seed), answers_(seed ^ 0x5eedu) {}

    double finishChance = 0.7;
    game::MsgResult quitAnswer = game::MsgResult::OK;

    // What the current handler asked for.
    std::vector<bool> finishAnswers; // true = Finish Game
    std::vector<Entry> entries;      // top-score insertions
    std::vector<game::WinnerTexts> winners;
    std::vector<std::string> unexpected;
    std::string questionFault;
    int quitQuestions = 0;
    int reminders = 0;
    int topScoreDialogs = 0;

    void NewHandler() {
        finishAnswers.clear();
        entries.clear();
        winners.clear();
        unexpected.clear();
        questionFault.clear();
        quitQuestions = reminders = topScoreDialogs = 0;
    }

    void PlaySoundAsync(const std::string&) override {}
    void PlaySoundSync(const std::string&) override {}

    game::MsgResult MessageBox(const std::string& text, const std::string& title, game::MsgButtons,
                               game::MsgIcon) override {
        if (text == "Quit this Game?") {
            ++quitQuestions;
            return quitAnswer;
        }
        if (text == "You must announce now!") {
            ++reminders;
            return game::MsgResult::OK;
        }
        unexpected.push_back(title + ": " + text);
        return game::MsgResult::OK;
    }

    bool AskFinishGame() override {
        const int moves = prog_.Settings.NumberOfColumns == 1 ? 13 : 52;
        if (board_.Round != moves || board_.LastRollCount >= 3) {
            questionFault = "\"Finish Game?\" asked at Round " + std::to_string(board_.Round) +
                            " after " + std::to_string(board_.LastRollCount) + " rolls";
        }
        const bool finish = Chance(answers_) < finishChance;
        finishAnswers.push_back(finish);
        return finish;
    }

    void ShowTopScores() override { ++topScoreDialogs; }
    void ShowWinner(const game::WinnerTexts& texts) override { winners.push_back(texts); }
    void Pause(int) override {}

    // Asked once by each top-score insertion: the moment to note what the
    // entry must hold.
    std::string TodayText() override {
        Entry e;
        e.score = game::ReadWholeNumber(board_.lblGrandTotal.Caption);
        e.secondPlayer = prog_.Settings.NumberOfPlayers == 2 && board_.SecondPlayerTurn[1];
        e.name = e.secondPlayer ? prog_.Settings.Player2 : prog_.Settings.Player1;
        entries.push_back(e);
        return SoakToday;
    }
    std::string TimeSeparator() override { return ":"; }
    void OpenQuickStart() override {}
    void CloseBoardWindow() override {}

    double Random() override { return Chance(dice_); }
    void Reseed() override {} // the seeded stream goes on

    static double Chance(std::mt19937& rng) {
        return std::uniform_int_distribution<int>(0, 999999)(rng) / 1000000.0;
    }

private:
    const game::Board& board_;
    const game::Program& prog_;
    std::mt19937 dice_;
    std::mt19937 answers_;
};

// What a soak run did, for the test's own sanity checks.
struct SoakTally {
    int games = 0;    // games that reached GameIsOver
    int steps = 0;    // handlers run
    int newGames = 0; // New Game that acted in a running game
    int cancels = 0;  // "Quit this Game?" answered Cancel
    int optionChanges = 0;
    int questions = 0;
    int undoAnswers = 0;
    int undos = 0;
    int redos = 0;
    int bonuses = 0;          // upper bonuses won by a click
    int interestingUndos = 0; // undos of a move that won a bonus or a middle total
    int redoQuestions = 0;    // end-of-game questions asked inside a redo
    int reminders = 0;
    int entries = 0;
    int placed = 0;
};

class SoakPlayer {
public:
    SoakPlayer(SoakConfig start, unsigned seed, SoakSwitches switches = {});

    // Plays until `games` games have ended or a fault is found.
    void Play(int games);

    std::string fault; // the first fault, with the actions before it
    SoakTally tally;

private:
    using Action = std::function<void()>;
    struct Choice {
        double weight;
        std::string name;
        Action run;
    };

    void Apply(const SoakConfig& c);
    void Do(const std::string& name, const Action& run);
    void Check(const std::string& name);
    std::string Fault();
    std::string EntryFault();
    std::string EndFault();

    void OneAction();
    void AddRollChoices(std::vector<Choice>& choices);
    void AddCellChoices(std::vector<Choice>& choices);
    void AddDiceChoices(std::vector<Choice>& choices);
    double RowAppeal(int row) const;
    void ClickCell(int column, int row);
    void HoldTheMostCommonFace();
    void NewGameMidGame();
    void ChangeOptions(bool midGame);
    void ChangeOptionsWithNoGame();
    void AfterGame();
    void RunReveal();
    void DeleteTableSometimes();
    bool Chance(double p) { return SoakHost::Chance(rng_) < p; }
    template <typename T> const T& Pick(const std::vector<T>& from) {
        return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(rng_)];
    }

    int Moves() const { return prog.Settings.NumberOfColumns == 1 ? 13 : 52; }
    bool TwoPlayers() const { return prog.Settings.NumberOfPlayers == 2; }
    std::string ScoreFile() const {
        return game::TopScoreFileName(
            prog.ScoresPath,
            game::ScoreTableNumber(prog.Settings.NumberOfColumns, prog.Settings.NumberOfDice));
    }

    TempFolder folder_;
    game::Board board;
    game::Program prog;
    SoakHost host;
    game::Game game{board, prog, host};
    std::mt19937 rng_;
    SoakConfig home_;
    std::deque<std::string> log_;
    int entriesThisGame_ = 0;
    bool inRedo_ = false;
    bool interesting_ = false;
};

} // namespace testing_support
