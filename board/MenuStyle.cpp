// MenuStyle: measures and paints the board window's menu-bar items and popup
// items, and paints the menu and toolbar backgrounds with the pattern tile.
// Everything else is left to the platform's own style.
#include "board/MenuStyle.h"

#include "board/Artwork.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace ui {

namespace {

// The colours of raised and etched edges.
const QColor EdgeLight(255, 255, 255);
const QColor EdgeShadow(128, 128, 128);

qreal PixelRatio(const QPainter* painter) {
    const QPaintDevice* device = painter->device();
    return device ? device->devicePixelRatioF() : 1.0;
}

QFont MenuFontOf(const QWidget* widget) {
    return widget ? widget->font() : GetMenuFont(96);
}

// The text as shown: "&x" gives x, "&&" gives "&".
QString ShownText(const QString& prefixText) {
    QString shown;
    shown.reserve(prefixText.size());
    for (qsizetype i = 0; i < prefixText.size(); ++i) {
        if (prefixText.at(i) == QLatin1Char('&') && i + 1 < prefixText.size()) {
            ++i;
        }
        shown.append(prefixText.at(i));
    }
    return shown;
}

// Draws prefix text with its top-left corner at `at`, the access letter
// underlined. Disabled text is etched: a light copy one pixel down and right
// under a grey one, whatever the colour asked for. The text cell is not
// filled: captions stand on whatever background the item has.
void DrawPrefixText(QPainter* painter, QPoint at, const QString& text, const QColor& colour,
                    bool disabled) {
    const QFontMetrics metrics(painter->font());
    const QRect box(at, QSize(metrics.horizontalAdvance(ShownText(text)) + 2, metrics.height()));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (disabled) {
        painter->setPen(EdgeLight);
        painter->drawText(box.translated(1, 1), flags, text);
        painter->setPen(EdgeShadow);
    } else {
        painter->setPen(colour);
    }
    painter->drawText(box, flags, text);
}

// A one-pixel raised edge just inside `rect`: light on the top and left,
// shadow on the bottom and right.
void DrawRaisedInnerEdge(QPainter* painter, const QRect& rect) {
    painter->setPen(EdgeShadow);
    painter->drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    painter->drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
    painter->setPen(EdgeLight);
    painter->drawLine(rect.left(), rect.top(), rect.right() - 1, rect.top());
    painter->drawLine(rect.left(), rect.top(), rect.left(), rect.bottom() - 1);
}

// The shape of a picture's dark parts in one colour: what is left of a
// picture when it is shown greyed.
QPixmap Silhouette(const QPixmap& picture, const QColor& colour) {
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = line[x];
            const bool ink = qAlpha(pixel) >= 128 && qGray(pixel) < 176;
            line[x] = ink ? colour.rgb() : qRgba(0, 0, 0, 0);
        }
    }
    QPixmap shape = QPixmap::fromImage(image);
    shape.setDevicePixelRatio(picture.devicePixelRatio());
    return shape;
}

void DrawDisabledPicture(QPainter* painter, QPoint at, const QPixmap& picture) {
    painter->drawPixmap(at + QPoint(1, 1), Silhouette(picture, EdgeLight));
    painter->drawPixmap(at, Silhouette(picture, EdgeShadow));
}

// The room QMenu keeps for accelerators on its own, beside the items'
// widths: the widest accelerator of the visible items, in the menu's font.
int AcceleratorRoom(const QWidget* widget) {
    const auto* menu = qobject_cast<const QMenu*>(widget);
    if (!menu) {
        return 0;
    }
    const QFontMetrics metrics = menu->fontMetrics();
    int room = 0;
    for (const QAction* action : menu->actions()) {
        if (!action->isVisible() || action->isSeparator()) {
            continue;
        }
        const QString text = action->text();
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        if (tab >= 0) {
            room = std::max(room, metrics.horizontalAdvance(text.mid(tab + 1)));
        } else if (!action->shortcut().isEmpty()) {
            room = std::max(room, metrics.horizontalAdvance(
                                      action->shortcut().toString(QKeySequence::NativeText)));
        }
    }
    return room;
}

} // namespace

int MenuItemRoom() {
    return 2 * QFontMetrics(QApplication::font("QMenu")).averageCharWidth();
}

MenuStyle::MenuStyle(const QString& patternKey) : patternKey_(patternKey) {}

void MenuStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    if (qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget)) {
        widget->setFont(GetMenuFont(widget->logicalDpiY()));
    }
}

QSize MenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                  const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item && (type == CT_MenuItem || type == CT_MenuBarItem)) {
        const bool popup = type == CT_MenuItem;
        const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
        QSize measured = MeasureMenuItem(separator ? QString() : item->text, popup,
                                         QFontMetrics(MenuFontOf(widget)));
        measured.rwidth() += MenuItemRoom();
        if (popup) {
            // The menu widens every item by its widest accelerator after
            // asking for their sizes; the measure already holds it.
            measured.setWidth(std::max(1, measured.width() - AcceleratorRoom(widget)));
        }
        return measured;
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int MenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const {
    switch (metric) {
    case PM_MenuPanelWidth:
        return 2;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
        return 1;
    case PM_MenuBarPanelWidth:
    case PM_MenuBarHMargin:
    case PM_MenuBarVMargin:
    case PM_MenuBarItemSpacing:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

void MenuStyle::FillBackground(QPainter* painter, const QRect& rect) const {
    const QPixmap tile = Artwork::Picture(patternKey_, PixelRatio(painter));
    if (tile.isNull()) {
        painter->fillRect(rect, GetThemeColor(QStringLiteral("menubg")));
        return;
    }
    const QSize size = Artwork::NaturalSize(patternKey_);
    const QPoint offset(rect.x() % size.width(), rect.y() % size.height());
    painter->drawTiledPixmap(rect, tile, offset);
}

void MenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_PanelMenu:
    case PE_PanelMenuBar:
    case PE_PanelToolBar:
        FillBackground(painter, option->rect);
        return;
    case PE_IndicatorToolBarSeparator: {
        // An etched line down the middle, as the menus' separators.
        const QRect r = option->rect;
        const int x = r.left() + (r.width() - 2) / 2;
        painter->save();
        painter->setPen(EdgeShadow);
        painter->drawLine(x, r.top() + 3, x, r.bottom() - 3);
        painter->setPen(EdgeLight);
        painter->drawLine(x + 1, r.top() + 3, x + 1, r.bottom() - 3);
        painter->restore();
        return;
    }
    case PE_FrameMenu: {
        // A raised frame two pixels wide around the popup.
        const QRect r = option->rect;
        painter->save();
        DrawRaisedInnerEdge(painter, r.adjusted(1, 1, -1, -1));
        painter->setPen(QColor(40, 40, 40));
        painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter->drawLine(r.right(), r.top(), r.right(), r.bottom());
        painter->setPen(QColor(200, 214, 230));
        painter->drawLine(r.left(), r.top(), r.right() - 1, r.top());
        painter->drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
        painter->restore();
        return;
    }
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

void MenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    switch (element) {
    case CE_MenuItem:
        DrawPopupItem(option, painter, widget);
        return;
    case CE_MenuBarItem:
        DrawBarItem(option, painter, widget);
        return;
    case CE_MenuEmptyArea:
    case CE_MenuBarEmptyArea:
    case CE_ToolBar:
        FillBackground(painter, option->rect);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

void MenuStyle::DrawPopupItem(const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) {
        QProxyStyle::drawControl(CE_MenuItem, option, painter, widget);
        return;
    }
    const QRect r = item->rect;
    const int w = r.width();
    const int h = r.height();
    const bool selected = item->state & State_Selected;
    const bool disabled = !(item->state & State_Enabled);
    const QColor selectedColour = GetThemeColor(QStringLiteral("Selected"));

    painter->save();
    painter->setClipRect(r, Qt::IntersectClip);
    if (selected) {
        painter->fillRect(r, selectedColour);
    } else {
        FillBackground(painter, r);
    }

    if (item->menuItemType == QStyleOptionMenuItem::Separator) {
        // An etched line across the middle, five pixels in from each side.
        const int y = r.top() + RoundHalfEven((h - 2) / 2.0);
        painter->setPen(EdgeShadow);
        painter->drawLine(r.left() + 5, y, r.left() + w - 6, y);
        painter->setPen(EdgeLight);
        painter->drawLine(r.left() + 5, y + 1, r.left() + w - 6, y + 1);
        painter->restore();
        return;
    }

    const QString caption = item->text.section(QLatin1Char('\t'), 0, 0);
    const qsizetype tab = item->text.indexOf(QLatin1Char('\t'));
    const QString accelerator = tab >= 0 ? item->text.mid(tab + 1) : QString();
    painter->setFont(MenuFontOf(widget));
    const QFontMetrics metrics(painter->font());

    const QString picture = MenuPictureFor(caption);
    const bool hasPicture = !picture.isEmpty() && Artwork::HasPicture(picture);
    if (hasPicture) {
        const QSize size = Artwork::NaturalSize(picture);
        const QPoint at(r.left() + RoundHalfEven((MenuPictureColumn - size.width()) / 2.0),
                        r.top() + RoundHalfEven((h - size.height()) / 2.0));
        const QPixmap pixmap = Artwork::Picture(picture, PixelRatio(painter));
        if (disabled) {
            DrawDisabledPicture(painter, at, pixmap);
        } else {
            painter->drawPixmap(at, pixmap);
        }
        if (selected && !disabled) {
            DrawRaisedInnerEdge(painter, QRect(r.left(), r.top(), MenuPictureColumn, h));
        }
    }
    if (selected && !disabled) {
        const int from = hasPicture ? MenuPictureColumn : 0;
        painter->fillRect(QRect(r.left() + from, r.top(), w - from, h), selectedColour);
    }

    const QColor textColour =
        GetThemeColor(selected ? QStringLiteral("SelectedText") : QStringLiteral("menutext"));
    const int y = r.top() + RoundHalfEven((h - metrics.height()) / 2.0);
    DrawPrefixText(painter, QPoint(r.left() + 36, y), caption, textColour, disabled);
    if (!accelerator.isEmpty()) {
        const int width = metrics.horizontalAdvance(ShownText(accelerator));
        DrawPrefixText(painter, QPoint(r.left() + w - 10 - width, y), accelerator, textColour,
                       disabled);
    }
    painter->restore();
}

void MenuStyle::DrawBarItem(const QStyleOption* option, QPainter* painter,
                            const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (!item) {
        QProxyStyle::drawControl(CE_MenuBarItem, option, painter, widget);
        return;
    }
    const QRect r = item->rect;
    // The item whose menu is open is selected; the one under the mouse or
    // the keyboard without an open menu is hot.
    const bool current = item->state & State_Selected;
    const bool selected = current && (item->state & State_Sunken);
    const bool hot = current && !selected;
    const bool disabled = !(item->state & State_Enabled);

    painter->save();
    painter->setClipRect(r, Qt::IntersectClip);
    if (selected) {
        painter->fillRect(r, GetThemeColor(QStringLiteral("Selected")));
    } else {
        FillBackground(painter, r);
    }
    QColor textColour = GetThemeColor(QStringLiteral("GeneralText"));
    if (hot) {
        DrawRaisedInnerEdge(painter, r);
    }
    if (selected && !disabled) {
        painter->fillRect(r, GetThemeColor(QStringLiteral("Selected")));
        painter->setPen(GetThemeColor(QStringLiteral("BorderColor")));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
        textColour = GetThemeColor(QStringLiteral("SelectedText"));
    }
    painter->setFont(MenuFontOf(widget));
    const QFontMetrics metrics(painter->font());
    const int width = metrics.horizontalAdvance(ShownText(item->text));
    const QPoint at(r.left() + RoundHalfEven((r.width() - width) / 2.0),
                    r.top() + RoundHalfEven((r.height() - metrics.height()) / 2.0));
    DrawPrefixText(painter, at, item->text, textColour, disabled);
    painter->restore();
}

void InstallMenuStyle(QMainWindow* window, QWidget* toolbar, MenuStyle* style) {
    QMenuBar* bar = window->menuBar();
    bar->setStyle(style);
    std::vector<QMenu*> pending;
    for (QAction* action : bar->actions()) {
        if (action->menu()) {
            pending.push_back(action->menu());
        }
    }
    while (!pending.empty()) {
        QMenu* menu = pending.back();
        pending.pop_back();
        menu->setStyle(style);
        for (QAction* action : menu->actions()) {
            if (action->menu()) {
                pending.push_back(action->menu());
            }
        }
    }
    if (toolbar) {
        toolbar->setStyle(style);
        // The toolbar's separators draw themselves with their own style.
        for (QWidget* child : toolbar->findChildren<QWidget*>()) {
            if (child->inherits("QToolBarSeparator")) {
                child->setStyle(style);
            }
        }
    }
}

} // namespace ui
