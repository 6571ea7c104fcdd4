// Costs of a 1,000,000-entry event log, each against the plainest way to do the same work:
// load and save against a raw read and write of the same bytes, resident memory against
// the file size, and a read-out of a full ring from the simulated logger (no wire delay)
// against reading the same pages and appending the decoded records to a plain vector, once
// into the bare model and once into a log shown in its window.
#include "benchsupport.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "codenames/kodnevmodel.h"
#include "core/wyxapp.h"
#include "device/ftdiapi.h"
#include "simulator/simulatedlogger.h"
#include "device/usbcom.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int logSize = 1000000;
constexpr int rounds = 5;

qint64 residentKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong();
    return -1;
}

QVector<LogEntry> syntheticLog(int n)
{
    QVector<LogEntry> entries(n);
    const QDateTime start(QDate(2024, 1, 1), QTime(0, 0));
    for (int i = 0; i < n; ++i) {
        unsigned char raw[LogEntry::size];
        packDeviceTime(start.addSecs(60LL * i), raw);
        for (int k = 0; k < 6; ++k)
            raw[4 + k] = uchar((i * 7919 + k) & 0xFF);
        entries[i].setBytes(raw);
    }
    return entries;
}

void report(const char* what, double measured, double baseline, double goal)
{
    const double ratio = measured / baseline;
    std::printf("%-44s %10.1f ms vs %8.1f ms  ratio %5.2f  (goal <= %.0f) %s\n", what, measured, baseline, ratio,
                goal, ratio <= goal ? "ok" : "OVER");
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    WyxApp app(argc, argv);
    installKodNevModel(*app.settings);
    // The one box expected is the read-out's advice to archive a log this long.
    Prompts::setHandler([](const Prompts::Request& r) {
        if (r.kind != Prompts::Kind::Information)
            std::printf("unexpected prompt: %s\n", qPrintable(r.text));
        return Prompts::Answer{0, QString(), QColor()};
    });
    QTemporaryDir dir;
    appSettings().workDir = dir.path(); // in memory only; the settings are never saved here
    const QString path = dir.filePath(QStringLiteral("BENCH.ewl"));
    const QString rawPath = dir.filePath(QStringLiteral("raw.bin"));

    {
        LogModel log(syntheticLog(logSize));
        if (!log.save(path, nullptr)) {
            std::printf("cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const qint64 fileSize = QFileInfo(path).size();

    // Memory first, while the heap is still fresh.
    const qint64 before = residentKb();
    {
        LogModel log;
        log.load(path, nullptr);
        const qint64 after = residentKb();
        std::printf("%-44s %10.1f MB vs %8.1f MB  ratio %5.2f  (goal <= 2)\n", "resident memory of a loaded log",
                    (after - before) / 1024.0, fileSize / 1048576.0, (after - before) * 1024.0 / fileSize);
    }

    QByteArray bytes;
    const double rawRead = bestMs(rounds, [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        bytes = f.readAll();
    });
    const double load = bestMs(rounds, [&] {
        LogModel log;
        log.load(path, nullptr);
    });
    report("load of 1,000,000 entries", load, rawRead, 3);

    LogModel big;
    big.load(path, nullptr);
    const double rawWrite = bestMs(rounds, [&] {
        QFile f(rawPath);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.flush();
    });
    // The save puts its file on disk before it replaces the old one, so also compare with a
    // raw write that does the same.
    const double rawDurable = bestMs(rounds, [&] {
        QSaveFile f(rawPath);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        f.commit();
    });
    const double save = bestMs(rounds, [&] { big.save(QStringLiteral("again.ewl"), nullptr); });
    report("save of 1,000,000 entries (raw write)", save, rawWrite, 3);
    report("save of 1,000,000 entries (raw durable write)", save, rawDurable, 3);

    // The read-out: a 512 KB logger whose ring is full of records new since the last read-out.
    SimulatedLogger sim;
    setFtdiApi(&sim);
    SimulatedDevice& dev = sim.device(0);
    dev.setMemoryCode(0x61);
    dev.setName("BENCH");
    dev.fill(1); // the record the log read last
    auto owned = std::make_unique<UsbCom>();
    UsbCom& link = *owned;
    if (link.open() != UsbOk || link.getDeviceInfo() != UsbOk) {
        std::printf("simulated logger does not answer\n");
        return 1;
    }
    const int first = link.writeIndex;
    dev.fill(link.lastIndex - 1);
    const QByteArray last = dev.record(first - 1);
    LogEntry lastEntry;
    lastEntry.setBytes(reinterpret_cast<const unsigned char*>(last.constData()));
    QVector<LogEntry> base = syntheticLog(logSize);
    base.append(lastEntry);

    link.getDeviceInfo();
    const int count = link.ringDistance(unsigned(first), unsigned(link.writeIndex));
    std::vector<LogEntry> plain;
    const double decode = bestMs(rounds, [&] {
        plain.assign(base.begin(), base.end());
        link.readEntry(quint16(first - 1));
        DeviceLogPage page;
        for (int done = 0, index = first; done < count;) {
            link.readPage(quint16(index), page.bytes);
            const int n = std::min<int>(DeviceLogPage::SlotCount, count - done);
            for (int k = 0; k < n; ++k) {
                LogEntry e;
                e.setBytes(page.bytes + DeviceLogPage::slotOffset(k));
                if (e.kind() < KindFirstUnknown)
                    plain.push_back(e);
            }
            done += n;
            index = (index + n) % (link.lastIndex + 1);
        }
    });

    // The log as its file holds it after the previous read-out.
    LogFile::Header header;
    header.deviceType = uchar(0x30 | (link.memorySizeCode() & 15));
    header.ringIndex = quint16(first);
    header.deviceName = link.deviceName;
    header.initDate = link.initDate;
    header.secondHeaderTime = link.initDate;
    {
        QFile f(dir.filePath(QStringLiteral("source.ewl")));
        f.open(QIODevice::WriteOnly);
        LogFile::write(f, header, base);
    }
    owned.reset(); // closes the logger for the read-outs' own links
    double readOut = 1e300;
    int taken = 0;
    for (int i = 0; i < rounds; ++i) {
        LogModel log;
        log.load(QStringLiteral("source.ewl"), nullptr);
        UsbCom com;
        com.open();
        com.getDeviceInfo();
        QElapsedTimer t;
        t.start();
        log.readOut(&com);
        readOut = std::min(readOut, t.nsecsElapsed() / 1e6);
        taken = log.rowCount() - base.size();
    }
    double windowReadOut = 1e300;
    for (int i = 0; i < rounds; ++i) {
        LogView view;
        view.loadFile(QStringLiteral("source.ewl"));
        view.show();
        QCoreApplication::processEvents();
        UsbCom com;
        com.open();
        com.getDeviceInfo();
        QElapsedTimer t;
        t.start();
        view.table()->readOut(&com);
        QCoreApplication::processEvents();
        windowReadOut = std::min(windowReadOut, t.nsecsElapsed() / 1e6);
    }
    std::printf("read-out took %d records (%d slots) into a log of %d entries\n", taken, count, base.size());
    report("read-out of a full ring into the log", readOut, decode, 2);
    report("the same with the log's window open", windowReadOut, decode, 2);
    // The read-out ends with a durable save of the whole 10 MB log, which the plain vector
    // does not do: the same comparison with that write added to the baseline.
    report("read-out vs decode + durable write", readOut, decode + rawDurable, 2);
    setFtdiApi(nullptr);
    return 0;
}
