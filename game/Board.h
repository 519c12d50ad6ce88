// The board window as plain data: every named control the game reads or
// writes, the running game's fields and the single-level undo record. The
// cell and total label texts are the only store of the shown player's scores.
#pragma once

#include "Controls.h"

#include <array>
#include <cstdint>
#include <string>

namespace game {

constexpr int RowCount = 13;
constexpr int DieCount = 6;

// Rows of the sheet; rows 0 to 5 score the face row + 1.
enum RowIndex : int {
    rowOnes = 0,
    rowTwos = 1,
    rowThrees = 2,
    rowFours = 3,
    rowFives = 4,
    rowSixes = 5,
    rowMax = 6,
    rowMin = 7,
    rowThreeOfAKind = 8,
    rowFullHouse = 9,
    rowStraight = 10,
    rowFourOfAKind = 11,
    rowFiveOfAKind = 12,
};

// Columns; also the index of the four-element flag arrays (elements 1 to 4).
enum ColumnCode : int {
    colNone = 0,
    colDown = 1,
    colUp = 2,
    colRand = 3,
    colOblg = 4,
};

using RowLabels = std::array<Control, RowCount>;

// Captions that the game also reads back as state: the board window's caption
// tells whose turn it is, the board viewer's caption which sheet it brings next.
inline constexpr const char* PlayerOneCaption = "Quorvane - Player 1";
inline constexpr const char* PlayerTwoCaption = "Quorvane - Player 2";
inline constexpr const char* ShowPlayer1BoardCaption = "    Show      Player 1's  Board";
inline constexpr const char* ShowPlayer2BoardCaption = "    Show      Player 2's  Board";

// The waiting player's sheet of a two-player game. 2000 marks an empty cell
// or column total, 3000 an empty grand total.
struct SavedSheet {
    std::array<std::array<std::int32_t, RowCount>, 5> Cells{}; // [column 1..4][row]
    std::array<std::array<std::int32_t, 3>, 5> Totals{};       // [column][0 sub, 1 mid, 2 total]
    std::int32_t GrandTotal = 3000;
    std::int32_t Round = 0;
    std::int32_t DownRow = 0;
    std::int32_t UpRow = 12;
    std::int32_t RandUpperCount = 0;
    std::int32_t OblgUpperCount = 0;
    std::array<bool, 5> UpperBonusGiven{};
};

struct Board {
    Board();

    // ---- The window itself -------------------------------------------------
    std::string Caption = "Quorvane 2.0";
    int Left = 0;
    int Top = 0;
    int Width = 4900;
    int Height = 8530;
    bool Enabled = true;
    bool Minimized = false;

    // ---- Score sheet -------------------------------------------------------
    RowLabels lblDown, lblUp, lblRand, lblOblg;               // cells
    RowLabels cmdDown, cmdUp, cmdRand, cmdOblg;               // cell buttons laid over them
    Control lblDownTot1, lblUpTot1, lblRandTot1, lblOblgTot1; // upper subtotals
    Control lblDownTot2, lblUpTot2, lblRandTot2, lblOblgTot2; // (Max-Min)xOnes
    Control lblDownTot, lblUpTot, lblRandTot, lblOblgTot;     // column totals
    Control lblGrandTotal;
    RowLabels lblTip;      // hint texts
    RowLabels lblOption;   // row names
    RowLabels shpOptions;  // frames behind the row names
    RowLabels Shape12;     // frames behind the hint texts
    RowLabels img1Column;  // one-column row pictures under the mouse
    RowLabels img1ColumnP; // one-column row pictures, normal look
    Control imgBut3;       // cell-button picture of the four-column sheet

    // Sheet furniture moved or switched by the layout.
    Control Label13, shpLabel13;                // "Column Total " and its frame
    Control Label2, shpLabel2;                  // "Grand Total " and its frame
    Control lblSubTotalTitle, shpSubTotalTitle; // "Sub Total " and its frame
    Control lblMiddleTitle, shpMiddleTitle;     // "(Max-Min)xOnes" and its frame
    Control Shape10, Shape11; // frame of the four columns; frame of the grand total
    Control imgArrow, imgArrow2;
    Control Picture2; // the sheet picture
    Line Line1, Line3, Line4;
    Line Line5, Line6, Line7, Line8, Line9, Line10, Line12;

