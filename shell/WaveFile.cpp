#include "WaveFile.h"

#include <QFile>
#include <cstring>

namespace shell {

namespace {

quint32 Le32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return quint32(u[0]) | quint32(u[1]) << 8 | quint32(u[2]) << 16 | quint32(u[3]) << 24;
}

} // namespace

qint64 WaveLengthMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    char riff[12];
    if (file.read(riff, 12) != 12 || std::memcmp(riff, "RIFF", 4) != 0 ||
        std::memcmp(riff + 8, "WAVE", 4) != 0) {
        return -1;
    }
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " holds the bytes per second, "data" the samples.
    for (;;) {
        char head[8];
        if (file.read(head, 8) != 8) {
            return -1;
        }
        const quint32 size = Le32(head + 4);
        if (std::memcmp(head, "fmt ", 4) == 0) {
            char fmt[12];
            if (size < 12 || file.read(fmt, 12) != 12) {
                return -1;
            }
            byteRate = Le32(fmt + 8);
            if (!file.seek(file.pos() + size - 12 + (size & 1))) {
                return -1;
            }
        } else if (std::memcmp(head, "data", 4) == 0) {
            if (byteRate == 0) {
                return -1;
            }
            // A cut-off file plays only what it holds.
            const qint64 held = qMin<qint64>(size, file.size() - file.pos());
            return held * 1000 / byteRate;
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return -1;
        }
    }
}

} // namespace shell
