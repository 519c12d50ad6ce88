#include "SingleInstance.h"

#include <QDir>
#include <QStandardPaths>

namespace shell {

SingleInstance::SingleInstance(const QString& lockPath) : lock(lockPath) {
    // A running copy's lock never grows stale with age, however long the
    // game stays open; only a lock whose process is gone is stale.
    lock.setStaleLockTime(0);
}

bool SingleInstance::TryAcquire() {
    if (lock.tryLock(0)) {
        return true;
    }
    return lock.error() != QLockFile::LockFailedError;
}

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/quorvane.lock");
}

} // namespace shell
