#include "app/ui/frmmain.h"
#include "livepreview/livepage.h"
#include "livepreview/ui/livepreview.h"
#include "mainwindowfixture.h"
#include "widgets/editortext.h"
#include "widgets/postedit.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QSplitter>
#include <QTest>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <optional>

namespace {

constexpr int pageTimeout = 60000;

LivePreview *livePreview(const frmMain *w)
{
    return w->findChild<LivePreview *>(QStringLiteral("livePreview"));
}

QWebEngineView *pageView(const frmMain *w)
{
    return w->findChild<QWebEngineView *>(QStringLiteral("LivePreviewPage"));
}

QVariant evaluate(QWebEngineView *view, const QString &script)
{
    std::optional<QVariant> result;
    view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                [&result](const QVariant &value) { result = value; });
    if (!QTest::qWaitFor([&result] { return result.has_value(); }, pageTimeout))
        return QStringLiteral("no answer from the page");
    return *result;
}

QString bodyText(const frmMain *w)
{
    return evaluate(pageView(w), QStringLiteral("document.body ? document.body.textContent : ''"))
        .toString();
}

// Waits until the page shows the post as it is now.
bool settles(const frmMain *w)
{
    LivePreview *live = livePreview(w);
    QSignalSpy settled(live, &LivePreview::settled);
    return settled.wait(pageTimeout);
}

bool turnOn(frmMain *w)
{
    LivePreview *live = livePreview(w);
    QSignalSpy settled(live, &LivePreview::settled);
    action(w, "mnuViewLivePreview")->trigger();
    return live->isShown() && settled.wait(pageTimeout);
}

QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines.append(QStringLiteral("line %1 of the post").arg(i));
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace

class TestLivePreview : public QObject
{
    Q_OBJECT
private slots:
    void offUntilTurnedOn()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        const QByteArray prefs = f.folder.read(QStringLiteral("prefs.txt"));
        QVERIFY(!pageView(w));
        QVERIFY(!w->findChild<QSplitter *>(QStringLiteral("splLivePreview")));
        QCOMPARE(txtPost(w)->parentWidget(), control(w, "picContainer"));
        QCOMPARE(txtPost(w)->geometry(), w->layoutGeometry().txtPost);
        QTest::keyClicks(txtPost(w), QStringLiteral("typed"));
        QTest::qWait(400);
        QVERIFY(!pageView(w));
        QCOMPARE(f.folder.read(QStringLiteral("prefs.txt")), prefs);
    }

    void showsThePostBesideTheEditor()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        EditorText(txtPost(w)).setText(QStringLiteral("[b]Hello[/b] world"));
        QVERIFY(turnOn(w));

        auto *splitter = control<QSplitter>(w, "splLivePreview");
        QCOMPARE(splitter->geometry(), w->layoutGeometry().txtPost);
        QCOMPARE(splitter->widget(0), txtPost(w));
        QVERIFY(control(w, "lblLivePreview")->isVisible());
        QCOMPARE(control<QLabel>(w, "lblLivePreview")->text(), QStringLiteral("Live Preview"));
        QCOMPARE(control(w, "LivePreview")->accessibleName(), QStringLiteral("Live Preview"));
        // Ctrl+Tab moves from the editor (where Tab types a tab) into the page.
        txtPost(w)->setFocus();
        QTest::keyClick(txtPost(w), Qt::Key_Tab, Qt::ControlModifier);
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused && (focused == pageView(w) || pageView(w)->isAncestorOf(focused)));
        QTest::keyClick(focused, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(QApplication::focusWidget(), txtPost(w));
        QVERIFY(f.folder.read(QStringLiteral("prefs.txt")).contains("[View]\r\nLivePreview=1\r\n"));
        QVERIFY(bodyText(w).contains(QStringLiteral("Hello world")));

        // Later pages replace the document in place: what the first page held stays.
        evaluate(pageView(w), QStringLiteral("document.documentElement.dataset.kept = 'yes'"));
        txtPost(w)->moveCursor(QTextCursor::End);
        QTest::keyClicks(txtPost(w), QStringLiteral(" again"));
        QVERIFY(settles(w));
        QVERIFY(bodyText(w).contains(QStringLiteral("Hello world again")));
        QCOMPARE(evaluate(pageView(w), QStringLiteral("document.documentElement.dataset.kept")),
                 QVariant(QStringLiteral("yes")));
        QVERIFY(!f.folder.exists(QStringLiteral("preview.html")));

        // Off again: the editor has its place back.
        action(w, "mnuViewLivePreview")->trigger();
        QVERIFY(!splitter->isVisible());
        QCOMPARE(txtPost(w)->parentWidget(), control(w, "picContainer"));
        QCOMPARE(txtPost(w)->geometry(), w->layoutGeometry().txtPost);
        QVERIFY(f.folder.read(QStringLiteral("prefs.txt")).contains("[View]\r\nLivePreview=0\r\n"));
        QVERIFY(f.prompts.records.isEmpty());
    }

    void shownAgainAsLeft()
    {
        MainWindowFixture f;
        f.folder.write(QStringLiteral("prefs.txt"),
                       "[View]\r\nLivePreview=1\r\nLivePreviewSplit=200\r\nFollowCaret=0\r\n");
        frmMain *w = f.open();
        QVERIFY(livePreview(w)->isShown());
        QVERIFY(action(w, "mnuViewLivePreview")->isChecked());
        QVERIFY(!action(w, "mnuViewFollowCaret")->isChecked());
        QCOMPARE(control<QSplitter>(w, "splLivePreview")->sizes().value(0), 200);
    }

    void failureKeepsTheLastPage()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        EditorText(txtPost(w)).setText(QStringLiteral("good text\r\n"));
        QVERIFY(turnOn(w));
        QLabel *notice = livePreview(w)->notice();
        QVERIFY(!notice->isVisible());

        txtPost(w)->moveCursor(QTextCursor::End);
        QTest::keyClicks(txtPost(w), QStringLiteral("[size=big]x[/size]"));
        QVERIFY(settles(w));
        QVERIFY(notice->isVisible());
        QVERIFY2(notice->text().startsWith(QStringLiteral("Line 2: The preview fails (error 13)")),
                 qPrintable(notice->text()));
        QCOMPARE(notice->accessibleName(), notice->text());
        QVERIFY(bodyText(w).contains(QStringLiteral("good text")));
        QVERIFY(f.prompts.records.isEmpty());

        EditorText(txtPost(w)).setText(QStringLiteral("mended"));
        QVERIFY(settles(w));
        QVERIFY(!notice->isVisible());
        QVERIFY(bodyText(w).contains(QStringLiteral("mended")));
    }

    void followsTheCaret()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        EditorText(txtPost(w)).setText(numberedLines(900));
        txtPost(w)->moveCursor(QTextCursor::Start);
        QVERIFY(turnOn(w));
        QWebEngineView *view = pageView(w);
        QCOMPARE(evaluate(view, QStringLiteral("window.scrollY")).toInt(), 0);

        txtPost(w)->moveCursor(QTextCursor::End);
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(view, QStringLiteral("window.scrollY")).toInt() > 0,
                                 pageTimeout);
        // The last line is in view.
        const QString lastInView
            = QStringLiteral("(() => { const marks = document.getElementsByTagName('wuxo-mark');"
                             " const box = marks[marks.length - 1].getBoundingClientRect();"
                             " return box.top >= 0 && box.bottom <= window.innerHeight; })()");
        QTRY_VERIFY_WITH_TIMEOUT(evaluate(view, lastInView).toBool(), pageTimeout);

        // Switched off, the page stays where it is.
        action(w, "mnuViewFollowCaret")->trigger();
        const int scrolled = evaluate(view, QStringLiteral("window.scrollY")).toInt();
        txtPost(w)->moveCursor(QTextCursor::Start);
        QTest::qWait(300);
        QCOMPARE(evaluate(view, QStringLiteral("window.scrollY")).toInt(), scrolled);
        action(w, "mnuViewFollowCaret")->trigger();
        QTRY_COMPARE_WITH_TIMEOUT(evaluate(view, QStringLiteral("window.scrollY")).toInt(), 0,
                                  pageTimeout);
    }

    void clickPutsTheCaret()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        EditorText(txtPost(w)).setText(numberedLines(40));
        QVERIFY(turnOn(w));
        const LivePage *page = livePreview(w)->page();
        QCOMPARE(page->markAt(0), 0);
        // A click on the third character of line 30's text.
        const qsizetype line30 = page->marks().at(29).post;
        const QString click = QStringLiteral(
            "(() => { const mark = document.querySelector('wuxo-mark[data-n=\"29\"]');"
            " const range = document.createRange();"
            " range.setStart(mark.nextSibling, 2); range.setEnd(mark.nextSibling, 3);"
            " mark.scrollIntoView(); const box = range.getBoundingClientRect();"
            " document.dispatchEvent(new MouseEvent('click', {clientX: box.left + 1,"
            " clientY: box.top + box.height / 2, bubbles: true})); return true; })()");
        QVERIFY(evaluate(pageView(w), click).toBool());
        QTRY_COMPARE_WITH_TIMEOUT(EditorText(txtPost(w)).selStart(), int(line30 + 2), 10000);
    }

    void fiveMegabytePost()
    {
        MainWindowFixture f;
        frmMain *w = f.open();
        QString post;
        const QString line = QStringLiteral("[i]a[/i] line of a very long post\r\n");
        while (post.size() < 5 * 1024 * 1024)
            post += line;
        post += QStringLiteral("the end");
        EditorText(txtPost(w)).setText(post);
        QVERIFY(turnOn(w));
        QVERIFY(bodyText(w).trimmed().endsWith(QStringLiteral("the end")));
    }
};

QTEST_MAIN(TestLivePreview)
#include "tst_livepreview.moc"
