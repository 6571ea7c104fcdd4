// Service functions of the USB link: Intel HEX of the configuration memory, the files
// written and read through the file prompts, the log erase and the value conversions.
#include "device/intelhex.h"
#include "device/usbcom.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"
#include "usbcomtesting.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray patternImage(int size)
{
    QByteArray image(size, '\0');
    for (int i = 0; i < size; ++i)
        image[i] = char((i * 37 + 11) & 0xFF);
    return image;
}

// An Intel HEX record checked independently of the code under test.
bool recordIsSound(const QByteArray& line)
{
    if (!line.startsWith(':'))
        return false;
    const QByteArray bytes = QByteArray::fromHex(line.mid(1));
    if (bytes.size() < 5 || bytes.size() != quint8(bytes[0]) + 5)
        return false;
    int sum = 0;
    for (char c : bytes)
        sum += quint8(c);
    return (sum & 0xFF) == 0;
}

QByteArray record(int address, int type, const QByteArray& data)
{
    QByteArray r;
    r.append(char(data.size())).append(char(address >> 8)).append(char(address & 0xFF)).append(char(type)).append(data);
    int sum = 0;
    for (char c : r)
        sum += quint8(c);
    r.append(char(-sum & 0xFF));
    return ':' + r.toHex().toUpper() + "\r\n";
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestUsbComService : public QObject
{
    Q_OBJECT
private slots:
    void hexWriteLayouts();
    void hexReadRoundTripAndMalformedInput();
    void nvmSaveAndRestoreThroughTheLogger();
    void repairLogAppends();
    void eraseLogWalksEveryBlock();
    void conversionsAndTexts();
};

void TestUsbComService::hexWriteLayouts()
{
    const QByteArray image = patternImage(256);
    const QList<QByteArray> lines = IntelHex::write(image).split('\n');
    QCOMPARE(lines.size(), 35); // extended address, 32 records, end record, empty rest
    QCOMPARE(lines.first(), QByteArray(":0200000400FFFB\r"));
    QCOMPARE(lines.at(33), QByteArray(":00000001FF\r"));
    for (int r = 0; r < 32; ++r) {
        const QByteArray line = lines.at(1 + r).chopped(1);
        QVERIFY2(recordIsSound(line), line.constData());
        const QByteArray bytes = QByteArray::fromHex(line.mid(1));
        QCOMPARE(quint8(bytes[0]), quint8(0x10));
        QCOMPARE((quint8(bytes[1]) << 8) | quint8(bytes[2]), 0xFC00 + 16 * r);
        for (int g = 0; g < 4; ++g) {
            QCOMPARE(bytes.mid(4 + 4 * g, 2), image.mid(8 * r + 2 * g, 2));
            QCOMPARE(bytes.mid(6 + 4 * g, 2), QByteArray(2, '\0'));
        }
    }
    QCOMPARE(IntelHex::write(image), IntelHex::write(image).toUpper());

    const QList<QByteArray> small = IntelHex::write(patternImage(128)).split('\n');
    QCOMPARE(small.size(), 11);
    QCOMPARE(small.first(), QByteArray(":0200000400F00A\r"));
    QCOMPARE(small.at(2).left(9), QByteArray(":10001000"));
    QVERIFY(recordIsSound(small.at(8).chopped(1)));
    QVERIFY(IntelHex::write(QByteArray(100, 'x')).isEmpty());
}

void TestUsbComService::hexReadRoundTripAndMalformedInput()
{
    const QByteArray image = patternImage(256);
    IntelHex::Image back = IntelHex::read(IntelHex::write(image));
    QVERIFY(back.complete());
    QCOMPARE(back.bytes, image);
    // Lower-case digits and bare LF line ends read the same.
    back = IntelHex::read(IntelHex::write(image).toLower().replace("\r", ""));
    QVERIFY(back.complete());
    QCOMPARE(back.bytes, image);

    // The 128-byte layout never fills the whole image.
    back = IntelHex::read(IntelHex::write(patternImage(128)));
    QCOMPARE(back.supplied, 128);
    QVERIFY(!back.complete());
    QCOMPARE(back.bytes.left(128), patternImage(128));
    QCOMPARE(back.bytes.mid(128), QByteArray(128, char(0xFF)));

    // Records outside the image are dropped, not written elsewhere; below the base an
    // address must not round into index 0.
    QByteArray text = record(0, 4, QByteArray::fromHex("00FF"));
    text += record(0xFBFF, 0, QByteArray::fromHex("AABB0000"));
    text += record(0xFBF0, 0, QByteArray(16, '\x77'));
    text += record(0xFE00, 0, QByteArray(16, '\x66'));
    text += record(0xFFFC, 0, QByteArray::fromHex("55550000"));
    text += record(0, 4, QByteArray::fromHex("00F0"));
    text += record(0x00F8, 0, QByteArray(16, '\x44')); // 8 bytes fit, 8 fall beyond 255
    back = IntelHex::read(text);
    QCOMPARE(back.supplied, 8);
    QCOMPARE(back.bytes.left(248), QByteArray(248, char(0xFF)));
    QCOMPARE(back.bytes.mid(248), QByteArray(8, '\x44'));

    // Damaged lines are skipped; an end record stops the reading.
    QByteArray good = IntelHex::write(image);
    QByteArray damaged = good;
    damaged[20] = damaged[20] == '0' ? '1' : '0'; // checksum no longer adds up
    back = IntelHex::read(damaged);
    QVERIFY(!back.complete());
    QCOMPARE(back.supplied, 248);
    const int firstData = good.indexOf('\n') + 1;
    QByteArray ended = good;
    ended.insert(firstData, ":00000001FF\r\n");
    QCOMPARE(IntelHex::read(ended).supplied, 0);
    QByteArray unknownExtended = good;
    unknownExtended.replace(0, firstData, record(0, 4, QByteArray::fromHex("0001")));
    QCOMPARE(IntelHex::read(unknownExtended).supplied, 0);

    // Garbage of every kind reads as nothing, without going out of bounds.
    for (const QByteArray& junk :
         {QByteArray(), QByteArray(":"), QByteArray(":0"), QByteArray(":ZZ0000000000"), QByteArray(5000, ':'),
          QByteArray(":FF00000000") + QByteArray(600, '0'), QByteArray(":02000004") + QByteArray(60, 'F'),
          QByteArray(":0000000400\r\n:0400FC0000AABBCC"), QByteArray("\r\n\r\n:\n:\n")}) {
        const IntelHex::Image r = IntelHex::read(junk);
        QCOMPARE(r.bytes.size(), 256);
        QVERIFY(!r.complete());
    }
    // A line over 48 characters is taken in pieces, none of which is a record.
    QByteArray longLine = record(0xFC00, 0, QByteArray(20, '\x12'));
    QVERIFY(longLine.size() > 48);
    QCOMPARE(IntelHex::read(record(0, 4, QByteArray::fromHex("00FF")) + longLine).supplied, 0);
}

void TestUsbComService::nvmSaveAndRestoreThroughTheLogger()
{
    TestEnv env;
    SimulatorInstall s;
    const QByteArray original = patternImage(256);
    QVERIFY(s.sim.device().setConfig(original));
    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    const QString path = env.path(QStringLiteral("backup"));
    {
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, path);
        QCOMPARE(link.saveSystemNvm(nullptr), UsbOk);
        const Prompts::Request& r = prompts.seen().first();
        QCOMPARE(r.text, QStringLiteral("Sys NVM mentés"));
        QVERIFY(r.directory.endsWith(QStringLiteral("_2024-03-12.hex")));
        QVERIFY(r.filter.startsWith(QStringLiteral("Intel Hex32")));
    }
    const QByteArray saved = readFile(path + QStringLiteral(".hex"));
    QCOMPARE(saved, IntelHex::write(original));

    // Change the logger, then restore: two full write frames bring the memory back.
    QByteArray changed = original;
    changed.replace(0, 100, QByteArray(100, '\0'));
    QVERIFY(s.sim.device().setConfig(changed));
    s.sim.clearLogs();
    {
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::OpenFile, path + QStringLiteral(".hex"));
        QCOMPARE(link.restoreSystemNvm(nullptr), UsbOk);
    }
    QCOMPARE(s.sim.device().config(), original);
    QCOMPARE(s.sim.framesOf(0x1C).size(), 2);
    QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.sim.violations().join('\n')));

    // A file that does not cover the image changes nothing and says so.
    const QString partial = env.path(QStringLiteral("partial.hex"));
    writeFile(partial, IntelHex::write(patternImage(128)));
    s.sim.clearLogs();
    {
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::OpenFile, partial);
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("nem tartalmaz megfelelő adatokat"));
        QCOMPARE(link.restoreSystemNvm(nullptr), UsbOk);
        prompts.expectFile(Prompts::Kind::OpenFile, env.path(QStringLiteral("missing.hex")));
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("megnyitása nem sikerült"));
        QCOMPARE(link.restoreSystemNvm(nullptr), UsbOk);
        prompts.expectFile(Prompts::Kind::OpenFile, QString()); // cancelled
        QCOMPARE(link.restoreSystemNvm(nullptr), UsbOk);
    }
    QVERIFY(s.sim.frames().isEmpty());

    // A save that cannot be written is reported and leaves nothing behind.
    {
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, env.path(QStringLiteral("no/such/dir/x.hex")));
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("A konfigurációs NVM mentése nem sikerült"));
        QCOMPARE(link.saveSystemNvm(nullptr), UsbOk);
    }
    // The thermistor hardware saves 128 bytes.
    s.sim.device().setHardwareCode(0x0404);
    {
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, path + QStringLiteral("8.hex"));
        QCOMPARE(link.saveSystemNvm(nullptr), UsbOk);
        QVERIFY(prompts.seen().first().filter.startsWith(QStringLiteral("Intel Hex8")));
    }
    QCOMPARE(readFile(path + QStringLiteral("8.hex")), IntelHex::write(original.left(128)));
}

