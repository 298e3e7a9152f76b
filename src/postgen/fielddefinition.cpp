#include "fielddefinition.h"

#include "foundation/conversions.h"
#include "foundation/textfile.h"
#include "foundation/wuxoerror.h"

double FieldDefinition::sourceNumber() const
{
    return Conversions::toNumber(Source);
}

namespace FieldDefinitions {

bool isDefinitionLine(const QString &line)
{
    return !line.isEmpty() && !line.startsWith(u'#');
}

FieldDefinition parse(const QString &line)
{
    const QStringList values = line.split(u'|');
    if (values.size() < 7)
        throw WuxoError(ErrorNumber::SubscriptOutOfRange);
    FieldDefinition definition;
    definition.Placeholder = values.at(0);
    definition.Caption = values.at(1);
    definition.MultiLine = Conversions::toBoolean(values.at(2));
    definition.UrlPrefix = Conversions::toBoolean(values.at(3));
    definition.AutoKind = Conversions::toInteger(values.at(4));
    definition.DeriveKind = Conversions::toInteger(values.at(5));
    definition.Source = values.at(6);
    return definition;
}

void parseLines(const QStringList &lines, QList<FieldDefinition> &into)
{
    for (const QString &line : lines) {
        if (isDefinitionLine(line))
            into.append(parse(line));
    }
}

void read(const QString &path, QList<FieldDefinition> &into)
{
    parseLines(TextFile::readLines(path), into);
}

} // namespace FieldDefinitions
