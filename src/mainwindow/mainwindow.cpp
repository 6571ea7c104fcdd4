#include "mainwindow/mainwindow.h"

#include "codenames/kodnevmodel.h"
#include "codenames/kodnevview.h"
#include "core/helpers.h"
#include "core/printexport.h"
#include "core/settings.h"
#include "core/singleinstance.h"
#include "core/wyxapp.h"
#include "eventlog/logview.h"
#include "mainwindow/helpbrowser.h"
#include "routes/routedefview.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QScreen>
#include <QTextEdit>
#include <QUdpSocket>
#include <utility>

namespace {

void showActions(std::initializer_list<QAction*> actions, bool on)
{
    // A command of another document kind is hidden and disabled, so its shortcut is dead too.
    for (QAction* a : actions) {
        a->setVisible(on);
        a->setEnabled(on);
    }
}
} // namespace

MainWindow::MainWindow() : handOverKey(newHandOverSecret())
{
    QCoreApplication::installTranslator(&appTranslator);
    QCoreApplication::installTranslator(&qtTranslator);

    mdiArea = new QMdiArea;
    mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(mdiArea);
    connect(mdiArea, &QMdiArea::subWindowActivated, this, &MainWindow::updateMenus);

    createActions();
    createMenus();
    createToolBars();
    createLogFindDialog();
    updateMenus();
    switchLanguage();
    mdiArea->cascadeSubWindows();

    appSettings().loadKodNevTable(this);

    move(appSettings().windowPosition);
    resize(appSettings().windowSize);
    fitToScreen();
    setUnifiedTitleAndToolBarOnMac(true);

    printer = new QPrinter(QPrinter::HighResolution);

    udpSocket = new QUdpSocket(this);
    // The preferred port may be held by another user's program: then any free one. The
    // start-up publishes the port and the secret to this user's later starts. The port is
    // not shared, so no other socket can take datagrams meant for this one.
    if (!udpSocket->bind(QHostAddress::LocalHost, instancePort(), QUdpSocket::DontShareAddress))
        udpSocket->bind(QHostAddress(QHostAddress::LocalHost), 0, QUdpSocket::DontShareAddress);
    connect(udpSocket, &QUdpSocket::readyRead, this, &MainWindow::readPendingDatagrams);

    // A relative argument means the directory we were started in, not the working directory.
    // The program's own path is no document: only a real file argument is opened.
    const QString argument = handOffArgument(QCoreApplication::arguments());
    if (!argument.isEmpty())
        loadFile(absolutePathOf(argument));

    createHelpWindows();
}

quint16 MainWindow::listenerPort() const
{
    return udpSocket->localPort();
}

MainWindow::~MainWindow()
{
    destroyHelpDock(this, std::exchange(helpDock, nullptr));
    delete printer;
    delete mdiArea;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    for (QMdiSubWindow* window : mdiArea->subWindowList()) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    if (!mayLeaveCodeNames()) {
        event->ignore();
        return;
    }
    Settings& settings = appSettings();
    settings.windowPosition = pos();
    settings.windowSize = size();
    settings.save();
    event->accept();
}

// A save of the code-name list that did not write it (the user kept another's version of the
// file, or it failed) leaves the list's changes in memory only: exiting loses them, so it is
// asked. Staying, the user can save again by closing the code-name window.
bool MainWindow::mayLeaveCodeNames()
{
    const KodNevModel* names = appSettings().kodNevModel;
    if (!names || !names->hasMissedSave())
        return true;
    return askYesNo(this, tr("Kilépés"),
                    tr("A kód-név lista legutóbbi mentése elmaradt: a lista változásai nincsenek "
                       "elmentve, kilépéskor elvesznek.\nMégis kilépünk?"),
                    tr("Kilépünk"), tr("Mégsem"));
}

void MainWindow::fitToScreen()
{
    // The screen it was closed on, or the main one where that is gone.
    const QRect frame = frameGeometry();
    const QScreen* screen = QGuiApplication::screenAt(frame.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize border = frame.size() - size();
    resize(size().boundedTo(area.size() - border));
    // A window that cannot be made small enough keeps its top left corner on the screen.
    const QSize outer = size() + border;
    move(qBound(area.left(), frame.left(), area.right() + 1 - outer.width()),
         qBound(area.top(), frame.top(), area.bottom() + 1 - outer.height()));
}

void MainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The window manager's frame is known only once it has framed the window.
    if (frameUnfitted && frameGeometry() != geometry()) {
        frameUnfitted = false;
        fitToScreen();
    }
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        switchLanguage();
    QMainWindow::changeEvent(event);
}

void MainWindow::updateMenus()
{
    const int kind = activeViewKind();
    const bool any = kind != NoView;
    showActions({printAct, previewAct, closeAct, closeAllAct, windowSeparatorAct}, any);
    for (QAction* a : {tileAct, cascadeAct, nextAct, previousAct})
        a->setEnabled(any);
    showActions({logExportAct, logArchiveAct, findCmdAct, filterCmdAct, nextSpecialCmdAct, prevSpecialCmdAct,
                 namedCurrentPointCmdAct, unNamedPointsCmdAct, optionsSeparatorAct, extractRouteAct},
                kind == LogViewKind);
    showActions({saveFfrAct, saveAsFfrAct, reportExportAct}, kind == EvaluationViewKind);
    showActions({routeImportAct, routeExportAct, saveErdAct, saveAsErdAct, addLogToErdAct, removeLogFromErdAct,
                 modifyErdAct, expandAllAct, expandDefaultAct, collapseAllAct, addRouteToErdAct,
                 removeRouteFromErdAct, addStartToErdAct, removeStartFromErdAct, addPointToErdAct,
                 removePointFromErdAct, fulfilmentCurrentAct},
                kind == RouteDefViewKind);
    showActions({saveTxtAct, saveAsTxtAct, copyTxtAct, cutTxtAct, pasteTxtAct}, kind == TxtViewKind);
    showActions({kodNevImportAct, kodNevExportAct, kodNevNewEntryAct, kodNevEditEntryAct, kodNevDeleteEntryAct},
                kind == KodnevViewKind);

    if (kind == TxtViewKind) {
        const auto* editor = qobject_cast<QTextEdit*>(activeMdiChild());
        const bool selected = editor && editor->textCursor().hasSelection();
        cutTxtAct->setEnabled(selected);
        copyTxtAct->setEnabled(selected);
    }
    // Later changes arrive through the plan window's signals.
    if (const auto* plan = qobject_cast<RouteDefView*>(activeMdiChild())) {
        const RouteItemKind current = plan->currentKind();
        removeLogFromErdAct->setEnabled(plan->model()->logCount() > 0);
        removeRouteFromErdAct->setEnabled(plan->model()->routeCount() > 0);
        addStartToErdAct->setEnabled(current > RouteGroupItem);
        addPointToErdAct->setEnabled(current > RouteGroupItem);
        removeStartFromErdAct->setEnabled(current == StartItem);
        removePointFromErdAct->setEnabled(current == PointItem);
    }
    if (const KodnevView* names = qobject_cast<KodnevView*>(activeMdiChild())) {
        kodNevEditEntryAct->setEnabled(names->hasSelection());
        kodNevDeleteEntryAct->setEnabled(names->hasSelection());
    }
    // Later moves of the current row arrive through the log window's stayOnPoint.
    if (const LogView* log = activeLogView())
        namedCurrentPointCmdAct->setEnabled(log->isCurrentNormal());
    updateFulfilmentActions();
}
