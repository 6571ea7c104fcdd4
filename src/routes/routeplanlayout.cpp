#include "routes/routeplanlayout.h"

#include "routes/routedefmodel.h"
#include "routes/tolerance.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/printexport.h"
#include "core/spreadsheetxml.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

// Types 0 and 1 give their checkpoints a time; a route without a type (-1, or 255 as a
// file gives it back) counts as above 1.
bool timedPoints(int type)
{
    return unsigned(type) <= 1;
}

QString routeTimeText(const RouteHead& head)
{
    if (timedPoints(head.type))
        return QString();
    return QCoreApplication::translate("RouteHead", "köridő: %1").arg(head.duration.toString());
}

QString routeLine(const RouteHead& head)
{
    return QCoreApplication::translate("RouteDefView", "%1 útvonal:  %2    %3")
        .arg(head.name, RouteDefModel::routeTypeName(head.type, true), routeTimeText(head));
}

// The start as printed; empty for a route of no known type.
QString startText(int type, const RouteStart& s)
{
    switch (type) {
    case RouteFixedOrderFixedStart:
    case RouteFreeOrderFixedStart:
        return s.t1.toString();
    case RouteFixedOrderFreeStart:
        return QCoreApplication::translate("RouteDefView", "kezdete %1  vége %2")
            .arg(s.t1.toString(), s.t2.toString());
    case RouteFreeOrderFreeStart:
        return QCoreApplication::translate("RouteDefView", "kezdete %1  vége %2   %n kör, közte max.%3 szünet",
                                           nullptr, s.count)
            .arg(s.t1.toString(), s.t2.toString(), s.t4.toString());
    case RouteFreeOrderFlexibleStart:
        return QCoreApplication::translate("RouteDefView",
                                           "kezdete %1  vége %2   %n kör, pontok közt min.%3, max.%4", nullptr,
                                           s.count)
            .arg(s.t1.toString(), s.t2.toString(), s.t3.toString(), s.t4.toString());
    default:
        return QString();
    }
}

bool knownType(int type)
{
    return type >= 0 && type < RouteTypeCount;
}

QString pointText(int type, const RoutePoint& p)
{
    if (timedPoints(type))
        return QStringLiteral("%1  %2").arg(p.offset.toString(), p.describe(false));
    return p.describe(false);
}

QString caption(const RouteDefModel& m, const QModelIndex& group)
{
    return m.data(group, Qt::DisplayRole).toString();
}

QString headingText(const RouteDefModel& m)
{
    const int minutes = m.tolerance();
    const int size = Tolerance::size(minutes); // a call as the count hides the text from lupdate
    const QString text = QCoreApplication::translate("RouteDefView", "\"%1\" útvonal terv, elvárt pontossága: %n perc",
                                                     nullptr, size);
    return Tolerance::withSign(text, minutes).arg(planBaseName(m.fileName()));
}

void writeRow(SpreadsheetXmlWriter& w, const QString& first, const QString& second = QString(),
              const QString& third = QString(), const QString& fourth = QString())
{
    w.writeStartElement(xmlRow);
    w.writeStringCell(first);
    w.writeStringCell(second);
    w.writeStringCell(third);
    w.writeStringCell(fourth);
    w.writeStringCell(QString());
    w.writeEndElement();
}

} // namespace

QString planBaseName(const QString& fileName)
{
    return QFileInfo(fileName).fileName().section(QLatin1Char('.'), 0, 0);
}

