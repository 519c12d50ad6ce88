// The look of the board window's menus and toolbar: the theme colours, the
// picture shown beside each menu caption, the menu font, the size rule of a
// menu item, and MenuStyle, the Qt style that measures and paints menu-bar
// items, popup items and the toolbar's background with them.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QProxyStyle>
#include <QSize>
#include <QString>
#include <array>

class QMainWindow;

namespace ui {

// Colour of a theme key, matched without regard to case: "body", "menubg",
// "selected", "selectedtext", "generaltext", "bordercolor", "table1bg",
// "table2bg", "headingbg", "headingtext". Any other key gives black.
QColor GetThemeColor(const QString& key);

// One row of the table of menu pictures: the caption as designed (with its
// "&"), the picture's artwork key and the name of its mask.
struct MenuImage {
    const char* caption;
    const char* picture;
    const char* mask;
};
const std::array<MenuImage, 15>& MenuImages();

// Artwork key of the picture shown beside a menu item; `caption` may carry
// the accelerator after a tab, which takes no part in the look-up. Empty when
// the item has no picture.
QString MenuPictureFor(const QString& caption);

// The font of menu captions: the platform's menu font, enlarged as the game
// has always done it: the font's character height in pixels at `dpiY` dots
// an inch, scaled by 96 / 72, becomes the cell height (ascent + descent).
QFont GetMenuFont(qreal dpiY);

// Width of the picture column of popup items, in pixels.
constexpr int MenuPictureColumn = 30;

// Rounds to the nearest whole number, halves to the even one: how the menu
// geometry has always rounded its halves (7.5 gives 8, 6.5 gives 6).
int RoundHalfEven(double value);

// Size of a menu item. `text` is its caption, followed by a tab and the
// accelerator when it has one; a separator has an empty text. The text is
// measured as it stands, its "&" included and the tab taken as one blank.
// Width: text width + 6, plus the picture column for popup items. Height: the
// larger of the picture's height and the text height, + 6.
QSize MeasureMenuItem(const QString& text, bool popup, const QFontMetrics& metrics);

// The room a menu gives each item beyond its measured width: two average
// characters of the platform's menu font. It keeps the accelerator clear of
// the caption of the widest item.
int MenuItemRoom();

// Paints the menu bar, its popups and the toolbar of the board window: pattern
// background, pictures, dark selection bar, etched separators. Set it on each
// of those widgets (a widget's style does not pass to its children); it
// changes only how they look, never what they do.
class MenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    // `patternKey` names the artwork tile of the menu and toolbar background;
    // with no such picture the background is plain "menubg".
    explicit MenuStyle(const QString& patternKey);

    QString PatternKey() const { return patternKey_; }

    void polish(QWidget* widget) override;
    using QProxyStyle::polish;

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;

private:
    // Fills `rect` with the background tile, laid so that the tile starts at
    // the widget's origin, or with "menubg" when there is no tile.
    void FillBackground(QPainter* painter, const QRect& rect) const;
    void DrawPopupItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;
    void DrawBarItem(const QStyleOption* option, QPainter* painter, const QWidget* widget) const;

    QString patternKey_;
};

// Puts `style` on the window's menu bar, every popup menu of it and the
// toolbar `toolbar`; the board view and the status bar keep theirs.
void InstallMenuStyle(QMainWindow* window, QWidget* toolbar, MenuStyle* style);

} // namespace ui
