#include "liveupdater.h"

#include "foundation/wuxoerror.h"
#include "livenotice.h"
#include "preview/previewpage.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

// A post up to this length waits the shortest pause.
constexpr qsizetype shortPost = 256 * 1024;
constexpr int shortestPause = 150;
constexpr int longestPause = 600;

} // namespace

LiveUpdater::LiveUpdater(std::function<QString()> readPost, QString templatePath, QObject *parent)
    : QObject(parent), m_readPost(std::move(readPost)), m_templatePath(std::move(templatePath))
{
    m_pause.setSingleShot(true);
    connect(&m_pause, &QTimer::timeout, this, &LiveUpdater::updateNow);
    m_pool.setMaxThreadCount(1);
}

LiveUpdater::~LiveUpdater()
{
    ++m_generation;
    m_pool.waitForDone();
}

int LiveUpdater::pauseFor(qsizetype postLength)
{
    const qsizetype extra = std::max<qsizetype>(0, postLength - shortPost) / 4096;
    return int(std::min<qsizetype>(shortestPause + extra, longestPause));
}

void LiveUpdater::postChanged(qsizetype postLength)
{
    m_pause.start(pauseFor(postLength));
}

void LiveUpdater::updateNow()
{
    m_pause.stop();
    const QString post = m_readPost();
    if (m_running) {
        m_waiting = true;
        m_waitingPost = post;
        return;
    }
    start(post);
}

void LiveUpdater::stop()
{
    m_pause.stop();
    m_waiting = false;
    m_waitingPost.clear();
    ++m_generation;
}

void LiveUpdater::start(const QString &post)
{
    m_running = true;
    const int generation = m_generation;
    m_pool.start([this, generation, post, path = m_templatePath] {
        Result result = make(path, post);
        QMetaObject::invokeMethod(
            this, [this, generation, result] { finished(generation, result); },
            Qt::QueuedConnection);
    });
}

LiveUpdater::Result LiveUpdater::make(const QString &templatePath, const QString &post)
{
    Result result;
    QString templateText;
    try {
        templateText = PreviewPage::readTemplate(templatePath);
    } catch (const WuxoError &error) {
        result.notice = LiveNotice::forTemplate(error);
        return result;
    }
    try {
        result.page = std::make_shared<LivePage>(LivePage::build(templateText, post));
    } catch (const WuxoError &error) {
        result.notice = LiveNotice::forPost(post, error);
    } catch (const std::bad_alloc &) {
        result.notice = LiveNotice::forPost(post, WuxoError(ErrorNumber::OutOfMemory));
    }
    return result;
}

void LiveUpdater::finished(int generation, const Result &result)
{
    m_running = false;
    if (generation == m_generation) {
        if (result.page)
            emit built(result.page);
        else
            emit failed(result.notice);
    }
    if (m_waiting) {
        m_waiting = false;
        start(std::exchange(m_waitingPost, QString()));
    }
}
