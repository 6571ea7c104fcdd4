#include "routes/routeplanxml.h"

#include "routes/routedefmodel.h"
#include "routes/routeplanfile.h"

#include "core/constants.h"
#include "core/spreadsheetxml.h"

#include <QCoreApplication>
#include <QHash>
#include <QQueue>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace {

using RoutePlanFile::maxGroupRows;

enum class Expect { Accuracy, LogsTag, Logs, Route, StartsTag, Starts, Points };

// One row as far as the grammar reads it: no row has more than five cells of use.
struct Row {
    QStringList cells; // empty for a row that does not start with a cell
    qint64 line = 0;   // where its reading ended
    bool whole = true; // false when an XML error came inside it
};

// The rows of the file, each read once. The rows ahead of the import can be read in advance
// and are then handed out from memory.
class RowSource
{
public:
    explicit RowSource(QIODevice& in) : reader(&in) {}

    bool next(Row* row)
    {
        if (!ahead.isEmpty()) {
            *row = ahead.dequeue();
            return true;
        }
        return read(row);
    }

    // Every row still to come, read now.
    const QQueue<Row>& readAll()
    {
        Row row;
        while (read(&row))
            ahead.enqueue(row);
        return ahead;
    }

    bool hasError() const { return reader.hasError(); }
    QString errorString() const { return reader.errorString(); }
    qint64 lineNumber() const { return reader.lineNumber(); }

private:
    bool read(Row* row)
    {
        if (ended)
            return false; // the reader is not to read on past the end of the document
        row->cells.clear();
        row->whole = true;
        if (!reader.nextRow()) {
            ended = reader.hasError() || reader.atEnd();
            if (ended)
                return false;
            row->line = reader.lineNumber();
            return true;
        }
        row->cells.append(reader.readElementText(QXmlStreamReader::IncludeChildElements));
        ended = reader.hasError();
        if (ended)
            return false;
        while (row->cells.size() < 5 && reader.nextCell()) {
            const QString text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            if (reader.hasError())
                break;
            row->cells.append(text);
        }
        row->whole = !reader.hasError();
        ended = !row->whole;
        row->line = reader.lineNumber();
        return true;
    }

    SpreadsheetXmlReader reader;
    bool ended = false;
    QQueue<Row> ahead;
};

class PlanXmlImport
{
public:
    PlanXmlImport(QIODevice& in, RouteDefModel& m) : rows(in), model(m) {}

    PlanXmlResult run()
    {
        while (!stopped && rows.next(&row)) {
            // A row without a leading cell: blank rows in front of the plan are headings or
            // formatting; inside it they would silently drop the rest.
            if (row.cells.isEmpty()) {
                if (expect != Expect::Accuracy)
                    formatError();
            } else {
                takeRow(row.cells.first());
            }
        }
        PlanXmlResult result;
        result.renamed = renamed;
        if (!error.isEmpty()) {
            result.ok = false;
            result.error = error;
            result.line = row.line;
        } else if (rows.hasError()) {
            result.ok = false;
            result.error = rows.errorString();
            result.line = rows.lineNumber();
        }
        return result;
    }

private:
    void stop(const QString& text)
    {
        if (!stopped)
            error = text;
        stopped = true;
    }

    void formatError() { stop(QCoreApplication::translate("RouteDefView", "A fájl formátuma nem megfelelő!")); }

    // The row's cell i (from 0); a missing cell is a format error, unless an XML error
    // cut the row short, which is then what the reading stops on.
    bool cell(int i, QString* text)
    {
        if (i < row.cells.size()) {
            *text = row.cells.at(i);
            return true;
        }
        if (row.whole)
            formatError();
        stopped = true;
        return false;
    }

    // Whether a row the group does not hold yet may be added. A row it holds already is
    // skipped, as the model skips it, even in a full group; only a row that would grow the
    // group past what a plan file can count stops the reading, said as the plan readers say it.
    bool mayAdd(const QModelIndex& group, bool isNew)
    {
        if (!isNew)
            return false;
        if (model.rowCount(group) < maxGroupRows)
            return true;
        stop(RouteDefModel::tooManyRowsText());
        return false;
    }

