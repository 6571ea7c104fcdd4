#pragma once
// Small free functions shared by every subsystem: the logger's packed time, checkpoint
// code letters, fixed-width byte fields, numbered names, the help file and the question box.
#include <QDate>
#include <QDateTime>
#include <QFont>
#include <QString>

class QWidget;

// Waits (asleep, no events) until the computer clock stands between 150 ms before and
// 30 ms after an even second, and returns that moment plus 160 ms: the time given to
// the logger when its clock is set. Shows the wait cursor meanwhile.
QDateTime waitDeviceTick();

// A path made absolute against base (the current folder when empty) and otherwise left as
// written: ".." is the kernel's to resolve, since after a link it leads to the parent of the
// link's target, not back to the folder of the link.
QString absolutePathOf(const QString& path, const QString& base = QString());

// The font of the document tables and texts, from the options.
QFont documentFont();

// Shows the wait cursor for its lifetime.
class WaitCursor
{
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Fills n bytes with the UTF-8 form of text, padded with blanks, no terminator.
// A text that does not fit is cut before the first character that would not fit whole.
void toFixedBytes(const QString& text, unsigned char* dst, int n);

// The logger's 4-byte time: year % 100 and month bit 3, month bits 2-0 and day,
// then the time of day in 2-second units, big-endian.
void packDeviceTime(const QDateTime& t, unsigned char out[4]);
// The year a two-digit year (0 to 99) stands for: the one in the hundred years from the
// pivot year on (Settings::century: 1950 reads 49 as 2049 and 50 as 1950).
int yearFromTwoDigits(int twoDigitYear, int pivot);
// The inverse; the century comes from Settings::century. Out-of-range fields are
// clamped, but the day is not checked against the month (31 April gives an invalid time).
QDateTime unpackDeviceTime(const unsigned char in[4]);
// The same fields as a UTC time: taken as they stand, without a conversion through the
// local zone (much cheaper, and a stamp inside a clock change's gap keeps its wall-clock time).
QDateTime unpackDeviceWallClock(const unsigned char in[4]);
// The same reading as a date and a time of day, without building a QDateTime at all;
// date() and time() of unpackDeviceTime give the same values.
void unpackDeviceStamp(const unsigned char in[4], QDate& date, QTime& time);

// The 12 letters "A".."P" of a 6-byte checkpoint code, high nibble first.
QString codeToLetters(const unsigned char code[6]);

// True when the first n bytes agree (always true for n < 1).
bool bytesEqual(const unsigned char* a, const unsigned char* b, int n);

// "Route 9" -> "Route 10", "R007" -> "R8", "Route" -> "Route2".
QString nextNumberedName(const QString& name);

// The language the texts and the help are shown in, "hu", "de" or "en", for the language
// bits of the flags and the system locale's name. The automatic language is the locale's
// where the program speaks it, else Hungarian, the language its texts are written in.
QString languageInEffect(int flags, const QString& localeName);

// Help collection file name for the language in effect with Settings::flags.
QString helpCollectionFile();
// The same for given flags and locale name.
QString helpCollectionFileFor(int flags, const QString& localeName);

// A reason (the system's, Qt's or the program's own message) for a text that closes the
// sentence itself: without its own closing marks (. ! ? and the ellipsis) and blanks at
// either end, so the sentence closes once.
QString reasonForSentence(const QString& reason);

// "2023-08-15", "2023. 08. 15" and the like, year first; a null date unless three parts.
QDate parseDate(const QString& text);

// Two-button question box (first button default, no escape); true for the first button.
bool askYesNo(QWidget* parent, const QString& title, const QString& text, const QString& yesText,
              const QString& noText);
