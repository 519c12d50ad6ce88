// The help viewer: our own window showing the help document "QVHelp.html"
// that lies beside the program. The board's Help Contents command opens it;
// closing the board window or the welcome dialog closes it.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QTextBrowser;

namespace shell {

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // Opens the help document in the program's folder `appPath` (with its
    // trailing '/') at its first page, or brings the open viewer to the front.
    // A document that cannot be read gives the "File Error" message, shown
    // over `parent`; the return value tells whether the viewer is open.
    static bool ShowContents(const QString& appPath, QWidget* parent);

    // Closes the viewer if it is open.
    static void Quit();

    // The open viewer, or nullptr.
    static HelpViewer* Current();

    static QString HelpFileName() { return QStringLiteral("QVHelp.html"); }

    QTextBrowser* Browser() const { return browser_; }

private:
    explicit HelpViewer(const QString& fileName);

    QTextBrowser* browser_;
    static QPointer<HelpViewer> open_;
};

} // namespace shell
