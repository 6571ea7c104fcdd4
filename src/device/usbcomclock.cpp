// UsbCom: judging the logger's clock, the status lines of the device dialogs, and the
// clock tuning that corrects the logger's calibration from its drift since the last
// clock setting.
#include "device/usbcom.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/devicedialogsupport.h"
#include "device/vglclktunedlg.h"

#include <QLocale>
#include <QTime>
#include <QtGlobal>

#include <cmath>

#include <vector>

namespace {

const unsigned char clockSetEvent = 219;
const qint64 minimumTuningSecs = 259200; // three days
const double secsPerDayPerStep = 0.263671875;
const int maxCalibration = 62;

QString dateText(const QDateTime& t)
{
    return QLocale::system().toString(t.date(), QLocale::ShortFormat);
}

QString timeText(const QDateTime& t)
{
    return t.time().toString(QStringLiteral("HH:mm:ss"));
}

// The logger's clock knows no daylight saving time. Its times are compared as wall-clock
// fields, so that a logger still on winter time in the hour the clocks skip in spring
// (a local time that does not exist) reads as an hour slow, not as an impossible date.
bool wallClockValid(const QDateTime& t)
{
    return t.date().isValid() && t.time().isValid();
}

qint64 wallSecs(const QDateTime& from, const QDateTime& to)
{
    return QDateTime(from.date(), from.time(), Qt::UTC).secsTo(QDateTime(to.date(), to.time(), Qt::UTC));
}

} // namespace

// Every clock read stamps pcTime with the computer's time; the cleared value means that
// nothing was read, and nothing read has no verdict.
bool UsbCom::clockWasRead() const
{
    return wallClockValid(pcTime) && wallSecs(pcTime, nullDeviceTime) != 0;
}

bool UsbCom::clockWithinTolerance() const
{
    // An impossible logger date is never accurate: secsTo would read it as 0.
    if (!clockWasRead() || !wallClockValid(deviceTime))
        return false;
    const qint64 limit = QTime(0, 0).secsTo(appSettings().clockAdjustLimit);
    return qAbs(wallSecs(pcTime, deviceTime)) < limit;
}

QString UsbCom::batteryPercentText() const
{
    static const char* const steps[] = {QT_TR_NOOP("0%"),   QT_TR_NOOP("0%"),   QT_TR_NOOP("0%"),   QT_TR_NOOP("0%"),
                                        QT_TR_NOOP("0%"),   QT_TR_NOOP("0%"),   QT_TR_NOOP("10%"),  QT_TR_NOOP("25%"),
                                        QT_TR_NOOP("40%"),  QT_TR_NOOP("55%"),  QT_TR_NOOP("70%"),  QT_TR_NOOP("85%"),
                                        QT_TR_NOOP("100%"), QT_TR_NOOP("100%"), QT_TR_NOOP("100%"), QT_TR_NOOP("100%")};
    if (batteryLevel >= 0xF0)
        return tr(steps[batteryLevel - 0xF0]);
    const int v = batteryVoltage;
    if (v <= 269)
        return tr("- - -");
    if (v > 420)
        return tr("100%");
    if (v <= 300)
        return tr("%1%").arg((v - 270) / 3);
    return tr("%1%").arg((3 * v - 900) / 4 + 10);
}

QString UsbCom::clockDriftText() const
{
    if (!clockWasRead() || !wallClockValid(deviceTime))
        return tr("- - -");
    const qint64 days = pcTime.date().daysTo(deviceTime.date());
    if (days < -3)
        return tr("Késik %n napot", nullptr, int(-days));
    if (days > 3)
        return tr("Siet %n napot", nullptr, int(days));
    const qint64 s = wallSecs(pcTime, deviceTime);
    if (s == 0)
        return tr("Pontos");
    if (s > 0) {
        if (s < 180)
            return tr("Siet %n másodpercet", nullptr, int(s));
        if (s < 10800)
            return tr("Siet %n percet", nullptr, int(s / 60));
        return tr("Siet %n órát", nullptr, int(s / 3600));
    }
    if (s > -180)
        return tr("Késik %n másodpercet", nullptr, int(-s));
    if (s > -10800)
        return tr("Késik %n percet", nullptr, int(-s / 60));
    return tr("Késik %n órát", nullptr, int(-s / 3600));
}

QString UsbCom::batteryStatusLine(QWidget* field) const
{
    const bool charged = statusBits & 0x80;
    DeviceDialogs::paintStatus(field, charged);
    const QDateTime& t = charged ? chargedDate : dischargedDate;
    return (charged ? tr("kb. %1  feltöltve: %2 %3") : tr("kb. %1  lemerült: %2 %3"))
        .arg(batteryPercentText(), dateText(t), timeText(t));
}

QString UsbCom::caseStatusLine(QWidget* field) const
{
    const bool closed = statusBits & 0x40;
    DeviceDialogs::paintStatus(field, closed);
    const QDateTime& t = closed ? closedDate : openedDate;
    return (closed ? tr("Összeszerelve: %1 %2") : tr("Szétszedve: %1 %2")).arg(dateText(t), timeText(t));
}

