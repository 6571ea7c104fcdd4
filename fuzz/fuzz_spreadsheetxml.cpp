// Feeds arbitrary bytes to the XML spreadsheet reader and walks every row and cell as
// the imports do; a crash, a sanitizer report or a hang (libFuzzer's -timeout) is a finding.
#include "core/spreadsheetxml.h"

#include <QBuffer>
#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(data), int(size));
    buffer.open(QIODevice::ReadOnly);
    SpreadsheetXmlReader reader(&buffer);
    bool strict = true;
    while (reader.nextRow()) {
        reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        while (reader.nextCell()) {
            // Alternate the modes so both of readElementText's paths meet odd input.
            strict = !strict;
            reader.readElementText(strict ? QXmlStreamReader::ErrorOnUnexpectedElement
                                          : QXmlStreamReader::IncludeChildElements);
        }
    }
    (void)reader.errorString();
    return 0;
}