QList<PlanPrintLine> planPrintLines(const RouteDefModel& m)
{
    QList<PlanPrintLine> lines;
    const auto add = [&lines](int level, const QString& text, bool marker = false) {
        lines.append(PlanPrintLine{level, text, marker});
    };
    add(0, headingText(m));
    add(-1, QString());
    add(1, caption(m, m.logsGroupIndex()));
    for (int l = 0; l < m.logCount(); ++l)
        add(2, m.logName(l));
    add(-1, QString());
    add(1, caption(m, m.routesGroupIndex()));
    for (int r = 0; r < m.routeCount(); ++r) {
        const RouteHead head = m.routeHead(r);
        add(2, routeLine(head), true);
        add(3, caption(m, m.startsGroupIndex(r)));
        for (int s = 0; s < m.startCount(r); ++s) {
            const QString text = startText(head.type, m.routeStart(r, s));
            add(text.isEmpty() ? -1 : 4, text);
        }
        add(3, caption(m, m.pointsGroupIndex(r)));
        for (int p = 0; p < m.pointCount(r); ++p)
            add(4, pointText(head.type, m.routePoint(r, p)));
    }
    return lines;
}

QString planText(const RouteDefModel& m)
{
    const QString eol = QStringLiteral("\r\n");
    QString out = headingText(m) + eol + eol;
    out += caption(m, m.logsGroupIndex()) + eol;
    for (int l = 0; l < m.logCount(); ++l)
        out += QStringLiteral("    ") + m.logName(l) + eol;
    out += eol + caption(m, m.routesGroupIndex()) + eol;
    for (int r = 0; r < m.routeCount(); ++r) {
        const RouteHead head = m.routeHead(r);
        out += QStringLiteral("  ") + routeLine(head) + eol;
        out += QStringLiteral("    ") + caption(m, m.startsGroupIndex(r)) + eol;
        for (int s = 0; s < m.startCount(r); ++s) {
            const RouteStart start = m.routeStart(r, s);
            out += QStringLiteral("      ") + (knownType(head.type) ? startText(head.type, start) : start.t1.toString())
                + eol;
        }
        out += QStringLiteral("    ") + caption(m, m.pointsGroupIndex(r)) + eol;
        for (int p = 0; p < m.pointCount(r); ++p)
            out += QStringLiteral("      ") + pointText(head.type, m.routePoint(r, p)) + eol;
    }
    return out;
}

void writePlanXml(SpreadsheetXmlWriter& w, const RouteDefModel& m)
{
    w.writeHeader(QCoreApplication::translate("RouteDefView", "Útvonal terv"), m.countItems(QModelIndex()), 5);
    w.writeStartElement(xmlRow);
    w.writeStringCell(erdTagAccuracy);
    w.writeNumberCell(m.tolerance());
    for (int c = 0; c < 3; ++c)
        w.writeStringCell(QString());
    w.writeEndElement();
    writeRow(w, erdTagLogs);
    for (int l = 0; l < m.logCount(); ++l)
        writeRow(w, m.logName(l));
    writeRow(w, erdTagPaths);
    for (int r = 0; r < m.routeCount(); ++r) {
        const RouteHead head = m.routeHead(r);
        w.writeStartElement(xmlRow);
        w.writeStringCell(head.name);
        w.writeNumberCell(head.type);
        w.writeStringCell(head.duration.toString());
        w.writeStringCell(QString());
        w.writeStringCell(QString());
        w.writeEndElement();
        writeRow(w, erdTagStarts);
        for (int s = 0; s < m.startCount(r); ++s) {
            const RouteStart start = m.routeStart(r, s);
            w.writeStartElement(xmlRow);
            for (const RouteTime& t : {start.t1, start.t2, start.t3, start.t4})
                w.writeStringCell(t.toString());
            w.writeNumberCell(start.count);
            w.writeEndElement();
        }
        writeRow(w, erdTagPoints);
        for (int p = 0; p < m.pointCount(r); ++p) {
            const RoutePoint point = m.routePoint(r, p);
            writeRow(w, QLatin1Char('#') + codeToLetters(point.code), point.offset.toString());
        }
    }
}

QVector<int> planPageSequence(int lineCount, int body, int fromPage, int toPage, int pageSet)
{
    QVector<int> numbers;
    for (const PrintedPage& page :
         planLinePages(body, lineCount, [](int) { return 1; }, fromPage, toPage, pageSet).pages)
        numbers.append(page.number);
    return numbers;
}
