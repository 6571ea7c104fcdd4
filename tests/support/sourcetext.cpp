#include "support/sourcetext.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QtGlobal>

namespace SourceText {

QString root()
{
    return QStringLiteral(WYX_SOURCE_DIR);
}

int forEachSourceFile(const std::function<void(const QString& relativePath, const QString& text)>& visit)
{
    const QDir top(root());
    QDirIterator it(top.filePath(QStringLiteral("src")), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                    QDir::Files, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("cannot read %s", qPrintable(file.fileName()));
            return -1;
        }
        ++files;
        visit(top.relativeFilePath(file.fileName()), QString::fromUtf8(file.readAll()));
    }
    return files;
}

QStringList linesMatching(const QRegularExpression& pattern, const QString& except)
{
    QStringList found;
    const int files = forEachSourceFile([&](const QString& relative, const QString& source) {
        if (relative == except)
            return;
        const QStringList lines = source.split(QLatin1Char('\n'));
        for (int i = 0; i < lines.size(); ++i) {
            if (lines.at(i).contains(pattern))
                found << QStringLiteral("%1:%2").arg(relative, QString::number(i + 1));
        }
    });
    if (files <= 10)
        found << QStringLiteral("unreadable: %1 source files read").arg(files);
    return found;
}

int literalEnd(const QString& code, int at)
{
    const QChar quote = code.at(at);
    int i = at + 1;
    for (; i < code.size() && code.at(i) != quote; ++i) {
        if (code.at(i) == QLatin1Char('\\'))
            ++i;
    }
    return i;
}

int lineAt(const QString& code, int at)
{
    return code.leftRef(at).count(QLatin1Char('\n')) + 1;
}

} // namespace SourceText
