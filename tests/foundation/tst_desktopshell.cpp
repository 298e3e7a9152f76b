#include "foundation/desktopshell.h"

#include "testdatafolder.h"

#include <QDesktopServices>
#include <QDir>
#include <QTest>
#include <QUrl>

// Takes the addresses the desktop would have opened.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;

public Q_SLOTS:
    void catchUrl(const QUrl &url) { urls.append(url); }
};

class TestDesktopShell : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        for (const char *scheme : schemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_catcher, "catchUrl");
        m_catcher.urls.clear();
    }

    void cleanup()
    {
        for (const char *scheme : schemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    // "%P" in `expected` stands for the program's folder.
    void opensTargets_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("expected");
        QTest::newRow("a relative file opens from the program's folder")
            << "Read Me.html"
            << "file://%P/Read Me.html";
        QTest::newRow("a relative path is cleaned") << "data/../help/index.html"
                                                    << "file://%P/help/index.html";
        QTest::newRow("an absolute path stays") << "/srv/posts/draft.txt"
                                                << "file:///srv/posts/draft.txt";
        QTest::newRow("a web address is a URL") << "https://forum.example.org/topic?id=7"
                                                << "https://forum.example.org/topic?id=7";
        QTest::newRow("a mail link is a URL") << "mailto:team@example.org"
                                              << "mailto:team@example.org";
        QTest::newRow("one letter before a colon is a drive, not a scheme")
            << "C:notes.txt"
            << "file://%P/C:notes.txt";
    }

    void opensTargets()
    {
        QFETCH(QString, target);
        QFETCH(QString, expected);
        const TestDataFolder folder(false);
        DesktopShell().open(target, QString());
        QCOMPARE(m_catcher.urls.size(), 1);
        QCOMPARE(m_catcher.urls.first().toString(),
                 QString(expected).replace(QStringLiteral("%P"), folder.programFolder()));
    }

    void emptyTargetOpensNothing()
    {
        DesktopShell().open(QString(), QStringLiteral("Open"));
        QVERIFY(m_catcher.urls.isEmpty());
    }

private:
    static constexpr const char *schemes[] = {"file", "https", "mailto"};
    UrlCatcher m_catcher;
};

QTEST_GUILESS_MAIN(TestDesktopShell)
#include "tst_desktopshell.moc"
