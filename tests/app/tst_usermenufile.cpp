#include "app/usermenufile.h"
#include "fakes.h"
#include "foundation/wuxoerror.h"
#include "testdatafolder.h"
#include "thrownerror.h"

#include <QTest>

class TestUserMenuFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void lines_data();
    void lines();
    void badLineStopsTheMenu_data();
    void badLineStopsTheMenu();
    void entryNumbersAreSixteenBit();

    void shippedMenusRead();
    void fileBytes_data();
    void fileBytes();
    void missingFile();
    void badLineInFileKeepsEntriesBefore();
    void manyEntriesAndLongLine();

    void insertText_data();
    void insertText();
    void webValueGoesToTheDesktop();

private:
    QLocale m_previousLocale;
};

namespace {

// One entry as "caption => value", a separator (caption "-", no value) as "[separator]".
QStringList describe(const QList<UserMenuEntry> &entries)
{
    QStringList list;
    for (const UserMenuEntry &entry : entries) {
        const bool wellFormedSeparator = entry.caption == u"-" && entry.value.isEmpty();
        if (entry.isSeparator && wellFormedSeparator)
            list.append(QStringLiteral("[separator]"));
        else if (entry.isSeparator)
            list.append(QStringLiteral("[separator?] ") + entry.caption + u'|' + entry.value);
        else
            list.append(entry.caption + QStringLiteral(" => ") + entry.value);
    }
    return list;
}

const QDateTime afternoon(QDate(2024, 3, 5), QTime(14, 7, 9));

} // namespace

void TestUserMenuFile::initTestCase()
{
    // Empty "dt:" patterns use the default locale.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestUserMenuFile::cleanupTestCase()
{
    QLocale::setDefault(m_previousLocale);
}

void TestUserMenuFile::lines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("caption before the bar, value after it")
        << QStringList{"Thanks|Thanks for sharing!"}
        << QStringList{"Thanks => Thanks for sharing!"};
    QTest::newRow("text after a second bar is ignored")
        << QStringList{"Home|http://a.example|note|more"}
        << QStringList{"Home => http://a.example"};
    QTest::newRow("nothing is trimmed")
        << QStringList{"  Sig \t| text  "} << QStringList{"  Sig \t =>  text  "};
    QTest::newRow("empty caption and value") << QStringList{"|"} << QStringList{" => "};
    QTest::newRow("exactly a dash is a separator")
        << QStringList{"A|1", "-", "B|2"} << QStringList{"A => 1", "[separator]", "B => 2"};
    QTest::newRow("a dash with spaces is an entry")
        << QStringList{" - |x"} << QStringList{" -  => x"};
    QTest::newRow("a dash caption with a value is an entry")
        << QStringList{"-|x"} << QStringList{"- => x"};
    QTest::newRow("comments and empty lines take no number")
        << QStringList{"# Web menu", "", "A|1", "#B|2", "", "   # not a comment|3", "C|4"}
        << QStringList{"A => 1", "   # not a comment => 3", "C => 4"};
    QTest::newRow("only comments and empty lines: no entries")
        << QStringList{"# nothing", "", "#|x"} << QStringList{};
    QTest::newRow("no lines: no entries") << QStringList{} << QStringList{};
}

void TestUserMenuFile::lines()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, expected);
    QCOMPARE(describe(UserMenuFile::parse(lines)), expected);
}

void TestUserMenuFile::badLineStopsTheMenu_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("entriesBefore");

    QTest::newRow("a line without a bar") << QStringList{"A|1", "# note", "-", "Plain text", "B|2"}
                                          << QStringList{"A => 1", "[separator]"};
    QTest::newRow("a dash with a space is no separator")
        << QStringList{"A|1", "- "} << QStringList{"A => 1"};
    QTest::newRow("two dashes are no separator") << QStringList{"--"} << QStringList{};
    QTest::newRow("a space-only line is no empty line") << QStringList{" "} << QStringList{};
}

void TestUserMenuFile::badLineStopsTheMenu()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, entriesBefore);
    QList<UserMenuEntry> partial{{QStringLiteral("stale"), QString(), false}};
    const std::optional<WuxoError> error = errorOf([&] { UserMenuFile::parse(lines, &partial); });
    QVERIFY2(error, "the bad line was accepted");
    QCOMPARE(error->number(), ErrorNumber::SubscriptOutOfRange);
    QCOMPARE(error->description(), QStringLiteral("Subscript out of range"));
    QCOMPARE(describe(partial), entriesBefore);
}

void TestUserMenuFile::entryNumbersAreSixteenBit()
{
    QStringList lines(UserMenuFile::maxEntryNumber, QStringLiteral("E|v"));
    QCOMPARE(UserMenuFile::parse(lines).size(), UserMenuFile::maxEntryNumber);

    lines.append(QStringLiteral("Last|v"));
    lines.append(QStringLiteral("Beyond|v"));
    QList<UserMenuEntry> partial;
    QCOMPARE(errorNumberOf([&] { UserMenuFile::parse(lines, &partial); }), ErrorNumber::Overflow);
    QCOMPARE(partial.size(), UserMenuFile::maxEntryNumber + 1);
    QCOMPARE(partial.last().caption, QStringLiteral("Last"));
}

void TestUserMenuFile::shippedMenusRead()
{
    const TestDataFolder folder;
    QList<UserMenuEntry> insert;
    QList<UserMenuEntry> web;
    UserMenuFile::read(folder.path(QStringLiteral("insert.txt")), insert);
    UserMenuFile::read(folder.path(QStringLiteral("web.txt")), web);
    QVERIFY(!insert.isEmpty());
    QVERIFY(!insert.first().isSeparator);
    // Copy Post's "Open URL #2" goes to web entry 1: it must be an address.
    QVERIFY(web.size() >= 2);
    QVERIFY(web.at(1).value.startsWith(QStringLiteral("http")));
}

