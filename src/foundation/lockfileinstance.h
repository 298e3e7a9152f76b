#pragma once

#include "platform.h"

#include <QLockFile>

#include <memory>

// One running instance per user and program folder, held by a lock file in the
// user's runtime folder. A lock left behind by a crashed run is taken over.
class LockFileInstance : public InstanceLock
{
public:
    explicit LockFileInstance(const QString &programFolder);
    bool tryAcquire() override;

    QString lockFilePath() const { return m_path; }

private:
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};
