// UsbCom: finding and configuring the logger's link, the framed transaction (purge,
// wake-up, request, reply) with its checksums, and telling the user about result codes.
#include "device/usbcom.h"

#include "core/constants.h"
#include "core/prompts.h"
#include "device/usbcomprotocol.h"

#include <QStringList>

using namespace UsbProtocol;

namespace {

constexpr int attempts = 3;
constexpr int wakeUpTries = 5;
constexpr unsigned char wakeUpByte = 'S';
constexpr unsigned char wakeUpAnswer = 'B';
constexpr int maxReplyLength = 144;
constexpr int maxStrayBytes = 2048; // more than any reply's tail

} // namespace

UsbCom::UsbCom(QObject* parent) : QObject(parent)
{
    clearInfo();
}

UsbCom::~UsbCom()
{
    if (handle)
        ftdiApi().close(handle);
}

UsbErrorCodes UsbCom::open()
{
    FtdiApi& api = ftdiApi();
    if (handle) {
        api.close(handle);
        handle = nullptr;
    }
    int count = 0;
    if (!api.createDeviceInfoList(count))
        return UsbLibraryError;
    if (count <= 0)
        return UsbNoDevice;

    QByteArray chosenSerial;
    bool found = false;
    bool lastDetailFailed = false;
    for (int index = 0; index < count && !found; ++index) {
        unsigned flags = 0;
        QByteArray serial;
        QByteArray description;
        lastDetailFailed = !api.getDeviceInfoDetail(index, flags, serial, description);
        if (lastDetailFailed || (flags & 1))
            continue;
        // Up to the terminating zero, never beyond the driver's buffer.
        const QString text = QString::fromUtf8(description.constData(),
                                               int(qstrnlen(description.constData(), uint(description.size()))));
        if (QString::compare(text, deviceFamilyName, Qt::CaseSensitive) == 0) {
            chosenSerial = serial.left(int(qstrnlen(serial.constData(), uint(serial.size()))));
            found = true;
        }
    }
    if (!found)
        return lastDetailFailed ? UsbLibraryError : UsbNoDevice;

    handle = api.openBySerial(chosenSerial);
    if (!handle)
        return UsbDriverError;
    const UsbErrorCodes result = configure();
    if (result != UsbOk) {
        api.close(handle);
        handle = nullptr;
    }
    return result;
}

UsbErrorCodes UsbCom::configure()
{
    FtdiApi& api = ftdiApi();
    const bool ok = api.resetDevice(handle) && api.setLatencyTimer(handle, 8)
                    && api.setUsbParameters(handle, 1024, 64) && api.setBaudRate(handle, 55555)
                    && api.setDataCharacteristics(handle, 8, FtdiApi::StopBits2, FtdiApi::ParityNone)
                    && api.setFlowControl(handle, FtdiApi::FlowNone, 0x11, 0x13)
                    && api.setTimeouts(handle, readTimeoutMs, writeTimeoutMs);
    return ok ? UsbOk : UsbDriverError;
}

void UsbCom::setChecksum(unsigned char* buffer)
{
    const int length = buffer[0];
    unsigned char ck = 0xE5;
    for (int i = 1; i < length; ++i)
        ck ^= buffer[i];
    buffer[length] = ck;
}

bool UsbCom::checkChecksum(const unsigned char* buffer)
{
    const int length = buffer[0];
    unsigned char ck = 0xE5;
    for (int i = 1; i < length; ++i)
        ck ^= buffer[i];
    return buffer[length] == ck;
}

UsbErrorCodes UsbCom::sendFrame(unsigned char* request, unsigned char* answer)
{
    // The frame must fit the frame buffer the logger expects.
    if (request[0] < 1 || request[0] + 1 > FrameSize)
        return UsbBadParameter;
    return transact(request, answer);
}

// The rest of a reply that went wrong may still be on its way, after any purge: read and
// drop what arrives until one whole read time-out passes in silence, so that the next
// wake-up answer is the logger's and not a stray byte. Bounded against a chattering line.
void UsbCom::awaitQuietLine()
{
    FtdiApi& api = ftdiApi();
    unsigned char sink[1024];
    for (int read = 0; read < 16; ++read) {
        int got = 0;
        if (!api.read(handle, sink, int(sizeof sink), got) || got == 0)
            break;
    }
    api.purgeRx(handle);
}

