#include "HoverCommand.h"

#include "board/Twips.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace shell {

namespace {

struct Shades {
    QColor top;
    QColor bottom;
    QColor border;
    QColor text;
};

// Deep blue at rest, brighter under the mouse, darker while pressed, grey
// when disabled.
Shades ShadesFor(bool enabled, bool pressed, bool lit) {
    if (!enabled) {
        return {QColor(120, 128, 140), QColor(92, 99, 110), QColor(80, 86, 96),
                QColor(190, 195, 202)};
    }
    if (pressed) {
        return {QColor(18, 52, 96), QColor(34, 78, 134), QColor(10, 30, 60), QColor(235, 242, 250)};
    }
    if (lit) {
        return {QColor(92, 152, 222), QColor(36, 96, 170), QColor(255, 210, 110), Qt::white};
    }
    return {QColor(58, 108, 170), QColor(22, 62, 118), QColor(12, 36, 72), Qt::white};
}

constexpr qreal cornerRadius = 7.0;

// Enter or keypad Enter, with no other modifier.
bool IsEnter(const QKeyEvent* key) {
    const Qt::KeyboardModifiers others = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && others == 0;
}

} // namespace

HoverCommand::HoverCommand(const QString& caption, QWidget* parent) : QAbstractButton(parent) {
    setText(caption); // an '&' in the caption also makes the Alt+letter shortcut
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
    connect(this, &QAbstractButton::clicked, this, &HoverCommand::Click);
}

void HoverCommand::setDefault(bool on) {
    if (on == default_) {
        return;
    }
    default_ = on;
    // The window sees every Enter that none of its controls has taken.
    if (on) {
        window()->installEventFilter(this);
    } else {
        window()->removeEventFilter(this);
    }
}

void HoverCommand::keyPressEvent(QKeyEvent* event) {
    if (IsEnter(event)) {
        click(); // a disabled button has no focus and does not click
        event->accept();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

bool HoverCommand::eventFilter(QObject* watched, QEvent* event) {
    if (default_ && watched == window() && event->type() == QEvent::KeyPress &&
        IsEnter(static_cast<QKeyEvent*>(event))) {
        if (isEnabled() && isVisible()) {
            click();
        }
        return true;
    }
    return QAbstractButton::eventFilter(watched, event);
}

void HoverCommand::setTop(double twips) {
    move(x(), ui::TwipsToPixels(twips));
}

double HoverCommand::Top() const {
    return ui::PixelsToTwips(y());
}

QSize HoverCommand::sizeHint() const {
    const QFontMetrics metrics(font());
    const QSize textSize = metrics.size(Qt::TextShowMnemonic, text());
    return {std::max(textSize.width() + 36, 96), std::max(textSize.height() + 16, 32)};
}

QSize HoverCommand::minimumSizeHint() const {
    return sizeHint();
}

void HoverCommand::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool pressed = isDown();
    const Shades shades = ShadesFor(isEnabled(), pressed, lit_);
    const QRectF body = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);

    // A soft shadow under the resting button gives it some lift.
    if (isEnabled() && !pressed) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 60));
        painter.drawRoundedRect(body.translated(0, 1.5), cornerRadius, cornerRadius);
    }

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, shades.top);
    fill.setColorAt(1.0, shades.bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(shades.border, lit_ && isEnabled() && !pressed ? 1.6 : 1.0));
    painter.drawRoundedRect(body, cornerRadius, cornerRadius);

    // Gloss over the upper half.
    if (isEnabled() && !pressed) {
        QPainterPath gloss;
        const QRectF upper = body.adjusted(2, 2, -2, -body.height() / 2);
        gloss.addRoundedRect(upper, cornerRadius - 2, cornerRadius - 2);
        QLinearGradient shine(upper.topLeft(), upper.bottomLeft());
        shine.setColorAt(0.0, QColor(255, 255, 255, lit_ ? 90 : 60));
        shine.setColorAt(1.0, QColor(255, 255, 255, 0));
        painter.fillPath(gloss, shine);
    }

    if (hasFocus() && isEnabled()) {
        QPen ring(QColor(255, 255, 255, 200), 1.0, Qt::DotLine);
        painter.setPen(ring);
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(body.adjusted(3.5, 3.5, -3.5, -3.5), cornerRadius - 3,
                                cornerRadius - 3);
    }

    QRectF textArea = body;
    if (pressed) {
        textArea.translate(1, 1);
    }
    if (isEnabled()) {
        painter.setPen(QColor(0, 0, 0, 110));
        painter.drawText(textArea.translated(0, 1), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    }
    painter.setPen(shades.text);
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());
}

void HoverCommand::enterEvent(QEnterEvent* event) {
    lit_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void HoverCommand::leaveEvent(QEvent* event) {
    lit_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void HoverCommand::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        lit_ = false;
    }
    QAbstractButton::changeEvent(event);
    update();
}

} // namespace shell
