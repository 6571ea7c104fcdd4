#include "evaluation/evaluationreport.h"

#include <QDataStream>
#include <QIODevice>

namespace ReportFile {

namespace {

qint64 bytesLeft(const QDataStream& in)
{
    return in.device()->bytesAvailable();
}

// QDataStream's string form, with the length checked against what is left.
bool readString(QDataStream& in, QString& out)
{
    if (bytesLeft(in) < 4)
        return false;
    quint32 length = 0;
    in >> length;
    if (length == 0xffffffff) {
        out = QString();
        return in.status() == QDataStream::Ok;
    }
    if ((length & 1) || qint64(length) > bytesLeft(in))
        return false;
    QByteArray bytes(int(length), Qt::Uninitialized);
    if (in.readRawData(bytes.data(), int(length)) != int(length))
        return false;
    QString s = QLatin1String(""); // empty, not null: the two are stored differently
    s.resize(int(length / 2));
    for (int i = 0; i < s.size(); ++i)
        s[i] = QChar(ushort(uchar(bytes.at(2 * i)) << 8 | uchar(bytes.at(2 * i + 1))));
    out = s;
    return true;
}

bool readStringList(QDataStream& in, QStringList& out)
{
    if (bytesLeft(in) < 4)
        return false;
    quint32 count = 0;
    in >> count;
    // Every string takes at least its 4-byte length.
    if (in.status() != QDataStream::Ok || qint64(count) * 4 > bytesLeft(in))
        return false;
    QStringList list;
    list.reserve(int(count));
    for (quint32 i = 0; i < count; ++i) {
        QString s;
        if (!readString(in, s))
            return false;
        list.append(s);
    }
    out = list;
    return true;
}

} // namespace

ReadStatus read(QIODevice& device, EvaluationReport& report)
{
    QDataStream in(&device);
    if (device.bytesAvailable() < 4)
        return ReadStatus::BadMagic;
    quint32 m = 0;
    in >> m;
    if (in.status() != QDataStream::Ok || m != magic)
        return ReadStatus::BadMagic;
    in.setVersion(streamVersion);

    EvaluationReport r;
    if (!readString(in, r.title))
        return ReadStatus::Damaged;
    if (bytesLeft(in) < 9 + 4)
        return ReadStatus::Damaged;
    in >> r.baseTime >> r.mode;
    if (in.status() != QDataStream::Ok)
        return ReadStatus::Damaged;
    if (!readStringList(in, r.logNames) || !readStringList(in, r.routeNames))
        return ReadStatus::Damaged;
    if (bytesLeft(in) < 4)
        return ReadStatus::Damaged;
    quint32 count = 0;
    in >> count;
    if (in.status() != QDataStream::Ok || qint64(count) * EvaluationRow::streamSize > bytesLeft(in))
        return ReadStatus::Damaged;
    r.rows.resize(int(count));
    for (EvaluationRow& row : r.rows)
        in >> row;
    if (in.status() != QDataStream::Ok)
        return ReadStatus::Damaged;
    report = r;
    return ReadStatus::Ok;
}

bool write(QIODevice& device, const EvaluationReport& report)
{
    QDataStream out(&device);
    out << magic;
    out.setVersion(streamVersion);
    out << report.title << report.baseTime << report.mode << report.logNames << report.routeNames
        << quint32(report.rows.size());
    for (const EvaluationRow& row : report.rows)
        out << row;
    return out.status() == QDataStream::Ok;
}

} // namespace ReportFile