    // ---- Dice, roll button, lamps ------------------------------------------
    std::array<Control, DieCount> picDice;    // free look of each die
    std::array<Control, DieCount> PicDiceOff; // held look of each die
    std::array<Control, DieCount> picHide;    // picture holders: free face k + 1
    std::array<Control, DieCount> picHideOff; // picture holders: held face k + 1
    Control Shape1, Shape3, Shape4, Shape5, Shape6, Shape7, Shape8, Shape9;
    Control picRollDices;              // the roll picture
    Control picRollDice;               // holder: normal look
    Control picRollOn;                 // holder: pressed look
    Control picRollOff;                // holder: off look
    std::array<Control, 3> picRound;   // lit lamps
    std::array<Control, 3> picRoundBG; // unlit lamps

    // ---- Two-player buttons ------------------------------------------------
    Control cmdNextPlayer;
    Control cmdShowNextBoard;

    // ---- Bars, menus, timers -----------------------------------------------
    StatusBar StatusBar1;
    Toolbar Toolbar2;
    Control lblTimeElapsed;
    Control Image1; // pattern picture of the menus and the toolbar

    MenuItem mnuGame, mnuTools, mnuHelp;
    MenuItem mnuNewGame, mnuScores, mnuGameExit;
    MenuItem mnuUndoUndo, mnuUndoRedo;
    MenuItem mnuHintsByRequest, mnuHintsByRequest2, mnuHintsAllways, mnuHintsAllways2;
    MenuItem mnuSoundsOn, mnuSoundsOn2, mnuSoundsOff, mnuSoundsOff2;
    MenuItem mnuOptions;
    MenuItem mnuQuickStar, mnuContents, mnuGoToWeb, mnuContact, mnuAbout;

    Timer tmrTimeElapsed;
    Timer tmrRollDice;
    Timer tmrGameOver;
    Timer tmrAnimation;

    // Mouse capture held by a cell button (row highlight): column 0 = none.
    int CaptureColumn = colNone;
    int CaptureRow = 0;

    // ---- Board state -------------------------------------------------------
    std::int32_t RollCount = 0;
    std::int32_t LastRollCount = 0;
    std::int32_t DownRow = 0;
    std::int32_t UpRow = 12;
    std::array<std::int32_t, DieCount> Dice{};
    std::int32_t CurrentRow = 0;
    std::int32_t CurrentColumn = colNone;
    std::int32_t RowScore = 0;
    std::int32_t Round = 0;
    bool FirstRollPending = true;
    bool RollAllowed = true;
    bool Announced = false;
    bool OblgWritten = false;
    bool OblgAfterTwoRolls = false;
    std::array<bool, 5> UpperBonusGiven{}; // by ColumnCode, 1 to 4
    std::int32_t RandUpperCount = 0;
    std::int32_t OblgUpperCount = 0;
    bool CalcOnly = false;
    bool HintsAlwaysOn = false;
    bool HintAvailable = false;
    bool HintShown = false;
    bool HoverActive = false;
    std::array<bool, 5> SecondPlayerTurn{}; // by ColumnCode, 1 to 4; all four equal
    std::int32_t OtherPlayerTotal = 0;
    bool SavedSheetReady = false;
    bool GameIsOver = false;
    std::string MarqueeText;

    // Reveal animation.
    std::array<std::int32_t, 53> RevealOrder{};
    std::int32_t RevealStep = 0;
    std::int32_t RevealVariant = 0;
    std::int32_t RevealPhase = 0;

    // Tick counters of the status-bar timers; they last for the window's life.
    std::int32_t RollPromptTicks = 0;
    std::int32_t MarqueeStarted = 0;

    // ---- Undo record -------------------------------------------------------
    std::array<std::int32_t, DieCount> DiceSnapshot{};
    std::array<bool, DieCount> DieFreeSnapshot{};
    std::array<std::string, RowCount + 1> TipSnapshot{};
    std::int32_t RedoColumn = colNone;
    bool RedoOblgTwice = false;

    // ---- The waiting player's sheets (four-column and one-column copies) ---
    SavedSheet Saved4;
    SavedSheet Saved1;

    // ---- Access by column code ---------------------------------------------
    RowLabels& Cells(int column);
    RowLabels& Buttons(int column);
    Control& UpperTotal(int column);
    Control& MiddleTotal(int column);
    Control& ColumnTotal(int column);
    const RowLabels& Cells(int column) const;
    const RowLabels& Buttons(int column) const;
    const Control& UpperTotal(int column) const;
    const Control& MiddleTotal(int column) const;
    const Control& ColumnTotal(int column) const;
};

// Row names as the sheet shows them.
extern const std::array<const char*, RowCount> RowNames;

} // namespace game
