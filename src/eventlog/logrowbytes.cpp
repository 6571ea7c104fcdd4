#include "eventlog/logrowbytes.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"

#include <QLocale>
#include <cstring>

namespace {

char* twoDigits(char* out, int value)
{
    out[0] = char('0' + value / 10);
    out[1] = char('0' + value % 10);
    return out + 2;
}

// H:mm:ss (hours without a leading zero, below 24).
char* clockText(char* out, int seconds)
{
    const int hours = seconds / 3600;
    if (hours >= 10)
        *out++ = char('0' + hours / 10);
    *out++ = char('0' + hours % 10);
    *out++ = ':';
    out = twoDigits(out, seconds / 60 % 60);
    *out++ = ':';
    return twoDigits(out, seconds % 60);
}

LogRowBytes::Text view(const QByteArray& bytes)
{
    return {bytes.constData(), bytes.size()};
}

} // namespace

LogRowBytes::LogRowBytes(const LogFilterProxyModel* proxy, const LogModel* log)
    : m_proxy(proxy)
    , m_log(log)
    , m_entries(log->entries())
    , m_context(LogEntryContext::fromSettings())
    // The proxy only filters, never sorts: with every row shown, rows are the log's rows.
    , m_identity(proxy->rowCount() == log->rowCount())
    , m_sameCode(proxy->isCheckpointFilterActive())
    , m_lateMarks(appSettings().flags & OptBackToBackSpecial)
    , m_followSeconds(QTime(0, 0).secsTo(appSettings().followTime))
    , m_longGap(markLongGap.toUtf8())
{
}

const LogRowBytes::DayInfo& LogRowBytes::day(const unsigned char* b)
{
    const quint16 key = quint16(b[0] << 8 | b[1]);
    if (m_lastDay && key == m_lastDayKey)
        return *m_lastDay;
    auto it = m_days.find(key);
    if (it == m_days.end()) {
        DayInfo info;
        const unsigned char midnight[4] = {b[0], b[1], 0, 0};
        QDate utcDate;
        QTime unusedTime;
        unpackDeviceStamp(midnight, utcDate, unusedTime);
        info.validDate = utcDate.isValid();
        info.julianDay = utcDate.toJulianDay();
        const QDateTime start = unpackDeviceTime(midnight);
        if (start.isValid()) {
            const QDateTime end(start.date(), QTime(23, 59, 59), start.timeSpec());
            if (start.offsetFromUtc() == end.offsetFromUtc())
                info.datePart =
                    (QLocale::system().toString(start.date(), QLocale::ShortFormat) + QLatin1Char(' ')).toUtf8();
        }
        it = m_days.insert(key, info);
    }
    m_lastDayKey = key;
    m_lastDay = &*it;
    return *it;
}

int LogRowBytes::stamp(const LogEntry& entry, bool second, char* out)
{
    const unsigned char* b = entry.bytes() + (second ? 5 : entry.isTouch() ? 0 : 1);
    const DayInfo& info = day(b);
    const int size = info.datePart.size();
    if (size == 0 || size + 8 > stampSize)
        return -1;
    const int seconds = qMin(b[2] << 8 | b[3], 43199) * 2;
    std::memcpy(out, info.datePart.constData(), size_t(size));
    char* p = twoDigits(out + size, seconds / 3600);
    *p++ = ':';
    p = twoDigits(p, seconds / 60 % 60);
    *p++ = ':';
    twoDigits(p, seconds % 60);
    return size + 8;
}

LogRowBytes::Text LogRowBytes::marker(int source, const LogEntry& entry)
{
    if (m_lateMarks && entry.isTouch()) {
        const int before = previousTouch(source);
        qint64 t0 = 0;
        qint64 t1 = 0;
        if (before >= 0) {
            if (wallSeconds(m_entries.at(before), t0) && wallSeconds(entry, t1)) {
                if (t1 - t0 > m_followSeconds)
                    return view(m_longGap);
            } else if (m_log->isLateEntry(source)) {
                return view(m_longGap);
            }
        }
    }
    const unsigned char kind = entry.kind();
    if (!m_markerKnown[kind]) {
        m_markers[kind] = entry.markerText().toUtf8();
        m_markerKnown[kind] = true;
    }
    return view(m_markers[kind]);
}

