// The log window's tools on a 1,000,000-entry log whose window is open and shown, each
// against a bare loop over the same entries testing the same condition:
//   - filter to one checkpoint (37 codes in turn, so its touches lie scattered),
//   - clear that filter again,
//   - search forward from the first row for a code that only the last row has.
// Target: each command at most 5x its bare loop. The repaint that follows is timed on its
// own: it paints one screen of rows, whatever the log's length. Last, one screen repaint
// alone, with a third of the codes named and the colour and late-touch options on.
#include "codenames/kodnev.h"
#include "codenames/kodnevmodel.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"
#include "eventlog/logsearch.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QElapsedTimer>
#include <QTextStream>
#include <algorithm>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int logRows = 1000000;
constexpr int rounds = 5;

QVector<LogEntry> makeEntries(int count)
{
    const QDateTime start(QDate(2023, 1, 1), QTime(6, 0), Qt::UTC); // packs the same readings, built faster
    QVector<LogEntry> out;
    out.reserve(count);
    unsigned char raw[LogEntry::size];
    for (int n = 0; n < count; ++n) {
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
    // The last row is a touch whose code appears nowhere else.
    packDeviceTime(start.addSecs(120LL * count), raw);
    std::memset(raw + 4, 0xEE, 6);
    out.last().setBytes(raw);
    return out;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double msSince(const QElapsedTimer& t)
{
    return t.nsecsElapsed() / 1e6;
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
    app.settings->resetDefaults();
    QTextStream out(stdout);

    const QVector<LogEntry> log = makeEntries(logRows);
    const LogEntry& sample = log.at(3);
    const QString code = codeToLetters(sample.codeBytes());
    const QString lastCode = codeToLetters(log.last().codeBytes());
    unsigned char wanted[6];
    std::memcpy(wanted, sample.codeBytes(), 6);
    unsigned char last[6];
    std::memcpy(last, log.last().codeBytes(), 6);

    LogView view;
    view.resize(900, 700);
    view.show();
    LogTableView* table = view.table();
    table->logModel->appendEntries(log);
    table->JumpToEnd();
    QCoreApplication::processEvents();
    const QVector<LogEntry>& entries = table->logModel->entries();

    std::vector<double> bareFilter, filter, bareClear, clear, bareSearch, search;
    std::vector<double> filterPaint, clearPaint, searchPaint;
    auto repaint = [](std::vector<double>& into) {
        QElapsedTimer t;
        t.start();
        QCoreApplication::processEvents();
        into.push_back(msSince(t));
    };
    int shown = 0;
    for (int r = 0; r < rounds; ++r) {
        {
            QElapsedTimer t;
            t.start();
            std::vector<int> rows;
            for (int i = 0; i < entries.size(); ++i)
                if (entries.at(i).isTouch() && std::memcmp(entries.at(i).codeBytes(), wanted, 6) == 0)
                    rows.push_back(i);
            bareFilter.push_back(msSince(t));
            shown = int(rows.size());
        }
        {
            table->selectRow(table->model()->rowCount() - 1);
            QElapsedTimer t;
            t.start();
            table->applyFilter(true, true, code, 0);
            filter.push_back(msSince(t));
            repaint(filterPaint);
            if (table->model()->rowCount() != shown)
                return 1;
        }
        {
            QElapsedTimer t;
            t.start();
            std::vector<int> rows;
            for (int i = 0; i < entries.size(); ++i)
                rows.push_back(i); // every row passes a cleared filter
            bareClear.push_back(msSince(t));
        }
        {
            QElapsedTimer t;
            t.start();
            table->applyFilter(false, false, QString(), 0);
            clear.push_back(msSince(t));
            repaint(clearPaint);
            if (table->model()->rowCount() != logRows)
                return 2;
        }
        {
            QElapsedTimer t;
            t.start();
            int found = -1;
            for (int i = 1; i < entries.size() && found < 0; ++i)
                if (entries.at(i).isTouch() && std::memcmp(entries.at(i).codeBytes(), last, 6) == 0)
                    found = i;
            bareSearch.push_back(msSince(t));
            if (found != logRows - 1)
                return 3;
        }
        {
            table->JumpToBegin();
            QCoreApplication::processEvents();
            LogSearchCriteria criteria;
            criteria.reverse = false;
            criteria.byCode = true;
            criteria.setCode(lastCode);
            QElapsedTimer t;
            t.start();
            table->findNext(criteria);
            search.push_back(msSince(t));
            repaint(searchPaint);
            if (table->currentSourceRow() != logRows - 1)
                return 4;
        }
    }

    auto line = [&](const char* what, const std::vector<double>& tool, const std::vector<double>& bare,
                    const std::vector<double>& paint) {
        const double m = median(tool), b = median(bare), p = median(paint);
        out << QString("  %1 %2 ms   bare loop %3 ms   %4x   then repaint %5 ms (%6x with it)\n")
                   .arg(QLatin1String(what), -28)
                   .arg(m, 7, 'f', 2)
                   .arg(b, 6, 'f', 2)
                   .arg(m / b, 5, 'f', 2)
                   .arg(p, 6, 'f', 2)
                   .arg((m + p) / b, 0, 'f', 1);
    };
    // One screen repainted on its own: every painted cell asks the model for its text, font
    // and colours, so this is what scrolling costs.
    Settings& settings = *app.settings;
    for (int i = 0; i < 37; i += 3) {
        KodNev named;
        const LogEntry& touch = log.at(i < 36 ? i : 0);
        named.set(codeToLetters(touch.codeBytes()), QStringLiteral("Pont %1").arg(i), QDate(2000, 1, 1),
                  QColor(255, 255, 200), QColor(0, 0, 128));
        settings.kodNevModel->addEntry(named, true);
    }
    settings.flags |= OptColorHighlight | OptAlternateBack | OptBackToBack | OptBackToBackSpecial;
    table->applyFilter(false, false, QString(), 0);
    table->JumpToEnd();
    QCoreApplication::processEvents();
    std::vector<double> screen;
    for (int r = 0; r < 41; ++r) {
        QElapsedTimer t;
        t.start();
        table->viewport()->repaint();
        screen.push_back(msSince(t));
    }
    const int rowsShown = table->rowAt(table->viewport()->height() - 1) - table->rowAt(0) + 1;
    // The model's share of it: every role the item delegate asks of every shown cell.
    std::vector<double> cells;
    {
        const int first = table->rowAt(0);
        const QAbstractItemModel* m = table->model();
        const int roles[] = {Qt::DisplayRole,    Qt::FontRole,           Qt::BackgroundRole, Qt::ForegroundRole,
                             Qt::DecorationRole, Qt::TextAlignmentRole, Qt::CheckStateRole};
        for (int k = 0; k < 41; ++k) {
            QElapsedTimer t;
            t.start();
            for (int r = first; r < first + rowsShown; ++r)
                for (int c = 0; c < LogModel::ColumnCount; ++c)
                    for (int role : roles)
                        m->data(m->index(r, c), role);
            cells.push_back(msSince(t));
        }
    }

    out << QString("log of %1 entries, window shown, one checkpoint = %2 rows, median of %3 rounds\n")
               .arg(logRows)
               .arg(shown)
               .arg(rounds);
    line("filter to one checkpoint", filter, bareFilter, filterPaint);
    line("clear the filter", clear, bareClear, clearPaint);
    line("search next, first to last", search, bareSearch, searchPaint);
    out << QString("  %1 %2 ms   (%3 rows, median of %4)\n")
               .arg(QLatin1String("repaint one screen"), -28)
               .arg(median(screen), 7, 'f', 2)
               .arg(rowsShown)
               .arg(screen.size());
    out << QString("  %1 %2 ms\n").arg(QLatin1String("  of which model cells"), -28).arg(median(cells), 7, 'f', 2);
    return 0;
}