void TestUserMenuFile::fileBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("CR LF line ends")
        << QByteArray("A|1\r\n-\r\nB|2\r\n") << QStringList{"A => 1", "[separator]", "B => 2"};
    QTest::newRow("CR-only line ends")
        << QByteArray("A|1\r-\r\rB|2") << QStringList{"A => 1", "[separator]", "B => 2"};
    QTest::newRow("mixed line ends")
        << QByteArray("A|1\n#c\r-\r\nB|2\n") << QStringList{"A => 1", "[separator]", "B => 2"};
    QTest::newRow("UTF-8 text") << QByteArray("Caf\xc3\xa9|\xe2\x98\x95\r\n")
                                << QStringList{QString::fromUtf8("Café => ☕")};
    QTest::newRow("Windows-1252 text") << QByteArray("Caf\xe9|\x93quoted\x94\r\n")
                                       << QStringList{QString::fromUtf8("Café => “quoted”")};
    QTest::newRow("binary bytes stay in the entry")
        << QByteArray("A|\x00\x01\xff\xfe|x\r\nB|2", 13)
        << QStringList{QStringLiteral("A => ") + QChar(0) + QChar(1) + QChar(0xff) + QChar(0xfe),
                       "B => 2"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
}

void TestUserMenuFile::fileBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    const TestDataFolder folder(false);
    folder.write(QStringLiteral("web.txt"), bytes);
    QList<UserMenuEntry> entries;
    UserMenuFile::read(folder.path(QStringLiteral("web.txt")), entries);
    QCOMPARE(describe(entries), expected);
}

void TestUserMenuFile::missingFile()
{
    const TestDataFolder folder(false);
    QList<UserMenuEntry> entries{{QStringLiteral("stale"), QString(), false}};
    QCOMPARE(errorNumberOf(
                 [&] { UserMenuFile::read(folder.path(QStringLiteral("insert.txt")), entries); }),
             ErrorNumber::FileNotFound);
    QVERIFY(entries.isEmpty());
}

void TestUserMenuFile::badLineInFileKeepsEntriesBefore()
{
    const TestDataFolder folder(false);
    folder.write(QStringLiteral("insert.txt"), "Sig|\\n-- \\nMe\r\n-\r\nno bar here\r\nLate|x\r\n");
    QList<UserMenuEntry> entries;
    QCOMPARE(errorNumberOf(
                 [&] { UserMenuFile::read(folder.path(QStringLiteral("insert.txt")), entries); }),
             ErrorNumber::SubscriptOutOfRange);
    QCOMPARE(describe(entries), (QStringList{"Sig => \\n-- \\nMe", "[separator]"}));
}

void TestUserMenuFile::manyEntriesAndLongLine()
{
    const TestDataFolder folder(false);
    QByteArray bytes;
    for (int i = 0; i < 10'000; ++i)
        bytes += "Entry " + QByteArray::number(i) + "|value " + QByteArray::number(i) + "\r\n";
    bytes += "Big|" + QByteArray(1'000'000, 'x') + "|tail";
    folder.write(QStringLiteral("web.txt"), bytes);

    QList<UserMenuEntry> entries;
    UserMenuFile::read(folder.path(QStringLiteral("web.txt")), entries);
    QCOMPARE(entries.size(), 10'001);
    QCOMPARE(entries.at(9'999).caption, QStringLiteral("Entry 9999"));
    QCOMPARE(entries.at(9'999).value, QStringLiteral("value 9999"));
    QCOMPARE(entries.last().caption, QStringLiteral("Big"));
    QCOMPARE(entries.last().value, QString(1'000'000, u'x'));
}

void TestUserMenuFile::insertText_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain text as it is") << "Thanks for sharing!"
                                         << "Thanks for sharing!";
    QTest::newRow("\\n is a line break") << "a\\nb"
                                         << "a\r\nb";
    QTest::newRow("every \\n, a trailing one too") << "\\n\\n-- \\nMe\\n"
                                                   << "\r\n\r\n-- \r\nMe\r\n";
    QTest::newRow("backslash before \\n stays") << "a\\\\nb"
                                                << "a\\\r\nb";
    QTest::newRow("\\N is no line break") << "a\\Nb"
                                          << "a\\Nb";
    QTest::newRow("dt: value is a date pattern") << "dt:yyyy-mm-dd hh:nn:ss"
                                                 << "2024-03-05 14:07:09";
    QTest::newRow("dt: value keeps \\n as an escaped n") << "dt:yyyy\\nmm"
                                                         << "2024n03";
    QTest::newRow("dt: with no pattern: date and time") << "dt:"
                                                        << "3/5/24 2:07:09 PM";
    QTest::newRow("DT: in capitals is plain text") << "DT:yyyy"
                                                   << "DT:yyyy";
    QTest::newRow("dt: not at the start is plain text") << " dt:yyyy\\n"
                                                        << " dt:yyyy\r\n";
}

void TestUserMenuFile::insertText()
{
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(UserMenuFile::insertText(value, afternoon), expected);
}

void TestUserMenuFile::webValueGoesToTheDesktop()
{
    const TestDataFolder folder(false);
    RecordingShell shell;
    UserMenuFile::openWebValue(QStringLiteral("https://forum.example.org/?a=1|b"));
    QCOMPARE(shell.requests.size(), 1);
    const RecordingShell::Request request = shell.requests.first();
    QCOMPARE(request.target, QStringLiteral("https://forum.example.org/?a=1|b"));
    QCOMPARE(request.verb, QString());
}

QTEST_GUILESS_MAIN(TestUserMenuFile)
#include "tst_usermenufile.moc"
