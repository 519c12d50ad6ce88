// Keeps the game to one running copy per user: a lock on a file in the
// user's runtime folder, held for as long as the program runs. The system
// lets go of the lock when the copy that held it ends, however it ends, so a
// copy that crashed or was killed never blocks the next start.
#pragma once

#include <QString>

namespace shell {

class SingleInstance {
public:
    // `lockPath` defaults to "quorvane.lock" in the user's runtime folder,
    // or where there is none of the user's own, to a file named after the
    // machine in the user's cache folder.
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when no other copy is running; the lock is then held until this
    // object goes. A lock file that cannot be opened or locked at all (no
    // runtime folder, no permission, a file system without locks) does not
    // stop the game from starting.
    bool TryAcquire();

    static QString DefaultLockPath();

private:
    QString path_;
    int fd_ = -1;
};

} // namespace shell
