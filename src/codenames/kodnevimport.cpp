#include "codenames/kodnevimport.h"

#include "codenames/kodnevdatetext.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/spreadsheetxml.h"
#include "core/wyxapp.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTextCodec>

namespace KodNevImport {

namespace {

// The records of one import, added to the list together when the reading ends (also when
// it stops early): added one by one, each would walk the list and its views.
class Batch
{
public:
    Batch(KodNevModel& list, int century) : list(list), century(century) {}

    // A record without a date: a new code is named from the start of the century, a code
    // already named (in the list or earlier in the file) gets a new step from today.
    QDate derivedDate(const KodNev& entry) const
    {
        const bool named = list.findCode(entry) >= 0 || codes.contains(entry.codeKey());
        return named ? QDate::currentDate() : QDate(century, 1, 1);
    }
    void add(const KodNev& entry)
    {
        records.append(entry);
        codes.insert(entry.codeKey());
    }
    // Every record is taken: one of the same code and date replaces the older one.
    int commit()
    {
        list.addEntries(records);
        return records.size();
    }

private:
    KodNevModel& list;
    const int century;
    QList<KodNev> records;
    QSet<quint64> codes;
};

// Reads one line of at most maxLineLength bytes; an overlong one is consumed to its end
// and reported as too long. False at the end of the device.
bool readLine(QIODevice& device, QByteArray& line, bool& tooLong)
{
    if (device.atEnd())
        return false;
    line = device.readLine(maxLineLength + 2); // at most one byte more than allowed
    tooLong = line.size() > maxLineLength && !line.endsWith('\n');
    if (tooLong) {
        char c = 0;
        while (device.getChar(&c) && c != '\n') {
        }
    }
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    return true;
}

Result readTextInto(QIODevice& device, Batch& batch, int century, const QLocale& locale)
{
    Result result;
    const KodNevDateText dates(locale, century);
    QTextCodec* utf8 = QTextCodec::codecForName("UTF-8");
    static const QRegularExpression tab(QStringLiteral("\t"));
    QByteArray raw;
    bool tooLong = false;
    int lineNumber = 0;
    while (readLine(device, raw, tooLong)) {
        ++lineNumber;
        if (tooLong) {
            ++result.skipped;
            continue;
        }
        if (lineNumber == 1 && raw.startsWith("\xef\xbb\xbf"))
            raw.remove(0, 3);
        QTextCodec::ConverterState state;
        const QString line = utf8->toUnicode(raw.constData(), raw.size(), &state);
        if (state.invalidChars > 0) {
            result.error = QCoreApplication::translate("KodnevView", "nem UTF-8 kódolású szöveg");
            result.stoppedAt = lineNumber;
            return result;
        }
        const QStringList fields = line.split(tab, Qt::SkipEmptyParts);
        if (fields.size() < 2) {
            ++result.skipped;
            continue;
        }
        KodNev entry; // fresh for every line
        QDate date = dates.date(fields.at(0));
        const int k = date.isValid() ? 1 : 0;
        if (fields.size() < k + 2 || !entry.setCode(fields.at(k)) || !entry.datedName.setName(fields.at(k + 1))) {
            ++result.skipped;
            continue;
        }
        if (!date.isValid())
            date = batch.derivedDate(entry);
        entry.datedName.setDate(date);
        if (fields.size() > k + 2) {
            entry.setBackgroundColorName(fields.at(k + 2));
            if (fields.size() > k + 3)
                entry.setForegroundColorName(fields.at(k + 3));
        }
        batch.add(entry);
    }
    return result;
}

Result readXmlInto(QIODevice& device, Batch& batch, int century, const QLocale& locale)
{
    Result result;
    const KodNevDateText dates(locale, century);
    SpreadsheetXmlReader reader(&device);
    int row = 0;
    auto stop = [&](const QString& error) {
        result.error = error;
        result.stoppedAt = row;
        return result;
    };
    for (;;) {
        if (!reader.nextRow()) {
            if (reader.hasError())
                return stop(reader.errorString());
            // Short of the document's end the reader stops only on a row it cannot read.
            if (reader.atEnd())
                return result;
            ++row;
            return stop(QCoreApplication::translate("KodnevView", "a sor nem cellákkal kezdődik"));
        }
        ++row;
        KodNev entry; // fresh for every row
        const QString first = reader.readElementText();
        QDate date = dates.date(first);
        QString code = first;
        bool complete = true;
        if (date.isValid()) {
            complete = reader.nextCell();
            if (complete)
                code = reader.readElementText();
        }
        QString name;
        QStringList colours;
        if (complete) {
            complete = reader.nextCell();
            if (complete) {
                name = reader.readElementText();
                while (colours.size() < 2 && reader.nextCell())
                    colours << reader.readElementText();
            }
        }
        if (reader.hasError())
            return stop(reader.errorString());
        if (!complete) {
            ++result.skipped;
            continue;
        }
        if (!entry.setCode(code)) {
            result.badData = true;
            return stop(QCoreApplication::translate("KodnevView", "érvénytelen kód: %1").arg(code.left(20)));
        }
        if (!date.isValid())
            date = batch.derivedDate(entry);
        entry.datedName.setDate(date);
        if (!entry.datedName.setName(name)) {
            ++result.skipped; // empty or overlong
            continue;
        }
        if (!colours.isEmpty()) {
            entry.setBackgroundColorName(colours.at(0));
            if (colours.size() > 1)
                entry.setForegroundColorName(colours.at(1));
        }
        batch.add(entry);
    }
}

} // namespace

Result readText(QIODevice& device, KodNevModel& list, int century, const QLocale& locale)
{
    Batch batch(list, century);
    Result result = readTextInto(device, batch, century, locale);
    result.added = batch.commit();
    return result;
}

Result readXml(QIODevice& device, KodNevModel& list, int century, const QLocale& locale)
{
    Batch batch(list, century);
    Result result = readXmlInto(device, batch, century, locale);
    result.added = batch.commit();
    return result;
}

namespace {

bool importFile(QWidget* parent, KodNevModel& list, const QString& fileName, bool xml)
{
    const QString name = completedExportName(fileName, xml ? extXml : extText);
    const QString path = appSettings().workPath(name);
    const QString title = QCoreApplication::translate("KodnevView", "Kód-név lista importálás");
    const QFileInfo info(path);
    if (!info.exists()) {
        Prompts::warning(parent, title, QCoreApplication::translate("KodnevView", "%1 nem létezik.").arg(name));
        return false;
    }
    QFile file(path);
    const QString openError = openRegularFile(file);
    if (!openError.isEmpty()) {
        Prompts::warning(parent, title,
                         QCoreApplication::translate("KodnevView", "%1 importálása nem sikerült\n%2.")
                             .arg(name, reasonForSentence(openError)));
        return false;
    }
    if (file.size() > maxFileSize) {
        const QString tooBig = QCoreApplication::translate("KodnevView", "a fájl túl nagy egy kód-név listához");
        Prompts::warning(parent, title,
                         QCoreApplication::translate("KodnevView", "%1 importálása nem sikerült\n%2.")
                             .arg(name, reasonForSentence(tooBig)));
        return false;
    }
    Result result;
    {
        WaitCursor wait;
        result = xml ? readXml(file, list, appSettings().century) : readText(file, list, appSettings().century);
    }
    if (result.error.isEmpty())
        return true;
    const QString where =
        result.stoppedAt > 0
            ? QCoreApplication::translate("KodnevView", "%1. sor: %2")
                  .arg(QString::number(result.stoppedAt), result.error)
            : result.error;
    Prompts::warning(parent, title,
                     result.badData
                         ? QCoreApplication::translate("KodnevView", "%1 nem megfelelő adatokat tartalmaz.\n%2.")
                               .arg(name, reasonForSentence(where))
                         : QCoreApplication::translate("KodnevView", "%1 importálása nem sikerült\n%2.")
                               .arg(name, reasonForSentence(where)));
    return false;
}

} // namespace

bool importFromTxt(QWidget* parent, KodNevModel& list, const QString& fileName)
{
    return importFile(parent, list, fileName, false);
}

bool importFromXml(QWidget* parent, KodNevModel& list, const QString& fileName)
{
    return importFile(parent, list, fileName, true);
}

} // namespace KodNevImport
