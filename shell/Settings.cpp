#include "Settings.h"

#include "Registry.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace shell {

namespace {

// Scans a number at the start of `text` from position `pos`. Returns the
// number of characters taken (0 when no digit was found) and the value.
std::size_t ScanNumber(const std::string& text, std::size_t pos, double& value) {
    const std::size_t start = pos;
    std::string digits;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            digits += '-';
        }
        ++pos;
    }
    bool anyDigit = false;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        digits += text[pos++];
        anyDigit = true;
    }
    if (pos < text.size() && text[pos] == '.') {
        std::size_t after = pos + 1;
        std::string fraction;
        while (after < text.size() && text[after] >= '0' && text[after] <= '9') {
            fraction += text[after++];
        }
        if (anyDigit || !fraction.empty()) {
            digits += '.' + fraction;
            anyDigit = true;
            pos = after;
        }
    }
    if (!anyDigit) {
        value = 0;
        return 0;
    }
    // An exponent counts only when digits follow it.
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t after = pos + 1;
        std::string exponent = "e";
        if (after < text.size() && (text[after] == '+' || text[after] == '-')) {
            exponent += text[after++];
        }
        const std::size_t firstDigit = after;
        while (after < text.size() && text[after] >= '0' && text[after] <= '9') {
            exponent += text[after++];
        }
        if (after > firstDigit) {
            digits += exponent;
            pos = after;
        }
    }
    value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        value = digits.front() == '-' ? -std::numeric_limits<double>::infinity()
                                      : std::numeric_limits<double>::infinity();
    }
    return pos - start;
}

std::size_t SkipBlanks(const std::string& text, std::size_t pos) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    return pos;
}

// Nearest whole number, halves to the even one, held to the 32-bit range.
std::int32_t RoundToInt32(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<std::int32_t>::min();
    constexpr double highest = std::numeric_limits<std::int32_t>::max();
    if (value <= lowest) {
        return std::numeric_limits<std::int32_t>::min();
    }
    if (value >= highest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    double whole = std::floor(value);
    const double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0.0)) {
        whole += 1.0;
    }
    return static_cast<std::int32_t>(whole);
}

// A stored count that is not one of the setting's values takes its default,
// so the game never starts with a dice, column or player count it cannot lay out.
std::int32_t OneOf(std::int32_t value, std::int32_t first, std::int32_t second,
                   std::int32_t fallback) {
    return value == first || value == second ? value : fallback;
}

QString FlagText(bool flag) {
    return flag ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

std::int32_t SettingNumber(const QString& text) {
    const std::string utf8 = text.toStdString();
    double value = 0;
    ScanNumber(utf8, SkipBlanks(utf8, 0), value);
    return RoundToInt32(value);
}

bool SettingFlag(const QString& text, bool fallback) {
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QStringLiteral("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (trimmed.compare(QStringLiteral("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    // A number counts only when it is the whole text.
    const std::string utf8 = trimmed.toStdString();
    double value = 0;
    const std::size_t taken = ScanNumber(utf8, 0, value);
    if (taken == 0 || taken != utf8.size()) {
        return fallback;
    }
    return value != 0;
}

std::string SettingName(const QString& text) {
    return game::FixedText10(text.toStdString());
}

void LoadSettingsFrom(const RegReader& read, game::GameSettings& settings) {
    const QString diceText = read(QStringLiteral("NumberOfDice"), QString());
    if (diceText.isEmpty()) {
        // First run: nothing is read and nothing is written now; the defaults
        // reach the store at the next save.
        const bool showSplash = settings.ShowSplash;
        settings = game::GameSettings::FirstRunDefaults();
        settings.ShowSplash = showSplash;
        return;
    }
    const game::GameSettings defaults = game::GameSettings::FirstRunDefaults();
    settings.NumberOfDice = OneOf(SettingNumber(diceText), 4, 5, defaults.NumberOfDice);

    auto flag = [&read](const char* name, bool fallback) {
        return SettingFlag(read(QString::fromLatin1(name), QString()), fallback);
    };
    auto number = [&read](const char* name) {
        return SettingNumber(read(QString::fromLatin1(name), QString()));
    };
    settings.ShowDialog = flag("ShowDialog", defaults.ShowDialog);
    settings.ShowSplash = flag("ShowSplash", false);
    settings.ShowStatusBar = flag("ShowStatusBar", defaults.ShowStatusBar);
    settings.ConfirmOnExit = flag("ConfirmOnExit", defaults.ConfirmOnExit);
    settings.ConfirmQuitGame = flag("ConfirmQuitGame", defaults.ConfirmQuitGame);
    settings.SoundOnExit = flag("SoundOnExit", defaults.SoundOnExit);
    settings.NumberOfPlayers = OneOf(number("NumberOfPlayers"), 1, 2, defaults.NumberOfPlayers);
    settings.NumberOfColumns = OneOf(number("NumberOfColumns"), 1, 4, defaults.NumberOfColumns);
    settings.Player1 = SettingName(read(QStringLiteral("Player1"), QString()));
    settings.Player2 = SettingName(read(QStringLiteral("Player2"), QString()));
    settings.SoundEnabled = flag("SoundEnabled", defaults.SoundEnabled);
    settings.hintAllways = flag("hintAllways", defaults.hintAllways);
    settings.ShowGridLines = flag("ShowGridLines", defaults.ShowGridLines);
}

void SaveSettingsTo(const RegWriter& write, const game::GameSettings& settings) {
    write(QStringLiteral("NumberOfDice"), QString::number(settings.NumberOfDice));
    write(QStringLiteral("NumberOfPlayers"), QString::number(settings.NumberOfPlayers));
    write(QStringLiteral("NumberOfColumns"), QString::number(settings.NumberOfColumns));
    write(QStringLiteral("Player1"), QString::fromStdString(settings.Player1));
    write(QStringLiteral("Player2"), QString::fromStdString(settings.Player2));
    write(QStringLiteral("SoundEnabled"), FlagText(settings.SoundEnabled));
    write(QStringLiteral("hintAllways"), FlagText(settings.hintAllways));
    write(QStringLiteral("ShowDialog"), FlagText(settings.ShowDialog));
    write(QStringLiteral("ShowSplash"), FlagText(settings.ShowSplash));
    write(QStringLiteral("ShowStatusBar"), FlagText(settings.ShowStatusBar));
    write(QStringLiteral("ConfirmOnExit"), FlagText(settings.ConfirmOnExit));
    write(QStringLiteral("ConfirmQuitGame"), FlagText(settings.ConfirmQuitGame));
    write(QStringLiteral("SoundOnExit"), FlagText(settings.SoundOnExit));
    write(QStringLiteral("ShowGridLines"), FlagText(settings.ShowGridLines));
}

void LoadSettings(game::GameSettings& settings) {
    LoadSettingsFrom(GetRegString, settings);
}

void SaveSettings(const game::GameSettings& settings) {
    SaveSettingsTo(SaveRegString, settings);
}

} // namespace shell
