#include "mainwindow/mainwindow.h"

#include "core/constants.h"
#include "core/documentwindow.h"
#include "core/printexport.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/singleinstance.h"
#include "core/wyxapp.h"
#include "eventlog/logview.h"
#include "evaluation/evaluationview.h"
#include "mainwindow/documentpaths.h"
#include "mainwindow/txtview.h"
#include "routes/routedefview.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QStatusBar>
#include <QTextEdit>
#include <QTimer>
#include <QUdpSocket>

#include <functional>
#include <utility>

namespace {

constexpr int maxQueuedHandOvers = 1000; // the rest of a flood is not kept
constexpr int maxReportedFailures = 5; // the rest of a flood is only counted

// A file name as a menu entry: its "&" are letters, not accelerators.
QString menuSafe(const QString& text)
{
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}
} // namespace

QWidget* MainWindow::activeMdiChild() const
{
    QMdiSubWindow* window = mdiArea->activeSubWindow();
    if (!window)
        return nullptr;
    // A document widget in a plain sub-window (the text window) is the child itself.
    if (!qobject_cast<DocumentWindow*>(window) && qobject_cast<DocumentWindow*>(window->widget()))
        return window->widget();
    return window;
}

DocumentWindow* MainWindow::activeDocument() const
{
    return documentWindowOf(mdiArea->activeSubWindow());
}

int MainWindow::activeViewKind() const
{
    const DocumentWindow* document = activeDocument();
    return document ? document->viewKind() : NoView;
}

LogView* MainWindow::activeLogView() const
{
    return qobject_cast<LogView*>(activeMdiChild());
}

namespace {

// The area places a new window when it is shown, cascading it from the others, which can
// push it past the area's edges: once placed, it is moved back inside and, where it must
// be, made smaller. A window made before the main window was shown is sized only then: the
// area arranges the windows it holds when it first shows, whatever size they were given.
class KeepInsideArea : public QObject
{
public:
    KeepInsideArea(QMdiSubWindow* window, std::function<QSize()> sizeWhenShown)
        : QObject(window), sizeWhenShown(std::move(sizeWhenShown))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* window = static_cast<QMdiSubWindow*>(watched);
            QTimer::singleShot(0, window, [this, window] { fitInside(window); });
        }
        return false;
    }

private:
    void fitInside(QMdiSubWindow* window)
    {
        QMdiArea* area = window->mdiArea();
        if (!area || window->isMaximized() || window->isMinimized())
            return;
        const QRect bounds = area->viewport()->rect();
        QRect g = window->geometry();
        if (sizeWhenShown) {
            g.setSize(sizeWhenShown());
            sizeWhenShown = nullptr;
        }
        g.setSize(g.size().boundedTo(bounds.size()));
        g.moveLeft(qBound(0, g.left(), bounds.width() - g.width()));
        g.moveTop(qBound(0, g.top(), bounds.height() - g.height()));
        if (g != window->geometry())
            window->setGeometry(g);
    }

    std::function<QSize()> sizeWhenShown;
};

} // namespace

// A new window takes most of the window area, and never more than the area holds. Every
// document window is sized here, however its file arrives.
QSize MainWindow::newWindowSize(const QMdiSubWindow* window) const
{
    const QRect own = contentsRect();
    QSize size(own.width() - 50, own.height() - 100);
    if (own.width() <= 100 || own.height() <= 200)
        size = window->size();
    if (mdiArea->isVisible())
        size = size.boundedTo(mdiArea->viewport()->size());
    return size.expandedTo(window->minimumSizeHint());
}

void MainWindow::fitNewWindow(QMdiSubWindow* window) const
{
    window->resize(newWindowSize(window));
    std::function<QSize()> sizeWhenShown;
    if (!isVisible())
        sizeWhenShown = [this, window] { return newWindowSize(window); };
    window->installEventFilter(new KeepInsideArea(window, std::move(sizeWhenShown)));
}

TxtView* MainWindow::createTxtView()
{
    auto* view = new TxtView;
    fitNewWindow(mdiArea->addSubWindow(view));
    connect(view, &QTextEdit::copyAvailable, cutTxtAct, &QAction::setEnabled);
    connect(view, &QTextEdit::copyAvailable, copyTxtAct, &QAction::setEnabled);
    return view;
}

