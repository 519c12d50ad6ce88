// Procedures whose real bodies have not landed yet. Each is removed from
// here when its own file defines it.
#include "Game.h"

namespace game {


} // namespace game
