#pragma once
// Code names coming in from tab-separated UTF-8 text or an XML spreadsheet written by the
// export (or by another program). Every record becomes a fresh entry, so a refused field
// never carries over another record's name or colours. The records read are added together
// at the end, as adding them one by one in file order would; when a file turns out damaged
// the records before the fault are still added.
#include <QLocale>
#include <QString>

class KodNevModel;
class QIODevice;
class QWidget;

namespace KodNevImport {

// Larger files are refused before reading: no code-name list comes near.
constexpr qint64 maxFileSize = 64LL * 1024 * 1024;
// Longer text lines are skipped as unreadable.
constexpr int maxLineLength = 4096;

struct Result {
    int added = 0;     // entries taken into the list (one replacing its like counts too)
    int skipped = 0;   // text lines or rows ignored (bad code, no name, name too long)
    QString error;     // what stopped the import, empty when it read to the end
    int stoppedAt = 0; // the line or row number the error concerns (from 1), 0 without one
    bool badData = false; // the file itself was readable, but a row holds what no list can take
};

// Reads from an open device into the list. century is the year given to codes seen for the
// first time when the record carries no date; with the locale it reads the dates as
// KodNevDateText writes them.
Result readText(QIODevice& device, KodNevModel& list, int century, const QLocale& locale = QLocale::system());
Result readXml(QIODevice& device, KodNevModel& list, int century, const QLocale& locale = QLocale::system());

// Completes the name, checks the file and reports every failure to parent, naming the
// file and what is wrong. True when the whole file was read.
bool importFromTxt(QWidget* parent, KodNevModel& list, const QString& fileName);
bool importFromXml(QWidget* parent, KodNevModel& list, const QString& fileName);

} // namespace KodNevImport
