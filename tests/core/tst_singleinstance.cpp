#include "support/testenv.h"
#include "support/testmain.h"

#include "core/singleinstance.h"
#include "support/otheruser.h"

#include <QDir>
#include <QNetworkDatagram>
#include <QProcess>
#include <QUdpSocket>
#include <QUuid>

#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/stat.h>
#include <unistd.h>

#include <thread>
#include <vector>

namespace {

// Stands in for the running instance's listener. Bound exclusively, so that a child's
// own listener cannot take the port and its datagrams over.
struct Listener {
    QUdpSocket socket;
    bool bound = socket.bind(QHostAddress(QHostAddress::LocalHost), 0, QUdpSocket::DontShareAddress);
    quint16 port() const { return socket.localPort(); }
    QByteArray next()
    {
        if (!socket.hasPendingDatagrams() && !socket.waitForReadyRead(10000))
            return "<nothing>";
        return socket.receiveDatagram().data();
    }
    // Proves nothing else arrived before: the marker must be the next datagram.
    bool nothingBefore(const QByteArray& marker)
    {
        QUdpSocket().writeDatagram(marker, QHostAddress(QHostAddress::LocalHost), port());
        return next() == marker;
    }
};

QString newKey()
{
    return QStringLiteral("wyx-test-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

const QByteArray secret(handOverSecretSize, 'k');

// What the program started with WYX_INSTANCE_KEY=base and its options under env keys its
// segments by.
QString programKey(const TestEnv& env, const QString& base)
{
    return saltedInstanceKey(base, instanceSalt(env.settingsDir() + QStringLiteral("/quelta")));
}

// The program beside the tests ...
QString programPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/../wyx770");
}

// ... started with WYX_INSTANCE_KEY=base and its options under env.
QProcessEnvironment programEnvironment(const TestEnv& env, const QString& base)
{
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.insert("WYX_INSTANCE_KEY", base);
    e.insert("XDG_CONFIG_HOME", env.settingsDir());
    e.insert("HOME", env.root());
    return e;
}

// Publishes the test's listener in the running instance's segment, standing in for its own.
bool standInForListener(const QString& key, quint16 port)
{
    void* data = shmat(shmget(key_t(SingleInstanceGuard::segmentKey(key, 0)), 0, 0), nullptr, 0);
    if (data == reinterpret_cast<void*>(-1))
        return false;
    memcpy(data, publishedRecord({port, secret}).constData(), publishedRecordSize);
    shmdt(data);
    return true;
}

enum class SaltFile { OthersMayRead, Symlink, Directory, Fifo, Short, OtherUsers };

} // namespace

Q_DECLARE_METATYPE(SaltFile)

class TestSingleInstance : public QObject
{
    Q_OBJECT
private slots:
    void keyPortAndHandedArgument()
    {
        qunsetenv("WYX_INSTANCE_KEY");
        qunsetenv("WYX_INSTANCE_PORT");
        QVERIFY(instanceKey().startsWith("XX_QUELTA_WYX_RUNNING_SEMAFOR_XX"));
        QVERIFY(instanceKey().endsWith(QLatin1Char('_') + QString::number(getuid())));
        QCOMPARE(instancePort(), quint16(7890));
        // Set ones are used by the program starts below; an unusable port falls back.
        for (const char* bad : {"0", "70000", "port", "-1"}) {
            qputenv("WYX_INSTANCE_PORT", bad);
            QCOMPARE(instancePort(), quint16(7890));
        }
        qunsetenv("WYX_INSTANCE_PORT");

        Listener listener;
        QVERIFY(listener.bound);
        const HandOverEndpoint endpoint{listener.port(), secret};
        const QString path = QStringLiteral("/tmp/őrjárat napló/Kapu 1.ewl");
        QVERIFY(handOffToRunningInstance({"/usr/bin/wyx770", "-x", path}, endpoint));
        QCOMPARE(listener.next(), secret + path.toLocal8Bit());
        // A relative argument means the sender's directory, which the receiver cannot know.
        QVERIFY(handOffToRunningInstance({"wyx770", "napló.ewl"}, endpoint));
        QCOMPARE(listener.next(), secret + QDir::current().absoluteFilePath(QStringLiteral("napló.ewl")).toLocal8Bit());
        // The program's own path is no file to open.
        const QList<QStringList> noFile = {{"/usr/bin/wyx770"}, {"wyx770", "X.EXE"}, {"wyx770", ""}, {}};
        for (const QStringList& args : noFile)
            QVERIFY2(!handOffToRunningInstance(args, endpoint), qPrintable(args.join(' ')));
        QVERIFY(listener.nothingBefore("marker-1"));
        QCOMPARE(handOffArgument({"wyx770", "a.exe.txt"}), QStringLiteral("a.exe.txt"));
    }

