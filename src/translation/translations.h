#pragma once

#include <QString>
#include <QStringList>

// The program's texts, and those of Qt's own dialogs, in the user's language: the first of
// the user's languages that the program has a translation for, unless English (the language
// the texts are written in) comes before it.
namespace Translations {

// Installs the translators on the running application in place of any installed before.
// uiLanguages as QLocale::uiLanguages() gives them ("de-DE", "de"), most wanted first.
// Answers the translation chosen ("de"), or "" when the program speaks English.
QString install(const QStringList &uiLanguages);

// Where the program keeps its own translations (wuxo_<language>.qm).
inline constexpr char16_t folder[] = u":/i18n";

} // namespace Translations
