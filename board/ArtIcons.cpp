// Small icons: the toolbar's eight images, the menu pictures and the top-score
// list's header icons. Each shape is designed on a 16-unit grid (outlines on
// half units, so they fall on whole pixels at 16 px) and scaled to the
// rectangle it is given; every icon has a dark outline so that it reads on
// the steel-blue menus as well as on the dark selection bar.
#include "board/ArtPaint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace ui::art {

namespace {

const QColor Ink(34, 30, 40);

// Maps a units x units grid (centred, aspect kept) onto `r`.
void UseGrid(QPainter& p, const QRectF& r, qreal unitsW = 16, qreal unitsH = 16) {
    const qreal scale = std::min(r.width() / unitsW, r.height() / unitsH);
    p.translate(r.center().x() - unitsW * scale / 2, r.center().y() - unitsH * scale / 2);
    p.scale(scale, scale);
}

QPen InkPen(qreal width = 1.0) {
    QPen pen(Ink, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

QLinearGradient Vertical(qreal top, qreal bottom, const QColor& a, const QColor& b) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    return g;
}

// A stroke drawn twice, dark and wide under light and narrow, so a line
// keeps an outline of its own.
void OutlinedStroke(QPainter& p, const QPainterPath& path, qreal width, const QColor& c) {
    QPen under = InkPen(width + 1.6);
    p.strokePath(path, under);
    QPen over(c, width);
    over.setCapStyle(Qt::RoundCap);
    over.setJoinStyle(Qt::RoundJoin);
    p.strokePath(path, over);
}

void PaintSparkle(QPainter& p, const QPointF& c, qreal radius) {
    QPainterPath star;
    for (int i = 0; i < 8; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 4;
        const qreal len = (i % 2 == 0) ? radius : radius * 0.32;
        const QPointF pt = c + QPointF(std::cos(angle) * len, std::sin(angle) * len);
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    p.setPen(QPen(QColor(150, 80, 0), 0.8));
    p.setBrush(QColor(255, 214, 60));
    p.drawPath(star);
}

void PaintGear(QPainter& p) {
    QPainterPath gear;
    gear.addEllipse(QPointF(8, 8), 5.0, 5.0);
    for (int i = 0; i < 8; ++i) {
        QPainterPath tooth;
        tooth.addRoundedRect(QRectF(-1.6, -7.5, 3.2, 4.0), 0.6, 0.6);
        QTransform t;
        t.translate(8, 8);
        t.rotate(i * 45.0);
        gear = gear.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(8, 8), 2.0, 2.0);
    gear = gear.subtracted(hole);
    QRadialGradient g(QPointF(6, 5.5), 9);
    g.setColorAt(0, QColor(240, 242, 246));
    g.setColorAt(1, QColor(130, 138, 150));
    p.setPen(InkPen(0.9));
    p.setBrush(g);
    p.drawPath(gear);
}

void PaintTrophy(QPainter& p) {
    QPainterPath cup;
    cup.moveTo(4, 1.5);
    cup.lineTo(12, 1.5);
    cup.cubicTo(12, 6.5, 10.5, 9, 8, 9);
    cup.cubicTo(5.5, 9, 4, 6.5, 4, 1.5);
    cup.closeSubpath();
    QPainterPath handles;
    handles.moveTo(4.2, 3);
    handles.cubicTo(1, 3, 1.5, 7, 5, 7);
    handles.moveTo(11.8, 3);
    handles.cubicTo(15, 3, 14.5, 7, 11, 7);
    OutlinedStroke(p, handles, 1.2, QColor(236, 186, 60));
    QLinearGradient gold(4, 0, 12, 0);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(0.5, QColor(240, 190, 50));
    gold.setColorAt(1, QColor(190, 130, 20));
    p.setPen(InkPen(0.9));
    p.setBrush(gold);
    p.drawPath(cup);
    p.drawRect(QRectF(7, 9, 2, 2.5));
    p.setBrush(Vertical(11.5, 14.5, QColor(150, 90, 50), QColor(90, 50, 24)));
    p.drawRoundedRect(QRectF(4.5, 11.5, 7, 3), 0.8, 0.8);
}

void PaintEnvelope(QPainter& p) {
    // Drawn on an 18 x 16 grid.
    const QRectF body(1.5, 3.5, 15, 10);
    p.setPen(InkPen(1.0));
    p.setBrush(Vertical(3.5, 13.5, QColor(255, 252, 240), QColor(226, 216, 190)));
    p.drawRect(body);
    QPainterPath flap;
    flap.moveTo(1.5, 3.5);
    flap.lineTo(9, 9.5);
    flap.lineTo(16.5, 3.5);
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    p.setPen(QPen(QColor(200, 50, 40), 1.0));
    p.setBrush(QColor(220, 70, 50));
    p.drawRect(QRectF(13, 5.5, 2, 2));
}

void PaintGlobe(QPainter& p) {
    QRadialGradient sea(QPointF(6, 5), 9);
    sea.setColorAt(0, QColor(150, 210, 255));
    sea.setColorAt(1, QColor(30, 90, 180));
    p.setPen(InkPen(1.0));
    p.setBrush(sea);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    QPainterPath land;
    land.moveTo(4, 5);
    land.cubicTo(6, 3, 8, 4.5, 7.5, 6.5);
    land.cubicTo(7, 8.5, 5, 8, 4.5, 10);
    land.cubicTo(3, 9, 2.5, 6.5, 4, 5);
    land.moveTo(10, 9);
    land.cubicTo(12, 8, 13.5, 9.5, 12.5, 11.5);
    land.cubicTo(11.5, 13, 10, 12, 10, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 170, 80));
    p.drawPath(land);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 130), 0.7));
    p.drawEllipse(QPointF(8, 8), 2.8, 6.5);
    p.drawLine(QPointF(1.5, 8), QPointF(14.5, 8));
}

