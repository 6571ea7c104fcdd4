#include "routes/routeplanfile.h"

#include "routes/routedefmodel.h"

#include <QDataStream>
#include <QFileDevice>
#include <QVector>

#include <algorithm>

// Fills a model quietly inside one reset (a friend of the model).
class RoutePlanReader
{
public:
    explicit RoutePlanReader(RouteDefModel& m) : model(m)
    {
        model.beginResetModel();
        delete model.root;
        model.buildDefaultTree();
        model.quietInserts = true;
    }
    ~RoutePlanReader()
    {
        model.quietInserts = false;
        model.endResetModel();
    }
    RoutePlanReader(const RoutePlanReader&) = delete;
    RoutePlanReader& operator=(const RoutePlanReader&) = delete;

    RoutePlanFile::ReadStatus readErd(QIODevice& device);
    RoutePlanFile::ReadStatus readLegacy(QIODevice& device);

private:
    // A route's points as read, added in order of offsets when the reading of them ends.
    // Added in file order, every point that comes before others would move them all; the
    // sort keeps equal offsets in file order, so the plan is the one the adds would give.
    struct PendingPoints {
        int route;
        QVector<RoutePoint> points;
    };
    void addPoints(PendingPoints& pending);
    // Whether one more point has made the route's group too large: the points read so far
    // are then added, as an add per point would have left them.
    bool pointsOverfull(PendingPoints& pending);

    // A group grown past what a plan file can count (an older file counts up to 65,535,
    // and repeated route names merge their rows).
    bool overfull(const QModelIndex& group) const { return model.rowCount(group) > RoutePlanFile::maxGroupRows; }

    RouteDefModel& model;
};

namespace {

using RoutePlanFile::ReadStatus;

const QByteArray tagRouteDef = QByteArray::fromHex("ffff02000900") + "CRouteDef";
const QByteArray tagStart = QByteArray::fromHex("ffff02000600") + "CStart";
const QByteArray tagCheckPoint = QByteArray::fromHex("ffff00000900") + "CChkPoint";

bool good(const QDataStream& in)
{
    return in.status() == QDataStream::Ok;
}

// A class tag of the older format: the exact bytes, or a failed read.
bool readTag(QDataStream& in, const QByteArray& tag)
{
    QByteArray bytes(tag.size(), '\0');
    return in.readRawData(bytes.data(), bytes.size()) == tag.size() && bytes == tag;
}

bool skip(QDataStream& in, int n)
{
    return in.skipRawData(n) == n;
}

} // namespace

ReadStatus RoutePlanReader::readErd(QIODevice& device)
{
    QDataStream in(&device);
    qint32 magic = 0;
    in >> magic;
    // A file too short to hold the magic does not begin with it either: not a plan.
    if (!good(in) || magic != RoutePlanFile::magic)
        return ReadStatus::BadMagic;
    qint16 tolerance = 0;
    qint16 logCount = 0;
    in >> tolerance >> logCount;
    if (!good(in))
        return ReadStatus::Damaged;
    model.setTolerance(tolerance);
    for (int i = 0; i < logCount; ++i) {
        QString name;
        in >> name;
        if (!good(in))
            return ReadStatus::Damaged;
        model.addLog(RouteDefModel::nameKey(name));
        if (overfull(model.logsGroupIndex()))
            return ReadStatus::TooLarge;
    }
    qint16 routeCount = 0;
    in >> routeCount;
    if (!good(in))
        return ReadStatus::Damaged;
    for (int r = 0; r < routeCount; ++r) {
        RouteHead head;
        in >> head;
        if (!good(in))
            return ReadStatus::Damaged;
        model.addRoute(head); // a repeated name merges into the earlier route
        if (overfull(model.routesGroupIndex()))
            return ReadStatus::TooLarge;
        const int row = model.findRoute(head.name).row();
        qint16 count = 0;
        in >> count;
        if (!good(in))
            return ReadStatus::Damaged;
        for (int s = 0; s < count; ++s) {
            RouteStart start;
            in >> start;
            if (!good(in))
                return ReadStatus::Damaged;
            model.addStart(start, model.startsGroupIndex(row));
            if (overfull(model.startsGroupIndex(row)))
                return ReadStatus::TooLarge;
        }
        in >> count;
        if (!good(in))
            return ReadStatus::Damaged;
        PendingPoints pending{row, {}};
        for (int p = 0; p < count; ++p) {
            RoutePoint point;
            in >> point;
            if (!good(in)) {
                addPoints(pending);
                return ReadStatus::Damaged;
            }
            pending.points.append(point);
            if (pointsOverfull(pending))
                return ReadStatus::TooLarge;
        }
        addPoints(pending);
    }
    return ReadStatus::Ok;
}

