#include "NumberText.h"

#include <cmath>
#include <cstdio>

namespace game {

double ReadNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && text[i] == '-') {
        negative = true;
        ++i;
    }
    double value = 0.0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10.0 + (text[i] - '0');
        ++i;
    }
    return negative ? -value : value;
}

std::string CellText(std::int32_t value) {
    return std::to_string(value);
}

std::string TotalText(double value) {
    double whole = std::round(value);
    if (whole == 0.0) {
        return "0"; // never "-0"
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%.0f", whole);
    return buffer;
}

} // namespace game
