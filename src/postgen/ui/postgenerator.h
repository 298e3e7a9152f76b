#pragma once

#include "postgen/autorun.h"
#include "postgen/copywatch.h"
#include "postgen/ui/frmnews.h"

#include <QObject>
#include <QPointer>

#include <functional>

class PostGeneratorHost;

// The post generator's commands on the main window: the manual dialog, and the
// automatic run that fills the hidden dialog from the clipboard and input
// prompts, one field per tick, and ends by creating the post.
class PostGenerator : public QObject
{
    Q_OBJECT
public:
    // The host must outlive this object.
    PostGenerator(PostGeneratorHost *host, QObject *parent = nullptr);
    ~PostGenerator() override;

    // Asks to clear a non-empty post, then shows the dialog modal and puts the
    // created post into the host. Does nothing while a run is active.
    void mnuFileNewsManual_Click();
    // Starts a run, or cancels the active one.
    void mnuFileNewsAuto_Click();

    bool isAutoRunning() const { return !m_dialog.isNull(); }
    // Ends the active run, if any, without inserting anything (the main window closes).
    void closeAutoRun();

    // The hidden dialog of the active run, for tests.
    frmNews *autoDialog() const { return m_dialog; }
    const AutoRun &autoRun() const { return m_run; }
    // One tick of the run, as the timer fires it.
    void tmrAuto_Timer();

    // Milliseconds of a steady clock, by which a run tells a clipboard manager's
    // putting back of a cleared text from a copy; tests set their own.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock) { m_clock = std::move(clock); }

private:
    enum class PostAnswer { Cleared, Kept, Cancelled };
    PostAnswer askToClearPost();
    void startRun();
    void cancelRun();
    void finishRun();
    // Stops the automatic run and gives its captions back; the dialog, answered,
    // is deleted once control is back in the event loop.
    frmNews *endRun();
    void tick();
    void clearClipboard();
    void clipboardChanged();
    bool isCurrentRun(quint64 run) const { return m_dialog && m_runNumber == run; }

    PostGeneratorHost *m_host;
    QPointer<frmNews> m_dialog;
    AutoRun m_run;
    CopyWatch m_copies;
    QMetaObject::Connection m_clipboardNotices;
    Clock m_clock;
    quint64 m_runNumber = 0;
    // Set while a tick runs: a tick waiting in a prompt or an error report lets
    // the timer fire again, and those ticks must not start a field of their own.
    bool m_inTick = false;
};
