// Plain-data stand-ins for the controls of the board window. The game logic
// reads and writes these properties; the Qt window only draws them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace game {

// Colours are kept in the board's own 0x00BBGGRR form; a value with the top
// bit set (0x800000nn) names a system colour, as the row highlight uses.
using Colour = std::uint32_t;

constexpr Colour ColourBlack = 0x000000;
constexpr Colour ColourWhite = 0xFFFFFF;
constexpr Colour ColourToolTipBack = 0x80000018;

// Any visible element of the board: label, button, picture box, image or
// shape. Positions and sizes are in twips (1440 to the inch).
struct Control {
    std::string Caption;
    bool Visible = true;
    bool Enabled = true;
    // Picture key; the view maps it to artwork. Empty means no picture.
    std::string Picture;
    std::string DisabledPicture;
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    Colour BackColor = ColourBlack;
    Colour ForeColor = ColourWhite;
};

struct Line {
    bool Visible = true;
    int X1 = 0;
    int Y1 = 0;
    int X2 = 0;
    int Y2 = 0;
};

struct Timer {
    int Interval = 0; // milliseconds
    bool Enabled = false;
};

struct MenuItem {
    std::string Caption;
    std::string Shortcut; // shown right-aligned, e.g. "F2" or "Ctrl+H"
    bool Visible = true;
    bool Enabled = true;
};

struct ToolButton {
    std::string Key;
    int Image = 0; // 1-based position in the toolbar's image list; 0 = separator
    std::string ToolTip;
    bool Enabled = true;
    bool Visible = true;
};

struct StatusPanel {
    std::string Text;
    int Width = 0;
    bool Visible = true;
};

// Panels are addressed 1 to 5 as the status bar numbers them; element 0 is unused.
struct StatusBar {
    bool Visible = true;
    std::array<StatusPanel, 6> Panels{};
};

// Buttons are addressed 1 to 9 as the toolbar numbers them; element 0 is unused.
struct Toolbar {
    std::array<ToolButton, 10> Buttons{};
};

} // namespace game
