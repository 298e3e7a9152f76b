#include "livewebview.h"

#include "previewwebpage.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineView>
#include <functional>

namespace {

constexpr char schemeName[] = "wuxo-live";

// The program's own script in the page: replaces the document in place, keeps
// marks in view, and tells the program where a click fell, as a console line
// that starts with the view's token. It runs in the application world, beside
// the page's own scripts, which are off.
QString pageScript(const QString &token)
{
    return QStringLiteral(R"JS(
(function () {
    'use strict';
    const token = '%1';
    let ordered = null;
    let byNumber = null;
    function collect() {
        if (ordered)
            return;
        ordered = Array.from(document.getElementsByTagName('wuxo-mark'));
        byNumber = [];
        for (const mark of ordered) {
            const n = Number(mark.dataset.n);
            if (byNumber[n] === undefined)
                byNumber[n] = mark;
        }
    }
    function precedes(mark, node, offset) {
        const range = document.createRange();
        range.setStartBefore(mark);
        return range.comparePoint(node, offset) >= 0;
    }
    window.wuxoLive = {
        replace(html) {
            const x = window.scrollX;
            const y = window.scrollY;
            document.documentElement.innerHTML = html;
            ordered = null;
            window.scrollTo(x, y);
            return true;
        },
        scrollToMark(n) {
            collect();
            const mark = byNumber[n];
            if (!mark)
                return false;
            const box = mark.getBoundingClientRect();
            if (box.top < 0 || box.bottom > window.innerHeight)
                mark.scrollIntoView({block: 'center'});
            return true;
        },
    };
    document.addEventListener('click', (event) => {
        const at = document.caretRangeFromPoint(event.clientX, event.clientY);
        if (!at)
            return;
        collect();
        let low = 0;
        let high = ordered.length - 1;
        let found = -1;
        while (low <= high) {
            const middle = (low + high) >> 1;
            if (precedes(ordered[middle], at.startContainer, at.startOffset)) {
                found = middle;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
        if (found < 0)
            return;
        const mark = ordered[found];
        const between = document.createRange();
        between.setStartAfter(mark);
        between.setEnd(at.startContainer, at.startOffset);
        console.log(token + ' ' + mark.dataset.n + ' ' + between.toString().length);
    }, true);
})();
)JS")
        .arg(token);
}

// The page as a script's string literal.
QString quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 16 + 2);
    out.append(u'"');
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'"' || u == u'\\') {
            out.append(u'\\');
            out.append(c);
        } else if (u < 0x20 || u == 0x2028 || u == 0x2029 || c.isSurrogate()) {
            out.append(QStringLiteral("\\u%1").arg(int(u), 4, 16, QLatin1Char('0')));
        } else {
            out.append(c);
        }
    }
    out.append(u'"');
    return out;
}

class LiveHost : public PreviewViewHost
{
public:
    explicit LiveHost(LiveViewHost *host) : m_host(host) { }
    bool navigationRequested(const QUrl &url, PreviewNavigation::Kind kind,
                             bool isMainFrame) override
    {
        return m_host->navigationRequested(url, kind, isMainFrame, LivePageScheme::pageUrl());
    }
    // The view follows the page's loads itself.
    void previewLoaded(bool) override { }
    // Find searches the integrated preview, never this page.
    void foundInPage(int, int) override { }

private:
    LiveViewHost *m_host;
};

} // namespace

// The preview's page, which also hands the program's console lines on.
class LiveWebPage : public PreviewWebPage
{
public:
    LiveWebPage(QWebEngineProfile *profile, std::unique_ptr<PreviewViewHost> host,
                std::function<void(const QString &)> console, QObject *parent)
        : PreviewWebPage(profile, host.get(), parent), m_host(std::move(host)),
          m_console(std::move(console))
    {
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int,
                                  const QString &) override
    {
        m_console(message);
    }

private:
    std::unique_ptr<PreviewViewHost> m_host;
    std::function<void(const QString &)> m_console;
};

