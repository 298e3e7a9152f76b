#include "lockfileinstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QStandardPaths>

LockFileInstance::LockFileInstance(const QString &programFolder)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    const QByteArray key = QCryptographicHash::hash(QDir::cleanPath(programFolder).toUtf8(),
                                                    QCryptographicHash::Sha1)
                               .toHex()
                               .left(16);
    m_path = folder + QStringLiteral("/wuxo-") + QString::fromLatin1(key) + QStringLiteral(".lock");
}

bool LockFileInstance::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return true;
    m_lock = std::make_unique<QLockFile>(m_path);
    // Age alone never makes a lock stale: only a lock whose process is gone is.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}
