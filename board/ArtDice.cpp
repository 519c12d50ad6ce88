// Dice, the roll picture and the roll lamps, plus the helpers every painter
// shares (dice in all their looks, fonts, pixel alignment).
#include "board/ArtPaint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>
#include <vector>

namespace ui::art {

namespace {

// Pip centres of a face on a 3 x 3 grid, in units of the grid step.
std::vector<QPointF> PipOffsets(int face) {
    switch (face) {
    case 1:
        return {{0, 0}};
    case 2:
        return {{-1, -1}, {1, 1}};
    case 3:
        return {{-1, -1}, {0, 0}, {1, 1}};
    case 4:
        return {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    case 5:
        return {{-1, -1}, {1, -1}, {0, 0}, {-1, 1}, {1, 1}};
    case 6:
        return {{-1, -1}, {-1, 0}, {-1, 1}, {1, -1}, {1, 0}, {1, 1}};
    default:
        return {};
    }
}

// A soft shadow under a rounded rectangle: a few widening, fading layers.
void SoftShadow(QPainter& p, const QRectF& r, qreal radius, qreal spread, int alpha) {
    p.save();
    p.setPen(Qt::NoPen);
    const int layers = 4;
    for (int i = layers; i >= 1; --i) {
        const qreal grow = spread * i / layers;
        p.setBrush(QColor(0, 0, 0, alpha / layers));
        p.drawRoundedRect(r.adjusted(-grow, -grow, grow, grow), radius + grow, radius + grow);
    }
    p.restore();
}

} // namespace

QRectF CentredSquare(const QRectF& r) {
    const qreal side = std::min(r.width(), r.height());
    return QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
}

QRectF Inset(const QRectF& r, qreal by) {
    return r.adjusted(by, by, -by, -by);
}

QFont TitleFont(qreal pixelSize, bool bold) {
    QFont font;
    font.setFamilies({"DejaVu Serif", "Georgia", "Times New Roman", "Liberation Serif"});
    font.setStyleHint(QFont::Serif, QFont::PreferAntialias);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

QFont LabelFont(qreal pixelSize, bool bold) {
    QFont font;
    font.setFamilies({"DejaVu Sans", "Verdana", "Arial", "Liberation Sans"});
    font.setStyleHint(QFont::SansSerif, QFont::PreferAntialias);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    return font;
}

void PaintDie(QPainter& p, const QRectF& box, int face, DieStyle style) {
    const qreal s = box.width();
    const qreal side = s * 0.88;
    const QRectF body(box.x() + s * 0.04, box.y() + s * 0.03, side, side);
    const qreal radius = side * 0.19;

    p.save();
    if (style != DieStyle::Faded) {
        SoftShadow(p, body.translated(s * 0.03, s * 0.05), radius, s * 0.035, 110);
    }

    QColor light = colour::Ivory;
    QColor shade = colour::IvoryShade;
    QColor edge = colour::DieEdge;
    QColor pip = colour::Pip;
    if (style == DieStyle::Held) {
        light = colour::HeldFace;
        shade = colour::HeldShade;
        edge = colour::HeldRim;
        pip = colour::HeldPip;
    } else if (style == DieStyle::Faded) {
        light = QColor(222, 219, 214);
        shade = QColor(188, 184, 178);
        edge = QColor(150, 146, 140);
        pip = QColor(128, 124, 120);
    }

    QLinearGradient fill(body.topLeft(), body.bottomRight());
    fill.setColorAt(0, light);
    fill.setColorAt(1, shade);
    p.setBrush(fill);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(body, radius, radius);

    if (style == DieStyle::Held) {
        // A broad amber rim with a thin dark line outside it: the held die
        // reads as set aside even from across the room.
        const qreal rim = std::max(2.0, side * 0.075);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(edge, rim));
        p.drawRoundedRect(Inset(body, rim / 2), radius - rim / 2, radius - rim / 2);
        p.setPen(QPen(QColor(90, 46, 10), 1.0));
        p.drawRoundedRect(Inset(body, 0.5), radius, radius);
    } else {
        // A bright inner edge gives the ivory some depth.
        p.setBrush(Qt::NoBrush);
        if (style == DieStyle::Free) {
            p.setPen(QPen(QColor(255, 255, 255, 200), std::max(1.0, side * 0.03)));
            p.drawRoundedRect(Inset(body, side * 0.045), radius * 0.8, radius * 0.8);
        }
        p.setPen(QPen(edge, std::max(1.0, side * 0.022)));
        p.drawRoundedRect(Inset(body, 0.5), radius, radius);
    }

    // Pips sit on a grid a little inside the rim.
    const qreal step = side * 0.255;
    qreal pipRadius = side * 0.088;
    if (face == 1) {
        pipRadius *= 1.3;
    }
    const QPointF centre = body.center();
    p.setPen(Qt::NoPen);
    for (const QPointF& offset : PipOffsets(face)) {
        const QPointF at = centre + offset * step;
        if (style == DieStyle::Free) {
            QRadialGradient g(at - QPointF(pipRadius * 0.3, pipRadius * 0.35), pipRadius * 1.2);
            g.setColorAt(0, QColor(78, 72, 66));
            g.setColorAt(0.7, pip);
            g.setColorAt(1, pip);
            p.setBrush(g);
        } else {
            p.setBrush(pip);
        }
        p.drawEllipse(at, pipRadius, pipRadius);
    }
    p.restore();
}

void PaintTinyDie(QPainter& p, const QRectF& box, int face, bool warm) {
    const QRectF body = Inset(box);
    const qreal side = body.width();
    const qreal radius = std::max(1.5, side * 0.2);
    p.save();
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, colour::Ivory);
    fill.setColorAt(1, warm ? QColor(246, 232, 200) : QColor(236, 230, 220));
    p.setBrush(fill);
    p.setPen(QPen(QColor(96, 82, 66), 1.0));
    p.drawRoundedRect(body, radius, radius);
    // The pip spacing is a whole number of device pixels, so that at small
    // sizes every pip lands on the pixel grid the same way and stays round.
    const qreal scale = std::max(1.0, std::abs(p.deviceTransform().m11()));
    const qreal step = std::max(2.0, std::round(side * 0.28 * scale)) / scale;
    const qreal pipRadius =
        std::min(std::max(0.95, side * 0.1), step * 0.38) * (face == 1 ? 1.3 : 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::Pip);
    for (const QPointF& offset : PipOffsets(face)) {
        p.drawEllipse(body.center() + offset * step, pipRadius, pipRadius);
    }
    p.restore();
}

void PaintFace(QPainter& p, const QRectF& r, int face, bool held) {
    PaintDie(p, CentredSquare(r), face, held ? DieStyle::Held : DieStyle::Free);
}

void PaintRoll(QPainter& p, const QRectF& r, RollLook look) {
    // Everything is laid out on the 82 x 86 design and scaled to the
    // rectangle, so the button keeps its proportions at any size.
    p.save();
    p.translate(r.topLeft());
    p.scale(r.width() / 82.0, r.height() / 86.0);

    const bool pressed = look == RollLook::Pressed;
    const bool off = look == RollLook::Off;
    const QRectF body(2.5, 2.5, 77, 79);
    const qreal radius = 11;

    if (!pressed) {
        SoftShadow(p, body.translated(0, 2), radius, 2, off ? 60 : 120);
    }

    QColor top(184, 66, 46);
    QColor bottom(104, 28, 18);
    QColor border = colour::Gold;
    if (pressed) {
        top = QColor(122, 36, 24);
        bottom = QColor(90, 22, 14);
        border = colour::GoldDark;
    } else if (off) {
        top = QColor(160, 156, 150);
        bottom = QColor(112, 108, 104);
        border = QColor(186, 182, 176);
    }
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    QPainterPath shape;
    shape.addRoundedRect(body, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);

    p.save();
    p.setClipPath(shape);
    if (look == RollLook::Normal) {
        // Gloss over the upper half.
        QLinearGradient gloss(0, body.top(), 0, body.center().y());
        gloss.setColorAt(0, QColor(255, 255, 255, 80));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(gloss);
        p.drawRoundedRect(body.adjusted(3, 2, -3, -body.height() / 2), radius - 2, radius - 2);
    } else if (pressed) {
        // Inner shadow along the top and left edges: the button sits deeper.
        QLinearGradient shadeTop(0, body.top(), 0, body.top() + 9);
        shadeTop.setColorAt(0, QColor(0, 0, 0, 130));
        shadeTop.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(shadeTop);
        p.drawRect(body);
        QLinearGradient shadeLeft(body.left(), 0, body.left() + 6, 0);
        shadeLeft.setColorAt(0, QColor(0, 0, 0, 90));
        shadeLeft.setColorAt(1, QColor(0, 0, 0, 0));
        p.setBrush(shadeLeft);
        p.drawRect(body);
    }
    p.restore();

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(border, 1.5));
    p.drawRoundedRect(Inset(body, 0.75), radius, radius);