namespace LivePageScheme {

void registerScheme()
{
    if (QWebEngineUrlScheme::schemeByName(schemeName).name() == schemeName)
        return;
    QWebEngineUrlScheme scheme(schemeName);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl pageUrl()
{
    return QUrl(QStringLiteral("%1:page").arg(QLatin1String(schemeName)));
}

} // namespace LivePageScheme

LiveWebView::LiveWebView(QWidget *parent, LiveViewHost *host)
    : m_host(host), m_profile(new QWebEngineProfile), m_view(new QWebEngineView(parent)),
      m_token(QString::number(QRandomGenerator::global()->generate64(), 36))
{
    m_profile->installUrlSchemeHandler(schemeName, this);
    m_page = new LiveWebPage(
        m_profile.get(), std::make_unique<LiveHost>(host),
        [this](const QString &message) { consoleMessage(message); }, m_view);
    QWebEngineScript script;
    script.setName(QStringLiteral("wuxo-live"));
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setRunsOnSubFrames(false);
    script.setSourceCode(pageScript(m_token));
    m_page->scripts().insert(script);
    m_view->setPage(m_page);
    QObject::connect(m_page, &QWebEnginePage::loadFinished, m_view,
                     [this](bool ok) { loaded(ok); });
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setFocusPolicy(Qt::StrongFocus);
}

LiveWebView::~LiveWebView()
{
    // The page, a child of the view, must go before its profile.
    delete m_view;
}

QWidget *LiveWebView::widget() const
{
    return m_view;
}

void LiveWebView::show(const QString &page)
{
    if (m_loaded) {
        replace(page);
    } else if (m_loading) {
        m_waiting = page;
        m_hasWaiting = true;
    } else {
        // An empty document comes first, and the page replaces it as every later
        // one does: the engine takes long over a large document that arrives
        // through an address, and none over the same text put in place.
        m_waiting = page;
        m_hasWaiting = true;
        m_loading = true;
        m_view->load(LivePageScheme::pageUrl());
    }
}

void LiveWebView::scrollToMark(int mark)
{
    if (!m_loaded) {
        m_markAfterLoad = mark;
        return;
    }
    m_page->runJavaScript(QStringLiteral("window.wuxoLive && wuxoLive.scrollToMark(%1)").arg(mark),
                          QWebEngineScript::ApplicationWorld);
}

void LiveWebView::requestStarted(QWebEngineUrlRequestJob *job)
{

    if (job->requestUrl() != LivePageScheme::pageUrl()) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    auto *buffer = new QBuffer(job);
    buffer->setData("<!DOCTYPE html><html><head></head><body></body></html>");
    buffer->open(QIODevice::ReadOnly);
    job->reply("text/html;charset=utf-8", buffer);
}

void LiveWebView::loaded(bool ok)
{

    if (!m_loading)
        return;
    m_loading = false;
    m_loaded = ok;
    if (!ok) {
        // Nothing shows: the next page tries a load again.
        if (m_hasWaiting) {
            m_hasWaiting = false;
            show(std::exchange(m_waiting, QString()));
        }
        return;
    }
    if (m_markAfterLoad >= 0)
        scrollToMark(std::exchange(m_markAfterLoad, -1));
    if (m_hasWaiting) {
        m_hasWaiting = false;
        replace(std::exchange(m_waiting, QString()));
    } else {
        m_host->pageShown();
    }
}

void LiveWebView::replace(const QString &page)
{
    QPointer<QWebEngineView> view = m_view;
    m_page->runJavaScript(QStringLiteral("window.wuxoLive && wuxoLive.replace(") + quoted(page)
                              + u')',
                          QWebEngineScript::ApplicationWorld, [this, view](const QVariant &) {
                              if (view)
                                  m_host->pageShown();
                          });
}

void LiveWebView::consoleMessage(const QString &message)
{
    const QStringList parts = message.split(u' ');
    if (parts.size() != 3 || parts.at(0) != m_token)
        return;
    bool markOk = false;
    bool offsetOk = false;
    const int mark = parts.at(1).toInt(&markOk);
    const qsizetype offset = parts.at(2).toLongLong(&offsetOk);
    if (markOk && offsetOk && mark >= 0 && offset >= 0)
        m_host->markClicked(mark, offset);
}
