#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace shell {

SingleInstance::SingleInstance(const QString& lockPath) : path_(lockPath) {}

SingleInstance::~SingleInstance() {
    // Closing the file lets go of the lock. The file itself stays: removing
    // it could take it from under a copy that is just locking it.
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool SingleInstance::TryAcquire() {
    if (fd_ >= 0) {
        return true;
    }
    const QByteArray path = QFile::encodeName(path_);
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        return true;
    }
    int result;
    do {
        result = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        fd_ = fd;
        // The file names the copy that holds it, for whoever looks.
        const QByteArray owner = QByteArray::number(::getpid()) + '\n';
        if (::ftruncate(fd, 0) == 0) {
            [[maybe_unused]] const ssize_t written = ::write(fd, owner.constData(), owner.size());
        }
        return true;
    }
    const bool heldByAnother = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldByAnother;
}

QString SingleInstance::DefaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    return folder + QStringLiteral("/quorvane.lock");
}

} // namespace shell
