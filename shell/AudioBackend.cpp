#include "AudioBackend.h"

#include <QCoreApplication>
#include <QLibrary>

namespace shell {

namespace {

QString& ModuleFolder() {
    static QString folder;
    return folder;
}

AudioBackend* backend = nullptr;
bool loadTried = false;

} // namespace

AudioBackend* Audio() {
    if (loadTried || QCoreApplication::instance() == nullptr) {
        return backend;
    }
    loadTried = true;
    const QString folder =
        ModuleFolder().isEmpty() ? QCoreApplication::applicationDirPath() : ModuleFolder();
    // The library stays loaded for the rest of the process: the backend's
    // code must outlive it.
    QLibrary module(folder + QStringLiteral("/quorvane_audio"));
    using Create = AudioBackend* (*)();
    const auto create = reinterpret_cast<Create>(module.resolve("QuorvaneAudioBackend"));
    if (create == nullptr) {
        return nullptr;
    }
    backend = create();
    // Gone with the application object; another one loads it afresh.
    qAddPostRoutine([] {
        delete backend;
        backend = nullptr;
        loadTried = false;
    });
    return backend;
}

void SetAudioModuleFolder(const QString& folder) {
    ModuleFolder() = folder;
}

} // namespace shell
