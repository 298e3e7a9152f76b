#include "foundation/wuxoerror.h"
#include "readonlypath.h"
#include "recovery/draftfile.h"
#include "testfiles.h"
#include "thrownerror.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestDraftFile : public QObject
{
    Q_OBJECT

private slots:
    void saveWritesThePostAndOneLineEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("draft.txt"));
        DraftFile::save(path, QStringLiteral("one\r\ntwo"));
        QCOMPARE(readFile(path), QByteArray("one\r\ntwo\r\n"));
        DraftFile::save(path, QStringLiteral("x"));
        QCOMPARE(readFile(path), QByteArray("x\r\n"));
    }

    void aFailedSaveLeavesTheEarlierDraft()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("data"));
        QVERIFY(QDir().mkdir(folder));
        const QString path = folder + QStringLiteral("/draft.txt");
        writeFile(path, "earlier\r\n");
        {
            ReadOnlyPath readOnly(folder);
            QVERIFY2(readOnly.isReadOnly(), qPrintable(readOnly.error()));
            QVERIFY_THROWS_EXCEPTION(WuxoError, DraftFile::save(path, QStringLiteral("new")));
        }
        QCOMPARE(readFile(path), QByteArray("earlier\r\n"));
    }

    void saveIntoAMissingFolderFails()
    {
        QTemporaryDir dir;
        QVERIFY2(errorNumberOf([&] {
                     DraftFile::save(dir.filePath(QStringLiteral("gone/draft.txt")),
                                     QStringLiteral("x"));
                 }) != 0,
                 "the save claimed success");
    }

    void restore_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<qsizetype>>("snapshots");

        QTest::newRow("lines joined by CR LF, one change each")
            << QStringList{"one", "two", "three"} << "one\r\ntwo\r\nthree"
            << QList<qsizetype>{3, 8, 15};
        QTest::newRow("empty lines at the start are dropped")
            << QStringList{"", "", "first", "second"} << "first\r\nsecond"
            << QList<qsizetype>{5, 13};
        QTest::newRow("empty lines inside and at the end stay")
            << QStringList{"a", "", "b", "", ""} << "a\r\n\r\nb\r\n\r\n"
            << QList<qsizetype>{1, 3, 6, 8, 10};
        QTest::newRow("nothing but empty lines gives an empty post")
            << QStringList{"", ""} << "" << QList<qsizetype>{};
        QTest::newRow("no lines at all") << QStringList{} << "" << QList<qsizetype>{};
    }

    void restore()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, text);
        QFETCH(QList<qsizetype>, snapshots);

        const DraftFile::Restored restored = DraftFile::restore(lines);
        QCOMPARE(restored.text, text);
        QCOMPARE(restored.snapshots, snapshots);
    }

    void saveThenReadGivesThePostBack_data()
    {
        QTest::addColumn<QString>("post");
        QTest::newRow("one line") << "Hello";
        QTest::newRow("several lines") << "Hello\r\n\r\nworld";
        QTest::newRow("trailing empty lines") << "Hello\r\n\r\n\r\n";
        QTest::newRow("non-ASCII text") << QStringLiteral("Grüße – «ok» ✓");
    }

    void saveThenReadGivesThePostBack()
    {
        QFETCH(QString, post);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("draft.txt"));
        DraftFile::save(path, post);
        QCOMPARE(DraftFile::read(path).text, post);
    }

    void readAcceptsEveryLineEnd()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("draft.txt"));
        writeFile(path, "a\rb\r\nc\nd");
        QCOMPARE(DraftFile::read(path).text, QStringLiteral("a\r\nb\r\nc\r\nd"));
    }

    void readingAMissingDraftFails()
    {
        QTemporaryDir dir;
        QCOMPARE(errorNumberOf([&] { DraftFile::read(dir.filePath(QStringLiteral("draft.txt"))); }),
                 53);
    }
};

QTEST_GUILESS_MAIN(TestDraftFile)
#include "tst_draftfile.moc"