// One wake-up try: 'S', then the answer 'B'. Stray bytes before it (the tail of an earlier
// reply) are passed over until the answer comes or the line stays quiet for a time-out.
UsbErrorCodes UsbCom::wakeUp(unsigned char* answer)
{
    FtdiApi& api = ftdiApi();
    int written = 0;
    if (!api.write(handle, &wakeUpByte, 1, written))
        return UsbTransferError;
    bool stray = false;
    for (int skipped = 0; skipped < maxStrayBytes; ++skipped) {
        int got = 0;
        if (!api.read(handle, answer, 1, got))
            return UsbTransferError;
        if (got < 1)
            return stray ? UsbBadReply : UsbNoDevice;
        if (answer[0] == wakeUpAnswer)
            return UsbOk;
        stray = true;
    }
    return UsbBadReply;
}

UsbErrorCodes UsbCom::transact(const unsigned char* request, unsigned char* answer)
{
    if (!handle)
        return UsbNoChannel;
    FtdiApi& api = ftdiApi();
    const int frameLength = request[0] + 1;
    UsbErrorCodes result = UsbNoDevice;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        // Whatever is left of an earlier reply must not pass as this one's answer.
        if (attempt == 0)
            api.purgeRx(handle);
        else
            awaitQuietLine();

        UsbErrorCodes wake = UsbNoDevice;
        for (int tryNo = 0; tryNo < wakeUpTries && wake != UsbOk; ++tryNo) {
            // After a failed read the line is not quiet yet.
            if (tryNo > 0 && wake == UsbTransferError)
                awaitQuietLine();
            wake = wakeUp(answer);
        }
        if (wake != UsbOk)
            return wake;

        int written = 0;
        if (!api.write(handle, request, frameLength, written) || written < frameLength) {
            result = UsbTransferError;
            continue;
        }
        int got = 0;
        if (!api.read(handle, answer, 1, got)) {
            result = UsbTransferError;
            continue;
        }
        if (got < 1) {
            result = UsbNoDevice;
            continue;
        }
        const int r = answer[0];
        int bodyLength = 0;
        if (r == pageMark && frameLength > 1 && request[1] == CmdReadPage)
            bodyLength = DeviceLogPage::BodySize;
        else if (r == 0) {
            result = UsbNoDevice;
            continue;
        } else if (r == 1 || r > maxReplyLength) {
            result = UsbBadReply;
            continue;
        } else
            bodyLength = r;
        if (!api.read(handle, answer + 1, bodyLength, got)) {
            result = UsbTransferError;
            continue;
        }
        if (got < bodyLength) {
            result = UsbNoDevice;
            continue;
        }
        return UsbOk;
    }
    return result;
}

QString UsbCom::errorText(UsbErrorCodes code)
{
    switch (code) {
    case UsbOk: return tr("A művelet sikeresen végrehajtva!");
    case UsbLibraryError: return tr("Hibás, vagy nem elérhető az FTDI függvénykönyvtár!");
    case UsbDriverError: return tr("Hiba lépett fel az FTDI USB driverben!");
    case UsbTransferError: return tr("Hiba lépett fel az FTDI USB adatátvitelben!");
    case UsbNoChannel: return tr("Nincs megnyitott adatátviteli csatorna!");
    case UsbBadParameter: return tr("Hibás paraméter az adatátviteli parancsban!");
    case UsbNoDevice: return tr("Nincs csatlakoztatot USB eszköz, vagy az nem válaszol!");
    case UsbBadReply: return tr("Az adatátvitel során nem értelmezhető válasz érkezett!");
    case UsbInternalError:
    default:
        // An unknown code is an error, never a success.
        return tr("A program működésében belső hiba lépett fel!");
    }
}

bool UsbCom::showError(UsbErrorCodes code, bool offerRetry)
{
    if (code == UsbOk)
        return false;
    QStringList buttons{tr("OK")};
    if (offerRetry) {
        buttons[0] = tr("Megszakít");
        buttons.append(tr("Ismét"));
    }
    const int clicked = Prompts::choose(nullptr, Prompts::Kind::Warning, QStringLiteral("WYX770"), errorText(code),
                                        buttons, !offerRetry);
    return offerRetry && clicked == 1;
}