    // One flow of real program starts: a second start hands its file over and ends, a bare
    // one sends nothing, and a killed first instance's segment does not block the next start.
    // The file goes only to a port this user's program holds, never to another user's.
    void handOffOnlyToThisUsersPort()
    {
        TestEnv env;
        Listener listener;
        QVERIFY(listener.bound);
        QVERIFY(udpPortOwnedByThisUser(listener.port()));
        const QStringList args = {QStringLiteral("wyx770"), env.path(QStringLiteral("a.ewl"))};
        QVERIFY(handOffToRunningInstance(args, {listener.port(), secret}));
        QCOMPARE(listener.next(), secret + env.path(QStringLiteral("a.ewl")).toLocal8Bit());

        // The same port as another user's (uid 4242) in a copy of the kernel's table, alone
        // and beside a socket of this user's.
        const QString table = env.path(QStringLiteral("udp"));
        QFile f(table);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray port = QByteArray::number(listener.port(), 16).rightJustified(4, '0').toUpper();
        const QByteArray line = "  12: 0100007F:" + port + " 00000000:0000 07 00000000:00000000 00:00000000 00000000  ";
        f.write("  sl  local_address rem_address   st tx_queue rx_queue tr tm->when retrnsmt   uid  timeout inode\n"
                + line + "4242        0 1 2\n");
        f.close();
        QVERIFY(!udpPortOwnedByThisUser(listener.port(), {table}));
        QVERIFY(f.open(QIODevice::Append));
        f.write(line + QByteArray::number(getuid()) + "        0 1 2\n");
        f.close();
        QVERIFY(!udpPortOwnedByThisUser(listener.port(), {table}));
        QVERIFY(!handOffToRunningInstance(args, {})); // nothing published
        QVERIFY(listener.nothingBefore("marker"));
    }

    void laterStartsOfTheProgram()
    {
        TestEnv env;
        const QString program = programPath();
        Listener listener;
        QVERIFY(listener.bound);
        const QString base = newKey();
        const QString key = programKey(env, base);
        QProcessEnvironment e = programEnvironment(env, base);
        e.insert("WYX_INSTANCE_PORT", QString::number(listener.port()));
        const auto start = [&](QProcess& p, const QStringList& args) {
            p.setProcessEnvironment(e);
            p.start(program, args);
            return p.waitForStarted();
        };

        QProcess first;
        QVERIFY(start(first, {}));
        QTRY_VERIFY_WITH_TIMEOUT(SingleInstanceGuard::published(key).isValid(), 60000);
        // The preferred port is the test's: the first instance listens on its own port and
        // publishes that; stand in for it with the test's listener.
        QVERIFY(SingleInstanceGuard::published(key).port != listener.port());
        const int id = shmget(key_t(SingleInstanceGuard::segmentKey(key, 0)), 0, 0);
        QVERIFY(standInForListener(key, listener.port()));

        const auto endsAtOnce = [&](const QStringList& args) {
            QProcess p;
            return start(p, args) && p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit
                   && p.exitCode() == 0;
        };
        const QString file = env.path(QStringLiteral("Főkapu.ewl"));
        QVERIFY(endsAtOnce({file}));
        QCOMPARE(listener.next(), secret + file.toLocal8Bit());
        QVERIFY(endsAtOnce({})); // without an argument the program's own path is not sent
        QVERIFY(listener.nothingBefore("marker-2"));

        first.kill(); // no clean-up
        QVERIFY(first.waitForFinished());
        // Still there: the later starts' looks did not remove it, and the kill left it behind.
        QCOMPARE(shmget(key_t(SingleInstanceGuard::segmentKey(key, 0)), 0, 0), id);
        // A plain start after the crash runs as the first instance instead of handing off.
        QProcess next;
        QVERIFY(start(next, {env.path("x.ewl")}));
        QVERIFY(!next.waitForFinished(4000));
        QVERIFY(listener.nothingBefore("marker-3"));
        next.kill();
        next.waitForFinished();
        SingleInstanceGuard cleanup(key); // clears the segment the killed one left
        QVERIFY(cleanup.acquire());
    }

