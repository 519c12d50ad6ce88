#include "frmSplash.h"

#include "DialogArt.h"
#include "board/Twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QRegion>
#include <QScreen>

namespace shell {

namespace {

constexpr int unloadDelayMs = 2000;
// The visible area, from the window's top-left corner.
constexpr int visibleWidth = 388;
constexpr int visibleHeight = 220;

} // namespace

frmSplash::frmSplash(std::function<void()> openBoard)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      openBoard_(std::move(openBoard)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(ui::TwipsToPixels(5655), ui::TwipsToPixels(3135));

    tmrUnload.setInterval(unloadDelayMs);
    tmrUnload.setSingleShot(true);
    connect(&tmrUnload, &QTimer::timeout, this, &frmSplash::tmrUnload_Timer);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(PlacementOn(screen->geometry(), size()));
    }
    setMask(QRegion(0, 0, visibleWidth, visibleHeight));
}

QPoint frmSplash::PlacementOn(const QRect& screen, const QSize& own) {
    // A third of the free width to the left, vertically centred.
    return {screen.left() + (screen.width() - own.width()) / 3,
            screen.top() + (screen.height() - own.height()) / 2};
}

void frmSplash::ShowSplash() {
    tmrUnload.start();
    show();
    raise();
    activateWindow();
}

void frmSplash::tmrUnload_Timer() {
    close();
    OpenBoardOnce();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event); // Shift, arrows and the like produce no character
        return;
    }
    tmrUnload.stop();
    close();
    OpenBoardOnce();
}

void frmSplash::OpenBoardOnce() {
    if (boardOpened_) {
        return;
    }
    boardOpened_ = true;
    tmrUnload.stop();
    if (openBoard_) {
        openBoard_();
    }
}

void frmSplash::paintEvent(QPaintEvent*) {
    // Drawn at its own size from the top-left corner, never stretched.
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 28, 62));
    painter.drawPixmap(0, 0, SplashPicture());
}

} // namespace shell
