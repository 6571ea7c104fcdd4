#pragma once
// The twelve-item kind list that the log search and the log filter share: which entries
// an item means in each, and which item a row's kind preselects.
#include <QRegExp>
#include <QString>

namespace LogKinds {

enum Item {
    Any = 0,
    Manipulation,
    Initialised,
    ClockSet,
    Case,
    Moisture,
    Battery,
    DeepDischarge,
    ReadOut,
    Archived,
    DataGap,
    LongGap,
    ItemCount
};

// The item a row whose first byte is kind preselects; Any for kinds not in the list.
int itemForKind(int kind);
// Search: does an entry of this first byte (late: a touch flagged late) meet the item.
bool searchMatches(int item, unsigned char kind, bool late);
// Filter: the pattern on the marker column (items 0 and 1 regular expressions, case-sensitive;
// the others one marker as a fixed string, case-insensitive).
QRegExp markerFilter(int item);
// The 12 code letters a code field means: padded with A, cut to 12, upper case.
QString paddedCode(const QString& field);

} // namespace LogKinds
