#include "SingleInstance.h"
#include "Registry.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QSysInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
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
    const int fd =
        ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        return true;
    }
    // Only a lock file of this user's counts: another user's, in a shared
    // temporary folder, must not keep this user's game from starting.
    struct stat file {};
    if (::fstat(fd, &file) != 0 || file.st_uid != ::geteuid() || !S_ISREG(file.st_mode)) {
        ::close(fd);
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
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!folder.isEmpty()) {
        return folder + QStringLiteral("/quorvane.lock");
    }
    // Without a runtime folder of the user's own, a folder in the user's
    // home: any name in the shared temporary folder could be taken first by
    // another user, which would switch the check off. The machine's name
    // keeps a home shared between machines to one copy on each.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                          '/' + kOrganization + '/' + kApplication;
    QDir().mkpath(cache);
    return cache + QStringLiteral("/quorvane-%1.lock").arg(QSysInfo::machineHostName());
}

} // namespace shell
