#include "codenames/kodnevview.h"

#include "codenames/kodneveditdialog.h"
#include "codenames/kodnevexport.h"
#include "codenames/kodnevimport.h"
#include "codenames/kodnevmodel.h"
#include "codenames/kodtableview.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QLocale>
#include <QShortcut>
#include <QSortFilterProxyModel>

namespace {

KodNevModel* names()
{
    return appSettings().kodNevModel;
}

// The reasons KodNev::set refused these fields, one line each: code, name, date.
QString refusalText(const QString& code, const QString& name, const QDate& date)
{
    KodNev probe;
    QString text;
    if (code.isEmpty())
        text += KodnevView::tr("Nem töltötte ki a kód mezőt\n");
    else if (!probe.setCode(code))
        text += KodnevView::tr("Érvénytelen kód: %1\n").arg(code);
    if (!probe.datedName.setName(name))
        text += KodnevView::tr("Nem megfelelő név: %1\n").arg(name);
    if (!probe.datedName.setDate(date))
        text += KodnevView::tr("Érvénytelen dátum: %1").arg(QLocale::system().toString(date, QLocale::ShortFormat));
    return text;
}

void fillDialog(KodNevEditDialog& dlg, const KodNev& e, int mode)
{
    dlg.setCode(e.codeText());
    dlg.setName(e.datedName.name);
    dlg.setDate(e.datedName.validFrom);
    dlg.setMode(mode);
    dlg.setBackgroundColor(e.backgroundColor);
    dlg.setForegroundColor(e.foregroundColor);
}

} // namespace

KodnevView::KodnevView()
    : QMdiSubWindow(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/images/kod.ico")));
    setWindowTitle(appSettings().codeFile);
    auto* kodTable = new KodTableView(nullptr);
    kodTable->setupView();
    connect(&appSettings(), &Settings::optionsChanged, this, &KodnevView::Reinitialize);
    setWidget(kodTable);
    kodTable->setSortingEnabled(true);
    sorting(0, Qt::AscendingOrder);
    kodTable->JumpToEnd();
    connect(kodTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &KodnevView::selectionChanged);

    auto shortcut = [this](int key, void (KodnevView::*slot)()) {
        auto* s = new QShortcut(QKeySequence(key), this, nullptr, nullptr, Qt::WindowShortcut);
        connect(s, &QShortcut::activated, this, slot);
        return s;
    };
    enterShortcut = shortcut(Qt::Key_Enter, &KodnevView::editEntry);
    returnShortcut = shortcut(Qt::Key_Return, &KodnevView::editEntry);
    deleteShortcut = shortcut(Qt::Key_Delete, &KodnevView::removeEntry);
    insertShortcut = shortcut(Qt::Key_Insert, &KodnevView::addEntry);
}

KodnevView::~KodnevView() = default;

QString KodnevView::documentFile() const
{
    return appSettings().codeFilePath();
}

bool KodnevView::isDocumentModified() const
{
    return names()->isModified();
}

KodTableView* KodnevView::table() const
{
    return qobject_cast<KodTableView*>(widget());
}

bool KodnevView::hasSelection() const
{
    return table() && table()->selectionModel()->hasSelection();
}

int KodnevView::selectedRow() const
{
    return table() ? table()->currentSourceRow() : -1;
}

int KodnevView::cursorLine() const
{
    return selectedRow();
}

bool KodnevView::addValidatedEntry(const QString& code, const QString& name, const QDate& date,
                                   const QColor& background, const QColor& foreground)
{
    KodNev entry;
    if (entry.set(code, name, date, background, foreground))
        return names()->addEntry(entry, false);
    Prompts::warning(this, tr("A bejegyzés nem lett felvéve!"), refusalText(code, name, date));
    return false;
}

bool KodnevView::setEntryName(int row, const QString& name)
{
    return names()->setData(names()->index(row, 3), name, Qt::EditRole);
}

void KodnevView::setEntryColors(int row, const QColor& background, const QColor& foreground)
{
    names()->setColors(row, background, foreground);
}

void KodnevView::removeEntryRow(int row)
{
    names()->removeRows(row, 1);
}

void KodnevView::addEntry()
{
    KodNevEditDialog dlg;
    dlg.setDate(QDate::currentDate());
    if (dlg.exec() != QDialog::Accepted)
        return;
    addValidatedEntry(dlg.code(), dlg.name(), dlg.date(), dlg.backgroundColor, dlg.foregroundColor);
}

