// The larger pictures: the splash screen with the game's name and version,
// the badge of the welcome and about dialogs, and the window icon.
#include "board/ArtPaint.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace ui::art {

namespace {

// A die drawn rotated about its centre.
void PaintTurnedDie(QPainter& p, const QPointF& centre, qreal side, qreal angle, int face) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    PaintDie(p, QRectF(-side / 2, -side / 2, side, side), face, DieStyle::Free);
    p.restore();
}

// A red die with white pips, the second die of the window icon.
void PaintRedDie(QPainter& p, const QRectF& box, int face) {
    const QRectF body = Inset(box, box.width() * 0.04);
    const qreal radius = body.width() * 0.2;
    QLinearGradient fill(body.topLeft(), body.bottomRight());
    fill.setColorAt(0, QColor(226, 70, 52));
    fill.setColorAt(1, QColor(140, 24, 18));
    p.save();
    p.setBrush(fill);
    p.setPen(QPen(QColor(70, 10, 6), std::max(1.0, body.width() * 0.03)));
    p.drawRoundedRect(body, radius, radius);
    const qreal step = body.width() * 0.26;
    const qreal pip = std::max(1.0, body.width() * 0.09);
    const QPointF c = body.center();
    // Two and three run along the rising diagonal, so that a die lying over
    // this one's top-left corner hides no pip.
    const QPointF all[] = {{1, -1}, {-1, -1}, {0, 0}, {1, 1}, {-1, 1}, {-1, 0}, {1, 0}};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 248, 236));
    auto at = [&](int i) { p.drawEllipse(c + all[i] * step, pip, pip); };
    if (face % 2 == 1) {
        at(2);
    }
    if (face >= 2) {
        at(0);
        at(4);
    }
    if (face >= 4) {
        at(1);
        at(3);
    }
    if (face == 6) {
        at(5);
        at(6);
    }
    p.restore();
}

// Text filled with a gold gradient over a dark shadow, fitted into `box`.
void PaintGoldTitle(QPainter& p, const QRectF& box, const QString& text, qreal pixelSize) {
    QFont font = TitleFont(pixelSize);
    QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(text);
    if (width > box.width()) {
        font = TitleFont(pixelSize * box.width() / width);
        metrics = QFontMetricsF(font);
    }
    const qreal x = box.center().x() - metrics.horizontalAdvance(text) / 2;
    const qreal baseline = box.center().y() + (metrics.ascent() - metrics.descent()) / 2;
    QPainterPath path;
    path.addText(QPointF(x, baseline), font, text);

    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(path.translated(1.5, 2));
    QLinearGradient gold(0, baseline - metrics.ascent(), 0, baseline);
    gold.setColorAt(0, QColor(255, 240, 180));
    gold.setColorAt(0.5, QColor(236, 190, 80));
    gold.setColorAt(1, QColor(176, 120, 36));
    p.setBrush(gold);
    p.setPen(QPen(QColor(90, 50, 10), 0.8));
    p.drawPath(path);
    p.restore();
}

} // namespace

