#pragma once
// Another process holding a lease on a file (tests/helpers/leaseholder.cpp), as a file
// server does while a client has the file open: an open by anyone else breaks the lease,
// and the holder gives it up at once.
#include <QProcess>
#include <QString>

class LeaseHolder
{
public:
    enum Kind { Read, Write };
    // Returns once the lease is held, or not to be had (see unavailable()).
    LeaseHolder(const QString& path, Kind kind);
    ~LeaseHolder();
    LeaseHolder(const LeaseHolder&) = delete;
    LeaseHolder& operator=(const LeaseHolder&) = delete;

    // Why no lease is held; empty while one is.
    QString unavailable() const { return m_why; }
    // Whether an open broke the lease and the holder gave it up; waits a few seconds for it.
    bool givenUp();

private:
    QProcess m_process;
    QString m_why;
};
