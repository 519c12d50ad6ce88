// Pictures of the score sheet: the open-cell button, the one-column row
// buttons with their little dice, the arrow strips, the sheet panel behind
// the row names, and the steel-blue tile of the menus and the toolbar.
#include "board/ArtPaint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>
#include <vector>

namespace ui::art {

namespace {

// The cream body shared by the open-cell button and the row buttons.
void PaintCellBody(QPainter& p, const QRectF& r, bool hot) {
    const QRectF body = Inset(r);
    const qreal radius = std::min(3.5, body.height() / 4);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    QColor border;
    if (hot) {
        fill.setColorAt(0, QColor(255, 244, 188));
        fill.setColorAt(0.55, QColor(252, 218, 120));
        fill.setColorAt(1, QColor(238, 184, 70));
        border = QColor(150, 92, 22);
    } else {
        fill.setColorAt(0, QColor(255, 252, 242));
        fill.setColorAt(1, QColor(242, 228, 192));
        border = QColor(190, 156, 90);
    }
    p.save();
    p.setBrush(fill);
    p.setPen(QPen(border, 1.0));
    p.drawRoundedRect(body, radius, radius);
    // A bright line under the top edge: the cell stands slightly raised.
    p.setPen(QPen(QColor(255, 255, 255, hot ? 150 : 200), 1.0));
    p.drawLine(QPointF(body.left() + radius, body.top() + 1),
               QPointF(body.right() - radius, body.top() + 1));
    p.restore();
}

void PaintTriangle(QPainter& p, const QPointF& centre, qreal width, bool up, const QColor& c) {
    const qreal h = width * 0.8;
    QPainterPath path;
    if (up) {
        path.moveTo(centre.x(), centre.y() - h / 2);
        path.lineTo(centre.x() + width / 2, centre.y() + h / 2);
        path.lineTo(centre.x() - width / 2, centre.y() + h / 2);
    } else {
        path.moveTo(centre.x(), centre.y() + h / 2);
        path.lineTo(centre.x() + width / 2, centre.y() - h / 2);
        path.lineTo(centre.x() - width / 2, centre.y() - h / 2);
    }
    path.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(path);
    p.restore();
}

void PaintStar(QPainter& p, const QPointF& centre, qreal radius, const QColor& fill,
               const QColor& edge) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal len = (i % 2 == 0) ? radius : radius * 0.45;
        const QPointF pt = centre + QPointF(std::cos(angle) * len, std::sin(angle) * len);
        if (i == 0) {
            star.moveTo(pt);
        } else {
            star.lineTo(pt);
        }
    }
    star.closeSubpath();
    p.save();
    p.setBrush(fill);
    p.setPen(QPen(edge, 0.8));
    p.drawPath(star);
    p.restore();
}

// The dice that illustrate each row; 0 marks a small gap between groups.
std::vector<int> RowDice(int row) {
    switch (row) {
    case 6:
        return {6, 6, 6, 5, 5};
    case 7:
        return {1, 1, 2, 1, 2};
    case 8:
        return {4, 4, 4};
    case 9:
        return {3, 3, 3, 0, 5, 5};
    case 10:
        return {1, 2, 3, 4, 5};
    case 11:
        return {5, 5, 5, 5};
    case 12:
        return {6, 6, 6, 6, 6};
    default:
        return {row + 1, row + 1, row + 1};
    }
}

} // namespace

void PaintCellButton(QPainter& p, const QRectF& r) {
    PaintCellBody(p, r, false);
    // A faint gold dot in the middle marks the cell as one to click.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(196, 150, 60, 150));
    const qreal dot = std::max(1.2, r.height() * 0.09);
    p.drawEllipse(r.center(), dot, dot);
    p.restore();
}

void PaintRowButton(QPainter& p, const QRectF& r, int row, bool hot) {
    PaintCellBody(p, r, hot);

    // Dice on whole pixels so their one-pixel outlines stay sharp at 100 %.
    // An odd side puts the centre pip on a pixel centre at 100 %.
    qreal side = std::max(5.0, std::floor(r.height() * 0.8));
    if (static_cast<int>(side) % 2 == 0) {
        side -= 1;
    }
    const qreal gap = std::max(2.0, std::round(side * 0.22));
    const std::vector<int> dice = RowDice(row);
    qreal total = 0;
    for (int face : dice) {
        total += (face == 0 ? gap : side + gap);
    }
    total -= gap;
    qreal x = std::round(r.center().x() - total / 2);
    const qreal y = std::round(r.center().y() - side / 2);
    const qreal left = x;
    for (int face : dice) {
        if (face == 0) {
            x += gap;
            continue;
        }
        PaintTinyDie(p, QRectF(x, y, side, side), face, hot);
        x += side + gap;
    }
    const qreal right = x - gap;

    // Marks beside the dice: up for the highest sum, down for the lowest,
    // stars for five of a kind.
    const qreal markX = side * 0.9;
    const QPointF leftMark(left - markX, r.center().y());
    const QPointF rightMark(right + markX, r.center().y());
    if (row == 6) {
        PaintTriangle(p, leftMark, side * 0.62, true, QColor(46, 120, 58));
        PaintTriangle(p, rightMark, side * 0.62, true, QColor(46, 120, 58));
    } else if (row == 7) {
        PaintTriangle(p, leftMark, side * 0.62, false, QColor(176, 52, 30));
        PaintTriangle(p, rightMark, side * 0.62, false, QColor(176, 52, 30));
    } else if (row == 12) {
        const QColor fill = hot ? QColor(200, 60, 20) : QColor(236, 176, 40);
        PaintStar(p, leftMark, side * 0.48, fill, QColor(120, 70, 10));
        PaintStar(p, rightMark, side * 0.48, fill, QColor(120, 70, 10));
    }
}

