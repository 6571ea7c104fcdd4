#pragma once
// The code-name list leaving the program: tab-separated UTF-8 text, XML spreadsheet and
// printed pages, each over a span of the list's rows. The code-name window's slots call
// these with the span its range and cursor give.
#include "codenames/kodnevdatetext.h"
#include "core/printexport.h"

#include <QString>

class KodNevModel;
class QIODevice;
class QPrinter;
class QWidget;

namespace KodNevExport {

// The date and colour fields are optional; the code and name always go.
struct Fields {
    bool date = true;
    bool colors = true;
    int count() const { return 2 + (date ? 1 : 0) + (colors ? 2 : 0); }
};

// The rows as text lines (CR LF, no byte-order mark) or spreadsheet rows; false on a
// write failure. Dates go in the form dates gives them (by default the system locale's).
bool writeText(QIODevice& device, const KodNevModel& list, const RowSpan& span, Fields fields,
               const KodNevDateText& dates = KodNevDateText());
bool writeXml(QIODevice& device, const KodNevModel& list, const RowSpan& span, Fields fields,
              const KodNevDateText& dates = KodNevDateText());

// Completes the name, asks before replacing a file, writes the whole file or nothing
// under the name, and reports failures to parent. True when the file was written.
bool exportToTxt(QWidget* parent, const KodNevModel& list, const QString& fileName, const RowSpan& span,
                 Fields fields);
bool exportToXml(QWidget* parent, const KodNevModel& list, const QString& fileName, const RowSpan& span,
                 Fields fields);

// Prints the span with the list's colours (in colour mode); footerPath names the list's
// file. False, after a message, when nothing could be printed.
bool print(QWidget* parent, QPrinter* out, const KodNevModel& list, const RowSpan& span, int pageSet,
           const QString& footerPath);
// print() into the printer's PDF file, which appears only when complete.
bool exportToPdf(QWidget* parent, QPrinter* out, const KodNevModel& list, const RowSpan& span,
                 const QString& footerPath);

} // namespace KodNevExport