    void takeRow(const QString& first)
    {
        switch (expect) {
        case Expect::Accuracy:
            if (first == erdTagAccuracy)
                takeAccuracy();
            break;
        case Expect::LogsTag:
            if (first != erdTagLogs)
                return formatError();
            expect = Expect::Logs;
            break;
        case Expect::Logs:
            if (first == erdTagPaths) {
                expect = Expect::Route;
            } else if (mayAdd(model.logsGroupIndex(), !model.findLog(first).isValid())) {
                model.addLog(first);
            }
            break;
        case Expect::Route:
            takeRoute(first);
            break;
        case Expect::StartsTag:
            if (first != erdTagStarts)
                return formatError();
            expect = Expect::Starts;
            break;
        case Expect::Starts:
            if (first == erdTagPoints)
                expect = Expect::Points;
            else
                takeStart(first);
            break;
        case Expect::Points:
            if (first.startsWith(QLatin1Char('#')))
                takePoint(first.mid(1));
            else
                takeRoute(first);
            break;
        }
    }

    void takeAccuracy()
    {
        QString text;
        if (!cell(1, &text))
            return;
        bool isNumber = false;
        const int minutes = text.trimmed().toInt(&isNumber);
        // Whatever the plan file can hold (it stores 16 signed bits, and its readers take every
        // such value), so an exported plan comes back as it was; the editor limits only new input.
        if (isNumber && minutes != qint16(minutes))
            return formatError();
        model.setTolerance(isNumber ? minutes : 0);
        expect = Expect::LogsTag;
    }

    // Whether a route of the file whose name has this key may have the name: it is free, or
    // held by the route that came of the same name (of the file or already in the plan).
    bool mayTake(const QString& name, const QString& key) const
    {
        const QModelIndex held = model.findRoute(name);
        if (!held.isValid())
            return true;
        const QString heldKey = RouteDefModel::nameKey(model.routeHead(held.row()).name);
        return owners.value(heldKey, heldKey) == key;
    }

    // The keys of the names the routes of the file have as a saved plan holds them, where the
    // plan may not hold them: those after this route, read with the rest of the file the first
    // time a name is numbered, and those of repeats cut otherwise than the route they joined.
    // Every other name of the file is held: its route took it, or it was held when it came.
    const QSet<QString>& fileNames()
    {
        if (restRead)
            return unheld;
        restRead = true;
        enum { StartsTag, Starts, Points } at = StartsTag; // the route being taken is read
        for (const Row& r : rows.readAll()) {
            if (r.cells.isEmpty())
                continue;
            const QString& first = r.cells.first();
            if (at == StartsTag) {
                if (first != erdTagStarts)
                    break; // the import stops there
                at = Starts;
            } else if (at == Starts && first == erdTagPoints) {
                at = Points;
            } else if (at == Points && !first.startsWith(QLatin1Char('#'))) {
                unheld.insert(RouteDefModel::nameKey(storedRouteName(first)));
                at = StartsTag;
            }
        }
        return unheld;
    }

    // The first name of the numbered series from this one that neither a route of the plan
    // nor one of the file has. The walks keep what they learn: a name found taken stays
    // taken, so it leads straight to where the last walk through it ended, and each name is
    // found taken once however the series of different names run into each other.
    QString freeName(const QString& from)
    {
        const QSet<QString>& taken = fileNames();
        QStringList walked;
        QString name = from;
        for (;;) {
            const auto link = passed.constFind(name);
            if (link != passed.cend()) {
                walked.append(name);
                name = *link;
            } else if (model.findRoute(name).isValid() || taken.contains(RouteDefModel::nameKey(name))) {
                walked.append(name);
                name = nextRouteName(name);
            } else {
                break;
            }
        }
        for (const QString& n : walked)
            passed.insert(n, name);
        return name;
    }

