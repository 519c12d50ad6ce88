// The board window's design geometry: where every control of the sheet, the
// dice area and the lower board stands before any layout procedure runs.
#pragma once

namespace game {
struct Board;

// Sets Left/Top/Width/Height (twips) of every control to the window's design,
// which is the four-column arrangement with six dice slots.
void LoadDesignGeometry(Board& board);
} // namespace game
