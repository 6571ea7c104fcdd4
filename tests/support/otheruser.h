#pragma once
// Runs the test helper (tests/helpers/otheruser.cpp) as another local user: an unused user
// id, reached through setpriv, which needs root. Where that cannot be done, unavailable()
// says why, for the test to skip.
//
// Whatever another user has to reach lives in a SharedTempDir, never under TMPDIR: that may
// be private (0700) or writable by its owner alone, as CI runners set it.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A temporary folder in the system's shared /tmp that every local user may pass through
// (mode 0711; 0755 with readable), removed with everything in it.
class SharedTempDir
{
public:
    explicit SharedTempDir(bool readable = false);
    bool isValid() const { return m_valid; }
    QString path() const { return m_dir.path(); }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_valid = false;
};

class OtherUser
{
public:
    OtherUser();
    QString unavailable() const { return m_why; }
    // Its user id, also its only group.
    uint uid() const { return m_uid; }
    // Runs a helper command to its end; its output, or "<failed>".
    QByteArray run(const QStringList& args);
    // Starts a command that holds what it made until its input closes; true once it is ready.
    bool start(QProcess& process, const QStringList& args);

private:
    // Its own folder, its only one to write in: its TMPDIR and HOME.
    QString folder() const { return m_dir.filePath(QStringLiteral("own")); }
    void prepare(QProcess& process, const QStringList& args) const;
    SharedTempDir m_dir{true};
    QString m_helper;
    QString m_setpriv;
    uint m_uid = 54321;
    QString m_why;
};
