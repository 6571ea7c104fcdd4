#pragma once
// A watchdog for a step that might hang in opening a FIFO. It runs on its own thread, since a
// hang blocks the event loop. When the step takes too long, it notes the hang and opens the
// FIFO for reading and writing now and then, which lets a reader or writer stuck in open()
// go on; a process still stuck long after is stopped.
#include <QByteArray>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

class HangWatchdog
{
public:
    explicit HangWatchdog(const QString& fifo);
    ~HangWatchdog();
    HangWatchdog(const HangWatchdog&) = delete;
    HangWatchdog& operator=(const HangWatchdog&) = delete;

    bool fired() const { return m_fired; }

private:
    void run();

    QByteArray m_fifo;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_fired{false};
    std::thread m_thread; // last: starts once the rest is built
};
