#pragma once
// Pieces shared by the device dialogs: the device header (name, serial and model,
// previous read-out, four status lines) and the event pumping of the two progress
// windows that run inside their driver's loop instead of an event loop of their own.
#include <QString>

class QCloseEvent;
class QLabel;
class QLineEdit;
class QProgressBar;
class QWidget;
class UsbCom;

namespace DeviceDialogs {

// The serial number with the trimmed model, as every device dialog shows it.
QString serialAndModel(const UsbCom& device);

// Fills the header fields. With blackText the three first fields (disabled line edits)
// get black text so that they stay legible.
void fillHeader(UsbCom* device, QWidget* ident, QWidget* lotNo, QWidget* readout, QLineEdit* battery,
                QLineEdit* caseLine, QLineEdit* moisture, QLineEdit* clock, bool blackText);

// Colours a status field: black text on lime when good, on tomato when bad.
void paintStatus(QWidget* field, bool good);
// Sets the text showing its start, also when it is longer than the field.
void setLineText(QLineEdit* line, const QString& text);
// The four coloured status lines of a device.
void fillStatusLines(const UsbCom& device, QLineEdit* battery, QLineEdit* caseLine, QLineEdit* moisture,
                     QLineEdit* clock);
// The field's ordinary colours: no verdict.
void paintNeutral(QWidget* field);

// Black text in every colour group (disabled fields stay legible).
void setBlackText(QWidget* field);

// Processes pending events, then shows value clamped to the bar's range.
void pumpAndShow(QProgressBar* bar, int value);

// Processes events until flag is set.
void pumpUntil(const bool& flag);

// The window's close button (a spontaneous close) only raises the flag and keeps the
// window open; a close() of the program's own really closes.
void closeOnlyWhenAsked(QCloseEvent* event, bool& closeRequested);

} // namespace DeviceDialogs
