#include "DialogSupport.h"
#include "AppInfo.h"
#include <QFrame>
#include <QGridLayout>

#include "board/Artwork.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace shell {

void CentreOver(QWidget* dialog, const QWidget* anchor, double topDivisor) {
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
    const int top = area.top() + static_cast<int>(area.height() / topDivisor) -
                    static_cast<int>(own.height() / topDivisor);
    dialog->move(left, top);
}

QLabel* LinkLabel(const QString& url, const QString& shown, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\" style=\"color:#1a5fb4;\">%2</a>")
                       .arg(url.toHtmlEscaped(), shown.toHtmlEscaped()));
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setCursor(Qt::PointingHandCursor);
    return label;
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

void ShowOpenScoresMessage(QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QStringLiteral("Open scores"), text);
}

void ShowOpenScoresError(QWidget* parent, const QString& problem, const QString& fileName) {
    ShowOpenScoresMessage(parent, problem + QStringLiteral("Cannot open ") + fileName);
}

LinkRows MakeLinkRows(QFrame* frame) {
    LinkRows rows;
    rows.Label1 = new QLabel(QStringLiteral("Web site:"), frame);
    rows.lblWebSite = LinkLabel(WebSiteAddress(), WebSiteAddress(), frame);
    rows.Label2 = new QLabel(QStringLiteral("E-Mail:"), frame);
    rows.lblemail = LinkLabel(QStringLiteral("mailto:") + AuthorMail(), AuthorMail(), frame);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(12, 10, 12, 10);
    grid->setHorizontalSpacing(12);
    grid->addWidget(rows.Label1, 0, 0);
    grid->addWidget(rows.lblWebSite, 0, 1);
    grid->addWidget(rows.Label2, 1, 0);
    grid->addWidget(rows.lblemail, 1, 1);
    grid->setColumnStretch(1, 1);
    return rows;
}

} // namespace shell
