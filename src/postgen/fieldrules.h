#pragma once

#include "fielddefinition.h"
#include "foundation/wuxoerror.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The rules that run on every change of a post generator field: single-line
// fields lose their line breaks, a typed "www" becomes "http://www", and a URL
// fills the site name and site address of the fields derived from it.
namespace FieldRules {

// Every CR LF removed; a lone CR or LF stays.
QString singleLineText(const QString &text);

// "http://www" for exactly "www" (letter case counts), else the text unchanged.
QString completedAddress(const QString &text);

// The 1-based position just after "http://www" (11) or "http://" (8) when the
// text starts with one of them, else 0: such a text derives nothing.
int hostStart(const QString &url);

// Upper-cases a name of up to three characters, else its first character.
QString capitalisedSiteName(const QString &name);

// The site name in `url` (hostStart not 0): after "http://" the host up to its
// first dot; after "http://www" the part between the first two dots, or up to
// the only dot. Nothing when no dot follows the host start.
std::optional<QString> foundSiteName(const QString &url);

// The site address for `url` (hostStart not 0): everything before the first "/"
// after the host start, or empty when there is none.
QString siteAddress(const QString &url);

// Applies the rules to field `index` of `texts`, whose text has just changed.
// A derived field that gets a new text is a change of its own, whose rules run
// in turn. Returns the failures, one per change whose rules stopped, in the
// order they happened; `texts` keeps what was set before each. Every
// definition's Source is read as a number, so a Source that is none fails with
// WuxoError 13 (or 6).
[[nodiscard]] QList<WuxoError> applyChange(const QList<FieldDefinition> &definitions,
                                           QStringList &texts, int index);

} // namespace FieldRules
