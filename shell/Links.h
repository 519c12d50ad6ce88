// The two links the program offers: the product web site in the user's
// browser and a new e-mail to the author in the user's mail program. The
// addresses are kept in AppInfo.cpp.
#pragma once

namespace shell {

// Nothing is reported when no program takes the address.
void VisitWebSite();
void SendMailToAuthor();

} // namespace shell
