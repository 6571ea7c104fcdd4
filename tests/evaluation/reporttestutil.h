#pragma once
// Shared helpers of the report tests: packed times, codes and a fixed text context.
#include "codenames/kodnevmodel.h"
#include "core/helpers.h"
#include "evaluation/evaluationreport.h"
#include "evaluation/evaluationrow.h"
#include "evaluation/reportcontext.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <cstring>

namespace ReportTest {

inline QByteArray packed(const QDateTime& t)
{
    unsigned char b[4];
    packDeviceTime(t, b);
    return QByteArray(reinterpret_cast<const char*>(b), 4);
}

inline QByteArray packed(int y, int mo, int d, int h, int mi)
{
    return packed(QDateTime(QDate(y, mo, d), QTime(h, mi)));
}

inline QByteArray code(const QString& letters)
{
    KodNev k;
    k.setCode(letters);
    return QByteArray(reinterpret_cast<const char*>(k.code), 6);
}

// A 14-byte payload from parts placed at offsets.
inline QByteArray payload(std::initializer_list<std::pair<int, QByteArray>> parts)
{
    QByteArray p(14, '\0');
    for (const auto& part : parts)
        p.replace(part.first, part.second.size(), part.second);
    return p;
}

inline EvaluationRow row(quint32 kind, int index, const QByteArray& bytes)
{
    EvaluationRow r;
    r.setPayload(index, kind, reinterpret_cast<const unsigned char*>(bytes.leftJustified(14, '\0').constData()));
    return r;
}

// A report of n rows; row i names log "N<i+1>", so each row's text is its own.
inline EvaluationReport numberedReport(int n)
{
    EvaluationReport report;
    report.title = QStringLiteral("terv_2024-03-05");
    report.baseTime = QDateTime(QDate(2024, 3, 5), QTime(6, 0));
    report.mode = ReportNormal;
    for (int i = 0; i < n; ++i) {
        report.logNames << QStringLiteral("N%1").arg(i + 1);
        report.rows << row(1, 1, QByteArray(1, char(i)));
    }
    return report;
}

// Names: "Kapu" for ...AB from 2024-01-01, "Régi kapu" for it before that; "Hátsó" for ...AC.
inline QList<KodNev> namedPoints()
{
    QList<KodNev> list;
    KodNev a;
    a.set(QStringLiteral("AAAAAAAAAAAB"), QStringLiteral("Régi kapu"), QDate(2020, 1, 1), Qt::white, Qt::black);
    list.append(a);
    a.set(QStringLiteral("AAAAAAAAAAAB"), QStringLiteral("Kapu"), QDate(2024, 1, 1), Qt::white, Qt::black);
    list.append(a);
    a.set(QStringLiteral("AAAAAAAAAAAC"), QStringLiteral("Hátsó"), QDate(2020, 1, 1), Qt::white, Qt::black);
    list.append(a);
    return list;
}

inline ReportContext context(const KodNevModel* names, bool showCodes = false)
{
    ReportContext c;
    c.century = 2000;
    c.names = names;
    c.showCodes = showCodes;
    c.locale = QLocale::c();
    return c;
}

inline QString day(const QDate& d)
{
    return QLocale::c().toString(d, QLocale::ShortFormat);
}

} // namespace ReportTest
