// Reading and adding to route plans of 4,000 and 32,767 logs, routes and points (the most
// a group may hold), and refusing an older plan of 32,768 logs; the XML import and the
// route extraction also into a shown plan window, whose tree follows every row; the XML
// import of 4,096 and 32,767 routes by the kind of their names, in processor time. Every row
// must grow linearly: the ratio of the two times stays near 8. The one exception is adding points
// one by one out of order: each lands inside a sorted group and moves the pointers after
// it, which grows faster but stays at some tens of milliseconds.
#include "benchsupport.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/spreadsheetxml.h"
#include "core/wyxapp.h"
#include "evaluation/plansnapshot.h"
#include "routes/routedefmodel.h"
#include "routes/routedefview.h"
#include "routes/routeextraction.h"
#include "routes/routeplanfile.h"
#include "routes/routeplanlayout.h"
#include "routes/routeplanxml.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>

namespace {

enum class Shape { Logs, Routes, Points, MixedPoints };

// Short distinct names; names alike in their first 80 bytes, so that the cut makes every one
// after the first numbered; or pairs of an 80-byte name ending in the pair's number and the
// same name with one letter more, which the cut makes the first again, so that numbering from
// a pair's name meets the names of the later pairs.
enum class Names { Plain, Alike, Chained };

QString logName(int i)
{
    return QStringLiteral("NAPLO %1.EVN").arg(i, 5, 10, QLatin1Char('0'));
}

RouteHead routeHead(int i)
{
    return RouteHead(QStringLiteral("Utvonal %1").arg(i), 2, routeTimeFromSeconds(3600));
}

// Offsets in the order a saved plan holds them, or wrapping round so that later points
// land among earlier ones.
RoutePoint point(int i, int n, bool mixed)
{
    const int minute = mixed ? i * 7 % (RouteTime::maxMinutes + 1) : int(qint64(i) * RouteTime::maxMinutes / n);
    return RoutePoint(QStringLiteral("ABCDEFGHIJKL"), unsigned(minute) * 60);
}

QByteArray erdFile(Shape shape, int n)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    const int logs = shape == Shape::Logs ? n : 1;
    out << RoutePlanFile::magic << qint16(10) << qint16(logs);
    for (int i = 0; i < logs; ++i)
        out << logName(i);
    const int routes = shape == Shape::Routes ? n : 1;
    out << qint16(routes);
    for (int r = 0; r < routes; ++r) {
        out << routeHead(r) << qint16(1) << RouteStart(3600, 7200, 1, 0, 0);
        const int points = shape == Shape::Routes ? 1 : n;
        out << qint16(points);
        for (int p = 0; p < points; ++p)
            out << point(p, points, shape == Shape::MixedPoints);
    }
    return bytes;
}

QByteArray legacyLogFile(int n)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(n);
    for (int i = 0; i < n; ++i) {
        const QByteArray name = logName(i).toLatin1();
        out << quint8(name.size());
        out.writeRawData(name.constData(), name.size());
    }
    out << quint16(0) << qint16(10);
    return bytes;
}

QString routeName(Names names, int i)
{
    switch (names) {
    case Names::Plain:
        return QStringLiteral("Utvonal %1").arg(i);
    case Names::Alike:
        return QString(80, QLatin1Char('U')) + QString::number(i);
    case Names::Chained: {
        const QString number = QString::number(i / 2 + 1);
        const QString name = QString(80 - number.size(), QLatin1Char('U')) + number;
        return i % 2 ? name + QLatin1Char('x') : name;
    }
    }
    return QString();
}

QByteArray planXml(const RouteDefModel& model)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetXmlWriter writer(&buffer);
    writePlanXml(writer, model);
    writer.writeEndDocument();
    return bytes;
}

QByteArray namesXmlFile(Names names, int n)
{
    RouteDefModel model;
    model.addLog(logName(0));
    for (int i = 0; i < n; ++i) {
        model.addRoute(RouteHead(routeName(names, i), 2, routeTimeFromSeconds(3600)));
        model.addStart(RouteStart(3600, 7200, 1, 0, 0), model.startsGroupIndex(i));
        model.addPoint(point(i, n, false), model.pointsGroupIndex(i), true);
    }
    return planXml(model);
}

RoutePlanFile::ReadStatus readErd(const QByteArray& bytes, RouteDefModel& model)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return RoutePlanFile::read(buffer, model);
}

