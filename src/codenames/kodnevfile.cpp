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

// Qt's 11-byte colour record: kind, alpha, three components and a padding word. Checked
// before it reaches a QColor, whose accessors assume a known kind and components in range:
// every kind QColor writes is taken back as written, anything else gives the fallback.
bool hueInRange(quint16 hue)
{
    return hue < 36000 || hue == 0xFFFF; // centidegrees, or none (achromatic)
}

bool finiteHalf(quint16 bits)
{
    return (bits & 0x7C00) != 0x7C00; // exponent all ones: infinite or not a number
}

QColor readColor(QDataStream& in, const QColor& fallback)
{
    qint8 kind = 0;
    quint16 word[5] = {};
    in >> kind;
    for (quint16& w : word)
        in >> w;
    if (in.status() != QDataStream::Ok)
        return fallback;
    bool sound = false;
    switch (kind) {
    case QColor::Rgb:
    case QColor::Cmyk:
        sound = true;
        break;
    case QColor::Hsv:
    case QColor::Hsl:
        sound = hueInRange(word[1]);
        break;
    case QColor::ExtendedRgb:
        sound = finiteHalf(word[0]) && finiteHalf(word[1]) && finiteHalf(word[2]) && finiteHalf(word[3]);
        break;
    default:
        break;
    }
    if (!sound)
        return fallback;
    QByteArray bytes;
    QDataStream copy(&bytes, QIODevice::WriteOnly);
    copy.setVersion(in.version());
    copy << kind;
    for (quint16 w : word)
        copy << w;
    QDataStream back(bytes);
    back.setVersion(in.version());
    QColor colour;
    back >> colour;
    return colour.isValid() ? colour : fallback;
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
        // Version 2 records are kept as stored, so that a save never deletes one; a
        // version-1 record without a usable name has nothing worth keeping.
        const int length = entry.datedName.name.size();
        if (!version2 && (length < 1 || length > DatedName::maxNameLength)) {
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
