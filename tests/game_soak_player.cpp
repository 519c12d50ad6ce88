// The soak player's moves: what it clicks, how it answers, New Game and the
// options dialog, the reveal; see SoakPlayer.h.
#include "SoakPlayer.h"

#include "BoardPicture.h"

#include <algorithm>

namespace testing_support {

using namespace game;

namespace {

constexpr int MaxStepsPerGame = 20000;
constexpr int MaxRevealTicks = 400;
constexpr std::size_t LogLength = 40;

const char* const ColumnNames[] = {"", "Down", "Up", "Rand", "Oblg"};

// What Cancel in "Quit this Game?" must leave exactly as it was.
BoardPicture WholePicture(const Board& b, const Program& prog) {
    BoardPicture p = TakePicture(b, prog);
    p["GameInProgress"] = std::to_string(prog.GameInProgress);
    p["GameIsOver"] = std::to_string(b.GameIsOver);
    p["columnRow"] = std::to_string(b.CurrentColumn) + " " + std::to_string(b.CurrentRow) + " " +
                     std::to_string(b.RedoColumn) + " " + std::to_string(b.RedoOblgTwice);
    p["LastRollCount"] = std::to_string(b.LastRollCount);
    p["RowScore"] = std::to_string(b.RowScore);
    p["caption"] = b.Caption;
    p["panel1"] = b.StatusBar1.Panels[1].Text;
    p["panel4"] = b.StatusBar1.Panels[4].Text;
    p["saved"] = std::to_string(b.SavedSheetReady) + " " + std::to_string(b.OtherPlayerTotal) +
                 " " + std::to_string(b.Saved4.Round) + " " + std::to_string(b.Saved1.Round);
    p["reveal"] = std::to_string(b.tmrAnimation.Enabled) + " " + std::to_string(b.RevealVariant);
    return p;
}

} // namespace

SoakPlayer::SoakPlayer(SoakConfig start, unsigned seed, SoakSwitches switches)
    : host(board, prog, seed), rng_(seed * 2654435761u + 17u), home_(start) {
    prog.Settings = GameSettings::FirstRunDefaults();
    prog.Settings.Player1 = FixedText10("Ann");
    prog.Settings.Player2 = FixedText10("Bartholomew"); // cut to ten characters
    prog.AppPath = folder_.appPath();
    prog.ScoresPath = folder_.appPath();
    prog.Settings.ConfirmQuitGame = switches.confirmQuitGame;
    prog.Settings.hintAllways = switches.hintsAlways;
    Apply(start);
    prog.SoundOn = true;
    game.Form_Load(19200, 15360);
    Check("Form_Load");
}

void SoakPlayer::Apply(const SoakConfig& c) {
    prog.Settings.NumberOfDice = c.lastDie;
    prog.Settings.NumberOfColumns = c.columns;
    prog.Settings.NumberOfPlayers = c.players;
}

void SoakPlayer::Do(const std::string& name, const Action& run) {
    if (!fault.empty()) {
        return;
    }
    log_.push_back(name);
    if (log_.size() > LogLength) {
        log_.pop_front();
    }
    host.NewHandler();
    run();
    ++tally.steps;
    Check(name);
}

void SoakPlayer::Play(int games) {
    int stepsThisGame = 0;
    const int target = tally.games + games;
    while (fault.empty() && tally.games < target) {
        if (board.GameIsOver) {
            ++tally.games;
            stepsThisGame = 0;
            AfterGame();
            continue;
        }
        if (++stepsThisGame > MaxStepsPerGame) {
            fault = "a game did not end after " + std::to_string(MaxStepsPerGame) + " actions";
            return;
        }
        OneAction();
    }
}

void SoakPlayer::OneAction() {
    if (interesting_ && board.mnuUndoUndo.Enabled && Chance(0.5)) {
        interesting_ = false;
        ++tally.undos;
        ++tally.interestingUndos;
        Do("Undo of a bonus or middle total", [this] { game.mnuUndoUndo_Click(); });
        return;
    }
    interesting_ = false;
    if ((board.RollCount == 1 || board.RollCount == 2) && Chance(0.5)) {
        HoldTheMostCommonFace();
        return;
    }
    std::vector<Choice> choices;
    AddRollChoices(choices);
    AddCellChoices(choices);
    AddDiceChoices(choices);
    if (board.mnuUndoUndo.Enabled) {
        choices.push_back({0.6, "Undo", [this] {
                               ++tally.undos;
                               if (Chance(0.5) && board.Toolbar2.Buttons[3].Enabled) {
                                   game.Toolbar2_ButtonClick(board.Toolbar2.Buttons[3].Key);
                               } else {
                                   game.mnuUndoUndo_Click();
                               }
                           }});
    }
    if (board.mnuUndoRedo.Enabled) {
        choices.push_back({1.5, "Redo", [this] {
                               ++tally.redos;
                               inRedo_ = true;
                               if (Chance(0.5) && board.Toolbar2.Buttons[4].Enabled) {
                                   game.Toolbar2_ButtonClick(board.Toolbar2.Buttons[4].Key);
                               } else {
                                   game.mnuUndoRedo_Click();
                               }
                           }});
    }
    if (board.Toolbar2.Buttons[6].Enabled) {
        choices.push_back({0.08, "hint", [this] { game.Toolbar2_ButtonClick("tbHint"); }});
    }
    if (board.mnuHintsAllways2.Visible) {
        choices.push_back({0.01, "hints always", [this] { game.mnuHintsAllways2_Click(); }});
    }
    if (board.mnuHintsByRequest2.Visible) {
        choices.push_back({0.01, "hints on request", [this] { game.mnuHintsByRequest2_Click(); }});
    }
    choices.push_back({0.01, "sound switch", [this] { game.Toolbar2_ButtonClick("tbSound"); }});
    if (board.cmdShowNextBoard.Visible && board.cmdShowNextBoard.Enabled) {
        // The board viewer belongs to a finished two-player game; whenever it
        // is on offer, a player may click it.
        choices.push_back({0.5, "Show Board", [this] { game.cmdShowNextBoard_Click(); }});
    }

    double total = 0;
    for (const auto& c : choices) {
        total += c.weight;
    }
    // New Game and the options dialog come now and then, whatever the turn.
    if (Chance(1.0 / 2500)) {
        NewGameMidGame();
        return;
    }
    if (prog.GameInProgress && Chance(1.0 / 5000)) {
        ChangeOptions(true);
        return;
    }
    if (!prog.GameInProgress && Chance(1.0 / 100)) {
        ChangeOptionsWithNoGame();
        return;
    }
    double pick = SoakHost::Chance(rng_) * total;
    for (const auto& c : choices) {
        if (pick < c.weight) {
            Do(c.name, c.run);
            inRedo_ = false;
            return;
        }
        pick -= c.weight;
    }
    if (!choices.empty()) {
        Do(choices.back().name, choices.back().run);
        inRedo_ = false;
    }
}

void SoakPlayer::AddRollChoices(std::vector<Choice>& choices) {
    if (TwoPlayers() && board.cmdNextPlayer.Visible && board.cmdNextPlayer.Enabled) {
        choices.push_back({3.0, "Next Player", [this] { game.cmdNextPlayer_Click(); }});
    }
    if (!board.picRollDices.Enabled || board.tmrAnimation.Enabled) {
        return;
    }
    const double weight = board.RollCount == 0 ? 8.0 : 3.0;
    choices.push_back({weight * 0.8, "roll", [this] {
                           game.picRollDices_MouseDown(1, 0, 615, 645);
                           game.picRollDices_MouseUp(1, 0, 615, 645);
                       }});
    choices.push_back({weight * 0.2, "Enter", [this] { game.Form_KeyPress(13); }});
}

// How much a player would like to write the dice into a row: enough of a
// face for the upper rows, a high Max and a low Min, and the lower rows
// that score at all. Rough on purpose; it only steers the soak towards
// bonuses, middle totals and big rows.
double SoakPlayer::RowAppeal(int row) const {
    std::array<int, 7> count{};
    std::vector<int> faces;
    for (int die = 0; die <= prog.LastDie; ++die) {
        ++count[board.Dice[die]];
        faces.push_back(board.Dice[die]);
    }
    std::sort(faces.begin(), faces.end());
    const int most = *std::max_element(count.begin() + 1, count.end());
    bool pair = false;
    bool triple = false;
    for (int face = 1; face <= 6; ++face) {
        triple = triple || count[face] >= 3;
        pair = pair || count[face] == 2;
    }
    const bool straight = (count[2] && count[3] && count[4] && count[5]) && (count[1] || count[6]);
    if (row <= rowSixes) {
        const int n = std::min(count[row + 1], 5);
        return n >= 3 ? 10.0 + n * (row + 1) : n * (row + 1) - 12.0;
    }
    const int n = static_cast<int>(faces.size());
    switch (row) {
    case rowMax:
        return faces[n - 1] + faces[n - 2] + faces[n - 3] + faces[n - 4] + faces[n - 5] - 18.0;
    case rowMin:
        return 16.0 - (faces[0] + faces[1] + faces[2] + faces[3] + faces[4]);
    case rowThreeOfAKind:
        return most >= 3 ? 18.0 : -20.0;
    case rowFullHouse:
        return triple && pair ? 25.0 : -20.0;
    case rowStraight:
        return straight ? 40.0 : -20.0;
    case rowFourOfAKind:
        return most >= 4 ? 30.0 : -20.0;
    default:
        return most >= 5 ? 60.0 : -25.0;
    }
}

void SoakPlayer::AddCellChoices(std::vector<Choice>& choices) {
    std::vector<std::pair<int, int>> offered;
    for (int column = colDown; column <= colOblg; ++column) {
        for (int row = 0; row < RowCount; ++row) {
            const Control& button = board.Buttons(column)[row];
            if (button.Visible && button.Enabled) {
                offered.emplace_back(column, row);
            }
        }
    }
    if (offered.empty()) {
        return;
    }
    // Mostly the cell the dice suit best, now and then any offered cell.
    std::pair<int, int> target = Pick(offered);
    if (Chance(0.8)) {
        double best = -1e9;
        for (const auto& cell : offered) {
            const double appeal = RowAppeal(cell.second);
            if (appeal > best) {
                best = appeal;
                target = cell;
            }
        }
    }
    const auto [column, row] = target;
    const double weight = board.RollCount == 3 ? 12.0 : board.RollCount == 2 ? 3.0 : 1.0;
    const std::string name = std::string("cmd") + ColumnNames[column] + "_Click(" +
                             std::to_string(row) + ") at Round " + std::to_string(board.Round) +
                             ", roll " + std::to_string(board.RollCount);
    choices.push_back(
        {weight, name, [this, column = column, row = row] { ClickCell(column, row); }});
}

void SoakPlayer::ClickCell(int column, int row) {
    const auto index = static_cast<std::int16_t>(row);
    const auto bonusBefore = board.UpperBonusGiven;
    const bool middleBefore = !board.MiddleTotal(column).Caption.empty();
    if (Chance(0.3)) {
        // The pointer comes onto the button first.
        game.CellMouseMove(column, index, 10, 10);
    }
    game.CellClick(column, index);
    // A move that won a bonus or completed a middle total is worth taking
    // back and replaying.
    const bool middleNow = !board.MiddleTotal(column).Caption.empty();
    const bool bonusWon = board.UpperBonusGiven[column] && !bonusBefore[column];
    tally.bonuses += bonusWon ? 1 : 0;
    interesting_ = bonusWon || middleNow != middleBefore;
}

// Sets aside the dice of the face that shows most (the higher face on a
// tie) and takes the others back, one click at a time.
void SoakPlayer::HoldTheMostCommonFace() {
    std::array<int, 7> count{};
    for (int die = 0; die <= prog.LastDie; ++die) {
        ++count[board.Dice[die]];
    }
    int keep = 6;
    for (int face = 6; face >= 1; --face) {
        if (count[face] > count[keep]) {
            keep = face;
        }
    }
    for (int die = 0; die <= prog.LastDie && fault.empty(); ++die) {
        const auto index = static_cast<std::int16_t>(die);
        const bool wanted = board.Dice[die] == keep;
        if (wanted && board.picDice[die].Visible && board.picDice[die].Enabled) {
            Do("hold " + std::to_string(die), [this, index] { game.picDice_Click(index); });
        } else if (!wanted && board.PicDiceOff[die].Visible && board.PicDiceOff[die].Enabled) {
            Do("release " + std::to_string(die), [this, index] { game.PicDiceOff_Click(index); });
        }
    }
}

void SoakPlayer::AddDiceChoices(std::vector<Choice>& choices) {
    const bool midTurn = board.RollCount == 1 || board.RollCount == 2;
    for (int die = 0; die <= prog.LastDie; ++die) {
        const auto index = static_cast<std::int16_t>(die);
        if (board.picDice[die].Visible && board.picDice[die].Enabled) {
            choices.push_back({midTurn ? 0.5 : 0.05, "hold " + std::to_string(die),
                               [this, index] { game.picDice_Click(index); }});
        }
        if (board.PicDiceOff[die].Visible && board.PicDiceOff[die].Enabled) {
            choices.push_back({0.35, "release " + std::to_string(die),
                               [this, index] { game.PicDiceOff_Click(index); }});
        }
    }
}

// New Game from the menu or the toolbar in a running game, answered OK or
// Cancel; before the game's first roll it must do nothing at all.
void SoakPlayer::NewGameMidGame() {
    const bool inProgress = prog.GameInProgress;
    const bool questionDue = inProgress && prog.Settings.ConfirmQuitGame;
    const bool cancel = Chance(0.5);
    host.quitAnswer = cancel ? MsgResult::Cancel : MsgResult::OK;
    const BoardPicture before = WholePicture(board, prog);
    Do(std::string("New Game, answer ") + (cancel ? "Cancel" : "OK"), [this] {
        if (Chance(0.5)) {
            game.mnuNewGame_Click();
        } else {
            game.Toolbar2_ButtonClick("tbNew");
        }
    });
    if (!fault.empty()) {
        return;
    }
    if (host.quitQuestions != (questionDue ? 1 : 0)) {
        fault = "\"Quit this Game?\" asked " + std::to_string(host.quitQuestions) +
                " times with GameInProgress " + std::to_string(inProgress) +
                " and ConfirmQuitGame " + std::to_string(prog.Settings.ConfirmQuitGame);
        return;
    }
    if (!inProgress || (questionDue && cancel)) {
        if (WholePicture(board, prog) != before) {
            fault = "New Game before the first roll or after Cancel changed the board";
        }
        tally.cancels += questionDue ? 1 : 0;
        return;
    }
    ++tally.newGames;
    entriesThisGame_ = 0;
    RunReveal();
}

// The options dialog changing the dice, columns or players: in a running
// game it asks "Start a New Game?" itself, then runs New Game without its
// own question and lays the board out again.
void SoakPlayer::ChangeOptions(bool midGame) {
    // Away from the run's own mix to any other, and back again next time.
    const SoakConfig current{prog.Settings.NumberOfDice, prog.Settings.NumberOfColumns,
                             prog.Settings.NumberOfPlayers};
    const bool home = current.lastDie == home_.lastDie && current.columns == home_.columns &&
                      current.players == home_.players;
    const SoakConfig next =
        home ? SoakConfig{Chance(0.5) ? 4 : 5, Chance(0.5) ? 1 : 4, Chance(0.5) ? 1 : 2} : home_;
    Do("options: " + Describe(next), [this, next] {
        Apply(next);
        prog.NewGameAnswer = 1;
        game.mnuNewGame_Click();
        game.SetControls();
        prog.NewGameAnswer = 0;
    });
    if (host.quitQuestions != 0 && fault.empty()) {
        fault = "New Game asked again after the options dialog had asked";
    }
    ++tally.optionChanges;
    tally.newGames += midGame ? 1 : 0;
    entriesThisGame_ = 0;
    RunReveal();
}

// The options dialog with no game in progress asks nothing: the new dice
// count takes effect at once and the board is laid out again for the new
// dice, columns and players.
void SoakPlayer::ChangeOptionsWithNoGame() {
    const SoakConfig next{Chance(0.5) ? 4 : 5, Chance(0.5) ? 1 : 4, Chance(0.5) ? 1 : 2};
    Do("options with no game in progress: " + Describe(next), [this, next] {
        Apply(next);
        prog.LastDie = prog.Settings.NumberOfDice;
        for (int die = 0; die <= prog.LastDie; ++die) {
            prog.DieFree[die] = true;
            board.picDice[die].Visible = true;
            board.picDice[die].Enabled = false;
            board.PicDiceOff[die].Visible = false;
        }
        game.SetControls();
    });
    ++tally.optionChanges;
}

// After a game: a look at both sheets in a two-player game, then a new game
// (now and then with other options).
void SoakPlayer::AfterGame() {
    for (int tick = 0; tick < 3; ++tick) {
        Do("marquee tick", [this] { game.tmrGameOver_Timer(); });
    }
    if (TwoPlayers()) {
        const int looks = std::uniform_int_distribution<int>(0, 3)(rng_);
        for (int look = 0; look < looks && fault.empty(); ++look) {
            Do("Show Board", [this] { game.cmdShowNextBoard_Click(); });
            // The sheet on the screen is the one the caption does not offer.
            const bool playerOneShown =
                board.cmdShowNextBoard.Caption.find("Player 2's") != std::string::npos;
            const int shown = ReadWholeNumber(board.lblGrandTotal.Caption);
            const int expected = playerOneShown ? prog.Player1Total : prog.Player2Total;
            if (fault.empty() && shown != expected) {
                fault = "the board viewer shows a total of " + std::to_string(shown) +
                        " for a player who ended with " + std::to_string(expected);
            }
        }
    }
    if (!fault.empty()) {
        return;
    }
    DeleteTableSometimes();
    if (Chance(0.1)) {
        ChangeOptions(false);
        return;
    }
    Do("New Game after the game", [this] { game.mnuNewGame_Click(); });
    if (fault.empty() && host.quitQuestions != 0) {
        fault = "New Game asked \"Quit this Game?\" after the game was over";
    }
    entriesThisGame_ = 0;
    RunReveal();
}

// The window runs the reveal's timer to its end before anything can be clicked.
void SoakPlayer::RunReveal() {
    int ticks = 0;
    while (fault.empty() && board.tmrAnimation.Enabled) {
        if (++ticks > MaxRevealTicks) {
            fault = "the reveal did not end";
            return;
        }
        Do("reveal tick", [this] { game.tmrAnimation_Timer(); });
    }
    for (int tick = 0; tick < 2 && board.tmrRollDice.Enabled; ++tick) {
        Do("prompt tick", [this] { game.tmrRollDice_Timer(); });
    }
    if (fault.empty() && !board.picRollDices.Enabled) {
        fault = "the roll picture is disabled after the reveal";
    }
}

// Now and then a game starts with an empty table, so that entries take
// places as well as miss a full table.
void SoakPlayer::DeleteTableSometimes() {
    if (Chance(0.05)) {
        DeleteTopScoreTable(ScoreFile());
    }
}

} // namespace testing_support
