// Single-byte text of the top-score files: the Windows-1252 code page on
// disk, UTF-8 in memory. Plain C++.
#pragma once

#include <string>

namespace game {

// UTF-8 to Windows-1252 bytes: a character the code page cannot hold, or a
// byte that is not valid UTF-8, becomes '?'.
std::string ToWindows1252(const std::string& utf8);

// Windows-1252 bytes to UTF-8; the five bytes the code page leaves unused
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) read as '?'.
std::string FromWindows1252(const std::string& bytes);

} // namespace game
