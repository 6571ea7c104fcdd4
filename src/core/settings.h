#pragma once
#include <QObject>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTime>

class KodNevModel;
class QWidget;

// Bits of Settings::flags.
enum OptionFlag {
    OptReportDetailMask = 0x3,
    OptAutoClockSet = 0x4,
    OptBackToBack = 0x8,
    OptBackToBackSpecial = 0x10,
    OptColorHighlight = 0x20,
    OptPointCode = 0x40,
    OptAlternateBack = 0x80,
    OptShowManualDuplex = 0x100,
    OptDisableTooltip = 0x200,
    OptLanguageMask = 0x3C00,
    OptLanguageAuto = 0,
    OptLanguageHungarian = 0x400,
    OptLanguageGerman = 0x800,
    OptLanguageEnglish = 0xC00
};

// The program's options, persisted as flat keys in the user's settings store.
// Owned by WyxApp; read in place by everyone (nothing caches an option).
class Settings : public QObject
{
    Q_OBJECT
public:
    Settings();
    ~Settings() override;

    QPoint windowPosition;
    QSize windowSize;
    QString workDir;
    QString archiveDir;
    QString codeFile;
    QString fontFace;
    int fontSize = 0;
    int century = 0;
    int prependDays = 0;
    int flags = 0;
    QTime clockAdjustLimit;
    QTime followTime;
    // The one code-name list. It belongs to the code-name layer above this one, which
    // creates it as a child of this object (installKodNevModel) and answers the two
    // requests below.
    KodNevModel* kodNevModel = nullptr;

    void load();
    void save();
    void resetDefaults();
    QString codeFilePath() const;
    // A document name made absolute: a relative one lies in the working directory
    // (the process's current directory when none is set).
    QString workPath(const QString& name) const;

    // The recently opened files, newest first, at most six; stored at once, apart from
    // load and save, so that every window's opening is remembered.
    QStringList recentFiles() const;
    void setRecentFiles(const QStringList& files);

signals:
    void optionsChanged();
    void kodNevLoadRequested(QWidget* parent);
    void kodNevSaveRequested();

public slots:
    void loadKodNevTable(QWidget* parent);
    void SaveKodNevTable();
};