    // The name as a saved plan will hold it, so that the plan loads back the same; a name
    // that equals an earlier route's only after the cut is numbered on, so that two routes of
    // the file stay two, past every name a route of the file or the plan has: a later route
    // of the file keeps its own name.
    QString planName(const QString& cellText, const QString& key)
    {
        const auto known = given.constFind(key);
        if (known != given.cend()) {
            if (!restRead)
                unheld.insert(RouteDefModel::nameKey(storedRouteName(cellText)));
            return *known;
        }
        const QString stored = storedRouteName(cellText);
        return mayTake(stored, key) ? stored : freeName(stored);
    }

    void takeRoute(const QString& cellText)
    {
        const QString key = RouteDefModel::nameKey(cellText);
        const bool repeated = given.contains(key);
        const QString name = planName(cellText, key);
        QString typeText, durationText;
        if (!cell(1, &typeText) || !cell(2, &durationText))
            return;
        bool isNumber = false;
        int type = typeText.trimmed().toInt(&isNumber);
        if (!isNumber)
            type = 0;
        if (type < -1 || type > 255)
            return formatError(); // the plan file keeps the type in one byte
        if (mayAdd(model.routesGroupIndex(), !model.findRoute(name).isValid())
            && model.addRoute(RouteHead(name, type, RouteTime::parse(durationText))) >= 0)
            owners.insert(RouteDefModel::nameKey(name), key);
        // A name already present merges into that route; its points then follow the
        // rule of the route they join, so a fixed-order route never gets equal offsets.
        route = model.findRoute(name);
        routeType = route.isValid() ? model.routeHead(route.row()).type : type;
        expect = Expect::StartsTag;
        if (route.isValid() && !repeated) {
            given.insert(key, name);
            if (RouteDefModel::nameKey(name) != key)
                renamed.append({cellText, name}); // cut or numbered: the user is told
        }
    }

    void takeStart(const QString& first)
    {
        QString t2, t3, t4, count;
        if (!cell(1, &t2) || !cell(2, &t3) || !cell(3, &t4) || !cell(4, &count))
            return;
        RouteStart start;
        start.t1 = RouteTime::parse(first);
        start.t2 = RouteTime::parse(t2);
        start.t3 = RouteTime::parse(t3);
        start.t4 = RouteTime::parse(t4);
        start.count = quint16(count.trimmed().toUInt());
        const QModelIndex group = route.isValid() ? model.index(0, 0, route) : QModelIndex();
        if (mayAdd(group, model.findStartTime(group, start) < 0))
            model.addStart(start, group);
    }

    void takePoint(const QString& code)
    {
        static const QRegularExpression codePattern(QStringLiteral("\\A[a-pA-P]{1,12}\\z"));
        QString offset;
        if (!cell(1, &offset))
            return;
        if (!codePattern.match(code).hasMatch())
            return formatError();
        RoutePoint point;
        point.setCode(code);
        point.offset = RouteTime::parse(offset);
        const QModelIndex group = route.isValid() ? model.index(1, 0, route) : QModelIndex();
        const bool sameTime = unsigned(routeType) > 1;
        if (mayAdd(group, sameTime || model.findPointOffset(group, point) < 0))
            model.addPoint(point, group, sameTime);
    }

    RowSource rows;
    RouteDefModel& model;
    Row row; // the one being taken
    bool stopped = false;
    QString error; // a format error, or why the plan cannot take a row
    Expect expect = Expect::Accuracy;
    QPersistentModelIndex route;
    int routeType = -1;
    QHash<QString, QString> given;  // key of a name in the file -> the route's name
    QHash<QString, QString> owners; // key of a route added here -> key of its name in the file
    bool restRead = false;
    QSet<QString> unheld;           // see fileNames()
    QHash<QString, QString> passed; // a name found taken -> where numbering through it went on
    QList<RouteRename> renamed;
};

} // namespace

PlanXmlResult readPlanXml(QIODevice& in, RouteDefModel& model)
{
    return PlanXmlImport(in, model).run();
}
