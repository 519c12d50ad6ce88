// The window tests' mouse (Pointer.h): Qt's test events on the offscreen
// platform, the X server's own pointer driven through XTest on xcb.
#include "Pointer.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

// Xlib's headers define macros (None, Bool, Status...) that clash with Qt's
// and GoogleTest's names, so they come last and stay in this file. A build
// without the XTest library has no pointer on an X server.
#ifdef QUORVANE_XTEST
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#endif

namespace testing_support {

namespace {

#ifdef QUORVANE_XTEST

// The tests' own connection to the X server, for the XTest requests.
Display* XServer() {
    static Display* display = [] {
        Display* d = XOpenDisplay(nullptr);
        int event = 0;
        int error = 0;
        int major = 0;
        int minor = 0;
        if (d != nullptr && !XTestQueryExtension(d, &event, &error, &major, &minor)) {
            ADD_FAILURE() << "the X server has no XTest extension";
            XCloseDisplay(d);
            d = nullptr;
        }
        return d;
    }();
    return display;
}

void XMoveTo(QPoint global) {
    Display* display = XServer();
    ASSERT_NE(display, nullptr) << "no connection to the X server";
    XTestFakeMotionEvent(display, -1, global.x(), global.y(), CurrentTime);
    XSync(display, False);
}

void XClick() {
    Display* display = XServer();
    ASSERT_NE(display, nullptr) << "no connection to the X server";
    XTestFakeButtonEvent(display, 1, True, CurrentTime);
    XTestFakeButtonEvent(display, 1, False, CurrentTime);
    XSync(display, False);
}

#else

void XMoveTo(QPoint) {
    ADD_FAILURE() << "built without the XTest library (libxtst-dev): no pointer on an X server";
}

void XClick() {}

#endif

} // namespace

bool OnXServer() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

void PointerMoveTo(QWidget* widget, QPoint at) {
    ASSERT_NE(widget, nullptr);
    if (!OnXServer()) {
        QTest::mouseMove(widget, at);
        return;
    }
    XMoveTo(widget->mapToGlobal(at));
    // Give the application the motion event the server now sends it.
    QTest::qWait(50);
}

void PointerClick(QWidget* widget, QPoint at) {
    ASSERT_NE(widget, nullptr);
    if (!OnXServer()) {
        QPointer<QWidget> target = widget;
        QTimer::singleShot(0, widget, [target, at] {
            if (target) {
                QTest::mouseClick(target, Qt::LeftButton, {}, at);
            }
        });
        return;
    }
    XMoveTo(widget->mapToGlobal(at));
    XClick();
}

void PointerPark() {
    if (OnXServer()) {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        XMoveTo(screen.bottomRight());
        QTest::qWait(50);
    }
}

} // namespace testing_support
