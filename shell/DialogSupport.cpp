#include "DialogSupport.h"

#include "AppInfo.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QUrl>
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

namespace {

quint16 ReadWord(const QByteArray& bytes, int at) {
    return static_cast<quint16>(static_cast<quint8>(bytes[at]) |
                                (static_cast<quint8>(bytes[at + 1]) << 8));
}

} // namespace

bool ReadCursorFile(const QString& fileName, QCursor& cursor) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    const QByteArray bytes = file.readAll();
    // Header: reserved 0, type 2 (cursor), picture count; then the first
    // directory entry, whose fifth and sixth words hold the hot spot.
    constexpr int headerSize = 6;
    constexpr int entrySize = 16;
    if (bytes.size() < headerSize + entrySize || ReadWord(bytes, 0) != 0 ||
        ReadWord(bytes, 2) != 2 || ReadWord(bytes, 4) == 0) {
        return false;
    }
    QPixmap picture;
    if (!picture.loadFromData(bytes, "CUR") && !picture.loadFromData(bytes, "ICO")) {
        return false;
    }
    int hotX = ReadWord(bytes, headerSize + 4);
    int hotY = ReadWord(bytes, headerSize + 6);
    if (hotX >= picture.width() || hotY >= picture.height()) {
        hotX = 0;
        hotY = 0;
    }
    cursor = QCursor(picture, hotX, hotY);
    return true;
}

QCursor DialogCursor(const std::string& appPath) {
    // One place to switch over to the board's own cursor loader.
    QCursor cursor(Qt::ArrowCursor);
    ReadCursorFile(QString::fromStdString(appPath) + QStringLiteral("base.cur"), cursor);
    return cursor;
}

void ApplyDialogCursor(QWidget* dialog, const std::string& appPath) {
    dialog->setCursor(DialogCursor(appPath));
}

QString FileErrorText(int errorNumber, const QString& description) {
    return QString::number(errorNumber) + description + QStringLiteral("Cannot open file");
}

void OpenWebSite() {
    QDesktopServices::openUrl(QUrl(WebSiteAddress()));
}

void OpenMailToAuthor() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + AuthorMail()));
}

} // namespace shell
