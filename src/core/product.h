#pragma once
// The product's name and version, as the splash screen and the about box show them.
#include <QString>

inline QString productName() { return QStringLiteral("WYX770"); }
inline QString productVersion() { return QStringLiteral("2.2.1 64bit"); }
inline QString productReleased() { return QStringLiteral("Jun. 22 2023"); }
