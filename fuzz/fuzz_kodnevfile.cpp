// Feeds arbitrary bytes to the code-name list reader, places the records as a load does
// and checks that what was accepted holds usable names and survives a write and re-read.
#include "codenames/kodnevfile.h"
#include "codenames/kodnevmodel.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdlib>

namespace {

KodNevFile::ReadResult readAll(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return KodNevFile::read(buffer);
}

bool sameRecord(const KodNev& a, const KodNev& b)
{
    return a == b && a.foregroundColor == b.foregroundColor && a.backgroundColor == b.backgroundColor;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const KodNevFile::ReadResult result =
        readAll(QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size)));
    if (result.status != KodNevFile::ReadStatus::Ok) {
        if (!result.records.isEmpty())
            abort();
        return 0;
    }
    KodNevModel model;
    for (const KodNev& record : result.records) {
        if (!record.datedName.validFrom.isValid()
            || !record.foregroundColor.isValid() || !record.backgroundColor.isValid())
            abort();
        model.addEntry(record, true);
        if (model.findExact(record) < 0 || model.findValidAt(record) < 0)
            abort();
    }

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!KodNevFile::write(out, result.records))
        abort();
    const KodNevFile::ReadResult again = readAll(out.data());
    if (again.status != KodNevFile::ReadStatus::Ok || again.records.size() != result.records.size())
        abort();
    for (int i = 0; i < again.records.size(); ++i) {
        if (!sameRecord(again.records.at(i), result.records.at(i)))
            abort();
    }
    return 0;
}
