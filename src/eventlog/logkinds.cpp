#include "eventlog/logkinds.h"

#include "core/constants.h"
#include "logrecords/logentry.h"

namespace LogKinds {

int itemForKind(int kind)
{
    switch (kind) {
    case KindDeepDischarge: return DeepDischarge;
    case KindMoisture: return Moisture;
    case KindCase: return Case;
    case KindBattery: return Battery;
    case KindClockSet: return ClockSet;
    case KindReadOut: return ReadOut;
    case KindDataGap: return DataGap;
    case KindArchived: return Archived;
    case KindInitialised: return Initialised;
    default: return Any;
    }
}

bool searchMatches(int item, unsigned char kind, bool late)
{
    switch (item) {
    case Any: return (kind >= KindFirstEvent && kind < KindFirstUnknown) || late;
    case Manipulation: return kind == KindMoisture || kind == KindCase || kind == KindClockSet;
    case Initialised: return kind == KindInitialised;
    case ClockSet: return kind == KindClockSet;
    case Case: return kind == KindCase;
    case Moisture: return kind == KindMoisture;
    case Battery: return kind == KindBattery;
    case DeepDischarge: return kind == KindDeepDischarge;
    case ReadOut: return kind == KindReadOut;
    case Archived: return kind == KindArchived;
    case DataGap: return kind == KindDataGap;
    case LongGap: return late;
    default: return false;
    }
}

QRegExp markerFilter(int item)
{
    if (item < Any || item >= ItemCount)
        item = Any;
    switch (item) {
    case Any: return QRegExp(specialMarkPattern, Qt::CaseSensitive, QRegExp::RegExp);
    case Manipulation: return QRegExp(manipulationMarkPattern, Qt::CaseSensitive, QRegExp::RegExp);
    default: break;
    }
    static const QString* const markers[ItemCount] = {nullptr,         nullptr,        &markInitialised,
                                                      &markClockSet,   &markCase,      &markMoisture,
                                                      &markBattery,    &markDeepDischarge, &markReadOut,
                                                      &markArchived,   &markDataGap,   &markLongGap};
    return QRegExp(*markers[item], Qt::CaseInsensitive, QRegExp::FixedString);
}

QString paddedCode(const QString& field)
{
    return (field + codePadding).left(codePadding.size()).toUpper();
}

} // namespace LogKinds