void TestUsbComService::repairLogAppends()
{
    TestEnv env;
    SimulatorInstall s;
    s.sim.device().setName("PALI");
    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    const QString path = env.path(QStringLiteral("S-SIM00001.txt"));
    for (int round = 0; round < 2; ++round) {
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, env.path(QStringLiteral("S-SIM00001")));
        QCOMPARE(link.saveRepairLog(nullptr), UsbOk);
        QCOMPARE(prompts.seen().first().text, QStringLiteral("Javítási napló mentés"));
    }
    const QString text = QString::fromUtf8(readFile(path));
    QCOMPARE(text.count(QStringLiteral("\"PALI\"\r\n")), 2);
    QCOMPARE(text.count(QStringLiteral("  Beüzemelve:    ")), 2);
    QVERIFY(text.startsWith(QStringLiteral("\r\n2024-03-12 10:15:")));
    QVERIFY(text.contains(QStringLiteral("firmware: 0x")));
    QVERIFY(text.endsWith(QStringLiteral("\r\n\r\n\r\n")));
    QVERIFY(!text.contains(QStringLiteral("\r\r")));

    // A file that cannot be read is not replaced.
    {
        ScriptedPrompts prompts;
        QVERIFY(QDir().mkpath(env.path(QStringLiteral("d.txt"))));
        prompts.expectFile(Prompts::Kind::SaveFile, env.path(QStringLiteral("d.txt")));
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("A javítási napló mentése nem sikerült"));
        QCOMPARE(link.saveRepairLog(nullptr), UsbOk);
        prompts.expectFile(Prompts::Kind::SaveFile, QString());
        QCOMPARE(link.saveRepairLog(nullptr), UsbOk);
    }
    QCOMPARE(QString::fromUtf8(readFile(path)), text);
}

