#include "app/dateformat.h"

#include <QTest>

class TestDateFormat : public QObject
{
    Q_OBJECT

private slots:
    void pattern_data();
    void pattern();
    void weekOfYear_data();
    void weekOfYear();
    void emptyPatternFollowsTheDefaultLocale();
    void longPatternIsFormattedWhole();
};

namespace {

const QLocale enUs(QLocale::English, QLocale::UnitedStates);

// Tuesday 5 March 2024, day 65 of a leap year, in week 10.
const QDateTime afternoon(QDate(2024, 3, 5), QTime(14, 7, 9));
const QDateTime morning(QDate(2024, 3, 5), QTime(9, 4, 3));
const QDateTime midnight(QDate(2024, 3, 5), QTime(0, 30, 0));
const QDateTime noon(QDate(2024, 3, 5), QTime(12, 0, 0));
const QDateTime startOfDay(QDate(2024, 3, 5), QTime(0, 0, 0));

} // namespace

void TestDateFormat::pattern_data()
{
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QDateTime>("when");
    QTest::addColumn<QString>("expected");

    QTest::newRow("d: day without zero") << "d" << afternoon << "5";
    QTest::newRow("dd: day with zero") << "dd" << afternoon << "05";
    QTest::newRow("ddd: short day name") << "ddd" << afternoon << "Tue";
    QTest::newRow("dddd: day name") << "dddd" << afternoon << "Tuesday";
    QTest::newRow("ddddd: short date") << "ddddd" << afternoon << "3/5/24";
    QTest::newRow("dddddd: long date") << "dddddd" << afternoon << "Tuesday, March 5, 2024";
    QTest::newRow("seven d: long date then day")
        << "ddddddd" << afternoon << "Tuesday, March 5, 20245";
    QTest::newRow("w: weekday, Sunday is 1") << "w" << afternoon << "3";
    QTest::newRow("ww: week of the year") << "ww" << afternoon << "10";
    QTest::newRow("m: month without zero") << "m" << afternoon << "3";
    QTest::newRow("mm: month with zero") << "mm" << afternoon << "03";
    QTest::newRow("mmm: short month name") << "mmm" << afternoon << "Mar";
    QTest::newRow("mmmm: month name") << "mmmm" << afternoon << "March";
    QTest::newRow("q: quarter") << "q" << afternoon << "1";
    QTest::newRow("y: day of the year") << "y" << afternoon << "65";
    QTest::newRow("yy: two-digit year") << "yy" << afternoon << "24";
    QTest::newRow("yyyy: year") << "yyyy" << afternoon << "2024";
    QTest::newRow("yyy: two-digit year then day of year") << "yyy" << afternoon << "2465";
    QTest::newRow("h: 24-hour without AM/PM") << "h" << morning << "9";
    QTest::newRow("hh: 24-hour with zero") << "hh" << morning << "09";
    QTest::newRow("n and nn: minutes") << "n nn" << morning << "4 04";
    QTest::newRow("s and ss: seconds") << "s ss" << morning << "3 03";
    QTest::newRow("ttttt: long time") << "ttttt" << afternoon << "2:07:09 PM";
    QTest::newRow("c: short date and time") << "c" << afternoon << "3/5/24 2:07:09 PM";
    QTest::newRow("c at midnight: date only") << "c" << startOfDay << "3/5/24";

    QTest::newRow("m after h is minutes") << "h:m" << afternoon << "14:7";
    QTest::newRow("mm after hh is minutes") << "hh:mm" << afternoon << "14:07";
    QTest::newRow("mm after hh across any literal") << "hh\"h\" mm" << afternoon << "14h 07";
    QTest::newRow("mm before hh is the month") << "mm hh" << afternoon << "03 14";
    QTest::newRow("mm after another token is the month")
        << "hh:nn:ss mm" << afternoon << "14:07:09 03";
    QTest::newRow("mmm after hh is the month name") << "hh mmm" << afternoon << "14 Mar";
    QTest::newRow("AM/PM token makes hours 12-hour") << "h:nn AM/PM" << afternoon << "2:07 PM";
    QTest::newRow("AM/PM anywhere in the pattern") << "AM/PM hh" << morning << "AM 09";
    QTest::newRow("am/pm keeps its case") << "hh am/pm" << afternoon << "02 pm";
    QTest::newRow("A/P") << "h A/P" << morning << "9 A";
    QTest::newRow("a/p") << "h a/p" << afternoon << "2 p";
    QTest::newRow("mixed case AM/PM shows as written") << "Am/pM" << afternoon << "pM";
    QTest::newRow("AMPM: the locale's designator") << "h AMPM" << afternoon << "2 PM";
    QTest::newRow("half past midnight is 12 AM") << "h:nn AM/PM" << midnight << "12:30 AM";
    QTest::newRow("noon is 12 PM") << "h AM/PM" << noon << "12 PM";

    QTest::newRow("letters are case-insensitive")
        << "DD/MM/YYYY HH:NN:SS" << afternoon << "05/03/2024 14:07:09";
    QTest::newRow("capital month name") << "MMMM Dd" << afternoon << "March 05";
    QTest::newRow("other characters are literal")
        << "yyyy-mm-dd, [x] 1.5%" << afternoon << "2024-03-05, [x] 1.5%";
    QTest::newRow("colon and slash are written as they are")
        << "m/d/yyyy h:nn" << afternoon << "3/5/2024 14:07";
    QTest::newRow("backslash makes the next character literal")
        << "\\d\\h\\\\" << afternoon << "dh\\";
    QTest::newRow("quoted text is literal")
        << "\"Today is\" dddd" << afternoon << "Today is Tuesday";
    QTest::newRow("empty quotes show nothing") << "yy\"\"yy" << afternoon << "2424";
    QTest::newRow("unterminated quote runs to the end") << "yy \"day d" << afternoon << "24 day d";
    QTest::newRow("trailing backslash shows nothing") << "yyyy\\" << afternoon << "2024";
    QTest::newRow("fewer than five t are literal") << "tttt" << afternoon << "tttt";
    QTest::newRow("a lone a is literal") << "a yy" << afternoon << "a 24";
    QTest::newRow("non-ASCII letters are literal") << "ÿé Ð" << afternoon << "ÿé Ð";
}

