#include "AppInfo.h"

namespace shell {

QString ProgramTitle() {
    return QStringLiteral("Quorvane");
}
QString WebSiteAddress() {
    return QStringLiteral("https://quorvane.example.org/");
}
QString AuthorMail() {
    return QStringLiteral("author@quorvane.example.org");
}

} // namespace shell