void PaintSplash(QPainter& p, const QRectF& r) {
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 378.0, r.height() / 210.0);
    const QRectF area(0, 0, 378, 210);

    QRadialGradient felt(QPointF(110, 95), 300);
    felt.setColorAt(0, QColor(138, 40, 28));
    felt.setColorAt(0.55, QColor(84, 20, 14));
    felt.setColorAt(1, QColor(36, 10, 8));
    p.fillRect(area, felt);

    // Double gold frame.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::Gold, 1.5));
    p.drawRoundedRect(Inset(area, 5.75), 6, 6);
    p.setPen(QPen(QColor(226, 182, 90, 110), 1.0));
    p.drawRoundedRect(Inset(area, 9.5), 4, 4);

    // A throw of three dice on the left.
    PaintTurnedDie(p, QPointF(112, 66), 46, 10, 5);
    PaintTurnedDie(p, QPointF(70, 118), 64, -13, 6);
    PaintTurnedDie(p, QPointF(122, 146), 48, 21, 3);

    // Name, rule and version on the right.
    const QRectF titleBox(170, 52, 186, 64);
    PaintGoldTitle(p, titleBox, QStringLiteral("Quorvane"), 42);
    const qreal ruleY = 124.5;
    QLinearGradient rule(titleBox.left(), 0, titleBox.right(), 0);
    rule.setColorAt(0, QColor(226, 182, 90, 0));
    rule.setColorAt(0.5, colour::Gold);
    rule.setColorAt(1, QColor(226, 182, 90, 0));
    p.setPen(QPen(QBrush(rule), 1.0));
    p.drawLine(QPointF(titleBox.left() + 8, ruleY), QPointF(titleBox.right() - 8, ruleY));
    QPainterPath diamond;
    const QPointF mid(titleBox.center().x(), ruleY);
    diamond.moveTo(mid + QPointF(0, -4));
    diamond.lineTo(mid + QPointF(4, 0));
    diamond.lineTo(mid + QPointF(0, 4));
    diamond.lineTo(mid + QPointF(-4, 0));
    diamond.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::Gold);
    p.drawPath(diamond);

    p.setFont(LabelFont(15, false));
    p.setPen(colour::Cream);
    p.drawText(QRectF(titleBox.left(), 134, titleBox.width(), 24), Qt::AlignCenter,
               QStringLiteral("Version 2.0"));
    p.restore();
}

void PaintDialogPicture(QPainter& p, const QRectF& r) {
    const QRectF box = CentredSquare(r);
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 128.0, box.height() / 128.0);

    // A round mahogany badge with a gold ring, holding three dice.
    const QPointF c(64, 64);
    QRadialGradient shadow(c + QPointF(0, 3), 63);
    shadow.setColorAt(0.9, QColor(0, 0, 0, 90));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0, 3), 63, 63);

    QLinearGradient ring(0, 2, 0, 122);
    ring.setColorAt(0, QColor(255, 232, 160));
    ring.setColorAt(0.5, colour::Gold);
    ring.setColorAt(1, QColor(150, 100, 30));
    p.setBrush(ring);
    p.drawEllipse(c, 60, 60);
    QRadialGradient felt(QPointF(52, 46), 80);
    felt.setColorAt(0, QColor(150, 46, 32));
    felt.setColorAt(0.7, QColor(86, 20, 14));
    felt.setColorAt(1, QColor(50, 12, 8));
    p.setBrush(felt);
    p.drawEllipse(c, 54, 54);

    PaintTurnedDie(p, QPointF(78, 44), 34, 14, 2);
    PaintTurnedDie(p, QPointF(48, 58), 42, -12, 6);
    PaintTurnedDie(p, QPointF(78, 84), 36, 24, 4);
    p.restore();
}

void PaintAppIcon(QPainter& p, const QRectF& r) {
    const QRectF box = CentredSquare(r);
    p.save();
    p.translate(box.topLeft());
    const qreal s = box.width();
    if (s < 28) {
        // Small sizes: two upright dice on whole pixels, no shading to blur.
        // The white die has an odd side so that its middle pip sits on a
        // pixel centre; five pips would run together on the smallest icon.
        const qreal red = std::round(s * 0.62);
        qreal white = std::round(s * 0.58);
        if (static_cast<int>(white) % 2 == 0) {
            white -= 1;
        }
        PaintRedDie(p, QRectF(s - red, s - red, red, red), 3);
        PaintTinyDie(p, QRectF(0, 0, white, white), s < 20 ? 3 : 5, false);
    } else {
        p.scale(s / 64.0, s / 64.0);
        p.save();
        p.translate(43, 43);
        p.rotate(12);
        PaintRedDie(p, QRectF(-18, -18, 36, 36), 3);
        p.restore();
        PaintTurnedDie(p, QPointF(23, 24), 40, -10, 5);
    }
    p.restore();
}

} // namespace ui::art
