// Feeds arbitrary datagrams to the single-instance listener's decision: a datagram without
// the secret is dropped; the rest gives no path, an empty one, or one absolute path without
// control characters, and the document kind chosen for it is one of the known kinds. The
// seeds carry the secret below (32 letters K) in front of the path.
#include "core/printexport.h"
#include "core/singleinstance.h"
#include "mainwindow/documentpaths.h"

#include <QByteArray>
#include <QDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray received = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const QByteArray secret(handOverSecretSize, 'K');
    QByteArray datagram;
    const bool accepted = handOverPayload(received, secret, &datagram);
    if (accepted != received.startsWith(secret))
        abort();
    if (!accepted)
        return 0;
    if (datagram != received.mid(handOverSecretSize))
        abort();
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
