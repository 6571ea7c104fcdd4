#include "core/settings.h"

#include "core/constants.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const QPoint defaultWindowPosition(50, 50);
const QSize defaultWindowSize(680, 400);
constexpr int defaultFontSize = 10;
constexpr int defaultCentury = 2000;
constexpr int defaultPrependDays = 7;
constexpr int defaultFlags = 125;

// A stored value that does not convert gives the default, never 0 or a null time.
int readInt(const QSettings& s, const QString& key, int def)
{
    bool ok = false;
    const int v = s.value(key, def).toInt(&ok);
    return ok ? v : def;
}

QTime readTime(const QSettings& s, const QString& key, const QTime& def)
{
    const QTime t = s.value(key, def).toTime();
    return t.isValid() ? t : def;
}

QPoint readPoint(const QSettings& s, const QString& key, const QPoint& def)
{
    QVariant v = s.value(key, def);
    return v.convert(QVariant::Point) ? v.toPoint() : def;
}

QSize readSize(const QSettings& s, const QString& key, const QSize& def)
{
    QVariant v = s.value(key, def);
    return v.convert(QVariant::Size) && v.toSize().isValid() ? v.toSize() : def;
}

} // namespace

Settings::Settings() = default;

Settings::~Settings() = default;

void Settings::resetDefaults()
{
    windowPosition = defaultWindowPosition;
    windowSize = defaultWindowSize;
    workDir.clear();
    archiveDir.clear();
    codeFile = defaultCodeFileName;
    fontFace = defaultFontFace;
    fontSize = defaultFontSize;
    century = defaultCentury;
    prependDays = defaultPrependDays;
    flags = defaultFlags;
    clockAdjustLimit = defaultClockAdjustLimit;
    followTime = defaultFollowTime;
}

void Settings::load()
{
    const QSettings s;
    workDir = s.value(keyWorkDir, QString()).toString();
    archiveDir = s.value(keyArchiveDir, QString()).toString();
    codeFile = s.value(keyCodeFile, defaultCodeFileName).toString();
    fontFace = s.value(keyFontFace, defaultFontFace).toString();
    fontSize = readInt(s, keyFontSize, defaultFontSize);
    century = readInt(s, keyCentury, defaultCentury);
    prependDays = readInt(s, keyPrependDays, defaultPrependDays);
    flags = readInt(s, keyFlags, defaultFlags);
    clockAdjustLimit = readTime(s, keyClockAdjustLimit, defaultClockAdjustLimit);
    followTime = readTime(s, keyFollowTime, defaultFollowTime);
    windowPosition = readPoint(s, keyWindowPosition, defaultWindowPosition);
    windowSize = readSize(s, keyWindowSize, defaultWindowSize);
}

void Settings::save()
{
    {
        QSettings s;
        s.setValue(keyWorkDir, workDir);
        s.setValue(keyArchiveDir, archiveDir);
        s.setValue(keyCodeFile, codeFile);
        s.setValue(keyFontFace, fontFace);
        s.setValue(keyFontSize, fontSize);
        s.setValue(keyCentury, century);
        s.setValue(keyPrependDays, prependDays);
        s.setValue(keyFlags, flags);
        s.setValue(keyClockAdjustLimit, clockAdjustLimit);
        s.setValue(keyFollowTime, followTime);
        s.setValue(keyWindowPosition, windowPosition);
        s.setValue(keyWindowSize, windowSize);
    }
    emit optionsChanged();
}

QString Settings::codeFilePath() const
{
    return workPath(codeFile);
}

QString Settings::workPath(const QString& name) const
{
    return QFileInfo(QDir(workDir), name).absoluteFilePath();
}

void Settings::loadKodNevTable(QWidget* parent)
{
    emit kodNevLoadRequested(parent);
}

void Settings::SaveKodNevTable()
{
    emit kodNevSaveRequested();
}
