// The sums of a score sheet worked out afresh from its written cells and its
// bonus flags, without the game's code, for checking the shown sheet and the
// waiting player's saved copy at any moment between handlers. Each check
// returns a description of the first thing that disagrees, or "".
#pragma once

#include "game/Board.h"
#include "game/NumberText.h"

#include <array>
#include <string>

namespace testing_support {

// One player's sheet as texts: "" is an open cell or an empty total.
struct SheetView {
    bool fourColumns = true;
    std::array<std::array<std::string, game::RowCount>, 5> cells{}; // [column 1..4][row]
    std::array<std::array<std::string, 3>, 5> totals{};             // [column][sub, mid, total]
    std::string grand;
    std::array<bool, 5> bonus{};
    int Round = 0;
    int DownRow = 0;
    int UpRow = 12;
    int RandUpperCount = 0;
    int OblgUpperCount = 0;
};

inline SheetView ShownSheet(const game::Board& b, bool fourColumns) {
    SheetView v;
    v.fourColumns = fourColumns;
    for (int column = game::colDown; column <= game::colOblg; ++column) {
        for (int row = 0; row < game::RowCount; ++row) {
            v.cells[column][row] = b.Cells(column)[row].Caption;
        }
        v.totals[column] = {b.UpperTotal(column).Caption, b.MiddleTotal(column).Caption,
                            b.ColumnTotal(column).Caption};
        v.bonus[column] = b.UpperBonusGiven[column];
    }
    v.grand = b.lblGrandTotal.Caption;
    v.Round = b.Round;
    v.DownRow = b.DownRow;
    v.UpRow = b.UpRow;
    v.RandUpperCount = b.RandUpperCount;
    v.OblgUpperCount = b.OblgUpperCount;
    return v;
}

// The waiting player's copy: 2000 marks an empty cell or column total, 3000
// an empty grand total. The one-column copy keeps only the Rand column.
inline SheetView SavedSheetView(const game::SavedSheet& s, bool fourColumns) {
    auto text = [](std::int32_t value, std::int32_t empty) {
        return value < empty ? std::to_string(value) : std::string();
    };
    SheetView v;
    v.fourColumns = fourColumns;
    for (int column = game::colDown; column <= game::colOblg; ++column) {
        if (!fourColumns && column != game::colRand) {
            continue;
        }
        for (int row = 0; row < game::RowCount; ++row) {
            v.cells[column][row] = text(s.Cells[column][row], 2000);
        }
        for (int k = 0; k < 3; ++k) {
            v.totals[column][k] = text(s.Totals[column][k], 2000);
        }
        v.bonus[column] = s.UpperBonusGiven[column];
    }
    v.grand = text(s.GrandTotal, 3000);
    v.Round = s.Round;
    v.DownRow = s.DownRow;
    v.UpRow = s.UpRow;
    v.RandUpperCount = s.RandUpperCount;
    v.OblgUpperCount = s.OblgUpperCount;
    return v;
}

// Whether a score can come out of the row's rule at all.
inline bool PossibleScore(int row, int value) {
    if (row <= game::rowSixes) {
        const int face = row + 1;
        return value >= 0 && value % face == 0 && value <= 5 * face;
    }
    switch (row) {
    case game::rowMax:
    case game::rowMin:
        return value >= 5 && value <= 30;
    case game::rowThreeOfAKind:
        return value == 0 || (value >= 15 && value <= 40);
    case game::rowFullHouse:
        return value == 0 || (value >= 27 && value <= 48);
    case game::rowStraight:
        return value == 0 || value == 50 || value == 60;
    case game::rowFourOfAKind:
        return value == 0 || (value >= 35 && value <= 60);
    default:
        return value == 0 || value == 100;
    }
}

// A number as the game writes it: plain digits without leading zeros, a
// minus for a negative value, never "-0".
inline bool CanonicalNumber(const std::string& text) {
    const std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
    if (text.size() == start) {
        return false;
    }
    for (std::size_t i = start; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
    }
    const bool leadingZero = text[start] == '0' && text.size() > start + 1;
    const bool minusZero = start == 1 && text[1] == '0';
    return !leadingZero && !minusZero;
}

// A total: empty, or a number as the game writes it.
inline bool CanonicalTotal(const std::string& text) {
    return text.empty() || CanonicalNumber(text);
}

// The sums of one sheet: every column's upper subtotal (with the bonus that
// six upper rows of 63 or more earn), its (Max - Min) x Ones once the three
// rows are written, its column total, the grand total, the move counter,
// the next Down and Up rows and the upper-row counters of Rand and Oblg.
inline std::string SheetFault(const SheetView& v, const std::string& whose) {
    using namespace game;
    auto fault = [&](const std::string& what) { return whose + ": " + what; };
    const char* names[] = {"", "Down", "Up", "Rand", "Oblg"};
    double grand = 0;
    int filledCells = 0;
    for (int column = colDown; column <= colOblg; ++column) {
        const std::string name = names[column];
        const auto& cells = v.cells[column];
        const auto& totals = v.totals[column];
        const bool inPlay = v.fourColumns || column == colRand;
        if (!inPlay) {
            for (int row = 0; row < RowCount; ++row) {
                if (!cells[row].empty()) {
                    return fault(name + " cell written in the one-column game");
                }
            }
            if (!totals[0].empty() || !totals[1].empty() || !totals[2].empty()) {
                return fault(name + " totals written in the one-column game");
            }
            continue;
        }
        std::array<int, RowCount> value{};
        std::array<bool, RowCount> filled{};
        int filledInColumn = 0;
        int filledUpper = 0;
        for (int row = 0; row < RowCount; ++row) {
            filled[row] = !cells[row].empty();
            if (!filled[row]) {
                continue;
            }
            value[row] = ReadWholeNumber(cells[row]);
            if (!CanonicalNumber(cells[row])) {
                return fault(name + " cell " + std::to_string(row) + " reads \"" + cells[row] +
                             "\"");
            }
            if (!PossibleScore(row, value[row])) {
                return fault(name + " cell " + std::to_string(row) + " holds impossible " +
                             cells[row]);
            }
            ++filledInColumn;
            filledUpper += row <= rowSixes ? 1 : 0;
        }
        filledCells += filledInColumn;
        for (const auto& total : totals) {
            if (!CanonicalTotal(total)) {
                return fault(name + " total reads \"" + total + "\"");
            }
        }

        int upper = 0;
        for (int row = rowOnes; row <= rowSixes; ++row) {
            upper += value[row];
        }
        const bool bonus = filledUpper == 6 && upper >= 63;
        if (v.bonus[column] != bonus) {
            return fault(name + " bonus flag " + (v.bonus[column] ? "set" : "clear") +
                         " with upper rows summing to " + std::to_string(upper) + " over " +
                         std::to_string(filledUpper) + " rows");
        }
        const int sub = upper + (bonus ? 35 : 0);
        if (ReadNumber(totals[0]) != sub || (filledUpper == 0 && !totals[0].empty())) {
            return fault(name + " subtotal \"" + totals[0] + "\", expected " + std::to_string(sub));
        }
        const bool middleDone = filled[rowOnes] && filled[rowMax] && filled[rowMin];
        const int middle = middleDone ? (value[rowMax] - value[rowMin]) * value[rowOnes] : 0;
        if (middleDone ? (totals[1].empty() || ReadNumber(totals[1]) != middle)
                       : !totals[1].empty()) {
            return fault(name + " middle total \"" + totals[1] + "\", expected " +
                         (middleDone ? std::to_string(middle) : std::string("empty")));
        }
        int total = sub + middle;
        for (int row = rowThreeOfAKind; row <= rowFiveOfAKind; ++row) {
            total += value[row];
        }
        if (ReadNumber(totals[2]) != total || (filledInColumn == 0 && !totals[2].empty())) {
            return fault(name + " column total \"" + totals[2] + "\", expected " +
                         std::to_string(total));
        }
        grand += total;

        if (v.fourColumns && column == colDown) {
            for (int row = 0; row < RowCount; ++row) {
                if (filled[row] != (row < v.DownRow)) {
                    return fault("Down cells out of order for DownRow " +
                                 std::to_string(v.DownRow));
                }
            }
        }
        if (v.fourColumns && column == colUp) {
            for (int row = 0; row < RowCount; ++row) {
                if (filled[row] != (row > v.UpRow)) {
                    return fault("Up cells out of order for UpRow " + std::to_string(v.UpRow));
                }
            }
        }
        if (column == colRand && v.RandUpperCount != filledUpper) {
            return fault("RandUpperCount " + std::to_string(v.RandUpperCount) + " with " +
                         std::to_string(filledUpper) + " upper rows written");
        }
        if (v.fourColumns && column == colOblg && v.OblgUpperCount != filledUpper) {
            return fault("OblgUpperCount " + std::to_string(v.OblgUpperCount) + " with " +
                         std::to_string(filledUpper) + " upper rows written");
        }
    }
    const bool blankGrand = v.grand.find_first_not_of(' ') == std::string::npos;
    if (ReadNumber(v.grand) != grand || (!blankGrand && !CanonicalTotal(v.grand))) {
        return fault("grand total \"" + v.grand + "\", expected " + TotalText(grand));
    }
    if (v.Round != filledCells) {
        return fault("Round " + std::to_string(v.Round) + " with " + std::to_string(filledCells) +
                     " cells written");
    }
    return "";
}

} // namespace testing_support
