#include "NumberText.h"

#include <cmath>
#include <cstdio>
#include <limits>

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

std::int32_t ReadWholeNumber(const std::string& text) {
    const double value = std::nearbyint(ReadNumber(text));
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::fmax(low, std::fmin(high, value)));
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
