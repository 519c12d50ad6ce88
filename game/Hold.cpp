// Holding dice between rolls: a click on a die's free look sets it aside, a
// click on its held look takes it back. The roll picture is off while every
// die is held.
#include "Game.h"
#include "TurnSteps.h"

namespace game {

namespace {

bool ValidDie(int die, int lastDie) {
    return die >= 0 && die <= lastDie && die < DieCount;
}

} // namespace

void Game::picDice_Click(std::int16_t Index) {
    if (!ValidDie(Index, prog.LastDie)) {
        return;
    }
    prog.DieFree[Index] = false;
    board.DieFreeSnapshot[Index] = false;
    board.picDice[Index].Visible = false;
    board.PicDiceOff[Index].Visible = true;
    if (prog.SoundOn) {
        PlaySoundAsync("holdDice");
    }
    if (turn::EveryDieHeld(prog)) {
        turn::RollButtonOff(board);
    }
}

void Game::PicDiceOff_Click(std::int16_t Index) {
    if (!ValidDie(Index, prog.LastDie)) {
        return;
    }
    prog.DieFree[Index] = true;
    board.DieFreeSnapshot[Index] = true;
    board.PicDiceOff[Index].Visible = false;
    board.picDice[Index].Visible = true;
    if (prog.SoundOn) {
        PlaySoundAsync("UnHoldDice");
    }
    if (!board.picRollDices.Enabled) {
        turn::RollButtonNormal(board);
    }
}

} // namespace game
