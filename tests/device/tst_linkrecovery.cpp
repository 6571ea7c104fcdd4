// One transient fault on the link, anywhere in a typical sequence of commands (identity
// read, page read, record read), must be recovered by the transaction's own retries: the
// user sees no message and the data read is the logger's.
#include "support/testenv.h"
#include "support/testmain.h"
#include "usbcomtesting.h"

#include <QtTest>
#include <functional>

namespace {

using Inject = std::function<void(SimulatedLogger&)>;

struct Fault {
    QString what;
    Inject inject;
};

constexpr int pageStart = 100;
constexpr int entryIndex = 5;

// The sequence under test; true when every command succeeded with the logger's own data.
bool runSequence(LinkRig& r)
{
    if (r.link.getDeviceInfo() != UsbOk)
        return false;
    DeviceLogPage page;
    if (r.link.readPage(pageStart, page.bytes) != UsbOk)
        return false;
    for (int k = 0; k < DeviceLogPage::SlotCount; ++k)
        if (QByteArray(reinterpret_cast<const char*>(page.bytes + DeviceLogPage::slotOffset(k)), 10)
            != r.dev().record(pageStart + k))
            return false;
    if (r.link.readEntry(entryIndex) != UsbOk)
        return false;
    const QByteArray entry(reinterpret_cast<const char*>(r.link.lastEntry.bytes()), 10);
    return entry == r.dev().record(entryIndex) && r.link.deviceName.toUtf8() == r.dev().name()
        && r.link.writeIndex == r.dev().writeIndex();
}

struct Clean {
    int reads = 0;
    int writes = 0;
    QList<QByteArray> frames;
    QList<int> replySizes;
};

Clean cleanRun()
{
    LinkRig r;
    r.dev().fill(300);
    Clean c;
    if (r.link.open() != UsbOk)
        return c;
    r.sim.clearLogs();
    if (!runSequence(r))
        return c;
    c.reads = r.sim.callCount(QStringLiteral("read"));
    c.writes = r.sim.callCount(QStringLiteral("write"));
    c.frames = r.sim.frames();
    for (const QByteArray& reply : r.sim.replies())
        c.replySizes << reply.size();
    return c;
}

// Every single transient fault of the simulated link at every place in the clean run.
QList<Fault> singleFaults(const Clean& c)
{
    QList<Fault> faults;
    for (int n = 1; n <= c.reads; ++n)
        faults << Fault{QStringLiteral("read %1 fails").arg(n),
                        [n](SimulatedLogger& s) { s.failCall(QStringLiteral("read"), n); }};
    for (int n = 1; n <= c.writes; ++n) {
        faults << Fault{QStringLiteral("write %1 fails").arg(n),
                        [n](SimulatedLogger& s) { s.failCall(QStringLiteral("write"), n); }};
        faults << Fault{QStringLiteral("write %1 short").arg(n),
                        [n](SimulatedLogger& s) { s.failCall(QStringLiteral("write"), n, 1); }};
    }
    faults << Fault{QStringLiteral("wake-up lost"), [](SimulatedLogger& s) { s.failWakeUps(1); }};
    faults << Fault{QStringLiteral("wake-up answered X"), [](SimulatedLogger& s) { s.failWakeUps(1, 'X'); }};
    QMap<int, int> seen;
    for (int i = 0; i < c.frames.size(); ++i) {
        const int cmd = quint8(c.frames[i].at(1));
        const int nth = ++seen[cmd];
        const int size = c.replySizes.value(i);
        const auto reply = [&](const QString& what, SimulatedLogger::ReplyFault kind, int arg, int count = 1,
                               const QByteArray& bytes = QByteArray()) {
            faults << Fault{QStringLiteral("command %1 #%2: %3").arg(cmd, 2, 16, QLatin1Char('0')).arg(nth).arg(what),
                            [=](SimulatedLogger& s) { s.injectReplyFault(cmd, nth, kind, arg, count, bytes); }};
        };
        reply(QStringLiteral("lost"), SimulatedLogger::Silent, 0);
        reply(QStringLiteral("length 0"), SimulatedLogger::LengthByte, 0);
        reply(QStringLiteral("last byte missing"), SimulatedLogger::ShortBody, 1);
        reply(QStringLiteral("one byte lost"), SimulatedLogger::LoseBytes, size / 2, 1);
        reply(QStringLiteral("late tail"), SimulatedLogger::LateTail, size / 2);
        reply(QStringLiteral("noise before the reply"), SimulatedLogger::Garbage, 0, 1, QByteArray("\xFF\x00", 2));
    }
    return faults;
}

} // namespace

class TestLinkRecovery : public QObject
{
    Q_OBJECT
private slots:
    void singleTransientFaultsAreRecovered()
    {
        TestEnv env;
        const Clean clean = cleanRun();
        QCOMPARE(clean.frames.size(), 8);
        const QList<Fault> faults = singleFaults(clean);
        QStringList failed;
        for (const Fault& f : faults) {
            LinkRig r;
            r.dev().fill(300);
            QCOMPARE(r.link.open(), UsbOk);
            f.inject(r.sim);
            if (!runSequence(r))
                failed << f.what;
        }
        const double recovered = 100.0 * (faults.size() - failed.size()) / faults.size();
        qInfo("%d single transient faults, %d recovered without a message (%.1f%%)", int(faults.size()),
              int(faults.size() - failed.size()), recovered);
        QVERIFY2(recovered >= 95.0, qPrintable(failed.join(QStringLiteral("; "))));
    }
};

WYX_TEST_MAIN(TestLinkRecovery)
#include "tst_linkrecovery.moc"
