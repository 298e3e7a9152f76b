#include "foundation/conversions.h"
#include "foundation/wuxoerror.h"
#include "thrownerror.h"

#include <QTest>

class TestConversions : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void toLong_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("error");
        QTest::addColumn<qint32>("value");
        QTest::newRow("plain") << "16249582" << 0 << qint32(16249582);
        QTest::newRow("negative system colour") << "-2147483643" << 0 << qint32(0x80000005u);
        QTest::newRow("blanks around") << "  42 " << 0 << qint32(42);
        QTest::newRow("half rounds to even, down") << "2.5" << 0 << qint32(2);
        QTest::newRow("half rounds to even, up") << "3.5" << 0 << qint32(4);
        QTest::newRow("exponent") << "1e3" << 0 << qint32(1000);
        QTest::newRow("hexadecimal") << "&HFF" << 0 << qint32(255);
        QTest::newRow("letters") << "abc" << int(ErrorNumber::TypeMismatch) << qint32(0);
        QTest::newRow("empty") << "" << int(ErrorNumber::TypeMismatch) << qint32(0);
        QTest::newRow("out of 32-bit range")
            << "2147483648" << int(ErrorNumber::Overflow) << qint32(0);
        QTest::newRow("far out of range") << "1e30" << int(ErrorNumber::Overflow) << qint32(0);
        QTest::newRow("beyond double") << "1e400" << int(ErrorNumber::Overflow) << qint32(0);
        QTest::newRow("not a number word") << "nan" << int(ErrorNumber::TypeMismatch) << qint32(0);
    }

    void toLong()
    {
        QFETCH(QString, text);
        QFETCH(int, error);
        QFETCH(qint32, value);
        qint32 result = 0;
        QCOMPARE(errorNumberOf([&] { result = Conversions::toLong(text); }), error);
        if (error == 0)
            QCOMPARE(result, value);
    }

    void toInteger()
    {
        QCOMPARE(Conversions::toInteger(QStringLiteral("-32768")), qint16(-32768));
        QCOMPARE(Conversions::toInteger(QStringLiteral("32767.4")), qint16(32767));
        QVERIFY_THROWS_EXCEPTION(WuxoError, Conversions::toInteger(QStringLiteral("32767.5")));
    }

    void toSingle()
    {
        QCOMPARE(Conversions::toSingle(QStringLiteral("9150")), 9150.0f);
        QCOMPARE(Conversions::toSingle(QStringLiteral("1e30")), 1e30f);
        QVERIFY_THROWS_EXCEPTION(WuxoError, Conversions::toSingle(QStringLiteral("1e39")));
    }

    void toBoolean_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1 for a type mismatch
        QTest::newRow("True") << "True" << 1;
        QTest::newRow("any case") << "fALSE" << 0;
        QTest::newRow("number") << "-1" << 1;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("yes is no boolean") << "yes" << -1;
    }

    void toBoolean()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        int result = -1;
        const int error = errorNumberOf([&] { result = int(Conversions::toBoolean(text)); });
        QCOMPARE(result, expected);
        QCOMPARE(error, expected == -1 ? ErrorNumber::TypeMismatch : ErrorNumber::None);
    }
};

QTEST_GUILESS_MAIN(TestConversions)
#include "tst_conversions.moc"
