// Feeds arbitrary bytes to the code-name text import and checks that every entry it
// took is whole: a code, a name of 1 to 80 characters, a date and both colours, and that
// it stopped with a reason whenever it did not read to the end.
#include "codenames/kodnevimport.h"
#include "codenames/kodnevmodel.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QBuffer buffer;
    buffer.setData(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)));
    buffer.open(QIODevice::ReadOnly);
    KodNevModel model;
    const KodNevImport::Result result = KodNevImport::readText(buffer, model, 2000);
    if (result.added < model.rowCount() || result.skipped < 0)
        abort();
    if (result.stoppedAt > 0 && result.error.isEmpty())
        abort();
    for (int row = 0; row < model.rowCount(); ++row) {
        const KodNev entry = model.entryAt(row);
        const int length = entry.datedName.name.size();
        if (length < 1 || length > DatedName::maxNameLength || !entry.datedName.validFrom.isValid()
            || !entry.foregroundColor.isValid() || !entry.backgroundColor.isValid())
            abort();
    }
    return 0;
}
