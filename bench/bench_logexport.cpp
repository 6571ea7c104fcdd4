// Exports of a 1,000,000-entry log against a bare loop writing the same bytes to the same
// disk (target: each at most 3x), and the PDF of a log at 10,000 and 100,000 rows (target:
// time per page stays flat, at most 12x for 10x the rows; memory does not grow with pages).
#include "codenames/kodnevmodel.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

QVector<LogEntry> makeEntries(int count)
{
    const QDateTime start(QDate(2023, 1, 1), QTime(6, 0));
    QVector<LogEntry> out;
    out.reserve(count);
    unsigned char raw[LogEntry::size];
    for (int n = 0; n < count; ++n) {
        if (n % 50 == 49) {
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

// The same bytes written line by line through a buffered file, as plainly as it goes.
double bareWrite(const QString& path, const QList<QByteArray>& lines)
{
    QElapsedTimer t;
    t.start();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return -1;
    for (const QByteArray& line : lines)
        f.write(line);
    f.close();
    return t.nsecsElapsed() / 1e6;
}

QList<QByteArray> linesOf(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    QList<QByteArray> lines;
    while (!f.atEnd())
        lines << f.readLine();
    return lines;
}

long maxRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

// The pages of a PDF the program wrote: its page objects, each on a line of its own.
int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int pages = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.startsWith("/Type /Page") && !line.startsWith("/Type /Pages"))
            ++pages;
    }
    return pages;
}

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("TZ")) {
        qputenv("TZ", "Europe/Budapest");
        tzset();
    }
    WyxApp app(argc, argv);
    installKodNevModel(*app.settings);
    QTextStream out(stdout);
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/bench-XXXXXX"));
    app.settings->workDir = dir.path();
    const int rounds = 3;

    // "export" as the first argument skips the PDF part.
    const bool pdfPart = argc < 2 || QByteArray(argv[1]) != "export";
    out << (pdfPart ? "PDF of a log (A4, default font)\n" : "");
    double perPage[2] = {0, 0};
    const int sizes[2] = {10000, 100000};
    for (int i = 0; i < (pdfPart ? 2 : 0); ++i) {
        LogView view;
        view.table()->logModel->appendEntries(makeEntries(sizes[i]));
        view.setCurrentFile(QStringLiteral("bench.ewl"));
        const long rssBefore = maxRssKb();
        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("p.pdf")));
        QElapsedTimer t;
        t.start();
        if (!view.exportToPdf(&printer, RangeAll))
            return 1;
        const double ms = t.nsecsElapsed() / 1e6;
        const long grown = maxRssKb() - rssBefore;
        const int pages = pdfPageCount(dir.filePath(QStringLiteral("p.pdf")));
        perPage[i] = ms / qMax(1, pages);
        out << QString("  %1 rows: %2 ms for %3 pages, peak memory grew %4 MB\n")
                   .arg(sizes[i], 6)
                   .arg(ms, 8, 'f', 1)
                   .arg(pages)
                   .arg(grown / 1024.0, 0, 'f', 1);
    }
    if (pdfPart)
        out << QString("  time per page: %1 ms and %2 ms (%3x); the whole run %4x for 10x the rows\n")
               .arg(perPage[0], 0, 'f', 2)
               .arg(perPage[1], 0, 'f', 2)
               .arg(perPage[1] / perPage[0], 0, 'f', 2)
               .arg(perPage[1] * 10 / perPage[0], 0, 'f', 2);

    {
        LogView view;
        view.table()->logModel->appendEntries(makeEntries(1000000));
        view.setCurrentFile(QStringLiteral("bench.ewl"));
        out << "exporting a log of 1,000,000 entries, median of " << rounds << " rounds\n";
        for (bool xml : {false, true}) {
            std::vector<double> exported, bare;
            const QString name = xml ? QStringLiteral("e.xml") : QStringLiteral("e.txt");
            for (int r = 0; r < rounds; ++r) {
                QFile::remove(dir.filePath(name));
                QElapsedTimer t;
                t.start();
                const bool ok = xml ? view.exportToXml(name, RangeAll) : view.exportToTxt(name, RangeAll);
                exported.push_back(t.nsecsElapsed() / 1e6);
                if (!ok)
                    return 1;
                const QList<QByteArray> lines = linesOf(dir.filePath(name));
                bare.push_back(bareWrite(dir.filePath(QStringLiteral("bare")), lines));
            }
            const double e = median(exported), b = median(bare);
            out << QString("  %1 export %2 ms, bare loop %3 ms: %4x\n")
                       .arg(xml ? "XML " : "text")
                       .arg(e, 8, 'f', 1)
                       .arg(b, 7, 'f', 1)
                       .arg(e / b, 0, 'f', 2);
        }
    }

    return 0;
}
