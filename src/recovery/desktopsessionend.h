#pragma once

#include "recovery/sessionendrequest.h"

#include <QSessionManager>

// The desktop session manager's own request, as the main window answers it.
class DesktopSessionEnd : public SessionEndRequest
{
public:
    explicit DesktopSessionEnd(QSessionManager &manager) : m_manager(manager) { }
    bool allowsInteraction() override { return m_manager.allowsInteraction(); }
    void cancel() override { m_manager.cancel(); }
    void release() override { m_manager.release(); }

private:
    QSessionManager &m_manager;
};
