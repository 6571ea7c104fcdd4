#pragma once
// A flat, read-only copy of a route plan taken when an evaluation starts: every time in
// seconds as stored and in evaluation minutes, every checkpoint code as bytes and as a
// number, and an index from code to the (route, point) places that carry it. The run
// reads only this copy, so nothing the user does meanwhile can change the plan under it.
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class RouteDefModel;

struct PlanStart {
    int count = 0;
    // Seconds as the plan holds them (-1 when unset) and the same in minutes.
    int seconds[4] = {-1, -1, -1, -1};
    int t1 = 0, t2 = 0, t3 = 0, t4 = 0;

    void setSeconds(int s1, int s2, int s3, int s4);
};

struct PlanPoint {
    int offsetSeconds = -1;
    int offset = 0; // minutes
    unsigned char code[6] = {0, 0, 0, 0, 0, 0};

    void setOffsetSeconds(int s);
    quint64 key() const;
};

struct PlanRoute {
    QString name;
    int type = -1;
    int durationSeconds = -1;
    int duration = 0; // minutes
    QVector<PlanStart> starts;
    QVector<PlanPoint> points;
    // Highest point row of each code in this route.
    QHash<quint64, int> highestRow;

    void setDurationSeconds(int s);
};

class PlanSnapshot
{
public:
    struct Place {
        int route;
        int point;
    };

    int tolerance = 0; // minutes allowed, never negative
    QStringList logNames;
    QVector<PlanRoute> routes;

    // The plan of a route-plan model as it stands.
    static PlanSnapshot fromModel(const RouteDefModel& model);

    // Call after filling or changing the routes.
    void buildIndex();

    static quint64 codeKey(const unsigned char code[6]);

    // Window word of a touch against (route, point, start); actualStart only for type 1.
    quint32 checkWindow(int minute, int route, int point, int start, int actualStart) const;
    // The best right-code match over the plan in the plan's walking order (routes first to
    // last, points last to first, starts first to last; the first of equal words wins).
    // Without any checkpoint of that code in a route that has starts the result is the
    // no-match word: such a touch is never recorded, whatever else it lies near.
    quint32 bestMatch(quint64 code, int minute, int& route, int& point, int& start) const;
    // The touch judged against the point the run expects next; point may move to the
    // point actually touched.
    quint32 checkNextPoint(quint64 code, int minute, int route, int& point, int start, int actualStart) const;
    bool startCovers(int route, int start, int minute) const;

    bool validStart(int route, int start) const;

private:
    QHash<quint64, QVector<Place>> m_places;
};
