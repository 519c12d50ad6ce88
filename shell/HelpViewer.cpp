#include "HelpViewer.h"

#include "DialogSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

namespace shell {

QPointer<HelpViewer> HelpViewer::open_;

HelpViewer::HelpViewer(const QString& fileName) : QWidget(nullptr, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Quorvane Help"));
    browser_ = new QTextBrowser(this);
    browser_->setOpenExternalLinks(true);
    browser_->document()->setDocumentMargin(14);
    browser_->setSource(QUrl::fromLocalFile(fileName));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(640, 600);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.right() - width() - 40, area.top() + 60);
    }
}

bool HelpViewer::ShowContents(const QString& appPath, QWidget* parent) {
    const QString fileName = appPath + HelpFileName();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        const int number = QFileInfo::exists(fileName) ? FileAccessError : FileNotFoundError;
        QMessageBox::information(parent, QStringLiteral("File Error"),
                                 FileErrorText(number, file.errorString()));
        return false;
    }
    file.close();
    if (open_ == nullptr) {
        open_ = new HelpViewer(fileName);
    } else {
        // Back to the contents page, as a fresh open would show.
        open_->browser_->setSource(QUrl::fromLocalFile(fileName));
        open_->browser_->clearHistory();
    }
    open_->show();
    open_->raise();
    open_->activateWindow();
    return true;
}

void HelpViewer::Quit() {
    if (open_ != nullptr) {
        open_->close();
    }
}

HelpViewer* HelpViewer::Current() {
    return open_;
}

} // namespace shell
