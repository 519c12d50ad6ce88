// The splash window, the quick start screen: a frameless topmost picture that
// opens the board window after two seconds or at the first key, whichever
// comes first, and never twice.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

namespace shell {

class frmSplash : public QWidget {
    Q_OBJECT

public:
    // `openBoard` creates and shows the board window.
    explicit frmSplash(std::function<void()> openBoard);

    // Starts the timer, shows the window above all others and returns.
    void ShowSplash();

    QTimer tmrUnload;

    void tmrUnload_Timer();

    // Where the window goes on a screen of the given size.
    static QPoint PlacementOn(const QRect& screen, const QSize& own);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OpenBoardOnce();

    std::function<void()> openBoard_;
    bool boardOpened_ = false;
};

} // namespace shell
