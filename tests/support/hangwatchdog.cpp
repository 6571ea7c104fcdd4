#include "support/hangwatchdog.h"

#include <QFile>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

HangWatchdog::HangWatchdog(const QString& fifo) : m_fifo(QFile::encodeName(fifo)), m_thread([this] { run(); }) {}

HangWatchdog::~HangWatchdog()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_done = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void HangWatchdog::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (int round = 0; !m_wake.wait_for(lock, std::chrono::seconds(5), [this] { return m_done; }); ++round) {
        if (!m_fired)
            std::fprintf(stderr, "hangs opening %s\n", m_fifo.constData());
        m_fired = true;
        // A writer let go meets a pipe nobody reads: it gets EPIPE rather than being killed.
        std::signal(SIGPIPE, SIG_IGN);
        const int fd = ::open(m_fifo.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            ::close(fd);
        if (round == 20) {
            std::fprintf(stderr, "hung for good opening %s\n", m_fifo.constData());
            std::abort();
        }
    }
}
