#include "evaluation/evaluationrow.h"

#include "codenames/kodnevmodel.h"
#include "core/helpers.h"
#include "evaluation/evaluationtmp.h"

#include <QDataStream>
#include <cstring>

namespace {

QString dateText(const QDateTime& t, const ReportContext& context)
{
    return context.locale.toString(t.date(), QLocale::ShortFormat);
}

QString dateAndMinute(const unsigned char* packed, const ReportContext& context)
{
    const QDateTime t = unpackReportTime(packed, context.century);
    return QStringLiteral("%1 %2").arg(dateText(t, context), t.time().toString(QStringLiteral("hh:mm")));
}

} // namespace

EvaluationRow::EvaluationRow() : kind(qint32(0x800003FF)), index(0)
{
    std::memset(payload, 0, payloadSize);
}

void EvaluationRow::setLogEvent(int idx, const unsigned char raw[10])
{
    kind = qint32(0x80000001);
    index = quint16(idx & 0x7FFF);
    std::memcpy(payload, raw, 10);
}

void EvaluationRow::set(int idx, quint32 k)
{
    kind = qint32(k);
    index = quint16(idx & 0x7FFF);
    std::memset(payload, 0, payloadSize);
}

void EvaluationRow::setAffectedLogs(const EvaluationTmp& record)
{
    kind = 1;
    index = quint16(record.roundLogs(payload) & 0x7FFF);
}

void EvaluationRow::setStartResult(int idx, quint32 k, int route, const unsigned char time[payloadSize])
{
    kind = qint32(k);
    index = quint16(idx & 0x7FFF);
    std::memcpy(payload, time, 4);
    payload[4] = uchar(route >> 8);
    payload[5] = uchar(route & 0xFF);
    std::memcpy(payload + 9, time + 9, 5);
}

void EvaluationRow::setValue(quint32 k, quint16 value)
{
    kind = qint32(k);
    std::memset(payload, 0, payloadSize);
    payload[4] = uchar(value >> 8);
    payload[5] = uchar(value & 0xFF);
}

void EvaluationRow::setPayload(int idx, quint32 k, const unsigned char bytes[payloadSize])
{
    kind = qint32(k);
    index = quint16(idx & 0x7FFF);
    std::memcpy(payload, bytes, payloadSize);
}

QString EvaluationRow::logEventText(const ReportContext& context) const
{
    if (word() != 0x80000001)
        return QString();
    const QDateTime t = unpackReportTime(payload + 1, context.century);
    QString name;
    switch (payload[0]) {
    case 215: name = tr("akku töltés kezdés"); break;
    case 216: name = tr("nedvesség detektálás vége"); break;
    case 217: name = tr("burkolat zárás"); break;
    case 218: name = tr("akku feltöltve"); break;
    case 219: name = tr("óra átállítás"); break;
    case 220: name = tr("kiolvasva"); break;
    case 221: name = tr("nincs adat eddig"); break;
    case 222: name = tr("archiválva ettől"); break;
    case 223: name = tr("inicializálva"); break;
    default: name = QStringLiteral("????????????"); break;
    }
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(dateText(t, context), t.time().toString(QStringLiteral("HH:mm:ss")), name);
}

QString EvaluationRow::windowText(const ReportContext& context) const
{
    if (!(word() & 0x40000000))
        return QString();
    QString text = dateAndMinute(payload, context);
    if (payload[9] == windowEndMark)
        text += QStringLiteral(" - %1 ").arg(dateAndMinute(payload + 10, context));
    return text;
}

QString EvaluationRow::pointText(const ReportContext& context) const
{
    const quint32 k = word();
    if (!(k & 0x20000000) && (k & 0xFF7003FF) != 0x0E0003FF)
        return QString();
    QString timePart = dateAndMinute(payload, context);
    if (k & flagInterval)
        timePart += QStringLiteral(" - %1 ").arg(dateAndMinute(payload + 10, context));

    const unsigned char* code = payload + 4;
    QString namePart = codeToLetters(code);
    if (context.names) {
        KodNev key;
        key.setCodeBytes(code);
        key.datedName.setDate(unpackReportTime(payload, context.century).date());
        const int row = context.names->findValidAt(key);
        if (row >= 0) {
            const QString name = context.names->entryAt(row).datedName.name;
            namePart = context.showCodes ? QStringLiteral("\"%1\" %2").arg(name, namePart)
                                         : QStringLiteral("\"%1\"").arg(name);
        }
    }
    if (k & flagNoTime)
        return QStringLiteral("  %1 ").arg(namePart);
    return QStringLiteral("  %1 %2 ").arg(namePart, timePart);
}

bool EvaluationRow::operator==(const EvaluationRow& other) const
{
    return kind == other.kind && index == other.index && std::memcmp(payload, other.payload, payloadSize) == 0;
}

QDataStream& operator<<(QDataStream& out, const EvaluationRow& row)
{
    out << row.kind << qint16(row.index);
    for (unsigned char b : row.payload)
        out << qint8(b);
    return out;
}

QDataStream& operator>>(QDataStream& in, EvaluationRow& row)
{
    qint16 index = 0;
    in >> row.kind >> index;
    row.index = quint16(index);
    for (unsigned char& b : row.payload) {
        qint8 v = 0;
        in >> v;
        b = uchar(v);
    }
    return in;
}
