// The pages the program opens in the default browser, by role. The addresses are build
// settings (see page_addresses.h.in); the help page is installed with the program so that
// help works offline.
#pragma once

#include <QString>
#include <QUrl>

namespace velquor {

enum class PageRole {
  OnlineHelp,    // help for this program
  HomePage,      // the maker's home page
  Update,        // download page with newer versions
  Donate,        // donation page
  CoBranding,    // co-branding information
  FullBranding,  // fully-branded edition information
};

// The installed help page for a program in `programDir`; empty when it is not there.
QString FindHelpPage(const QString& programDir);

// The address of a page. OnlineHelp is the installed help file beside the running program,
// or the online help address when the file is missing.
QUrl PageUrl(PageRole role);

// Hands the page to the desktop's default browser without waiting for it. Returns false
// (and warns on the log) when the desktop could not open it.
bool OpenPage(PageRole role);

}  // namespace velquor
