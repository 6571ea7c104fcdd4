#include "device/libftdibackend.h"

#include "device/serialportusage.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <ftdi.h>
#include <libusb.h>

namespace {

constexpr int serialBufferSize = 16;
constexpr int descriptionBufferSize = 64;
constexpr int defaultReadMs = 500;
constexpr int defaultWriteMs = 200;

ftdi_context* newContext()
{
    ftdi_context* ctx = ftdi_new();
    if (ctx) {
        // Take the chip from ftdi_sio while we use it and give it back on close.
        ctx->module_detach_mode = AUTO_DETACH_REATACH_SIO_MODULE;
        ctx->usb_read_timeout = defaultReadMs;
        ctx->usb_write_timeout = defaultWriteMs;
    }
    return ctx;
}

} // namespace

LibFtdiBackend::LibFtdiBackend() = default;

LibFtdiBackend::~LibFtdiBackend()
{
    for (const Open& o : m_open) {
        ftdi_usb_close(o.ctx);
        ftdi_free(o.ctx);
    }
    freeList();
    if (m_enum)
        ftdi_free(m_enum);
}

void LibFtdiBackend::freeList()
{
    m_devices.clear();
    if (m_list)
        ftdi_list_free(&m_list);
    m_list = nullptr;
}

bool LibFtdiBackend::createDeviceInfoList(int& count)
{
    count = 0;
    if (!m_enum)
        m_enum = newContext();
    if (!m_enum)
        return false; // libusb could not be initialised
    freeList();
    // Vendor and product 0: the FTDI defaults (0403:6001, 6010, 6011, 6014, 6015).
    const int found = ftdi_usb_find_all(m_enum, &m_list, 0, 0);
    if (found < 0) {
        m_list = nullptr;
        return false;
    }
    for (ftdi_device_list* d = m_list; d; d = d->next)
        m_devices.push_back(d->dev);
    count = int(m_devices.size());
    return true;
}

bool LibFtdiBackend::strings(libusb_device* dev, QByteArray& serial, QByteArray& description)
{
    char serialBuf[serialBufferSize] = {};
    char descBuf[descriptionBufferSize] = {};
    if (ftdi_usb_get_strings(m_enum, dev, nullptr, 0, descBuf, sizeof descBuf, serialBuf, sizeof serialBuf) < 0)
        return false;
    serial = QByteArray(serialBuf, int(qstrnlen(serialBuf, sizeof serialBuf - 1)));
    description = QByteArray(descBuf, int(qstrnlen(descBuf, sizeof descBuf - 1)));
    return true;
}

// libftdi has no "opened elsewhere" flag. Asked without opening the chip through libftdi
// (which would detach the kernel's serial driver from it) and without detaching anything.
bool LibFtdiBackend::openedElsewhere(libusb_device* dev)
{
    for (const Open& o : m_open)
        if (o.ctx->usb_dev && libusb_get_device(o.ctx->usb_dev) == dev)
            return true;
    libusb_device_handle* h = nullptr;
    if (libusb_open(dev, &h) != 0)
        return false; // opening it will tell
    bool busy = false;
    if (libusb_kernel_driver_active(h, 0) == 1) {
        // The kernel's serial driver has it: busy when a program holds its tty open.
        uint8_t ports[8] = {};
        const int depth = libusb_get_port_numbers(dev, ports, int(sizeof ports));
        QList<int> path;
        for (int i = 0; i < depth; ++i)
            path << ports[i];
        busy = depth > 0
            && SerialPortUsage::anyOpen(SerialPortUsage::ttyNodes(
                SerialPortUsage::interfaceDir(libusb_get_bus_number(dev), path)));
    } else {
        // Another libusb program holds the interface when it cannot be claimed.
        const int rc = libusb_claim_interface(h, 0);
        busy = rc == LIBUSB_ERROR_BUSY;
        if (rc == 0)
            libusb_release_interface(h, 0);
    }
    libusb_close(h);
    return busy;
}

bool LibFtdiBackend::getDeviceInfoDetail(int index, unsigned& flags, QByteArray& serial, QByteArray& description)
{
    flags = 0;
    serial.clear();
    description.clear();
    if (!m_enum || index < 0 || index >= int(m_devices.size()))
        return false;
    libusb_device* dev = m_devices[size_t(index)];
    if (!strings(dev, serial, description))
        return false;
    // Only our loggers are probed: another program's serial adapter is never touched.
    flags = SerialPortUsage::worthProbing(description) && openedElsewhere(dev) ? 1u : 0u;
    return true;
}

