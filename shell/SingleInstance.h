// Keeps the game to one running copy per user: a lock file in the user's
// runtime folder, held for as long as the program runs. A lock left behind by
// a copy that crashed or was killed is recognised as stale and taken over.
#pragma once

#include <QLockFile>
#include <QString>

namespace shell {

class SingleInstance {
public:
    // `lockPath` defaults to "quorvane.lock" in the user's runtime folder.
    explicit SingleInstance(const QString& lockPath = DefaultLockPath());

    // True when no other copy is running; the lock is then held until this
    // object goes. A lock file that cannot be written at all (no runtime
    // folder, no permission) does not stop the game from starting.
    bool TryAcquire();

    static QString DefaultLockPath();

private:
    QLockFile lock;
};

} // namespace shell