void PaintRoundSign(QPainter& p, const QString& text, const QColor& light, const QColor& dark) {
    QRadialGradient g(QPointF(6, 5), 10);
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    p.setPen(InkPen(1.0));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
    QFont font = TitleFont(11);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 1.5, 13, 13.5), Qt::AlignCenter, text);
}

void PaintLifebuoy(QPainter& p) {
    QPainterPath ring;
    ring.addEllipse(QPointF(8, 8), 6.5, 6.5);
    QPainterPath hole;
    hole.addEllipse(QPointF(8, 8), 3.0, 3.0);
    ring = ring.subtracted(hole);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(ring);
    p.save();
    p.setClipPath(ring);
    p.setBrush(QColor(220, 50, 40));
    for (int i = 0; i < 4; ++i) {
        p.drawPie(QRectF(0, 0, 16, 16), (i * 90 + 20) * 16, 50 * 16);
    }
    p.restore();
    p.setPen(InkPen(1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ring);
}

void PaintCheck(QPainter& p) {
    // Drawn on a 15 x 15 grid.
    QPainterPath tick;
    tick.moveTo(3, 8);
    tick.lineTo(6.2, 11.5);
    tick.lineTo(12.2, 3.2);
    OutlinedStroke(p, tick, 2.2, QColor(70, 200, 80));
}

void PaintPerson(QPainter& p) {
    p.setPen(InkPen(0.9));
    QPainterPath shoulders;
    shoulders.moveTo(2.5, 15);
    shoulders.cubicTo(2.5, 10, 5, 9, 8, 9);
    shoulders.cubicTo(11, 9, 13.5, 10, 13.5, 15);
    shoulders.closeSubpath();
    p.setBrush(Vertical(9, 15, QColor(90, 140, 220), QColor(30, 70, 150)));
    p.drawPath(shoulders);
    p.setBrush(Vertical(2, 9, QColor(255, 226, 196), QColor(222, 170, 130)));
    p.drawEllipse(QPointF(8, 5.2), 3.2, 3.4);
}

void PaintCalendar(QPainter& p) {
    p.setPen(InkPen(1.0));
    p.setBrush(QColor(252, 250, 244));
    p.drawRect(QRectF(1.5, 2.5, 13, 12));
    p.setBrush(QColor(210, 56, 40));
    p.drawRect(QRectF(1.5, 2.5, 13, 3.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 100));
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 4; ++col) {
            p.drawRect(QRectF(3 + col * 2.8, 7.5 + row * 2.3, 1.6, 1.4));
        }
    }
    p.setPen(InkPen(1.0));
    p.drawLine(QPointF(4.5, 1), QPointF(4.5, 3.5));
    p.drawLine(QPointF(11.5, 1), QPointF(11.5, 3.5));
}

