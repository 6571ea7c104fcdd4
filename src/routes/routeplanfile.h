#pragma once
// The route-plan file ("erd", big-endian, behind a magic word) and the older route format
// (little-endian class archive), read from any device. Readers trust nothing: every count
// is bounded by the bytes that follow, and the first short read ends the reading.
#include <QtGlobal>

class QIODevice;
class RouteDefModel;

namespace RoutePlanFile {

constexpr qint32 magic = 0x0E1A0102;
// The most rows a group (the logs, the routes, a route's starts or points) may have: the
// file counts them in signed 16 bits.
constexpr int maxGroupRows = 32767;

enum class ReadStatus {
    Ok,
    BadMagic, // not a route-plan file
    Damaged,  // short, or a class tag that does not match
    TooLarge  // a group of more rows than a plan file can count
};

// Both readers clear the model first, fill it inside one model reset and leave it modified;
// on failure it holds what was read before.
ReadStatus read(QIODevice& device, RouteDefModel& model);
ReadStatus readLegacy(QIODevice& device, RouteDefModel& model);
// Whether every group fits the file's counts.
bool fits(const RouteDefModel& model);
// False when the device refused any byte, or the plan does not fit (nothing is written).
bool write(QIODevice& device, const RouteDefModel& model);

} // namespace RoutePlanFile
