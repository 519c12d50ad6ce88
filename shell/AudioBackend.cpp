#include "AudioBackend.h"

#include <QCoreApplication>
#include <QLibrary>
#include <cstdio>

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
    // Gone with the application object; another one loads it afresh, or
    // tries again after a failure.
    qAddPostRoutine([] {
        delete backend;
        backend = nullptr;
        loadTried = false;
    });
    const QString folder =
        ModuleFolder().isEmpty() ? QCoreApplication::applicationDirPath() : ModuleFolder();
    // The library stays loaded for the rest of the process: the backend's
    // code must outlive it.
    QLibrary module(folder + QStringLiteral("/quorvane_audio"));
    using Create = AudioBackend* (*)();
    const auto create = reinterpret_cast<Create>(module.resolve("QuorvaneAudioBackend"));
    if (create == nullptr) {
        // The game goes on without sound; this says why.
        std::fprintf(stderr,
                     "Quorvane: no sound: the audio library libquorvane_audio.so could not be "
                     "loaded: %s\n",
                     qUtf8Printable(module.errorString()));
        return nullptr;
    }
    backend = create();
    return backend;
}

void SetAudioModuleFolder(const QString& folder) {
    ModuleFolder() = folder;
}

} // namespace shell
