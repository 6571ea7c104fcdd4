#include "mainwindow/documentpaths.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "core/printexport.h"

#include <QFileInfo>

QString pathInWorkDir(const QString& fileName)
{
    return appSettings().workPath(fileName);
}

bool samePlatformPath(const QString& a, const QString& b)
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    if (a == b)
        return true;
    // The same file by another name: "./x", "dir/../x" or a link (as the kernel resolves it).
    const QString same = QFileInfo(a).canonicalFilePath();
    return !same.isEmpty() && same == QFileInfo(b).canonicalFilePath();
#endif
}

int documentKindForName(const QString& fileName)
{
    const auto hasExt = [&](const QString& ext) {
        return fileName.endsWith(QLatin1Char('.') + ext, Qt::CaseInsensitive);
    };
    if (hasExt(extEventLog) || hasExt(extEventArchive))
        return LogViewKind;
    if (hasExt(extText))
        return TxtViewKind;
    if (hasExt(extRoutePlan) || hasExt(extRoutePlanImport))
        return RouteDefViewKind;
    if (hasExt(extReport))
        return EvaluationViewKind;
    return NoView;
}

QString datagramPath(const QByteArray& datagram)
{
    int end = datagram.indexOf('\0');
    if (end < 0)
        end = datagram.size();
    if (end == 0)
        return QString(QLatin1String(""));
    if (end > maxDatagramPathBytes)
        return QString();
    const QString path = QString::fromLocal8Bit(datagram.constData(), end);
    for (const QChar c : path) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return QString();
    }
    return absolutePathOf(path);
}
