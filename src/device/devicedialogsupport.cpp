#include "device/devicedialogsupport.h"

#include "device/usbcom.h"

#include "core/fieldwidth.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QtGlobal>

namespace DeviceDialogs {
namespace {

void setFieldText(QWidget* field, const QString& text)
{
    if (auto* label = qobject_cast<QLabel*>(field))
        label->setText(text);
    else if (auto* edit = qobject_cast<QLineEdit*>(field))
        setLineText(edit, text);
    field->repaint();
}

} // namespace

void setLineText(QLineEdit* line, const QString& text)
{
    line->setText(text);
    reserveWidthFor(line, text); // the window grows to show the whole value
    // setText leaves the cursor at the end, which scrolls a long line to its end.
    line->setCursorPosition(0);
}

void fillStatusLines(const UsbCom& device, QLineEdit* battery, QLineEdit* caseLine, QLineEdit* moisture,
                     QLineEdit* clock)
{
    setLineText(battery, device.batteryStatusLine(battery));
    setLineText(caseLine, device.caseStatusLine(caseLine));
    setLineText(moisture, device.moistureStatusLine(moisture));
    setLineText(clock, device.clockStatusLine(clock));
    for (QLineEdit* line : {battery, caseLine, moisture, clock})
        line->repaint();
}

QString serialAndModel(const UsbCom& device)
{
    return QCoreApplication::translate("UsbCom", "%1   (modell: %2)").arg(device.serialNumber, device.model.trimmed());
}

void paintStatus(QWidget* field, bool good)
{
    QPalette palette = field->palette();
    palette.setBrush(QPalette::All, QPalette::Text, QColor("black"));
    palette.setBrush(QPalette::All, QPalette::Base, QColor(good ? "lime" : "tomato"));
    field->setPalette(palette);
}

void paintNeutral(QWidget* field)
{
    field->setPalette(QPalette());
}

void setBlackText(QWidget* field)
{
    QPalette palette = field->palette();
    palette.setColor(QPalette::All, QPalette::Text, QColor("black"));
    field->setPalette(palette);
}

void fillHeader(UsbCom* device, QWidget* ident, QWidget* lotNo, QWidget* readout, QLineEdit* battery,
                QLineEdit* caseLine, QLineEdit* moisture, QLineEdit* clock, bool blackText)
{
    const QString texts[] = {device->deviceName, serialAndModel(*device),
                             QLocale().toString(device->readoutDate, QLocale::LongFormat)};
    QWidget* fields[] = {ident, lotNo, readout};
    for (int i = 0; i < 3; ++i) {
        setFieldText(fields[i], texts[i]);
        if (blackText)
            setBlackText(fields[i]);
    }
    fillStatusLines(*device, battery, caseLine, moisture, clock);
}

void pumpAndShow(QProgressBar* bar, int value)
{
    QCoreApplication::processEvents();
    bar->setValue(qBound(bar->minimum(), value, bar->maximum()));
}

void pumpUntil(const bool& flag)
{
    // Sleeps in the event dispatcher between passes instead of spinning.
    while (!flag)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void closeOnlyWhenAsked(QCloseEvent* event, bool& closeRequested)
{
    if (event->spontaneous()) {
        closeRequested = true;
        event->ignore();
    } else {
        event->accept();
    }
}

} // namespace DeviceDialogs
