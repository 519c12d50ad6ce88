// A Host that records what the game asks of the outside world and answers
// from scripts: dice faces, message-box answers and end-of-game choices.
#pragma once

#include "game/Board.h"
#include "game/Game.h"
#include "game/Host.h"
#include "game/Program.h"

#include <cstddef>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

namespace testing_support {

struct MessageSeen {
    std::string text;
    std::string title;
    game::MsgButtons buttons;
    game::MsgIcon icon;
};

class FakeHost : public game::Host {
public:
    // Every sound played, in order; synchronous ones are prefixed "sync:".
    std::vector<std::string> sounds;
    std::vector<MessageSeen> messages;
    std::vector<int> pauses;
    std::vector<game::WinnerTexts> winners;
    int topScoreDialogs = 0;
    int finishQuestions = 0;
    int reseeds = 0;
    int quickStartOpened = 0;
    int closeRequests = 0;
    std::string timeSeparator = ":";

    // Scripted answers; when a script runs dry the default is used.
    std::deque<double> randoms;
    double defaultRandom = 0.0;
    std::deque<game::MsgResult> messageAnswers;
    game::MsgResult defaultMessageAnswer = game::MsgResult::OK;
    std::deque<bool> finishAnswers;
    bool defaultFinishAnswer = true;
    std::string today = "08/12/2026";

    void PlaySoundAsync(const std::string& name) override { sounds.push_back(name); }
    void PlaySoundSync(const std::string& name) override { sounds.push_back("sync:" + name); }

    game::MsgResult MessageBox(const std::string& text, const std::string& title,
                               game::MsgButtons buttons, game::MsgIcon icon) override {
        messages.push_back({text, title, buttons, icon});
        if (messageAnswers.empty()) {
            return defaultMessageAnswer;
        }
        auto answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }

    bool AskFinishGame() override {
        ++finishQuestions;
        if (finishAnswers.empty()) {
            return defaultFinishAnswer;
        }
        bool answer = finishAnswers.front();
        finishAnswers.pop_front();
        return answer;
    }

    void ShowTopScores() override { ++topScoreDialogs; }
    void ShowWinner(const game::WinnerTexts& texts) override { winners.push_back(texts); }
    void Pause(int ms) override { pauses.push_back(ms); }
    std::string TodayText() override { return today; }

    std::string TimeSeparator() override { return timeSeparator; }
    void OpenQuickStart() override { ++quickStartOpened; }
    void CloseBoardWindow() override { ++closeRequests; }

    double Random() override {
        if (randoms.empty()) {
            return defaultRandom;
        }
        double r = randoms.front();
        randoms.pop_front();
        return r;
    }
    void Reseed() override { ++reseeds; }

    // The random number that makes the roll draw `face` (1 to 6).
    static double ForFace(int face) { return (face - 1 + 0.5) / 6.0; }

    // Scripts one throw. The roll draws nine animation frames of one number
    // per free die, then one number per free die for its face, in die order;
    // `faces` are the faces of the free dice in that order.
    void ScriptRoll(std::initializer_list<int> faces) {
        for (int frame = 0; frame < 9; ++frame) {
            for (std::size_t die = 0; die < faces.size(); ++die) {
                randoms.push_back(0.0);
            }
        }
        for (int face : faces) {
            randoms.push_back(ForFace(face));
        }
    }

    void ClearRecords() {
        sounds.clear();
        messages.clear();
        pauses.clear();
    }
};

// A board, program and game wired to a fake host, with the first-run settings.
struct Table {
    game::Board board;
    game::Program prog;
    FakeHost host;
    game::Game game{board, prog, host};

    explicit Table(int lastDie = 4, int columns = 4, int players = 1) {
        prog.Settings = game::GameSettings::FirstRunDefaults();
        prog.Settings.NumberOfDice = lastDie;
        prog.Settings.NumberOfColumns = columns;
        prog.Settings.NumberOfPlayers = players;
        prog.LastDie = lastDie;
        for (int die = 0; die <= lastDie; ++die) {
            prog.DieFree[die] = true;
        }
        prog.SoundOn = true;
    }

    // Scripts the faces of the free dice for the next throw (FakeHost::ScriptRoll).
    void ScriptRoll(std::initializer_list<int> faces) { host.ScriptRoll(faces); }

    // Puts faces on the table in die order.
    void SetDice(std::initializer_list<int> faces) {
        int i = 0;
        for (int face : faces) {
            board.Dice[i++] = face;
        }
    }
};

} // namespace testing_support
