#pragma once
// Per-test isolation: a fresh temporary settings store and working directory, and the
// application's options reset to their defaults with workDir pointing into the temp dir.
#include <QString>
#include <QTemporaryDir>

class TestEnv
{
public:
    TestEnv();
    ~TestEnv();
    TestEnv(const TestEnv&) = delete;
    TestEnv& operator=(const TestEnv&) = delete;

    QString root() const { return m_dir.path(); }
    QString workDir() const; // also the process's current directory
    QString settingsDir() const;
    QString path(const QString& name) const; // a file inside workDir

private:
    QTemporaryDir m_dir;
    QString m_oldCurrent;
};
