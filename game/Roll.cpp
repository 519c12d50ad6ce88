// The roll: the one procedure behind the roll picture, the Enter key and the
// Next Player button. It hands the turn on when a turn change is pending,
// keeps the announce rules of the Oblg column, offers the cells, animates
// and draws the faces, and after the third roll locks the dice and writes an
// announced row by itself.
#include "Game.h"
#include "TurnSteps.h"

#include <algorithm>
#include <cmath>

namespace game {

namespace {

constexpr int AnimationFrames = 9;
constexpr int FramePauseMs = 60;
constexpr int AutoWritePauseMs = 200;

// floor(n * r), kept inside 0 to n - 1 should the generator ever return 1.
int Draw(Host& host, int n) {
    const int k = static_cast<int>(std::floor(n * host.Random()));
    return std::clamp(k, 0, n - 1);
}

int EmptyCells(const RowLabels& cells) {
    int n = 0;
    for (const Control& cell : cells) {
        if (cell.Caption.empty()) {
            ++n;
        }
    }
    return n;
}

} // namespace

void Game::picRollDices_MouseUp(std::int16_t, std::int16_t, float, float) {
    const bool twoPlayers = prog.Settings.NumberOfPlayers == 2;
    const bool oneColumn = prog.Settings.NumberOfColumns == 1;
    const int last = prog.LastDie;
    std::int32_t turnChange = 0;

    // 1. A pending turn change: the other player's sheet comes up.
    if (twoPlayers && board.cmdNextPlayer.Visible) {
        if (oneColumn) {
            SwapPlayerSheet1Column();
        } else {
            SwapPlayerSheets();
        }
        for (int column = colDown; column <= colOblg; ++column) {
            board.SecondPlayerTurn[column] = !board.SecondPlayerTurn[column];
        }
        if (board.Caption == PlayerOneCaption &&
            board.StatusBar1.Panels[1].Text == prog.Settings.Player1) {
            board.Caption = PlayerTwoCaption;
            turnChange = 2;
        } else {
            board.Caption = PlayerOneCaption;
            turnChange = 3;
        }
        board.cmdNextPlayer.Visible = false;
    }

    // 2.
    prog.GameInProgress = true;
    host.Reseed();

    // 3. A fresh board: the first roll enables the cells. The one-column
    // game keeps the flag, so every roll enables its buttons again.
    if (board.FirstRollPending) {
        for (auto& button : board.cmdRand) {
            button.Enabled = true;
        }
        if (!oneColumn) {
            for (int row = 0; row < RowCount; ++row) {
                board.cmdDown[row].Visible = false;
                board.cmdUp[row].Visible = false;
                board.cmdDown[row].Enabled = true;
                board.cmdUp[row].Enabled = true;
                board.cmdOblg[row].Enabled = true;
            }
            board.FirstRollPending = false;
        }
    }

    // 4.
    board.picRollDices.Picture = board.picRollDice.Picture;

    // 5. Every remaining box is an Oblg box: the second roll waits for an
    // announcement.
    if (board.Round >= 39 && board.RollCount == 1 && board.CurrentColumn != colOblg) {
        const int n = EmptyCells(board.lblOblg);
        if (n == 52 - board.Round && n > 1) {
            turn::RollButtonOff(board);
            host.MessageBox("You must announce now!", "Reminder", MsgButtons::OK,
                            MsgIcon::Exclamation);
            board.RollAllowed = false;
        }
    }

    // 6. The last box of the sheet is an Oblg box: it is announced for the
    // player before the turn's first roll.
    if (board.Round == 51 && board.RollCount == 0) {
        bool found = false;
        for (int row = 0; row < RowCount; ++row) {
            if (board.lblOblg[row].Caption.empty()) {
                board.CurrentRow = row;
                board.CurrentColumn = colOblg;
                found = true;
            }
        }
        if (found) {
            board.OblgWritten = false;
            board.RedoOblgTwice = false;
            board.Announced = false;
            board.OblgAfterTwoRolls = false;
            board.picRound[0].Visible = true;
            board.picRoundBG[0].Visible = false;
            cmdOblg_Click(static_cast<std::int16_t>(board.CurrentRow));
            board.Toolbar2.Buttons[4].Enabled = false;
            board.mnuUndoRedo.Enabled = false;
            --board.RollCount;
            board.Toolbar2.Buttons[3].Enabled = false;
            board.mnuUndoUndo.Enabled = false;
        }
    }

    // 7. Steps 8 to 14 only while the roll is allowed.
    if (board.RollAllowed) {
        // 8.
        for (auto& tip : board.lblTip) {
            tip.Caption = "";
        }

        // 9. Roll sound by the number of free dice.
        if (prog.SoundOn) {
            int n = 0;
            for (int die = 0; die <= last; ++die) {
                n += prog.DieFree[die] ? 1 : 0;
            }
            if (n > 3) {
                PlaySoundAsync("rollAll");
            } else if (n == 1) {
                PlaySoundAsync("rollOne");
            } else if (n >= 2) {
                PlaySoundAsync("rollSome");
            }
        }

        // 10. The turn's first roll offers the open cells.
        if (board.RollCount == 0) {
            board.OblgWritten = false;
            board.OblgAfterTwoRolls = false;
            board.CurrentColumn = colNone;
            for (int die = 0; die <= last; ++die) {
                board.picDice[die].Enabled = true;
                board.PicDiceOff[die].Enabled = true;
            }
            for (int row = 0; row < RowCount; ++row) {
                if (board.lblRand[row].Caption.empty()) {
                    board.cmdRand[row].Visible = true;
                }
            }
            if (!oneColumn) {
                if (board.DownRow <= 12 && board.DownRow >= 0) {
                    board.cmdDown[board.DownRow].Visible = true;
                }
                if (board.UpRow >= 0 && board.UpRow < RowCount) {
                    board.cmdUp[board.UpRow].Visible = true;
                }
                for (int row = 0; row < RowCount; ++row) {
                    if (board.lblOblg[row].Caption.empty()) {
                        board.cmdOblg[row].Visible = true;
                    }
                }
            }
        }

        // 11. The announce window closes with the second roll.
        if ((board.RollCount == 1 && !board.Announced) || board.OblgWritten) {
            for (auto& button : board.cmdOblg) {
                button.Visible = false;
            }
            board.OblgWritten = false;
        }

        // 12. The throw.
        if (board.RollCount < 3) {
            for (int frame = 0; frame < AnimationFrames; ++frame) {
                for (int die = 0; die <= last; ++die) {
                    if (prog.DieFree[die]) {
                        // Faces 2 to 6 only: the animation never shows a one.
                        const int k = Draw(host, 5) + 1;
                        board.picDice[die].Picture = board.picHide[k].Picture;
                    }
                }
                host.Pause(FramePauseMs);
            }
            for (int die = 0; die <= last; ++die) {
                if (prog.DieFree[die]) {
                    const int v = Draw(host, 6) + 1;
                    board.picDice[die].Picture = board.picHide[v - 1].Picture;
                    board.PicDiceOff[die].Picture = board.picHideOff[v - 1].Picture;
                    board.Dice[die] = v;
                }
            }
            ++board.RollCount;
            if (!twoPlayers) {
                board.StatusBar1.Panels[4].Text =
                    "Round " + std::to_string(board.Round + 1) + (oneColumn ? " of 13" : " of 52");
            }
            turn::SetLamps(board, board.RollCount);
        }

        // 13. The third roll locks the dice; an announced row is written.
        if (board.RollCount == 3) {
            turn::RollButtonOff(board);
            for (int die = 0; die <= last; ++die) {
                if (prog.DieFree[die]) {
                    board.picDice[die].Enabled = false;
                } else {
                    board.PicDiceOff[die].Enabled = false;
                }
            }
            for (int die = 0; die <= last; ++die) {
                prog.DieFree[die] = true;
            }
            if (board.Announced || board.OblgAfterTwoRolls) {
                host.Pause(AutoWritePauseMs);
                cmdOblg_Click(static_cast<std::int16_t>(board.CurrentRow));
                board.Toolbar2.Buttons[4].Enabled = false;
                board.mnuUndoRedo.Enabled = false;
                return;
            }
        }

        // 14.
        if (board.HintsAlwaysOn) {
            ShowHints();
        }
    }

    // 15. The five-of-a-kind fanfare, while that row can still take a score.
    if (prog.SoundOn && (board.cmdDown[12].Visible || board.cmdUp[12].Visible ||
                         board.cmdRand[12].Visible || board.cmdOblg[12].Visible)) {
        const auto rolled = board.Dice;
        SortDice();
        board.CalcOnly = true;
        ScoreFiveOfAKind();
        board.CalcOnly = false;
        board.Dice = rolled;
        if (board.RowScore == 100) {
            PlaySoundAsync("Quorvane");
        }
    }

    // 16. Hints asked for on the last roll go away.
    if (board.HintShown) {
        board.HintShown = false;
        ShowHintColumn();
    }

    // 17 to 20.
    board.HintAvailable = true;
    turn::WithdrawUndoRedo(board);
    ShowTurnPlayerName(turnChange);
    board.StatusBar1.Panels[2].Text =
        board.RollCount < 3 ? "Place your score or roll the dice" : "Place your score";
}

void Game::cmdNextPlayer_Click() {
    picRollDices_MouseUp(1, 0, 615, 645);
}

} // namespace game
