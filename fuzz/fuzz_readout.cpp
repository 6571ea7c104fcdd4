// A whole read-out into an existing log against the simulated logger, with the input
// deciding the logger's state and everything the link does wrong. Checks, not only
// survives: a read-out that fails leaves the log file's bytes and the log's rows as they
// were and does not tell the logger; one that succeeds keeps every earlier row, takes at
// most one ring of records and leaves on disk exactly what it shows.
//
// Input: a 7-byte head, then events.
//   0      flags: bit 0 gapless ring, bit 1 automatic clock set, bits 2-3 the log (0 none,
//          1 an earlier read-out, 2 the same after the logger was initialised elsewhere,
//          3 an earlier read-out whose stored ring index is then set from bytes 1-4), bit 4 the
//          logger's clock an hour off, bit 5 a 16 KB ring
//   1-2    records in the ring before the earlier read-out (little-endian, mod 2048)
//   3-4    records written after it (mod 2048)
//   5      answers to the questions in turn (bit set: the second button; for an error box
//          that is "Ismét", at most three times, and it plugs the logger in again)
//   6      aborts the read-out once its progress reaches 8 x this value (0: never)
// each event: frame number (counted from the device-information read of the read-out),
// an action and two arguments; actions spoil the reply to that frame, or the next identity
// reply, or change the logger just before it answers (see apply()).
#include "codenames/kodnevmodel.h"
#include "core/clock.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/readoutdlg.h"
#include "device/usbcom.h"
#include "eventlog/logmodel.h"
#include "logrecords/logfile.h"
#include "simulator/simulatedlogger.h"

#include <QApplication>
#include <QBuffer>
#include <QMap>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

WyxApp* app = nullptr;
QTemporaryDir* dir = nullptr;

// A violated property stops the run with its line, so the fuzzer keeps the input.
#define check(ok) ((ok) ? void(0) : fail(#ok, __LINE__))

[[noreturn]] void fail(const char* what, int line)
{
    std::fprintf(stderr, "check failed at line %d: %s\n", line, what);
    __builtin_trap();
}

struct Event {
    int frame;
    int action;
    int a;
    int b;
    QByteArray bytes;
};

struct Input {
    int flags = 0;
    int before = 0;
    int after = 0;
    int answers = 0;
    int abortAt = 0;
    std::vector<Event> events;
};