QByteArray xmlFile(const QByteArray& erd)
{
    RouteDefModel model;
    readErd(erd, model);
    return planXml(model);
}

void addAll(Shape shape, int n)
{
    RouteDefModel model;
    switch (shape) {
    case Shape::Logs:
        for (int i = 0; i < n; ++i)
            model.addLog(logName(i));
        break;
    case Shape::Routes:
        for (int i = 0; i < n; ++i)
            model.addRoute(routeHead(i));
        break;
    case Shape::Points:
    case Shape::MixedPoints: {
        model.addRoute(routeHead(0));
        const QModelIndex group = model.pointsGroupIndex(0);
        for (int i = 0; i < n; ++i)
            model.addPoint(point(i, n, shape == Shape::MixedPoints), group, true);
        break;
    }
    }
}

// A plan window as the new-plan command leaves it: shown, settings row and route group open.
// The time includes the tree's own layout afterwards.
double inShownWindow(int rounds, const std::function<void(RouteDefView&)>& work)
{
    double best = 1e300;
    for (int i = 0; i < rounds; ++i) {
        RouteDefView view;
        view.show();
        view.expandDefault();
        QCoreApplication::processEvents();
        best = std::min(best, bestMs(1, [&] {
                            work(view);
                            QCoreApplication::processEvents();
                        }));
        view.setWindowModified(false);
    }
    return best;
}

// Rows whose name holds this text (all when empty): the first argument.
QString onlyRows;
// Runs of the rows by the kind of names, the best counted: the second argument.
int nameRounds = 3;
// Only the smaller size of those rows: "small" as the third argument.
bool onlySmall = false;

void row(const char* what, const std::function<double(int)>& measure, int smallSize = 4000)
{
    if (!QString::fromUtf8(what).contains(onlyRows))
        return;
    const double small = measure(smallSize);
    const double large = onlySmall ? 0 : measure(RoutePlanFile::maxGroupRows);
    std::printf("%-40s %9.2f %10.2f %7.1f\n", what, small, large, large / small);
    std::fflush(stdout);
}

