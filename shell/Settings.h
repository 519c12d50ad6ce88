// Loading and saving the game's options (game::GameSettings) through the
// option store: the first-run rule, the read and write order, and how each
// stored text becomes a number, a flag or a player name.
#pragma once

#include "game/Program.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

namespace shell {

// Reads one stored text: (value name, default text) -> text.
using RegReader = std::function<QString(const QString&, const QString&)>;
// Writes one stored text: (value name, text).
using RegWriter = std::function<void(const QString&, const QString&)>;

// Fills `settings` from the store, or with the first-run defaults when no
// dice count has been stored yet (ShowSplash is then left as it is).
void LoadSettings(game::GameSettings& settings);
// Writes every setting to the store as text.
void SaveSettings(const game::GameSettings& settings);

// The same over any reader or writer (the two above use GetRegString and
// SaveRegString).
void LoadSettingsFrom(const RegReader& read, game::GameSettings& settings);
void SaveSettingsTo(const RegWriter& write, const game::GameSettings& settings);

// How stored texts are read. A number is the decimal number at the start of
// the text (leading blanks skipped, an optional sign, digits, a decimal part
// and an exponent), rounded to the nearest whole number with halves going to
// the even one; no number at all gives 0.
std::int32_t SettingNumber(const QString& text);
// "True" or "False" in any letter case, or a number (0 is false, any other
// is true); anything else gives `fallback`.
bool SettingFlag(const QString& text, bool fallback);
// The name cut to 10 characters or padded with blanks.
std::string SettingName(const QString& text);

} // namespace shell