    // A later start that comes while the first is still making its window (it holds its
    // segment at once, but has no listener to publish yet) waits for it and hands its file
    // over, rather than ending without a trace.
    void laterStartDuringFirstStartUpWaitsForItsListener()
    {
        TestEnv env;
        Listener listener;
        QVERIFY(listener.bound);
        const QString base = newKey();
        const QString key = programKey(env, base);
        SingleInstanceGuard first(key);
        QVERIFY(first.acquire());
        QProcess later;
        later.setProcessEnvironment(programEnvironment(env, base));
        const QString file = env.path(QStringLiteral("kapu.ewl"));
        later.start(programPath(), {file});
        QVERIFY(later.waitForStarted());
        QTest::qWait(500);
        first.publish({listener.port(), secret});
        QCOMPARE(listener.next(), secret + file.toLocal8Bit());
        QVERIFY(later.waitForFinished(60000));
        QCOMPARE(later.exitCode(), 0);
    }

    // Another user's segments under the key (one only its owner may read, one anyone may
    // read that names a port of theirs) are no instance of ours: the first start goes on
    // under a key of its own, and a later start of ours still finds it there.
    void foreignSegmentIsNoRunningInstance()
    {
        OtherUser other;
        if (!other.unavailable().isEmpty())
            QSKIP(qPrintable(other.unavailable()));
        const QString key = newKey();
        QProcess squatter;
        QVERIFY(other.start(squatter, {"squat", key, "9"}));
        {
            SingleInstanceGuard first(key);
            QVERIFY(first.acquire());
            first.publish({4711, secret});
            SingleInstanceGuard second(key);
            QVERIFY(!second.acquire());
            QCOMPARE(SingleInstanceGuard::published(key).port, quint16(4711));
        }
        squatter.closeWriteChannel();
        QVERIFY(squatter.waitForFinished());
    }

    // The same with the program itself: it starts, publishes its listener, and a later
    // start of the same user hands its file over and ends.
    void programStartsBesideAForeignSegment()
    {
        OtherUser other;
        if (!other.unavailable().isEmpty())
            QSKIP(qPrintable(other.unavailable()));
        TestEnv env;
        const QString base = newKey();
        const QString key = programKey(env, base);
        QProcess squatter;
        QVERIFY(other.start(squatter, {"squat", key, "9"}));
        const QProcessEnvironment e = programEnvironment(env, base);
        const QString program = programPath();
        QProcess first;
        first.setProcessEnvironment(e);
        first.start(program, QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(SingleInstanceGuard::published(key).isValid() || first.state() == QProcess::NotRunning,
                                 60000);
        QCOMPARE(first.state(), QProcess::Running);
        QProcess second;
        second.setProcessEnvironment(e);
        second.start(program, {env.path("x.txt")});
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 0);
        first.kill();
        first.waitForFinished();
        {
            SingleInstanceGuard cleanup(key); // clears the segment the killed one left, beside the others
            QVERIFY(cleanup.acquire());
        }
        squatter.closeWriteChannel();
        QVERIFY(squatter.waitForFinished());
    }

    // What the running instance publishes, its secret above all, no other user can read.
    void publishedSecretUnreadableByOtherUsers()
    {
        OtherUser other;
        if (!other.unavailable().isEmpty())
            QSKIP(qPrintable(other.unavailable()));
        const QString key = newKey();
        SingleInstanceGuard guard(key);
        QVERIFY(guard.acquire());
        guard.publish({4711, secret});
        QVERIFY(SingleInstanceGuard::published(key).isValid());
        QCOMPARE(other.run({"read", key}), QByteArray("denied\n"));
    }

