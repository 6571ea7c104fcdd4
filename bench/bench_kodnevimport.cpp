// Importing 10,000 and 80,000 code names from text and XML: into an empty list, into a list
// that already holds every code (each record then lands among its code's names), and into
// the list of a shown code-name window sorted by name. Importing must grow linearly: the
// ratio of the two times stays near 8.
#include "benchsupport.h"
#include "codenames/kodnevexport.h"
#include "codenames/kodnevimport.h"
#include "codenames/kodnevmodel.h"
#include "codenames/kodnevview.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QBuffer>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

// Each code with two dated names, the later one first.
QList<KodNev> syntheticList(int n, int firstYear)
{
    QList<KodNev> list;
    list.reserve(n);
    for (int i = 0; i < n; ++i) {
        KodNev k;
        const int code = i / 2;
        unsigned char bytes[KodNev::codeSize] = {0x11, uchar(code >> 24), uchar(code >> 16), uchar(code >> 8),
                                                 uchar(code), 0};
        k.setCodeBytes(bytes);
        k.datedName.setName(QStringLiteral("Pont %1").arg((i * 7919) % n));
        k.datedName.setDate(QDate(firstYear + 1 - i % 2, 1, 1));
        list.append(k);
    }
    return list;
}

QByteArray exported(const QList<KodNev>& entries, bool xml)
{
    const KodNevModel list(entries);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const RowSpan all = exportRowSpan(RangeAll, list.rowCount(), -1, -1);
    if (xml)
        KodNevExport::writeXml(buffer, list, all, {true, true});
    else
        KodNevExport::writeText(buffer, list, all, {true, true});
    return bytes;
}

void import(const QByteArray& bytes, bool xml, KodNevModel& list, int expected)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const KodNevImport::Result r =
        xml ? KodNevImport::readXml(buffer, list, 2000) : KodNevImport::readText(buffer, list, 2000);
    if (r.added != expected || !r.error.isEmpty())
        std::fprintf(stderr, "wrong result: %d added, %s\n", r.added, qPrintable(r.error));
}

void row(const char* what, const std::function<double(int)>& measure)
{
    const double small = measure(10000);
    const double large = measure(80000);
    std::printf("%-32s %9.1f %10.1f %7.1f\n", what, small, large, large / small);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    WyxApp app(argc, argv);
    installKodNevModel(*app.settings);
    reportUnexpectedPrompts();
    QTemporaryDir dir;
    appSettings().workDir = dir.path(); // in memory only; the settings are never saved here
    // A quadratic import takes most of a minute at the large size: measured once there.
    const auto rounds = [](int n) { return n > 10000 ? 1 : 3; };

    std::printf("%-32s %9s %10s %7s\n", "", "10000 ms", "80000 ms", "ratio");
    for (const bool xml : {false, true}) {
        const char* format = xml ? "xml" : "text";
        row(qPrintable(QStringLiteral("%1: empty list").arg(QLatin1String(format))), [&](int n) {
            const QByteArray bytes = exported(syntheticList(n, 2001), xml);
            return bestMs(rounds(n), [&] {
                KodNevModel list;
                import(bytes, xml, list, n);
            });
        });
        row(qPrintable(QStringLiteral("%1: among the codes' names").arg(QLatin1String(format))), [&](int n) {
            const QList<KodNev> existing = syntheticList(n, 2011);
            const QByteArray bytes = exported(syntheticList(n, 2001), xml);
            return bestMs(rounds(n), [&] {
                KodNevModel list(existing);
                import(bytes, xml, list, n);
            });
        });
        row(qPrintable(QStringLiteral("%1: shown window").arg(QLatin1String(format))), [&](int n) {
            const QByteArray bytes = exported(syntheticList(n, 2001), xml);
            KodNevModel& list = *appSettings().kodNevModel;
            return bestMs(rounds(n), [&] {
                list.removeRows(0, list.rowCount());
                KodnevView view;
                view.show();
                view.sorting(3, Qt::AscendingOrder);
                import(bytes, xml, list, n);
            });
        });
    }
    return 0;
}