void TestDateFormat::pattern()
{
    QFETCH(QString, pattern);
    QFETCH(QDateTime, when);
    QFETCH(QString, expected);
    QCOMPARE(DateFormat::format(pattern, when, enUs), expected);
}

void TestDateFormat::weekOfYear_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("expected"); // "w ww"

    QTest::newRow("1 January on a Saturday is week 1") << QDate(2000, 1, 1) << "7 1";
    QTest::newRow("the Sunday after it starts week 2") << QDate(2000, 1, 2) << "1 2";
    QTest::newRow("31 December of that leap year is week 54") << QDate(2000, 12, 31) << "1 54";
    QTest::newRow("1 January on a Sunday is week 1") << QDate(2023, 1, 1) << "1 1";
    QTest::newRow("the Saturday after is still week 1") << QDate(2023, 1, 7) << "7 1";
    QTest::newRow("31 December on a Sunday is week 53") << QDate(2023, 12, 31) << "1 53";
    QTest::newRow("31 December on a Saturday") << QDate(2022, 12, 31) << "7 53";
}

void TestDateFormat::weekOfYear()
{
    QFETCH(QDate, date);
    QFETCH(QString, expected);
    QCOMPARE(DateFormat::format(QStringLiteral("w ww"), QDateTime(date, QTime(12, 0)), enUs),
             expected);
}

void TestDateFormat::emptyPatternFollowsTheDefaultLocale()
{
    const QLocale previous;
    QLocale::setDefault(enUs);
    const QString general = DateFormat::format(QString(), afternoon);
    const QString midnightGeneral = DateFormat::format(QString(), startOfDay);
    QLocale::setDefault(previous);
    QCOMPARE(general, QStringLiteral("3/5/24 2:07:09 PM"));
    QCOMPARE(midnightGeneral, QStringLiteral("3/5/24"));
}

void TestDateFormat::longPatternIsFormattedWhole()
{
    const QString pattern(1'000'000, u'Y');
    QCOMPARE(DateFormat::format(pattern, afternoon, enUs),
             QStringLiteral("2024").repeated(250'000));
}

QTEST_GUILESS_MAIN(TestDateFormat)
#include "tst_dateformat.moc"
