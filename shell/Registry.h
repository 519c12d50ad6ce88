// The option store: named text values kept per user under the program's own
// key ("Quorvane"/"Quorvane2" in QSettings: an INI file in the user's config
// folder on Linux, the registry key of the same name on Windows). Only text
// values are read and written; nothing here reports a failure.
#pragma once

#include <QString>

namespace shell {

// The names the user's files of the game are kept under: the settings and the
// folder of the top-score tables.
extern const QString kOrganization; // "Quorvane"
extern const QString kApplication;  // "Quorvane2"

// The stored text of `valueName` up to its first NUL character, or
// `defaultText` when the value is missing or holds anything but text.
QString GetRegString(const QString& valueName, const QString& defaultText);

// Stores `text` under `valueName`, creating the store when it is missing. A
// failed write is ignored.
void SaveRegString(const QString& valueName, const QString& text);

} // namespace shell
