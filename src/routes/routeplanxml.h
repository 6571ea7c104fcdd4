#pragma once
// Reads the rows of a plan's XML spreadsheet (the layout its export writes) into a plan,
// adding to what the plan holds. Every cell is checked before it reaches the plan; the
// input is untrusted.
#include <QString>

class QIODevice;
class RouteDefModel;

struct PlanXmlResult {
    bool ok = true;
    QString error;  // the format error's text or the XML parser's
    qint64 line = 0; // where the reading stopped on an error
};

PlanXmlResult readPlanXml(QIODevice& in, RouteDefModel& model);