void TestUsbComService::eraseLogWalksEveryBlock()
{
    TestEnv env;
    SimulatorInstall s;
    s.sim.device().setMemoryCode(0x31); // one 64 KB chip
    UsbCom link;
    QCOMPARE(link.open(), UsbOk);
    QCOMPARE(link.getDeviceInfo(), UsbOk);
    s.sim.clearLogs();
    QCOMPARE(link.eraseLog(), UsbOk);
    QCOMPARE(s.sim.framesOf(0x1B), QList<QByteArray>({SimulatedLogger::makeFrame(QByteArray::fromHex("1BC30000C3"))}));
    const QList<QByteArray> blocks = s.sim.framesOf(0x20);
    QCOMPARE(blocks.size(), 1024);
    QCOMPARE(blocks.last().mid(1, 6), QByteArray::fromHex("204300ACFFC0"));
    QCOMPARE(blocks.last().mid(7, 64), QByteArray(64, char(0xFF)));
    QVERIFY2(s.sim.violations().isEmpty(), qPrintable(s.sim.violations().join('\n')));

    // Closing the window stops the erase.
    s.sim.clearLogs();
    ModalDriver driver;
    driver.onModal(QStringLiteral("vglClkTuneDlg"), [](QWidget* w) { QMetaObject::invokeMethod(w, "reject"); });
    QCOMPARE(link.eraseLog(), UsbOk);
    QVERIFY(driver.allDone());
    QVERIFY(s.sim.framesOf(0x20).size() < 1024);
}

