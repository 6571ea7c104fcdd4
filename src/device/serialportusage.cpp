#include "device/serialportusage.h"

#include "core/constants.h"

#include <QDir>
#include <QFileInfo>

namespace SerialPortUsage {

bool worthProbing(const QByteArray& description)
{
    return QString::fromUtf8(description) == deviceFamilyName;
}

QString interfaceDir(int bus, const QList<int>& ports, const QString& sysRoot)
{
    QStringList path;
    for (int p : ports)
        path << QString::number(p);
    return QStringLiteral("%1/bus/usb/devices/%2-%3:1.0")
        .arg(sysRoot, QString::number(bus), path.join(QLatin1Char('.')));
}

QStringList ttyNodes(const QString& interfaceDir)
{
    QStringList nodes;
    // ttyUSB<n> sits in the interface folder itself, or in its "tty" folder on some kernels.
    for (const QString& dir : {interfaceDir, interfaceDir + QStringLiteral("/tty")}) {
        const QStringList names = QDir(dir).entryList({QStringLiteral("ttyUSB*")}, QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString& name : names)
            nodes << QStringLiteral("/dev/") + name;
    }
    return nodes;
}

bool anyOpen(const QStringList& nodes, const QString& procRoot)
{
    if (nodes.isEmpty())
        return false;
    const QStringList pids = QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& pid : pids) {
        bool numeric = false;
        pid.toInt(&numeric);
        if (!numeric)
            continue;
        const QDir fds(procRoot + QLatin1Char('/') + pid + QStringLiteral("/fd"));
        const QFileInfoList links = fds.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo& link : links)
            if (link.isSymLink() && nodes.contains(link.symLinkTarget()))
                return true;
    }
    return false;
}

} // namespace SerialPortUsage