Input parse(const uint8_t* data, size_t size)
{
    Input in;
    auto byte = [&](size_t i) { return i < size ? int(data[i]) : 0; };
    in.flags = byte(0);
    in.before = (byte(1) | byte(2) << 8) % 2048;
    in.after = (byte(3) | byte(4) << 8) % 2048;
    in.answers = byte(5);
    in.abortAt = byte(6) * 8;
    for (size_t pos = 7; pos + 4 <= size && in.events.size() < 32;) {
        Event e{byte(pos), byte(pos + 1) % 13, byte(pos + 2), byte(pos + 3), QByteArray()};
        pos += 4;
        // A raw reply or a record brings its bytes along.
        const size_t extra = e.action == 9 ? 10 : e.action == 10 ? size_t(e.b) : 0;
        const size_t take = qMin(extra, size - pos);
        e.bytes = QByteArray(reinterpret_cast<const char*>(data + pos), int(take));
        pos += take;
        in.events.push_back(e);
    }
    return in;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

class Logger
{
public:
    explicit Logger(bool bigRing)
    {
        previous = setFtdiApi(&sim);
        dev().setName("PROBA");
        if (bigRing)
            dev().setMemoryCode(0x02);
    }
    ~Logger() { setFtdiApi(previous); }
    SimulatedDevice& dev() { return sim.device(0); }

    void addTouches(int n)
    {
        for (int i = 0; i < n; ++i, ++counter) {
            const QDateTime t = QDateTime(QDate(2024, 3, 1), QTime(0, 0)).addSecs(60LL * (counter % 20000));
            const QByteArray code = QByteArray::fromHex("0A0B") + char(counter >> 24) + char(counter >> 16)
                                    + char(counter >> 8) + char(counter);
            dev().appendTouch(t, code);
        }
    }

    SimulatedLogger sim;
    FtdiApi* previous = nullptr;
    int counter = 0;
};

// Closes the read-out window when it offers "OK", or aborts it at the given progress.
class WindowCloser
{
public:
    explicit WindowCloser(int abortAt)
    {
        QObject::connect(&timer, &QTimer::timeout, [abortAt] {
            auto* dlg = qobject_cast<ReadOutDlg*>(QApplication::activeModalWidget());
            if (!dlg)
                return;
            const bool abortNow = abortAt > 0 && dlg->RdProgressBar->value() >= abortAt;
            if (abortNow || dlg->ActionButton->text() == QLatin1String("OK"))
                dlg->ActionButton->click();
        });
        timer.start(0);
    }

private:
    QTimer timer;
};

// Answers questions from the input's bits; an error box's "Ismét" plugs the logger in again.
class Answers
{
public:
    Answers(Logger& logger, int bits)
    {
        previous = Prompts::setHandler([&logger, bits, this](const Prompts::Request& r) {
            const bool second = bits & (1 << (asked++ % 8));
            int button = 0;
            if (r.kind == Prompts::Kind::Question)
                button = second ? 1 : 0;
            else if (r.buttons.size() == 2 && second && retries < 3) {
                ++retries;
                logger.dev().pluggedIn = true;
                button = 1;
            }
            if (r.title == LogModel::tr("Esemény napló mentés"))
                saveFailed = true;
            return Prompts::Answer{button, QString(), QColor()};
        });
    }
    ~Answers() { Prompts::setHandler(previous); }
    bool saveFailed = false;

private:
    Prompts::Handler previous;
    int asked = 0;
    int retries = 0;
};

// The main window's way: the logger opened and read, the log named after it loaded or
// made new. target is that log's file.
bool readOut(LogModel& log, QString& target, bool* reached = nullptr)
{
    UsbCom com;
    UsbErrorCodes result = com.open();
    if (result == UsbOk)
        result = com.getDeviceInfo();
    if (result == UsbOk)
        result = com.readConfirmedIdentity(true);
    if (result != UsbOk)
        return false;
    target = dir->filePath(LogFile::fileNameForDevice(com.deviceName));
    log.setDeviceIdentity(&com);
    if (QFileInfo::exists(target) && !log.load(target, nullptr))
        return false;
    if (reached)
        *reached = true;
    return log.readOut(&com);
}

// Every file of the working folder with its bytes.
QMap<QString, QByteArray> folder()
{
    QMap<QString, QByteArray> files;
    for (const QString& name : QDir(dir->path()).entryList(QDir::Files))
        files.insert(name, fileBytes(dir->filePath(name)));
    return files;
}

QVector<LogEntry> entriesOf(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LogFile::read(buffer).entries;
}

// An identity garbled within its length: the write index moved or a bit of it flipped, set
// anywhere, or a byte of the record shifted in or lost.
SimulatedLogger::IdentityTransform identityGarble(int a, int b)
{
    switch (a % 6) {
    case 0: return SimulatedLogger::garbledWriteIndex([b](int i) { return i - 1 - b % 8; });
    case 1: return SimulatedLogger::garbledWriteIndex([b](int i) { return i + 1 + b % 8; });
    case 2: return SimulatedLogger::garbledWriteIndex([b](int i) { return i ^ (1 << (b % 16)); });
    case 3: return SimulatedLogger::garbledWriteIndex([a, b](int) { return b << 8 | a; });
    case 4: return [a, b](QByteArray& id) { id.insert(b % 36, char(a)); };
    default: return [b](QByteArray& id) { id.remove(b % 36, 1); };
    }
}

void apply(Logger& logger, const Event& e)
{
    SimulatedLogger& sim = logger.sim;
    switch (e.action) {
    case 0: sim.injectReplyFault(-1, 1, SimulatedLogger::Silent); break;
    case 1: sim.injectReplyFault(-1, 1, SimulatedLogger::LengthByte, e.a); break;
    case 2: sim.injectReplyFault(-1, 1, SimulatedLogger::ShortBody, e.a); break;
    case 3: sim.injectReplyFault(-1, 1, SimulatedLogger::Garbage, e.a, 1, QByteArray(1 + e.b % 4, char(e.b))); break;
    case 4: sim.injectReplyFault(-1, 1, SimulatedLogger::LoseBytes, e.a * 3, 1 + e.b); break;
    case 5: sim.injectReplyFault(-1, 1, SimulatedLogger::LateTail, e.a * 3); break;
    case 6: sim.injectReplyFault(-1, 1, SimulatedLogger::Unplug, e.a * 3); break;
    case 7: logger.addTouches(1 + e.a % 70); break; // the logger writes while it is read
    case 8: logger.dev().setWriteIndex(e.a | e.b << 8); break;
    case 9: logger.dev().setRecord(e.a | e.b << 8, e.bytes.leftJustified(10, char(0xFF))); break;
    case 10: sim.serveReplies({e.bytes}); break;
    case 11: logger.dev().setClockOffset(qint64(qint8(e.a)) * 60000); break;
    case 12: sim.garbleIdentity(1, identityGarble(e.a, e.b)); break; // the next identity reply
    }
}

// Faults that leave what the logger holds and hands over intact: a read-out under them alone
// (and one garbled identity reply) takes its records in order, each once.
bool keepsRecordsIntact(int action)
{
    return action == 0 || action == 2 || action == 6 || action == 7 || action == 11 || action == 12;
}

// The counter a touch of Logger::addTouches carries in its code.
int touchNumber(const LogEntry& e)
{
    const unsigned char* b = e.bytes();
    return int(quint32(b[6]) << 24 | quint32(b[7]) << 16 | quint32(b[8]) << 8 | b[9]);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    (void)argc;
    (void)argv;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Budapest");
    tzset();
    static int qtArgc = 1;
    static char name[] = "fuzz_readout";
    static char* qtArgv[] = {name, nullptr};
    app = new WyxApp(qtArgc, qtArgv);
    installKodNevModel(*app->settings);
    dir = new QTemporaryDir;
    std::atexit([] { delete dir; }); // libFuzzer ends with exit(): the folder goes with it
    appSettings().workDir = dir->path();
    // Waits on the logger's tick pass at once.
    Clock::setSource([now = qint64(1710234900000)]() mutable { return now += 7; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const Input in = parse(data, size);
    for (const QString& name : QDir(dir->path()).entryList(QDir::Files))
        QFile::remove(dir->filePath(name));
    appSettings().flags |= OptAutoClockSet;

    Logger logger(in.flags & 0x20);
    logger.dev().ringMode = (in.flags & 1) ? SimulatedDevice::NoGap : SimulatedDevice::EraseAhead;
    const int logKind = (in.flags >> 2) & 3;
    if (logKind != 0) {
        logger.addTouches(in.before);
        Answers yes(logger, 0);
        WindowCloser closer(0);
        LogModel log;
        QString path;
        check(readOut(log, path));
        if (logKind == 2)
            logger.dev().setConfigBytes(24, SimulatedDevice::packTime(QDateTime(QDate(2024, 2, 1), QTime(8, 0))));
        if (logKind == 3) {
            LogFile::Header header = log.header();
            header.ringIndex = quint16(in.before | (in.after << 11));
            QFile f(path);
            check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && LogFile::write(f, header, log.entries()));
        }
    }
    logger.addTouches(in.after);
    const int writtenBefore = logger.counter; // touches the logger holds or held before the read-out
    if (in.flags & 0x10)
        logger.dev().setClockOffset(3600 * 1000);
    if (!(in.flags & 2))
        appSettings().flags &= ~OptAutoClockSet;

    const QMap<QString, QByteArray> filesBefore = folder();

    int frame = 0;
    int readoutTimeWrites = 0;
    bool recordsIntact = true;
    int identityGarbles = 0;
    int loggedDuring = 0;
    logger.sim.setFrameHandler([&](const QByteArray& request) {
        if (request.size() > 1 && quint8(request.at(1)) == 0x1C)
            ++readoutTimeWrites;
        for (const Event& e : in.events)
            if (e.frame == frame) {
                apply(logger, e);
                recordsIntact = recordsIntact && keepsRecordsIntact(e.action);
                identityGarbles += e.action == 12 ? 1 : 0;
            }
        ++frame;
        loggedDuring = logger.counter - writtenBefore;
    });
    logger.sim.setRecording(false);

    LogModel log;
    QString target;
    bool done;
    bool reached = false; // the log was loaded and its read-out began
    bool saveFailed;
    {
        Answers answers(logger, in.answers);
        WindowCloser closer(in.abortAt);
        done = readOut(log, target, &reached);
        saveFailed = answers.saveFailed;
    }
    logger.sim.setFrameHandler(nullptr);

    QMap<QString, QByteArray> filesAfter = folder();
    const QString targetName = QFileInfo(target).fileName();
    const QVector<LogEntry> rowsBefore = entriesOf(filesBefore.value(targetName));
    static const bool verbose = qEnvironmentVariableIsSet("FUZZ_READOUT_VERBOSE");
    if (verbose)
        std::fprintf(stderr, "read-out of %s %s, rows %d -> %d, frames %d, files %s\n", qPrintable(targetName),
                     done ? "done" : "failed", int(rowsBefore.size()), log.rowCount(), frame,
                     qPrintable(filesAfter.keys().join(QLatin1Char(' '))));
    if (!done) {
        // Nothing changed, nothing told to the logger.
        check(filesAfter == filesBefore);
        check(readoutTimeWrites == 0);
        if (reached) {
            check(log.entries() == rowsBefore);
            check(!filesBefore.contains(targetName) || !log.isModified());
        }
        return 0;
    }
    // Earlier rows kept in place; then at most one ring of slots (a garbled page can hold
    // anything below 225, the program's own kinds too), at most one entry for a gap or
    // another logger's initialisation, and the read-out's own entry last.
    const QVector<LogEntry>& rows = log.entries();
    check(rows.size() >= rowsBefore.size());
    check(std::equal(rowsBefore.begin(), rowsBefore.end(), rows.begin()));
    const int added = rows.size() - rowsBefore.size();
    check(added <= logger.dev().lastIndex() + 2);
    check(added == 0 || rows.last().kind() == KindReadOut);
    check(log.ringIndex() <= logger.dev().lastIndex());
    // With the records intact, those taken are consecutive and follow the log's last touch,
    // unless a gap or another logger's initialisation stands between; the newest record
    // written before the read-out is among them, a whole ring loses at most one record for
    // each logged meanwhile, and a gap is marked only when the ring overflowed. One garbled
    // identity reply at most: two alike in a row pass for a confirmed write index.
    const int lastIndex = logger.dev().lastIndex();
    if (recordsIntact && identityGarbles <= 1 && loggedDuring < lastIndex / 2) {
        QVector<int> taken;
        bool gap = false;
        bool foreign = false;
        for (int i = rowsBefore.size(); i < rows.size(); ++i) {
            if (rows.at(i).isTouch())
                taken << touchNumber(rows.at(i));
            gap = gap || rows.at(i).kind() == KindDataGap;
            foreign = foreign || rows.at(i).kind() == KindForeignInit;
        }
        for (int i = 1; i < taken.size(); ++i)
            check(taken.at(i) == taken.at(i - 1) + 1);
        const auto lastBefore = std::find_if(rowsBefore.rbegin(), rowsBefore.rend(),
                                             [](const LogEntry& e) { return e.isTouch(); });
        const bool wholeRing = gap || foreign || rowsBefore.isEmpty();
        if (!taken.isEmpty() && !wholeRing && lastBefore != rowsBefore.rend())
            check(taken.first() == touchNumber(*lastBefore) + 1);
        // (Not after a whole number of rounds of the ring into a log without a touch: no
        // continuity record can tell that from nothing new.)
        if (writtenBefore > 0 && ((in.after > 0 && in.after < lastIndex) || wholeRing))
            check(!taken.isEmpty() && taken.last() >= writtenBefore - 1);
        if (wholeRing)
            check(taken.size() >= qMin(writtenBefore, lastIndex) - loggedDuring - 2);
        if (logKind == 1 && in.after + loggedDuring + 2 < lastIndex)
            check(!gap);
    }
    // Only the log's own file (and its backup) changed; on disk exactly what the window
    // shows, unless the save was reported as failed.
    const QByteArray saved = filesAfter.take(targetName);
    filesAfter.remove(targetName + QStringLiteral(".bak"));
    QMap<QString, QByteArray> othersBefore = filesBefore;
    othersBefore.remove(targetName);
    othersBefore.remove(targetName + QStringLiteral(".bak"));
    check(filesAfter == othersBefore);
    if (saveFailed)
        check(saved == filesBefore.value(targetName));
    else if (added > 0)
        check(entriesOf(saved) == rows);
    return 0;
}
