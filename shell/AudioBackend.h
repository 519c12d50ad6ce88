// The audio system as the game's sound effects and music use it. Its one
// implementation, over Qt Multimedia, is a library of its own
// (libquorvane_audio.so, beside the program) that is loaded when the first
// sound is loaded or played: Qt Multimedia and the audio libraries below it
// then take no part in start-up. Without the library the game is silent.
#pragma once

#include <QString>

namespace shell {

class AudioBackend {
public:
    virtual ~AudioBackend() = default;

    // Whether the machine has an audio output at all.
    virtual bool HasAudioOutput() = 0;

    // Loads the sound effect of a WAV file, so that it starts at once later.
    virtual void LoadEffect(const QString& path) = 0;
    // Starts the effect of a WAV file; false when it cannot be played.
    virtual bool StartEffect(const QString& path) = 0;
    // Stops the effect started last, if it still plays.
    virtual void StopEffect() = 0;
    // Waits until the effect started last has stopped (it ended, failed or
    // was cut off) or `limitMs` milliseconds have passed, leaving user input
    // queued meanwhile; then stops it if it still plays.
    virtual void WaitForEffect(int limitMs) = 0;

    // Music under a name of the caller's choosing: loaded from a file,
    // started (it plays on by itself), and stopped and let go.
    virtual bool OpenMusic(const QString& file, const QString& name) = 0;
    virtual bool PlayMusic(const QString& name) = 0;
    virtual bool CloseMusic(const QString& name) = 0;
};

// The backend, loading the library at the first call; nullptr when it
// cannot be loaded, which that call reports on standard error with the
// loader's reason. Lives until just before the application object goes; a
// new application object tries the library afresh.
AudioBackend* Audio();

// The folder the library is looked for in; until set, the program's own.
void SetAudioModuleFolder(const QString& folder);

} // namespace shell

// The library's entry point: a new backend, owned by the caller.
extern "C" shell::AudioBackend* QuorvaneAudioBackend();
