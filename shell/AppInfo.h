// The program's fixed facts: title, version and the two link addresses.
#pragma once

#include <QString>

namespace shell {

QString ProgramTitle();   // "Quorvane"
QString WebSiteAddress(); // the product web site
QString AuthorMail();     // the author's e-mail address, without "mailto:"

} // namespace shell
