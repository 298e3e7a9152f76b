#include "foundation/clsinifile.h"
#include "livepreview/liveprefs.h"
#include "livepreview/liveupdater.h"
#include "testfiles.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {

constexpr int waitLimit = 30000;

} // namespace

class TestLiveUpdater : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_template = m_dir.filePath(QStringLiteral("preview.txt"));
        writeFile(m_template, "<html><body>[post]</body></html>\r\n");
    }

    void pageAfterThePause()
    {
        QString post = QStringLiteral("[b]first[/b]");
        LiveUpdater updater([&post] { return post; }, m_template);
        QSignalSpy built(&updater, &LiveUpdater::built);
        updater.postChanged(post.size());
        QVERIFY(updater.isBusy());
        QVERIFY(built.wait(waitLimit));
        const auto page = built.last().at(0).value<std::shared_ptr<LivePage>>();
        QVERIFY(page->page().contains(QStringLiteral("first</b></body></html>")));
        QVERIFY(!updater.isBusy());
    }

    void longerPostsWaitLonger()
    {
        QCOMPARE(LiveUpdater::pauseFor(0), 150);
        QCOMPARE(LiveUpdater::pauseFor(100 * 1024), 150);
        QVERIFY(LiveUpdater::pauseFor(1024 * 1024) > 150);
        QCOMPARE(LiveUpdater::pauseFor(100 * 1024 * 1024), 600);
    }

    // One page under way and one waiting: the posts typed in between are never made.
    void oneUnderWayOneWaiting()
    {
        QString post = QStringLiteral("x").repeated(300 * 1024);
        LiveUpdater updater([&post] { return post; }, m_template);
        QSignalSpy built(&updater, &LiveUpdater::built);
        updater.updateNow();
        post = QStringLiteral("second");
        updater.updateNow();
        post = QStringLiteral("third");
        updater.updateNow();
        QTRY_COMPARE_WITH_TIMEOUT(built.size(), 2, waitLimit);
        QVERIFY(!updater.isBusy());
        const auto last = built.last().at(0).value<std::shared_ptr<LivePage>>();
        QVERIFY(last->page().contains(QStringLiteral("third")));
        QTest::qWait(50);
        QCOMPARE(built.size(), 2);
    }

    void failuresGiveANotice_data()
    {
        QTest::addColumn<QString>("post");
        QTest::addColumn<QByteArray>("templateFile");
        QTest::addColumn<QString>("noticeStart");

        QTest::newRow("post") << QStringLiteral("[size=big]x[/size]") << QByteArray("[post]\r\n")
                              << QStringLiteral("Line 1: ");
        QTest::newRow("empty template")
            << QStringLiteral("x") << QByteArray()
            << QStringLiteral("The page template preview.txt cannot be used (error 5)");
    }

    void failuresGiveANotice()
    {
        QFETCH(QString, post);
        QFETCH(QByteArray, templateFile);
        QFETCH(QString, noticeStart);
        writeFile(m_template, templateFile);
        LiveUpdater updater([&post] { return post; }, m_template);
        QSignalSpy built(&updater, &LiveUpdater::built);
        QSignalSpy failed(&updater, &LiveUpdater::failed);
        updater.updateNow();
        QVERIFY(failed.wait(waitLimit));
        QVERIFY2(failed.last().at(0).toString().startsWith(noticeStart),
                 qPrintable(failed.last().at(0).toString()));
        QCOMPARE(built.size(), 0);
    }

    void missingTemplate()
    {
        LiveUpdater updater([] { return QStringLiteral("x"); },
                            m_dir.filePath(QStringLiteral("none.txt")));
        QSignalSpy failed(&updater, &LiveUpdater::failed);
        updater.updateNow();
        QVERIFY(failed.wait(waitLimit));
        QVERIFY(failed.last().at(0).toString().contains(QStringLiteral("(error 53)")));
    }

    void stopDropsThePageUnderWay()
    {
        LiveUpdater updater([] { return QStringLiteral("x"); }, m_template);
        QSignalSpy built(&updater, &LiveUpdater::built);
        updater.updateNow();
        updater.postChanged(1);
        updater.stop();
        QTest::qWait(300);
        QCOMPARE(built.size(), 0);
    }

    void prefsDefaultsAndValues_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("split");
        QTest::addColumn<bool>("follow");
        QTest::newRow("no section")
            << QByteArray("[Visual]\r\nMainWidth=1\r\n") << false << -1 << true;
        QTest::newRow("set") << QByteArray("[View]\r\nLivePreview=1\r\nLivePreviewSplit=300\r\n"
                                           "FollowCaret=0\r\n")
                             << true << 300 << false;
        QTest::newRow("damaged") << QByteArray("[view]\r\nlivepreview=\r\nLivePreviewSplit=-4\r\n")
                                 << false << -1 << true;
    }

    void prefsDefaultsAndValues()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, shown);
        QFETCH(int, split);
        QFETCH(bool, follow);
        clsIniFile ini;
        ini.setFile(m_dir.filePath(QStringLiteral("prefs.txt")));
        writeFile(ini.File(), file);
        const LivePreviewSettings settings = LivePreviewPrefs::read(ini);
        QCOMPARE(settings.shown, shown);
        QCOMPARE(settings.split, split);
        QCOMPARE(settings.followCaret, follow);
    }

    // Each key is written alone, in a section of its own; no other line moves.
    void prefsWriteOneKey()
    {
        clsIniFile ini;
        ini.setFile(m_dir.filePath(QStringLiteral("prefs.txt")));
        const QByteArray before = "[Visual]\r\nMainWidth=9150\r\n[Preferences]\r\nSkin=1\r\n";
        writeFile(ini.File(), before);
        ini.setSection(QStringLiteral("Preferences"));
        LivePreviewPrefs::writeShown(ini, true);
        QCOMPARE(readFile(ini.File()), before + "[View]\r\nLivePreview=1\r\n");
        LivePreviewPrefs::writeSplit(ini, 250);
        LivePreviewPrefs::writeShown(ini, false);
        QCOMPARE(readFile(ini.File()),
                 before + "[View]\r\nLivePreview=0\r\nLivePreviewSplit=250\r\n");
        QCOMPARE(ini.Section(), QStringLiteral("Preferences"));
    }

private:
    QTemporaryDir m_dir;
    QString m_template;
};

QTEST_GUILESS_MAIN(TestLiveUpdater)
#include "tst_liveupdater.moc"
