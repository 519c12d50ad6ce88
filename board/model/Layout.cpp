// Board layout: bends the board's one design to the settings (five or six
// dice, four columns or one, one or two players, status bar, hint column).
// These procedures only place, show and hide controls and set pictures; of
// the game state they touch nothing but HintsAlwaysOn and SoundOn.
#include "Game.h"

namespace game {

namespace {

constexpr int FiveDice = 4; // NumberOfDice is the index of the last die
constexpr int SixDice = 5;

void SetDiceLayout(Board& b, int numberOfDice) {
    if (numberOfDice != FiveDice && numberOfDice != SixDice) {
        return; // any other value leaves the dice where they are
    }
    const bool six = numberOfDice == SixDice;
    b.picDice[5].Visible = six;
    b.PicDiceOff[5].Visible = false;
    // With five dice the second row holds two dice centred under the first.
    b.picDice[4].Left = b.PicDiceOff[4].Left = six ? 1150 : 1602;
    b.picDice[3].Left = b.PicDiceOff[3].Left = six ? 245 : 697;
    b.Shape5.Visible = six;
    b.Shape3.Left = six ? 247 : 697;
    b.Shape4.Left = six ? 1150 : 1602;
}

void SetColumnsLayout(Board& b, bool fourColumns) {
    const std::string& cellPicture = b.imgBut3.Picture;
    for (int row = 0; row < RowCount; ++row) {
        if (fourColumns) {
            b.cmdDown[row].DisabledPicture = cellPicture;
            b.cmdDown[row].Visible = true;
            b.lblDown[row].Visible = true;
            b.cmdUp[row].DisabledPicture = cellPicture;
            b.cmdUp[row].Visible = true;
            b.lblUp[row].Visible = true;
            b.cmdRand[row].DisabledPicture = cellPicture;
            b.cmdRand[row].Picture = cellPicture;
            b.cmdRand[row].Width = 600;
            b.cmdRand[row].Left = 3405;
            b.cmdRand[row].Visible = true;
            b.lblRand[row].Width = 600;
            b.lblRand[row].Left = 3405;
            b.cmdOblg[row].DisabledPicture = cellPicture;
            b.cmdOblg[row].Visible = true;
            b.lblOblg[row].Visible = true;
        } else {
            b.cmdDown[row].Visible = false;
            b.lblDown[row].Visible = false;
            b.cmdUp[row].Visible = false;
            b.lblUp[row].Visible = false;
            b.cmdRand[row].DisabledPicture = b.img1ColumnP[row].Picture;
            b.cmdRand[row].Picture = b.img1ColumnP[row].Picture;
            b.cmdRand[row].Visible = true;
            b.cmdRand[row].Enabled = false;
            b.cmdRand[row].Width = 2400;
            b.cmdRand[row].Left = 2205;
            b.lblRand[row].Width = 2400;
            b.lblRand[row].Left = 2205;
            b.cmdOblg[row].Visible = false;
            b.lblOblg[row].Visible = false;
        }
    }
    for (Control* total :
         {&b.lblDownTot1, &b.lblUpTot1, &b.lblOblgTot1, &b.lblDownTot2, &b.lblUpTot2,
          &b.lblOblgTot2, &b.lblDownTot, &b.lblUpTot, &b.lblOblgTot}) {
        total->Visible = fourColumns;
    }
    for (Control* total : {&b.lblRandTot1, &b.lblRandTot2, &b.lblRandTot}) {
        total->Left = fourColumns ? 3405 : 2205;
        total->Width = fourColumns ? 600 : 2400;
    }
    b.lblGrandTotal.Left = 2205;
    b.lblGrandTotal.Width = 2400;
}

// Moves everything below the sheet by d (the grand total and its frame by e).
void MoveLowerBoard(Board& b, int d, int e) {
    b.Shape10.Height += d;
    b.Shape11.Top += e;
    b.Label2.Top += d;
    b.shpLabel2.Top += d;
    b.lblGrandTotal.Top += e;
    for (Control* shape :
         {&b.Shape1, &b.Shape3, &b.Shape4, &b.Shape5, &b.Shape6, &b.Shape7, &b.Shape8, &b.Shape9}) {
        shape->Top += d;
    }
    b.picRollDices.Top += d;
    for (int die = 0; die < DieCount; ++die) { // all six, whatever the dice count
        b.picDice[die].Top += d;
        b.PicDiceOff[die].Top += d;
    }
    for (Line* line : {&b.Line5, &b.Line6, &b.Line7, &b.Line8}) {
        line->Y1 += d;
        line->Y2 += d;
    }
    b.Line9.Y2 += d;
    b.Line10.Y2 += d;
    b.Line12.Y1 += d;
    b.Line12.Y2 += d;
}

// lblRandTot's shown flag records which vertical arrangement is in place, so
// the lower board moves only when the arrangement has to change.
void SetVerticalArrangement(Board& b, bool fourColumns) {
    if (fourColumns && !b.lblRandTot.Visible) {
        b.lblRandTot.Visible = true;
        b.Label13.Visible = true;
        b.shpLabel13.Visible = true;
        b.imgArrow.Visible = true;
        b.imgArrow2.Visible = false;
        MoveLowerBoard(b, 250, 270);
    } else if (!fourColumns && b.lblRandTot.Visible) {
        b.lblRandTot.Visible = false;
        b.Label13.Visible = false;
        b.shpLabel13.Visible = false;
        b.imgArrow.Visible = false;
        b.imgArrow2.Visible = true;
        MoveLowerBoard(b, -250, -270);
    }
}

void SetMenuPairs(Board& b, Program& prog) {
    const GameSettings& s = prog.Settings;
    b.mnuHintsByRequest.Caption = "Show &Hints by Request";
    b.mnuHintsByRequest2.Caption = "S&how Hints by Request";
    b.mnuHintsAllways.Caption = "Show Hints &Always";
    b.mnuHintsAllways2.Caption = "Show &Hints Always";
    b.mnuSoundsOn.Caption = "Turn S&ound Effects On";
    b.mnuSoundsOn2.Caption = "Turn Sound &Effects On";
    b.mnuSoundsOff.Caption = "Turn Sou&nd Effects Off";
    b.mnuSoundsOff2.Caption = "Turn Sound E&ffects Off";

    if (s.hintAllways) {
        b.HintsAlwaysOn = true;
    }
    b.mnuHintsByRequest.Visible = !s.hintAllways;
    b.mnuHintsByRequest2.Visible = s.hintAllways;
    b.mnuHintsAllways.Visible = s.hintAllways;
    b.mnuHintsAllways2.Visible = !s.hintAllways;
    // The hint button asks for hints on request: off while they are always on.
    b.Toolbar2.Buttons[6].Enabled = !s.hintAllways;
    b.mnuSoundsOn.Visible = s.SoundEnabled;
    b.mnuSoundsOn2.Visible = !s.SoundEnabled;
    b.mnuSoundsOff.Visible = !s.SoundEnabled;
    b.mnuSoundsOff2.Visible = s.SoundEnabled;
}

} // namespace

void Game::SetControls() {
    const GameSettings& s = prog.Settings;
    ArrangeStatusBar();
    SetDiceLayout(board, s.NumberOfDice);
    const bool fourColumns = s.NumberOfColumns == 4;
    SetColumnsLayout(board, fourColumns);
    SetVerticalArrangement(board, fourColumns);
    SetSheetHeight();

    if (s.NumberOfPlayers == 2) {
        board.Caption = PlayerOneCaption;
        board.StatusBar1.Panels[3].Text = "0 : 0";
    } else {
        board.Caption = "Quorvane 2.0";
    }

    SetMenuPairs(board, prog);

    // Toolbar image 5 shows the sound on, image 8 the sound off.
    if (!s.SoundEnabled) {
        board.Toolbar2.Buttons[7].Image = 8;
        prog.SoundOn = false;
    } else {
        board.Toolbar2.Buttons[7].Image = 5;
        prog.SoundOn = true;
    }
}

void Game::ArrangeStatusBar() {
    const GameSettings& s = prog.Settings;
    auto& panels = board.StatusBar1.Panels;
    const bool fourColumns = s.NumberOfColumns == 4;
    if (s.NumberOfPlayers == 2) {
        board.StatusBar1.Visible = true;
        panels[2].Width = 1;
        panels[2].Visible = false;
        panels[1].Width = 2000;
        panels[1].Visible = true;
        panels[4].Width = 1;
        panels[4].Visible = false;
        panels[3].Width = 1630;
        panels[3].Visible = true;
        panels[1].Text = s.Player1;
        // The status bar is always shown with two players.
        board.Height = fourColumns ? 8530 : 8300;
    } else {
        panels[1].Width = 1;
        panels[1].Visible = false;
        panels[2].Width = 2550;
        panels[2].Visible = true;
        panels[3].Width = 1;
        panels[3].Visible = false;
        panels[4].Width = 1230;
        panels[4].Visible = true;
        panels[2].Text = "Roll the dice";
        if (s.ShowStatusBar) {
            board.Height = fourColumns ? 8530 : 8270;
        } else {
            board.Height = fourColumns ? 8300 : 8030;
        }
        board.StatusBar1.Visible = s.ShowStatusBar;
        board.cmdNextPlayer.Visible = false;
    }
}

void Game::SetSheetHeight() {
    // Only a column count of exactly 1 takes the short sheet.
    const bool oneColumn = prog.Settings.NumberOfColumns == 1;
    const int sheetBottom = oneColumn ? 5164 : 5414;
    board.Picture2.Height = oneColumn ? 4505 : 4740;
    board.Line1.Y2 = sheetBottom;
    board.Line3.Y2 = sheetBottom;
    board.Line4.Y1 = sheetBottom;
    board.Line4.Y2 = sheetBottom;
}

void Game::ShowHintColumn() {
    // The setting decides, not its board copy HintsAlwaysOn.
    const bool shown = prog.Settings.hintAllways || board.HintShown;
    const int nameWidth = shown ? 1250 : 1570; // hidden: the names grow over the hints
    for (int row = 0; row < RowCount; ++row) {
        board.lblTip[row].Visible = shown;
        board.Shape12[row].Visible = shown;
        board.lblOption[row].Width = nameWidth;
    }
    for (int row = 0; row < RowCount; ++row) {
        board.shpOptions[row].Width = nameWidth;
    }
}

} // namespace game
