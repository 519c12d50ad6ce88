// The board window's design: every control's place in twips, in the
// four-column arrangement with six dice slots, before any layout runs.
//
// Client area. The window is 4900 twips wide and 8030 to 8530 high, frame
// included. Of its Height, 420 twips are the title bar with the upper frame
// edge, 300 the menu bar and 60 the lower frame edge (780 in all); of its
// Width, 60 twips on each side are frame. What remains is the client area, in
// whose coordinates every position below is given (origin at its top-left
// corner, just below the menu bar): 4780 wide, and 7750 high in the design
// window of 8530. The toolbar fills its top 390 twips (client Top 0); the
// status bar, when shown, fills its bottom 230 twips, which is why hiding it
// takes 230 off the window's Height. Design.h holds these numbers.
//
// Board plan, top to bottom (client Tops):
//   0 ..  390  toolbar
//   390 ..  674  a strip with the three roll lamps on the left and the
//                column titles above the score columns; the "Next Player"
//                button lies over the lamps (they are dark while it is
//                shown) and the board-viewer button over the titles
//   674 .. 5414  the sheet: row titles and hints on the sheet picture
//                (Left 0 .. 1615), the arrow strip (1615 .. 2190), the four
//                score columns in their frame (2190 .. 4620). Fifteen rows of
//                299 twips from 679: rows 0 to 5, "Sub Total ", rows 6 and
//                7, "(Max-Min)xOnes", rows 8 to 12 (ending at 5164); then the
//                "Column Total " row (5164 .. 5414), which the one-column
//                layout hides
//  5434 .. 5634  the grand total row
//  5640 .. 7410  the lower board: the dice area with its six slots on the
//                left, the roll picture in its frame on the right
//  7440          the bottom rule
// The one-column layout lifts everything from the grand total row down by
// 250 (the grand total's value and its frame by 270, closing the gap left by
// the column-total row), so the lowest board line stays clear of the status
// bar in every layout. The lamps and the two buttons of the strip never move.
#include "board/model/Design.h"

#include "game/Board.h"

