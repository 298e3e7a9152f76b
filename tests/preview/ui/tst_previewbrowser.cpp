#include "fakes.h"
#include "preview/ui/previewbrowser.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <optional>

namespace {

constexpr int loadTimeout = 60000;

QWebEngineView *webView(const PreviewBrowser &browser)
{
    return qobject_cast<QWebEngineView *>(browser.view());
}

// Runs `script` beside the page's own scripts (which are off) and waits for its
// value: what the page's document holds, not what signals have told so far.
QVariant evaluate(QWebEnginePage *page, const QString &script)
{
    std::optional<QVariant> result;
    page->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                        [&result](const QVariant &value) { result = value; });
    if (!QTest::qWaitFor([&result] { return result.has_value(); }, loadTimeout))
        return QStringLiteral("no answer from the page");
    return *result;
}

// Whether the page has drawn a frame since it loaded, so that a click finds what it shows.
bool hasDrawn(QWebEnginePage *page)
{
    evaluate(page,
             QStringLiteral("requestAnimationFrame(() => requestAnimationFrame(() => "
                            "document.documentElement.dataset.drawn = 'yes'))"));
    return QTest::qWaitFor(
        [page] {
            return evaluate(page, QStringLiteral("document.documentElement.dataset.drawn"))
                       .toString()
                == QLatin1String("yes");
        },
        loadTimeout);
}

// Nothing may happen here: waits out `ms` unless the view leaves `url` or its
// title changes, which ends the wait at once with false. (A refused navigation
// still reports a load that starts and fails, so loads tell nothing.)
bool staysOn(QWebEngineView *view, const QUrl &url, int ms)
{
    const QString title = view->title();
    return !QTest::qWaitFor([&] { return view->url() != url || view->title() != title; }, ms);
}

} // namespace

class TestPreviewBrowser : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void createdOnFirstNavigation();
    void fillsAParentWithALayout();
    void safeSettings();
    void laterPreviewsLoadAgain();
    void scriptsDoNotRun();
    void pageDoesNotNavigateAway();
    void clickedLinks_data();
    void clickedLinks();
    void missingOrBrokenPlugin_data();
    void missingOrBrokenPlugin();

private:
    QString writePage(const QString &name, const QByteArray &html);
    bool showPage(PreviewBrowser &browser, const QString &path);

    QTemporaryDir m_dir;
    QWidget *m_window = nullptr;
    RecordingShell *m_shell = nullptr;
};

void TestPreviewBrowser::initTestCase()
{
    QVERIFY(m_dir.isValid());
}

void TestPreviewBrowser::init()
{
    m_window = new QWidget;
    m_window->resize(640, 480);
    m_shell = new RecordingShell;
}

void TestPreviewBrowser::cleanup()
{
    delete m_window;
    delete m_shell;
}

QString TestPreviewBrowser::writePage(const QString &name, const QByteArray &html)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(html);
    return path;
}

bool TestPreviewBrowser::showPage(PreviewBrowser &browser, const QString &path)
{
    QSignalSpy loaded(&browser, &PreviewBrowser::loadFinished);
    browser.navigate(path);
    return loaded.wait(loadTimeout) && loaded.last().at(0).toBool();
}

