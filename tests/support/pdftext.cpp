#include "support/pdftext.h"

#include <QProcess>
#include <QRegularExpression>

QStringList pdfPages(const QString& path)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {QStringLiteral("<pdftotext failed>")};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

bool footerShows(const QString& page, const QString& name, int number)
{
    static const QRegularExpression footer(QStringLiteral("^\\s*(\\S.*\\S)\\s+(\\d+) oldal\\s*$"),
                                           QRegularExpression::MultilineOption);
    QRegularExpressionMatch last;
    for (QRegularExpressionMatchIterator it = footer.globalMatch(page); it.hasNext();)
        last = it.next();
    if (last.captured(2) != QString::number(number))
        return false;
    const QString shown = last.captured(1);
    if (shown == name)
        return true;
    const int cut = shown.indexOf(QChar(0x2026));
    const QString head = shown.left(cut);
    const QString tail = shown.mid(cut + 1);
    return cut >= 0 && name.startsWith(head) && name.endsWith(tail) && head.size() + tail.size() < name.size();
}
