#include "translation/translations.h"

#include <QCoreApplication>
#include <QTest>

// The program picks its translation from the user's languages, and Qt's own with it.
class TestTranslations : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Translations::install({}); }

    void chosenLanguage_data()
    {
        QTest::addColumn<QStringList>("uiLanguages");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("German") << QStringList{"de-DE", "de"} << "de";
        QTest::newRow("a German the program has no file for") << QStringList{"de-AT"} << "de";
        QTest::newRow("a language without translation, then German")
            << QStringList{"xx-YY", "de-DE"} << "de";
        QTest::newRow("English before German") << QStringList{"en-GB", "de-DE"} << "";
        QTest::newRow("the C locale") << QStringList{"C"} << "";
        QTest::newRow("no language") << QStringList{} << "";
    }

    void chosenLanguage()
    {
        QFETCH(QStringList, uiLanguages);
        QFETCH(QString, chosen);
        QCOMPARE(Translations::install(uiLanguages), chosen);
    }

    void germanTexts()
    {
        QCOMPARE(Translations::install({"de-DE"}), QStringLiteral("de"));
        QCOMPARE(QCoreApplication::translate("frmMain", "Copy Post"),
                 QStringLiteral("Beitrag kopieren"));
        QCOMPARE(QCoreApplication::translate("PostLength", "%1 characters", nullptr, 2),
                 QStringLiteral("%1 Zeichen"));
        // Qt's own buttons speak German too.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Abbrechen"));
    }

    void englishAgain()
    {
        Translations::install({"de-DE"});
        QCOMPARE(Translations::install({"en-US"}), QString());
        QCOMPARE(QCoreApplication::translate("frmMain", "Copy Post"), QStringLiteral("Copy Post"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
