// A tiny text command interface for longer music files (the top-score
// fanfare), over the audio backend:
//   open "<file>" alias <name>   load the file under a name of our choosing
//   play <name>                  start it; it plays on by itself
//   close <name>                 stop it and let it go
// Names are matched without regard to letter case. Music opened this way
// keeps playing until it is closed, whatever window asked for it.
#pragma once

#include <QString>

namespace shell {

// Carries out one command. Returns false when the command is not understood,
// the name is not open (or, for "open", already in use) or the file does not
// exist; nothing is reported otherwise.
bool MediaCommand(const QString& command);

} // namespace shell
