#include "mainwindow/optiondlg.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/fieldwidth.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QScrollArea>

namespace {
constexpr int languageShift = 10;
constexpr int firstFontSize = 5;
constexpr int fallbackFontSize = 10;
constexpr int fallbackReportDetail = 1;
constexpr int centurySpanYears = 99;

void setFlag(int& flags, int bit, bool on)
{
    flags = on ? (flags | bit) : (flags & ~bit);
}

enum class DirState { Usable, Missing, ReadOnly };

DirState directoryState(const QString& dir)
{
    if (dir.isEmpty())
        return DirState::Usable; // the directory the program was started in
    const QFileInfo info(dir);
    if (!info.isDir())
        return DirState::Missing;
    return info.isWritable() ? DirState::Usable : DirState::ReadOnly;
}
} // namespace

OptionDlg::OptionDlg(QWidget* parent)
    : QDialog(parent)
{
    setupUi(this);
    for (QLineEdit* path : {DefaultPathEdit, ArchPathEdit, CodeFileEdit})
        reservePathWidth(path);
    connect(DefaultPathButton, &QPushButton::clicked, this, &OptionDlg::browseDefaultPath);
    connect(ArchPathButton, &QPushButton::clicked, this, &OptionDlg::browseArchPath);
    connect(CodeFileButton, &QPushButton::clicked, this, &OptionDlg::browseCodeFile);
    connect(applyButton, &QPushButton::clicked, this, &OptionDlg::apply);
    // OK closes only once the options are stored; a refused value keeps the dialog open.
    connect(okButton, &QPushButton::clicked, this, [this] {
        if (apply())
            accept();
    });
    loadValues();
    fitPages();
}

OptionDlg::~OptionDlg() = default;

// The tool box shows its page in a scroll area that does not ask for the page's size, so
// the dialog would open smaller than a page: every page gets the room of the largest.
void OptionDlg::fitPages()
{
    QSize room;
    for (int i = 0; i < ToolBox->count(); ++i)
        room = room.expandedTo(ToolBox->widget(i)->minimumSizeHint());
    for (int i = 0; i < ToolBox->count(); ++i) {
        for (QWidget* w = ToolBox->widget(i); w && w != ToolBox; w = w->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(w)) {
                area->setMinimumSize(room);
                break;
            }
        }
    }
}

void OptionDlg::loadValues()
{
    const Settings& s = appSettings();
    DefaultPathEdit->setText(s.workDir);
    ArchPathEdit->setText(s.archiveDir);
    CodeFileEdit->setText(s.codeFile);

    const Qt::MatchFlags exact = Qt::MatchExactly | Qt::MatchCaseSensitive;
    int face = FontTypeCombo->findText(s.fontFace, exact);
    if (face < 0) {
        // A face not installed here (the default one on most systems): the box shows the
        // face the documents are drawn in instead, so OK stores a face that exists.
        const QString used = QFontInfo(documentFont()).family();
        face = FontTypeCombo->findText(used, exact);
        if (face < 0) // a family several foundries make is listed as "Family [Foundry]"
            face = FontTypeCombo->findText(used + QStringLiteral(" ["), Qt::MatchStartsWith | Qt::MatchCaseSensitive);
    }
    FontTypeCombo->setCurrentIndex(face);
    const int sizeItem = s.fontSize - firstFontSize;
    FontSizeCombo->setCurrentIndex(sizeItem >= 0 && sizeItem < FontSizeCombo->count() ? sizeItem : -1);

    // Two-digit years fall into a century that starts within the last 99 years.
    const QDate today = QDate::currentDate();
    FirstDateEdit->setDate(QDate(s.century, 1, 1));
    FirstDateEdit->setMaximumDate(today);
    FirstDateEdit->setMinimumDate(today.addYears(-centurySpanYears));

    AutoClockSetEdit->setTime(s.clockAdjustLimit);
    BackToBackTimeEdit->setTime(s.followTime);

    AutoClockSetCheck->setChecked(s.flags & OptAutoClockSet);
    ReportBeforeSpin->setValue(s.prependDays);
    ReportDetailCombo->setCurrentIndex(s.flags & OptReportDetailMask);

    BackToBackCheck->setChecked(s.flags & OptBackToBack);
    BackToBackSpecialCheck->setChecked(s.flags & OptBackToBackSpecial);
    ColorHighlightlCheck->setChecked(s.flags & OptColorHighlight);
    PointCodeCheck->setChecked(s.flags & OptPointCode);
    AlternateBackCheck->setChecked(s.flags & OptAlternateBack);
    showManualDuplexCheck->setChecked(s.flags & OptShowManualDuplex);
    disableTooltipCheck->setChecked(s.flags & OptDisableTooltip);

    languageIndex = (s.flags & OptLanguageMask) >> languageShift;
    languageCombo->setCurrentIndex(languageIndex < languageCombo->count() ? languageIndex : -1);
}

void OptionDlg::refuse(QWidget* field, const QString& text)
{
    ToolBox->setCurrentWidget(pathsPage);
    Prompts::warning(this, tr("Opciók"), text);
    field->setFocus();
}

