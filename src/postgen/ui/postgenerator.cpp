#include "postgenerator.h"

#include "foundation/errorreport.h"
#include "foundation/platform.h"
#include "frmnews.h"
#include "postgeneratorhost.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <memory>

PostGenerator::PostGenerator(PostGeneratorHost *host, QObject *parent)
    : QObject(parent), m_host(host)
{
    QElapsedTimer started;
    started.start();
    m_clock = [started] {
        return started.elapsed();
    };
}

PostGenerator::~PostGenerator()
{
    delete m_dialog;
}

PostGenerator::PostAnswer PostGenerator::askToClearPost()
{
    if (m_host->postText().isEmpty())
        return PostAnswer::Kept;
    switch (Platform::prompts().messageBox(tr("Clear the current post?"), tr("New Post"),
                                           MessageIcon::None, MessageButtons::YesNoCancel)) {
    case MessageAnswer::Yes:
        m_host->clearPost();
        return PostAnswer::Cleared;
    case MessageAnswer::No:
        m_host->moveCaretToEnd();
        return PostAnswer::Kept;
    default:
        return PostAnswer::Cancelled;
    }
}

void PostGenerator::mnuFileNewsManual_Click()
{
    // Both modes share the one dialog: the manual one waits for the run to end.
    if (isAutoRunning())
        return;
    if (askToClearPost() == PostAnswer::Cancelled)
        return;
    QPointer<frmNews> dialog = new frmNews(m_host->hostWindow());
    dialog->Form_Load();
    const int result = dialog->exec();
    if (!dialog)
        return;
    const QString post = dialog->createdPost();
    const bool insert = result == QDialog::Accepted && dialog->fieldCount() > 0;
    delete dialog;
    if (insert && !post.isEmpty())
        m_host->replaceSelection(post);
}

void PostGenerator::mnuFileNewsAuto_Click()
{
    if (isAutoRunning())
        cancelRun();
    else
        startRun();
}

void PostGenerator::startRun()
{
    // The definitions are read before the post is touched: a run that has no
    // fields to fill would only fail at every tick, so it does not start.
    std::unique_ptr<frmNews> dialog(new frmNews(m_host->hostWindow()));
    dialog->Form_Load();
    if (dialog->fieldCount() == 0)
        return;
    const QList<FieldDefinition> &fields = dialog->definitions();
    const bool takesCopies = std::any_of(fields.cbegin(), fields.cend(),
                                         [](const FieldDefinition &f) { return f.AutoKind == 1; });
    if (takesCopies && !Platform::clipboard().seesOtherPrograms()) {
        Platform::prompts().messageBox(
            tr("Copies made in other programs cannot be seen here, so automatic mode cannot "
               "fill its clipboard fields.\r\n\r\nOn this Wayland desktop a program hears of "
               "the clipboard only while its own window is active, and no X11 display "
               "(XWayland) is available to start Wuxo on. The Read Me explains more."),
            tr("Post Generator (Auto)"), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    if (askToClearPost() == PostAnswer::Cancelled)
        return;
    m_copies = CopyWatch();
    m_dialog = dialog.release();
    m_run = AutoRun(m_dialog->definitions());
    ++m_runNumber;
    m_clipboardNotices = connect(&Platform::clipboard(), &Clipboard::changed, this,
                                 &PostGenerator::clipboardChanged);
    clearClipboard();
    m_host->setAutoCaptions(true);
    connect(m_dialog->tmrAuto(), &QTimer::timeout, this, &PostGenerator::tmrAuto_Timer);
    m_dialog->tmrAuto()->start();
}

void PostGenerator::cancelRun()
{
    if (m_dialog)
        endRun();
}

frmNews *PostGenerator::endRun()
{
    frmNews *dialog = m_dialog;
    // A tick may still be inside this dialog (a prompt or report is open):
    // it goes once control is back in the event loop.
    dialog->tmrAuto()->stop();
    dialog->deleteLater();
    m_dialog.clear();
    disconnect(m_clipboardNotices);
    m_run = AutoRun();
    m_host->setAutoCaptions(false);
    m_host->setCaption(m_host->appCaption());
    return dialog;
}

void PostGenerator::closeAutoRun()
{
    cancelRun();
}

void PostGenerator::tmrAuto_Timer()
{
    if (m_inTick || !m_dialog)
        return;
    m_inTick = true;
    runTrapped(QStringLiteral("News.tmrAuto"), [this] { tick(); });
    m_inTick = false;
}

void PostGenerator::tick()
{
    const quint64 run = m_runNumber;
    const QString caption = m_run.progressCaption();
    if (!caption.isEmpty())
        m_host->setCaption(caption);

    switch (m_run.action()) {
    case AutoRun::Action::AskInput: {
        const QString answer
            = Platform::prompts().inputBox(m_run.inputPrompt(), tr("Input Required"), QString());
        if (!isCurrentRun(run))
            return;
        if (!answer.isEmpty())
            m_dialog->setFieldText(m_run.step(), answer);
        if (!isCurrentRun(run))
            return;
        clearClipboard();
        m_run.advance();
        break;
    }
    case AutoRun::Action::TakeClipboard: {
        QCoreApplication::processEvents();
        if (!isCurrentRun(run))
            return;
        m_copies.polled(Platform::clipboard().text(), m_clock());
        const QString text = m_copies.copiedText();
        if (text.isEmpty())
            return;
        m_dialog->setFieldText(m_run.step(), text);
        if (!isCurrentRun(run))
            return;
        clearClipboard();
        m_run.advance();
        break;
    }
    case AutoRun::Action::Pass:
        m_run.advance();
        break;
    case AutoRun::Action::Wait:
        return;
    }
    if (m_run.isFinished())
        finishRun();
}

// The clipboard's text before the clear tells the watch what a manager would put back.
void PostGenerator::clearClipboard()
{
    Clipboard &clipboard = Platform::clipboard();
    const QString previous = clipboard.text();
    m_copies.cleared(previous, m_clock());
    clipboard.clear();
}

void PostGenerator::clipboardChanged()
{
    if (isAutoRunning())
        m_copies.changed(Platform::clipboard().text(), m_clock());
}

void PostGenerator::finishRun()
{
    frmNews *dialog = endRun();
    m_host->restoreWindowState();
    const QString post = dialog->filledTemplate();
    if (!post.isEmpty())
        m_host->replaceSelection(post);
}
