#pragma once
// Shared body of the two route-plan fuzz targets.
#include "routes/routedefmodel.h"
#include "routes/routeplanfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QSet>
#include <cstdlib>
#include <cstdint>

inline QByteArray fuzzWritePlan(const RouteDefModel& m)
{
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!RoutePlanFile::write(out, m))
        abort();
    return out.data();
}

inline RoutePlanFile::ReadStatus fuzzReadPlan(RouteDefModel& m, const QByteArray& bytes, bool legacy)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return legacy ? RoutePlanFile::readLegacy(in, m) : RoutePlanFile::read(in, m);
}

inline void fuzzCheckShape(const RouteDefModel& m)
{
    QSet<QString> names;
    for (int l = 0; l < m.logCount(); ++l)
        names.insert(RouteDefModel::nameKey(m.logName(l)));
    if (names.size() != m.logCount())
        abort();
    names.clear();
    for (int r = 0; r < m.routeCount(); ++r) {
        names.insert(RouteDefModel::nameKey(m.routeHead(r).name));
        if (m.rowCount(m.routeIndex(r)) != 2)
            abort();
        for (int s = 1; s < m.startCount(r); ++s) {
            if (m.routeStart(r, s) < m.routeStart(r, s - 1))
                abort();
            for (int e = 0; e < s; ++e) {
                if (m.routeStart(r, s).t1 == m.routeStart(r, e).t1)
                    abort();
            }
        }
        for (int p = 1; p < m.pointCount(r); ++p) {
            if (m.routePoint(r, p).offset.toSeconds() < m.routePoint(r, p - 1).offset.toSeconds())
                abort();
        }
    }
    if (names.size() != m.routeCount())
        abort();
}

inline int fuzzRoutePlan(const uint8_t* data, size_t size, bool legacy)
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    RouteDefModel m;
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const bool ok = fuzzReadPlan(m, bytes, legacy) == RoutePlanFile::ReadStatus::Ok;
    if (m.rowCount() != 1 || m.rowCount(m.settingsIndex()) != 2)
        abort();
    if (!ok)
        return 0;
    fuzzCheckShape(m);
    // The first write may still change names the local code page cannot hold (and so
    // merge them on the next read); from then on saving and loading is exact.
    QByteArray bytesNow = fuzzWritePlan(m);
    for (int cycle = 0; cycle < 2; ++cycle) {
        RouteDefModel again;
        if (fuzzReadPlan(again, bytesNow, false) != RoutePlanFile::ReadStatus::Ok)
            abort();
        fuzzCheckShape(again);
        const QByteArray next = fuzzWritePlan(again);
        if (cycle == 1 && next != bytesNow)
            abort();
        bytesNow = next;
    }
    return 0;
}
