#include "support/failingdevice.h"

#include <QtGlobal>
#include <cstring>

FailingDevice::FailingDevice(Failing failing, qint64 limit, const QByteArray& content)
    : m_failing(failing), m_limit(limit), m_data(failing == Reads ? content : QByteArray())
{
}

bool FailingDevice::open(OpenMode mode)
{
    // Unbuffered, so every read reaches readData and the limit falls exactly where it is set.
    m_offset = 0;
    m_failed = false;
    if (m_failing == Writes)
        m_data.clear();
    return QIODevice::open(mode | Unbuffered);
}

bool FailingDevice::seek(qint64 pos)
{
    if (!QIODevice::seek(pos))
        return false;
    m_offset = pos;
    return true;
}

qint64 FailingDevice::size() const
{
    return m_data.size();
}

qint64 FailingDevice::readData(char* data, qint64 maxSize)
{
    if (m_failing == Reads && m_offset >= m_limit && m_offset < m_data.size()) {
        m_failed = true;
        setErrorString(QStringLiteral("simulated read failure"));
        return -1;
    }
    qint64 end = qMin<qint64>(m_offset + maxSize, m_data.size());
    if (m_failing == Reads && end > m_limit) {
        end = m_limit;
        m_failed = true;
    }
    const qint64 n = qMax<qint64>(0, end - m_offset);
    if (n > 0)
        std::memcpy(data, m_data.constData() + m_offset, size_t(n));
    m_offset += n;
    return n;
}

qint64 FailingDevice::writeData(const char* data, qint64 size)
{
    if (m_failing == Reads) {
        setErrorString(QStringLiteral("read-only device"));
        return -1;
    }
    const qint64 room = qMax<qint64>(0, m_limit - m_offset);
    const qint64 n = qMin(size, room);
    if (n < size)
        m_failed = true;
    if (n == 0 && size > 0) {
        setErrorString(QStringLiteral("simulated write failure"));
        return -1;
    }
    if (m_offset + n > m_data.size())
        m_data.resize(int(m_offset + n));
    std::memcpy(m_data.data() + m_offset, data, size_t(n));
    m_offset += n;
    return n;
}
