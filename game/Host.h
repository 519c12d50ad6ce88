// The only way out of the game model: sounds, message boxes, the modal
// dialogs of the end of a game, pauses with the board on screen, the date and
// the random numbers. The application implements it over the board window;
// tests use a recording fake.
#pragma once

#include <string>

namespace game {

enum class MsgButtons { OK, OKCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgResult { OK, Cancel };

// What the winner dialog shows; the texts are decided by the game.
struct WinnerTexts {
    std::string lblPlayer1;
    std::string lblScore1;
    std::string lblPlayer2;
    std::string lblScore2;
    std::string lblWiner;
};

class Host {
public:
    virtual ~Host() = default;

    // Starts a sound and returns at once; a sound already playing is cut off.
    virtual void PlaySoundAsync(const std::string& name) = 0;
    // Plays a sound and returns when it has ended.
    virtual void PlaySoundSync(const std::string& name) = 0;

    virtual MsgResult MessageBox(const std::string& text, const std::string& title,
                                 MsgButtons buttons, MsgIcon icon) = 0;

    // The modal "Finish Game?" question; true = Finish Game, false = Undo Last Move.
    virtual bool AskFinishGame() = 0;
    // The modal top-score dialog in its new-score mode.
    virtual void ShowTopScores() = 0;
    // The modal winner dialog of a two-player game.
    virtual void ShowWinner(const WinnerTexts& texts) = 0;

    // Puts the board's current state on screen, then waits `ms` milliseconds
    // without handling input.
    virtual void Pause(int ms) = 0;

    // Today's date in the user's short date format.
    virtual std::string TodayText() = 0;

    // The time separator of the user's regional settings (":" in most).
    virtual std::string TimeSeparator() = 0;

    // Window commands that the toolbar reaches through the game: the rules
    // viewer (modeless) and closing the board window (which asks first).
    virtual void OpenQuickStart() = 0;
    virtual void CloseBoardWindow() = 0;

    // A uniform random number in [0, 1).
    virtual double Random() = 0;
    // Reseeds the random generator from the time of day.
    virtual void Reseed() = 0;
};

} // namespace game
