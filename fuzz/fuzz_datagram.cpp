// Feeds arbitrary datagrams to the single-instance listener's path decision: whatever
// arrives gives no path, an empty one, or one absolute path without control characters,
// and the document kind chosen for it is one of the known kinds.
#include "mainwindow/documentpaths.h"
#include "core/printexport.h"

#include <QByteArray>
#include <QDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray datagram = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const QString path = datagramPath(datagram);
    if (path.isNull())
        return 0;
    const int zero = datagram.indexOf('\0');
    const bool emptyPayload = datagram.isEmpty() || zero == 0;
    if (path.isEmpty() != emptyPayload)
        abort();
    if (path.isEmpty())
        return 0;
    if (!QDir::isAbsolutePath(path))
        abort();
    if ((zero < 0 ? datagram.size() : zero) > maxDatagramPathBytes)
        abort();
    for (const QChar c : path) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            abort();
    }
    const int kind = documentKindForName(path);
    if (kind != NoView && kind != LogViewKind && kind != TxtViewKind && kind != RouteDefViewKind
        && kind != EvaluationViewKind)
        abort();
    return 0;
}
