#include "simulator/simulatedlogger.h"
#include "simulator/simulatedloggerfile.h"

#include "core/safesave.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <utility>

// The simulated logger's state file: versioned JSON, read as untrusted input.

namespace {

constexpr int maxDevices = 8;
constexpr qint64 maxStateFileSize = 8 * 1024 * 1024;
const QString stateFormat = QStringLiteral("WYX770 simulated logger");
constexpr int stateVersion = 1;

QString ringModeName(SimulatedDevice::RingMode mode)
{
    return mode == SimulatedDevice::NoGap ? QStringLiteral("no-gap") : QStringLiteral("erase-ahead");
}

} // namespace

QByteArray SimulatedLogger::saveToData() const
{
    QJsonArray devices;
    for (const SimulatedDevice& dev : m_devices) {
        QJsonObject o;
        o[QStringLiteral("description")] = QString::fromUtf8(dev.description);
        o[QStringLiteral("serial")] = QString::fromUtf8(dev.usbSerial);
        o[QStringLiteral("openedElsewhere")] = dev.openedElsewhere;
        o[QStringLiteral("identity")] = QString::fromLatin1(dev.identity().toHex());
        o[QStringLiteral("config")] = QString::fromLatin1(dev.config().toHex());
        o[QStringLiteral("calibration")] = dev.calibration;
        o[QStringLiteral("temperatureRaw")] = dev.temperatureRaw;
        o[QStringLiteral("batteryVoltage")] = dev.batteryVoltage;
        // The clock is kept as its offset, so a logger left alone keeps running.
        o[QStringLiteral("clockOffsetMs")] = double(dev.clockOffset());
        o[QStringLiteral("clockDriftPpm")] = dev.clockDrift();
        o[QStringLiteral("ringMode")] = ringModeName(dev.ringMode);
        o[QStringLiteral("logClockSet")] = dev.logClockSet;
        o[QStringLiteral("initClearsLog")] = dev.initClearsLog;
        o[QStringLiteral("ring")] = QString::fromLatin1(dev.ring().toBase64());
        devices.append(o);
    }
    QJsonObject root;
    root[QStringLiteral("format")] = stateFormat;
    root[QStringLiteral("version")] = stateVersion;
    root[QStringLiteral("devices")] = devices;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool SimulatedLogger::save(const QString& path)
{
    const QByteArray data = saveToData();
    SafeSave::Result result;
    if (!saveReplacing(path, [&data](QIODevice& out) { return out.write(data) == data.size(); }, &result)) {
        m_error = QStringLiteral("%1: %2").arg(path, result.errorString);
        return false;
    }
    m_error.clear();
    return true;
}

bool SimulatedLogger::load(const QString& path)
{
    QFile file(path);
    const QString openError = openRegularFile(file);
    if (!openError.isEmpty()) {
        m_error = QStringLiteral("%1: %2").arg(path, openError);
        return false;
    }
    if (file.size() > maxStateFileSize) {
        m_error = QStringLiteral("%1: larger than %2 bytes").arg(path, QString::number(maxStateFileSize));
        return false;
    }
    const QByteArray data = file.read(maxStateFileSize + 1);
    if (!loadFromData(data)) {
        m_error = QStringLiteral("%1: %2").arg(path, m_error);
        return false;
    }
    return true;
}

bool SimulatedLogger::loadFromData(const QByteArray& data)
{
    auto fail = [this](const QString& why) {
        m_error = why;
        return false;
    };
    if (data.size() > maxStateFileSize)
        return fail(QStringLiteral("state too large"));
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(data, &parseError);
    if (!doc.isObject())
        return fail(QStringLiteral("not a state file (%1)").arg(parseError.errorString()));
    const QJsonObject root = doc.object();
    if (root.value(QStringLiteral("format")).toString() != stateFormat)
        return fail(QStringLiteral("not a simulated logger state file"));
    if (root.value(QStringLiteral("version")).toInt(-1) != stateVersion)
        return fail(QStringLiteral("unsupported state file version"));
    const QJsonValue devicesValue = root.value(QStringLiteral("devices"));
    if (!devicesValue.isArray() || devicesValue.toArray().size() > maxDevices)
        return fail(QStringLiteral("the device list is missing or holds more than %1 devices").arg(maxDevices));

    std::vector<SimulatedDevice> devices;
    int n = 0;
    for (const QJsonValue& v : devicesValue.toArray()) {
        ++n;
        const QString where = QStringLiteral("device %1: ").arg(n);
        if (!v.isObject())
            return fail(where + QStringLiteral("not an object"));
        const QJsonObject o = v.toObject();
        auto text = [&](const char* key, QByteArray& out) {
            const QJsonValue value = o.value(QLatin1String(key));
            out = value.toString().toUtf8();
            return value.isString();
        };
        auto bytes = [&](const char* key, bool base64, QByteArray& out) {
            const QJsonValue value = o.value(QLatin1String(key));
            if (!value.isString())
                return false;
            const QByteArray text = value.toString().toLatin1();
            if (base64) {
                const auto r = QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
                out = r.decoded;
                return r.decodingStatus == QByteArray::Base64DecodingStatus::Ok;
            }
            out = QByteArray::fromHex(text);
            return out.toHex() == text.toLower();
        };
        auto number = [&](const char* key, double lo, double hi, double& out) {
            const QJsonValue value = o.value(QLatin1String(key));
            out = value.toDouble(std::nan(""));
            return value.isDouble() && std::isfinite(out) && out >= lo && out <= hi;
        };
        auto flag = [&](const char* key, bool& out) {
            const QJsonValue value = o.value(QLatin1String(key));
            out = value.toBool();
            return value.isBool();
        };
        SimulatedDevice dev;
        QByteArray identity, config, ring;
        double calibration, temperature, voltage, offset, drift;
        if (!text("description", dev.description) || dev.description.size() > 63)
            return fail(where + QStringLiteral("bad description"));
        if (!text("serial", dev.usbSerial) || dev.usbSerial.isEmpty() || dev.usbSerial.size() > 15)
            return fail(where + QStringLiteral("bad serial number"));
        if (!bytes("identity", false, identity) || !dev.setIdentity(identity))
            return fail(where + QStringLiteral("the identity record must be %1 bytes").arg(SimulatedDevice::IdentitySize));
        if (!bytes("config", false, config) || !dev.setConfig(config))
            return fail(where + QStringLiteral("the configuration memory must be %1 bytes").arg(SimulatedDevice::ConfigSize));
        if (!bytes("ring", true, ring) || !dev.setRing(ring))
            return fail(where + QStringLiteral("the log ring must hold %1 records").arg(dev.ringSlots()));
        if (!number("calibration", 0, 255, calibration) || !number("temperatureRaw", -32768, 32767, temperature)
            || !number("batteryVoltage", 0, 65535, voltage))
            return fail(where + QStringLiteral("bad calibration, temperature or voltage"));
        // About a century either way, and a drift a real crystal could have.
        if (!number("clockOffsetMs", -3.2e12, 3.2e12, offset) || !number("clockDriftPpm", -1e5, 1e5, drift))
            return fail(where + QStringLiteral("bad clock offset or drift"));
        if (!flag("openedElsewhere", dev.openedElsewhere) || !flag("logClockSet", dev.logClockSet)
            || !flag("initClearsLog", dev.initClearsLog))
            return fail(where + QStringLiteral("bad switches"));
        const QString mode = o.value(QStringLiteral("ringMode")).toString();
        if (mode != ringModeName(SimulatedDevice::EraseAhead) && mode != ringModeName(SimulatedDevice::NoGap))
            return fail(where + QStringLiteral("unknown ring mode"));
        dev.ringMode = mode == ringModeName(SimulatedDevice::NoGap) ? SimulatedDevice::NoGap : SimulatedDevice::EraseAhead;
        dev.calibration = quint8(calibration);
        dev.temperatureRaw = short(temperature);
        dev.batteryVoltage = quint16(voltage);
        dev.setClockOffset(qint64(offset));
        dev.setClockDrift(drift);
        devices.push_back(dev);
    }
    m_devices = std::move(devices);
    m_listed.clear();
    m_sessions.clear();
    m_error.clear();
    return true;
}

// ---------------------------------------------------------------------------------------
// SimulatedLoggerFile

SimulatedLoggerFile::SimulatedLoggerFile(const QString& path)
    : m_path(path)
{
    if (QFile::exists(path)) {
        m_valid = m_logger.load(path);
        m_error = m_logger.errorString();
    } else {
        // A new logger has some touches on it, so a first read-out shows a log.
        m_logger.device(0).fill(48);
        m_valid = true;
        if (!m_logger.save(path))
            m_error = m_logger.errorString();
    }
    if (m_valid) {
        m_logger.setRecording(false);
        m_logger.setChangeHandler([this]() { save(); });
    }
}

SimulatedLoggerFile::~SimulatedLoggerFile()
{
    if (m_valid)
        save();
}

bool SimulatedLoggerFile::save()
{
    if (!m_valid)
        return false;
    if (!m_logger.save(m_path)) {
        m_error = m_logger.errorString();
        qWarning("Simulated logger not saved: %s", qPrintable(m_error));
        return false;
    }
    return true;
}
