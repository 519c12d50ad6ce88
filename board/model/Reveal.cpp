// The reveal of a new sheet: the cell buttons come back one group per timer
// tick in one of nine patterns (four columns) or four (one column), chosen at
// random, while the roll picture stays disabled. The reveal only shows and
// hides cell buttons; their Enabled state, captions and scores are untouched.
#include "Game.h"

#include <cmath>
#include <utility>

namespace game {

namespace {

// One tick of the reveal over the board's four button arrays.
class RevealTick {
public:
    explicit RevealTick(Board& board) : b(board), s(board.RevealStep), p(board.RevealPhase) {}

    RowLabels& Down() { return b.cmdDown; }
    RowLabels& Up() { return b.cmdUp; }
    RowLabels& Rand() { return b.cmdRand; }
    RowLabels& Oblg() { return b.cmdOblg; }

    void Show(RowLabels& buttons, int row) { buttons[row].Visible = true; }
    void Hide(RowLabels& buttons, int row) { buttons[row].Visible = false; }
    void ShowRowOfAll(int row) {
        for (RowLabels* buttons : {&b.cmdDown, &b.cmdUp, &b.cmdRand, &b.cmdOblg}) {
            Show(*buttons, row);
        }
    }
    void HideRowOfAll(int row) {
        for (RowLabels* buttons : {&b.cmdDown, &b.cmdUp, &b.cmdRand, &b.cmdOblg}) {
            Hide(*buttons, row);
        }
    }
    // Shows the button of a reveal code: column code / 13, row code % 13.
    void ShowCode(int code) {
        RowLabels* columns[] = {&b.cmdDown, &b.cmdUp, &b.cmdRand, &b.cmdOblg};
        Show(*columns[code / RowCount], code % RowCount);
    }
    void ShowEvenRows(RowLabels& buttons) {
        for (int row = 0; row <= 12; row += 2) {
            Show(buttons, row);
        }
    }
    void ShowOddRows(RowLabels& buttons) {
        for (int row = 1; row <= 11; row += 2) {
            Show(buttons, row);
        }
    }

    void RollOff() { b.picRollDices.Enabled = false; }
    void Finish() {
        b.picRollDices.Enabled = true;
        b.tmrAnimation.Enabled = false;
    }

