// Appending one full logger ring (52,416 records) to a 1,000,000-entry log whose window is
// open and shown, against appending the same records to a plain vector of 1,000,000.
// Target: the window costs at most about twice the vector.
#include "core/helpers.h"
#include "codenames/kodnevmodel.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <vector>

namespace {

constexpr int logRows = 1000000;
constexpr int ringRecords = 52416;
constexpr int rounds = 7;

QVector<LogEntry> makeEntries(int count, int seed)
{
    const QDateTime start(QDate(2023, 1, 1), QTime(6, 0));
    QVector<LogEntry> out;
    out.reserve(count);
    unsigned char raw[LogEntry::size];
    for (int i = 0; i < count; ++i) {
        const int n = seed + i;
        if (n % 50 == 49) { // now and then a read-out
            raw[0] = 220;
            packDeviceTime(start.addSecs(120LL * n), raw + 1);
            packDeviceTime(start.addSecs(120LL * n - 60), raw + 5);
            raw[9] = 0;
        } else {
            packDeviceTime(start.addSecs(120LL * n), raw);
            for (int b = 0; b < 6; ++b)
                raw[4 + b] = static_cast<unsigned char>((n % 37) * (b + 1));
        }
        LogEntry e;
        e.setBytes(raw);
        out.append(e);
    }
    return out;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TZ")) { // else glibc re-reads the zone file for every time it converts
        qputenv("TZ", "Europe/Budapest");
        tzset();
    }
    WyxApp app(argc, argv);
    installKodNevModel(*app.settings);
    QTextStream out(stdout);

    const QVector<LogEntry> log = makeEntries(logRows, 0);
    const QVector<LogEntry> ring = makeEntries(ringRecords, logRows);

    std::vector<double> plain, model, append, shown;
    for (int r = 0; r < rounds; ++r) {
        {
            std::vector<LogEntry> v(log.begin(), log.end());
            QElapsedTimer t;
            t.start();
            for (const LogEntry& e : ring)
                v.push_back(e);
            plain.push_back(t.nsecsElapsed() / 1e6);
        }
        {
            LogModel alone;
            alone.appendEntries(log);
            QElapsedTimer t;
            t.start();
            alone.appendEntries(ring);
            model.push_back(t.nsecsElapsed() / 1e6);
        }
        LogView view;
        view.resize(900, 700);
        view.show();
        LogTableView* table = view.table();
        table->logModel->appendEntries(log);
        table->JumpToEnd();
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        table->logModel->appendEntries(ring);
        append.push_back(t.nsecsElapsed() / 1e6);
        table->JumpToEnd(); // as after a read-out
        QCoreApplication::processEvents(); // the repaint is part of what the user waits for
        shown.push_back(t.nsecsElapsed() / 1e6);
        if (table->model()->rowCount() != logRows + ringRecords)
            return 1;
    }

    // For comparison: a kind filter set (read-outs only) while the log fills.
    double filtered = 0;
    {
        LogView view;
        view.show();
        LogTableView* table = view.table();
        table->proxy()->setFilterKeyColumn(LogModel::ColumnMarker);
        table->proxy()->setFilterFixedString(QStringLiteral(">"));
        table->logModel->appendEntries(log);
        QCoreApplication::processEvents();
        QElapsedTimer t;
        t.start();
        table->logModel->appendEntries(ring);
        table->JumpToEnd();
        QCoreApplication::processEvents();
        filtered = t.nsecsElapsed() / 1e6;
    }

    const double p = median(plain);
    auto line = [&](const char* what, double ms) {
        out << QString("  %1 %2 ms  (%3x the vector)\n").arg(QLatin1String(what), -44).arg(ms, 7, 'f', 2).arg(ms / p, 0, 'f', 2);
    };
    out << QString("appending %1 records to a log of %2, median of %3 rounds\n").arg(ringRecords).arg(logRows).arg(rounds);
    out << QString("  %1 %2 ms\n").arg(QLatin1String("plain std::vector"), -44).arg(p, 7, 'f', 2);
    line("log model alone", median(model));
    line("open log window: append", median(append));
    line("open log window: append, jump to end, repaint", median(shown));
    line("same with a kind filter active (one run)", filtered);
    return 0;
}
