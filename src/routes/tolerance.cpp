#include "routes/tolerance.h"

#include <climits>

namespace Tolerance {

int editorLow(int current)
{
    return qMin(0, current);
}

int editorHigh(int current)
{
    return qMax(editorMaximum, current);
}

int size(int minutes)
{
    return int(qMin<qint64>(qAbs(qint64(minutes)), INT_MAX));
}

QString withSign(const QString& sizeText, int minutes)
{
    if (minutes >= 0)
        return sizeText;
    // The number is the last run of digits that is no "%1"-style placeholder: the
    // texts' other arguments are filled in later.
    const QString digits = QString::number(size(minutes));
    for (int at = sizeText.lastIndexOf(digits); at >= 0; at = sizeText.lastIndexOf(digits, at - 1)) {
        const int end = at + digits.size();
        const QChar before = at > 0 ? sizeText.at(at - 1) : QChar();
        const bool digitAfter = end < sizeText.size() && sizeText.at(end).isDigit();
        if (!before.isDigit() && before != QLatin1Char('%') && !digitAfter)
            return QString(sizeText).insert(at, QLatin1Char('-'));
        if (at == 0)
            break;
    }
    return sizeText;
}

QVector<int> widest()
{
    return {lowest, highest, editorMaximum};
}

} // namespace Tolerance