void TestPreviewBrowser::createdOnFirstNavigation()
{
    PreviewBrowser browser(m_window, nullptr);
    const QRect area(5, 118, 538, 208);
    browser.setGeometry(area);
    browser.setVisible(true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    QVERIFY(!browser.isCreated());
    QCOMPARE(browser.view(), nullptr);
    QVERIFY(m_window->findChildren<QWebEngineView *>().isEmpty());

    const QString path = writePage(QStringLiteral("preview.html"),
                                   "<html><head><title>First</title></head><body>x</body></html>");
    QVERIFY(showPage(browser, path));

    QVERIFY(browser.isCreated());
    QWebEngineView *view = webView(browser);
    QVERIFY(view);
    QCOMPARE(view->parentWidget(), m_window);
    QCOMPARE(view->geometry(), area);
    QVERIFY(view->isVisible());
    QCOMPARE(view->url(), QUrl::fromLocalFile(path));
    QCOMPARE(view->title(), QStringLiteral("First"));

    browser.setVisible(false);
    QVERIFY(!view->isVisible());
    browser.setGeometry(QRect(5, 118, 590, 246));
    QCOMPARE(view->geometry(), QRect(5, 118, 590, 246));
}

void TestPreviewBrowser::fillsAParentWithALayout()
{
    auto *frame = new QWidget(m_window);
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    frame->setGeometry(5, 118, 538, 208);
    PreviewBrowser browser(frame, nullptr);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    QVERIFY(showPage(browser, writePage(QStringLiteral("preview.html"), "<p>x</p>")));

    QCOMPARE(layout->indexOf(browser.view()), 0);
    QVERIFY(browser.view()->isVisible());
    QTRY_COMPARE(browser.view()->geometry(), QRect(0, 0, 538, 208));
    frame->resize(590, 246);
    QTRY_COMPARE(browser.view()->size(), QSize(590, 246));
}

void TestPreviewBrowser::safeSettings()
{
    PreviewBrowser browser(m_window, nullptr);
    QVERIFY(showPage(browser, writePage(QStringLiteral("preview.html"), "<p>x</p>")));

    QWebEnginePage *page = webView(browser)->page();
    QVERIFY(page->profile()->isOffTheRecord());
    QVERIFY(page->profile() != QWebEngineProfile::defaultProfile());
    const QWebEngineSettings *settings = page->settings();
    QVERIFY(!settings->testAttribute(QWebEngineSettings::JavascriptEnabled));
    QVERIFY(!settings->testAttribute(QWebEngineSettings::PluginsEnabled));
    QVERIFY(!settings->testAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls));
    QVERIFY(settings->testAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls));
    QVERIFY(!settings->testAttribute(QWebEngineSettings::ErrorPageEnabled));
    QVERIFY(!settings->testAttribute(QWebEngineSettings::NavigateOnDropEnabled));
}

void TestPreviewBrowser::laterPreviewsLoadAgain()
{
    PreviewBrowser browser(m_window, nullptr);
    const QString path
        = writePage(QStringLiteral("preview.html"), "<html><head><title>One</title></head></html>");
    QVERIFY(showPage(browser, path));
    QWidget *firstView = browser.view();

    writePage(QStringLiteral("preview.html"), "<html><head><title>Two</title></head></html>");
    QVERIFY(showPage(browser, path));

    QCOMPARE(browser.view(), firstView);
    QCOMPARE(webView(browser)->title(), QStringLiteral("Two"));
}

void TestPreviewBrowser::scriptsDoNotRun()
{
    PreviewBrowser browser(m_window, nullptr);
    const QString path = writePage(
        QStringLiteral("preview.html"),
        "<html><head><title>Quiet</title><script>document.title = 'Ran';</script></head>"
        "<body onload=\"document.title = 'Ran'\"><script>document.title = 'Ran';</script>"
        "<img src='missing.png' onerror=\"document.title = 'Ran'\"></body></html>");

    QVERIFY(showPage(browser, path));

    // The scripts would have run before the page finished loading, the image's
    // error handler too.
    QCOMPARE(evaluate(webView(browser)->page(), QStringLiteral("document.title")).toString(),
             QStringLiteral("Quiet"));
    QCOMPARE(webView(browser)->title(), QStringLiteral("Quiet"));
}

void TestPreviewBrowser::pageDoesNotNavigateAway()
{
    PreviewBrowser browser(m_window, nullptr);
    const QString other
        = writePage(QStringLiteral("other.html"), "<html><head><title>Other</title></head></html>");
    const QString path = writePage(
        QStringLiteral("preview.html"),
        "<html><head><title>Preview</title><meta http-equiv='refresh' content='0; url="
            + QUrl::fromLocalFile(other).toEncoded()
            + "'></head><body><iframe src='file:///etc/hostname'></iframe></body></html>");

    QVERIFY(showPage(browser, path));
    QVERIFY(staysOn(webView(browser), QUrl::fromLocalFile(path), 1500));

    QCOMPARE(webView(browser)->url(), QUrl::fromLocalFile(path));
    QCOMPARE(webView(browser)->title(), QStringLiteral("Preview"));
    QVERIFY(m_shell->requests.isEmpty());

    // Nor does the program itself take it elsewhere.
    webView(browser)->load(QUrl::fromLocalFile(other));
    QVERIFY(staysOn(webView(browser), QUrl::fromLocalFile(path), 1000));
    QCOMPARE(webView(browser)->title(), QStringLiteral("Preview"));
}

