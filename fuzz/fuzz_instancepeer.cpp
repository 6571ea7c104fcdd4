// Feeds arbitrary bytes to the readers of what other processes write for the single-instance
// hand-over: the record a running instance publishes in its shared-memory segment and the
// kernel's table of UDP sockets. A record is either rejected whole or read back exactly; the
// table gives at most one owner a line, and a line added for the port is always found.
#include "core/singleinstance.h"

#include <QByteArray>
#include <QVector>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));

    const HandOverEndpoint endpoint = parsePublishedRecord(bytes);
    if (endpoint.isValid()) {
        // The two spare bytes at the end are not read.
        const int used = publishedRecordSize - 2;
        if (publishedRecord(endpoint).left(used) != bytes.left(used))
            abort();
    } else if (endpoint.port != 0 || !endpoint.secret.isEmpty()) {
        abort();
    }

    const quint16 port = size >= 2 ? quint16(data[0] | data[1] << 8) : 0;
    const QVector<uint> owners = udpPortOwners(bytes, port);
    if (owners.size() > bytes.count('\n') + 1)
        abort();
    const QByteArray line = "  7: 0100007F:" + QByteArray::number(port, 16).rightJustified(4, '0')
                            + " 00000000:0000 07 00000000:00000000 00:00000000 00000000  4242        0 99 2\n";
    if (udpPortOwners(bytes + '\n' + line, port) != owners + QVector<uint>{4242})
        abort();
    return 0;
}
