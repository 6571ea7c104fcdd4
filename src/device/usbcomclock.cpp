// UsbCom: judging the logger's clock, the status lines of the device dialogs, and the
// clock tuning that corrects the logger's calibration from its drift since the last
// clock setting.
#include "device/usbcom.h"

#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "device/devicedialogsupport.h"
#include "device/vglclktunedlg.h"

#include <QLocale>
#include <QTime>
#include <QtGlobal>

#include <vector>

namespace {

const unsigned char clockSetEvent = 219;
const qint64 minimumTuningSecs = 259200; // three days
const double secsPerDayPerStep = 0.263671875;

QString dateText(const QDateTime& t)
{
    return QLocale::system().toString(t.date(), QLocale::ShortFormat);
}

QString timeText(const QDateTime& t)
{
    return t.time().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace

bool UsbCom::clockWithinTolerance() const
{
    // An impossible logger date is never accurate: secsTo would read it as 0.
    if (!pcTime.isValid() || !deviceTime.isValid())
        return false;
    const qint64 limit = QTime(0, 0).secsTo(appSettings().clockAdjustLimit);
    return qAbs(pcTime.secsTo(deviceTime)) < limit;
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
    if (!pcTime.isValid() || !deviceTime.isValid())
        return tr("- - -");
    const qint64 days = pcTime.daysTo(deviceTime);
    if (days < -3)
        return tr("Késik %1 napot").arg(-days);
    if (days > 3)
        return tr("Siet %1 napot").arg(days);
    const qint64 s = pcTime.secsTo(deviceTime);
    if (s == 0)
        return tr("Pontos");
    if (s > 0) {
        if (s < 180)
            return tr("Siet %1 másodpercet").arg(s);
        if (s < 10800)
            return tr("Siet %1 percet").arg(s / 60);
        return tr("Siet %1 órát").arg(s / 3600);
    }
    if (s > -180)
        return tr("Késik %1 másodpercet").arg(-s);
    if (s > -10800)
        return tr("Késik %1 percet").arg(-s / 60);
    return tr("Késik %1 órát").arg(-s / 3600);
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
    DeviceDialogs::paintStatus(field, clockWithinTolerance());
    return tr("%1 %2   %3").arg(dateText(deviceTime), timeText(deviceTime), clockDriftText());
}

UsbErrorCodes UsbCom::tuneClock()
{
    UsbErrorCodes result = getDeviceInfo();
    if (result != UsbOk)
        return result;
    // An unknown capacity or a write index outside the ring gives no sensible pages.
    if (!ringIsValid())
        return UsbBadReply;

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
    const qint64 elapsed = found && lastSet.isValid() ? lastSet.secsTo(pcTime) : 0;
    if (!found || !lastSet.isValid()) {
        dialog.setMessage(tr("Nincs az esemény naplóban óra beállítás bejegyzés,\naz óra behangolása nem lehetséges!"),
                          refused);
    } else if (elapsed < minimumTuningSecs) {
        // A clock setting dated after the computer's time would flip the correction.
        dialog.setMessage(tr("Kevés idő telt el az óra beállítás óta,\na hangolás még nem lehetséges!"), refused);
    } else if (!deviceTime.isValid()) {
        // An impossible logger date gives no drift to measure.
        dialog.setMessage(tr("A behangolás nem sikerült!"), refused);
        result = UsbBadReply;
    } else {
        const double days = elapsed / 86400.0;
        double steps = pcTime.secsTo(deviceTime) / days / secsPerDayPerStep;
        steps += steps >= 0 ? 1.5 : -0.5;
        // Anything beyond the register's range ends clamped anyway; keeps the int sane.
        steps = qBound(-1000.0, steps, 1000.0);
        clockCalibration = static_cast<quint8>(encodeCalibration(int(steps) + decodeCalibration(clockCalibration)));
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
