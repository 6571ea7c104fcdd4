// The texts made from a logger's replies: arbitrary replies to the device-information
// read, then every status line, value text and the status dialog. Checks what a bad reply
// leads to: an error text (never the success text) and cleared fields for a failed read;
// for an accepted one, percentages within 0-100, a clock judged accurate only when it is
// a real date within the limit, colours that agree with the texts, bounded names, and no
// date field showing a date the logger did not give; the configuration window opens only
// on a sound reading and writes back the option byte it read.
// Input: a sequence of replies, each a length byte n followed by n raw reply bytes (the
// reply's own length byte included); the simulated logger serves them in turn and answers
// normally once they run out.
#include "codenames/kodnevmodel.h"
#include "core/clock.h"
#include "core/constants.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/configdlg.h"
#include "device/statusdlg.h"
#include "device/usbcom.h"
#include "simulator/simulatedlogger.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

WyxApp* app = nullptr;
QStringList prompts;

// A violated property stops the run with its line, so the fuzzer keeps the input.
#define check(ok) ((ok) ? void(0) : fail(#ok, __LINE__))

[[noreturn]] void fail(const char* what, int line)
{
    std::fprintf(stderr, "check failed at line %d: %s\n", line, what);
    abort();
}

bool painted(const QLineEdit& field, const char* colour)
{
    return field.palette().color(QPalette::Base) == QColor(colour);
}

bool isPercent(const QString& text)
{
    static const QRegularExpression percent(QStringLiteral("\\A(\\d{1,3})%\\z"));
    const QRegularExpressionMatch m = percent.match(text);
    return text == QLatin1String("- - -") || (m.hasMatch() && m.captured(1).toInt() <= 100);
}

bool isName(const QString& text)
{
    return text.size() <= 8 && !text.contains(QChar(0));
}

// The replies go to a fresh logger, the same for every reading of one input.
struct Link {
    explicit Link(const QList<QByteArray>& replies)
    {
        sim.setStrict(false);
        previous = setFtdiApi(&sim);
        served = replies;
    }
    ~Link() { setFtdiApi(previous); }
    void serve() { sim.serveReplies(served); }
    SimulatedLogger sim;
    FtdiApi* previous = nullptr;
    QList<QByteArray> served;
};

void checkAcceptedReading(UsbCom& com)
{
    check(isName(com.model) && isName(com.deviceName) && isName(com.serialNumber));

    QLineEdit battery, caseLine, moisture, clock, temperature;
    const QString percent = com.batteryPercentText();
    check(isPercent(percent));
    const QString batteryText = com.batteryStatusLine(&battery);
    const bool charged = com.statusBits & 0x80;
    check(batteryText.startsWith(QStringLiteral("kb. ") + percent + QStringLiteral("  ")));
    check(batteryText.contains(QStringLiteral("feltöltve")) == charged);
    check(painted(battery, charged ? "lime" : "tomato"));

    const bool closed = com.statusBits & 0x40;
    const QString caseText = com.caseStatusLine(&caseLine);
    check(caseText.startsWith(closed ? QStringLiteral("Összeszerelve: ") : QStringLiteral("Szétszedve: ")));
    check(painted(caseLine, closed ? "lime" : "tomato"));
    const bool dry = com.statusBits & 0x20;
    const QString moistureText = com.moistureStatusLine(&moisture);
    check(moistureText.startsWith(dry ? QStringLiteral("Száraz lett: ") : QStringLiteral("Nedves lett: ")));
    check(painted(moisture, dry ? "lime" : "tomato"));

    // The clock: accurate only for a real date within the limit; an impossible date has no drift.
    const bool accurate = com.clockWithinTolerance();
    const QString drift = com.clockDriftText();
    const QString clockText = com.clockStatusLine(&clock);
    const bool realDate = com.deviceTime.date().isValid() && com.deviceTime.time().isValid();
    check(!accurate || realDate);
    check(realDate || drift == QLatin1String("- - -"));
    check(clockText.endsWith(drift));
    check(painted(clock, accurate ? "lime" : "tomato"));
    if (drift == QLatin1String("Pontos"))
        check(accurate);
    if (accurate) {
        const qint64 off = QDateTime(com.pcTime.date(), com.pcTime.time(), Qt::UTC)
                               .secsTo(QDateTime(com.deviceTime.date(), com.deviceTime.time(), Qt::UTC));
        check(qAbs(off) < QTime(0, 0).secsTo(appSettings().clockAdjustLimit));
        check(!drift.contains(QStringLiteral("napot")) && !drift.contains(QStringLiteral("órát")));
    }

    static const QRegularExpression memory(QStringLiteral("\\A\\d{1,2} x \\d{1,6}K\\z"));
    check(memory.match(com.memoryText()).hasMatch());
    static const QRegularExpression capacity(QStringLiteral("\\A\\d{1,3}K \\(\\d{1,6}\\)\\z"));
    check(capacity.match(com.capacityText()).hasMatch());
    check(com.lastIndex >= 0 && com.lastIndex <= 52415);
    static const QStringList chips{"ATMEL", "MICROCHIP", "RS5C372A", "PCF8583", "ismeretlen"};
    check(chips.contains(com.clockChipText()));
    static const QRegularExpression volts(QStringLiteral("\\A(ADC )?[0-9?][,.][0-9?]{2}V\\z"));
    check(volts.match(com.batteryVoltageText()).hasMatch());

    const double t = com.batteryTemperature(com.temperatureRaw);
    check(std::isfinite(t) && t >= -999.99 && t <= 999.99);
    const QString temperatureText = com.batteryTemperatureLine(&temperature);
    check(temperatureText.startsWith(QStringLiteral("Akku hőmérséklet: ")) && temperatureText.size() < 40);
    check(painted(temperature, t > 0.0 && t < 40.0 ? "lime" : "tomato"));

    for (const QString& line : {batteryText, caseText, moistureText, clockText})
        check(line.size() <= 80);
}

