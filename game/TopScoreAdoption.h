// Bringing in the top-score tables that an earlier version kept beside the
// program: copied once into the user's data folder, at the first start that
// finds no scores folder there. Plain C++.
#pragma once

#include <string>

namespace game {

// At the first start that finds no "scores/" folder in newFolder, copies each
// table that an earlier version kept in oldFolder's "scores/" into it, as a
// new file of the player's (at most the 484 bytes that a table uses); later
// starts copy nothing, so a cleared table stays cleared. When a table cannot
// be copied no scores folder is made, and the next start, or the first game
// finished before it, tries again. The old files stay as they are. Returns
// the text of an "Open scores" message for the tables that could not be read
// or copied (one line each), or the empty text.
std::string AdoptTopScoreTables(const std::string& oldFolder, const std::string& newFolder);

} // namespace game