void TestUsbComService::conversionsAndTexts()
{
    TestEnv env;
    UsbCom link;
    QCOMPARE(link.decodeCalibration(0x7F), -1);
    QCOMPARE(link.decodeCalibration(0x3E), 62);
    QCOMPARE(link.encodeCalibration(-5), 0x7B);
    QCOMPARE(link.encodeCalibration(-70), 0x42);
    QCOMPARE(link.encodeCalibration(63), 0x3E);
    for (int v = -62; v <= 62; ++v)
        QCOMPARE(link.decodeCalibration(link.encodeCalibration(v)), v);
    QCOMPARE(link.toneDivider(1000), 125);
    QCOMPARE(link.toneDivider(0), 0);
    QCOMPARE(link.toneFrequency(0), 0);
    QCOMPARE(link.registerToTune(0), 0);

    // Thermistor bands at their edges.
    link.hardwareCode = 0x0404;
    QCOMPARE(link.batteryTemperature(998), -999.99);
    QCOMPARE(link.batteryTemperature(35), 999.99);
    QCOMPARE(link.batteryTemperature(997), -40.0);
    QCOMPARE(link.batteryTemperature(975), -30.0); // 975 belongs to the second band
    QCOMPARE(link.batteryTemperature(976), (997 - 976) * 0.454545 - 40);
    QCOMPARE(link.batteryTemperature(36), (49 - 36) * 0.714286 + 100);
    QCOMPARE(link.batteryTemperature(50), (67 - 50) * 0.555555 + 90);
    link.hardwareCode = 0x0101;
    QCOMPARE(link.batteryTemperature(-1234), -12.34);

    // Memory blocks of the erase.
    link.memoryCode = 0x32;
    QCOMPARE(link.chipCount(), 2);
    QCOMPARE(link.chipAddress(0), 0xAC);
    QCOMPARE(link.chipAddress(1), 0xAE);
    QCOMPARE(link.chipAddress(2), 0xC0);
    QCOMPARE(link.chipAddress(-1), 0xC0);
    link.memoryCode = 0x42;
    QCOMPARE(link.chipCount(), 4);
    QCOMPARE(link.chipAddress(3), 0xAE);
    link.hardwareCode = 0x0404;
    QCOMPARE(link.chipAddress(3), 0xA6);
    link.memoryCode = 0x27;
    QCOMPARE(link.chipCount(), 0);
    QCOMPARE(link.memoryText(), QStringLiteral("7 x 32K"));

    // Sizes outside the table are computed, and raw battery readings are scaled.
    link.lastIndex = 1000;
    QCOMPARE(link.capacityText(), QStringLiteral("15K (16000)"));
    link.batteryLevel = 200;
    QCOMPARE(link.batteryVoltageText(), QStringLiteral("ADC 4.00V"));
    QCOMPARE(link.voltageText(395), QLocale().toString(3.95, 'f', 2) + QStringLiteral("V"));
}

WYX_TEST_MAIN(TestUsbComService)
#include "tst_usbcomservice.moc"
