#include "mainwindow/mainwindow.h"

#include "codenames/kodnevview.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

KodnevView* MainWindow::createKodnevView()
{
    auto* view = new KodnevView;
    fitNewWindow(view);
    mdiArea->addSubWindow(view);
    connect(view, &KodnevView::selectionStateChanged, this, &MainWindow::updateMenus);
    connect(view, &KodnevView::LocalMenuInvoked, this, &MainWindow::KodNevContextMenuEvent);
    return view;
}

KodnevView* MainWindow::activeKodnevView() const
{
    return qobject_cast<KodnevView*>(activeMdiChild());
}

// There is one list, so one window: found by its kind, also after the options named
// another list file.
void MainWindow::kodNevOpen()
{
    for (QMdiSubWindow* window : mdiArea->subWindowList()) {
        if (qobject_cast<KodnevView*>(window) && !window->isHidden()) {
            mdiArea->setActiveSubWindow(window);
            return;
        }
    }
    createKodnevView()->show();
}

void MainWindow::kodNevNewEntry()
{
    if (KodnevView* names = activeKodnevView())
        names->addEntry();
}

void MainWindow::kodNevEditEntry()
{
    if (KodnevView* names = activeKodnevView())
        names->editEntry();
}

void MainWindow::kodNevDeleteEntry()
{
    if (KodnevView* names = activeKodnevView())
        names->removeEntry();
}
