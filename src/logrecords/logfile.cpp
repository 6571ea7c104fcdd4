#include "logrecords/logfile.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/safesave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <type_traits>

// The records go to and from the file as the vector's own bytes.
static_assert(sizeof(LogEntry) == LogEntry::size, "LogEntry must be exactly its ten bytes");
static_assert(std::is_trivially_copyable<LogEntry>::value, "LogEntry is copied as raw bytes");

namespace LogFile {

namespace {

constexpr int recordSizeField = LogEntry::size;
constexpr int headerRestField = headerSize - 8;
constexpr unsigned char magic[3] = {0x13, 0xA9, 0x5E};
constexpr int nameSize = 8;
// Records read per chunk: a huge promised count costs nothing until the bytes arrive.
constexpr int chunkRecords = 65536;

quint16 le16(const unsigned char* p)
{
    return quint16(p[0] | (p[1] << 8));
}

void putLe16(unsigned char* p, unsigned v)
{
    p[0] = uchar(v & 0xFF);
    p[1] = uchar((v >> 8) & 0xFF);
}

} // namespace

ReadResult read(QIODevice& device)
{
    ReadResult result;
    unsigned char h[headerSize];
    if (device.read(reinterpret_cast<char*>(h), headerSize) != headerSize) {
        result.status = ReadStatus::ShortHeader;
        return result;
    }
    if (std::memcmp(h + 9, magic, sizeof magic) != 0 || le16(h + 4) != recordSizeField
        || le16(h + 6) != headerRestField) {
        result.status = ReadStatus::Damaged;
        return result;
    }
    const quint32 count = quint32(h[0]) | (quint32(h[1]) << 8) | (quint32(h[2]) << 16) | (quint32(h[3]) << 24);
    result.header.deviceType = h[8];
    result.header.ringIndex = le16(h + 12);
    result.header.deviceName = QString::fromUtf8(reinterpret_cast<const char*>(h + 14), nameSize);
    result.header.initDate = unpackDeviceTime(h + 22);
    result.header.secondHeaderTime = unpackDeviceTime(h + 26);

    // Never trust the count for memory: only what the device can still deliver is reserved.
    if (!device.isSequential()) {
        const qint64 available = qMax<qint64>(0, device.size() - device.pos()) / LogEntry::size;
        result.entries.reserve(int(qMin<qint64>(count, qMin<qint64>(available, INT_MAX / LogEntry::size))));
    }
    quint64 remaining = count;
    while (remaining > 0) {
        const int want = int(qMin<quint64>(remaining, chunkRecords));
        if (qint64(result.entries.size()) + want > INT_MAX / LogEntry::size)
            break;
        const int have = result.entries.size();
        result.entries.resize(have + want);
        char* dst = reinterpret_cast<char*>(result.entries.data() + have);
        const qint64 wanted = qint64(want) * LogEntry::size;
        qint64 got = 0;
        while (got < wanted) {
            const qint64 n = device.read(dst + got, wanted - got);
            if (n <= 0)
                break;
            got += n;
        }
        const int whole = int(got / LogEntry::size);
        result.entries.resize(have + whole);
        if (whole < want)
            break;
        remaining -= quint64(want);
    }
    result.entries.squeeze();
    result.status = remaining == 0 ? ReadStatus::Ok : ReadStatus::ShortData;
    return result;
}

bool write(QIODevice& device, const Header& header, const QVector<LogEntry>& entries)
{
    unsigned char h[headerSize] = {};
    const quint32 count = quint32(entries.size());
    for (int i = 0; i < 4; ++i)
        h[i] = uchar((count >> (8 * i)) & 0xFF);
    putLe16(h + 4, recordSizeField);
    putLe16(h + 6, headerRestField);
    h[8] = header.deviceType;
    std::memcpy(h + 9, magic, sizeof magic);
    putLe16(h + 12, header.ringIndex);
    toFixedBytes(header.deviceName, h + 14, nameSize);
    packDeviceTime(header.initDate, h + 22);
    packDeviceTime(header.secondHeaderTime, h + 26);
    if (device.write(reinterpret_cast<const char*>(h), headerSize) != headerSize)
        return false;
    const qint64 bytes = qint64(entries.size()) * LogEntry::size;
    return device.write(reinterpret_cast<const char*>(entries.constData()), bytes) == bytes;
}

QString canonicalDeviceName(const QString& name)
{
    unsigned char bytes[nameSize];
    toFixedBytes(name, bytes, nameSize);
    return QString::fromUtf8(reinterpret_cast<const char*>(bytes), nameSize);
}

QString fileNameForDevice(const QString& deviceName)
{
    static const QString refused = QStringLiteral("/\\:*?\"<>|");
    QString name = canonicalDeviceName(deviceName).trimmed();
    for (int i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.category() == QChar::Other_Control || c.isSurrogate() || refused.contains(c)
            || (c == QLatin1Char('.') && i == 0))
            name[i] = QLatin1Char('_');
    }
    // Device names Windows keeps for itself, whatever the extension.
    static const QStringList reserved = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                         QStringLiteral("NUL")};
    const QString upper = name.toUpper();
    const bool numbered = upper.size() == 4 && (upper.startsWith(QLatin1String("COM"))
                                                || upper.startsWith(QLatin1String("LPT")))
                          && upper.at(3).isDigit();
    if (name.isEmpty() || reserved.contains(upper) || numbered)
        name.prepend(QLatin1Char('_'));
    return name + QLatin1Char('.') + extEventLog;
}

QString existingName(const QString& dir, const QString& name)
{
    const QFileInfo exact(QDir(dir), name);
    const QString wanted = exact.fileName();
    // A folder is never a log, not even under the exact name.
    if (((exact.exists() || exact.isSymLink()) && !exact.isDir()) || wanted.isEmpty() || !name.endsWith(wanted))
        return name;
    const QString key = wanted.simplified();
    QStringList matches;
    const QStringList entries =
        exact.absoluteDir().entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::NoSort);
    for (const QString& entry : entries) {
        if (entry.simplified().compare(key, Qt::CaseInsensitive) == 0)
            matches.append(entry);
    }
    if (matches.isEmpty())
        return name;
    const QString chosen = *std::min_element(matches.cbegin(), matches.cend());
    return name.left(name.size() - wanted.size()) + chosen;
}

QString setAside(const QString& path)
{
    for (int n = 1; n < 1000; ++n) {
        const QString target = n == 1 ? QStringLiteral("%1.%2").arg(path, extBroken)
                                      : QStringLiteral("%1.%2.%3").arg(path, QString::number(n), extBroken);
        if (nameHeld(target))
            continue;
        // A name taken meanwhile is skipped too.
        if (renameToFreeName(path, target))
            return target;
        if (errno != EEXIST)
            return QString();
    }
    return QString();
}

} // namespace LogFile
