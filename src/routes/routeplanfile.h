#pragma once
// The route-plan file ("erd", big-endian, behind a magic word) and the older route format
// (little-endian class archive), read from any device. Readers trust nothing: every count
// is bounded by the bytes that follow, and the first short read ends the reading.
#include <QtGlobal>

class QIODevice;
class RouteDefModel;

namespace RoutePlanFile {

constexpr qint32 magic = 0x0E1A0102;

enum class ReadStatus {
    Ok,
    BadMagic, // not a route-plan file
    Damaged   // short, or a class tag that does not match
};

// Both readers clear the model first, fill it inside one model reset and leave it modified;
// on failure it holds what was read before.
ReadStatus read(QIODevice& device, RouteDefModel& model);
ReadStatus readLegacy(QIODevice& device, RouteDefModel& model);
// False when the device refused any byte.
bool write(QIODevice& device, const RouteDefModel& model);

} // namespace RoutePlanFile