void PaintArrowStrip(QPainter& p, const QRectF& r, bool shortStrip) {
    p.save();
    const QRectF body = Inset(r);
    const qreal radius = std::min(5.0, body.width() / 4);
    QLinearGradient wood(body.topLeft(), body.topRight());
    wood.setColorAt(0, QColor(84, 50, 30));
    wood.setColorAt(0.5, QColor(58, 34, 20));
    wood.setColorAt(1, QColor(84, 50, 30));
    p.setBrush(wood);
    p.setPen(QPen(QColor(196, 150, 70, 170), 1.0));
    p.drawRoundedRect(body, radius, radius);

    const qreal head = std::min(body.width() * 0.36, 11.0);
    const qreal shaftWidth = std::max(2.0, head * 0.26);
    const qreal top = body.top() + 8;
    const qreal bottom = body.bottom() - 8;

    // Gold shaft with an arrowhead at one or both ends.
    auto arrow = [&](qreal x, bool headDown, bool headUp) {
        QLinearGradient gold(x - head / 2, 0, x + head / 2, 0);
        gold.setColorAt(0, QColor(250, 222, 140));
        gold.setColorAt(0.5, colour::Gold);
        gold.setColorAt(1, QColor(170, 120, 44));
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        const qreal shaftTop = headUp ? top + head : top;
        const qreal shaftBottom = headDown ? bottom - head : bottom;
        p.drawRect(
            QRectF(x - shaftWidth / 2, shaftTop - 0.5, shaftWidth, shaftBottom - shaftTop + 1));
        QPainterPath path;
        if (headDown) {
            path.moveTo(x, bottom);
            path.lineTo(x - head / 2, bottom - head);
            path.lineTo(x + head / 2, bottom - head);
            path.closeSubpath();
        }
        if (headUp) {
            path.moveTo(x, top);
            path.lineTo(x + head / 2, top + head);
            path.lineTo(x - head / 2, top + head);
            path.closeSubpath();
        }
        p.setPen(QPen(QColor(110, 70, 20), 0.8));
        p.drawPath(path);
    };
    if (shortStrip) {
        // Any order in the one-column game: one arrow pointing both ways.
        arrow(body.center().x(), true, true);
    } else {
        // Down column fills downwards, Up column upwards.
        arrow(body.left() + body.width() * 0.29, true, false);
        arrow(body.left() + body.width() * 0.71, false, true);
    }
    p.restore();
}

void PaintSheet(QPainter& p, const QRectF& r) {
    p.save();
    const QRectF body = Inset(r);
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, QColor(52, 38, 30));
    fill.setColorAt(1, QColor(28, 20, 16));
    p.setBrush(fill);
    p.setPen(QPen(QColor(196, 150, 70, 190), 1.0));
    p.drawRoundedRect(body, 4, 4);
    // A thin inner rule, as on a printed score pad.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(196, 150, 70, 70), 1.0));
    p.drawRoundedRect(Inset(r, 2.5), 3, 3);
    p.restore();
}

void PaintPattern(QPainter& p, const QRectF& r) {
    // A seamless tile: the vertical shading starts and ends on the same
    // colour, and every mark is drawn again one tile over on each side.
    p.save();
    QLinearGradient bands(r.topLeft(), r.bottomLeft());
    bands.setColorAt(0, colour::Steel.lighter(106));
    bands.setColorAt(0.5, colour::Steel.darker(104));
    bands.setColorAt(1, colour::Steel.lighter(106));
    p.fillRect(r, bands);

    const qreal w = r.width();
    const qreal h = r.height();
    const qreal cellW = w / 5;
    const qreal cellH = h / 2;
    const qreal dot = std::max(1.0, std::min(cellW, cellH) * 0.075);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 5; ++col) {
            const qreal cx = r.left() + (col + 0.25 + 0.5 * row) * cellW;
            const qreal cy = r.top() + (row + 0.5) * cellH;
            for (int dx = -1; dx <= 1; ++dx) {
                for (int dy = -1; dy <= 1; ++dy) {
                    const QPointF at(cx + dx * w, cy + dy * h);
                    // Pairs of pips, as on a die: a light one and its shadow.
                    for (int k = -1; k <= 1; k += 2) {
                        const QPointF pip = at + QPointF(k * dot * 1.8, k * dot * 1.8);
                        p.setBrush(QColor(10, 30, 60, 34));
                        p.drawEllipse(pip + QPointF(0.6, 0.7), dot, dot);
                        p.setBrush(QColor(255, 255, 255, 30));
                        p.drawEllipse(pip, dot, dot);
                    }
                }
            }
        }
    }
    p.restore();
}

} // namespace ui::art