void PaintBigStar(QPainter& p) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const qreal len = (i % 2 == 0) ? 7.2 : 3.0;
        const QPointF pt(8 + std::cos(angle) * len, 8.6 + std::sin(angle) * len);
        i == 0 ? star.moveTo(pt) : star.lineTo(pt);
    }
    star.closeSubpath();
    QRadialGradient g(QPointF(7, 6), 8);
    g.setColorAt(0, QColor(255, 244, 160));
    g.setColorAt(1, QColor(232, 160, 20));
    p.setPen(InkPen(0.9));
    p.setBrush(g);
    p.drawPath(star);
}

void PaintMedal(QPainter& p) {
    p.setPen(InkPen(0.8));
    QPainterPath ribbon;
    ribbon.moveTo(4, 0.8);
    ribbon.lineTo(7, 0.8);
    ribbon.lineTo(9, 7);
    ribbon.lineTo(6.5, 7.5);
    ribbon.closeSubpath();
    ribbon.moveTo(12, 0.8);
    ribbon.lineTo(9, 0.8);
    ribbon.lineTo(7, 7);
    ribbon.lineTo(9.5, 7.5);
    ribbon.closeSubpath();
    p.setBrush(QColor(200, 40, 40));
    p.drawPath(ribbon);
    QRadialGradient g(QPointF(7, 9.5), 6);
    g.setColorAt(0, QColor(255, 240, 160));
    g.setColorAt(1, QColor(210, 150, 20));
    p.setBrush(g);
    p.drawEllipse(QPointF(8, 10.5), 4.6, 4.6);
    p.setFont(TitleFont(6.5));
    p.setPen(QColor(110, 60, 0));
    p.drawText(QRectF(4, 6.4, 8, 8.6), Qt::AlignCenter, QStringLiteral("1"));
}

} // namespace

void PaintNewGame(QPainter& p, const QRectF& r) {
    p.save();
    UseGrid(p, r);
    PaintTinyDie(p, QRectF(1, 4, 11, 11), 5, false);
    PaintSparkle(p, QPointF(12.2, 3.8), 3.6);
    p.restore();
}

void PaintUndoArrow(QPainter& p, const QRectF& r, bool redo) {
    p.save();
    UseGrid(p, r);
    if (redo) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath bend;
    bend.moveTo(13, 13.5);
    bend.cubicTo(13.5, 8.5, 11, 6.2, 7, 6.2);
    bend.lineTo(5.5, 6.2);
    OutlinedStroke(p, bend, 2.4, QColor(70, 140, 230));
    QPainterPath head;
    head.moveTo(1.2, 6.2);
    head.lineTo(6.4, 1.8);
    head.lineTo(6.4, 10.6);
    head.closeSubpath();
    p.setPen(InkPen(0.9));
    p.setBrush(QColor(70, 140, 230));
    p.drawPath(head);
    p.restore();
}

