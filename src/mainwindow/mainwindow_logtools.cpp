#include "mainwindow/mainwindow.h"

#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

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

// Filled in together with the search, filter, archive and naming dialogs.
void MainWindow::findCmd() {}
void MainWindow::filterCmd() {}
void MainWindow::findLogEntry() {}
void MainWindow::namedCurrentPointCmd() {}
void MainWindow::logArchive() {}
