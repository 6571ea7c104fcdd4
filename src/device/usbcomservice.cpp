// Service operations of UsbCom that no menu reaches: forwarders, value texts and
// conversions, the log erase, the repair-history file and the configuration memory as
// Intel HEX.
#include "device/usbcom.h"

#include "core/clock.h"
#include "core/constants.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/devicedialogsupport.h"
#include "device/intelhex.h"
#include "device/vglclktunedlg.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace {

constexpr unsigned short thermistorHardware = 0x0404;
constexpr int eraseBlockSize = 64;
constexpr qint64 maxHexFileSize = 1 << 20; // a real file is under 2 KB

struct ThermistorBand {
    int above;
    int upper;
    double slope;
    double base;
};
constexpr ThermistorBand thermistorBands[] = {
    {975, 997, 0.454545, -40}, {938, 975, 0.27027, -30},    {880, 938, 0.17241, -20},   {797, 880, 0.12048, -10},
    {691, 797, 0.0943396, 0},  {572, 691, 0.0840336, 10},   {449, 572, 0.0813008, 20},  {341, 449, 0.0925926, 30},
    {251, 341, 0.1111111, 40}, {181, 251, 0.1428571, 50},   {130, 181, 0.1960784, 60},  {93, 130, 0.27027, 70},
    {67, 93, 0.384615, 80},    {49, 67, 0.555555, 90},      {35, 49, 0.714286, 100}};

QString withExtension(QString path, const QString& ext)
{
    if (!path.endsWith(QLatin1Char('.') + ext))
        path += QLatin1Char('.') + ext;
    return path;
}

