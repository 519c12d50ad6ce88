#include "OverflowIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <algorithm>

namespace ui {

namespace {

// The chevron of an overflow button, drawn rather than read from a picture:
// two bold angles in the palette's text colour, as large as the button lets
// them be, so that they stand out on the menu and toolbar pattern as the
// captions do. They point the way the hidden items lie: right (left in a
// right-to-left layout) for a horizontal bar, down for a vertical one.
class ChevronIcon : public QIconEngine {
public:
    explicit ChevronIcon(Qt::Orientation orientation) : orientation_(orientation) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State /*state*/) override {
        const QPalette::ColorGroup group =
            mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active;
        const QColor colour = QGuiApplication::palette().color(group, QPalette::WindowText);
        const double side = std::min(rect.width(), rect.height());
        const double reach = side * 0.3;  // from the tip to either end, across
        const double depth = side * 0.25; // from the ends to the tip, along
        const double step = side * 0.33;  // from one angle to the next
        const double pen = std::max(1.5, side / 6.0);
        const QPointF centre = QRectF(rect).center();
        const bool backwards = orientation_ == Qt::Horizontal && QGuiApplication::isRightToLeft();
        QPainterPath path;
        for (int angle = 0; angle < 2; ++angle) {
            // Along runs the way the chevron points, across at right angles.
            const double along = (angle - 0.5) * step - depth / 2;
            auto at = [&](double a, double c) {
                if (backwards) {
                    a = -a;
                }
                return orientation_ == Qt::Horizontal ? centre + QPointF(a, c)
                                                      : centre + QPointF(c, a);
            };
            path.moveTo(at(along, -reach));
            path.lineTo(at(along + depth, 0));
            path.lineTo(at(along, reach));
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(colour, pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->setBrush(Qt::NoBrush);
        painter->drawPath(path);
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return drawn;
    }
    // `size` is already in device pixels: the icon sets the ratio itself.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal /*scale*/) override {
        return pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return size;
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("ChevronIcon"); }
    QIconEngine* clone() const override { return new ChevronIcon(*this); }

private:
    Qt::Orientation orientation_;
};

} // namespace

OverflowIconStyle::OverflowIconStyle(QStyle* base) : QProxyStyle(base) {}

QIcon OverflowIconStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                      const QWidget* widget) const {
    if (which == SP_ToolBarHorizontalExtensionButton) {
        return QIcon(new ChevronIcon(Qt::Horizontal));
    }
    if (which == SP_ToolBarVerticalExtensionButton) {
        return QIcon(new ChevronIcon(Qt::Vertical));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void UseOverflowIconStyle() {
    QApplication::setStyle(new OverflowIconStyle(QApplication::style()));
}

} // namespace ui
