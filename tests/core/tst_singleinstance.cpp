#include "support/testenv.h"
#include "support/testmain.h"

#include "core/singleinstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QProcess>
#include <QUdpSocket>
#include <QUuid>

namespace {

QString uniqueKey()
{
    return QStringLiteral("wyx-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// Stands in for the running instance's listener. Bound exclusively, so that a child's
// own listener cannot take the port and its datagrams over.
class Listener
{
public:
    Listener() { bound = socket.bind(QHostAddress(QHostAddress::LocalHost), 0, QUdpSocket::DontShareAddress); }
    quint16 port() const { return socket.localPort(); }
    QByteArray next(int timeoutMs = 10000)
    {
        if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(timeoutMs))
            return QByteArray("<nothing>");
        return socket.receiveDatagram().data();
    }
    // Proves nothing else arrived before: the marker must be the next datagram.
    bool nothingBefore(const QByteArray& marker)
    {
        QUdpSocket().writeDatagram(marker, QHostAddress(QHostAddress::LocalHost), port());
        return next() == marker;
    }
    QUdpSocket socket;
    bool bound = false;
};

QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../wyx770");
}

QProcessEnvironment childEnvironment(const TestEnv& env, const QString& key, quint16 port)
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("WYX_INSTANCE_KEY", key);
    e.insert("WYX_INSTANCE_PORT", QString::number(port));
    e.insert("QT_QPA_PLATFORM", "offscreen");
    e.insert("XDG_CONFIG_HOME", env.settingsDir());
    e.insert("HOME", env.root());
    return e;
}

bool segmentExists(const QString& key)
{
    QSharedMemory probe(key);
    if (!probe.attach())
        return false;
    probe.detach();
    return true;
}

} // namespace

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void keyAndPortCanBeInjected()
    {
        qunsetenv("WYX_INSTANCE_KEY");
        qunsetenv("WYX_INSTANCE_PORT");
        QVERIFY(instanceKey().startsWith("XX_QUELTA_WYX_RUNNING_SEMAFOR_XX"));
        QVERIFY(instanceKey().size() > 33); // the user's name follows
        QCOMPARE(instancePort(), quint16(7890));
        qputenv("WYX_INSTANCE_KEY", "k1");
        qputenv("WYX_INSTANCE_PORT", "40123");
        QCOMPARE(instanceKey(), QStringLiteral("k1"));
        QCOMPARE(instancePort(), quint16(40123));
        for (const char* bad : {"0", "70000", "port", "-1"}) {
            qputenv("WYX_INSTANCE_PORT", bad);
            QCOMPARE(instancePort(), quint16(7890));
        }
        qunsetenv("WYX_INSTANCE_KEY");
        qunsetenv("WYX_INSTANCE_PORT");
    }

    void handOffSendsOnlyAFileArgument()
    {
        Listener listener;
        QVERIFY(listener.bound);
        const QString path = QStringLiteral("/tmp/őrjárat napló/Kapu 1.ewl");
        QVERIFY(handOffToRunningInstance({"/usr/bin/wyx770", "-x", path}, listener.port()));
        QCOMPARE(listener.next(), path.toLocal8Bit());
        // A relative argument means the sender's directory, which the receiver cannot know.
        QVERIFY(handOffToRunningInstance({"wyx770", "napló.ewl"}, listener.port()));
        QCOMPARE(listener.next(), QDir::current().absoluteFilePath(QStringLiteral("napló.ewl")).toLocal8Bit());

        QVERIFY(!handOffToRunningInstance({"/usr/bin/wyx770"}, listener.port()));
        QVERIFY(!handOffToRunningInstance({"C:/Program Files/WYX/wyx770.exe"}, listener.port()));
        QVERIFY(!handOffToRunningInstance({"wyx770", "X.EXE"}, listener.port()));
        QVERIFY(!handOffToRunningInstance({"wyx770", ""}, listener.port()));
        QVERIFY(!handOffToRunningInstance({}, listener.port()));
        QVERIFY(listener.nothingBefore("marker-1"));
        QCOMPARE(handOffArgument({"wyx770", "a.exe.txt"}), QStringLiteral("a.exe.txt"));
    }

    void guardAdmitsOneHolderAtATime()
    {
        const QString key = uniqueKey();
        {
            SingleInstanceGuard first(key);
            QVERIFY(first.acquire());
            SingleInstanceGuard second(key);
            QVERIFY(!second.acquire());
            // The second's look at the segment must not have removed the first one's.
            QVERIFY(segmentExists(key));
            SingleInstanceGuard third(key);
            QVERIFY(!third.acquire());
        }
        SingleInstanceGuard later(key);
        QVERIFY(later.acquire());
    }

    void secondStartHandsOffAndEnds()
    {
        TestEnv env;
        QVERIFY2(QFileInfo::exists(programPath()), qPrintable(programPath()));
        Listener listener;
        QVERIFY(listener.bound);
        const QString key = uniqueKey();
        SingleInstanceGuard running(key);
        QVERIFY(running.acquire());

        const QString file = env.path(QStringLiteral("Főkapu.ewl"));
        QProcess second;
        second.setProcessEnvironment(childEnvironment(env, key, listener.port()));
        second.start(programPath(), {file});
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(listener.next(), file.toLocal8Bit());

        // Without an argument the program's own path is not sent.
        QProcess bare;
        bare.setProcessEnvironment(childEnvironment(env, key, listener.port()));
        bare.start(programPath(), QStringList());
        QVERIFY(bare.waitForFinished(60000));
        QCOMPARE(bare.exitCode(), 0);
        QVERIFY(listener.nothingBefore("marker-2"));
    }

    void crashedInstanceDoesNotBlockTheNextStart()
    {
        TestEnv env;
        QVERIFY2(QFileInfo::exists(programPath()), qPrintable(programPath()));
        Listener listener;
        QVERIFY(listener.bound);
        const QString key = uniqueKey();
        QProcess first;
        first.setProcessEnvironment(childEnvironment(env, key, listener.port()));
        first.start(programPath(), QStringList());
        QVERIFY(first.waitForStarted());
        QElapsedTimer t;
        t.start();
        while (!segmentExists(key) && t.elapsed() < 60000 && first.state() == QProcess::Running)
            QTest::qWait(20);
        QVERIFY(segmentExists(key));
        first.kill(); // no clean-up: the segment stays behind
        QVERIFY(first.waitForFinished());

        QSharedMemory raw(key);
        QVERIFY(!raw.create(1));
        QCOMPARE(raw.error(), QSharedMemory::AlreadyExists);

        // A plain start after the crash runs as the first instance instead of handing off.
        QProcess next;
        next.setProcessEnvironment(childEnvironment(env, key, listener.port()));
        next.start(programPath(), {env.path("x.ewl")});
        QVERIFY(next.waitForStarted());
        QVERIFY(!next.waitForFinished(4000));
        QVERIFY(listener.nothingBefore("marker-3"));
        next.kill();
        next.waitForFinished();

        SingleInstanceGuard cleanup(key); // clears the segment the killed one left
        QVERIFY(cleanup.acquire());
    }
};

WYX_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