FtdiApi::Handle LibFtdiBackend::openBySerial(const QByteArray& serial)
{
    if (serial.isEmpty())
        return nullptr;
    if (m_devices.empty()) {
        int count = 0;
        if (!createDeviceInfoList(count))
            return nullptr;
    }
    for (libusb_device* dev : m_devices) {
        QByteArray s, d;
        if (!strings(dev, s, d) || s != serial)
            continue;
        ftdi_context* ctx = newContext();
        if (!ctx)
            return nullptr;
        if (ftdi_usb_open_dev(ctx, dev) < 0) {
            ftdi_free(ctx);
            return nullptr;
        }
        m_open.push_back(Open{ctx, defaultReadMs});
        return ctx;
    }
    return nullptr;
}

ftdi_context* LibFtdiBackend::context(Handle h) const
{
    if (!h)
        return nullptr;
    for (const Open& o : m_open)
        if (o.ctx == h)
            return o.ctx;
    return nullptr; // a stale or foreign handle is refused, not dereferenced
}

bool LibFtdiBackend::close(Handle h)
{
    auto it = std::find_if(m_open.begin(), m_open.end(), [h](const Open& o) { return o.ctx == h; });
    if (!h || it == m_open.end())
        return false;
    const bool ok = ftdi_usb_close(it->ctx) == 0;
    ftdi_free(it->ctx);
    m_open.erase(it);
    return ok;
}

bool LibFtdiBackend::resetDevice(Handle h)
{
    ftdi_context* ctx = context(h);
    return ctx && ftdi_usb_reset(ctx) == 0;
}

bool LibFtdiBackend::setLatencyTimer(Handle h, int ms)
{
    ftdi_context* ctx = context(h);
    return ctx && ms >= 1 && ms <= 255 && ftdi_set_latency_timer(ctx, static_cast<unsigned char>(ms)) == 0;
}

bool LibFtdiBackend::setUsbParameters(Handle h, int inTransferSize, int outTransferSize)
{
    ftdi_context* ctx = context(h);
    return ctx && inTransferSize > 0 && outTransferSize > 0
        && ftdi_read_data_set_chunksize(ctx, unsigned(inTransferSize)) == 0
        && ftdi_write_data_set_chunksize(ctx, unsigned(outTransferSize)) == 0;
}

bool LibFtdiBackend::setBaudRate(Handle h, int baud)
{
    ftdi_context* ctx = context(h);
    return ctx && baud > 0 && ftdi_set_baudrate(ctx, baud) == 0;
}

bool LibFtdiBackend::setDataCharacteristics(Handle h, int dataBits, StopBits stopBits, Parity parity)
{
    ftdi_context* ctx = context(h);
    if (!ctx || (dataBits != 7 && dataBits != 8))
        return false;
    const ftdi_bits_type bits = dataBits == 8 ? BITS_8 : BITS_7;
    const ftdi_stopbits_type stop = stopBits == StopBits2 ? STOP_BIT_2 : STOP_BIT_1;
    ftdi_parity_type par = NONE;
    if (parity == ParityOdd)
        par = ODD;
    else if (parity == ParityEven)
        par = EVEN;
    return ftdi_set_line_property(ctx, bits, stop, par) == 0;
}

bool LibFtdiBackend::setFlowControl(Handle h, FlowControl flow, char, char)
{
    ftdi_context* ctx = context(h);
    return ctx && flow == FlowNone && ftdi_setflowctrl(ctx, SIO_DISABLE_FLOW_CTRL) == 0;
}

bool LibFtdiBackend::setTimeouts(Handle h, int readMs, int writeMs)
{
    ftdi_context* ctx = context(h);
    if (!ctx || readMs < 0 || writeMs < 0)
        return false;
    for (Open& o : m_open)
        if (o.ctx == ctx)
            o.readMs = readMs;
    ctx->usb_write_timeout = writeMs;
    return true;
}

bool LibFtdiBackend::read(Handle h, unsigned char* buf, int n, int& got)
{
    got = 0;
    ftdi_context* ctx = context(h);
    if (!ctx || n < 0 || (n > 0 && !buf))
        return false;
    int readMs = defaultReadMs;
    for (const Open& o : m_open)
        if (o.ctx == ctx)
            readMs = o.readMs;
    // ftdi_read_data returns whatever one USB packet brought; gather up to the deadline.
    QElapsedTimer timer;
    timer.start();
    while (got < n) {
        const int r = ftdi_read_data(ctx, buf + got, n - got);
        if (r < 0)
            return false;
        got += r;
        if (got == n || timer.elapsed() >= readMs)
            break;
        if (r == 0)
            QThread::msleep(1);
    }
    return true; // a time-out is success with fewer bytes
}

bool LibFtdiBackend::write(Handle h, const unsigned char* buf, int n, int& written)
{
    written = 0;
    ftdi_context* ctx = context(h);
    if (!ctx || n < 0 || (n > 0 && !buf))
        return false;
    const int r = ftdi_write_data(ctx, buf, n);
    if (r < 0)
        return false;
    written = r;
    return true;
}

bool LibFtdiBackend::purgeRx(Handle h)
{
    ftdi_context* ctx = context(h);
    return ctx && ftdi_tciflush(ctx) == 0;
}
