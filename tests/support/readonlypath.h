#pragma once

#include <QFileDevice>
#include <QString>

// Makes a file or folder refuse every write for as long as it lives, whoever runs
// the test. For an ordinary user the write bits go; root ignores those, so for
// root the path is bind-mounted read-only over itself, inside a mount namespace
// of the test process's own that vanishes with the process.
// A test checks isReadOnly() before relying on it: it never skips.
class ReadOnlyPath
{
public:
    explicit ReadOnlyPath(const QString &path);
    ~ReadOnlyPath();
    ReadOnlyPath(const ReadOnlyPath &) = delete;
    ReadOnlyPath &operator=(const ReadOnlyPath &) = delete;

    bool isReadOnly() const { return m_error.isEmpty(); }
    // Why the path could not be made read-only.
    QString error() const { return m_error; }

private:
    QString m_path;
    QString m_error;
    bool m_mounted = false;
    QFileDevice::Permissions m_permissions;
};