void KodnevView::editEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const KodNev e = names()->entryAt(row);
    KodNevEditDialog dlg;
    fillDialog(dlg, e, KodNevEditDialog::EditMode);
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (dlg.date() != e.datedName.validFrom) {
        addValidatedEntry(dlg.code(), dlg.name(), dlg.date(), dlg.backgroundColor, dlg.foregroundColor);
        return;
    }
    // A refused name changes nothing, colours included, and says why.
    KodNev probe;
    if (!probe.set(dlg.code(), dlg.name(), dlg.date(), dlg.backgroundColor, dlg.foregroundColor)) {
        Prompts::warning(this, tr("A bejegyzés nem lett felvéve!"),
                         refusalText(dlg.code(), dlg.name(), dlg.date()));
        return;
    }
    setEntryName(row, dlg.name());
    setEntryColors(row, dlg.backgroundColor, dlg.foregroundColor);
}

void KodnevView::removeEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    KodNevEditDialog dlg;
    fillDialog(dlg, names()->entryAt(row), KodNevEditDialog::DeleteMode);
    if (dlg.exec() == QDialog::Accepted)
        names()->removeRows(row, 1);
}

void KodnevView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (selected.isEmpty() != deselected.isEmpty())
        emit selectionStateChanged();
}

void KodnevView::Reinitialize()
{
    setWindowTitle(appSettings().codeFile); // the options may name another list file
    table()->setupView();
    update();
}

void KodnevView::sorting(int col, Qt::SortOrder order)
{
    table()->sortByColumn(col, order);
    table()->horizontalHeader()->setSortIndicator(col, order);
    table()->horizontalHeader()->setSortIndicatorShown(true);
}

void KodnevView::enableSorting(bool enable)
{
    table()->setSortingEnabled(enable);
}

void KodnevView::closeEvent(QCloseEvent* event)
{
    appSettings().SaveKodNevTable();
    QMdiSubWindow::closeEvent(event);
}

void KodnevView::contextMenuEvent(QContextMenuEvent* event)
{
    emit LocalMenuInvoked(event);
}

RowSpan KodnevView::exportSpan(ExportRange range) const
{
    const int cursor = selectedRow();
    return exportRowSpan(range, names()->rowCount(), cursor, cursor);
}

bool KodnevView::exportToTxt(const QString& fileName, ExportRange range, bool exportDate, bool exportColor)
{
    return KodNevExport::exportToTxt(this, *names(), fileName, exportSpan(range), {exportDate, exportColor});
}

bool KodnevView::exportToXml(const QString& fileName, ExportRange range, bool exportDate, bool exportColor)
{
    return KodNevExport::exportToXml(this, *names(), fileName, exportSpan(range), {exportDate, exportColor});
}

bool KodnevView::exportToPdf(QPrinter* out, ExportRange range)
{
    return KodNevExport::exportToPdf(this, out, *names(), exportSpan(range), appSettings().codeFilePath());
}

bool KodnevView::print(QPrinter* out, ExportRange dataRange, int pageRange)
{
    return KodNevExport::print(this, out, *names(), exportSpan(dataRange), pageRange,
                               appSettings().codeFilePath());
}

bool KodnevView::print(QPrinter* out, ExportRange dataRange)
{
    return print(out, dataRange, PageSetAll);
}

bool KodnevView::print(QPrinter* out)
{
    return print(out, RangeAll, PageSetAll);
}

bool KodnevView::importFromTxt(const QString& fileName)
{
    return KodNevImport::importFromTxt(this, *names(), fileName);
}

bool KodnevView::importFromXml(const QString& fileName)
{
    return KodNevImport::importFromXml(this, *names(), fileName);
}

DocumentWindow::Outcome KodnevView::printDocument(QPrinter* out, ExportRange rows, int pageSet)
{
    return print(out, rows, pageSet) ? Done : NotDone;
}

DocumentWindow::Outcome KodnevView::exportDocument(DocumentFormat format, const QString& fileName,
                                                   const ExportChoice& choice)
{
    switch (format) {
    case FormatText:
        return exportToTxt(fileName, choice.range, choice.withValidityDate, choice.withColours) ? Done : NotDone;
    case FormatXml:
        return exportToXml(fileName, choice.range, choice.withValidityDate, choice.withColours) ? Done : NotDone;
    default:
        return NotOffered;
    }
}

DocumentWindow::Outcome KodnevView::exportPdf(QPrinter* out, ExportRange rows)
{
    return exportToPdf(out, rows) ? Done : NotDone;
}

DocumentWindow::Outcome KodnevView::importDocument(DocumentFormat format, const QString& fileName)
{
    switch (format) {
    case FormatText:
        return importFromTxt(fileName) ? Done : NotDone;
    case FormatXml:
        return importFromXml(fileName) ? Done : NotDone;
    default:
        return NotOffered;
    }
}