void PaintSpeaker(QPainter& p, const QRectF& r, bool on) {
    p.save();
    UseGrid(p, r);
    QPainterPath body;
    body.moveTo(1.5, 5.5);
    body.lineTo(4.5, 5.5);
    body.lineTo(8.5, 2);
    body.lineTo(8.5, 14);
    body.lineTo(4.5, 10.5);
    body.lineTo(1.5, 10.5);
    body.closeSubpath();
    p.setPen(InkPen(1.0));
    p.setBrush(Vertical(2, 14, QColor(150, 150, 164), QColor(60, 60, 72)));
    p.drawPath(body);
    if (on) {
        QPainterPath waves;
        waves.moveTo(10.5, 5.5);
        waves.quadTo(12, 8, 10.5, 10.5);
        waves.moveTo(12.5, 3.5);
        waves.quadTo(15.2, 8, 12.5, 12.5);
        OutlinedStroke(p, waves, 1.3, QColor(90, 180, 255));
    } else {
        QPainterPath cross;
        cross.moveTo(10.5, 5.5);
        cross.lineTo(14.5, 10.5);
        cross.moveTo(14.5, 5.5);
        cross.lineTo(10.5, 10.5);
        OutlinedStroke(p, cross, 1.6, QColor(235, 60, 50));
    }
    p.restore();
}

void PaintDoor(QPainter& p, const QRectF& r) {
    p.save();
    UseGrid(p, r);
    p.setPen(InkPen(1.0));
    p.setBrush(QColor(70, 50, 40));
    p.drawRect(QRectF(1.5, 1.5, 8, 13));
    // The door stands open: a leaf seen at an angle.
    QPainterPath leaf;
    leaf.moveTo(1.5, 1.5);
    leaf.lineTo(6.5, 3);
    leaf.lineTo(6.5, 15.5);
    leaf.lineTo(1.5, 14.5);
    leaf.closeSubpath();
    p.setBrush(Vertical(1.5, 15.5, QColor(200, 130, 70), QColor(130, 70, 30)));
    p.drawPath(leaf);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 210, 80));
    p.drawEllipse(QPointF(5.3, 8.8), 0.8, 0.8);
    QPainterPath shaft;
    shaft.moveTo(8.5, 8.5);
    shaft.lineTo(12, 8.5);
    OutlinedStroke(p, shaft, 2.0, QColor(80, 200, 90));
    QPainterPath head;
    head.moveTo(15.2, 8.5);
    head.lineTo(11.5, 4.8);
    head.lineTo(11.5, 12.2);
    head.closeSubpath();
    p.setPen(InkPen(0.9));
    p.setBrush(QColor(80, 200, 90));
    p.drawPath(head);
    p.restore();
}

void PaintBulb(QPainter& p, const QRectF& r) {
    p.save();
    UseGrid(p, r);
    QPainterPath glass;
    glass.moveTo(5.5, 11);
    glass.cubicTo(5.5, 9, 3, 8, 3, 5.8);
    glass.cubicTo(3, 3, 5.3, 1, 8, 1);
    glass.cubicTo(10.7, 1, 13, 3, 13, 5.8);
    glass.cubicTo(13, 8, 10.5, 9, 10.5, 11);
    glass.closeSubpath();
    QRadialGradient g(QPointF(7, 4.5), 7);
    g.setColorAt(0, QColor(255, 255, 220));
    g.setColorAt(0.5, QColor(255, 226, 90));
    g.setColorAt(1, QColor(236, 160, 20));
    p.setPen(InkPen(0.9));
    p.setBrush(g);
    p.drawPath(glass);
    p.setBrush(Vertical(11, 15, QColor(210, 210, 218), QColor(110, 110, 120)));
    p.drawRoundedRect(QRectF(5.5, 11, 5, 3.6), 0.8, 0.8);
    p.drawLine(QPointF(5.5, 12.8), QPointF(10.5, 12.8));
    p.restore();
}