void TestPreviewBrowser::clickedLinks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("opened");

    const QString web = QStringLiteral("http://forum.example/thread?id=7");
    QTest::newRow("a web link opens on the desktop") << web << "" << QStringList{web};
    QTest::newRow("a link to a new window opens on the desktop")
        << web << "_blank" << QStringList{web};
    QTest::newRow("a mail link opens on the desktop")
        << "mailto:name@forum.example"
        << "_blank" << QStringList{"mailto:name@forum.example"};
    QTest::newRow("a javascript: link opens nothing") << "javascript:alert(1)"
                                                      << "" << QStringList();
    QTest::newRow("a javascript: link to a new window opens nothing") << "javascript:alert(1)"
                                                                      << "_blank" << QStringList();
    QTest::newRow("a file: link opens nothing") << "file:///usr/bin/xterm"
                                                << "_blank" << QStringList();
    QTest::newRow("a relative link opens nothing") << "page.html"
                                                   << "" << QStringList();
}

void TestPreviewBrowser::clickedLinks()
{
    QFETCH(QString, link);
    QFETCH(QString, target);
    QFETCH(QStringList, opened);
    PreviewBrowser browser(m_window, nullptr);
    browser.setGeometry(QRect(0, 0, 400, 300));
    browser.setVisible(true);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    // The link covers the whole page, so a click anywhere lands on it.
    const QByteArray html = "<html><head><title>Links</title><style>body{margin:0}"
                            "a{display:block;width:100vw;height:100vh}</style></head><body>"
                            "<a href='"
        + link.toUtf8() + "' target='" + target.toUtf8() + "'>link</a></body></html>";
    const QString path = writePage(QStringLiteral("preview.html"), html);
    QVERIFY(showPage(browser, path));
    QWidget *surface = webView(browser)->focusProxy();
    QVERIFY(surface);
    // The page is drawn some time after it loaded; until then a click finds no link.
    QVERIFY(hasDrawn(webView(browser)->page()));

    QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(200, 150));
    if (!opened.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(m_shell->targets(), opened, 5000);
    else
        QVERIFY(!QTest::qWaitFor([this] { return !m_shell->requests.isEmpty(); }, 1000));

    QCOMPARE(m_shell->targets(), opened);
    for (const RecordingShell::Request &request : std::as_const(m_shell->requests)) {
        QCOMPARE(request.verb, QString());
    }
    QCOMPARE(webView(browser)->url(), QUrl::fromLocalFile(path));
    QCOMPARE(webView(browser)->title(), QStringLiteral("Links"));
}

void TestPreviewBrowser::missingOrBrokenPlugin_data()
{
    QTest::addColumn<QByteArray>("pluginBytes"); // empty: no file at all
    QTest::addColumn<QString>("reason");
    QTest::newRow("no plugin file") << QByteArray() << "webpreview.so is missing";
    QTest::newRow("a file that is no library") << QByteArray("not a library\n") << "webpreview.so";
}

void TestPreviewBrowser::missingOrBrokenPlugin()
{
    QFETCH(QByteArray, pluginBytes);
    QFETCH(QString, reason);
    ScriptedPrompts prompts;
    prompts.queueAnswer(MessageAnswer::Ok);
    QTemporaryDir folder;
    const QString plugin = folder.filePath(QStringLiteral("webpreview.so"));
    if (!pluginBytes.isEmpty()) {
        QFile file(plugin);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(pluginBytes);
    }
    PreviewBrowser browser(m_window, nullptr);
    browser.setPluginPath(plugin);

    QVERIFY(!browser.isAvailable());
    QVERIFY(!browser.isAvailable());
    browser.navigate(writePage(QStringLiteral("preview.html"), "<p>x</p>"));

    QVERIFY(!browser.isCreated());
    QCOMPARE(prompts.records.size(), 1); // said once, not at every preview
    const PromptRecord &message = prompts.records.first();
    QVERIFY2(message.text.startsWith(QStringLiteral("The integrated browser cannot be started: ")),
             qPrintable(message.text));
    QVERIFY2(message.text.contains(reason), qPrintable(message.text));
    QVERIFY(message.text.endsWith(QStringLiteral("Previews open in your web browser instead.")));
    QCOMPARE(message.icon, MessageIcon::Exclamation);
    QVERIFY(m_shell->requests.isEmpty());
}

QTEST_MAIN(TestPreviewBrowser)
#include "tst_previewbrowser.moc"
