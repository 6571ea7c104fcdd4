#include "device/intelhex.h"

#include <QBitArray>

namespace IntelHex {
namespace {

constexpr int maxLineLength = 48;
constexpr int extendedShort = 0x00F0;
constexpr int extendedLong = 0x00FF;
constexpr int longBase = 0xFC00;

void appendRecord(QByteArray& out, int address, int type, const QByteArray& data)
{
    QByteArray record;
    record.append(char(data.size()));
    record.append(char(address >> 8));
    record.append(char(address & 0xFF));
    record.append(char(type));
    record.append(data);
    unsigned sum = 0;
    for (char c : record)
        sum += static_cast<unsigned char>(c);
    record.append(char((0x100 - (sum & 0xFF)) & 0xFF));
    out += ':' + record.toHex().toUpper() + "\r\n";
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// The bytes of a record line after ':', or empty when a character is not a hex digit.
QByteArray decodePairs(const QByteArray& line)
{
    QByteArray bytes;
    bytes.reserve(line.size() / 2);
    for (int i = 1; i + 1 < line.size(); i += 2) {
        const int hi = hexDigit(line[i]);
        const int lo = hexDigit(line[i + 1]);
        if (hi < 0 || lo < 0)
            return QByteArray();
        bytes.append(char(hi << 4 | lo));
    }
    return bytes;
}

} // namespace

QByteArray write(const QByteArray& image)
{
    QByteArray out;
    if (image.size() == 128) {
        appendRecord(out, 0, 4, QByteArray::fromHex("00F0"));
        for (int a = 0; a < 128; a += 16)
            appendRecord(out, a, 0, image.mid(a, 16));
    } else if (image.size() == imageSize) {
        appendRecord(out, 0, 4, QByteArray::fromHex("00FF"));
        for (int m = 0; m < imageSize; m += 8) {
            QByteArray data;
            for (int g = 0; g < 8; g += 2)
                data += image.mid(m + g, 2) + QByteArray(2, '\0');
            appendRecord(out, longBase + 2 * m, 0, data);
        }
    } else {
        return QByteArray();
    }
    out += ":00000001FF\r\n";
    return out;
}

Image read(const QByteArray& text)
{
    Image result;
    QBitArray set(imageSize);
    auto place = [&](int index, char value) {
        if (index < 0 || index >= imageSize)
            return;
        result.bytes[index] = value;
        if (!set.testBit(index)) {
            set.setBit(index);
            ++result.supplied;
        }
    };

    int extended = 0;
    int pos = 0;
    while (pos < text.size()) {
        // A line is at most 48 characters; a longer one is taken in pieces.
        int end = text.indexOf('\n', pos);
        end = end < 0 ? text.size() : end + 1;
        end = qMin(end, pos + maxLineLength);
        QByteArray line = text.mid(pos, end - pos);
        pos = end;
        while (!line.isEmpty() && (line.endsWith('\n') || line.endsWith('\r')))
            line.chop(1);

        if (line.size() < 11 || line[0] != ':')
            continue;
        const QByteArray bytes = decodePairs(line);
        if (bytes.isEmpty() || line.size() % 2 == 0)
            continue;
        unsigned sum = 0;
        for (char c : bytes)
            sum += static_cast<unsigned char>(c);
        const int count = static_cast<unsigned char>(bytes[0]);
        if ((sum & 0xFF) != 0 || line.size() != 2 * count + 11)
            continue;

        const int address = static_cast<unsigned char>(bytes[1]) << 8 | static_cast<unsigned char>(bytes[2]);
        const int type = static_cast<unsigned char>(bytes[3]);
        const QByteArray data = bytes.mid(4, count);
        if (type == 1)
            break;
        if (type == 4) {
            if (count >= 2)
                extended = static_cast<unsigned char>(data[0]) << 8 | static_cast<unsigned char>(data[1]);
            continue;
        }
        if (type != 0)
            continue;
        if (extended == extendedShort) {
            for (int i = 0; i < count; ++i)
                place(address + i, data[i]);
        } else if (extended == extendedLong) {
            for (int g = 0; g + 1 < count; g += 4) {
                const int offset = address + g - longBase;
                // Addresses below the base would round toward index 0.
                if (offset < 0)
                    continue;
                place(offset / 2, data[g]);
                place(offset / 2 + 1, data[g + 1]);
            }
        }
    }
    return result;
}

} // namespace IntelHex
