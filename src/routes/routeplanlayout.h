#pragma once
// A plan laid out in tree order for its printout, its text export and its XML
// spreadsheet. Pure functions of the model, so that the layouts can be checked without
// a printer or a window.
#include <QList>
#include <QString>
#include <QVector>

class RouteDefModel;
class SpreadsheetXmlWriter;

struct PlanPrintLine {
    int level = -1; // indent in steps of three "M" widths, 0..4; -1 for an empty line
    QString text;
    bool routeMarker = false; // a route's line, drawn with the pointer in front
};

// The file name without directory and without everything from its first dot on.
QString planBaseName(const QString& fileName);

// Settings row, empty line, log group, logs, empty line, route group, then per route the
// route, its start group and starts, its point group and checkpoints.
QList<PlanPrintLine> planPrintLines(const RouteDefModel& model);

// The whole text export: UTF-16 text whose every line ends with "\r\n".
QString planText(const RouteDefModel& model);

// The rows of the XML spreadsheet, header and all; the caller ends the document.
void writePlanXml(SpreadsheetXmlWriter& writer, const RouteDefModel& model);

// Pages of a list of lineCount lines none of which wraps, body lines a page, in printing
// order: from the printer's from page (1 when 0) to its to page (the last when 0 or beyond it).
QVector<int> planPageSequence(int lineCount, int body, int fromPage, int toPage, int pageSet);
