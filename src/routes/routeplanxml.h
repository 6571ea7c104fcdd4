#pragma once
// Reads the rows of a plan's XML spreadsheet (the layout its export writes) into a plan,
// adding to what the plan holds. Every cell is checked before it reaches the plan; the
// input is untrusted.
#include <QList>
#include <QString>

class QIODevice;
class RouteDefModel;

// A route of the file that the plan holds under another name.
struct RouteRename {
    QString from; // as the file gives it
    QString to;
};

struct PlanXmlResult {
    bool ok = true;
    QString error;  // the format error's text or the XML parser's
    qint64 line = 0; // where the reading stopped on an error
    QList<RouteRename> renamed; // in file order, each once
};

PlanXmlResult readPlanXml(QIODevice& in, RouteDefModel& model);
