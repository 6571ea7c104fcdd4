#include "logrecords/logentry.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QLocale>
#include <cstring>

static_assert(sizeof(LogEntry) == LogEntry::size, "a log entry is exactly its ten bytes");

namespace {

struct EventKindInfo {
    const QString* marker;
    const char* text;
    const QColor* color;
};

// Kinds 215 to 224 in order.
const EventKindInfo knownKinds[] = {
    {&markDeepDischarge, QT_TRANSLATE_NOOP("QObject", "akku töltés kezdés - MÉLYKISÜLÉS"), &colorDeepDischarge},
    {&markMoisture, QT_TRANSLATE_NOOP("QObject", "nedvesség detektálás vége - kezdete"), &colorMoisture},
    {&markCase, QT_TRANSLATE_NOOP("QObject", "burkolat zárás - nyitás"), &colorCase},
    {&markBattery, QT_TRANSLATE_NOOP("QObject", "telep jó - telep kimerült"), &colorBattery},
    {&markClockSet, QT_TRANSLATE_NOOP("QObject", "új idő - eredeti idő"), &colorClockSet},
    {&markReadOut, QT_TRANSLATE_NOOP("QObject", "kiolvasva - előző kiolvasás"), &colorReadOut},
    {&markDataGap, QT_TRANSLATE_NOOP("QObject", "nincs adat eddig - ettől"), &colorDataGap},
    {&markArchived, QT_TRANSLATE_NOOP("QObject", "archiválva ettől - eddig"), &colorArchived},
    {&markInitialised, QT_TRANSLATE_NOOP("QObject", "inicializálva - előzőleg"), &colorInitialised},
    {&markForeignInit, QT_TRANSLATE_NOOP("QObject", "más készülék! inicializálva - eredeti inic."), &colorForeignInit},
};
const char* const notInterpretableText = QT_TRANSLATE_NOOP("QObject", "  *** Nem értelmezhető bejegyzés ***");

const EventKindInfo* kindInfo(unsigned char kind)
{
    if (kind < KindDeepDischarge || kind >= KindFirstUnknown)
        return nullptr;
    return &knownKinds[kind - KindDeepDischarge];
}

QString stampText(const unsigned char* packed)
{
    QDate date;
    QTime time;
    unpackDeviceStamp(packed, date, time);
    return LogEntry::dateTimeText(date, time);
}

} // namespace

LogEntryContext LogEntryContext::fromSettings()
{
    const Settings& settings = appSettings();
    return {settings.kodNevModel, settings.flags};
}

LogEntry::LogEntry()
{
    clear();
}

void LogEntry::clear()
{
    std::memset(m_bytes, 0xFF, size);
}

void LogEntry::setBytes(const unsigned char* raw)
{
    std::memcpy(m_bytes, raw, size);
}

QDateTime LogEntry::dateTime() const
{
    return unpackDeviceTime(isTouch() ? m_bytes : m_bytes + 1);
}

QDateTime LogEntry::wallClock() const
{
    return unpackDeviceWallClock(isTouch() ? m_bytes : m_bytes + 1);
}

QDateTime LogEntry::secondDateTime() const
{
    return unpackDeviceTime(m_bytes + 5);
}

QDateTime LogEntry::sortDateTime() const
{
    return kind() == KindArchived ? secondDateTime() : dateTime();
}

QDateTime LogEntry::copyWithDateTime(unsigned char* out) const
{
    std::memcpy(out, m_bytes, size);
    return dateTime();
}

void LogEntry::firstStamp(QDate& date, QTime& time) const
{
    unpackDeviceStamp(isTouch() ? m_bytes : m_bytes + 1, date, time);
}

QDate LogEntry::date() const
{
    QDate date;
    QTime time;
    firstStamp(date, time);
    return date;
}

QString LogEntry::dateTimeText() const
{
    return stampText(isTouch() ? m_bytes : m_bytes + 1);
}

QString LogEntry::secondDateTimeText() const
{
    return stampText(m_bytes + 5);
}

