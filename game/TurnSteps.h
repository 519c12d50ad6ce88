// Small steps that the column handlers, the roll, the dice holds and undo all
// take the same way: the undo and redo offer, a die between turns, the roll
// lamps, the roll button's looks, the two-player totals line, and how a
// handler goes on after the end-of-game check.
#pragma once

#include "Board.h"
#include "Game.h"

#include <string>

namespace game::turn {

// A move offers undo and withdraws redo (toolbar buttons 3 and 4, the two
// menu items).
void OfferUndo(Board& board);
// An undo withdraws undo and offers redo.
void OfferRedo(Board& board);
// A roll withdraws both commands.
void WithdrawUndoRedo(Board& board);

// A die between turns: free, its free look shown and not clickable, its
// held look hidden.
void IdleFreeDie(Board& board, Program& prog, int die);

// Lights lamps 0 to lit - 1 and darkens the others.
void SetLamps(Board& board, int lit);

// Every die of the game (0 to LastDie) is set aside: a roll would throw
// nothing.
bool EveryDieHeld(const Program& prog);

// The roll picture enabled with its normal look.
void RollButtonNormal(Board& board);
// The roll picture disabled with its off look.
void RollButtonOff(Board& board);

// The two grand totals for status panel 3, player 1's first whichever
// player is on turn.
std::string PlayersTotalsText(const Board& board);

// Writes the sum of the four column totals into the grand total.
void WriteGrandTotal(Board& board);

// How the rest of a column handler runs after its end-of-game check.
struct AfterEndOfGame {
    bool endsHandler = false;     // the handler stops at once
    bool showsNextPlayer = false; // two players: the turn change is offered
};

// The outcome table of the column handlers. The tables differ only for one
// player: a Rand write always goes on, an Oblg write stops after GameOver
// whether or not the question was asked, Down and Up stop only after a
// three-roll GameOver.
AfterEndOfGame FollowEndOfGame(int column, EndOfGame outcome, bool twoPlayers,
                               bool secondPlayerOnTurn);

} // namespace game::turn