    // The pressed look moves its contents down and right, as a key gives way.
    const QPointF shift = pressed ? QPointF(1, 1.5) : QPointF(0, 0);
    const DieStyle dieStyle = off ? DieStyle::Faded : DieStyle::Free;
    const std::array<std::tuple<QPointF, qreal, int>, 2> dice = {{
        {QPointF(29, 30), -14.0, 5},
        {QPointF(53, 34), 11.0, 3},
    }};
    for (const auto& [centre, angle, face] : dice) {
        p.save();
        p.translate(centre + shift);
        p.rotate(angle);
        PaintDie(p, QRectF(-15, -15, 30, 30), face, dieStyle);
        p.restore();
    }

    const QRectF label = QRectF(body.left(), 56, body.width(), 22).translated(shift);
    p.setFont(LabelFont(17));
    QFont font = p.font();
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    p.setFont(font);
    if (!off) {
        p.setPen(QColor(40, 8, 4, 170));
        p.drawText(label.translated(0, 1.2), Qt::AlignCenter, QStringLiteral("ROLL"));
        p.setPen(colour::Cream);
    } else {
        p.setPen(QColor(214, 211, 206));
    }
    p.drawText(label, Qt::AlignCenter, QStringLiteral("ROLL"));
    p.restore();
}

void PaintLamp(QPainter& p, const QRectF& r, bool lit) {
    const QRectF box = CentredSquare(r);
    const QPointF c = box.center();
    const qreal outer = box.width() / 2 - 0.5;
    const qreal glass = outer * 0.74;
    p.save();
    p.setPen(Qt::NoPen);

    // Brass bezel, lit from above.
    QLinearGradient bezel(box.topLeft(), box.bottomLeft());
    bezel.setColorAt(0, QColor(236, 206, 140));
    bezel.setColorAt(1, QColor(110, 78, 36));
    p.setBrush(bezel);
    p.drawEllipse(c, outer, outer);
    p.setBrush(QColor(50, 34, 18));
    p.drawEllipse(c, glass + 0.8, glass + 0.8);

    QRadialGradient g(c - QPointF(glass * 0.25, glass * 0.3), glass * 1.3);
    if (lit) {
        g.setColorAt(0, QColor(255, 252, 214));
        g.setColorAt(0.35, QColor(255, 206, 70));
        g.setColorAt(0.8, QColor(232, 122, 12));
        g.setColorAt(1, QColor(180, 80, 6));
    } else {
        g.setColorAt(0, QColor(112, 92, 72));
        g.setColorAt(0.6, QColor(62, 48, 36));
        g.setColorAt(1, QColor(36, 26, 18));
    }
    p.setBrush(g);
    p.drawEllipse(c, glass, glass);

    // A small reflection on the glass.
    p.setBrush(QColor(255, 255, 255, lit ? 170 : 90));
    p.drawEllipse(QRectF(c.x() - glass * 0.62, c.y() - glass * 0.7, glass * 0.7, glass * 0.45));
    p.restore();
}

} // namespace ui::art
