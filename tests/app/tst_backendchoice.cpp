// The driver backend the program installs at start-up, and how tests put their own in front
// of it.
#include "app/backendchoice.h"
#include "device/ftdiapi.h"
#include "simulator/simulatedlogger.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// Names the logger "UUUUAAAA" through raw driver calls; true when it acknowledged.
bool renameThroughDriver(FtdiApi& api)
{
    FtdiApi::Handle h = api.openBySerial("SIM00001");
    if (!h)
        return false;
    const bool lineSet = api.setBaudRate(h, 55555)
        && api.setDataCharacteristics(h, 8, FtdiApi::StopBits2, FtdiApi::ParityNone)
        && api.setFlowControl(h, FtdiApi::FlowNone, 0x11, 0x13) && api.setTimeouts(h, 500, 200);
    const QByteArray request = "S" + SimulatedLogger::makeFrame(QByteArray::fromHex("0955555555414141 41"));
    int written = 0;
    const bool sent = lineSet
        && api.write(h, reinterpret_cast<const unsigned char*>(request.constData()), request.size(), written);
    QByteArray reply(4, '\0');
    int got = 0;
    api.read(h, reinterpret_cast<unsigned char*>(reply.data()), reply.size(), got);
    api.close(h);
    return sent && reply.left(got) == "B" + SimulatedLogger::makeReply(0x09, QByteArray());
}

} // namespace

class TestBackendChoice : public QObject
{
    Q_OBJECT
private slots:
    // Runs first: nothing installed yet, so the device layer must not reach any hardware.
    void withoutInstallNoDriverIsFound()
    {
        int count = -1;
        QCOMPARE(ftdiApi().createDeviceInfoList(count), false);
        QCOMPARE(count, 0);
    }

    void environmentChoosesSimulatedLogger()
    {
        static QTemporaryDir dir; // outlives the backend, which saves at exit
        const QString path = dir.filePath(QStringLiteral("logger.json"));
        qputenv("WYX_SIMULATED_LOGGER", QFile::encodeName(path));
        installDriverBackend();
        QVERIFY(!QFile::exists(path)); // nothing is loaded before the driver is used
        auto* sim = dynamic_cast<SimulatedLogger*>(&ftdiApi());
        qunsetenv("WYX_SIMULATED_LOGGER");
        QVERIFY(sim);
        QVERIFY(QFile::exists(path));
        QVERIFY(renameThroughDriver(*sim));
        SimulatedLogger reloaded;
        QVERIFY2(reloaded.load(path), qPrintable(reloaded.errorString()));
        QCOMPARE(reloaded.device().name(), QByteArray("UUUUAAAA"));
    }

    void testReplacementGoesInFrontOfTheInstalledBackend()
    {
        FtdiApi* installed = &ftdiApi();
        SimulatedLogger own;
        QCOMPARE(setFtdiApi(&own), static_cast<FtdiApi*>(nullptr));
        QCOMPARE(&ftdiApi(), static_cast<FtdiApi*>(&own));
        QCOMPARE(setFtdiApi(nullptr), static_cast<FtdiApi*>(&own));
        QCOMPARE(&ftdiApi(), installed);
    }
};

WYX_TEST_MAIN(TestBackendChoice)
#include "tst_backendchoice.moc"
