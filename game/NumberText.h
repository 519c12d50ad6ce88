// The two rules by which the score sheet keeps numbers as label texts: how a
// text is read as a number, and how cells and totals are written back.
#pragma once

#include <cstdint>
#include <string>

namespace game {

// Skips leading blanks, then takes an optional minus sign and the decimal
// digits up to the first character that cannot continue the number. An
// empty or blank text, or one with no digits, reads as 0.
double ReadNumber(const std::string& text);

// A text read as above and rounded to a 32-bit whole number (halves to the
// even neighbour; values beyond the range are held at its ends).
std::int32_t ReadWholeNumber(const std::string& text);

// A cell's score: the decimal text of a 32-bit signed integer.
std::string CellText(std::int32_t value);

// A total: the text of a whole-valued double, plain digits with a leading
// minus for a negative value; no blank, no decimal point.
std::string TotalText(double value);

} // namespace game
