// Procedures whose real bodies have not landed yet. Each is removed from
// here when its own file defines it.
#include "Game.h"

namespace game {

void Game::ResetTurn() {}

void Game::cmdDown_Click(std::int16_t) {}

void Game::cmdUp_Click(std::int16_t) {}

void Game::cmdRand_Click(std::int16_t) {}

void Game::cmdOblg_Click(std::int16_t) {}

void Game::picRollDices_MouseUp(std::int16_t, std::int16_t, float, float) {}

void Game::cmdNextPlayer_Click() {}

void Game::picDice_Click(std::int16_t) {}

void Game::PicDiceOff_Click(std::int16_t) {}

void Game::mnuUndoUndo_Click() {}

void Game::mnuUndoRedo_Click() {}

EndOfGame Game::CheckEndOfGame() {
    return EndOfGame::NotOver;
}

void Game::GameOver() {}

void Game::EnterTopScore() {}

void Game::SwapPlayerSheets() {}

void Game::SwapPlayerSheet1Column() {}

void Game::cmdShowNextBoard_Click() {}

void Game::mnuNewGame_Click() {}

} // namespace game
