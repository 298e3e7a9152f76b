#include "foundation/wuxoerror.h"
#include "postgen/fielddefinition.h"
#include "thrownerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(FieldDefinition)

class tst_FieldDefinition : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void parseFailure_data();
    void parseFailure();
    void definitionLines_data();
    void definitionLines();
    void failingLineKeepsTheDefinitionsBeforeIt();
    void readsAFileWithAnyLineEnds();
    void missingFileIsFileNotFound();
    void sourceIsReadAsANumberWhenUsed_data();
    void sourceIsReadAsANumberWhenUsed();
};

namespace {

FieldDefinition definition(const QString &placeholder, const QString &caption, bool multiLine,
                           bool urlPrefix, qint16 autoKind, qint16 deriveKind,
                           const QString &source)
{
    return FieldDefinition{placeholder, caption,    multiLine, urlPrefix,
                           autoKind,    deriveKind, source};
}

void compare(const FieldDefinition &actual, const FieldDefinition &expected)
{
    QCOMPARE(actual.Placeholder, expected.Placeholder);
    QCOMPARE(actual.Caption, expected.Caption);
    QCOMPARE(actual.MultiLine, expected.MultiLine);
    QCOMPARE(actual.UrlPrefix, expected.UrlPrefix);
    QCOMPARE(actual.AutoKind, expected.AutoKind);
    QCOMPARE(actual.DeriveKind, expected.DeriveKind);
    QCOMPARE(actual.Source, expected.Source);
}

} // namespace

void tst_FieldDefinition::parse_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<FieldDefinition>("expected");

    QTest::newRow("all seven members")
        << "%URL%|Article URL|False|True|1|0|0"
        << definition("%URL%", "Article URL", false, true, 1, 0, "0");
    QTest::newRow("flags in any letter case")
        << "%A%|A|TRUE|false|2|1|3" << definition("%A%", "A", true, false, 2, 1, "3");
    QTest::newRow("flags as numbers, non-zero is true")
        << "%A%|A|-1|0|0|2|1" << definition("%A%", "A", true, false, 0, 2, "1");
    QTest::newRow("spaces are part of the values")
        << " %A% | Caption |True|False|1|0|2 "
        << definition(" %A% ", " Caption ", true, false, 1, 0, "2 ");
    QTest::newRow("a half rounds to the even neighbour")
        << "%A%|A|0|0|2.5|1.5|0" << definition("%A%", "A", false, false, 2, 2, "0");
    QTest::newRow("values after the seventh are ignored")
        << "%A%|A|0|0|1|0|0|extra|more" << definition("%A%", "A", false, false, 1, 0, "0");
    QTest::newRow("Source is kept as written")
        << "%A%|A|0|0|0|1|two" << definition("%A%", "A", false, false, 0, 1, "two");
    QTest::newRow("empty placeholder and caption")
        << "||0|0|0|0|0" << definition("", "", false, false, 0, 0, "0");
}

void tst_FieldDefinition::parse()
{
    QFETCH(QString, line);
    QFETCH(FieldDefinition, expected);
    compare(FieldDefinitions::parse(line), expected);
}

void tst_FieldDefinition::parseFailure_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("number");

    QTest::newRow("six values") << "%A%|A|0|0|0|0" << ErrorNumber::SubscriptOutOfRange;
    QTest::newRow("no separator") << "%A%" << ErrorNumber::SubscriptOutOfRange;
    QTest::newRow("MultiLine neither flag nor number")
        << "%A%|A|yes|0|0|0|0" << ErrorNumber::TypeMismatch;
    QTest::newRow("UrlPrefix empty") << "%A%|A|0||0|0|0" << ErrorNumber::TypeMismatch;
    QTest::newRow("AutoKind not a number") << "%A%|A|0|0|one|0|0" << ErrorNumber::TypeMismatch;
    QTest::newRow("AutoKind past 16 bits") << "%A%|A|0|0|32768|0|0" << ErrorNumber::Overflow;
    QTest::newRow("DeriveKind below 16 bits") << "%A%|A|0|0|0|-32769|0" << ErrorNumber::Overflow;
}

