#include "readonlypath.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QString systemError(const char *what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what),
                                        QString::fromLocal8Bit(std::strerror(errno)));
}

// Moves the process into a mount namespace of its own, once, so that its mounts
// are never seen outside and end with it.
QString enterPrivateMounts()
{
    static const QString error = [] {
        if (unshare(CLONE_NEWNS) != 0)
            return systemError("unshare(CLONE_NEWNS)");
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return systemError("making / private");
        return QString();
    }();
    return error;
}

} // namespace

ReadOnlyPath::ReadOnlyPath(const QString &path)
    : m_path(path), m_permissions(QFile::permissions(path))
{
    if (!QFile::exists(path)) {
        m_error = QStringLiteral("%1 does not exist").arg(path);
        return;
    }
    if (geteuid() != 0) {
        constexpr QFileDevice::Permissions writeBits = QFileDevice::WriteOwner
            | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;
        if (!QFile::setPermissions(path, m_permissions & ~writeBits))
            m_error = QStringLiteral("cannot take the write bits off %1").arg(path);
        return;
    }
    m_error = enterPrivateMounts();
    if (!m_error.isEmpty())
        return;
    const QByteArray target = QFile::encodeName(path);
    if (mount(target.constData(), target.constData(), nullptr, MS_BIND, nullptr) != 0) {
        m_error = systemError("bind mount");
        return;
    }
    m_mounted = true;
    if (mount(nullptr, target.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        m_error = systemError("read-only remount");
}

ReadOnlyPath::~ReadOnlyPath()
{
    if (m_mounted)
        umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    else if (geteuid() != 0)
        QFile::setPermissions(m_path, m_permissions);
}