void PaintBook(QPainter& p, const QRectF& r) {
    p.save();
    UseGrid(p, r);
    // An open book: blue cover under two cream pages.
    QPainterPath cover;
    cover.moveTo(0.8, 4);
    cover.lineTo(8, 5.2);
    cover.lineTo(15.2, 4);
    cover.lineTo(15.2, 14.2);
    cover.lineTo(8, 15.3);
    cover.lineTo(0.8, 14.2);
    cover.closeSubpath();
    p.setPen(InkPen(0.9));
    p.setBrush(QColor(40, 80, 160));
    p.drawPath(cover);
    QPainterPath pages;
    pages.moveTo(8, 4);
    pages.cubicTo(6, 2.5, 3.5, 2.3, 1.8, 2.8);
    pages.lineTo(1.8, 13);
    pages.cubicTo(3.5, 12.5, 6, 12.7, 8, 14.2);
    pages.cubicTo(10, 12.7, 12.5, 12.5, 14.2, 13);
    pages.lineTo(14.2, 2.8);
    pages.cubicTo(12.5, 2.3, 10, 2.5, 8, 4);
    pages.closeSubpath();
    p.setBrush(Vertical(2.5, 14, QColor(255, 253, 245), QColor(230, 222, 200)));
    p.drawPath(pages);
    p.drawLine(QPointF(8, 4), QPointF(8, 14.2));
    p.setPen(QPen(QColor(120, 120, 140), 0.7));
    for (int i = 0; i < 3; ++i) {
        const qreal y = 6 + i * 2.2;
        p.drawLine(QPointF(3.2, y - 0.4), QPointF(6.6, y + 0.2));
        p.drawLine(QPointF(9.4, y + 0.2), QPointF(12.8, y - 0.4));
    }
    p.restore();
}

void PaintToolbarImage(QPainter& p, const QRectF& r, int image) {
    switch (image) {
    case 1:
        PaintNewGame(p, r);
        break;
    case 2:
        PaintUndoArrow(p, r, false);
        break;
    case 3:
        PaintUndoArrow(p, r, true);
        break;
    case 4:
        PaintBulb(p, r);
        break;
    case 5:
        PaintSpeaker(p, r, true);
        break;
    case 6:
        PaintBook(p, r);
        break;
    case 7:
        PaintDoor(p, r);
        break;
    case 8:
        PaintSpeaker(p, r, false);
        break;
    default:
        break;
    }
}

void PaintMenuPicture(QPainter& p, const QRectF& r, const QString& name) {
    if (name == "new") {
        PaintNewGame(p, r);
    } else if (name == "undo" || name == "redo") {
        PaintUndoArrow(p, r, name == "redo");
    } else if (name == "exit") {
        PaintDoor(p, r);
    } else if (name == "quickstart") {
        PaintBook(p, r);
    } else {
        p.save();
        if (name == "sendmail") {
            UseGrid(p, r, 18, 16);
            PaintEnvelope(p);
        } else if (name == "check") {
            UseGrid(p, r, 15, 15);
            PaintCheck(p);
        } else {
            UseGrid(p, r);
            if (name == "options") {
                PaintGear(p);
            } else if (name == "scores") {
                PaintTrophy(p);
            } else if (name == "help") {
                PaintLifebuoy(p);
            } else if (name == "visitweb") {
                PaintGlobe(p);
            } else if (name == "about") {
                PaintRoundSign(p, QStringLiteral("i"), QColor(120, 180, 255), QColor(30, 80, 170));
            }
        }
        p.restore();
    }
}

void PaintHeaderIcon(QPainter& p, const QRectF& r, int icon) {
    p.save();
    UseGrid(p, r);
    switch (icon) {
    case 1:
        PaintPerson(p);
        break;
    case 2:
        PaintCalendar(p);
        break;
    case 3:
        PaintBigStar(p);
        break;
    case 4:
        PaintMedal(p);
        break;
    default:
        break;
    }
    p.restore();
}

} // namespace ui::art
