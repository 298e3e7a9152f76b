#include "preview/previewnavigation.h"

#include <QTest>

Q_DECLARE_METATYPE(PreviewNavigation::Decision)
Q_DECLARE_METATYPE(PreviewNavigation::Kind)

class TestPreviewNavigation : public QObject
{
    Q_OBJECT
private slots:
    void decide_data();
    void decide();
};

void TestPreviewNavigation::decide_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<PreviewNavigation::Kind>("kind");
    QTest::addColumn<bool>("isMainFrame");
    QTest::addColumn<QUrl>("previewUrl");
    QTest::addColumn<PreviewNavigation::Decision>("expected");

    using K = PreviewNavigation::Kind;
    using D = PreviewNavigation::Decision;
    const QUrl preview = QUrl::fromLocalFile(QStringLiteral("/home/me/wuxo data/preview.html"));
    const QUrl web(QStringLiteral("http://forum.example/thread?id=7"));

    QTest::newRow("loading the page itself") << preview << K::Typed << true << preview << D::Accept;
    QTest::newRow("reloading the page") << preview << K::Reload << true << preview << D::Accept;
    QTest::newRow("the page as the browser spells it")
        << QUrl(QStringLiteral("file:///home/me/wuxo%20data/preview.html")) << K::Typed << true
        << preview << D::Accept;
    QTest::newRow("a page path with non-ASCII letters")
        << QUrl(QStringLiteral("file:///tmp/Gr%C3%BC%C3%9Fe/preview.html")) << K::Typed << true
        << QUrl::fromLocalFile(QStringLiteral("/tmp/Grüße/preview.html")) << D::Accept;
    QTest::newRow("an anchor inside the page") << QUrl(preview.toString() + QStringLiteral("#top"))
                                               << K::LinkClicked << true << preview << D::Accept;
    QTest::newRow("a web link clicked")
        << web << K::LinkClicked << true << preview << D::OpenInShell;
    QTest::newRow("a secure link clicked in a frame")
        << QUrl(QStringLiteral("https://forum.example/")) << K::LinkClicked << false << preview
        << D::OpenInShell;
    QTest::newRow("a mail link clicked") << QUrl(QStringLiteral("mailto:name@forum.example"))
                                         << K::LinkClicked << true << preview << D::OpenInShell;
    QTest::newRow("a javascript: link is never opened")
        << QUrl(QStringLiteral("javascript:alert(1)")) << K::LinkClicked << true << preview
        << D::Refuse;
    QTest::newRow("a file: link is never opened") << QUrl(QStringLiteral("file:///usr/bin/xterm"))
                                                  << K::LinkClicked << true << preview << D::Refuse;
    QTest::newRow("a relative link resolves to a local file")
        << QUrl::fromLocalFile(QStringLiteral("/home/me/wuxo data/page.html")) << K::LinkClicked
        << true << preview << D::Refuse;
    QTest::newRow("a data: link") << QUrl(QStringLiteral("data:text/html,<b>x</b>"))
                                  << K::LinkClicked << true << preview << D::Refuse;
    QTest::newRow("another local file loaded")
        << QUrl(QStringLiteral("file:///etc/passwd")) << K::Typed << true << preview << D::Refuse;
    QTest::newRow("another kind of navigation to the web")
        << web << K::Other << true << preview << D::Refuse;
    QTest::newRow("a refresh of the page itself")
        << preview << K::Redirect << true << preview << D::Refuse;
    QTest::newRow("a redirect") << web << K::Redirect << true << preview << D::Refuse;
    QTest::newRow("a form sent to the web")
        << web << K::FormSubmitted << true << preview << D::Refuse;
    QTest::newRow("a form sent to the page itself")
        << QUrl(preview.toString() + QStringLiteral("?q=1")) << K::FormSubmitted << true << preview
        << D::Refuse;
    QTest::newRow("back to another page") << web << K::BackForward << true << preview << D::Refuse;
    QTest::newRow("a web frame inside the page")
        << web << K::Other << false << preview << D::Accept;
    QTest::newRow("an empty frame")
        << QUrl(QStringLiteral("about:blank")) << K::Other << false << preview << D::Accept;
    QTest::newRow("a local file in a frame")
        << QUrl(QStringLiteral("file:///etc/passwd")) << K::Other << false << preview << D::Refuse;
    QTest::newRow("a javascript: frame")
        << QUrl(QStringLiteral("javascript:alert(1)")) << K::Other << false << preview << D::Refuse;
    QTest::newRow("nothing loads before a preview")
        << QUrl() << K::Typed << true << QUrl() << D::Refuse;
}

void TestPreviewNavigation::decide()
{
    QFETCH(QUrl, url);
    QFETCH(PreviewNavigation::Kind, kind);
    QFETCH(bool, isMainFrame);
    QFETCH(QUrl, previewUrl);

    QTEST(PreviewNavigation::decide(url, kind, isMainFrame, previewUrl), "expected");
}

QTEST_GUILESS_MAIN(TestPreviewNavigation)
#include "tst_previewnavigation.moc"