LogView* MainWindow::createLogView()
{
    auto* view = new LogView;
    mdiArea->addSubWindow(view);
    fitNewWindow(view);
    connect(view, &LogView::LocalMenuInvoked, this, &MainWindow::LogContextMenuEvent);
    connect(view, &LogView::stayOnPoint, namedCurrentPointCmdAct, &QAction::setEnabled);
    return view;
}

RouteDefView* MainWindow::createRouteDefView()
{
    auto* view = new RouteDefView;
    mdiArea->addSubWindow(view);
    fitNewWindow(view); // the plan's own size hint can be wider than the area
    connect(view, &RouteDefView::haveLog, removeLogFromErdAct, &QAction::setEnabled);
    connect(view, &RouteDefView::haveRoute, removeRouteFromErdAct, &QAction::setEnabled);
    connect(view, &RouteDefView::stayOnRoute, addStartToErdAct, &QAction::setEnabled);
    connect(view, &RouteDefView::stayOnRoute, addPointToErdAct, &QAction::setEnabled);
    connect(view, &RouteDefView::stayOnStart, removeStartFromErdAct, &QAction::setEnabled);
    connect(view, &RouteDefView::stayOnPoint, removePointFromErdAct, &QAction::setEnabled);
    connect(view, &RouteDefView::LocalMenuInvoked, this, &MainWindow::ErdContextMenuEvent);
    return view;
}

QMdiSubWindow* MainWindow::findMdiChild(const QString& fileName) const
{
    // Relative names lie in the working directory, as they do for every loader.
    const QString absolute = pathInWorkDir(fileName);
    const QString canonical = QFileInfo(absolute).canonicalFilePath();
    for (QMdiSubWindow* window : mdiArea->subWindowList()) {
        if (window->isHidden())
            continue; // closed and about to be deleted
        const DocumentWindow* document = documentWindowOf(window);
        if (!document)
            continue;
        const QString file = document->documentFile();
        if (document->viewKind() == TxtViewKind) {
            // A text window holds the canonical path, so a link or a roundabout name finds it too.
            if (file == absolute || (!canonical.isEmpty() && file == canonical))
                return window;
        } else if (samePlatformPath(file, absolute)) {
            return window;
        }
    }
    return nullptr;
}

void MainWindow::loadFile(const QString& fileName, QStringList* failures)
{
    if (fileName.isEmpty())
        return;
    if (QMdiSubWindow* existing = findMdiChild(fileName)) {
        mdiArea->setActiveSubWindow(existing);
        return;
    }
    QMdiSubWindow* window = nullptr;
    bool loaded = false;
    QString message;
    QString failure;
    QString* failureOut = failures ? &failure : nullptr;
    switch (documentKindForName(fileName)) {
    case LogViewKind: {
        LogView* log = createLogView();
        window = log;
        loaded = log->loadFile(fileName, failureOut);
        message = tr("Esemény napló fájl betöltve");
        break;
    }
    case TxtViewKind: {
        TxtView* text = createTxtView();
        window = qobject_cast<QMdiSubWindow*>(text->parentWidget());
        loaded = text->loadFile(fileName, failureOut);
        message = tr("Szöveg fájl betöltve");
        break;
    }
    case RouteDefViewKind: {
        RouteDefView* plan = createRouteDefView();
        window = plan;
        loaded = plan->loadFile(fileName, failureOut); // anything but "erd" is imported from the older format
        if (!loaded)
            plan->setWindowModified(false); // closes without the save question
        message = tr("Útvonal terv fájl betöltve");
        break;
    }
    case EvaluationViewKind: {
        EvaluationView* report = createEvaluationView();
        window = report;
        loaded = report->loadFile(fileName, failureOut);
        message = tr("Teljesítés jelentés fájl betöltve");
        break;
    }
    default:
        // Other names are ignored.
        return;
    }
    if (!loaded) {
        window->close(); // the loader has said why, or told failures
        if (failures && !failure.isEmpty())
            failures->append(failure);
        return;
    }
    statusBar()->showMessage(message, 2000);
    window->show();
    if (auto* plan = qobject_cast<RouteDefView*>(window))
        plan->expandDefault();
    setCurrentFile(fileName);
}

