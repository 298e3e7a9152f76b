#include "foundation/wuxoerror.h"
#include "postgen/newstemplate.h"
#include "thrownerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class tst_NewsTemplate : public QObject
{
    Q_OBJECT

private slots:
    void fromLines_data();
    void fromLines();
    void noTemplateLinesIsInvalidArgument_data();
    void noTemplateLinesIsInvalidArgument();
    void readsTheFile();
    void missingFileIsFileNotFound();
    void fill_data();
    void fill();
    void missingFieldTextsCountAsEmpty();
    void refusesAPostTooLargeToHold();
};

namespace {

QList<FieldDefinition> withPlaceholders(const QStringList &placeholders)
{
    QList<FieldDefinition> definitions;
    for (const QString &placeholder : placeholders) {
        FieldDefinition definition;
        definition.Placeholder = placeholder;
        definition.Source = QStringLiteral("0");
        definitions.append(definition);
    }
    return definitions;
}

} // namespace

void tst_NewsTemplate::fromLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("expected");

    QTest::newRow("an empty line between two lines")
        << QStringList{"A", "", "B"} << QStringLiteral("A\r\n\r\nB");
    QTest::newRow("an empty last line leaves one line break")
        << QStringList{"A", ""} << QStringLiteral("A\r\n");
    QTest::newRow("comment lines dropped")
        << QStringList{"# head", "A", "#", "B"} << QStringLiteral("A\r\nB");
    QTest::newRow("a space before # is template text")
        << QStringList{" # A"} << QStringLiteral(" # A");
    QTest::newRow("one empty line") << QStringList{""} << QString();
}

void tst_NewsTemplate::fromLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, expected);
    QCOMPARE(NewsTemplate::fromLines(lines), expected);
}

void tst_NewsTemplate::noTemplateLinesIsInvalidArgument_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("no lines") << QStringList{};
    QTest::newRow("comments only") << QStringList{"# a", "#b"};
}

void tst_NewsTemplate::noTemplateLinesIsInvalidArgument()
{
    QFETCH(QStringList, lines);
    QCOMPARE(errorNumberOf([&] { NewsTemplate::fromLines(lines); }), ErrorNumber::InvalidArgument);
}

void tst_NewsTemplate::readsTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("template.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("# how it looks\r\n[B]%TITLE%[/B]\r\n\r\n%COMMENT%\r\n\r\n");
    file.close();
    QCOMPARE(NewsTemplate::read(path), QStringLiteral("[B]%TITLE%[/B]\r\n\r\n%COMMENT%\r\n"));
}

void tst_NewsTemplate::missingFileIsFileNotFound()
{
    QTemporaryDir dir;
    QCOMPARE(
        errorNumberOf([&] { NewsTemplate::read(dir.filePath(QStringLiteral("template.txt"))); }),
        ErrorNumber::FileNotFound);
}

void tst_NewsTemplate::fill_data()
{
    QTest::addColumn<QString>("templateText");
    QTest::addColumn<QStringList>("placeholders");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expected");

    QTest::newRow("each placeholder by its field")
        << "[B]%T%[/B] %U%" << QStringList{"%T%", "%U%"} << QStringList{"Title", "http://a"}
        << "[B]Title[/B] http://a";
    QTest::newRow("the same placeholder three times")
        << "%T%-%T%-%T%" << QStringList{"%T%"} << QStringList{"x"} << "x-x-x";
    QTest::newRow("letter case counts")
        << "%t% %T%" << QStringList{"%T%"} << QStringList{"x"} << "%t% x";
    QTest::newRow("left to right without overlapping")
        << "aaa" << QStringList{"aa"} << QStringList{"X"} << "Xa";
    QTest::newRow("inserted text is not searched again for the same placeholder")
        << "%T%" << QStringList{"%T%"} << QStringList{"<%T%>"} << "<%T%>";
    QTest::newRow("a later placeholder in an earlier value is replaced")
        << "%A% %B%" << QStringList{"%A%", "%B%"} << QStringList{"a%B%", "b"} << "ab b";
    QTest::newRow("an earlier placeholder in a later value stays")
        << "%A% %B%" << QStringList{"%A%", "%B%"} << QStringList{"a", "b%A%"} << "a b%A%";
    QTest::newRow("a placeholder inside a longer one, shorter first")
        << "%URL% %URL2%" << QStringList{"%URL", "%URL2%"} << QStringList{"u", "v"} << "u% u2%";
    QTest::newRow("a placeholder inside a longer one, longer first")
        << "%URL% %URL2%" << QStringList{"%URL2%", "%URL"} << QStringList{"v", "u"} << "u% v";
    QTest::newRow("an empty placeholder replaces nothing")
        << "abc" << QStringList{""} << QStringList{"x"} << "abc";
    QTest::newRow("line breaks of a value are kept")
        << "[QUOTE]%Q%[/QUOTE]" << QStringList{"%Q%"} << QStringList{"a\r\nb"}
        << "[QUOTE]a\r\nb[/QUOTE]";
    QTest::newRow("empty values") << "%A%|%B%" << QStringList{"%A%", "%B%"} << QStringList{"", ""}
                                  << "|";
}

void tst_NewsTemplate::fill()
{
    QFETCH(QString, templateText);
    QFETCH(QStringList, placeholders);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);
    QCOMPARE(NewsTemplate::fill(templateText, withPlaceholders(placeholders), texts), expected);
}

void tst_NewsTemplate::missingFieldTextsCountAsEmpty()
{
    QCOMPARE(NewsTemplate::fill("%A%%B%", withPlaceholders({"%A%", "%B%"}), {"a"}),
             QStringLiteral("a"));
}

void tst_NewsTemplate::refusesAPostTooLargeToHold()
{
    // Every value doubles the placeholder after it: the post grows as 2^n.
    QStringList placeholders;
    QStringList texts;
    for (int i = 0; i < 40; ++i) {
        placeholders.append(QStringLiteral("%%1%").arg(i));
        texts.append(QStringLiteral("%%1%%%1%").arg(i + 1));
    }
    QCOMPARE(errorNumberOf([&] {
                 NewsTemplate::fill(QStringLiteral("%0%"), withPlaceholders(placeholders), texts,
                                    1 << 20);
             }),
             ErrorNumber::OutOfMemory);
}

QTEST_GUILESS_MAIN(tst_NewsTemplate)
#include "tst_newstemplate.moc"