// The status dialog after a sound reading and a reload with the input's replies.
void checkStatusDialog(const QList<QByteArray>& replies, UsbErrorCodes result, const UsbCom& reading)
{
    Link link(replies);
    StatusDlg dlg;
    prompts.clear();
    link.serve();
    dlg.reload();
    if (result != UsbOk) {
        check(prompts.size() == 1 && prompts.first() == UsbCom::errorText(result));
        // Nothing of the failed reading or the one before it stays on show.
        check(dlg.Ident->text().isEmpty() && dlg.LotNo->text().isEmpty() && dlg.TypeCode->text().isEmpty());
        check(dlg.Firmware->text() == QLatin1String("0000") && dlg.LogCycles->text() == QLatin1String("0"));
        check(dlg.clock->text().isEmpty());
        for (QDateTimeEdit* field : {dlg.InicDate, dlg.ReadDate, dlg.ReleaseDate, dlg.RepairDate, dlg.DepleteDate})
            check(field->dateTime() == nullDeviceTime);
        return;
    }
    check(prompts.isEmpty());
    check(dlg.Ident->text() == reading.deviceName);
    static const QRegularExpression firmware(QStringLiteral("\\A[0-9A-F]{4}\\z"));
    check(firmware.match(dlg.Firmware->text()).hasMatch());
    const std::pair<QDateTimeEdit*, QDateTime> dates[] = {{dlg.InicDate, reading.initDate},
                                                          {dlg.ReadDate, reading.readoutDate},
                                                          {dlg.ReleaseDate, reading.commissionedDate},
                                                          {dlg.RepairDate, reading.repairedDate},
                                                          {dlg.DepleteDate, reading.deepDischargeDate}};
    for (const auto& [field, value] : dates)
        check(field->dateTime() == (value.isValid() ? value : nullDeviceTime));
}

// The configuration window: a failed read shows one error and no window and writes
// nothing; "Kész" without a change writes back the option byte as read, the bits
// without a box included.
void checkConfigDialog(const QList<QByteArray>& replies, UsbErrorCodes result, const UsbCom& reading)
{
    Link link(replies);
    QList<QByteArray> writes;
    link.sim.setFrameHandler([&writes](const QByteArray& frame) {
        if (frame.size() > 1 && quint8(frame.at(1)) == 0x1C)
            writes.append(frame);
    });
    ConfigDlg dlg;
    bool shown = false;
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() == &dlg) {
            shown = true;
            dlg.DoneButton->click();
        }
    });
    done.start(0);
    prompts.clear();
    link.serve();
    const int answer = dlg.exec();
    if (result != UsbOk) {
        check(answer == 0 && !shown && writes.isEmpty());
        check(prompts.size() == 1 && prompts.first() == UsbCom::errorText(result));
        return;
    }
    // Replies left over from the input may spoil the write: then one error, the window closed.
    check(shown && !writes.isEmpty());
    check(answer == QDialog::Accepted ? prompts.isEmpty() : prompts.size() == 1);
    for (const QByteArray& frame : writes)
        check(frame.size() == 6 && quint8(frame.at(2)) == 95 && quint8(frame.at(3)) == (reading.optionFlags & 0xFF));
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
    static char name[] = "fuzz_devicetexts";
    static char* qtArgv[] = {name, nullptr};
    app = new WyxApp(qtArgc, qtArgv);
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    installKodNevModel(*app->settings);
    Prompts::setHandler([](const Prompts::Request& r) {
        prompts.append(r.text);
        return Prompts::Answer{0, QString(), QColor()};
    });
    // Waits on the logger's tick pass at once.
    Clock::setSource([now = qint64(1710234900000)]() mutable { return now += 7; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QList<QByteArray> replies;
    for (size_t pos = 0; pos < size && replies.size() < 64;) {
        const size_t n = data[pos++];
        const size_t take = n < size - pos ? n : size - pos;
        replies.append(QByteArray(reinterpret_cast<const char*>(data + pos), int(take)));
        pos += take;
    }

    UsbErrorCodes result;
    UsbCom com;
    {
        Link link(replies);
        if (com.open() != UsbOk)
            abort();
        link.serve();
        result = com.getDeviceInfo();
        ftdiApi().close(com.handle);
        com.handle = nullptr;
    }
    if (result != UsbOk) {
        const QString text = UsbCom::errorText(result);
        check(!text.isEmpty() && text != UsbCom::errorText(UsbOk));
    } else {
        checkAcceptedReading(com);
    }
    checkStatusDialog(replies, result, com);
    checkConfigDialog(replies, result, com);
    return 0;
}
