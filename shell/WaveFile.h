// Reads how long a WAV file plays from its header, so that waiting for a
// sound can be bounded by its length.
#pragma once

#include <QString>
#include <QtGlobal>

namespace shell {

// The playing time of the WAV file at `path` in milliseconds, or -1 when the
// file is missing, unreadable or not a WAV file.
qint64 WaveLengthMs(const QString& path);

} // namespace shell
