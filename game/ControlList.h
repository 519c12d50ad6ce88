// Every control of the board model under its name ("cmdDown(3)", "lblGrandTotal"),
// with what kind of thing it is on screen. The window builds and syncs its
// widgets from this list; tests find controls by name through it.
#pragma once

#include "Board.h"

#include <string>
#include <vector>

namespace game {

enum class ControlKind {
    SheetPicture, // the picture behind the row names and hints
    Shape,        // a frame
    Image,        // a picture that shows and hides (arrows)
    RowName,      // lblOption(row)
    Tip,          // lblTip(row)
    Cell,         // a score cell
    Total,        // a subtotal, middle or column total
    GrandTotal,
    Title,       // "Sub Total ", "Column Total " and the like
    CellButton,  // cmdDown/cmdUp/cmdRand/cmdOblg(row)
    Die,         // picDice(die): the free look
    HeldDie,     // PicDiceOff(die): the held look
    RollPicture, // picRollDices
    Lamp,        // picRound / picRoundBG
    PushButton,  // cmdNextPlayer, cmdShowNextBoard
    Holder,      // a picture store that is never shown (picHide, picRollDice, imgBut3...)
};

struct NamedControl {
    std::string name;
    ControlKind kind;
    Control* control;
    int column = colNone; // cells, totals and cell buttons: their ColumnCode
    int index = -1;       // row, die or lamp number for arrays
};

struct NamedLine {
    std::string name;
    Line* line;
};

// In drawing order: what comes later lies on top.
std::vector<NamedControl> ListControls(Board& board);
std::vector<NamedLine> ListLines(Board& board);

} // namespace game