LogRowBytes::Text LogRowBytes::description(const LogEntry& entry)
{
    // The brief description depends on the code and the day of a touch, on the kind and
    // the repeat count of an event. Touches of one code mostly fall on the day before.
    const unsigned char* b = entry.bytes();
    quint64 code = 0;
    quint16 dayKey = 0;
    if (entry.isTouch()) {
        for (int i = 0; i < 6; ++i)
            code = code << 8 | b[LogEntry::codeOffset + i];
        dayKey = quint16(b[0] << 8 | b[1]);
    } else {
        code = quint64(1) << 63 | quint64(b[0]) << 8 | b[9];
    }
    CodeMemo& memo = m_lastOfCode[code];
    if (memo.known && memo.day == dayKey)
        return view(memo.text);
    const quint64 key = entry.isTouch() ? code << 16 | dayKey : code;
    auto it = m_descriptions.constFind(key);
    if (it == m_descriptions.constEnd())
        it = m_descriptions.insert(key, entry.description(true, m_context).toUtf8());
    memo.known = true;
    memo.day = dayKey;
    memo.text = *it;
    return view(memo.text);
}

bool LogRowBytes::wallSeconds(const LogEntry& entry, qint64& seconds)
{
    const unsigned char* b = entry.bytes() + (entry.isTouch() ? 0 : 1);
    const DayInfo& info = day(b);
    if (!info.validDate)
        return false;
    seconds = info.julianDay * 86400 + qMin(b[2] << 8 | b[3], 43199) * 2;
    return true;
}

int LogRowBytes::previousTouch(int source) const
{
    for (int r = source - 1; r >= 0; --r)
        if (m_entries.at(r).isTouch())
            return r;
    return -1;
}

LogRowBytes::Text LogRowBytes::elapsed(int source, const LogEntry& entry)
{
    if (!entry.isTouch())
        return Text();
    const int before = m_sameCode ? -1 : previousTouch(source);
    qint64 t0 = 0;
    qint64 t1 = 0;
    bool known = !m_sameCode && before >= 0;
    if (known) {
        if (before == m_lastTouch)
            t0 = m_lastTouchSeconds;
        else
            known = wallSeconds(m_entries.at(before), t0);
    }
    if (known && (known = wallSeconds(entry, t1))) {
        m_lastTouch = source;
        m_lastTouchSeconds = t1;
    }
    if (m_sameCode || (before >= 0 && !known)) {
        m_slowElapsed = m_log->elapsedText(source, m_sameCode).toUtf8();
        return view(m_slowElapsed);
    }
    if (before < 0 || t1 < t0)
        return Text();
    const qint64 s = t1 - t0;
    qint64 days = t1 / 86400 - t0 / 86400;
    if (t0 % 86400 > t1 % 86400)
        --days;
    if (days > 0) {
        m_slowElapsed = LogModel::tr("%n nap ", nullptr, int(days)).toUtf8();
        m_slowElapsed.append(m_elapsed, int(clockText(m_elapsed, int(s % 86400)) - m_elapsed));
        return view(m_slowElapsed);
    }
    return {m_elapsed, int(clockText(m_elapsed, int(s % 86400)) - m_elapsed)};
}

int LogRowBytes::fill(int proxyRow, Text texts[5])
{
    const int source = m_identity ? proxyRow : m_proxy->mapToSource(m_proxy->index(proxyRow, 0)).row();
    if (source < 0 || source >= m_entries.size()) {
        for (int i = 0; i < 5; ++i)
            texts[i] = Text();
        return source + 1;
    }
    const LogEntry& entry = m_entries.at(source);
    texts[0] = marker(source, entry);
    const int first = stamp(entry, false, m_first);
    if (first < 0)
        m_slowFirst = entry.dateTimeText().toUtf8();
    texts[1] = first < 0 ? view(m_slowFirst) : Text{m_first, first};
    if (entry.isTouch()) {
        const unsigned char* code = entry.codeBytes();
        for (int i = 0; i < 6; ++i) {
            m_code[2 * i] = char('A' + (code[i] >> 4));
            m_code[2 * i + 1] = char('A' + (code[i] & 15));
        }
        texts[2] = {m_code, 12};
    } else {
        const int second = stamp(entry, true, m_second);
        if (second < 0)
            m_slowSecond = entry.secondDateTimeText().toUtf8();
        texts[2] = second < 0 ? view(m_slowSecond) : Text{m_second, second};
    }
    texts[3] = description(entry);
    texts[4] = elapsed(source, entry);
    return source + 1;
}
