#pragma once
// Byte helpers shared by the simulated logger's parts (state, driver, protocol).
#include <QByteArray>
#include <QString>

namespace SimBytes {

inline QString hex(quint8 b)
{
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}

// Blank-padded or cut to size bytes.
inline QByteArray padded(const QByteArray& text, int size)
{
    QByteArray out = text.left(size);
    while (out.size() < size)
        out.append(' ');
    return out;
}

inline void putLe16(QByteArray& bytes, int at, int value)
{
    bytes[at] = char(value & 0xFF);
    bytes[at + 1] = char((value >> 8) & 0xFF);
}

inline int le16(const QByteArray& bytes, int at)
{
    return quint8(bytes[at]) | (quint8(bytes[at + 1]) << 8);
}

} // namespace SimBytes
