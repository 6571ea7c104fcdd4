#include "core/settings.h"

#include "core/constants.h"
#include "core/helpers.h"

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
const QString keyRecentFiles = QStringLiteral("recentFileList");
constexpr int maxRecentFiles = 6;

// A stored value that does not convert gives the default, never 0 or a null time.
QString readValue(const QSettings& s, const QString& key, const QString& def)
{
    return s.value(key, def).toString();
}

int readValue(const QSettings& s, const QString& key, int def)
{
    bool ok = false;
    const int v = s.value(key, def).toInt(&ok);
    return ok ? v : def;
}

QTime readValue(const QSettings& s, const QString& key, const QTime& def)
{
    const QTime t = s.value(key, def).toTime();
    return t.isValid() ? t : def;
}

QPoint readValue(const QSettings& s, const QString& key, const QPoint& def)
{
    QVariant v = s.value(key, def);
    return v.convert(QVariant::Point) ? v.toPoint() : def;
}

QSize readValue(const QSettings& s, const QString& key, const QSize& def)
{
    QVariant v = s.value(key, def);
    return v.convert(QVariant::Size) && v.toSize().isValid() ? v.toSize() : def;
}

// One stored option: its key, its member and its default.
template <typename T>
struct Option {
    const QString& key;
    T Settings::*member;
    T def;
};

// Calls f with every option of the table, in the order they are stored.
template <typename F>
void forEachOption(F&& f)
{
    f(Option<QString>{keyWorkDir, &Settings::workDir, QString()});
    f(Option<QString>{keyArchiveDir, &Settings::archiveDir, QString()});
    f(Option<QString>{keyCodeFile, &Settings::codeFile, defaultCodeFileName});
    f(Option<QString>{keyFontFace, &Settings::fontFace, defaultFontFace});
    f(Option<int>{keyFontSize, &Settings::fontSize, defaultFontSize});
    f(Option<int>{keyCentury, &Settings::century, defaultCentury});
    f(Option<int>{keyPrependDays, &Settings::prependDays, defaultPrependDays});
    f(Option<int>{keyFlags, &Settings::flags, defaultFlags});
    f(Option<QTime>{keyClockAdjustLimit, &Settings::clockAdjustLimit, defaultClockAdjustLimit});
    f(Option<QTime>{keyFollowTime, &Settings::followTime, defaultFollowTime});
    f(Option<QPoint>{keyWindowPosition, &Settings::windowPosition, defaultWindowPosition});
    f(Option<QSize>{keyWindowSize, &Settings::windowSize, defaultWindowSize});
}

} // namespace

Settings::Settings() = default;

Settings::~Settings() = default;

void Settings::resetDefaults()
{
    forEachOption([this](const auto& o) { this->*o.member = o.def; });
}

void Settings::load()
{
    const QSettings s;
    forEachOption([this, &s](const auto& o) { this->*o.member = readValue(s, o.key, o.def); });
}

void Settings::save()
{
    {
        QSettings s;
        forEachOption([this, &s](const auto& o) { s.setValue(o.key, this->*o.member); });
    }
    emit optionsChanged();
}

QStringList Settings::recentFiles() const
{
    QStringList files = QSettings().value(keyRecentFiles).toStringList();
    files.removeAll(QString());
    return files.mid(0, maxRecentFiles);
}

void Settings::setRecentFiles(const QStringList& files)
{
    QSettings().setValue(keyRecentFiles, QVariant(files.mid(0, maxRecentFiles)));
}

QString Settings::codeFilePath() const
{
    return workPath(codeFile);
}

QString Settings::workPath(const QString& name) const
{
    return absolutePathOf(name, workDir);
}

void Settings::loadKodNevTable(QWidget* parent)
{
    emit kodNevLoadRequested(parent);
}

void Settings::SaveKodNevTable()
{
    emit kodNevSaveRequested();
}
