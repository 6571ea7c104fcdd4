// Every command's reply handling fed arbitrary replies by the simulated logger.
// Input: a sequence of replies, each a length byte n followed by n raw reply bytes
// (the reply's own length byte included); the simulator serves them in turn to the
// frames the commands send, and answers normally once they run out.
#include "core/clock.h"
#include "core/prompts.h"
#include "codenames/kodnevmodel.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "simulator/simulatedlogger.h"
#include "device/usbcom.h"

#include <cstdlib>

namespace {

WyxApp* app = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char name[] = "fuzz_usbreplies";
    static char* qtArgv[] = {name, nullptr};
    (void)argc;
    (void)argv;
    app = new WyxApp(qtArgc, qtArgv);
    installKodNevModel(*app->settings);
    Prompts::setHandler([](const Prompts::Request&) { return Prompts::Answer{0, QString(), QColor()}; });
    // Waits on the logger's tick pass at once.
    Clock::setSource([now = qint64(1700000000000)]() mutable { return now += 7; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QList<QByteArray> replies;
    for (size_t pos = 0; pos < size;) {
        const size_t n = data[pos++];
        const size_t take = n < size - pos ? n : size - pos;
        replies.append(QByteArray(reinterpret_cast<const char*>(data + pos), int(take)));
        pos += take;
    }

    SimulatedLogger sim;
    sim.setStrict(false);
    sim.device().fill(50);
    FtdiApi* previous = setFtdiApi(&sim);
    {
        UsbCom link;
        if (link.open() == UsbOk) {
            sim.serveReplies(replies);
            link.getDeviceInfo();
            link.readEntry(7);
            DeviceLogPage page;
            link.readPage(800, page.bytes);
            link.getClock();
            unsigned char memory[256];
            link.readConfigRange(memory, 256, 0);
            unsigned char o1, o2, o3;
            link.getQueryWord('A', &o1, &o2, &o3);
            unsigned char out[144];
            const unsigned char block[3] = {0xAC, 0x00, 0x00};
            link.runServiceCommand(3, block, 128, out);
            link.readCalibration();
            link.setClock(QDateTime(QDate(2024, 1, 2), QTime(3, 4, 6)));
            link.writeOptionFlags();
            link.initDevice(QStringLiteral("FUZZ"), QDateTime(QDate(2024, 1, 2), QTime(3, 4, 6)));
            if (link.lastIndex < 0 || link.writeIndex < 0 || link.writeIndex > 0xFFFF)
                abort();
            link.ringDistance(unsigned(link.writeIndex), 0);
        }
    }
    setFtdiApi(previous);
    return 0;
}
