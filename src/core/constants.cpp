#include "core/constants.h"

#include <QCoreApplication>

const QString keyCodeFile = QStringLiteral("decode");
const QString keyWorkDir = QStringLiteral("default");
const QString keyArchiveDir = QStringLiteral("archive");
const QString keyFontFace = QStringLiteral("fontface");
const QString keyFontSize = QStringLiteral("fontsize");
const QString keyCentury = QStringLiteral("centrury"); // sic: the stored key has the extra r
const QString keyClockAdjustLimit = QStringLiteral("clkadjlimit");
const QString keyFollowTime = QStringLiteral("followtime");
const QString keyPrependDays = QStringLiteral("prepend");
const QString keyFlags = QStringLiteral("flags");
const QString keyWindowPosition = QStringLiteral("windowposition");
const QString keyWindowSize = QStringLiteral("windowsize");
const QString defaultCodeFileName = QStringLiteral("kodlista.kod");
const QString extBackup = QStringLiteral("bak");
const QString extBroken = QStringLiteral("bad");
const QString extCodeList = QStringLiteral("kod");
const QString extEventLog = QStringLiteral("ewl");
const QString extEventArchive = QStringLiteral("ewa");
const QString extRoutePlan = QStringLiteral("erd");
const QString extRoutePlanImport = QStringLiteral("rdf");
const QString extReport = QStringLiteral("ffr");
const QString extText = QStringLiteral("txt");
const QString extXml = QStringLiteral("xml");
const QString extPdf = QStringLiteral("pdf");
const QString extHex = QStringLiteral("hex");
const QString filterHex8 = QStringLiteral("Intel Hex8 (*.") + extHex + QStringLiteral(")");
const QString filterHex32 = QStringLiteral("Intel Hex32 (*.") + extHex + QStringLiteral(")");
const QString defaultFontFace = QStringLiteral("Courier New");
const QTime defaultClockAdjustLimit(0, 5, 0, 0);
const QTime defaultFollowTime(1, 0, 0, 0);

const QDate minValidDate(1, 1, 1);
const QString codePadding = QStringLiteral("AAAAAAAAAAAA");
const QColor colorDeepDischarge(Qt::darkMagenta);
const QColor colorMoisture(Qt::darkMagenta);
const QColor colorCase(Qt::red);
const QColor colorBattery(Qt::darkMagenta);
const QColor colorClockSet(Qt::darkBlue);
const QColor colorReadOut(Qt::darkGreen);
const QColor colorDataGap(Qt::darkRed);
const QColor colorArchived(Qt::darkGreen);
const QColor colorInitialised(Qt::darkGreen);
const QColor colorForeignInit(Qt::darkBlue);
const QString markTouch = QStringLiteral(" ");
const QString markDeepDischarge = QStringLiteral("@");
const QString markMoisture = QStringLiteral("\"");
const QString markCase = QStringLiteral("#");
const QString markBattery = QStringLiteral("*");
const QString markClockSet = QStringLiteral("!");
const QString markReadOut = QStringLiteral(">");
const QString markDataGap = QStringLiteral("?");
const QString markArchived = QStringLiteral("+");
const QString markInitialised = QString(QChar(0x00A7));
const QString markForeignInit = QStringLiteral("=");
const QString markLongGap = QString(QChar(0x00A4));
const QString markUnknown = QStringLiteral("-");
const QString manipulationMarkPattern = QStringLiteral("^[#\"!]$");
const QString specialMarkPattern = QString::fromUtf8("^[-\xC2\xA4=\\+\\?>!\\*#\"@]$");

const QColor defaultTextColor(Qt::black);
const QColor defaultBackColor(Qt::white);
const QColor alternateRowColor(240, 240, 240, 255);

const QDateTime nullDeviceTime(QDate(2000, 1, 1), QTime(0, 0, 0), Qt::LocalTime);

const QString deviceFamilyName = QStringLiteral("Vigilor");

const QString erdTagAccuracy = QStringLiteral("_ERD_V1.0_ACCURACY_");
const QString erdTagLogs = QStringLiteral("_ERD_V1.0_LOGS_");
const QString erdTagPaths = QStringLiteral("_ERD_V1.0_PATHS_");
const QString erdTagStarts = QStringLiteral("_ERD_V1.0_STARTS_");
const QString erdTagPoints = QStringLiteral("_ERD_V1.0_POINTS_");

const QString xmlRow = QStringLiteral("Row");
const QString xmlCell = QStringLiteral("Cell");
const QString xmlData = QStringLiteral("Data");

QString filterText()
{
    return QCoreApplication::translate("FileFilter", "Egyszerű szöveg (*.%1)").arg(extText);
}