void MainWindow::newTxtFile()
{
    TxtView* text = createTxtView();
    text->newFile();
    text->parentWidget()->show();
}

void MainWindow::openFile()
{
    const QStringList filters = {tr("Esemény naplók (*.%1 *.%2)").arg(extEventLog, extEventArchive),
                                 tr("Őrjárat leírások (*.%1 *.%2)").arg(extRoutePlan, extRoutePlanImport),
                                 tr("Teljesítés jelentések (*.%1)").arg(extReport),
                                 tr("Egyszerű szövegfájlok (*.%1)").arg(extText), tr("Minden fájl (*)")};
    const QString fileName =
        Prompts::openFileName(this, QString(), appSettings().workDir, filters.join(QLatin1String(";;")));
    if (!fileName.isEmpty())
        loadFile(fileName);
}

void MainWindow::saveActiveDocument(int kind, bool asNew, const QString& message)
{
    DocumentWindow* document = activeDocument();
    if (!document || document->viewKind() != kind)
        return;
    const DocumentWindow::Outcome outcome = asNew ? document->saveDocumentAs() : document->saveDocument();
    if (outcome != DocumentWindow::Done)
        return;
    statusBar()->showMessage(message, 2000);
    setCurrentFile(document->documentFile()); // a saved file enters the recent files
}

void MainWindow::saveTxt()
{
    saveActiveDocument(TxtViewKind, false, tr("A fájl elmentve"));
}

void MainWindow::saveAsTxt()
{
    saveActiveDocument(TxtViewKind, true, tr("A fájl elmentve"));
}

// ---- The window menu

void MainWindow::updateNezetMenu()
{
    nezetMenu->clear();
    nezetMenu->addActions({closeAct, closeAllAct});
    nezetMenu->addSeparator();
    nezetMenu->addActions({tileAct, cascadeAct});
    nezetMenu->addSeparator();
    nezetMenu->addActions({nextAct, previousAct, expandAllAct, expandDefaultAct, collapseAllAct, windowSeparatorAct});
    const QList<QMdiSubWindow*> windows = mdiArea->subWindowList();
    windowSeparatorAct->setVisible(!windows.isEmpty());

    QWidget* active = activeMdiChild();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        const QString text = QStringLiteral("%1 %2").arg(QString::number(i + 1), menuSafe(windowMenuName(window)));
        QAction* entry = nezetMenu->addAction(i < 9 ? QLatin1Char('&') + text : text);
        entry->setCheckable(true);
        entry->setChecked(window == active || window->widget() == active);
        QPointer<QMdiSubWindow> target(window);
        connect(entry, &QAction::triggered, this, [this, target] { setActiveSubWindow(target); });
    }
}

QString MainWindow::windowMenuName(QMdiSubWindow* window) const
{
    if (const DocumentWindow* document = documentWindowOf(window)) {
        // The one code-name list is named as the options hold it, folder included.
        if (document->viewKind() == KodnevViewKind)
            return appSettings().codeFile;
        return QFileInfo(document->documentFile()).fileName();
    }
    return window->windowTitle();
}

void MainWindow::closeActiveSubWindow()
{
    mdiArea->closeActiveSubWindow();
}

void MainWindow::setActiveSubWindow(QWidget* window)
{
    if (!window)
        return;
    mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window));
}

// ---- Text editing

void MainWindow::cutTxt()
{
    if (activeViewKind() == TxtViewKind)
        static_cast<QTextEdit*>(activeMdiChild())->cut();
}

void MainWindow::copyTxt()
{
    if (activeViewKind() == TxtViewKind)
        static_cast<QTextEdit*>(activeMdiChild())->copy();
}

void MainWindow::pasteTxt()
{
    if (activeViewKind() == TxtViewKind)
        static_cast<QTextEdit*>(activeMdiChild())->paste();
}

// ---- Recent files and the single-instance listener

