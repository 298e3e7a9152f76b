#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One field of the post generator, read from a line of "tags.txt":
// Placeholder|Caption|MultiLine|UrlPrefix|AutoKind|DeriveKind|Source.
struct FieldDefinition
{
    QString Placeholder;
    QString Caption;
    bool MultiLine = false;
    bool UrlPrefix = false;
    qint16 AutoKind = 0;   // 0 passed over, 1 from the clipboard, 2 asked for
    qint16 DeriveKind = 0; // 0 none, 1 site name, 2 site address
    QString Source;        // 1-based field number derived from, 0 none; kept as written

    // Source as a number; throws WuxoError 13 (not a number) or 6 (overflow).
    double sourceNumber() const;
};

namespace FieldDefinitions {

// True for a line that defines a field: not empty and not starting with "#".
bool isDefinitionLine(const QString &line);

// Reads one definition line: values split at every "|", untrimmed, values after
// the seventh ignored. Throws WuxoError 9 for fewer than seven values, 13 for a
// flag or number that is none, 6 for a number outside 16 bits.
FieldDefinition parse(const QString &line);

// Appends the definitions of `lines` to `into`. A failing line throws and
// leaves in `into` the definitions of the lines before it.
void parseLines(const QStringList &lines, QList<FieldDefinition> &into);

// Reads a definitions file; a missing file throws WuxoError 53.
void read(const QString &path, QList<FieldDefinition> &into);

} // namespace FieldDefinitions
