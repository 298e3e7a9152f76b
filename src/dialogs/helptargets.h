#pragma once

#include <QString>

// Where the Help menu and the About box send the user. Everything is opened
// through the desktop shell; nothing here looks at the result.
namespace HelpTargets {

QString readMe();  // "Read Me.html" in the program's folder
QString update();  // the site's version check for this major.minor
QString website(); // the maker's site, no "/" at the end
QString forums();
QString emailMenu();  // mailto with the subject "Wuxo v0.8 (Build 44)"
QString emailAbout(); // the same subject with its spaces written as %20
QString donate();
QString supportEmail(); // the bare address
QString versionText();  // "0.8 (Build 44)"

// The Help menu's requests use the default action; Donate! and the About box's
// links ask for "Open" with empty parameters. Both use the program's folder.
void openDefault(const QString &target);
void openWithVerb(const QString &target);

} // namespace HelpTargets
