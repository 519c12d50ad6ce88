// Stand-in drawings until the board artwork provides the finished pictures:
// a dark blue card with a pair of dice and the game's name.
#include "DialogArt.h"

#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace shell {

namespace {

// Pips of a face, in a 3 x 3 grid numbered 0 to 8 row by row.
const std::initializer_list<int>& PipsOf(int face) {
    static const std::initializer_list<int> pips[6] = {
        {4}, {0, 8}, {0, 4, 8}, {0, 2, 6, 8}, {0, 2, 4, 6, 8}, {0, 2, 3, 5, 6, 8}};
    return pips[face - 1];
}

void DrawDie(QPainter& painter, const QRectF& box, int face, qreal turn) {
    painter.save();
    painter.translate(box.center());
    painter.rotate(turn);
    const QRectF body(-box.width() / 2, -box.height() / 2, box.width(), box.height());
    const qreal radius = box.width() * 0.18;
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 80));
    painter.drawRoundedRect(body.translated(3, 4), radius, radius);
    QLinearGradient ivory(body.topLeft(), body.bottomRight());
    ivory.setColorAt(0, QColor(255, 255, 255));
    ivory.setColorAt(1, QColor(214, 220, 230));
    painter.setBrush(ivory);
    painter.setPen(QPen(QColor(150, 160, 175), 1.2));
    painter.drawRoundedRect(body, radius, radius);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(160, 20, 30));
    const qreal step = box.width() / 4;
    const qreal pip = box.width() * 0.09;
    for (int spot : PipsOf(face)) {
        const QPointF at(body.left() + step * (1 + spot % 3), body.top() + step * (1 + spot / 3));
        painter.drawEllipse(at, pip, pip);
    }
    painter.restore();
}

void FillBackground(QPainter& painter, const QRectF& area) {
    QRadialGradient glow(area.center() - QPointF(area.width() * 0.2, area.height() * 0.2),
                         area.width() * 0.8);
    glow.setColorAt(0, QColor(24, 92, 160));
    glow.setColorAt(1, QColor(0, 28, 62));
    painter.fillRect(area, glow);
}

} // namespace

QPixmap SplashPicture() {
    QPixmap picture(378, 210);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(picture.rect());
    FillBackground(painter, area);
    painter.setPen(QPen(QColor(255, 210, 110), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(5, 5, -6, -6));

    DrawDie(painter, QRectF(36, 58, 64, 64), 5, -12);
    DrawDie(painter, QRectF(82, 100, 56, 56), 3, 15);

    // The largest title that fits its area, whatever fonts the system has.
    const QRectF titleArea(150, 52, 208, 60);
    QFont title(QStringLiteral("Sans Serif"), 30, QFont::Bold);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    while (title.pointSize() > 12 &&
           QFontMetrics(title).horizontalAdvance(QStringLiteral("Quorvane")) > titleArea.width()) {
        title.setPointSize(title.pointSize() - 1);
    }
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(titleArea.translated(2, 2), Qt::AlignCenter, QStringLiteral("Quorvane"));
    painter.setPen(QColor(255, 222, 140));
    painter.drawText(titleArea, Qt::AlignCenter, QStringLiteral("Quorvane"));

    QFont subtitle(QStringLiteral("Sans Serif"), 10);
    painter.setFont(subtitle);
    painter.setPen(QColor(220, 232, 245));
    painter.drawText(QRectF(150, 112, 208, 24), Qt::AlignCenter,
                     QStringLiteral("Yamb and Yahtzee dice game"));
    painter.drawText(QRectF(150, 150, 208, 24), Qt::AlignCenter, QStringLiteral("Version 2.0"));
    return picture;
}

QPixmap AboutPicture() {
    QPixmap picture(96, 96);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath card;
    card.addRoundedRect(QRectF(1, 1, 94, 94), 12, 12);
    painter.setClipPath(card);
    FillBackground(painter, QRectF(picture.rect()));
    painter.setClipping(false);
    DrawDie(painter, QRectF(12, 14, 42, 42), 6, -10);
    DrawDie(painter, QRectF(44, 42, 38, 38), 2, 12);
    return picture;
}

QPixmap WelcomePicture() {
    return AboutPicture();
}

} // namespace shell
