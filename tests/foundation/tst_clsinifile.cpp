#include "foundation/clsinifile.h"
#include "readonlypath.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestClsIniFile : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;

    void writeFile(const QByteArray &bytes)
    {
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QByteArray readFile()
    {
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    clsIniFile open(const QString &section)
    {
        clsIniFile ini;
        ini.setFile(m_path);
        ini.setSection(section);
        return ini;
    }

private Q_SLOTS:
    void init()
    {
        m_path = m_dir.path() + QStringLiteral("/prefs.txt");
        QFile::remove(m_path);
    }

    void reads_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("fail");

        const QByteArray visual("[Visual]\r\nMainWidth=8000\r\n");
        QTest::newRow("stored value") << visual << "Visual"
                                      << "MainWidth"
                                      << "9150"
                                      << "8000" << false;
        QTest::newRow("missing key, default given") << visual << "Visual"
                                                    << "MainHeight"
                                                    << "5500"
                                                    << "5500" << false;
        QTest::newRow("missing key, empty default") << visual << "Branding"
                                                    << "Name"
                                                    << ""
                                                    << "" << true;
        QTest::newRow("empty value gives the default with Fail")
            << QByteArray("[Preferences]\r\nCopyMinimize=\r\n") << "Preferences"
            << "CopyMinimize"
            << "1"
            << "1" << true;
        QTest::newRow("names ignore letter case") << visual << "VISUAL"
                                                  << "mainwidth"
                                                  << ""
                                                  << "8000" << false;
        QTest::newRow("blanks around key and value")
            << QByteArray("[A]\r\n  Key  =  some value  \r\n") << "A"
            << "Key"
            << ""
            << "some value" << false;
        QTest::newRow("quoted value") << QByteArray("[A]\r\nKey=\"quoted\"\r\n") << "A"
                                      << "Key"
                                      << ""
                                      << "quoted" << false;
        QTest::newRow("lone LF line ends") << QByteArray("[A]\nX=1\nKey=lf\n") << "A"
                                           << "Key"
                                           << ""
                                           << "lf" << false;
        QTest::newRow("lone CR line ends") << QByteArray("[A]\rX=1\rKey=cr\r") << "A"
                                           << "Key"
                                           << ""
                                           << "cr" << false;
        QTest::newRow("key outside any section is not found")
            << QByteArray("Key=1\r\n[A]\r\n") << "A"
            << "Key"
            << "d"
            << "d" << false;
        QTest::newRow("first of duplicate keys") << QByteArray("[A]\r\nKey=1\r\nKey=2\r\n") << "A"
                                                 << "Key"
                                                 << ""
                                                 << "1" << false;
        QTest::newRow("first of duplicate sections")
            << QByteArray("[A]\r\nKey=1\r\n[A]\r\nKey=2\r\n") << "A"
            << "Key"
            << ""
            << "1" << false;
        QTest::newRow("key of another section") << QByteArray("[A]\r\n[B]\r\nKey=2\r\n") << "A"
                                                << "Key"
                                                << "d"
                                                << "d" << false;
        QTest::newRow("Windows-1252 value") << QByteArray("[A]\r\nName=Caf\xe9\r\n") << "A"
                                            << "Name"
                                            << "" << QString::fromUtf8("Caf\xc3\xa9") << false;
        QTest::newRow("binary garbage")
            << QByteArray("\x00\xff\xfe[\x01=\x02\r\n\x80\x81", 10) << "A"
            << "Key"
            << "d"
            << "d" << false;
    }

    void reads()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, defaultText);
        QFETCH(QString, expected);
        QFETCH(bool, fail);
        writeFile(file);
        bool failed = !fail;
        QCOMPARE(open(section).GetValue(key, defaultText, failed), expected);
        QCOMPARE(failed, fail);
    }

    void missingFileGivesTheDefault()
    {
        bool failed = true;
        QCOMPARE(open(QStringLiteral("Visual"))
                     .GetValue(QStringLiteral("MainWidth"), QStringLiteral("9150"), failed),
                 QStringLiteral("9150"));
        QVERIFY(!failed);
    }

    void valuesAreCutTo254Characters()
    {
        const QString longValue(10000, u'x');
        writeFile("[A]\r\nKey=" + longValue.toLatin1() + "\r\n");
        clsIniFile ini = open(QStringLiteral("A"));
        QCOMPARE(ini.GetValue(QStringLiteral("Key"), QString()).size(), 254);
        // A missing key's non-empty default is cut too; a failed read returns it whole.
        QCOMPARE(ini.GetValue(QStringLiteral("Other"), longValue).size(), 254);
    }

    void newFileClearsTheSection()
    {
        clsIniFile ini = open(QStringLiteral("Visual"));
        ini.setFile(m_path);
        QCOMPARE(ini.Section(), QString());
        writeFile("[Visual]\r\nMainWidth=1\r\n");
        QCOMPARE(ini.GetValue(QStringLiteral("MainWidth"), QStringLiteral("9150")),
                 QStringLiteral("9150"));
    }

    void writes_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");

        QTest::newRow("creates a missing file")
            << QByteArray() << "Visual"
            << "MainWidth"
            << "9150" << QByteArray("[Visual]\r\nMainWidth=9150\r\n");
        QTest::newRow("replaces the key where it stands")
            << QByteArray("[A]\r\nKey=1\r\nOther=2\r\n") << "a"
            << "KEY"
            << "3" << QByteArray("[A]\r\nKEY=3\r\nOther=2\r\n");
        QTest::newRow("adds a key as the last line of its section")
            << QByteArray("[A]\r\nX=1\r\n\r\n[B]\r\nY=2\r\n") << "A"
            << "Key"
            << "v" << QByteArray("[A]\r\nX=1\r\nKey=v\r\n\r\n[B]\r\nY=2\r\n");
        QTest::newRow("adds a missing section at the end")
            << QByteArray("[A]\r\nX=1\r\n") << "Visual"
            << "MainHeight"
            << "5500" << QByteArray("[A]\r\nX=1\r\n[Visual]\r\nMainHeight=5500\r\n");
        QTest::newRow("ends an unterminated last line first")
            << QByteArray("[A]\r\nX=1") << "A"
            << "Key"
            << "v" << QByteArray("[A]\r\nX=1\r\nKey=v\r\n");
        QTest::newRow("keeps other lines byte for byte")
            << QByteArray("; comment\n[A]\rX = 1 \r\n\xff\xfe junk\r\nKey=old\n[B]\nY=2") << "A"
            << "Key"
            << "new" << QByteArray("; comment\n[A]\rX = 1 \r\n\xff\xfe junk\r\nKey=new\n[B]\nY=2");
        QTest::newRow("writes into the first of duplicate sections")
            << QByteArray("[A]\r\nKey=1\r\n[A]\r\nKey=2\r\n") << "A"
            << "Key"
            << "9" << QByteArray("[A]\r\nKey=9\r\n[A]\r\nKey=2\r\n");
    }

    void writes()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        if (!before.isEmpty())
            writeFile(before);
        clsIniFile ini = open(section);
        ini.Values(key, value);
        QCOMPARE(readFile(), after);
        QCOMPARE(ini.GetValue(key, QString()), value);
    }

    void numbersPrintAsTheyShouldBe()
    {
        clsIniFile ini = open(QStringLiteral("Preferences"));
        ini.Values(QStringLiteral("SkinTextAreaB"), qint32(0x80000005u));
        ini.Values(QStringLiteral("SkinOutlineF"), qint32(16777215));
        ini.Values(QStringLiteral("MainWidth"), 9150.0f);
        ini.Values(QStringLiteral("MainHeight"), 5512.5f);
        QCOMPARE(
            readFile(),
            QByteArray("[Preferences]\r\nSkinTextAreaB=-2147483643\r\nSkinOutlineF=16777215\r\n"
                       "MainWidth=9150\r\nMainHeight=5512.5\r\n"));
    }

    void writingTwiceLeavesOneLine()
    {
        clsIniFile ini = open(QStringLiteral("A"));
        ini.Values(QStringLiteral("Key"), QStringLiteral("1"));
        ini.Values(QStringLiteral("Key"), QStringLiteral("2"));
        QCOMPARE(readFile(), QByteArray("[A]\r\nKey=2\r\n"));
    }

    void deletes()
    {
        writeFile("[A]\r\nKey=1\r\nOther=2\r\n[B]\r\nY=3\r\n[C]\r\nZ=4\r\n");
        clsIniFile ini = open(QStringLiteral("A"));
        ini.DeleteKey(QStringLiteral("key"));
        ini.DeleteSection(QStringLiteral("b"));
        QCOMPARE(readFile(), QByteArray("[A]\r\nOther=2\r\n[C]\r\nZ=4\r\n"));
        ini.DeleteKey(QStringLiteral("Missing"));
        ini.DeleteSection(QStringLiteral("Missing"));
        QCOMPARE(readFile(), QByteArray("[A]\r\nOther=2\r\n[C]\r\nZ=4\r\n"));
    }

    void failedWritesAreSilent()
    {
        clsIniFile ini;
        ini.setFile(m_dir.path() + QStringLiteral("/no/such/folder/prefs.txt"));
        ini.setSection(QStringLiteral("A"));
        ini.Values(QStringLiteral("Key"), QStringLiteral("1")); // must not throw
        QVERIFY(!QFile::exists(ini.File()));

        writeFile("[A]\r\nKey=1\r\n");
        {
            ReadOnlyPath readOnlyFile(m_path);
            QVERIFY2(readOnlyFile.isReadOnly(), qPrintable(readOnlyFile.error()));
            clsIniFile readOnly = open(QStringLiteral("A"));
            readOnly.Values(QStringLiteral("Key"), QStringLiteral("2")); // must not throw
        }
        QCOMPARE(readFile(), QByteArray("[A]\r\nKey=1\r\n"));
    }

    void largeFileWritesOnlyItsLine()
    {
        QByteArray big = "[A]\r\nKey=old\r\n";
        QByteArray filler(10 * 1024 * 1024, 'z');
        for (qsizetype i = 100; i < filler.size(); i += 100)
            filler[i] = '\n';
        big += filler;
        writeFile(big);
        clsIniFile ini = open(QStringLiteral("A"));
        ini.Values(QStringLiteral("Key"), QStringLiteral("new"));
        QByteArray expected = big;
        expected.replace(0, 14, "[A]\r\nKey=new\r\n");
        QCOMPARE(readFile(), expected);
    }
};

QTEST_GUILESS_MAIN(TestClsIniFile)
#include "tst_clsinifile.moc"