QString UsbCom::moistureStatusLine(QWidget* field) const
{
    const bool dry = statusBits & 0x20;
    DeviceDialogs::paintStatus(field, dry);
    const QDateTime& t = dry ? dryDate : wetDate;
    return (dry ? tr("Száraz lett: %1 %2") : tr("Nedves lett: %1 %2")).arg(dateText(t), timeText(t));
}

QString UsbCom::clockStatusLine(QWidget* field) const
{
    if (!clockWasRead()) {
        DeviceDialogs::paintNeutral(field);
        return QString();
    }
    DeviceDialogs::paintStatus(field, clockWithinTolerance());
    return tr("%1 %2   %3").arg(dateText(deviceTime), timeText(deviceTime), clockDriftText());
}

// The calibration for the drift measured over elapsed seconds, into clockCalibration;
// false, with clockCalibration unchanged, when it lies beyond the adjustable range.
bool UsbCom::tuneCalibration(qint64 elapsed)
{
    const double days = elapsed / 86400.0;
    double steps = wallSecs(pcTime, deviceTime) / days / secsPerDayPerStep;
    steps += steps >= 0 ? 1.5 : -0.5;
    const double tuned = std::trunc(steps) + decodeCalibration(clockCalibration);
    if (tuned < -maxCalibration || tuned > maxCalibration)
        return false;
    clockCalibration = static_cast<quint8>(encodeCalibration(int(tuned)));
    return true;
}

UsbErrorCodes UsbCom::tuneClock()
{
    UsbErrorCodes result = getDeviceInfo();
    if (result != UsbOk)
        return result;
    // An unknown capacity or a write index outside the ring gives no sensible pages, and a
    // garbled one would start the search past the newest clock setting or before it.
    if (lastIndex <= 0)
        return UsbBadReply;
    result = readConfirmedWriteIndex(writeIndex, writeIndex);
    if (result != UsbOk)
        return result;

    vglClkTuneDlg dialog;
    dialog.setModal(true);
    dialog.showDeviceInfo(this);
    dialog.setMessage(tr("Idő beállító bejegyzés\nkeresése az esemény naplóban"), QColor("black"));
    dialog.show();

    const auto pageBefore = [this](int start) { return start >= 64 ? start - 64 : start - 64 + lastIndex + 1; };
    std::vector<unsigned char> page(DeviceLogPage::Size);
    QDateTime lastSet;
    bool found = false;
    int scanned = 0;
    int start = pageBefore(writeIndex);
    while (scanned <= lastIndex && !found) {
        dialog.setProgress(scanned);
        if (dialog.closeRequested)
            return UsbOk;
        result = readPage(static_cast<unsigned short>(start), page.data());
        if (result != UsbOk)
            return result;
        for (int k = DeviceLogPage::SlotCount - 1; k >= 0 && !found; --k) {
            const unsigned char* slot = page.data() + DeviceLogPage::slotOffset(k);
            if (slot[0] == clockSetEvent) {
                lastSet = unpackDeviceTime(slot + 1);
                found = true;
            }
        }
        if (!found) {
            scanned += DeviceLogPage::SlotCount;
            start = pageBefore(start);
        }
    }
    dialog.setProgress(scanned);

    const QColor refused("darkRed");
    const bool lastSetValid = found && wallClockValid(lastSet);
    const qint64 elapsed = lastSetValid ? wallSecs(lastSet, pcTime) : 0;
    if (!lastSetValid) {
        dialog.setMessage(tr("Nincs az esemény naplóban óra beállítás bejegyzés,\naz óra behangolása nem lehetséges!"),
                          refused);
    } else if (elapsed < minimumTuningSecs) {
        // A clock setting dated after the computer's time would flip the correction.
        dialog.setMessage(tr("Kevés idő telt el az óra beállítás óta,\na hangolás még nem lehetséges!"), refused);
    } else if (!wallClockValid(deviceTime)) {
        // An impossible logger date gives no drift to measure.
        dialog.setMessage(tr("A behangolás nem sikerült!"), refused);
        result = UsbBadReply;
    } else if (!tuneCalibration(elapsed)) {
        // A drift beyond the calibration's reach is a clock set wrongly, not a slow or fast
        // crystal: a saturated value would only make the clock worse.
        dialog.setMessage(tr("Az óra eltérése túl nagy,\naz óra behangolása nem lehetséges!"), refused);
    } else {
        result = setCalibration();
        if (result != UsbOk) {
            dialog.setMessage(tr("A behangolás nem sikerült!"), refused);
        } else {
            dialog.setMessage(tr("Az óra pontossága behangolva!"), QColor("darkGreen"));
            result = setClock(waitDeviceTick());
        }
    }

    dialog.setButton(tr("OK"), tr("A párbeszéd ablak bezárása"));
    dialog.waitForClose();
    return result;
}
