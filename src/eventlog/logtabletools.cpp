// The log table's commands beyond showing the log: search, filter, naming the current
// point and archiving.
#include "eventlog/logtableview.h"

#include "codenames/kodneveditdialog.h"
#include "codenames/kodnevmodel.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/archivedlg.h"
#include "eventlog/logfilterdlg.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logfinddlg.h"
#include "eventlog/logkinds.h"
#include "eventlog/logmodel.h"
#include "eventlog/logsearch.h"
#include "eventlog/logview.h"


void LogTableView::prefillFindDialog(LogFindDlg* dlg)
{
    if (!dlg)
        return;
    const LogEntry e = logModel->entryAt(currentSourceRow());
    dlg->DateSearchStateChange(Qt::Unchecked);
    dlg->TimeValidChange(Qt::Unchecked);
    dlg->PointSearchStateChange(Qt::Checked);
    if (!e.isTouch()) {
        dlg->SpecialRadio->setChecked(true);
        dlg->NormalSelected(false);
        dlg->SpecialSelected(true);
        dlg->SpecialCombo->setCurrentIndex(LogKinds::itemForKind(e.kind()));
    } else {
        dlg->NormalRadio->setChecked(true);
        dlg->NormalSelected(true);
        dlg->SpecialSelected(false);
        dlg->PointEdit->setText(e.codeText());
    }
}

void LogTableView::findNext(LogFindDlg* dlg)
{
    if (dlg)
        findNext(LogSearchCriteria::fromDialog(*dlg));
}

void LogTableView::findNext(const LogSearchCriteria& criteria)
{
    int start = currentSourceRow();
    for (;;) {
        const int row = logModel->findFrom(start, criteria);
        if (row < 0) {
            Prompts::information(this, tr("Keresés"),
                                 criteria.reverse ? tr("Nincs a feltételeknek megfelelő bejegyzés\na napló eleje felé haladva!")
                                                  : tr("Nincs a feltételeknek megfelelő bejegyzés\na napló vége felé haladva!"));
            return;
        }
        const QModelIndex shown = proxy()->mapFromSource(logModel->index(row, 0));
        if (shown.isValid()) {
            selectOnlyRow(shown.row());
            return;
        }
        start = row; // hidden by the filter: on from there
    }
}

void LogTableView::filterLog()
{
    logFilterDlg dlg;
    const LogEntry e = logModel->entryAt(currentSourceRow());
    if (!e.isTouch()) {
        dlg.setMode(false);
        dlg.SpecialCombo->setCurrentIndex(LogKinds::itemForKind(e.kind()));
    } else {
        dlg.setMode(true);
        dlg.PointEdit->setText(e.codeText());
    }
    if (dlg.exec() != QDialog::Accepted)
        return;
    applyFilter(dlg.filterActive, dlg.NormalRadio->isChecked(), dlg.PointEdit->text(),
                dlg.SpecialCombo->currentIndex());
}

void LogTableView::applyFilter(bool active, bool checkpoint, const QString& codeField, int kindItem)
{
    const QModelIndex current = logModel->index(currentSourceRow(), 0);
    const WaitCursor wait;
    // The proxy changes its filter in one reset and one pass over the log (see
    // LogFilterProxyModel), so no empty state between two filters is needed.
    if (!active)
        proxy()->clearFilter();
    else if (checkpoint)
        proxy()->setCheckpointFilter(codeField);
    else
        proxy()->setKindFilter(kindItem);
    setupColumns();

    const QModelIndex shown = current.isValid() ? proxy()->mapFromSource(current) : QModelIndex();
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    if (shown.isValid()) {
        setCurrentIndex(shown);
        selectRow(shown.row());
        scrollTo(shown, QAbstractItemView::EnsureVisible);
    } else {
        JumpToEnd();
    }
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void LogTableView::nameCurrentPoint()
{
    const LogEntry e = logModel->entryAt(currentSourceRow());
    if (!e.isTouch())
        return;
    KodNevModel* names = appSettings().kodNevModel;
    KodNev key;
    key.setCodeBytes(e.codeBytes());
    key.datedName.setDate(e.dateTime().date());
    const int row = names->findValidAt(key);

    KodNevEditDialog dlg;
    dlg.setCode(key.codeText());
    dlg.setDate(e.dateTime().date());
    if (row >= 0) {
        const KodNev found = names->entryAt(row);
        key.datedName.name = found.datedName.name;
        dlg.setName(found.datedName.name);
        dlg.setBackgroundColor(found.backgroundColor);
        dlg.setForegroundColor(found.foregroundColor);
    } else {
        dlg.setDate(QDate(appSettings().century, 1, 1));
    }
    dlg.setMode(KodNevEditDialog::EditMode);
    if (dlg.exec() != QDialog::Accepted)
        return;
    if (dlg.name() == key.datedName.name) {
        names->setColors(row, dlg.backgroundColor, dlg.foregroundColor);
        names->save();
        return;
    }
    // A fresh entry: a refused name must never leave an old or empty one under the new date.
    KodNev entry;
    if (!entry.set(key.codeText(), dlg.name(), dlg.date(), dlg.backgroundColor, dlg.foregroundColor)) {
        Prompts::warning(this, tr("A bejegyzés nem lett felvéve!"),
                         tr("Nem megfelelő név: %1\n").arg(dlg.name()));
        return;
    }
    names->addEntry(entry, false);
    names->save();
}

bool LogTableView::archive(int mode, int count, const QDate& date)
{
    int boundary = -1;
    switch (mode) {
    case archiveDlg::FromCursor: boundary = currentSourceRow(); break;
    case archiveDlg::LastReadouts: boundary = logModel->rowOfNthLastReadout(count); break;
    case archiveDlg::FromDate: boundary = logModel->rowOfDate(date); break;
    default: boundary = -1; break;
    }
    const auto* window = qobject_cast<LogView*>(parentWidget());
    const QString logFile = window ? window->currentFile : QString();
    const LogModel::ArchiveResult result = logModel->archiveTo(boundary, logFile);
    JumpToEnd();
    switch (result) {
    case LogModel::ArchiveResult::Done: return true;
    case LogModel::ArchiveResult::LogNotSaved:
        Prompts::warning(this, tr("Archiválás"), logModel->lastError());
        return false;
    default:
        Prompts::warning(this, tr("Archiválás"), tr("Az archív fájl létrehozása nem sikerült!"));
        return false;
    }
}
