// Service functions of the USB link: Intel HEX of the configuration memory, the files
// written and read through the file prompts, the log erase and the value conversions.
#include "core/constants.h"
#include "core/safesave.h"
#include "device/intelhex.h"
#include "support/failingdevice.h"
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

// An Intel HEX record, built independently of the code under test.
QByteArray record(int address, int type, const QByteArray& data)
{
    QByteArray r;
    r.append(char(data.size()))
        .append(char(address >> 8))
        .append(char(address & 0xFF))
        .append(char(type))
        .append(data);
    int sum = 0;
    for (char c : r)
        sum += quint8(c);
    r.append(char(-sum & 0xFF));
    return ':' + r.toHex().toUpper() + "\r\n";
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
    void hexWriteLayouts()
    {
        // 256 bytes: extended address FF, 32 records of four groups (two bytes, two zeros) from FC00.
        const QByteArray image = patternImage(256);
        QByteArray expected = ":0200000400FFFB\r\n";
        for (int r = 0; r < 32; ++r) {
            QByteArray data;
            for (int g = 0; g < 4; ++g)
                data += image.mid(8 * r + 2 * g, 2) + QByteArray(2, '\0');
            expected += record(0xFC00 + 16 * r, 0, data);
        }
        QCOMPARE(IntelHex::write(image), expected + ":00000001FF\r\n");

        // 128 bytes: extended address F0, eight plain records from 0.
        const QByteArray small = patternImage(128);
        expected = ":0200000400F00A\r\n";
        for (int r = 0; r < 8; ++r)
            expected += record(16 * r, 0, small.mid(16 * r, 16));
        QCOMPARE(IntelHex::write(small), expected + ":00000001FF\r\n");
        QVERIFY(IntelHex::write(QByteArray(100, 'x')).isEmpty());
    }

    void hexReadsBackWhatItWrites_data()
    {
        QTest::addColumn<QByteArray>("text");
        const QByteArray good = IntelHex::write(patternImage(256));
        QTest::newRow("as written") << good;
        QTest::newRow("lower case, bare LF") << good.toLower().replace("\r", "");
    }

    void hexReadsBackWhatItWrites()
    {
        QFETCH(QByteArray, text);
        const IntelHex::Image back = IntelHex::read(text);
        QVERIFY(back.complete());
        QCOMPARE(back.bytes, patternImage(256));
    }

    void hexSmallLayoutNeverFillsTheImage()
    {
        const IntelHex::Image back = IntelHex::read(IntelHex::write(patternImage(128)));
        QCOMPARE(back.supplied, 128);
        QVERIFY(!back.complete());
        QCOMPARE(back.bytes, patternImage(128) + QByteArray(128, char(0xFF)));
    }

    void hexRecordsOutsideTheImageAreDropped()
    {
        // Not written elsewhere; below the base an address must not round into index 0.
        QByteArray text = record(0, 4, QByteArray::fromHex("00FF"));
        text += record(0xFBFF, 0, QByteArray::fromHex("AABB0000"));
        text += record(0xFBF0, 0, QByteArray(16, '\x77'));
        text += record(0xFE00, 0, QByteArray(16, '\x66'));
        text += record(0xFFFC, 0, QByteArray::fromHex("55550000"));
        text += record(0, 4, QByteArray::fromHex("00F0"));
        text += record(0x00F8, 0, QByteArray(16, '\x44')); // 8 bytes fit, 8 fall beyond 255
        const IntelHex::Image back = IntelHex::read(text);
        QCOMPARE(back.supplied, 8);
        QCOMPARE(back.bytes, QByteArray(248, char(0xFF)) + QByteArray(8, '\x44'));
    }

    void hexDamagedLineIsSkipped()
    {
        QByteArray damaged = IntelHex::write(patternImage(256));
        damaged[20] = damaged[20] == '0' ? '1' : '0'; // checksum no longer adds up
        QCOMPARE(IntelHex::read(damaged).supplied, 248);
    }

    void hexEndRecordStopsTheReading()
    {
        const QByteArray good = IntelHex::write(patternImage(256));
        const int firstData = good.indexOf('\n') + 1;
        QCOMPARE(IntelHex::read(QByteArray(good).insert(firstData, ":00000001FF\r\n")).supplied, 0);
    }

    void hexUnknownBaseTakesNothing()
    {
        const QByteArray good = IntelHex::write(patternImage(256));
        const int firstData = good.indexOf('\n') + 1;
        const QByteArray text = QByteArray(good).replace(0, firstData, record(0, 4, QByteArray::fromHex("0001")));
        QCOMPARE(IntelHex::read(text).supplied, 0);
    }

    void hexGarbageReadsAsNothing_data()
    {
        QTest::addColumn<QByteArray>("junk");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("colon") << QByteArray(":");
        QTest::newRow("one digit") << QByteArray(":0");
        QTest::newRow("not hex") << QByteArray(":ZZ0000000000");
        QTest::newRow("colons") << QByteArray(5000, ':');
        QTest::newRow("count beyond the line") << QByteArray(":FF00000000") + QByteArray(600, '0');
        QTest::newRow("long base record") << QByteArray(":02000004") + QByteArray(60, 'F');
        QTest::newRow("short base record") << QByteArray(":0000000400\r\n:0400FC0000AABBCC");
        QTest::newRow("blank lines") << QByteArray("\r\n\r\n:\n:\n");
        // Over 48 characters: cut in pieces.
        QTest::newRow("long line")
            << record(0, 4, QByteArray::fromHex("00FF")) + record(0xFC00, 0, QByteArray(20, '\x12'));
    }

    void hexGarbageReadsAsNothing()
    {
        QFETCH(QByteArray, junk);
        const IntelHex::Image r = IntelHex::read(junk);
        QCOMPARE(r.bytes.size(), 256);
        QCOMPARE(r.supplied, 0);
    }

    void hexReadFailureNeverGivesWrongBytes()
    {
        // The restore reads the file in one go; a failing read leaves a cut text, which must
        // never make a complete image out of anything but the file's own bytes.
        const QByteArray image = patternImage(256);
        const QByteArray good = IntelHex::write(image);
        const int allData = good.indexOf(":00000001FF") - 2; // the last data record, without CRLF
        for (int limit = 0; limit < good.size(); ++limit) {
            FailingDevice device(FailingDevice::Reads, limit, good);
            device.open(QIODevice::ReadOnly);
            const IntelHex::Image back = IntelHex::read(device.read(good.size()));
            QCOMPARE(back.complete(), limit >= allData);
            if (back.complete())
                QCOMPARE(back.bytes, image);
            for (int i = 0; i < IntelHex::imageSize; ++i) { // any byte set is the file's own
                if (back.bytes.at(i) != image.at(i))
                    QCOMPARE(back.bytes.at(i), char(0xFF));
            }
        }
    }

    void nvmSaveAndRestoreThroughTheLogger()
    {
        TestEnv env;
        LinkRig r;
        const QByteArray original = patternImage(256);
        QVERIFY(r.dev().setConfig(original));
        QCOMPARE(r.link.open(), UsbOk);
        const QString path = env.path(QStringLiteral("backup"));
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, path);
        QCOMPARE(r.link.saveSystemNvm(nullptr), UsbOk);
        QCOMPARE(prompts.seen().first().text, QStringLiteral("Sys NVM mentés"));
        QVERIFY(prompts.seen().first().directory.endsWith(QStringLiteral("_2024-03-12.hex")));
        QCOMPARE(readFile(path + QStringLiteral(".hex")), IntelHex::write(original));

        // Change the logger, then restore: two full write frames bring the memory back.
        QVERIFY(r.dev().setConfig(QByteArray(100, '\0') + original.mid(100)));
        r.sim.clearLogs();
        prompts.expectFile(Prompts::Kind::OpenFile, path + QStringLiteral(".hex"));
        QCOMPARE(r.link.restoreSystemNvm(nullptr), UsbOk);
        QCOMPARE(r.dev().config(), original);
        QCOMPARE(r.sim.framesOf(0x1C).size(), 2);
        VERIFY_NO_VIOLATIONS(r.sim);
    }

    void nvmRestoreWritesNothingWithoutAWholeImage()
    {
        // A file that does not cover the image, a missing file, a cancel.
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        const QString partial = env.path(QStringLiteral("partial.hex"));
        QFile f(partial);
        QVERIFY(f.open(QIODevice::WriteOnly));
        QVERIFY(f.write(IntelHex::write(patternImage(128))) > 0);
        f.close();
        r.sim.clearLogs();
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::OpenFile, partial);
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("nem tartalmaz megfelelő adatokat"));
        QCOMPARE(r.link.restoreSystemNvm(nullptr), UsbOk);
        prompts.expectFile(Prompts::Kind::OpenFile, env.path(QStringLiteral("missing.hex")));
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("megnyitása nem sikerült"));
        QCOMPARE(r.link.restoreSystemNvm(nullptr), UsbOk);
        prompts.expectFile(Prompts::Kind::OpenFile, QString());
        QCOMPARE(r.link.restoreSystemNvm(nullptr), UsbOk);
        QVERIFY(r.sim.frames().isEmpty());
    }

    void nvmSaveThatCannotBeWrittenIsReported()
    {
        TestEnv env;
        LinkRig r;
        QCOMPARE(r.link.open(), UsbOk);
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, env.path(QStringLiteral("no/such/dir/x.hex")));
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("A konfigurációs NVM mentése nem sikerült"));
        QCOMPARE(r.link.saveSystemNvm(nullptr), UsbOk);
    }

    void thermistorHardwareSavesHalfTheImage()
    {
        TestEnv env;
        LinkRig r;
        const QByteArray original = patternImage(256);
        QVERIFY(r.dev().setConfig(original));
        r.dev().setHardwareCode(0x0404);
        QCOMPARE(r.link.open(), UsbOk);
        const QString path = env.path(QStringLiteral("backup8.hex"));
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, path);
        QCOMPARE(r.link.saveSystemNvm(nullptr), UsbOk);
        QVERIFY(prompts.seen().last().filter.startsWith(QStringLiteral("Intel Hex8")));
        QCOMPARE(readFile(path), IntelHex::write(original.left(128)));
    }

    void repairLogAppends()
    {
        TestEnv env;
        LinkRig r;
        r.dev().setName("PALI");
        QCOMPARE(r.link.open(), UsbOk);
        const QString path = env.path(QStringLiteral("S-SIM00001.txt"));
        ScriptedPrompts prompts;
        for (int round = 0; round < 2; ++round) {
            prompts.expectFile(Prompts::Kind::SaveFile, env.path(QStringLiteral("S-SIM00001")));
            QCOMPARE(r.link.saveRepairLog(nullptr), UsbOk);
        }
        QCOMPARE(prompts.seen().first().text, QStringLiteral("Javítási napló mentés"));
        const QString text = QString::fromUtf8(readFile(path));
        QCOMPARE(text.count(QStringLiteral("\"PALI\"\r\n")), 2);
        QCOMPARE(text.count(QStringLiteral("  Beüzemelve:    ")), 2);
        QVERIFY(text.startsWith(QStringLiteral("\r\n2024-03-12 10:15:")));
        QVERIFY(text.endsWith(QStringLiteral("\r\n\r\n\r\n")));
        QVERIFY(!text.contains(QStringLiteral("\r\r")));

        // A file that cannot be written is reported; a cancel writes nothing.
        QVERIFY(QDir().mkpath(env.path(QStringLiteral("d.txt"))));
        prompts.expectFile(Prompts::Kind::SaveFile, env.path(QStringLiteral("d.txt")));
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("A javítási napló mentése nem sikerült"));
        QCOMPARE(r.link.saveRepairLog(nullptr), UsbOk);
        prompts.expectFile(Prompts::Kind::SaveFile, QString());
        QCOMPARE(r.link.saveRepairLog(nullptr), UsbOk);
        QCOMPARE(QString::fromUtf8(readFile(path)), text);
    }

    // The memory-save dialog offers both filters in their fixed order, the one of the
    // logger's image size preselected; the repair history's dialog offers the text filter
    // and does not ask about the file it adds to.
    void fileDialogsOfferTheirFilters_data()
    {
        QTest::addColumn<int>("hardware");
        QTest::addColumn<QString>("selected");
        QTest::newRow("256 bytes") << 0x0303 << filterHex32;
        QTest::newRow("128 bytes") << 0x0404 << filterHex8;
    }

    void fileDialogsOfferTheirFilters()
    {
        QFETCH(int, hardware);
        QFETCH(QString, selected);
        TestEnv env;
        LinkRig r;
        r.dev().setHardwareCode(quint16(hardware));
        QCOMPARE(r.link.open(), UsbOk);
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, QString());
        QCOMPARE(r.link.saveSystemNvm(nullptr), UsbOk);
        const Prompts::Request& hex = prompts.seen().last();
        QCOMPARE(hex.filter, filterHex8 + QStringLiteral(";;") + filterHex32);
        QCOMPARE(hex.selectedFilter, selected);
        // The image's name gets its extension in the dialog too; the overwrite question is
        // asked once the name is complete.
        QCOMPARE(hex.defaultSuffix, extHex);
        prompts.expectFile(Prompts::Kind::SaveFile, QString());
        QCOMPARE(r.link.saveRepairLog(nullptr), UsbOk);
        const Prompts::Request& repair = prompts.seen().last();
        QCOMPARE(repair.filter, filterText());
        QCOMPARE(repair.selectedFilter, filterText());
        QVERIFY(!repair.confirmOverwrite);
    }

    // Every file operation failed in turn: the history keeps exactly its old records and the
    // failure is told; the memory image keeps its old file.
    void failedServiceSavesKeepOldFiles_data()
    {
        QTest::addColumn<bool>("repair");
        QTest::newRow("repair history") << true;
        QTest::newRow("memory image") << false;
    }

    void failedServiceSavesKeepOldFiles()
    {
        QFETCH(bool, repair);
        TestEnv env;
        LinkRig r;
        QVERIFY(r.dev().setConfig(patternImage(256)));
        QCOMPARE(r.link.open(), UsbOk);
        const QString path = env.path(repair ? QStringLiteral("S-1.txt") : QStringLiteral("n.hex"));
        ScriptedPrompts prompts;
        auto save = [&](bool failing = false) {
            prompts.expectFile(Prompts::Kind::SaveFile, path);
            if (!repair && QFileInfo::exists(path))
                prompts.expectQuestion(QStringLiteral("n.hex nevű fájl már létezik.\nFelülírjuk?"), true);
            if (failing)
                prompts.expectNotice(Prompts::Kind::Warning,
                                     repair ? QStringLiteral("A javítási napló mentése nem sikerült")
                                            : QStringLiteral("A konfigurációs NVM mentése nem sikerült"));
            QCOMPARE(repair ? r.link.saveRepairLog(nullptr) : r.link.saveSystemNvm(nullptr), UsbOk);
        };
        save();
        const QByteArray old = readFile(path);
        QVERIFY(!old.isEmpty());
        int total = 0;
        {
            SafeSave::FaultScope count;
            save();
            total = count.operations();
            QVERIFY(total >= 3);
        }
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(old);
        }
        for (int i = 1; i <= total; ++i) {
            SafeSave::FaultScope faults;
            faults.failAt(i);
            faults.setShortWriteBytes(7);
            save(true);
            QCOMPARE(readFile(path), old);
        }
        QCOMPARE(prompts.pending(), 0);
    }

    void eraseLogWalksEveryBlock()
    {
        TestEnv env;
        LinkRig r;
        r.dev().setMemoryCode(0x31); // one 64 KB chip
        QCOMPARE(r.link.open(), UsbOk);
        QCOMPARE(r.link.getDeviceInfo(), UsbOk);
        r.sim.clearLogs();
        QCOMPARE(r.link.eraseLog(), UsbOk);
        QCOMPARE(r.sim.framesOf(0x1B),
                 QList<QByteArray>({SimulatedLogger::makeFrame(QByteArray::fromHex("1BC30000C3"))}));
        const QList<QByteArray> blocks = r.sim.framesOf(0x20);
        QCOMPARE(blocks.size(), 1024);
        QCOMPARE(blocks.last().mid(1, 6), QByteArray::fromHex("204300ACFFC0"));
        QCOMPARE(blocks.last().mid(7, 64), QByteArray(64, char(0xFF)));
        VERIFY_NO_VIOLATIONS(r.sim);

        // Closing the window stops the erase.
        r.sim.clearLogs();
        ModalDriver driver;
        driver.onModal(QStringLiteral("vglClkTuneDlg"),
                       [](QWidget* w) { QMetaObject::invokeMethod(w, "reject"); });
        QCOMPARE(r.link.eraseLog(), UsbOk);
        QVERIFY(driver.allDone());
        QVERIFY(r.sim.framesOf(0x20).size() < 1024);
    }

    void thermistorBands_data()
    {
        QTest::addColumn<int>("raw");
        QTest::addColumn<double>("celsius");
        QTest::newRow("below the table") << 998 << -999.99;
        QTest::newRow("above the table") << 35 << 999.99;
        QTest::newRow("first band's edge") << 997 << -40.0;
        QTest::newRow("975 belongs to the second band") << 975 << -30.0;
        QTest::newRow("first band") << 976 << (997 - 976) * 0.454545 - 40;
        QTest::newRow("last band") << 36 << (49 - 36) * 0.714286 + 100;
        QTest::newRow("band before it") << 50 << (67 - 50) * 0.555555 + 90;
    }

    void thermistorBands()
    {
        QFETCH(int, raw);
        QFETCH(double, celsius);
        UsbCom link;
        link.hardwareCode = 0x0404;
        QCOMPARE(link.batteryTemperature(short(raw)), celsius);
    }

    void otherHardwareGivesHundredthsOfADegree()
    {
        UsbCom link;
        link.hardwareCode = 0x0101;
        QCOMPARE(link.batteryTemperature(-1234), -12.34);
    }

    void toneDivider_data()
    {
        QTest::addColumn<int>("hertz");
        QTest::addColumn<int>("divider");
        QTest::newRow("1000 Hz") << 1000 << 125;
        QTest::newRow("500 Hz") << 500 << 250;
        QTest::newRow("0 Hz: no tone, no division") << 0 << 0;
        QTest::newRow("negative") << -5 << 0;
    }

    void toneDivider()
    {
        QFETCH(int, hertz);
        QFETCH(int, divider);
        QCOMPARE(UsbCom().toneDivider(hertz), divider);
    }

    void toneFrequency_data()
    {
        QTest::addColumn<int>("divider");
        QTest::addColumn<int>("hertz");
        QTest::newRow("125") << 125 << 1000;
        QTest::newRow("250") << 250 << 500;
        QTest::newRow("0: no tone") << 0 << 0;
    }

    void toneFrequency()
    {
        QFETCH(int, divider);
        QFETCH(int, hertz);
        QCOMPARE(UsbCom().toneFrequency(quint16(divider)), hertz);
    }

    void calibrationCode_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("code");
        QTest::newRow("negative") << -5 << 0x7B;
        QTest::newRow("below the range") << -70 << 0x42;
        QTest::newRow("above the range") << 63 << 0x3E;
        QTest::newRow("zero") << 0 << 0;
    }

    void calibrationCode()
    {
        QFETCH(int, value);
        QFETCH(int, code);
        QCOMPARE(UsbCom().encodeCalibration(value), code);
    }

    void calibrationCodesRoundTrip()
    {
        UsbCom link;
        QCOMPARE(link.decodeCalibration(0x7F), -1);
        QCOMPARE(link.decodeCalibration(0x3E), 62);
        for (int v = -62; v <= 62; ++v)
            QCOMPARE(link.decodeCalibration(link.encodeCalibration(v)), v);
    }

    void memoryBlocksOfTheErase()
    {
        UsbCom link;
        link.memoryCode = 0x32;
        QCOMPARE(link.chipCount(), 2);
        QCOMPARE(link.chipAddress(1), 0xAE);
        QCOMPARE(link.chipAddress(2), 0xC0);
        QCOMPARE(link.chipAddress(-1), 0xC0);
        link.memoryCode = 0x42;
        QCOMPARE(link.chipCount(), 4);
        QCOMPARE(link.chipAddress(3), 0xAE);
        link.hardwareCode = 0x0404;
        QCOMPARE(link.chipAddress(3), 0xA6);
        link.memoryCode = 0x27; // 7 chips: not a size the erase knows
        QCOMPARE(link.chipCount(), 0);
    }
};

WYX_TEST_MAIN(TestUsbComService)
#include "tst_usbcomservice.moc"
