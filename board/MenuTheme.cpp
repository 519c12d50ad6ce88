// The plain rules behind the menu look: theme colours, the pictures of the
// menu captions, the menu font and the size of a menu item.
#include "board/MenuStyle.h"

#include "board/Artwork.h"

#include <QApplication>
#include <algorithm>
#include <cmath>

namespace ui {

QColor GetThemeColor(const QString& key) {
    struct Entry {
        const char* key;
        QColor colour;
    };
    static const Entry table[] = {
        {"body", QColor(58, 110, 165)},       {"menubg", QColor(58, 110, 165)},
        {"selected", QColor(50, 50, 50)},     {"selectedtext", QColor(255, 255, 255)},
        {"generaltext", QColor(0, 0, 0)},     {"bordercolor", QColor(255, 255, 255)},
        {"table1bg", QColor(223, 223, 223)},  {"table2bg", QColor(241, 241, 241)},
        {"headingbg", QColor(128, 128, 166)}, {"headingtext", QColor(231, 231, 255)},
    };
    const QString lower = key.toLower();
    for (const Entry& entry : table) {
        if (lower == QLatin1String(entry.key)) {
            return entry.colour;
        }
    }
    return QColor(0, 0, 0);
}

const std::array<MenuImage, 15>& MenuImages() {
    static const std::array<MenuImage, 15> table = {{
        {"&New Game", "new", "newmask"},
        {"&Options...", "options", "optionsmask"},
        {"&Show Top Scores...", "scores", "scoresmask"},
        {"E&xit", "exit", "exitmask"},
        {"&Undo", "undo", "undomask"},
        {"&Redo", "redo", "redomask"},
        {"Help &Contents...", "help", "helpmask"},
        {"&Contact the Author...", "sendmail", "sendmailmask"},
        {"&Visit Web Site...", "visitweb", "visitwebmask"},
        {"&About Quorvane...", "about", "aboutmask"},
        {"&Quick Start...", "quickstart", "quickstartmask"},
        {"Show &Hints by Request", "CHECK", "checkmask"},
        {"Show Hints &Always", "CHECK", "checkmask"},
        {"Turn S&ound Effects On", "CHECK", "checkmask"},
        {"Turn Sou&nd Effects Off", "CHECK", "checkmask"},
    }};
    return table;
}

QString MenuPictureFor(const QString& caption) {
    const QString plain = caption.section(QLatin1Char('\t'), 0, 0);
    for (const MenuImage& row : MenuImages()) {
        if (plain == QLatin1String(row.caption)) {
            // Picture names are matched without regard to case; the artwork
            // keys are lower case.
            return QString::fromLatin1(row.picture).toLower();
        }
    }
    return QString();
}

int RoundHalfEven(double value) {
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

QFont GetMenuFont(qreal dpiY) {
    if (!(dpiY > 0)) {
        dpiY = 96;
    }
    QFont font = QApplication::font("QMenu");
    // The platform's menu font as a character height in whole pixels.
    const double charPixels = font.pixelSize() > 0
                                  ? font.pixelSize()
                                  : std::max(1L, std::lround(font.pointSizeF() * dpiY / 72.0));
    // That height, enlarged by a third, is asked for as the cell height: the
    // largest pixel size whose ascent and descent fit in it. The enlargement
    // is the one the menus get at 96 dots an inch, where the pixel height is
    // scaled by 96 / 72; it stays a third at any other resolution, so that
    // the menu font grows in step with the screen and not faster.
    const int cell = std::max(1, RoundHalfEven(charPixels * 96.0 / 72.0));
    int pixels = cell;
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > cell) {
        font.setPixelSize(--pixels);
    }
    return font;
}

QSize MeasureMenuItem(const QString& text, bool popup, const QFontMetrics& metrics) {
    QString measured = text;
    measured.replace(QLatin1Char('\t'), QLatin1Char(' '));
    const int textWidth = metrics.horizontalAdvance(measured);
    const int textHeight = metrics.height();
    const QString picture = MenuPictureFor(text);
    const int pictureHeight = picture.isEmpty() ? 0 : Artwork::NaturalSize(picture).height();
    const int width = textWidth + 6 + (popup ? MenuPictureColumn : 0);
    return QSize(width, std::max(pictureHeight, textHeight) + 6);
}

} // namespace ui