    // Another user can work out the key from the user id and take every slot of it first.
    // The program's key holds a salt they cannot read: a later start still finds the first
    // and hands its file over instead of becoming a second instance.
    void slotsOfTheUserIdKeyTakenByAnotherUser()
    {
        OtherUser other;
        if (!other.unavailable().isEmpty())
            QSKIP(qPrintable(other.unavailable()));
        TestEnv env;
        Listener listener;
        QVERIFY(listener.bound);
        const QString base = newKey();
        QProcess squatter;
        QVERIFY(other.start(squatter, {"squat", base, "9", QString::number(SingleInstanceGuard::Slots)}));
        const QProcessEnvironment e = programEnvironment(env, base);
        const QString program = programPath();
        QProcess first;
        first.setProcessEnvironment(e);
        first.start(program, QStringList());
        const QString key = programKey(env, base);
        QTRY_VERIFY_WITH_TIMEOUT(SingleInstanceGuard::published(key).isValid() || first.state() == QProcess::NotRunning,
                                 60000);
        QCOMPARE(first.state(), QProcess::Running);
        QVERIFY(standInForListener(key, listener.port()));
        QProcess second;
        second.setProcessEnvironment(e);
        const QString file = env.path(QStringLiteral("kapu.ewl"));
        second.start(program, {file});
        QVERIFY(second.waitForFinished(60000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(listener.next(), secret + file.toLocal8Bit());
        first.kill();
        first.waitForFinished();
        {
            SingleInstanceGuard cleanup(key); // clears the segment the killed one left
            QVERIFY(cleanup.acquire());
        }
        squatter.closeWriteChannel();
        QVERIFY(squatter.waitForFinished());
    }

    // The salt is made once, by whichever of racing starts comes first, readable by its
    // user alone; later starts read the same, and a renewal puts a new one in its place.
    void saltMadeOnceAndRenewed()
    {
        TestEnv env;
        const QString folder = env.settingsDir() + QStringLiteral("/not yet made");
        std::vector<QByteArray> salts(6);
        std::vector<std::thread> starts;
        for (QByteArray& salt : salts)
            starts.emplace_back([&salt, &folder] { salt = instanceSalt(folder); });
        for (std::thread& start : starts)
            start.join();
        QCOMPARE(salts.front().size(), 32);
        for (const QByteArray& salt : salts)
            QCOMPARE(salt.toHex(), salts.front().toHex());
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(folder + QStringLiteral("/WYX-instance.salt")).constData(), &st), 0);
        QCOMPARE(st.st_mode & 07777, mode_t(0600));

        QVERIFY(renewInstanceSalt(folder));
        const QByteArray renewed = instanceSalt(folder);
        QCOMPARE(renewed.size(), 32);
        QVERIFY(renewed != salts.front());
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{QStringLiteral("WYX-instance.salt")});
        QCOMPARE(saltedInstanceKey(QStringLiteral("k"), QByteArray()), QStringLiteral("k"));
    }

    // A salt file that someone else may have made or read is not used: the key stays as it
    // follows from the user id (the slots still keep other users' segments apart).
    void untrustedSaltFile_data()
    {
        QTest::addColumn<SaltFile>("kind");
        QTest::newRow("others may read") << SaltFile::OthersMayRead;
        QTest::newRow("symlink") << SaltFile::Symlink;
        QTest::newRow("directory") << SaltFile::Directory;
        QTest::newRow("fifo") << SaltFile::Fifo;
        QTest::newRow("short") << SaltFile::Short;
        QTest::newRow("another user's") << SaltFile::OtherUsers;
    }

    void untrustedSaltFile()
    {
        QFETCH(SaltFile, kind);
        TestEnv env;
        const QString folder = env.settingsDir();
        const QString elsewhere = env.settingsDir() + QStringLiteral("/elsewhere");
        const QByteArray path = QFile::encodeName(folder + QStringLiteral("/WYX-instance.salt"));
        QVERIFY(!instanceSalt(elsewhere).isEmpty()); // a sound one, for the symlink
        switch (kind) {
        case SaltFile::Symlink:
            QCOMPARE(symlink("elsewhere/WYX-instance.salt", path.constData()), 0);
            break;
        case SaltFile::Directory:
            QCOMPARE(mkdir(path.constData(), 0700), 0);
            break;
        case SaltFile::Fifo:
            QCOMPARE(mkfifo(path.constData(), 0600), 0);
            break;
        case SaltFile::OtherUsers:
            if (getuid() != 0)
                QSKIP("giving a file to another user needs root");
            Q_FALLTHROUGH();
        default:
            QVERIFY(QFile::copy(elsewhere + QStringLiteral("/WYX-instance.salt"), QFile::decodeName(path)));
            QCOMPARE(chmod(path.constData(), kind == SaltFile::OthersMayRead ? 0644 : 0600), 0);
            if (kind == SaltFile::Short)
                QCOMPARE(truncate(path.constData(), 16), 0);
            if (kind == SaltFile::OtherUsers)
                QCOMPARE(chown(path.constData(), 54321, 54321), 0);
        }
        QCOMPARE(instanceSalt(folder), QByteArray());
    }
};

WYX_TEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
