// Feeds arbitrary bytes to the event-log file reader ("ewl" and "ewa"): what it accepts
// must be exactly the complete records present, must survive a write and re-read byte for
// byte, and the logger name in it must give one safe file name however often it is saved.
#include "codenames/kodnevmodel.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "logrecords/logfile.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdlib>
#include <cstring>

namespace {

WyxApp* app = nullptr;

LogFile::ReadResult readAll(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LogFile::read(buffer);
}

bool safeFileName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
           && !name.startsWith(QLatin1Char('.')) && name.endsWith(QStringLiteral(".ewl"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int qtArgc = 1;
    static char name[] = "fuzz_eventlogfile";
    static char* qtArgv[] = {name, nullptr};
    (void)argc;
    (void)argv;
    app = new WyxApp(qtArgc, qtArgv); // the century pivot of packed times lives in its settings
    installKodNevModel(*app->settings);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    const LogFile::ReadResult result = readAll(bytes);
    if (result.status == LogFile::ReadStatus::ShortHeader || result.status == LogFile::ReadStatus::Damaged) {
        if (!result.entries.isEmpty())
            abort();
        return 0;
    }
    const int n = result.entries.size();
    const quint32 promised = quint32(data[0]) | (quint32(data[1]) << 8) | (quint32(data[2]) << 16)
                             | (quint32(data[3]) << 24);
    if (qint64(size) < 32 + qint64(n) * 10 || quint32(n) > promised)
        abort();
    if ((result.status == LogFile::ReadStatus::Ok) != (quint32(n) == promised))
        abort();
    if (n > 0 && std::memcmp(result.entries.constData(), data + 32, size_t(n) * 10) != 0)
        abort();

    QBuffer out;
    out.open(QIODevice::WriteOnly);
    if (!LogFile::write(out, result.header, result.entries))
        abort();
    const LogFile::ReadResult again = readAll(out.data());
    if (again.status != LogFile::ReadStatus::Ok || again.entries.size() != n
        || (n > 0 && std::memcmp(again.entries.constData(), result.entries.constData(), size_t(n) * 10) != 0))
        abort();
    if (out.data().size() != 32 + n * 10 || out.data().mid(32) != bytes.mid(32, n * 10))
        abort();
    if (again.header.ringIndex != result.header.ringIndex || again.header.deviceType != result.header.deviceType)
        abort();
    if (again.header.deviceName != LogFile::canonicalDeviceName(result.header.deviceName))
        abort();
    const QString file = LogFile::fileNameForDevice(result.header.deviceName);
    if (!safeFileName(file) || LogFile::fileNameForDevice(again.header.deviceName) != file)
        abort();
    return 0;
}
