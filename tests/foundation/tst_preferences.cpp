#include "foundation/clsinifile.h"
#include "foundation/preferences.h"
#include "foundation/wuxoerror.h"
#include "prefsfiles.h"
#include "thrownerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPreferences : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    clsIniFile fileWith(const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("prefs.txt"));
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes);
        clsIniFile ini;
        ini.setFile(path);
        return ini;
    }

private Q_SLOTS:
    void branding_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("postGen");
        QTest::addColumn<bool>("prefs");
        QTest::addColumn<bool>("advanced");
        QTest::newRow("no file") << QByteArray() << "Quorvel Wuxo" << false << false << false;
        QTest::newRow("a name") << QByteArray("[Branding]\r\nName=Daily News Desk\r\n")
                                << "Daily News Desk  [Quorvel Wuxo]" << false << false << false;
        QTest::newRow("an empty name")
            << QByteArray("[Branding]\r\nName=\r\n") << "Quorvel Wuxo" << false << false << false;
        QTest::newRow("all disabled") << QByteArray(
            "[Branding]\r\nDisablePostGen=True\r\nDisablePrefs=true\r\nDisableAdvanced=1\r\n")
                                      << "Quorvel Wuxo" << true << true << true;
        QTest::newRow("a typo disables nothing")
            << QByteArray("[Branding]\r\nDisablePrefs=Ture\r\n") << "Quorvel Wuxo" << false << false
            << false;
    }

    void branding()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, caption);
        QFETCH(bool, postGen);
        QFETCH(bool, prefs);
        QFETCH(bool, advanced);
        const Branding branding = PrefsFile::readBranding(fileWith(file));
        QCOMPARE(branding.caption, caption);
        QCOMPARE(branding.disablePostGen, postGen);
        QCOMPARE(branding.disablePrefs, prefs);
        QCOMPARE(branding.disableAdvanced, advanced);
    }

    void visual()
    {
        WindowSize size = PrefsFile::readVisual(fileWith(QByteArray()));
        QCOMPARE(size.width, 9150.0f);
        QCOMPARE(size.height, 5500.0f);
        size = PrefsFile::readVisual(fileWith("[Visual]\r\nMainWidth=6000\r\nMainHeight=4500\r\n"));
        QCOMPARE(size.width, 6000.0f);
        QCOMPARE(size.height, 4500.0f);
        QCOMPARE(errorNumberOf(
                     [&] { PrefsFile::readVisual(fileWith("[Visual]\r\nMainWidth=abc\r\n")); }),
                 ErrorNumber::TypeMismatch);
    }

    void preferencesReadWithDefaults()
    {
        Preferences values;
        PrefsFile::readPreferences(
            fileWith("[Preferences]\r\nCopyGotoURL=1\r\nSkinBackgroundB=255\r\n"
                     "SkinTextAreaF=-2147483643\r\n"),
            values);
        Preferences expected;
        expected.CopyGotoURL = 1;
        expected.colors.SkinBackgroundB = 255;
        expected.colors.SkinTextAreaF = qint32(0x80000005u);
        QVERIFY(values == expected);
    }

    void failedConversionKeepsEarlierKeys()
    {
        Preferences values;
        QCOMPARE(errorNumberOf([&] {
                     PrefsFile::readPreferences(
                         fileWith("[Preferences]\r\nCopyMinimize=0\r\nSkinHeaderB=99999999999\r\n"
                                  "SkinTextAreaB=1\r\n"),
                         values);
                 }),
                 ErrorNumber::Overflow);
        QCOMPARE(values.CopyMinimize, 0);
        QCOMPARE(values.colors.SkinTextAreaB, qint32(0x80000005u));
    }

    void writesTheTwelveKeysInOrder()
    {
        clsIniFile ini = fileWith(QByteArray());
        QFile::remove(ini.File());
        Preferences values;
        values.colors = SkinColors::builtIn();
        PrefsFile::writePreferences(ini, values);
        PrefsFile::writeVisual(ini, WindowSize{9150, 5500});
        QFile file(ini.File());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(),
                 builtInPreferencesFile
                     + QByteArray("[Visual]\r\n"
                                  "MainWidth=9150\r\n"
                                  "MainHeight=5500\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "tst_preferences.moc"
