// The status bar's own texts and the three timers that drive it: the player
// on turn, the elapsed-time clock, the delayed "Roll the dice" prompt and the
// scrolling game-over marquee.
#include "Game.h"

#include <cctype>
#include <optional>
#include <vector>

namespace game {

namespace {

struct TimeOfDay {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};

bool AllDigits(const std::string& text) {
    if (text.empty() || text.size() > 2) {
        return false;
    }
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

std::optional<TimeOfDay> FromParts(const std::vector<std::string>& parts) {
    if (parts.size() != 3) {
        return std::nullopt;
    }
    for (const std::string& part : parts) {
        if (!AllDigits(part)) {
            return std::nullopt;
        }
    }
    TimeOfDay t{std::stoi(parts[0]), std::stoi(parts[1]), std::stoi(parts[2])};
    if (t.hours > 23 || t.minutes > 59 || t.seconds > 59) {
        return std::nullopt;
    }
    return t;
}

std::vector<std::string> SplitOn(const std::string& text, const std::string& separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

std::vector<std::string> DigitRuns(const std::string& text) {
    std::vector<std::string> runs;
    std::string run;
    for (char c : text) {
        if (std::isdigit(static_cast<unsigned char>(c))) {
            run += c;
        } else if (!run.empty()) {
            runs.push_back(run);
            run.clear();
        }
    }
    if (!run.empty()) {
        runs.push_back(run);
    }
    return runs;
}

// Reads the shown clock. The text is normally written with the current
// separator; a text written before the user changed the separator is read by
// its digit groups, and anything unreadable starts the clock again from zero.
TimeOfDay ReadClock(const std::string& text, const std::string& separator) {
    if (!separator.empty()) {
        if (auto t = FromParts(SplitOn(text, separator))) {
            return *t;
        }
    }
    if (auto t = FromParts(DigitRuns(text))) {
        return *t;
    }
    return {};
}

std::string TwoDigits(int value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

} // namespace

void Game::ShowTurnPlayerName(std::int32_t code) {
    if (code == 2) {
        board.StatusBar1.Panels[1].Text = prog.Settings.Player2;
    } else if (code == 3) {
        board.StatusBar1.Panels[1].Text = prog.Settings.Player1;
    }
}

void Game::tmrTimeElapsed_Timer() {
    const std::string separator = host.TimeSeparator();
    TimeOfDay t = ReadClock(board.lblTimeElapsed.Caption, separator);
    // One second later, wrapping from 23:59:59 to 00:00:00.
    int total = (t.hours * 3600 + t.minutes * 60 + t.seconds + 1) % (24 * 3600);
    t.hours = total / 3600;
    t.minutes = total / 60 % 60;
    t.seconds = total % 60;
    board.lblTimeElapsed.Caption =
        TwoDigits(t.hours) + separator + TwoDigits(t.minutes) + separator + TwoDigits(t.seconds);
    board.StatusBar1.Panels[5].Text = board.lblTimeElapsed.Caption;
}

void Game::tmrRollDice_Timer() {
    // The prompt comes on the second tick after the timer was started.
    if (board.RollPromptTicks != 1) {
        ++board.RollPromptTicks;
        return;
    }
    board.StatusBar1.Panels[2].Text = "Roll the dice";
    board.tmrRollDice.Enabled = false;
    board.RollPromptTicks = 0;
}

void Game::tmrGameOver_Timer() {
    auto& panels = board.StatusBar1.Panels;
    if (board.MarqueeStarted == 0) {
        // The first game over of the run blanks the prompt and the round and
        // pauses two seconds before the text starts to scroll.
        panels[2].Text = "";
        panels[4].Text = "";
        board.tmrGameOver.Interval = 2000;
    } else {
        board.tmrGameOver.Interval = 150;
        std::string& text = board.MarqueeText;
        if (!text.empty()) {
            text = text.substr(1) + text.front();
        }
        panels[2].Text = text;
    }
    board.MarqueeStarted = 1;
}

} // namespace game