namespace game {

namespace {

// Sheet rows.
constexpr int SheetTop = 674;
constexpr int FirstSlotTop = 679;
constexpr int SlotPitch = 299;
constexpr int CellInset = 15; // a cell sits this far below its slot's top
constexpr int CellHeight = 270;
constexpr int ColumnTotalTop = 5179;
constexpr int ColumnTotalHeight = 220;
constexpr int SheetBottom = 5414;

// Horizontal bands.
constexpr int TitleLeft = 30;
constexpr int TitleWidth = 1570; // row name and hint column together
constexpr int SheetPictureWidth = 1615;
constexpr int ColumnsFrameLeft = 2190;
constexpr int ColumnsFrameWidth = 2430;
constexpr int ColumnWidth = 600;
constexpr int ColumnLefts[] = {2205, 2805, 3405, 4005};
constexpr int BoardRight = 4635;

// Slots of the fifteen sheet rows: the upper rows, "Sub Total ", Max and
// Min, "(Max-Min)xOnes", then the lower rows.
constexpr int SubTotalSlot = 6;
constexpr int MiddleTotalSlot = 9;
int SlotOfRow(int row) {
    if (row <= rowSixes) {
        return row;
    }
    if (row <= rowMin) {
        return row + 1;
    }
    return row + 2;
}
int CellTopOfSlot(int slot) {
    return FirstSlotTop + slot * SlotPitch + CellInset;
}

void Place(Control& c, int left, int top, int width, int height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
}

void Place(Line& line, int x1, int y1, int x2, int y2) {
    line.X1 = x1;
    line.Y1 = y1;
    line.X2 = x2;
    line.Y2 = y2;
}

void PlaceSheet(Board& b) {
    Place(b.Picture2, 0, SheetTop, SheetPictureWidth, 4740);
    Place(b.Shape10, ColumnsFrameLeft, SheetTop, ColumnsFrameWidth, SheetBottom - SheetTop);

    RowLabels* cells[] = {&b.lblDown, &b.lblUp, &b.lblRand, &b.lblOblg};
    RowLabels* buttons[] = {&b.cmdDown, &b.cmdUp, &b.cmdRand, &b.cmdOblg};
    for (int row = 0; row < RowCount; ++row) {
        const int top = CellTopOfSlot(SlotOfRow(row));
        for (int column = 0; column < 4; ++column) {
            Place((*cells[column])[row], ColumnLefts[column], top, ColumnWidth, CellHeight);
            Place((*buttons[column])[row], ColumnLefts[column], top, ColumnWidth, CellHeight);
        }
        Place(b.lblOption[row], TitleLeft, top, 1250, CellHeight);
        Place(b.shpOptions[row], TitleLeft, top, 1250, CellHeight);
        Place(b.lblTip[row], 1300, top, 300, CellHeight);
        Place(b.Shape12[row], 1300, top, 300, CellHeight);
        // Picture stores of the one-column buttons, the size of the wide button.
        Place(b.img1Column[row], ColumnLefts[0], top, 4 * ColumnWidth, CellHeight);
        Place(b.img1ColumnP[row], ColumnLefts[0], top, 4 * ColumnWidth, CellHeight);
    }

    const int subTop = CellTopOfSlot(SubTotalSlot);
    const int midTop = CellTopOfSlot(MiddleTotalSlot);
    Place(b.lblSubTotalTitle, TitleLeft, subTop, TitleWidth, CellHeight);
    Place(b.shpSubTotalTitle, TitleLeft, subTop, TitleWidth, CellHeight);
    Place(b.lblMiddleTitle, TitleLeft, midTop, TitleWidth, CellHeight);
    Place(b.shpMiddleTitle, TitleLeft, midTop, TitleWidth, CellHeight);
    Place(b.Label13, TitleLeft, ColumnTotalTop, TitleWidth, ColumnTotalHeight);
    Place(b.shpLabel13, TitleLeft, ColumnTotalTop, TitleWidth, ColumnTotalHeight);

    Control* upper[] = {&b.lblDownTot1, &b.lblUpTot1, &b.lblRandTot1, &b.lblOblgTot1};
    Control* middle[] = {&b.lblDownTot2, &b.lblUpTot2, &b.lblRandTot2, &b.lblOblgTot2};
    Control* total[] = {&b.lblDownTot, &b.lblUpTot, &b.lblRandTot, &b.lblOblgTot};
    for (int column = 0; column < 4; ++column) {
        Place(*upper[column], ColumnLefts[column], subTop, ColumnWidth, CellHeight);
        Place(*middle[column], ColumnLefts[column], midTop, ColumnWidth, CellHeight);
        Place(*total[column], ColumnLefts[column], ColumnTotalTop, ColumnWidth, ColumnTotalHeight);
    }

    // The arrow strip between the hint column and the score columns.
    Place(b.imgArrow, 1800, SheetTop + 20, 200, SheetBottom - SheetTop - 40);
    Place(b.imgArrow2, 1800, SheetTop + 20, 200, SheetBottom - 250 - SheetTop - 40);

    // Rules: the borders of the arrow strip and the sheet's bottom edge.
    Place(b.Line1, SheetPictureWidth, SheetTop, SheetPictureWidth, SheetBottom);
    Place(b.Line3, ColumnsFrameLeft, SheetTop, ColumnsFrameLeft, SheetBottom);
    Place(b.Line4, 0, SheetBottom, BoardRight, SheetBottom);

    // Grand total row.
    Place(b.Label2, TitleLeft, 5434, TitleWidth, 200);
    Place(b.shpLabel2, TitleLeft, 5434, TitleWidth, 200);
    Place(b.Shape11, ColumnsFrameLeft, 5434, ColumnsFrameWidth, 200);
    Place(b.lblGrandTotal, ColumnLefts[0], 5449, 4 * ColumnWidth, 170);
}

void PlaceLowerBoard(Board& b) {
    // Dice area: two rows of three slots, 810 x 810.
    const int slotLefts[] = {247, 1150, 2070};
    const int diceLefts[] = {245, 1150, 2070};
    Control* firstRow[] = {&b.Shape6, &b.Shape7, &b.Shape8};
    Control* secondRow[] = {&b.Shape3, &b.Shape4, &b.Shape5};
    for (int k = 0; k < 3; ++k) {
        Place(*firstRow[k], slotLefts[k], 5655, 810, 810);
        Place(*secondRow[k], slotLefts[k], 6575, 810, 810);
    }
    for (int die = 0; die < DieCount; ++die) {
        const int top = die < 3 ? 5655 : 6575;
        Place(b.picDice[die], diceLefts[die % 3], top, 810, 810);
        Place(b.PicDiceOff[die], diceLefts[die % 3], top, 810, 810);
    }
    Place(b.Shape9, 135, 5640, 2880, 1770);

    // Roll area: the roll picture centred in its frame.
    Place(b.Shape1, 3135, 5640, 1485, 1770);
    Place(b.picRollDices, 3262, 5880, 1230, 1290);

    // Rules of the lower board.
    Place(b.Line5, 3075, 5640, 3075, 7410);    // between dice area and roll area
    Place(b.Line7, 3135, 5760, 4620, 5760);    // above the roll picture
    Place(b.Line8, 3135, 7290, 4620, 7290);    // below the roll picture
    Place(b.Line12, 135, 6520, 3015, 6520);    // between the two rows of dice
    Place(b.Line6, 0, 7440, BoardRight, 7440); // bottom rule
    // The outer sides run from the top of the sheet to the bottom rule.
    Place(b.Line9, 0, SheetTop, 0, 7440);
    Place(b.Line10, BoardRight, SheetTop, BoardRight, 7440);
}

void PlaceStripAndStores(Board& b) {
    // The strip between the toolbar and the sheet.
    // Lamps on the left, above the row names; the column titles take the
    // part of the strip above the score columns.
    const int lampLefts[] = {450, 750, 1050};
    for (int k = 0; k < 3; ++k) {
        Place(b.picRound[k], lampLefts[k], 427, 210, 210);
        Place(b.picRoundBG[k], lampLefts[k], 427, 210, 210);
    }
    Place(b.cmdNextPlayer, TitleLeft, 405, TitleWidth, 255);
    Place(b.cmdShowNextBoard, ColumnLefts[0], 405, 4 * ColumnWidth, 255);
    Place(b.lblTimeElapsed, TitleLeft, 405, 1250, 255);

    // Hidden picture stores, each the size of the picture it holds.
    Place(b.imgBut3, 0, 0, ColumnWidth, CellHeight);
    for (int k = 0; k < DieCount; ++k) {
        Place(b.picHide[k], 0, 0, 810, 810);
        Place(b.picHideOff[k], 0, 0, 810, 810);
    }
    Place(b.picRollDice, 0, 0, 1230, 1290);
    Place(b.picRollOn, 0, 0, 1230, 1290);
    Place(b.picRollOff, 0, 0, 1230, 1290);
    Place(b.Image1, 0, 0, 480, 480);
}

} // namespace

void LoadDesignGeometry(Board& board) {
    PlaceSheet(board);
    PlaceLowerBoard(board);
    PlaceStripAndStores(board);

    // Status bar panels; the layout sets 1 to 4, the clock panel keeps this.
    // One player: 1 + 2550 + 1 + 1230 + 998 fill the client width of 4780.
    const int panelWidths[] = {0, 2000, 2550, 1630, 1230, 998};
    for (int panel = 1; panel <= 5; ++panel) {
        board.StatusBar1.Panels[panel].Width = panelWidths[panel];
    }
}

} // namespace game
