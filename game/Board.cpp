#include "Board.h"

#include "board/model/Design.h"

#include <stdexcept>

namespace game {

const std::array<const char*, RowCount> RowNames = {
    "Ones", "Twos",        "Threes",     "Fours",    "Fives",       "Sixes",    "Max",
    "Min",  "3 of a Kind", "Full House", "Straight", "4 of a Kind", "Quorvane",
};

namespace {

MenuItem Item(const char* caption, const char* shortcut = "") {
    MenuItem item;
    item.Caption = caption;
    item.Shortcut = shortcut;
    return item;
}

ToolButton Tool(const char* key, int image, const char* tip) {
    ToolButton button;
    button.Key = key;
    button.Image = image;
    button.ToolTip = tip;
    return button;
}

} // namespace

// The board as it stands when the window is created, before Form_Load.
Board::Board() {
    for (int row = 0; row < RowCount; ++row) {
        for (RowLabels* cells : {&lblDown, &lblUp, &lblRand, &lblOblg}) {
            (*cells)[row].Caption = "";
        }
        for (RowLabels* buttons : {&cmdDown, &cmdUp, &cmdRand, &cmdOblg}) {
            Control& button = (*buttons)[row];
            button.Enabled = false;
            button.Picture = "cellButton";
            button.DisabledPicture = "cellButton";
        }
        lblOption[row].Caption = RowNames[row];
        lblOption[row].BackColor = ColourBlack;
        lblOption[row].ForeColor = ColourWhite;
        img1Column[row].Visible = false;
        img1Column[row].Picture = "row" + std::to_string(row) + "hot";
        img1ColumnP[row].Visible = false;
        img1ColumnP[row].Picture = "row" + std::to_string(row);
    }
    imgBut3.Visible = false;
    imgBut3.Picture = "cellButton";
    lblGrandTotal.Caption = std::string(9, ' ');
    lblSubTotalTitle.Caption = "Sub Total ";
    lblMiddleTitle.Caption = "(Max-Min)xOnes";
    Label13.Caption = "Column Total ";
    Label2.Caption = "Grand Total ";
    imgArrow2.Visible = false;
    imgArrow.Picture = "arrow";
    imgArrow2.Picture = "arrowShort";
    Picture2.Picture = "sheet";
    Image1.Visible = false;
    Image1.Picture = "pattern";

    for (int k = 0; k < DieCount; ++k) {
        picHide[k].Visible = false;
        picHide[k].Picture = "face" + std::to_string(k + 1);
        picHideOff[k].Visible = false;
        picHideOff[k].Picture = "faceHeld" + std::to_string(k + 1);
        picDice[k].Enabled = false;
        picDice[k].Picture = picHide[k].Picture;
        PicDiceOff[k].Visible = false;
        PicDiceOff[k].Enabled = false;
        PicDiceOff[k].Picture = picHideOff[k].Picture;
    }
    picRollDice.Visible = false;
    picRollDice.Picture = "roll";
    picRollOn.Visible = false;
    picRollOn.Picture = "rollPressed";
    picRollOff.Visible = false;
    picRollOff.Picture = "rollOff";
    picRollDices.Picture = picRollDice.Picture;
    for (int k = 0; k < 3; ++k) {
        picRound[k].Visible = false;
        picRound[k].Picture = "lampOn";
        picRoundBG[k].Picture = "lampOff";
    }

    cmdNextPlayer.Caption = "Next Player";
    cmdNextPlayer.Visible = false;
    cmdShowNextBoard.Caption = ShowPlayer1BoardCaption;
    cmdShowNextBoard.Visible = false;

    lblTimeElapsed.Visible = false;
    lblTimeElapsed.Caption = "00:00:00";

    Toolbar2.Buttons[1] = Tool("tbNew", 1, "New Game");
    Toolbar2.Buttons[2] = Tool("", 0, "");
    Toolbar2.Buttons[3] = Tool("tbUndo", 2, "Undo");
    Toolbar2.Buttons[4] = Tool("tbRedo", 3, "Redo");
    Toolbar2.Buttons[5] = Tool("", 0, "");
    Toolbar2.Buttons[6] = Tool("tbHint", 4, "Show Hints");
    Toolbar2.Buttons[7] = Tool("tbSound", 5, "");
    Toolbar2.Buttons[8] = Tool("tbHelp", 6, "Quick Help");
    Toolbar2.Buttons[9] = Tool("tbExit", 7, "Exit Game");

    mnuGame = Item("&Game");
    mnuNewGame = Item("&New Game", "F2");
    mnuScores = Item("&Show Top Scores...", "Ctrl+H");
    mnuGameExit = Item("E&xit", "Ctrl+X");
    mnuTools = Item("&Tools");
    mnuUndoUndo = Item("&Undo", "Ctrl+Z");
    mnuUndoRedo = Item("&Redo", "Ctrl+Y");
    mnuHintsByRequest = Item("Show &Hints by Request");
    mnuHintsByRequest2 = Item("S&how Hints by Request");
    mnuHintsAllways = Item("Show Hints &Always");
    mnuHintsAllways2 = Item("Show &Hints Always");
    mnuSoundsOn = Item("Turn S&ound Effects On");
    mnuSoundsOn2 = Item("Turn Sound &Effects On");
    mnuSoundsOff = Item("Turn Sou&nd Effects Off");
    mnuSoundsOff2 = Item("Turn Sound E&ffects Off");
    mnuOptions = Item("&Options...", "Ctrl+O");
    mnuHelp = Item("&Help");
    mnuQuickStar = Item("&Quick Start...");
    mnuContents = Item("Help &Contents...", "F1");
    mnuGoToWeb = Item("&Visit Web Site...");
    mnuContact = Item("&Contact the Author...");
    mnuAbout = Item("&About Quorvane...");

    tmrTimeElapsed.Interval = 1000;
    tmrRollDice.Interval = 300;
    tmrGameOver.Interval = 150;
    tmrAnimation.Interval = 1;

    LoadDesignGeometry(*this);
}

RowLabels& Board::Cells(int column) {
    return const_cast<RowLabels&>(static_cast<const Board*>(this)->Cells(column));
}
RowLabels& Board::Buttons(int column) {
    return const_cast<RowLabels&>(static_cast<const Board*>(this)->Buttons(column));
}
Control& Board::UpperTotal(int column) {
    return const_cast<Control&>(static_cast<const Board*>(this)->UpperTotal(column));
}
Control& Board::MiddleTotal(int column) {
    return const_cast<Control&>(static_cast<const Board*>(this)->MiddleTotal(column));
}
Control& Board::ColumnTotal(int column) {
    return const_cast<Control&>(static_cast<const Board*>(this)->ColumnTotal(column));
}

const RowLabels& Board::Cells(int column) const {
    switch (column) {
    case colDown:
        return lblDown;
    case colUp:
        return lblUp;
    case colRand:
        return lblRand;
    case colOblg:
        return lblOblg;
    default:
        throw std::out_of_range("no such column");
    }
}
const RowLabels& Board::Buttons(int column) const {
    switch (column) {
    case colDown:
        return cmdDown;
    case colUp:
        return cmdUp;
    case colRand:
        return cmdRand;
    case colOblg:
        return cmdOblg;
    default:
        throw std::out_of_range("no such column");
    }
}
const Control& Board::UpperTotal(int column) const {
    switch (column) {
    case colDown:
        return lblDownTot1;
    case colUp:
        return lblUpTot1;
    case colRand:
        return lblRandTot1;
    case colOblg:
        return lblOblgTot1;
    default:
        throw std::out_of_range("no such column");
    }
}
const Control& Board::MiddleTotal(int column) const {
    switch (column) {
    case colDown:
        return lblDownTot2;
    case colUp:
        return lblUpTot2;
    case colRand:
        return lblRandTot2;
    case colOblg:
        return lblOblgTot2;
    default:
        throw std::out_of_range("no such column");
    }
}
const Control& Board::ColumnTotal(int column) const {
    switch (column) {
    case colDown:
        return lblDownTot;
    case colUp:
        return lblUpTot;
    case colRand:
        return lblRandTot;
    case colOblg:
        return lblOblgTot;
    default:
        throw std::out_of_range("no such column");
    }
}

} // namespace game