void MainWindow::setCurrentFile(const QString& fileName)
{
    setWindowFilePath(fileName);
    QStringList files = appSettings().recentFiles();
    files.removeAll(fileName);
    files.prepend(fileName);
    appSettings().setRecentFiles(files); // keeps the newest six
    updateRecentFileActions();
}

void MainWindow::updateRecentFileActions()
{
    const QStringList files = appSettings().recentFiles();
    const int count = qMin(files.size(), int(MaxRecentFiles));
    for (int i = 0; i < MaxRecentFiles; ++i) {
        QAction* action = recentFileActs[i];
        if (i < count) {
            action->setText(tr("&%1 %2").arg(QString::number(i + 1), menuSafe(QFileInfo(files.at(i)).fileName())));
            action->setData(files.at(i));
        }
        action->setVisible(i < count);
    }
    recentSeparatorAct->setVisible(count > 0);
}

void MainWindow::openRecentFile()
{
    if (auto* action = qobject_cast<QAction*>(sender()))
        loadFile(action->data().toString());
}

bool MainWindow::setInstancePort(quint16 port)
{
    udpSocket->close();
    return udpSocket->bind(QHostAddress::LocalHost, port, QUdpSocket::DontShareAddress);
}

quint16 MainWindow::instanceListenerPort() const
{
    return udpSocket->localPort();
}

void MainWindow::readPendingDatagrams()
{
    // Every datagram is read as soon as it arrives, whatever is shown meanwhile: one left
    // unread would keep the socket from signalling the next. Only this user's later starts
    // know the secret; anything else costs one read into the buffer and is dropped unseen.
    QByteArray bytes(handOverSecretSize + maxDatagramPathBytes + 1, Qt::Uninitialized);
    QByteArray payload;
    while (udpSocket->hasPendingDatagrams()) {
        const qint64 size = udpSocket->readDatagram(bytes.data(), bytes.size());
        if (size < 0)
            break;
        if (size == bytes.size() || !handOverPayload(QByteArray::fromRawData(bytes.constData(), int(size)),
                                                     handOverKey, &payload))
            continue; // too long to be a path, or not from this user
        const QString path = datagramPath(payload);
        if (path.isNull() || handOverQueue.contains(path))
            continue;
        if (handOverQueue.size() < maxQueuedHandOvers)
            handOverQueue.append(path);
    }
    scheduleHandOvers();
}

void MainWindow::setHandOversHeld(bool held)
{
    handOversHeld = held;
    scheduleHandOvers();
}

void MainWindow::scheduleHandOvers()
{
    if (handOverScheduled || handOverQueue.isEmpty())
        return;
    // Opened from the event loop, never inside the socket's signal.
    handOverScheduled = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            handOverScheduled = false;
            openHandedOverFiles();
        },
        Qt::QueuedConnection);
}

void MainWindow::openHandedOverFiles()
{
    // Opening windows in the middle of a read-out could even open the log being read; in
    // the middle of an evaluation, the report being filled: the files wait for their end.
    // While a gathered message is shown, files arriving meanwhile wait for it to close and
    // are told in the next one, never in a box stacked on it.
    if (handOverRunning || handOversHeld || deviceCommandRunning || fulfilmentRunning)
        return;
    if (QApplication::activeModalWidget()) {
        // A dialog of the user's is up: nothing opens behind it and no box is stacked on it.
        QTimer::singleShot(200, this, &MainWindow::scheduleHandOvers);
        return;
    }
    handOverRunning = true;
    while (!handOverQueue.isEmpty() && !deviceCommandRunning && !fulfilmentRunning) {
        const QStringList files = std::exchange(handOverQueue, QStringList());
        QStringList failures;
        for (const QString& path : files)
            loadFile(path, &failures);
        activateWindow();
        if (failures.isEmpty())
            continue;
        QStringList shown = failures.mid(0, maxReportedFailures);
        if (failures.size() > maxReportedFailures)
            shown.append(tr("... és további %n fájl.", nullptr, failures.size() - maxReportedFailures));
        Prompts::warning(this, tr("Fájl megnyitás"), shown.join(QLatin1String("\n\n")));
    }
    handOverRunning = false;
}

void MainWindow::openDeferredFiles()
{
    openHandedOverFiles();
}