    Board& b;
    std::int32_t& s; // RevealStep
    std::int32_t& p; // RevealPhase
};

// Hides from the outer rows inward, then shows from the middle row outward.
void FourColumnsInsideOut(RevealTick& t) {
    if (t.p == 0) {
        t.RollOff();
        t.HideRowOfAll(t.s);
        t.HideRowOfAll(12 - t.s);
        ++t.s;
        if (t.s == 7) {
            t.s = 6;
            t.p = 1;
        }
    } else {
        t.ShowRowOfAll(t.s);
        t.ShowRowOfAll(12 - t.s);
        if (t.s == 0) {
            t.p = 0;
            t.Finish();
        } else {
            --t.s;
        }
    }
}

void FourColumnsCrossing(RevealTick& t) {
    t.RollOff();
    t.Show(t.Down(), 12 - t.s);
    t.Show(t.Up(), 12 - t.s);
    t.Show(t.Rand(), t.s);
    t.Show(t.Oblg(), t.s);
    if (++t.s == 13) {
        t.Finish();
    }
}

// Even rows column by column, then odd rows back; it changes the interval.
void FourColumnsEvenThenOdd(RevealTick& t) {
    switch (t.p) {
    case 0:
        t.b.tmrAnimation.Interval = 50;
        t.RollOff();
        t.ShowEvenRows(t.Down());
        break;
    case 1:
        t.ShowEvenRows(t.Up());
        break;
    case 2:
        t.ShowEvenRows(t.Rand());
        break;
    case 3:
        t.ShowEvenRows(t.Oblg());
        break;
    case 4:
        t.ShowOddRows(t.Oblg());
        break;
    case 5:
        t.b.tmrAnimation.Interval = 5;
        t.ShowOddRows(t.Rand());
        break;
    case 6:
        t.ShowOddRows(t.Up());
        break;
    case 7:
        t.ShowOddRows(t.Down());
        t.b.picRollDices.Enabled = true;
        break;
    default:
        break;
    }
    if (++t.p == 8) {
        t.b.tmrAnimation.Enabled = false;
    }
}

// The four corners first, then the columns two by two towards each other.
void FourColumnsCorners(RevealTick& t) {
    switch (t.p) {
    case 0:
        t.RollOff();
        t.Show(t.Down(), 0);
        t.Show(t.Oblg(), 12);
        ++t.p;
        return;
    case 1:
        t.Show(t.Up(), 0);
        t.Show(t.Rand(), 12);
        ++t.p;
        return;
    case 2:
        t.Show(t.Rand(), 0);
        t.Show(t.Up(), 12);
        ++t.p;
        return;
    case 3:
        t.Show(t.Oblg(), 0);
        t.Show(t.Down(), 12);
        ++t.p;
        return;
    default:
        t.Show(t.Oblg(), t.s);
        t.Show(t.Rand(), t.s);
        t.Show(t.Down(), 12 - t.s);
        t.Show(t.Up(), 12 - t.s);
        if (++t.s == 13) {
            t.Finish();
        }
        return;
    }
}

void FourColumnsOutsideDown(RevealTick& t) {
    t.RollOff();
    t.Show(t.Down(), t.s);
    t.Show(t.Oblg(), t.s);
    t.Show(t.Rand(), 12 - t.s);
    t.Show(t.Up(), 12 - t.s);
    if (++t.s == 13) {
        t.s = 0;
        t.Finish();
    }
}

// Three cells a tick in the shuffled order; the last tick shows one. The
// step passes 52 to 53 to mark the end.
void FourColumnsShuffled(RevealTick& t) {
    t.RollOff();
    for (int k = 0; k < 3 && t.s < 52; ++k) {
        t.ShowCode(t.b.RevealOrder[t.s]);
        ++t.s;
    }
    if (t.s == 52) {
        t.s = 53;
    }
    if (t.s == 53) {
        t.Finish();
    }
}

void FourColumnsUpThenDown(RevealTick& t) {
    t.RollOff();
    if (t.p == 0) {
        t.Show(t.Up(), 12 - t.s);
        t.Show(t.Rand(), 12 - t.s);
        if (++t.s == 13) {
            t.s = 0;
            t.p = 1;
        }
    } else {
        t.Show(t.Down(), t.s);
        t.Show(t.Oblg(), t.s);
        if (++t.s == 13) {
            t.Finish();
        }
    }
}

void FourColumnsBottomFirst(RevealTick& t) {
    t.RollOff();
    switch (t.p) {
    case 0:
        t.Show(t.Up(), 12);
        t.Show(t.Rand(), 12);
        t.p = 1;
        return;
    case 1:
        t.Show(t.Down(), 12);
        t.Show(t.Oblg(), 12);
        t.p = 2;
        t.s = 1;
        return;
    case 2:
        t.Show(t.Down(), 12 - t.s);
        t.Show(t.Oblg(), 12 - t.s);
        if (++t.s == 13) {
            t.s = 1;
            t.p = 3;
        }
        return;
    case 3:
        t.Show(t.Up(), 0);
        t.Show(t.Rand(), 0);
        t.p = 4;
        return;
    default:
        t.Show(t.Up(), t.s);
        t.Show(t.Rand(), t.s);
        if (++t.s == 12) {
            t.Finish();
        }
        return;
    }
}

// A spiral: the top row, Oblg down, the bottom row and Down up, Rand down,
// Up up; two cells a tick.
void FourColumnsSpiral(RevealTick& t) {
    t.RollOff();
    switch (t.p) {
    case 0:
        t.Show(t.Up(), t.s);
        t.Show(t.Down(), t.s);
        t.Show(t.Rand(), t.s);
        t.Show(t.Oblg(), t.s);
        t.p = 1;
        t.s = -1;
        return;
    case 1:
        ++t.s;
        t.Show(t.Oblg(), t.s);
        ++t.s;
        if (t.s >= 13) {
            t.s = 13;
            t.p = 2;
        } else {
            t.Show(t.Oblg(), t.s);
        }
        return;
    case 2:
        t.Show(t.Rand(), 12);
        t.Show(t.Up(), 12);
        --t.s;
        t.Show(t.Down(), t.s);
        --t.s;
        if (t.s < 1) {
            t.Show(t.Up(), 1);
            t.p = 3;
            t.s = 0;
        } else {
            t.Show(t.Down(), t.s);
        }
        return;
    case 3:
        ++t.s;
        t.Show(t.Rand(), t.s);
        ++t.s;
        if (t.s >= 12) {
            t.p = 4;
            t.s = 12;
        } else {
            t.Show(t.Rand(), t.s);
        }
        return;
    default:
        --t.s;
        t.Show(t.Up(), t.s);
        --t.s;
        if (t.s < 1) {
            t.Finish();
        } else {
            t.Show(t.Up(), t.s);
        }
        return;
    }
}

void FourColumnsTick(RevealTick& t, int variant) {
    switch (variant) {
    case 1:
        FourColumnsInsideOut(t);
        break;
    case 2:
        FourColumnsCrossing(t);
        break;
    case 3:
        FourColumnsEvenThenOdd(t);
        break;
    case 4:
        FourColumnsCorners(t);
        break;
    case 5:
        FourColumnsOutsideDown(t);
        break;
    case 6:
        FourColumnsShuffled(t);
        break;
    case 7:
        FourColumnsUpThenDown(t);
        break;
    case 8:
        FourColumnsBottomFirst(t);
        break;
    case 9:
        FourColumnsSpiral(t);
        break;
    default:
        break; // no such variant: the tick does nothing
    }
}

void OneColumnTick(RevealTick& t, int variant) {
    switch (variant) {
    case 1: // top to bottom
        t.RollOff();
        t.Show(t.Rand(), t.s);
        if (++t.s == 13) {
            t.Finish();
        }
        break;
    case 2: // bottom to top
        t.RollOff();
        t.Show(t.Rand(), 12 - t.s);
        if (++t.s == 13) {
            t.Finish();
        }
        break;
    case 3: // outside in hiding, then middle out showing
        if (t.p == 0) {
            t.RollOff();
            t.Hide(t.Rand(), t.s);
            t.Hide(t.Rand(), 12 - t.s);
            if (++t.s == 7) {
                t.s = 6;
                t.p = 1;
            }
        } else {
            t.Show(t.Rand(), t.s);
            t.Show(t.Rand(), 12 - t.s);
            if (--t.s < 0) { // the tick that showed the outer rows
                t.Finish();
            }
        }
        break;
    case 4: // middle out hiding, then outside in showing
        if (t.p == 0) {
            t.s = 6;
            t.p = 1;
        } else if (t.p == 1) {
            t.RollOff();
            t.Hide(t.Rand(), 12 - t.s);
            t.Hide(t.Rand(), t.s);
            if (t.s == 0) {
                t.p = 2;
            } else {
                --t.s;
            }
        } else {
            t.Show(t.Rand(), 12 - t.s);
            t.Show(t.Rand(), t.s);
            if (++t.s == 7) {
                t.Finish();
            }
        }
        break;
    default:
        break;
    }
}

} // namespace

void Game::StartSheetAnimation() {
    // A new game empties the score store here.
    for (int row = 0; row < RowCount; ++row) {
        for (RowLabels* texts :
             {&board.lblDown, &board.lblUp, &board.lblRand, &board.lblOblg, &board.lblTip}) {
            (*texts)[row].Caption.clear();
        }
    }
    host.Reseed();
    const double r = host.Random();
    const int variants = prog.Settings.NumberOfColumns == 4 ? 9 : 4;
    board.RevealVariant = static_cast<std::int32_t>(std::floor(variants * r)) + 1;
    board.RevealStep = 0;
    board.RevealPhase = 0;
    if (board.RevealVariant == 6) {
        ShuffleRevealOrder();
    }
    // The interval stays as the last reveal left it.
    board.tmrAnimation.Enabled = true;
}

void Game::ShuffleRevealOrder() {
    auto& order = board.RevealOrder;
    for (int i = 0; i < 52; ++i) {
        order[i] = i; // element 52 is left as it is
    }
    host.Reseed();
    auto swapWithDrawn = [&](int i) {
        // j lies in 1..i for i >= 1 and is 1 for i = 0.
        const int j = static_cast<int>(std::floor(host.Random() * i + 1));
        std::swap(order[i], order[j]);
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int i = 51; i >= 0; --i) {
            swapWithDrawn(i);
        }
        for (int i = 0; i <= 51; ++i) {
            swapWithDrawn(i);
        }
    }
}

void Game::tmrAnimation_Timer() {
    RevealTick tick(board);
    if (prog.Settings.NumberOfColumns == 4) {
        FourColumnsTick(tick, board.RevealVariant);
    } else {
        OneColumnTick(tick, board.RevealVariant);
    }
}

} // namespace game
