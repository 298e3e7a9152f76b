#include "foundation/textfile.h"
#include "foundation/wuxoerror.h"
#include "readonlypath.h"
#include "thrownerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII") << QByteArray("plain") << QStringLiteral("plain");
        QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9 \xe2\x82\xac")
                               << QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac");
        QTest::newRow("Windows-1252 bytes")
            << QByteArray("caf\xe9 \x80 \x93quote\x94")
            << QString::fromUtf8("caf\xc3\xa9 \xe2\x82\xac \xe2\x80\x9cquote\xe2\x80\x9d");
        QTest::newRow("mixed in one file")
            << QByteArray("\xc3\xa9 and \xe9") << QString::fromUtf8("\xc3\xa9 and \xc3\xa9");
        QTest::newRow("truncated sequence at the end")
            << QByteArray("x\xe2\x82") << QString::fromUtf8("x\xc3\xa2\xe2\x80\x9a");
        QTest::newRow("overlong encoding is not UTF-8")
            << QByteArray("\xc0\xaf") << QString::fromUtf8("\xc3\x80\xc2\xaf");
        QTest::newRow("byte-order mark dropped")
            << QByteArray("\xef\xbb\xbfhi") << QStringLiteral("hi");
        QTest::newRow("four-byte UTF-8")
            << QByteArray("\xf0\x9f\x98\x80") << QString::fromUtf8("\xf0\x9f\x98\x80");
        QTest::newRow("long ASCII runs between other bytes")
            << QByteArray("0123456789\xc3\xa9"
                          "abcdefghijklmnopq\x80rstuvwx")
            << QString::fromUtf8("0123456789\xc3\xa9"
                                 "abcdefghijklmnopq\xe2\x82\xacrstuvwx");
    }

    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextFile::decode(bytes), text);
    }

    void splitsLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QStringLiteral("a\rb") << QStringList{"a", "b"};
        QTest::newRow("lone LF") << QStringLiteral("a\nb\n") << QStringList{"a", "b"};
        QTest::newRow("LF CR is two breaks")
            << QStringLiteral("a\n\rb") << QStringList{"a", "", "b"};
        QTest::newRow("empty lines kept")
            << QStringLiteral("\r\na\r\n\r\nb") << QStringList{"", "a", "", "b"};
        QTest::newRow("last line without ending")
            << QStringLiteral("a\r\nb") << QStringList{"a", "b"};
        QTest::newRow("empty text") << QString() << QStringList{};
        QTest::newRow("just a break") << QStringLiteral("\r\n") << QStringList{""};
    }

    void splitsLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(TextFile::splitLines(text), lines);
    }

    void writesAndReads()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("draft.txt"));
        TextFile::writeAll(path, QString::fromUtf8("one\r\ntw\xc3\xb6\r\n"));
        QCOMPARE(TextFile::readBytes(path), QByteArray("one\r\ntw\xc3\xb6\r\n"));
        QCOMPARE(TextFile::readLines(path), (QStringList{"one", QString::fromUtf8("tw\xc3\xb6")}));
        TextFile::append(path, QStringLiteral("three\r\n"));
        QCOMPARE(TextFile::readLines(path).size(), 3);
    }

    void errors_data()
    {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<bool>("writing");
        QTest::addColumn<int>("number");
        QTest::newRow("read a missing file")
            << "missing.txt" << false << int(ErrorNumber::FileNotFound);
        QTest::newRow("read from a missing folder")
            << "nofolder/x.txt" << false << int(ErrorNumber::PathNotFound);
        QTest::newRow("write into a missing folder")
            << "nofolder/x.txt" << true << int(ErrorNumber::PathNotFound);
        QTest::newRow("read a folder") << "folder" << false << int(ErrorNumber::PathFileAccess);
    }

    void errors()
    {
        QFETCH(QString, relative);
        QFETCH(bool, writing);
        QFETCH(int, number);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        const QString path = dir.filePath(relative);
        QCOMPARE(errorNumberOf([&] {
                     if (writing)
                         TextFile::writeAll(path, QStringLiteral("x"));
                     else
                         TextFile::readAll(path);
                 }),
                 number);
    }

    void failedWriteKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("draft.txt"));
        TextFile::writeAll(path, QStringLiteral("old"));
        {
            ReadOnlyPath readOnly(dir.path());
            QVERIFY2(readOnly.isReadOnly(), qPrintable(readOnly.error()));
            QVERIFY_THROWS_EXCEPTION(WuxoError, TextFile::writeAll(path, QStringLiteral("new")));
        }
        QCOMPARE(TextFile::readAll(path), QStringLiteral("old"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
