#pragma once

#include "livepage.h"

#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <functional>
#include <memory>

// Makes the live preview's page a moment after the writer stops typing. The
// conversion runs on a thread of its own, never on the window's: at most one
// is under way, and one more waits with the newest post; a post typed while
// both are taken replaces the waiting one.
class LiveUpdater : public QObject
{
    Q_OBJECT

public:
    // `readPost` gives the post as it is now (CR LF breaks); `templatePath` is
    // the page template, read afresh for every page.
    LiveUpdater(std::function<QString()> readPost, QString templatePath, QObject *parent = nullptr);
    ~LiveUpdater() override;

    // How long a pause in typing starts a page, in milliseconds: longer for
    // long posts, whose pages take longer to make and to show.
    static int pauseFor(qsizetype postLength);

    // The post changed: a page follows after the pause.
    void postChanged(qsizetype postLength);
    // Makes a page now.
    void updateNow();
    // Forgets the pause and any waiting post; a page under way is dropped.
    void stop();

    bool isBusy() const { return m_running || m_pause.isActive(); }

signals:
    // A page of the post; the last page shown stays when the next one fails.
    void built(std::shared_ptr<LivePage> page);
    // The post or the template could not make a page: the notice says why.
    void failed(const QString &notice);

private:
    struct Result
    {
        std::shared_ptr<LivePage> page;
        QString notice;
    };

    void start(const QString &post);
    void finished(int generation, const Result &result);
    static Result make(const QString &templatePath, const QString &post);

    std::function<QString()> m_readPost;
    QString m_templatePath;
    QTimer m_pause;
    QThreadPool m_pool;
    bool m_running = false;
    bool m_waiting = false;
    QString m_waitingPost;
    int m_generation = 0;
};
