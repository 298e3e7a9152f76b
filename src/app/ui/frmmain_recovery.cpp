// The post's recovery file and the end of the desktop session.
#include "frmmain.h"

#include "recovery/desktopsessionend.h"
#include "recovery/postrecovery.h"

#include <QGuiApplication>

void frmMain::setUpRecovery()
{
    m_recovery = new PostRecovery(
        [this] { return m_history.strHistory(m_history.intHistoryPos()); }, this);
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager &manager) {
        DesktopSessionEnd request(manager);
        commitData(request);
    });
}

void frmMain::setBlnPostChanged(bool changed)
{
    m_postChanged = changed;
    postStateChanged();
}

void frmMain::postStateChanged()
{
    m_recovery->postChanged(m_postChanged && !post().isEmpty());
}

void frmMain::offerRecovery()
{
    if (m_refused)
        return;
    if (const std::optional<QString> text = m_recovery->offer()) {
        EditorText editor = post();
        editor.setText(*text);
        editor.setSelStart(editor.length());
    }
}

void frmMain::commitData(SessionEndRequest &request)
{
    // The request may be a checkpoint of a session that goes on, so the window
    // stays open: ending the program is the session manager's part.
    m_recovery->sessionEnding();
    if (!request.allowsInteraction())
        return;
    const bool keepSession = !Form_QueryUnload();
    request.release();
    if (keepSession)
        request.cancel();
}