bool OptionDlg::pathsUsable()
{
    // A directory that is not there or cannot be written would fail every later read-out
    // and save, the next start included.
    const QString work = DefaultPathEdit->text();
    switch (directoryState(work)) {
    case DirState::Missing:
        refuse(DefaultPathEdit, tr("A munka könyvtár nem létezik:\n%1").arg(QDir::toNativeSeparators(work)));
        return false;
    case DirState::ReadOnly:
        refuse(DefaultPathEdit, tr("A munka könyvtár nem írható:\n%1").arg(QDir::toNativeSeparators(work)));
        return false;
    case DirState::Usable: break;
    }
    const QString archive = ArchPathEdit->text();
    switch (directoryState(archive)) {
    case DirState::Missing:
        refuse(ArchPathEdit, tr("Az archiválási könyvtár nem létezik:\n%1").arg(QDir::toNativeSeparators(archive)));
        return false;
    case DirState::ReadOnly:
        refuse(ArchPathEdit, tr("Az archiválási könyvtár nem írható:\n%1").arg(QDir::toNativeSeparators(archive)));
        return false;
    case DirState::Usable: break;
    }
    const QString codeFile = CodeFileEdit->text();
    if (codeFile.isEmpty() || QFileInfo(QDir(work), codeFile).isDir()) {
        refuse(CodeFileEdit, tr("A kód-név fájl neve hiányzik, vagy egy könyvtárat nevez meg."));
        return false;
    }
    return true;
}

bool OptionDlg::keepCodeNameEdits()
{
    // Applying reads the code-name list again, possibly from another file: edits not yet
    // saved go to their own file first, as closing the code-name window would do.
    KodNevModel* model = appSettings().kodNevModel;
    if (!model || !model->isModified() || model->save())
        return true;
    return askYesNo(this, tr("Opciók"),
                    tr("A kód-név lista módosításait nem sikerült menteni, a beállítások alkalmazásával "
                       "elvesznek.\nFolytatjuk?"),
                    tr("Igen"), tr("Nem"));
}

bool OptionDlg::apply()
{
    if (!pathsUsable() || !keepCodeNameEdits())
        return false;

    Settings& s = appSettings();
    s.workDir = DefaultPathEdit->text();
    s.archiveDir = ArchPathEdit->text();
    s.codeFile = CodeFileEdit->text();

    // With no font listed at all the box is empty: the stored face is kept, not emptied.
    if (!FontTypeCombo->currentText().isEmpty())
        s.fontFace = FontTypeCombo->currentText();
    s.fontSize = FontSizeCombo->currentIndex() >= 0 ? FontSizeCombo->currentIndex() + firstFontSize : fallbackFontSize;

    s.century = FirstDateEdit->date().year();
    s.clockAdjustLimit = AutoClockSetEdit->time();
    s.followTime = BackToBackTimeEdit->time();

    int flags = s.flags;
    setFlag(flags, OptAutoClockSet, AutoClockSetCheck->isChecked());
    s.prependDays = ReportBeforeSpin->value();
    const int detail = ReportDetailCombo->currentIndex() >= 0 ? ReportDetailCombo->currentIndex() : fallbackReportDetail;
    flags = (flags & ~OptReportDetailMask) | (detail & OptReportDetailMask);
    setFlag(flags, OptBackToBack, BackToBackCheck->isChecked());
    setFlag(flags, OptBackToBackSpecial, BackToBackSpecialCheck->isChecked());
    setFlag(flags, OptColorHighlight, ColorHighlightlCheck->isChecked());
    setFlag(flags, OptPointCode, PointCodeCheck->isChecked());
    setFlag(flags, OptAlternateBack, AlternateBackCheck->isChecked());
    setFlag(flags, OptShowManualDuplex, showManualDuplexCheck->isChecked());
    setFlag(flags, OptDisableTooltip, disableTooltipCheck->isChecked());
    if (languageCombo->currentIndex() >= 0)
        flags = (flags & ~OptLanguageMask) | ((languageCombo->currentIndex() << languageShift) & OptLanguageMask);
    s.flags = flags;

    s.save();
    s.loadKodNevTable(this);

    const int language = (s.flags & OptLanguageMask) >> languageShift;
    if (language != languageIndex) {
        languageIndex = language;
        emit languageChanged();
    }
    return true;
}

void OptionDlg::browseDefaultPath()
{
    const QString dir =
        Prompts::existingDirectory(this, tr("Munkakönyvtár kiválasztása"), DefaultPathEdit->text());
    if (!dir.isEmpty())
        DefaultPathEdit->setText(dir);
}

void OptionDlg::browseArchPath()
{
    const QString dir =
        Prompts::existingDirectory(this, tr("Archiválási könyvtár kiválasztása"), ArchPathEdit->text());
    if (!dir.isEmpty())
        ArchPathEdit->setText(dir);
}

void OptionDlg::browseCodeFile()
{
    const QString filter = tr("Kód-név fájlok (*.%1)").arg(extCodeList);
    const QString file =
        Prompts::openFileName(this, tr("Kód-név fájl kiválasztása"), CodeFileEdit->text(), filter);
    if (!file.isEmpty())
        CodeFileEdit->setText(file);
}

void OptionDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange) {
        retranslateUi(this);
        loadValues();
        fitPages();
    }
}
