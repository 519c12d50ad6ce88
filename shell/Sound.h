// The game's sound effects: one player that returns at once and one that
// waits until the sound has ended. A sound is the file
// <program folder>/QVWAVS/<name>.WAV. A missing or unreadable file, or a
// machine without an audio output, plays nothing and never holds the game up.
// Callers test whether sound is switched on themselves.
#pragma once

#include <QString>
#include <QStringList>

namespace shell {

// The names of the seventeen sound effects.
const QStringList& SoundNames();

// The program folder the sounds are looked for in (AppPath, with its
// trailing '/'). Until it is set, the executable's folder is used.
void SetSoundFolder(const QString& appPath);
QString SoundFilePath(const QString& name);

// Starts the sound and returns at once; a sound already playing is cut off.
void PlaySoundAsync(const QString& name);
// Plays the sound and returns when it has ended. Meanwhile timers and
// painting go on but user input waits; the wait never lasts much longer than
// the sound itself.
void PlaySoundSync(const QString& name);

// Sets up the audio output and loads the sounds `delayMs` milliseconds after
// the event loop next runs. Nothing touches the audio system at start-up, so
// the first window appears without waiting for it; the window calls this once
// it is on screen, and the first sound then plays without delay.
void WarmUpSoundLater(int delayMs = 300);

// For tests: play even on a machine without an audio output. The sound then
// goes nowhere and its end is never reported, so a waiting play runs on to
// its time limit: the sound's length plus a small margin.
void SetPlayWithoutAudioOutput(bool on);

} // namespace shell