void check(bool ok, const char* what)
{
    if (!ok)
        std::fprintf(stderr, "wrong result: %s\n", what);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    WyxApp app(argc, argv);
    if (argc > 1)
        onlyRows = QString::fromLocal8Bit(argv[1]);
    if (argc > 2)
        nameRounds = std::max(1, std::atoi(argv[2]));
    onlySmall = argc > 3 && std::strcmp(argv[3], "small") == 0;
    reportUnexpectedPrompts();
    QTemporaryDir dir;
    appSettings().workDir = dir.path(); // in memory only; the settings are never saved here
    // A quadratic row would take a minute at the large size: measured fewer times there.
    const auto rounds = [](int n) { return n > 4000 ? 2 : 5; };
    const auto windowRounds = [](int n) { return n > 4000 ? 1 : 3; };
    const struct {
        const char* name;
        Shape shape;
    } shapes[] = {{"logs", Shape::Logs},
                  {"routes", Shape::Routes},
                  {"points", Shape::Points},
                  {"points, mixed order", Shape::MixedPoints}};

    std::printf("%-40s %9s %10s %7s\n", "", "4000 ms", "32767 ms", "ratio");
    for (const auto& s : shapes) {
        row(qPrintable(QStringLiteral("erd load: %1").arg(QLatin1String(s.name))), [&](int n) {
            const QByteArray bytes = erdFile(s.shape, n);
            return bestMs(rounds(n), [&] {
                RouteDefModel model;
                check(readErd(bytes, model) == RoutePlanFile::ReadStatus::Ok, "erd load");
            });
        });
    }
    row("older load: logs", [&](int n) {
        const QByteArray bytes = legacyLogFile(n);
        return bestMs(rounds(n), [&] {
            RouteDefModel model;
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            check(RoutePlanFile::readLegacy(buffer, model) == RoutePlanFile::ReadStatus::Ok, "older load");
        });
    });
    for (const auto& s : shapes) {
        row(qPrintable(QStringLiteral("xml import: %1").arg(QLatin1String(s.name))), [&](int n) {
            const QByteArray bytes = xmlFile(erdFile(s.shape, n));
            return bestMs(rounds(n), [&] {
                RouteDefModel model;
                QBuffer buffer;
                buffer.setData(bytes);
                buffer.open(QIODevice::ReadOnly);
                check(readPlanXml(buffer, model).ok, "xml import");
            });
        });
    }
    for (const auto& s : shapes) {
        row(qPrintable(QStringLiteral("window xml import: %1").arg(QLatin1String(s.name))), [&](int n) {
            QFile file(dir.filePath(QStringLiteral("plan.xml")));
            check(file.open(QIODevice::WriteOnly) && file.write(xmlFile(erdFile(s.shape, n))) > 0, "xml file");
            file.close();
            return inShownWindow(windowRounds(n), [&](RouteDefView& view) {
                check(view.importFromXml(file.fileName()), "window xml import");
            });
        });
    }
    const struct {
        const char* name;
        Names names;
    } nameKinds[] = {{"plain", Names::Plain}, {"alike", Names::Alike}, {"chained", Names::Chained}};
    std::printf("%-40s %9s %10s %7s\n", "", "4096 cpu", "32767 cpu", "ratio");
    for (const auto& k : nameKinds) {
        row(qPrintable(QStringLiteral("xml import names: %1").arg(QLatin1String(k.name))), [&](int n) {
            const QByteArray bytes = namesXmlFile(k.names, n);
            return bestCpuMs(nameRounds, [&] {
                RouteDefModel model;
                QBuffer buffer;
                buffer.setData(bytes);
                buffer.open(QIODevice::ReadOnly);
                check(readPlanXml(buffer, model).ok && model.routeCount() == n, "xml import names");
            });
        }, 4096);
    }
    // The notice of renamed routes is part of the import here.
    const Prompts::Handler unexpected = Prompts::setHandler([](const Prompts::Request&) { return Prompts::Answer{}; });
    for (const auto& k : nameKinds) {
        row(qPrintable(QStringLiteral("window xml import names: %1").arg(QLatin1String(k.name))), [&](int n) {
            QFile file(dir.filePath(QStringLiteral("names.xml")));
            check(file.open(QIODevice::WriteOnly) && file.write(namesXmlFile(k.names, n)) > 0, "xml file");
            file.close();
            double best = 1e300;
            for (int i = nameRounds; i > 0; --i) {
                RouteDefView view;
                view.show();
                view.expandDefault();
                QCoreApplication::processEvents();
                best = std::min(best, bestCpuMs(1, [&] {
                                    check(view.importFromXml(file.fileName()) && view.model()->routeCount() == n,
                                          "window xml import names");
                                    QCoreApplication::processEvents();
                                }));
                view.setWindowModified(false);
            }
            return best;
        }, 4096);
    }
    Prompts::setHandler(unexpected);
    std::printf("%-40s %9s %10s %7s\n", "", "4000 ms", "32767 ms", "ratio");

    // Strictly increasing minutes as the extraction makes them, up to 239:59; beyond that
    // equal offsets, which the extraction's add allows too.
    row("window extraction: points", [&](int n) {
        ExtractedRoute route;
        route.planName = QStringLiteral("kiemelt.erd");
        route.logName = QStringLiteral("NAPLO.EWL");
        route.routeName = QStringLiteral("Kiemelt");
        for (int i = 0; i < n; ++i)
            route.points.append(
                RoutePoint(QStringLiteral("ABCDEFGHIJKL"), unsigned(qMin(i, RouteTime::maxMinutes)) * 60));
        return inShownWindow(windowRounds(n), [&](RouteDefView& view) {
            check(view.addExtractedRoute(route) && view.model()->pointCount(0) == n, "window extraction");
        });
    });
    for (const auto& s : shapes) {
        row(qPrintable(QStringLiteral("add one by one: %1").arg(QLatin1String(s.name))),
            [&](int n) { return bestMs(rounds(n), [&] { addAll(s.shape, n); }); });
    }
    for (const auto& s : shapes) {
        row(qPrintable(QStringLiteral("evaluation copy: %1").arg(QLatin1String(s.name))), [&](int n) {
            RouteDefModel model;
            readErd(erdFile(s.shape, n), model);
            return bestMs(3, [&] { PlanSnapshot::fromModel(model); });
        });
    }

    const QByteArray tooLarge = legacyLogFile(RoutePlanFile::maxGroupRows + 1);
    const double refused = bestMs(1, [&] {
        RouteDefModel model;
        QBuffer buffer;
        buffer.setData(tooLarge);
        buffer.open(QIODevice::ReadOnly);
        check(RoutePlanFile::readLegacy(buffer, model) == RoutePlanFile::ReadStatus::TooLarge, "refusal");
    });
    std::printf("older plan of 32768 logs refused in %.2f ms\n", refused);
    return 0;
}
