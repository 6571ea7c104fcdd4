// Feeds arbitrary bytes to the route plan's XML spreadsheet import. Whatever it adds must
// keep the plan's fixed shape and rules (a tolerance a plan file holds, sorted starts and points,
// distinct names); a plan read without error must come back the same through its own
// XML export, unless a name holds what XML cannot carry or the grammar reads otherwise.
#include "fuzz_routeplancheck.h"

#include "routes/routeplanlayout.h"
#include "routes/routeplanxml.h"

#include "core/spreadsheetxml.h"

namespace {

bool plainName(const QString& name)
{
    if (name.startsWith(QLatin1Char('#')) || name.startsWith(QLatin1String("_ERD_V1.0_")))
        return false;
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c.isSurrogate() || c.unicode() >= 0xFFFE)
            return false;
    }
    return true;
}

bool plainPlan(const RouteDefModel& m)
{
    for (int l = 0; l < m.logCount(); ++l) {
        if (!plainName(m.logName(l)))
            return false;
    }
    for (int r = 0; r < m.routeCount(); ++r) {
        if (!plainName(m.routeHead(r).name))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    QBuffer in;
    in.setData(reinterpret_cast<const char*>(data), int(size));
    in.open(QIODevice::ReadOnly);
    RouteDefModel m;
    const PlanXmlResult result = readPlanXml(in, m);
    if (m.rowCount() != 1 || m.rowCount(m.settingsIndex()) != 2)
        abort();
    if (m.tolerance() != qint16(m.tolerance())) // what a plan file holds
        abort();
    fuzzCheckShape(m);
    if (!result.ok || !plainPlan(m))
        return 0;

    QBuffer xml;
    xml.open(QIODevice::WriteOnly);
    SpreadsheetXmlWriter writer(&xml);
    writePlanXml(writer, m);
    writer.writeEndDocument();
    xml.close();
    xml.open(QIODevice::ReadOnly);
    RouteDefModel again;
    if (!readPlanXml(xml, again).ok)
        abort();
    if (fuzzWritePlan(again) != fuzzWritePlan(m))
        abort();
    return 0;
}
