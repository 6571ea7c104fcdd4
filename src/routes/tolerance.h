#pragma once
// A plan's tolerance in minutes. A plan file holds any 16-bit value and the XML import
// takes it: every window shows that value as it stands and keeps it until the user
// changes it; the editors offer 0 to 500 minutes; the evaluation allows no deviation for
// a negative value.
#include <QString>
#include <QVector>

namespace Tolerance {

constexpr int lowest = -32768; // what a plan file can hold
constexpr int highest = 32767;
constexpr int editorMaximum = 500;

// The deviation the evaluation allows: a negative tolerance counts as none.
constexpr int allowed(int minutes)
{
    return minutes < 0 ? 0 : minutes;
}

// The range an editor offers: 0 to 500, widened to take in the value the plan holds, so
// an editor opened and left as it was keeps that value.
int editorLow(int current);
int editorHigh(int current);

// Qt fills "%n" only for n >= 0: a text is looked up with the count's size (which also
// picks the plural form), and withSign puts a negative count's sign back in front of
// the number that "%n" became.
int size(int minutes);
QString withSign(const QString& sizeText, int minutes);

// The values whose texts are the widest a plan can show.
QVector<int> widest();

} // namespace Tolerance
