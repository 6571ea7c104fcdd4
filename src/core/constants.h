#pragma once
// Named constants shared by the whole program; each has exactly one value.
#include <QColor>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTime>

// Settings keys, file names, extensions, filters and option defaults.
extern const QString keyCodeFile;
extern const QString keyWorkDir;
extern const QString keyArchiveDir;
extern const QString keyFontFace;
extern const QString keyFontSize;
extern const QString keyCentury;
extern const QString keyClockAdjustLimit;
extern const QString keyFollowTime;
extern const QString keyPrependDays;
extern const QString keyFlags;
extern const QString keyWindowPosition;
extern const QString keyWindowSize;
extern const QString defaultCodeFileName;
extern const QString extBackup;
extern const QString extBroken;
extern const QString extCodeList;
extern const QString extEventLog;
extern const QString extEventArchive;
extern const QString extRoutePlan;
extern const QString extRoutePlanImport;
extern const QString extReport;
extern const QString extText;
// The file-dialog filter of plain text files, in the current language.
QString filterText();
extern const QString extXml;
extern const QString extPdf;
extern const QString extHex;
extern const QString filterHex8;
extern const QString filterHex32;
extern const QString defaultFontFace;
extern const QTime defaultClockAdjustLimit;
extern const QTime defaultFollowTime;

// Event-log display and the code text.
extern const QDate minValidDate;
extern const QString codePadding;
extern const QColor colorDeepDischarge;
extern const QColor colorMoisture;
extern const QColor colorCase;
extern const QColor colorBattery;
extern const QColor colorClockSet;
extern const QColor colorReadOut;
extern const QColor colorDataGap;
extern const QColor colorArchived;
extern const QColor colorInitialised;
extern const QColor colorForeignInit;
extern const QString markTouch;
extern const QString markDeepDischarge;
extern const QString markMoisture;
extern const QString markCase;
extern const QString markBattery;
extern const QString markClockSet;
extern const QString markReadOut;
extern const QString markDataGap;
extern const QString markArchived;
extern const QString markInitialised;
extern const QString markForeignInit;
extern const QString markLongGap;
extern const QString markUnknown;
extern const QString manipulationMarkPattern;
extern const QString specialMarkPattern;

// Checkpoint colours.
extern const QColor defaultTextColor;
extern const QColor defaultBackColor;
extern const QColor alternateRowColor;

// Device time of a cleared device record.
extern const QDateTime nullDeviceTime;

// USB description of the logger family.
extern const QString deviceFamilyName;

// Route-plan XML section tags.
extern const QString erdTagAccuracy;
extern const QString erdTagLogs;
extern const QString erdTagPaths;
extern const QString erdTagStarts;
extern const QString erdTagPoints;

// XML spreadsheet element names.
extern const QString xmlRow;
extern const QString xmlCell;
extern const QString xmlData;
