// The row scorers: the score of each kind of row for the dice on the table,
// and the posting of that score into the cell and the column's totals.
#include "Game.h"
#include "NumberText.h"

namespace game {

Game::Game(Board& b, Program& p, Host& h) : board(b), prog(p), host(h) {}

int Game::MovesPerSheet() const {
    return prog.Settings.NumberOfColumns == 1 ? 13 : 52;
}

void Game::SortDice() {
    auto& dice = board.Dice;
    const int last = prog.LastDie;
    for (int i = 0; i <= last; ++i) {
        for (int j = 0; j <= last - i - 1; ++j) {
            if (dice[j] > dice[j + 1]) {
                std::swap(dice[j], dice[j + 1]);
            }
        }
    }
}

void Game::ScoreRow(int row) {
    switch (row) {
    case rowMax:
        ScoreMaxRow();
        break;
    case rowMin:
        ScoreMinRow();
        break;
    case rowThreeOfAKind:
        ScoreThreeOfAKind();
        break;
    case rowFullHouse:
        ScoreFullHouse();
        break;
    case rowStraight:
        ScoreStraight();
        break;
    case rowFourOfAKind:
        ScoreFourOfAKind();
        break;
    case rowFiveOfAKind:
        ScoreFiveOfAKind();
        break;
    default:
        if (row >= rowOnes && row <= rowSixes) {
            ScoreUpperRow(static_cast<std::uint8_t>(row + 1));
        }
        break;
    }
}

void Game::ScoreUpperRow(std::uint8_t face) {
    if (!board.CalcOnly) {
        SortDice();
    }
    const auto& d = board.Dice;
    int score = 0;
    for (int i = 0; i <= 4; ++i) {
        if (d[i] == face) {
            score += d[i];
        }
    }
    // With six dice the sixth die counts only when not all six show the face.
    if (prog.LastDie == 5 && d[5] == face && d[0] != face) {
        score += d[5];
    }
    board.RowScore = score;
    if (!board.CalcOnly) {
        PostScore();
    }
}

void Game::ScoreMaxRow() {
    if (!board.CalcOnly) {
        SortDice();
    }
    const auto& d = board.Dice;
    if (prog.LastDie == 5) {
        board.RowScore = d[1] + d[2] + d[3] + d[4] + d[5];
    } else {
        board.RowScore = d[0] + d[1] + d[2] + d[3] + d[4];
    }
    if (!board.CalcOnly) {
        PostScore();
    }
}

void Game::ScoreMinRow() {
    if (!board.CalcOnly) {
        SortDice();
    }
    const auto& d = board.Dice;
    board.RowScore = d[0] + d[1] + d[2] + d[3] + d[4];
    if (!board.CalcOnly) {
        PostScore();
    }
}

void Game::ScoreThreeOfAKind() {
    if (!board.CalcOnly) {
        SortDice();
    }
    const auto& d = board.Dice;
    const bool six = prog.LastDie == 5;
    int score = 0;
    if (d[0] == d[1] && d[1] == d[2]) {
        if (!six) {
            score = d[0] + d[1] + d[2] + d[3] + d[4] + 10;
        } else {
            score = d[0] + d[1] + d[2] + d[4] + d[5] + 10;
            if (d[3] == d[4] && d[4] == d[5]) {
                score = d[1] + d[2] + d[3] + d[4] + d[5] + 10;
            }
        }
    } else if ((d[1] == d[2] && d[2] == d[3]) || (d[2] == d[3] && d[3] == d[4])) {
        if (!six) {
            score = d[0] + d[1] + d[2] + d[3] + d[4] + 10;
        } else {
            score = d[1] + d[2] + d[3] + d[4] + d[5] + 10;
        }
    } else if (six && d[3] == d[4] && d[4] == d[5]) {
        score = d[1] + d[2] + d[3] + d[4] + d[5] + 10;
    }
    board.RowScore = score;
    if (!board.CalcOnly) {
        PostScore();
    }
}

void Game::ScoreFullHouse() {
    if (!board.CalcOnly) {
        SortDice();
    }
    const auto& d = board.Dice;
    const bool six = prog.LastDie == 5;
    int score = 0;
    if (d[0] == d[1] && d[1] == d[2] && d[3] == d[4] && d[3] != d[2]) {
        score = d[0] + d[1] + d[2] + d[3] + d[4] + 20;
        if (six && d[5] == d[4]) {
            score = d[0] + d[2] + d[3] + d[4] + d[5] + 20;
        }
    } else if (d[0] == d[1] && d[2] == d[3] && d[3] == d[4] && d[2] != d[1]) {
        score = d[0] + d[1] + d[2] + d[3] + d[4] + 20;
    } else if (six && d[4] != d[1]) {
        if (d[0] == d[1] && d[1] == d[2] && d[4] == d[5]) {
            score = d[0] + d[1] + d[2] + d[4] + d[5] + 20;
        } else if (d[0] == d[1] && d[3] == d[4] && d[4] == d[5]) {
            score = d[0] + d[1] + d[3] + d[4] + d[5] + 20;
        } else if (d[1] == d[2] && d[3] == d[4] && d[4] == d[5]) {
            score = d[1] + d[2] + d[3] + d[4] + d[5] + 20;
        } else if (d[1] == d[2] && d[2] == d[3] && d[4] == d[5]) {
            score = d[1] + d[2] + d[3] + d[4] + d[5] + 20;
        }
    }
    board.RowScore = score;
    if (!board.CalcOnly) {
        PostScore();
    }
}

void Game::ScoreStraight() {
    // The straight changes the dice while it tests them; it puts back the
    // order it found, in calc-only mode too.
    const auto saved = board.Dice;
    if (!board.CalcOnly) {
        SortDice();
    }
    auto& d = board.Dice;
    const bool six = prog.LastDie == 5;
    auto consecutive = [&](int from) {
        for (int i = from; i < from + 4; ++i) {
            if (d[i] + 1 != d[i + 1]) {
                return false;
            }
        }
        return true;
    };
    int score = 0;
    if (consecutive(0)) {
        if (d[4] == 6) {
            score = 60;
        } else if (six && d[5] == 6) {
            score = 60;
        } else {
            score = 50;
        }
    } else if (six) {
        for (int i = 0; i <= 4; ++i) {
            if (d[i] == d[i + 1]) {
                d[i] = 0;
            }
        }
        SortDice();
        if (d[1] != 0 && consecutive(1)) {
            score = d[5] == 6 ? 60 : 50;
        }
    }
    board.RowScore = score;
    if (!board.CalcOnly) {
        // Post with the dice as sorted, then restore the order found.
        PostScore();
    }
    board.Dice = saved;
}

void Game::ScoreFourOfAKind() {
    if (!board.CalcOnly) {
        SortDice();
    }
    const auto& d = board.Dice;
    const bool six = prog.LastDie == 5;
    int score = 0;
    if (d[0] == d[1] && d[1] == d[2] && d[2] == d[3]) {
        score = six ? d[0] + d[1] + d[2] + d[3] + d[5] + 30 : d[0] + d[1] + d[2] + d[3] + d[4] + 30;
    } else if (d[1] == d[2] && d[2] == d[3] && d[3] == d[4]) {
        score = six ? d[1] + d[2] + d[3] + d[4] + d[5] + 30 : d[0] + d[1] + d[2] + d[3] + d[4] + 30;
    } else if (six && d[2] == d[3] && d[3] == d[4] && d[4] == d[5]) {
        score = d[1] + d[2] + d[3] + d[4] + d[5] + 30;
    }
    board.RowScore = score;
    if (!board.CalcOnly) {
        PostScore();
    }
}

void Game::ScoreFiveOfAKind() {
    if (!board.CalcOnly) {
        SortDice();
    }
    const auto& d = board.Dice;
    auto allEqual = [&](int from) {
        for (int i = from + 1; i < from + 5; ++i) {
            if (d[i] != d[from]) {
                return false;
            }
        }
        return true;
    };
    const bool five = allEqual(0) || (prog.LastDie == 5 && allEqual(1));
    board.RowScore = five ? 100 : 0;
    if (!board.CalcOnly) {
        PostScore();
    }
}

namespace {

bool Filled(const Control& cell) {
    return !cell.Caption.empty();
}

void Raise(Control& total, double amount) {
    total.Caption = TotalText(ReadNumber(total.Caption) + amount);
}

} // namespace

void Game::PostScore() {
    const int column = board.CurrentColumn;
    if (column < colDown || column > colOblg) {
        return;
    }
    const int row = board.CurrentRow;
    const int score = board.RowScore;
    RowLabels& cells = board.Cells(column);
    Control& upper = board.UpperTotal(column);
    Control& middle = board.MiddleTotal(column);
    Control& total = board.ColumnTotal(column);
    const bool free = column == colRand || column == colOblg;

    // Writes (Max - Min) x Ones and adds it to the column total.
    auto completeMiddle = [&](double ones) {
        const double mid =
            (ReadNumber(cells[rowMax].Caption) - ReadNumber(cells[rowMin].Caption)) * ones;
        middle.Caption = TotalText(mid);
        Raise(total, mid);
    };

    cells[row].Caption = CellText(score);
    if (row <= rowSixes) {
        Raise(upper, score);
        if (row == rowOnes) {
            if (column == colUp) {
                completeMiddle(score);
            } else if (free && Filled(cells[rowMax]) && Filled(cells[rowMin])) {
                completeMiddle(ReadNumber(cells[rowOnes].Caption));
            }
        }
        Raise(total, score);
        if (free) {
            UpperBonusStep(column);
        }
    } else if (row == rowMax) {
        if (free && Filled(cells[rowMin]) && Filled(cells[rowOnes])) {
            completeMiddle(ReadNumber(cells[rowOnes].Caption));
        }
    } else if (row == rowMin) {
        if (column == colDown || (free && Filled(cells[rowMax]) && Filled(cells[rowOnes]))) {
            completeMiddle(ReadNumber(cells[rowOnes].Caption));
        }
    } else if (row == rowFiveOfAKind && column == colOblg) {
        if (board.OblgWritten) {
            Raise(total, score);
        }
    } else {
        Raise(total, score);
    }
}

void Game::UpperBonusStep(int column) {
    if (board.UpperBonusGiven[column]) {
        return;
    }
    std::int32_t& counter = column == colRand ? board.RandUpperCount : board.OblgUpperCount;
    ++counter;
    Control& upper = board.UpperTotal(column);
    if (counter == 6 && ReadNumber(upper.Caption) >= 63) {
        Raise(upper, 35);
        Raise(board.ColumnTotal(column), 35);
        board.UpperBonusGiven[column] = true;
    }
}

} // namespace game
