#include "DialogSupport.h"

#include "board/Artwork.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace shell {

void CentreOver(QWidget* dialog, const QWidget* anchor) {
    // Before the dialog is first shown its frame is not known; its own size
    // is then the best measure there is.
    const QSize own = dialog->isVisible() ? dialog->frameGeometry().size() : dialog->size();
    QRect area;
    if (anchor != nullptr) {
        area = anchor->frameGeometry();
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    } else {
        return;
    }
    const int left = area.left() + area.width() / 2 - own.width() / 2;
    const int top = area.top() + area.height() / 2 - own.height() / 2;
    dialog->move(left, top);
}

void KeepAbove(QWidget* window, const QWidget* owner) {
    if (owner == nullptr || owner->window()->windowHandle() == nullptr) {
        return;
    }
    window->winId(); // creates the native window so that it can take an owner
    window->windowHandle()->setTransientParent(owner->window()->windowHandle());
}

QCursor DialogCursor(const std::string& appPath) {
    return ui::LoadBoardCursor(QString::fromStdString(appPath));
}

void ApplyDialogCursor(QWidget* dialog, const std::string& appPath) {
    dialog->setCursor(DialogCursor(appPath));
}

QString FileErrorText(int errorNumber, const QString& description) {
    return QString::number(errorNumber) + description + QStringLiteral("Cannot open file");
}

} // namespace shell
