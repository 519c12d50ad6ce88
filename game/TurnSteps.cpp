// Steps shared by the turn's handlers; see TurnSteps.h.
#include "TurnSteps.h"

#include "NumberText.h"

namespace game::turn {

void OfferUndo(Board& board) {
    board.Toolbar2.Buttons[3].Key = "tbUndo";
    board.Toolbar2.Buttons[3].Enabled = true;
    board.Toolbar2.Buttons[4].Enabled = false;
    board.mnuUndoUndo.Enabled = true;
    board.mnuUndoRedo.Enabled = false;
}

void OfferRedo(Board& board) {
    board.Toolbar2.Buttons[3].Enabled = false;
    board.mnuUndoUndo.Enabled = false;
    board.Toolbar2.Buttons[4].Key = "tbRedo";
    board.Toolbar2.Buttons[4].Enabled = true;
    board.mnuUndoRedo.Enabled = true;
}

void WithdrawUndoRedo(Board& board) {
    board.Toolbar2.Buttons[3].Enabled = false;
    board.Toolbar2.Buttons[4].Enabled = false;
    board.mnuUndoUndo.Enabled = false;
    board.mnuUndoRedo.Enabled = false;
}

void IdleFreeDie(Board& board, Program& prog, int die) {
    board.picDice[die].Enabled = false;
    board.picDice[die].Visible = true;
    board.PicDiceOff[die].Visible = false;
    prog.DieFree[die] = true;
}

void SetLamps(Board& board, int lit) {
    for (int k = 0; k < 3; ++k) {
        board.picRound[k].Visible = k < lit;
        board.picRoundBG[k].Visible = k >= lit;
    }
}

bool EveryDieHeld(const Program& prog) {
    for (int die = 0; die <= prog.LastDie && die < DieCount; ++die) {
        if (prog.DieFree[die]) {
            return false;
        }
    }
    return true;
}

void RollButtonNormal(Board& board) {
    board.picRollDices.Enabled = true;
    board.picRollDices.Picture = board.picRollDice.Picture;
}

void RollButtonOff(Board& board) {
    board.picRollDices.Enabled = false;
    board.picRollDices.Picture = board.picRollOff.Picture;
}

std::string PlayersTotalsText(const Board& board) {
    const std::string other = std::to_string(board.OtherPlayerTotal);
    if (board.Caption == PlayerTwoCaption) {
        return other + " : " + board.lblGrandTotal.Caption;
    }
    return board.lblGrandTotal.Caption + " : " + other;
}

void WriteGrandTotal(Board& board) {
    const double sum = ReadNumber(board.lblDownTot.Caption) + ReadNumber(board.lblUpTot.Caption) +
                       ReadNumber(board.lblRandTot.Caption) + ReadNumber(board.lblOblgTot.Caption);
    board.lblGrandTotal.Caption = TotalText(sum);
}

AfterEndOfGame FollowEndOfGame(int column, EndOfGame outcome, bool twoPlayers,
                               bool secondPlayerOnTurn) {
    AfterEndOfGame after;
    if (twoPlayers) {
        switch (outcome) {
        case EndOfGame::NotOver:
            after.showsNextPlayer = true;
            break;
        case EndOfGame::OverAfterThreeRolls:
            // The second player's end closes the game; the first player's
            // end hands the turn on like any other move.
            after.endsHandler = secondPlayerOnTurn;
            after.showsNextPlayer = !secondPlayerOnTurn;
            break;
        case EndOfGame::Finished:
            after.showsNextPlayer = !secondPlayerOnTurn;
            break;
        case EndOfGame::UndoneLastMove:
            break;
        }
        return after;
    }
    switch (outcome) {
    case EndOfGame::OverAfterThreeRolls:
        after.endsHandler = column != colRand;
        break;
    case EndOfGame::Finished:
        after.endsHandler = column == colOblg;
        break;
    case EndOfGame::NotOver:
    case EndOfGame::UndoneLastMove:
        break;
    }
    return after;
}

} // namespace game::turn
