// UsbCom: the logger's log memory, a ring of records read one slot or one page at a time.
#include "device/usbcom.h"

#include "device/usbcomprotocol.h"

using namespace UsbProtocol;

namespace {

constexpr int pageReadTimeoutMs = 1500;

} // namespace

UsbErrorCodes UsbCom::readEntry(unsigned short index)
{
    if (!handle)
        return UsbNoChannel;
    frame[0] = 4;
    frame[1] = CmdReadEntry;
    frame[2] = index & 0xFF;
    frame[3] = index >> 8;
    setChecksum(frame);
    const UsbErrorCodes result = transact(frame, reply);
    if (result != UsbOk)
        return result;
    if (reply[0] < 11)
        return UsbBadReply;
    lastEntry.setBytes(reply + 2);
    return UsbOk;
}

UsbErrorCodes UsbCom::readPage(unsigned short start, unsigned char* page)
{
    FtdiApi& api = ftdiApi();
    if (!api.setTimeouts(handle, pageReadTimeoutMs, writeTimeoutMs))
        return UsbTransferError;
    frame[0] = 4;
    frame[1] = CmdReadPage;
    frame[2] = start & 0xFF;
    frame[3] = start >> 8;
    setChecksum(frame);
    const UsbErrorCodes result = transact(frame, page);
    api.setTimeouts(handle, readTimeoutMs, writeTimeoutMs);
    // Anything but a whole page would hand stale buffer bytes to the log.
    if (result == UsbOk && page[0] != pageMark)
        return UsbBadReply;
    return result;
}

int UsbCom::ringDistance(unsigned from, unsigned to) const
{
    const unsigned last = unsigned(qMax(lastIndex, 0));
    from = qMin(from, last);
    to = qMin(to, last);
    if (from <= to)
        return int(to - from);
    return int(last + 1 + to - from);
}

bool UsbCom::ringIsValid() const
{
    return lastIndex > 0 && writeIndex >= 0 && writeIndex <= lastIndex;
}