void tst_FieldDefinition::parseFailure()
{
    QFETCH(QString, line);
    QFETCH(int, number);
    QCOMPARE(errorNumberOf([&] { FieldDefinitions::parse(line); }), number);
}

void tst_FieldDefinition::definitionLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("placeholders");

    QTest::newRow("comments and empty lines skipped")
        << QStringList{"# comment", "%A%|A|0|0|0|0|0", "", "#%B%|B|0|0|0|0|0", "%C%|C|0|0|0|0|0"}
        << QStringList{"%A%", "%C%"};
    QTest::newRow("a space before # makes a definition line")
        << QStringList{" #%A%|A|0|0|0|0|0"} << QStringList{" #%A%"};
    QTest::newRow("only comments") << QStringList{"#", "# x"} << QStringList{};
}

void tst_FieldDefinition::definitionLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, placeholders);
    QList<FieldDefinition> definitions;
    FieldDefinitions::parseLines(lines, definitions);
    QStringList found;
    for (const FieldDefinition &definition : definitions)
        found.append(definition.Placeholder);
    QCOMPARE(found, placeholders);
}

void tst_FieldDefinition::failingLineKeepsTheDefinitionsBeforeIt()
{
    QList<FieldDefinition> definitions;
    QCOMPARE(errorNumberOf([&] {
                 FieldDefinitions::parseLines({"%A%|A|0|0|0|0|0", "# note", "%B%|B|0|0|0|0|0",
                                               "%C%|C|maybe|0|0|0|0", "%D%|D|0|0|0|0|0"},
                                              definitions);
             }),
             ErrorNumber::TypeMismatch);
    QCOMPARE(definitions.size(), 2);
    QCOMPARE(definitions.at(1).Placeholder, QStringLiteral("%B%"));
}

void tst_FieldDefinition::readsAFileWithAnyLineEnds()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tags.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#x\r\n%A%|A|0|0|0|0|0\r%B%|B|1|0|0|0|0\r\n\r\n");
    file.close();
    QList<FieldDefinition> definitions;
    FieldDefinitions::read(path, definitions);
    QCOMPARE(definitions.size(), 2);
    QVERIFY(definitions.at(1).MultiLine);
}

void tst_FieldDefinition::missingFileIsFileNotFound()
{
    QTemporaryDir dir;
    QList<FieldDefinition> definitions;
    QCOMPARE(errorNumberOf([&] {
                 FieldDefinitions::read(dir.filePath(QStringLiteral("tags.txt")), definitions);
             }),
             ErrorNumber::FileNotFound);
}

void tst_FieldDefinition::sourceIsReadAsANumberWhenUsed_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<double>("number");
    QTest::addColumn<int>("error");

    QTest::newRow("field number") << "2" << 2.0 << 0;
    QTest::newRow("none") << "0" << 0.0 << 0;
    QTest::newRow("a fraction stays a fraction") << "1.5" << 1.5 << 0;
    QTest::newRow("empty is no number") << "" << 0.0 << ErrorNumber::TypeMismatch;
    QTest::newRow("a word is no number") << "two" << 0.0 << ErrorNumber::TypeMismatch;
}

void tst_FieldDefinition::sourceIsReadAsANumberWhenUsed()
{
    QFETCH(QString, source);
    QFETCH(double, number);
    QFETCH(int, error);
    FieldDefinition definition;
    definition.Source = source;
    double result = 0;
    QCOMPARE(errorNumberOf([&] { result = definition.sourceNumber(); }), error);
    if (error == 0)
        QCOMPARE(result, number);
}

QTEST_GUILESS_MAIN(tst_FieldDefinition)
#include "tst_fielddefinition.moc"
