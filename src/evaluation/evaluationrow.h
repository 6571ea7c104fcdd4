#pragma once
// One line of a fulfilment report: a verdict word (the kind), a small index and a
// 14-byte payload whose meaning depends on the kind's family. A row holds no text; its
// texts are made when shown, from the row and a ReportContext.
#include "evaluation/reportcontext.h"

#include <QCoreApplication>
#include <QString>

class EvaluationTmp;
class QDataStream;

class EvaluationRow
{
    Q_DECLARE_TR_FUNCTIONS(EvaluationRow)
public:
    static constexpr int payloadSize = 14;
    static constexpr int streamSize = 20;
    // Payload byte 9 when bytes 10-13 hold the end of a window.
    static constexpr unsigned char windowEndMark = 150;
    // Display flags of point rows: leave out the time, show an interval.
    static constexpr quint32 flagNoTime = 0x00100000;
    static constexpr quint32 flagInterval = 0x00800000;

    EvaluationRow();

    quint32 word() const { return quint32(kind); }

    void setLogEvent(int index, const unsigned char raw[10]);
    void set(int index, quint32 kind);
    // The distinct logs of a flexible route's rounds; kind 1, index = their number.
    void setAffectedLogs(const EvaluationTmp& record);
    void setStartResult(int index, quint32 kind, int routeRow, const unsigned char time[payloadSize]);
    void setValue(quint32 kind, quint16 value);
    void setPayload(int index, quint32 kind, const unsigned char bytes[payloadSize]);

    // The route row of route rows, payload bytes 4-5 big-endian.
    int routeRow() const { return payload[4] << 8 | payload[5]; }

    // Empty strings for rows outside the text's family.
    QString logEventText(const ReportContext& context) const;
    QString windowText(const ReportContext& context) const;
    QString pointText(const ReportContext& context) const;

    bool operator==(const EvaluationRow& other) const;
    bool operator!=(const EvaluationRow& other) const { return !(*this == other); }

    qint32 kind;
    quint16 index;
    unsigned char payload[payloadSize];
};

QDataStream& operator<<(QDataStream& out, const EvaluationRow& row);
QDataStream& operator>>(QDataStream& in, EvaluationRow& row);
