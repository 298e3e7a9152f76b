#pragma once

#include "fielddefinition.h"

#include <QList>
#include <QString>
#include <QStringList>

// The post template of "template.txt" and how the fields fill it. The template
// has no syntax of its own: a placeholder is whatever text a field names.
namespace NewsTemplate {

// Lines starting with "#" are left out; the rest, empty ones included, are
// joined with CR LF. Throws WuxoError 5 when no template line is left.
QString fromLines(const QStringList &lines);

// Reads the template file; a missing file throws WuxoError 53.
QString read(const QString &path);

// Replaces, field by field in order, every occurrence of the field's placeholder
// (left to right, not overlapping, letter case counting) by its text; text put in
// is not searched again for the same placeholder, and an empty placeholder
// replaces nothing. A missing text counts as empty. Throws WuxoError 7 when the
// post would grow past `maxLength` characters.
QString fill(const QString &templateText, const QList<FieldDefinition> &definitions,
             const QStringList &fieldTexts, qsizetype maxLength = 64 * 1024 * 1024);

} // namespace NewsTemplate
