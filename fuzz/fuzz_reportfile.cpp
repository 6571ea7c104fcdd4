// Feeds arbitrary bytes to the fulfilment-report reader. A refused input must leave the
// report as it was; an accepted one must show every row's texts and survive a write and
// re-read byte for byte.
#include "codenames/kodnevmodel.h"
#include "evaluation/evaluationmodel.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdlib>

namespace {

ReportFile::ReadStatus readAll(const QByteArray& bytes, EvaluationReport& report)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReportFile::read(buffer, report);
}

QByteArray writeAll(const EvaluationReport& report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!ReportFile::write(buffer, report))
        abort();
    return buffer.data();
}

KodNevModel& names()
{
    static KodNevModel* model = [] {
        QList<KodNev> list;
        KodNev k;
        k.set(QStringLiteral("AAAAAAAAAAAB"), QStringLiteral("Kapu"), QDate(2020, 1, 1), Qt::white, Qt::black);
        list.append(k);
        k.set(QStringLiteral("PPPPPPPPPPPP"), QStringLiteral("Nincs"), QDate(2001, 1, 1), Qt::white, Qt::black);
        list.append(k);
        return new KodNevModel(list);
    }();
    return *model;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    EvaluationReport report;
    report.title = QStringLiteral("untouched");
    if (readAll(input, report) != ReportFile::ReadStatus::Ok) {
        if (report.title != QLatin1String("untouched") || !report.rows.isEmpty())
            abort();
        return 0;
    }
    if (qint64(report.rows.size()) * EvaluationRow::streamSize > qint64(size))
        abort();

    EvaluationModel model;
    ReportContext context;
    context.names = &names();
    context.showCodes = (size & 1) != 0;
    context.locale = QLocale::c();
    model.setTextContext(context);
    model.setReport(report);
    model.headerData(1, Qt::Horizontal);
    for (int r = 0; r < model.rowCount(); ++r) {
        model.data(model.index(r, 0));
        model.data(model.index(r, 1));
        model.affectedLogsText(r);
        model.routeStartText(r);
    }

    const QByteArray written = writeAll(report);
    EvaluationReport again;
    if (readAll(written, again) != ReportFile::ReadStatus::Ok || again.rows != report.rows
        || again.logNames != report.logNames || again.routeNames != report.routeNames || again.title != report.title
        || again.mode != report.mode)
        abort();
    if (writeAll(again) != written)
        abort();
    return 0;
}
