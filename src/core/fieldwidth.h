#pragma once
// Line edits wide enough for what they hold. A line edit asks its layout for the width of
// about 17 letters whatever it holds: a field that shows a value, or takes a code or a
// number, is given the width of that text instead.
#include <QString>
#include <QStringList>

class QFont;
class QFontMetricsF;
class QLineEdit;
class QWidget;

// The width at which the edit shows the whole text, frame and margins included.
int lineEditWidthFor(const QLineEdit* edit, const QString& text);
// Lets the edit grow to at least that width; it never shrinks, so a window does not jump
// as the values it shows change.
void reserveWidthFor(QLineEdit* edit, const QString& text);
// The widest text of that many of these characters in these metrics.
QString widestText(const QFontMetricsF& metrics, const QString& characters, int length);
// A checkpoint code as wide as a code can be: twelve of its widest capitals A to P.
QString widestCode(const QFontMetricsF& metrics);
// Lets a field that holds a file or folder path show a typical path of 40 characters whole.
void reservePathWidth(QLineEdit* edit);

// List windows size their columns the same way: a column is as wide as the widest text it
// can show, in the font its cells are drawn with and in the language in use, and the room
// the view's style leaves on both sides of a cell's text; a fixed count of digits is cut by
// a longer translation.
// That room, both sides together.
int cellTextMargins(const QWidget* view);
// The whole pixels a line of the text takes as a view lays it out in the font.
int cellTextWidth(const QFont& font, const QString& text);
// The column width that shows each of the texts whole in the cell font, which the view
// completes with its own font as it draws.
int columnWidthFor(const QWidget* view, const QFont& font, const QStringList& texts);
// A row-number column: at least digits digit widths, wider where the largest number as the
// view shows it (largest) needs more with the cell's margins.
int rowNumberColumnWidth(const QWidget* view, const QFont& font, const QString& largest, int digits);