QString LogEntry::dateTimeText(const QDate& date, const QTime& time)
{
    return QStringLiteral("%1 %2").arg(QLocale::system().toString(date, QLocale::ShortFormat),
                                       time.toString(QStringLiteral("HH:mm:ss")));
}

QString LogEntry::markerText() const
{
    if (isTouch())
        return markTouch;
    const EventKindInfo* info = kindInfo(kind());
    return info ? *info->marker : markUnknown;
}

QString LogEntry::codeText() const
{
    return isTouch() ? codeToLetters(codeBytes()) : secondDateTimeText();
}

int LogEntry::validNameRow(const KodNevModel* names) const
{
    if (!names)
        return -1;
    KodNev key;
    key.setCodeBytes(codeBytes());
    key.datedName.setDate(date());
    return names->findValidAt(key);
}

QString LogEntry::description(bool brief, const LogEntryContext& context) const
{
    if (isTouch()) {
        const int row = validNameRow(context.names);
        if (row >= 0)
            return context.names->entryAt(row).datedName.name;
        return (!(context.flags & OptPointCode) && !brief) ? codeText() : QString();
    }
    if (!kindInfo(kind()))
        return QCoreApplication::translate("QObject", notInterpretableText);
    const QString suffix = m_bytes[9] ? QStringLiteral("  (%1x)").arg(int(m_bytes[9]) + 1) : QString();
    const QString prefix =
        ((context.flags & OptPointCode) || brief) ? QString() : secondDateTimeText() + QStringLiteral("  ");
    return prefix + QCoreApplication::translate("QObject", knownKinds[kind() - KindDeepDischarge].text) + suffix;
}

QString LogEntry::lineText(const LogEntryContext& context) const
{
    return QStringLiteral("%1 %2   %3   %4")
        .arg(markerText(), dateTimeText(), codeText(), description(true, context));
}

QColor LogEntry::backgroundColor(const LogEntryContext& context) const
{
    if ((context.flags & OptColorHighlight) && isTouch()) {
        const int row = validNameRow(context.names);
        if (row >= 0)
            return context.names->entryAt(row).backgroundColor;
    }
    return defaultBackColor;
}

QColor LogEntry::foregroundColor(const LogEntryContext& context) const
{
    if (!(context.flags & OptColorHighlight))
        return defaultTextColor;
    if (isTouch()) {
        const int row = validNameRow(context.names);
        return row >= 0 ? context.names->entryAt(row).foregroundColor : defaultTextColor;
    }
    const EventKindInfo* info = kindInfo(kind());
    return info ? *info->color : defaultTextColor;
}

bool LogEntry::isNamed(const LogEntryContext& context) const
{
    if (!context.names)
        return false;
    KodNev key;
    key.setCodeBytes(codeBytes());
    key.datedName.setDate(minValidDate);
    return context.names->findCode(key) >= 0;
}

bool LogEntry::operator==(const LogEntry& other) const
{
    if (m_bytes[0] != other.m_bytes[0])
        return false;
    if (m_bytes[0] >= KindFirstEvent && m_bytes[0] < KindReadOut)
        return std::memcmp(m_bytes + 5, other.m_bytes + 5, 4) == 0;
    return std::memcmp(m_bytes + 1, other.m_bytes + 1, size - 1) == 0;
}

void LogEntry::makeProgramEntry(const QDateTime& first, const QDateTime& second, const unsigned char& kind)
{
    m_bytes[0] = kind;
    packDeviceTime(first, m_bytes + 1);
    packDeviceTime(second, m_bytes + 5);
    m_bytes[9] = 0;
}

QDataStream& operator<<(QDataStream& out, const LogEntry& e)
{
    for (int i = 0; i < LogEntry::size; ++i)
        out << static_cast<qint8>(e.byte(i));
    return out;
}

QDataStream& operator>>(QDataStream& in, LogEntry& e)
{
    unsigned char raw[LogEntry::size];
    for (unsigned char& b : raw) {
        qint8 v = 0;
        in >> v;
        b = static_cast<unsigned char>(v);
    }
    e.setBytes(raw);
    return in;
}
