// Procedures whose real bodies have not landed yet. Each is removed from
// here when its own file defines it.
#include "Game.h"

namespace game {


void Game::SetControls() {}

void Game::ArrangeStatusBar() {}

void Game::SetSheetHeight() {}

void Game::ShowHintColumn() {}

void Game::ShowTurnPlayerName(std::int32_t) {}

void Game::tmrTimeElapsed_Timer() {}

void Game::tmrRollDice_Timer() {}

void Game::tmrGameOver_Timer() {}

void Game::StartSheetAnimation() {}

void Game::ShuffleRevealOrder() {}

void Game::tmrAnimation_Timer() {}

void Game::Toolbar2_ButtonClick(const std::string&) {}

void Game::mnuHintsByRequest2_Click() {}

void Game::mnuHintsAllways2_Click() {}

void Game::mnuSoundsOff2_Click() {}

void Game::mnuSoundsOn2_Click() {}

void Game::cmdDown_MouseMove(std::int16_t, std::int16_t, std::int16_t, float, float) {}

void Game::cmdUp_MouseMove(std::int16_t, std::int16_t, std::int16_t, float, float) {}

void Game::cmdRand_MouseMove(std::int16_t, std::int16_t, std::int16_t, float, float) {}

void Game::cmdOblg_MouseMove(std::int16_t, std::int16_t, std::int16_t, float, float) {}

void Game::picRollDices_MouseDown(std::int16_t, std::int16_t, float, float) {}

void Game::ReleaseCapture() {}

} // namespace game