QString dateTimeText(const QDateTime& t)
{
    return t.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace

// ---------------------------------------------------------------------------------------
// Forwarders

UsbErrorCodes UsbCom::setByteWord(unsigned char b, unsigned short w)
{
    frame[0] = 6;
    frame[1] = 0x1B;
    frame[2] = b;
    frame[3] = w & 0xFF;
    frame[4] = w >> 8;
    frame[5] = (frame[2] + frame[3] + frame[4]) & 0xFF;
    setChecksum(frame);
    return transact(frame, reply);
}

UsbErrorCodes UsbCom::getQueryWord(int s, unsigned char* out1, unsigned char* out2, unsigned char* out3)
{
    return queryWord(s, out1, out2, out3);
}

UsbErrorCodes UsbCom::runServiceCommand(int n, const unsigned char* data, int m, unsigned char* out)
{
    if (n < 0 || n > 128 || m < 0 || m > 128)
        return UsbBadParameter;
    frame[0] = n + 4;
    frame[1] = 0x20;
    frame[2] = n;
    frame[3] = m;
    for (int i = 0; i < n; ++i)
        frame[4 + i] = data[i];
    setChecksum(frame);
    const UsbErrorCodes result = transact(frame, reply);
    if (result == UsbOk && reply[1] == 0x20 && reply[0] >= 3) {
        for (int i = 3; i <= reply[0]; ++i)
            out[i - 2] = reply[i];
    }
    return result;
}

UsbErrorCodes UsbCom::writeConfigTime(int address, const QDateTime& t)
{
    unsigned char packed[4];
    packDeviceTime(t, packed);
    return writeConfigRange(packed, 4, address);
}

// ---------------------------------------------------------------------------------------
// Value texts

QString UsbCom::memoryText() const
{
    return tr("%1 x %2K").arg(QString::number(memoryCode & 0x0F), QString::number(8 << (memoryCode >> 4)));
}

QString UsbCom::capacityText() const
{
    switch (lastIndex) {
    case 818: return tr("8K (819)");
    case 1637: return tr("16K (1638)");
    case 2456: return tr("24K (2457)");
    case 3275: return tr("32K (3276)");
    case 4094: return tr("40K (4095)");
    case 4913: return tr("48K (4914)");
    case 5732: return tr("56K (5733)");
    case 6551: return tr("64K (6552)");
    case 9827: return tr("96K (9828)");
    case 13103: return tr("128K (13104)");
    case 16379: return tr("160K (16380)");
    case 19655: return tr("192K (19656)");
    case 22931: return tr("224K (22932)");
    case 26207: return tr("256K (26208)");
    case 52415: return tr("512K (52416)");
    default: return tr("%1K (%2)").arg(QString::number(lastIndex * 16 / 1024), QString::number(lastIndex * 16));
    }
}

QString UsbCom::clockChipText() const
{
    switch (clockChip) {
    case 33: return tr("ATMEL");
    case 36: return tr("MICROCHIP");
    case 114: return tr("RS5C372A");
    case 131: return tr("PCF8583");
    default: return tr("ismeretlen");
    }
}

QString UsbCom::batteryVoltageText() const
{
    static const char* const steps[16] = {
        QT_TR_NOOP("2,01V"), QT_TR_NOOP("2,08V"), QT_TR_NOOP("2,30V"), QT_TR_NOOP("2,47V"),
        QT_TR_NOOP("2,56V"), QT_TR_NOOP("2,77V"), QT_TR_NOOP("3,03V"), QT_TR_NOOP("3,18V"),
        QT_TR_NOOP("3,33V"), QT_TR_NOOP("3,51V"), QT_TR_NOOP("3,70V"), QT_TR_NOOP("3,92V"),
        QT_TR_NOOP("4,14V"), QT_TR_NOOP("4,44V"), QT_TR_NOOP("4,76V"), QT_TR_NOOP("?,??V")};
    if (batteryLevel >= 0xF0)
        return tr(steps[batteryLevel - 0xF0]);
    return tr("ADC %1V").arg(batteryLevel / 50.0, 0, 'f', 2);
}

QString UsbCom::caseText() const
{
    return (statusBits & 0x40) ? tr("Zárt") : tr("Nyitott");
}

QString UsbCom::moistureText() const
{
    return (statusBits & 0x20) ? tr("Száraz") : tr("Nedves");
}

QString UsbCom::voltageText(unsigned short v) const
{
    return QStringLiteral("%L1V").arg(v / 100.0, 0, 'f', 2);
}

QString UsbCom::batteryTemperatureLine(QWidget* field) const
{
    const double t = batteryTemperature(temperatureRaw);
    DeviceDialogs::paintStatus(field, t > 0.0 && t < 40.0);
    return tr("Akku hőmérséklet: %L1 °C").arg(t, 0, 'f', 2);
}

// ---------------------------------------------------------------------------------------
// Conversions

int UsbCom::tuneToRegister(int v) const
{
    return (131122 - 500 * v) / 512;
}

int UsbCom::registerToTune(unsigned short r) const
{
    return r == 0 ? 0 : (131122 - 512 * int(r)) / 500;
}

int UsbCom::toneDivider(int f) const
{
    // No tone has no divider (and 125000 / 0 has no integer value).
    return f < 1 ? 0 : qRound(125000.0 / f);
}

int UsbCom::toneFrequency(unsigned short d) const
{
    return d == 0 ? 0 : qRound(1000000 / (8.0 * d));
}

int UsbCom::encodeCalibration(int v) const
{
    if (v < -62)
        return 0x42;
    if (v > 62)
        return 0x3E;
    return v < 0 ? (v & 0x7F) : v;
}

int UsbCom::decodeCalibration(int b) const
{
    return (b & 0x40) ? (b & 0x3F) - 64 : (b & 0x3F);
}

int UsbCom::chipCount() const
{
    const int k = memoryCode >> 4;
    const int chips = memoryCode & 0x0F;
    if (k == 3)
        return chips;
    if (k == 4)
        return 2 * chips;
    return 0;
}

int UsbCom::chipAddress(int n) const
{
    const int k = memoryCode >> 4;
    if (n < 0 || (k != 3 && k != 4) || n >= chipCount())
        return 0xC0;
    if (hardwareCode == thermistorHardware)
        return 0xA0 | (2 * n);
    static const int size3[4] = {0xAC, 0xAE, 0xA6, 0xAE};
    static const int size4[4] = {0xA4, 0xAC, 0xA6, 0xAE};
    const int* table = k == 3 ? size3 : size4;
    return table[qMin(n, 3)];
}

double UsbCom::batteryTemperature(short raw) const
{
    if (hardwareCode != thermistorHardware)
        return raw / 100.0;
    if (raw >= 998)
        return -999.99;
    if (raw < 36)
        return 999.99;
    for (const ThermistorBand& band : thermistorBands)
        if (raw > band.above)
            return (band.upper - raw) * band.slope + band.base;
    const ThermistorBand& last = thermistorBands[sizeof thermistorBands / sizeof thermistorBands[0] - 1];
    return (last.upper - raw) * last.slope + last.base;
}

// ---------------------------------------------------------------------------------------
// Whole operations

UsbErrorCodes UsbCom::eraseLog()
{
    std::unique_ptr<vglClkTuneDlg> dialog(new vglClkTuneDlg(nullptr));
    dialog->setModal(true);
    dialog->showDeviceInfo(this);
    dialog->setWindowTitle(tr("Napló törlés"));
    dialog->setMessage(tr("Törlés folyamatban"), QColor(QStringLiteral("black")));
    const int k = memoryCode >> 4;
    const int chips = memoryCode & 0x0F;
    dialog->progressBar->setRange(0, k == 3 ? chips << 10 : k == 4 ? chips << 11 : 0);
    dialog->show();

    unsigned char block[3 + eraseBlockSize];
    std::fill(std::begin(block), std::end(block), 0xFF);
    unsigned char answer[FrameSize];
    UsbErrorCodes result = setByteWord(0xC3, 0);
    if (result != UsbOk)
        return result;
    int progress = 0;
    for (int n = 0; n < chipCount(); ++n) {
        block[0] = static_cast<unsigned char>(chipAddress(n));
        for (int a = 0; a <= 0xFFC0; a += eraseBlockSize) {
            block[1] = a >> 8;
            block[2] = a & 0xFF;
            result = runServiceCommand(int(sizeof block), block, 0, answer);
            if (result != UsbOk)
                return result;
            dialog->setProgress(++progress);
            if (dialog->closeRequested)
                return UsbOk;
        }
    }
    return UsbOk;
}

UsbErrorCodes UsbCom::saveRepairLog(QWidget* parent)
{
    const UsbErrorCodes result = getDeviceInfo();
    if (result != UsbOk)
        return result;
    const QString title = tr("Javítási napló mentés");
    const QString proposed = QDir(appSettings().workDir)
                                 .filePath(QStringLiteral("S-%1.%2").arg(serialNumber.trimmed(), extText));
    // The history is added to, so choosing an existing file is the normal case.
    QString path = Prompts::saveFileName(parent, title, proposed, filterText(), filterText(), false);
    if (path.isEmpty())
        return UsbOk;
    path = withExtension(path, extText);

    const QDateTime now = Clock::currentDateTime();
    QString text = QStringLiteral("\r\n") + now.toString(QStringLiteral("yyyy-MM-dd"))
                   + now.toString(QStringLiteral(" hh:mm:ss"))
                   + QStringLiteral("    %1    %2    \"%3\"\r\n")
                         .arg(model.trimmed(), serialNumber.trimmed(), deviceName.trimmed());
    text += QStringLiteral("  Beüzemelve:    %1\r\n").arg(dateTimeText(commissionedDate));
    text += QStringLiteral("  Inicializálva: %1\r\n").arg(dateTimeText(initDate));
    text += QStringLiteral("  Javítva:       %1\r\n").arg(dateTimeText(repairedDate));
    text += QStringLiteral("  Akku csere:    %1\r\n").arg(dateTimeText(batteryChangeDate));
    text += QStringLiteral("  Utolsó reset:  %1\r\n").arg(dateTimeText(resetDate));
    text += QStringLiteral("  Feltöltve:     %1,    lemerült:   %2    mélykisülés: %3\r\n")
                .arg(dateTimeText(chargedDate), dateTimeText(dischargedDate), dateTimeText(deepDischargeDate));
    text += QStringLiteral("  Szétszedve:    %1,    összerakva: %2\r\n")
                .arg(dateTimeText(openedDate), dateTimeText(closedDate));
    text += QStringLiteral("  Nedves lett:   %1,    kiszáradt:  %2\r\n").arg(dateTimeText(wetDate), dateTimeText(dryDate));
    text += QStringLiteral("  Napló: %1,    ").arg(logCount) + QStringLiteral("reset: %1,    ").arg(resetCount)
            + QStringLiteral("óra rst: %1,    ").arg(clockResetCount) + QStringLiteral("inic: %1,    ").arg(initCount)
            + QStringLiteral("nedves: %1,    ").arg(wetCount)
            + QStringLiteral("firmware: 0x%1,    ").arg(QString::number(firmwareVersion, 16).rightJustified(4, QLatin1Char('0')).toUpper())
            + QStringLiteral("óra hangolás: 0x%1\r\n\r\n\r\n").arg(QString::number(clockCalibration, 16).rightJustified(2, QLatin1Char('0')).toUpper());

    // Added to the end and never rewritten, so the earlier records are never at stake; a
    // failed addition is cut off again.
    const SafeSave::Result saved = appendToFile(path, text.toUtf8());
    if (saved.failure == SafeSave::Failure::Write)
        Prompts::warning(parent, title, tr("A javítási napló mentése nem sikerült\n%1 fájl írási hiba.").arg(path));
    else if (!saved.ok())
        Prompts::warning(parent, title, tr("A javítási napló mentése nem sikerült\n%1.").arg(reasonForSentence(saved.errorString)));
    return UsbOk;
}

UsbErrorCodes UsbCom::saveSystemNvm(QWidget* parent)
{
    UsbErrorCodes result = getDeviceInfo();
    if (result != UsbOk)
        return result;
    const bool small = hardwareCode == thermistorHardware;
    const int size = small ? 128 : IntelHex::imageSize;
    const QString title = tr("Sys NVM mentés");
    const QString name = QStringLiteral("%1_%2.%3")
                             .arg(serialNumber.trimmed(),
                                  Clock::currentDateTime().date().toString(QStringLiteral("yyyy-MM-dd")), extHex);
    const QString filters = filterHex8 + QStringLiteral(";;") + filterHex32;
    const QString path = askSaveFileName(parent, title, QDir(appSettings().workDir).filePath(name), filters, extHex,
                                         small ? filterHex8 : filterHex32);
    if (path.isEmpty())
        return UsbOk;

    QByteArray image(size, '\0');
    result = readConfigRange(reinterpret_cast<unsigned char*>(image.data()), size, 0);
    if (result != UsbOk)
        return result;
    const QByteArray hex = IntelHex::write(image);
    SafeSave::Result saved;
    saveReplacing(path, [&hex](QIODevice& out) { return out.write(hex) == hex.size(); }, &saved);
    if (saved.failure == SafeSave::Failure::Write)
        Prompts::warning(parent, title, tr("A konfigurációs NVM mentése nem sikerült\n%1 fájl írási hiba.").arg(path));
    else if (!saved.ok())
        Prompts::warning(parent, title, tr("A konfigurációs NVM mentése nem sikerült\n%1.").arg(reasonForSentence(saved.errorString)));
    return UsbOk;
}

UsbErrorCodes UsbCom::restoreSystemNvm(QWidget* parent)
{
    const QString title = tr("Sys NVM visszaállítás");
    const QString path =
        Prompts::openFileName(parent, title, appSettings().workDir, tr("Hex fájlok (*.%1)").arg(extHex));
    if (path.isEmpty())
        return UsbOk;
    QFile file(path);
    const QString openError = openRegularFile(file);
    if (!openError.isEmpty()) {
        Prompts::warning(parent, title, tr("%1 fájl megnyitása nem sikerült\n%2.").arg(path, reasonForSentence(openError)));
        return UsbOk;
    }
    const IntelHex::Image image = IntelHex::read(file.read(maxHexFileSize));
    if (!image.complete()) {
        Prompts::warning(parent, title,
                         tr("%1 fájl nem tartalmaz megfelelő adatokat\nA konfiguráció nem módosult.").arg(path));
        return UsbOk;
    }
    return writeConfigMemory(reinterpret_cast<const unsigned char*>(image.bytes.constData()), IntelHex::imageSize, 0);
}
