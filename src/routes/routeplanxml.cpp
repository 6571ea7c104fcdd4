#include "routes/routeplanxml.h"

#include "routes/routedefmodel.h"
#include "routes/routeplanfile.h"

#include "core/constants.h"
#include "core/spreadsheetxml.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

namespace {

using RoutePlanFile::maxGroupRows;

enum class Expect { Accuracy, LogsTag, Logs, Route, StartsTag, Starts, Points };

// The keys of the names the file's routes have as a saved plan holds them, in the rows
// where the import takes a route: a name numbered on must not take one of them.
QSet<QString> routeNameKeys(QIODevice& in)
{
    enum { Before, Route, StartsTag, Starts, Points } at = Before;
    SpreadsheetXmlReader reader(&in);
    QSet<QString> keys;
    while (!reader.hasError()) {
        if (!reader.nextRow()) {
            if (reader.hasError() || reader.atEnd())
                break;
            continue;
        }
        const QString first = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        if (at == Before && first == erdTagPaths) {
            at = Route;
        } else if (at == StartsTag) {
            if (first != erdTagStarts)
                break; // the import stops there
            at = Starts;
        } else if (at == Starts && first == erdTagPoints) {
            at = Points;
        } else if (at == Route || (at == Points && !first.startsWith(QLatin1Char('#')))) {
            keys.insert(RouteDefModel::nameKey(storedRouteName(first)));
            at = StartsTag;
        }
    }
    return keys;
}

class PlanXmlImport
{
public:
    PlanXmlImport(QIODevice& in, RouteDefModel& m, const QSet<QString>& fileNames)
        : reader(&in), model(m), fileNames(fileNames)
    {
    }

    PlanXmlResult run()
    {
        while (!reader.hasError()) {
            if (!reader.nextRow()) {
                if (reader.hasError() || reader.atEnd())
                    break;
                // A row without a leading cell: blank rows in front of the plan are
                // headings or formatting; inside it they would silently drop the rest.
                if (expect != Expect::Accuracy)
                    formatError();
                continue;
            }
            const QString first = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!reader.hasError())
                takeRow(first);
        }
        PlanXmlResult result;
        result.renamed = renamed;
        if (reader.hasError()) {
            result.ok = false;
            result.error = reader.errorString();
            result.line = reader.lineNumber();
        }
        return result;
    }

private:
    void formatError()
    {
        if (!reader.hasError())
            reader.raiseError(QCoreApplication::translate("RouteDefView", "A fájl formátuma nem megfelelő!"));
    }

    // The next cell's text of the row; a missing cell is a format error.
    bool cell(QString* text)
    {
        if (!reader.nextCell()) {
            formatError();
            return false;
        }
        *text = reader.readElementText(QXmlStreamReader::IncludeChildElements);
        return !reader.hasError();
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
        if (!reader.hasError())
            reader.raiseError(RouteDefModel::tooManyRowsText());
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
        if (!cell(&text))
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

    // The name as a saved plan will hold it, so that the plan loads back the same; a name
    // that equals an earlier route's only after the cut is numbered on, so that two routes of
    // the file stay two, past every name a route of the file or the plan has: a later route
    // of the file keeps its own name.
    QString planName(const QString& cellText, const QString& key)
    {
        const auto known = given.constFind(key);
        if (known != given.cend())
            return *known;
        const QString stored = storedRouteName(cellText);
        if (mayTake(stored, key))
            return stored;
        // Numbering goes on where it stopped for this cut name: many long names alike at
        // the start are not counted up from the beginning each time.
        QString name = numbered.value(stored, stored);
        // Each name tried is held by a route of the plan or named by one of the file, so a
        // free one comes within their count.
        const auto taken = [&](const QString& n) {
            return !mayTake(n, key) || fileNames.contains(RouteDefModel::nameKey(n));
        };
        const int names = model.routeCount() + fileNames.size();
        for (int attempt = 0; attempt <= names && taken(name); ++attempt)
            name = nextRouteName(name);
        numbered.insert(stored, name);
        return name;
    }

    void takeRoute(const QString& cellText)
    {
        const QString key = RouteDefModel::nameKey(cellText);
        const bool repeated = given.contains(key);
        const QString name = planName(cellText, key);
        QString typeText, durationText;
        if (!cell(&typeText) || !cell(&durationText))
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
        if (!cell(&t2) || !cell(&t3) || !cell(&t4) || !cell(&count))
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
        if (!cell(&offset))
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

    SpreadsheetXmlReader reader;
    RouteDefModel& model;
    const QSet<QString>& fileNames; // keys of the file's route names, cut
    Expect expect = Expect::Accuracy;
    QPersistentModelIndex route;
    int routeType = -1;
    QHash<QString, QString> given;    // key of a name in the file -> the route's name
    QHash<QString, QString> owners;   // key of a route added here -> key of its name in the file
    QHash<QString, QString> numbered; // cut name -> the last name numbered from it
    QList<RouteRename> renamed;
};

} // namespace

PlanXmlResult readPlanXml(QIODevice& in, RouteDefModel& model)
{
    // The names are read first, the file then from where it started.
    if (in.isSequential()) {
        QBuffer buffer;
        buffer.setData(in.readAll());
        buffer.open(QIODevice::ReadOnly);
        const QSet<QString> names = routeNameKeys(buffer);
        buffer.seek(0);
        return PlanXmlImport(buffer, model, names).run();
    }
    const qint64 start = in.pos();
    const QSet<QString> names = routeNameKeys(in);
    in.seek(start);
    return PlanXmlImport(in, model, names).run();
}
