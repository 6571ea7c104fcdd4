#include "mainwindow/mainwindow.h"

#include "eventlog/archivedlg.h"
#include "eventlog/logfinddlg.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

void MainWindow::createLogFindDialog()
{
    // One search dialog for the program's whole run: it keeps the criteria between searches.
    logFindDlg = new LogFindDlg(this);
    connect(logFindDlg, &LogFindDlg::findIt, this, &MainWindow::findLogEntry);
}

void MainWindow::nextSpecialCmd()
{
    if (LogView* log = activeLogView())
        log->table()->nextExtraordinary();
}

void MainWindow::prevSpecialCmd()
{
    if (LogView* log = activeLogView())
        log->table()->previousExtraordinary();
}

void MainWindow::unNamedPointsCmd()
{
    if (LogView* log = activeLogView())
        log->table()->nameUnnamedPoints();
}

void MainWindow::findCmd()
{
    if (LogView* log = activeLogView()) {
        log->table()->prefillFindDialog(logFindDlg);
        logFindDlg->show();
    }
}

void MainWindow::findLogEntry()
{
    // The search dialog has the focus: the log is the MDI area's current window.
    if (auto* log = qobject_cast<LogView*>(mdiArea->currentSubWindow())) {
        log->table()->findNext(logFindDlg);
        activateWindow();
    }
}

void MainWindow::filterCmd()
{
    if (LogView* log = activeLogView())
        log->filterLog();
}

void MainWindow::namedCurrentPointCmd()
{
    if (LogView* log = activeLogView())
        log->table()->nameCurrentPoint();
}

void MainWindow::logArchive()
{
    QPointer<LogView> log = activeLogView();
    if (!log)
        return;
    archiveDlg dlg;
    if (dlg.exec() == QDialog::Accepted && log)
        log->archive(dlg.mode(), dlg.readSpin->value(), dlg.dateEdit->date());
}
