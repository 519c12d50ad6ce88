#include "Links.h"

#include "AppInfo.h"

#include <QDesktopServices>
#include <QUrl>

namespace shell {

void VisitWebSite() {
    QDesktopServices::openUrl(QUrl(WebSiteAddress()));
}

void SendMailToAuthor() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + AuthorMail()));
}

} // namespace shell