ReadStatus RoutePlanReader::readLegacy(QIODevice& device)
{
    QDataStream in(&device);
    in.setByteOrder(QDataStream::LittleEndian);
    quint16 logCount = 0;
    in >> logCount;
    if (!good(in))
        return ReadStatus::Damaged;
    for (int i = 0; i < logCount; ++i) {
        quint8 length = 0;
        in >> length;
        QByteArray bytes(qMin<int>(length, 80), '\0');
        if (!good(in) || in.readRawData(bytes.data(), bytes.size()) != bytes.size()
            || !skip(in, length - bytes.size()))
            return ReadStatus::Damaged;
        const int zero = bytes.indexOf('\0');
        if (zero >= 0)
            bytes.truncate(zero);
        model.addLog(QString::fromUtf8(bytes));
        if (overfull(model.logsGroupIndex()))
            return ReadStatus::TooLarge;
    }
    quint16 routeCount = 0;
    in >> routeCount;
    if (!good(in))
        return ReadStatus::Damaged;
    if (routeCount != 0 && !readTag(in, tagRouteDef))
        return ReadStatus::Damaged;
    bool firstStart = true;
    bool firstPoint = true;
    for (int r = 0; r < routeCount; ++r) {
        if (r > 0 && !skip(in, 2))
            return ReadStatus::Damaged;
        RouteHead head;
        in >> head;
        if (!good(in))
            return ReadStatus::Damaged;
        model.addRoute(head);
        if (overfull(model.routesGroupIndex()))
            return ReadStatus::TooLarge;
        const int row = model.findRoute(head.name).row();
        // The type of the record just read decides the start layout, also for a merged route.
        const bool serviceType = head.type == RouteFreeOrderFreeStart;
        quint16 count = 0;
        in >> count;
        if (!good(in))
            return ReadStatus::Damaged;
        for (int s = 0; s < count; ++s) {
            if (firstStart ? !readTag(in, tagStart) : !skip(in, 2))
                return ReadStatus::Damaged;
            firstStart = false;
            RouteStart start;
            start.readLegacy(in, serviceType);
            if (!good(in))
                return ReadStatus::Damaged;
            model.addStart(start, model.startsGroupIndex(row));
            if (overfull(model.startsGroupIndex(row)))
                return ReadStatus::TooLarge;
        }
        in >> count;
        if (!good(in))
            return ReadStatus::Damaged;
        PendingPoints pending{row, {}};
        for (int p = 0; p < count; ++p) {
            if (firstPoint ? !readTag(in, tagCheckPoint) : !skip(in, 2)) {
                addPoints(pending);
                return ReadStatus::Damaged;
            }
            firstPoint = false;
            RoutePoint point;
            in >> point;
            if (!good(in)) {
                addPoints(pending);
                return ReadStatus::Damaged;
            }
            pending.points.append(point);
            if (pointsOverfull(pending))
                return ReadStatus::TooLarge;
        }
        addPoints(pending);
    }
    qint16 tolerance = 0;
    in >> tolerance;
    if (!good(in))
        return ReadStatus::Damaged;
    model.setTolerance(tolerance);
    return ReadStatus::Ok;
}

void RoutePlanReader::addPoints(PendingPoints& pending)
{
    std::stable_sort(pending.points.begin(), pending.points.end(), [](const RoutePoint& a, const RoutePoint& b) {
        return a.offset.toSeconds() < b.offset.toSeconds();
    });
    const QModelIndex group = model.pointsGroupIndex(pending.route);
    for (const RoutePoint& point : qAsConst(pending.points))
        model.addPoint(point, group, true);
    pending.points.clear();
}

bool RoutePlanReader::pointsOverfull(PendingPoints& pending)
{
    if (model.pointCount(pending.route) + pending.points.size() <= RoutePlanFile::maxGroupRows)
        return false;
    addPoints(pending);
    return true;
}

namespace RoutePlanFile {

ReadStatus read(QIODevice& device, RouteDefModel& model)
{
    return RoutePlanReader(model).readErd(device);
}

ReadStatus readLegacy(QIODevice& device, RouteDefModel& model)
{
    return RoutePlanReader(model).readLegacy(device);
}

bool fits(const RouteDefModel& model)
{
    bool ok = model.logCount() <= maxGroupRows && model.routeCount() <= maxGroupRows;
    for (int r = 0; ok && r < model.routeCount(); ++r)
        ok = model.startCount(r) <= maxGroupRows && model.pointCount(r) <= maxGroupRows;
    return ok;
}

bool write(QIODevice& device, const RouteDefModel& model)
{
    // A count cut to 16 bits would reload as another plan, or as none.
    if (!fits(model))
        return false;
    QDataStream out(&device);
    out << magic << qint16(model.tolerance()) << qint16(model.logCount());
    for (int l = 0; l < model.logCount(); ++l)
        out << RouteDefModel::nameKey(model.logName(l));
    out << qint16(model.routeCount());
    for (int r = 0; r < model.routeCount() && out.status() == QDataStream::Ok; ++r) {
        out << model.routeHead(r) << qint16(model.startCount(r));
        for (int s = 0; s < model.startCount(r); ++s)
            out << model.routeStart(r, s);
        out << qint16(model.pointCount(r));
        for (int p = 0; p < model.pointCount(r); ++p)
            out << model.routePoint(r, p);
    }
    if (out.status() != QDataStream::Ok)
        return false;
    // A buffered file reports a full disk only when flushed.
    if (auto* file = qobject_cast<QFileDevice*>(&device))
        return file->flush();
    return true;
}

} // namespace RoutePlanFile
