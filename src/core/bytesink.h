#pragma once
// A block of bytes filled by plain copies and handed to a device when nearly full: the
// long exports put millions of short pieces together, and a QByteArray append per piece
// costs more than the copying itself.
#include <QByteArray>
#include <QIODevice>
#include <cstring>

class ByteSink
{
public:
    explicit ByteSink(QIODevice* device, int blockSize = 1 << 21)
        : m_device(device)
        , m_block(blockSize, Qt::Uninitialized)
        , m_end(blockSize)
    {
    }

    void append(const char* data, int size)
    {
        if (size <= 0) // an empty text may have no data at all
            return;
        if (size > m_end - m_used) {
            flush();
            if (size > m_end) {
                write(data, size);
                return;
            }
        }
        std::memcpy(m_block.data() + m_used, data, size_t(size));
        m_used += size;
    }
    void append(const QByteArray& bytes) { append(bytes.constData(), bytes.size()); }
    void append(char c)
    {
        if (m_used == m_end)
            flush();
        m_block.data()[m_used++] = c;
    }
    template <int N>
    void appendLiteral(const char (&text)[N])
    {
        append(text, N - 1);
    }
    void appendNumber(int value)
    {
        char digits[12];
        char* end = digits + sizeof digits;
        char* p = end;
        unsigned int v = value < 0 ? 0u - unsigned(value) : unsigned(value);
        do {
            *--p = char('0' + v % 10);
            v /= 10;
        } while (v);
        if (value < 0)
            *--p = '-';
        append(p, int(end - p));
    }

    // Hands what is collected to the device; false once any write has failed.
    bool flush()
    {
        if (m_used > 0)
            write(m_block.constData(), m_used);
        m_used = 0;
        return !m_failed;
    }
    bool hasError() const { return m_failed; }

private:
    void write(const char* data, int size)
    {
        if (!m_failed && m_device->write(data, size) != size)
            m_failed = true;
    }

    QIODevice* m_device;
    QByteArray m_block;
    int m_used = 0;
    int m_end;
    bool m_failed = false;
};
