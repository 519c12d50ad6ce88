// The board window's design geometry: where every control of the sheet, the
// dice area and the lower board stands before any layout procedure runs, and
// how the window's outer Height splits into frame, bars and board area.
#pragma once

namespace game {
struct Board;

// Sets Left/Top/Width/Height (twips) of every control, and X1/Y1/X2/Y2 of
// every line, to the window's design, which is the four-column arrangement
// with six dice slots. All positions are in one flat coordinate system: the
// client area below the menu bar, origin at its top-left corner (the
// toolbar's corner), also for the controls drawn on the sheet picture.
void LoadDesignGeometry(Board& board);

// How the window's Width and Height (twips, frame included) map to the client
// area. The Height of every layout counts, from the top: the title bar with
// the upper frame edge, the menu bar, the client area and the lower frame edge.
// The client area holds the toolbar at its top, the board below it and, when
// shown, the status bar at its bottom.
constexpr int DesignTitleBarTwips = 420;   // title bar with the upper frame edge
constexpr int DesignMenuBarTwips = 300;    // menu bar
constexpr int DesignLowerFrameTwips = 60;  // lower frame edge
constexpr int DesignSideFrameTwips = 60;   // each of the left and right frame edges
constexpr int DesignToolbarTwips = 390;    // toolbar, client Top 0
constexpr int DesignStatusBarTwips = 230;  // status bar, at the client area's bottom
constexpr int DesignNonClientHeightTwips = // everything of Height outside the client area
    DesignTitleBarTwips + DesignMenuBarTwips + DesignLowerFrameTwips;

// Client area of a window of the given outer size.
constexpr int ClientWidthTwips(int windowWidth) {
    return windowWidth - 2 * DesignSideFrameTwips;
}
constexpr int ClientHeightTwips(int windowHeight) {
    return windowHeight - DesignNonClientHeightTwips;
}
// Client Top of the status bar when it is shown.
constexpr int StatusBarTopTwips(int windowHeight) {
    return ClientHeightTwips(windowHeight) - DesignStatusBarTwips;
}

} // namespace game
