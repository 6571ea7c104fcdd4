#include "codenames/kodnevfile.h"

#include "core/constants.h"

#include <QDataStream>
#include <QIODevice>

namespace KodNevFile {
namespace {

constexpr int recordStreamVersion = QDataStream::Qt_4_6;
// Smallest records: 6 code bytes, an empty string (4) and a date (4); version 2 adds
// two colours of 11 bytes each.
constexpr qint64 minRecordSizeV1 = 6 + 4 + 4;
constexpr qint64 minRecordSizeV2 = minRecordSizeV1 + 2 * 11;

// Read by hand: an unknown colour kind must never reach a QColor, whose accessors
// assume a valid kind. Only the RGB colours this program writes are taken.
QColor readColor(QDataStream& in, const QColor& fallback)
{
    qint8 colourKind = 0;
    quint16 alpha = 0, red = 0, green = 0, blue = 0, pad = 0;
    in >> colourKind >> alpha >> red >> green >> blue >> pad;
    if (colourKind != QColor::Rgb)
        return fallback;
    return QColor::fromRgba64(red, green, blue, alpha);
}

// A fresh entry per record, so a bad field can never carry the previous record's value.
bool readRecord(QDataStream& in, bool version2, KodNev& out)
{
    out = KodNev();
    unsigned char code[KodNev::codeSize];
    for (unsigned char& b : code) {
        qint8 v = 0;
        in >> v;
        b = static_cast<unsigned char>(v);
    }
    out.setCodeBytes(code);
    DatedName raw;
    in >> raw;
    out.datedName.name = raw.name; // its length is checked by the caller
    if (!out.datedName.setDate(raw.validFrom))
        out.datedName.validFrom = minValidDate;
    if (version2) {
        out.foregroundColor = readColor(in, defaultTextColor);
        out.backgroundColor = readColor(in, defaultBackColor);
    }
    return in.status() == QDataStream::Ok;
}

} // namespace

ReadResult read(QIODevice& device)
{
    ReadResult result;
    QDataStream in(&device);
    qint32 magic = 0;
    in >> magic;
    if (in.status() != QDataStream::Ok || (magic != magicVersion1 && magic != magicVersion2)) {
        result.status = ReadStatus::BadMagic;
        return result;
    }
    const bool version2 = magic == magicVersion2;
    in.setVersion(recordStreamVersion);
    qint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || count < 0)
        return result;
    // A count the remaining bytes cannot hold is damage, not a reason to loop.
    const qint64 left = device.bytesAvailable();
    if (count > left / (version2 ? minRecordSizeV2 : minRecordSizeV1))
        return result;
    QList<KodNev> records;
    records.reserve(count);
    for (qint32 i = 0; i < count; ++i) {
        KodNev entry;
        if (!readRecord(in, version2, entry))
            return result;
        const int length = entry.datedName.name.size();
        if (length < 1 || length > DatedName::maxNameLength) {
            ++result.skipped;
            continue;
        }
        records.append(entry);
    }
    result.records = records;
    result.status = ReadStatus::Ok;
    return result;
}

bool write(QIODevice& device, const QList<KodNev>& entries)
{
    QDataStream out(&device);
    out << magicVersion2;
    out.setVersion(recordStreamVersion);
    out << static_cast<qint32>(entries.size());
    for (const KodNev& e : entries)
        out << e;
    return out.status() == QDataStream::Ok;
}

} // namespace KodNevFile
