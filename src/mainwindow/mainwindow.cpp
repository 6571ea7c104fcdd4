#include "mainwindow/mainwindow.h"

#include "core/product.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/singleinstance.h"
#include "device/configdlg.h"
#include "device/initdlg.h"
#include "device/statusdlg.h"
#include "device/usbcom.h"
#include "device/vglclksetdlg.h"
#include "eventlog/logfile.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "mainwindow/documentpaths.h"
#include "core/printexport.h"
#include "mainwindow/txtview.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkDatagram>
#include <QPointer>
#include <QSettings>
#include <QUdpSocket>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>

namespace {

void setTexts(QAction* action, const QString& text, const QString& tip, const char* icon = nullptr)
{
    action->setText(text);
    action->setStatusTip(tip);
    if (icon)
        action->setIcon(QIcon(QString::fromLatin1(icon)));
}

// A file name as a menu entry: its "&" are letters, not accelerators.
QString menuSafe(const QString& text)
{
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

void showActions(std::initializer_list<QAction*> actions, bool on)
{
    // A command of another document kind is hidden and disabled, so its shortcut is dead too.
    for (QAction* a : actions) {
        a->setVisible(on);
        a->setEnabled(on);
    }
}
} // namespace

MainWindow::MainWindow()
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
    updateMenus();
    switchLanguage();
    mdiArea->cascadeSubWindows();

    appSettings().loadKodNevTable(this);

    move(appSettings().windowPosition);
    resize(appSettings().windowSize);
    setUnifiedTitleAndToolBarOnMac(true);

    printer = new QPrinter(QPrinter::HighResolution);

    udpSocket = new QUdpSocket(this);
    udpSocket->bind(QHostAddress::LocalHost, instancePort()); // a failed bind is not reported
    connect(udpSocket, &QUdpSocket::readyRead, this, &MainWindow::readPendingDatagrams);

    // A relative argument means the directory we were started in, not the working directory.
    // The program's own path is no document: only a real file argument is opened.
    const QString argument = handOffArgument(QCoreApplication::arguments());
    if (!argument.isEmpty())
        loadFile(QFileInfo(argument).absoluteFilePath());

    createHelpWindows();
}

MainWindow::~MainWindow()
{
    delete printer;
    delete mdiArea;
}

void MainWindow::createActions()
{
    auto make = [this](const char* name, void (MainWindow::*slot)()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        return action;
    };
    auto makeMdi = [this](const char* name, void (QMdiArea::*slot)()) {
        auto* action = new QAction(this);
        action->setObjectName(QString::fromLatin1(name));
        connect(action, &QAction::triggered, mdiArea, slot);
        return action;
    };

    newTxtFileAct = make("newTxtFileAct", &MainWindow::newTxtFile);
    fulfilmentAct = make("fulfilmentAct", qOverload<>(&MainWindow::fulfilment));
    fulfilmentCurrentAct = make("fulfilmentCurrentAct", &MainWindow::fulfilmentCurrent);
    newErdFileAct = make("newErdFileAct", &MainWindow::newErdFile);
    saveErdAct = make("saveErdAct", &MainWindow::saveErd);
    saveAsErdAct = make("saveAsErdAct", &MainWindow::saveAsErd);
    saveFfrAct = make("saveFfrAct", &MainWindow::saveFfr);
    saveAsFfrAct = make("saveAsFfrAct", &MainWindow::saveAsFfr);
    addLogToErdAct = make("addLogToErdAct", &MainWindow::addLogToErd);
    removeLogFromErdAct = make("removeLogFromErdAct", &MainWindow::removeLogFromErd);
    addRouteToErdAct = make("addRouteToErdAct", &MainWindow::addRouteToErd);
    removeRouteFromErdAct = make("removeRouteFromErdAct", &MainWindow::removeRouteFromErd);
    addStartToErdAct = make("addStartToErdAct", &MainWindow::addStartToErd);
    removeStartFromErdAct = make("removeStartFromErdAct", &MainWindow::removeStartFromErd);
    addPointToErdAct = make("addPointToErdAct", &MainWindow::addPointToErd);
    removePointFromErdAct = make("removePointFromErdAct", &MainWindow::removePointFromErd);
    modifyErdAct = make("modifyErdAct", &MainWindow::modifyErd);
    extractRouteAct = make("extractRouteAct", &MainWindow::extractRoute);
    routeExportAct = make("routeExportAct", &MainWindow::routeExport);
    routeImportAct = make("routeImportAct", &MainWindow::routeImport);
    reportExportAct = make("reportExportAct", &MainWindow::reportExport);
    expandDefaultAct = make("expandDefaultAct", &MainWindow::expandDefault);
    expandAllAct = make("expandAllAct", &MainWindow::expandAll);
    collapseAllAct = make("collapseAllAct", &MainWindow::collapseAll);
    openFileAct = make("openFileAct", &MainWindow::openFile);
    printAct = make("printAct", &MainWindow::print);
    previewAct = make("previewAct", &MainWindow::preview);
    kodNevOpenAct = make("kodNevOpenAct", &MainWindow::kodNevOpen);
    saveTxtAct = make("saveTxtAct", &MainWindow::saveTxt);
    saveAsTxtAct = make("saveAsTxtAct", &MainWindow::saveAsTxt);
    exitAct = make("exitAct", nullptr);
    connect(exitAct, &QAction::triggered, qApp, &QApplication::closeAllWindows);
    kodNevImportAct = make("kodNevImportAct", &MainWindow::kodNevImport);
    kodNevExportAct = make("kodNevExportAct", &MainWindow::kodNevExport);
    logExportAct = make("logExportAct", &MainWindow::logExport);
    logArchiveAct = make("logArchiveAct", &MainWindow::logArchive);
    kodNevNewEntryAct = make("kodNevNewEntryAct", &MainWindow::kodNevNewEntry);
    kodNevEditEntryAct = make("kodNevEditEntryAct", &MainWindow::kodNevEditEntry);
    kodNevDeleteEntryAct = make("kodNevDeleteEntryAct", &MainWindow::kodNevDeleteEntry);
    cutTxtAct = make("cutTxtAct", &MainWindow::cutTxt);
    copyTxtAct = make("copyTxtAct", &MainWindow::copyTxt);
    pasteTxtAct = make("pasteTxtAct", &MainWindow::pasteTxt);
    closeAct = makeMdi("closeAct", &QMdiArea::closeActiveSubWindow);
    closeAllAct = makeMdi("closeAllAct", &QMdiArea::closeAllSubWindows);
    readOutAct = make("readOutAct", &MainWindow::readOut);
    timeSetAct = make("timeSetAct", &MainWindow::timeSet);
    initializeAct = make("initializeAct", &MainWindow::initialize);
    statusAct = make("statusAct", &MainWindow::Status);
    configureAct = make("configureAct", &MainWindow::Configure);
    clockTuneAct = make("clockTuneAct", &MainWindow::clockTune);
    findCmdAct = make("findCmdAct", &MainWindow::findCmd);
    filterCmdAct = make("filterCmdAct", &MainWindow::filterCmd);
    nextSpecialCmdAct = make("nextSpecialCmdAct", &MainWindow::nextSpecialCmd);
    prevSpecialCmdAct = make("prevSpecialCmdAct", &MainWindow::prevSpecialCmd);
    unNamedPointsCmdAct = make("unNamedPointsCmdAct", &MainWindow::unNamedPointsCmd);
    namedCurrentPointCmdAct = make("namedCurrentPointCmdAct", &MainWindow::namedCurrentPointCmd);
    setupOptionAct = make("setupOptionAct", &MainWindow::setupOption);
    helpAct = make("helpAct", &MainWindow::help);
    tileAct = makeMdi("tileAct", &QMdiArea::tileSubWindows);
    cascadeAct = makeMdi("cascadeAct", &QMdiArea::cascadeSubWindows);
    nextAct = makeMdi("nextAct", &QMdiArea::activateNextSubWindow);
    previousAct = makeMdi("previousAct", &QMdiArea::activatePreviousSubWindow);
    recentSeparatorAct = make("recentSeparatorAct", nullptr);
    windowSeparatorAct = make("windowSeparatorAct", nullptr);
    optionsSeparatorAct = make("optionsSeparatorAct", nullptr);
    for (QAction* separator : {recentSeparatorAct, windowSeparatorAct, optionsSeparatorAct})
        separator->setSeparator(true);
    aboutAct = make("aboutAct", &MainWindow::about);
    aboutQtAct = make("aboutQtAct", nullptr);
    connect(aboutQtAct, &QAction::triggered, qApp, &QApplication::aboutQt);

    for (QAction*& recent : recentFileActs) {
        recent = make("recentFileAct", &MainWindow::openRecentFile);
        recent->setVisible(false);
    }
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(QString());
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    fileMenu->addActions({newTxtFileAct, newErdFileAct, saveErdAct, saveAsErdAct, fulfilmentAct,
                          fulfilmentCurrentAct, saveFfrAct, saveAsFfrAct});
    fileMenu->addSeparator();
    fileMenu->addActions({openFileAct, kodNevOpenAct, saveTxtAct, saveAsTxtAct, kodNevImportAct, kodNevExportAct,
                          logArchiveAct, logExportAct, routeImportAct, routeExportAct, reportExportAct, printAct,
                          previewAct});
    fileMenu->addAction(recentSeparatorAct);
    recentSeparatorAct->setVisible(false);
    for (QAction* recent : recentFileActs)
        fileMenu->addAction(recent);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAct);

    editMenu = menuBar()->addMenu(QString());
    editMenu->setObjectName(QStringLiteral("editMenu"));
    editMenu->addActions({addLogToErdAct, removeLogFromErdAct, addRouteToErdAct, removeRouteFromErdAct,
                          addStartToErdAct, removeStartFromErdAct, addPointToErdAct, removePointFromErdAct,
                          modifyErdAct});
    editMenu->addSeparator();
    editMenu->addActions({cutTxtAct, copyTxtAct, pasteTxtAct, kodNevNewEntryAct, kodNevEditEntryAct,
                          kodNevDeleteEntryAct, findCmdAct, prevSpecialCmdAct, nextSpecialCmdAct, filterCmdAct,
                          namedCurrentPointCmdAct, unNamedPointsCmdAct, extractRouteAct, optionsSeparatorAct,
                          setupOptionAct});

    dataTransferMenu = menuBar()->addMenu(QString());
    dataTransferMenu->setObjectName(QStringLiteral("dataTransferMenu"));
    dataTransferMenu->addActions({readOutAct, timeSetAct, initializeAct});
    dataTransferMenu->addSeparator();
    dataTransferMenu->addActions({statusAct, configureAct, clockTuneAct});

    nezetMenu = menuBar()->addMenu(QString());
    nezetMenu->setObjectName(QStringLiteral("nezetMenu"));
    updateNezetMenu();
    connect(nezetMenu, &QMenu::aboutToShow, this, &MainWindow::updateNezetMenu);

    menuBar()->addSeparator();

    helpMenu = menuBar()->addMenu(QString());
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    helpMenu->addActions({helpAct, aboutAct, aboutQtAct});

    updateRecentFileActions();
}

void MainWindow::createToolBars()
{
    fileToolBar = addToolBar(QString());
    fileToolBar->setObjectName(QStringLiteral("fileToolBar"));
    fileToolBar->addActions({openFileAct, newErdFileAct, saveErdAct, saveFfrAct, saveTxtAct, printAct, fulfilmentAct,
                             fulfilmentCurrentAct});

    dataTransferToolBar = addToolBar(QString());
    dataTransferToolBar->setObjectName(QStringLiteral("dataTransferToolBar"));
    dataTransferToolBar->addActions({readOutAct, timeSetAct, statusAct});

    editToolBar = addToolBar(QString());
    editToolBar->setObjectName(QStringLiteral("editToolBar"));
    editToolBar->addActions({cutTxtAct, copyTxtAct, pasteTxtAct, findCmdAct, prevSpecialCmdAct, nextSpecialCmdAct,
                             addRouteToErdAct, removeRouteFromErdAct, addStartToErdAct, removeStartFromErdAct,
                             addPointToErdAct, removePointFromErdAct, helpAct});
}

void MainWindow::retranslateActions()
{
    setTexts(newTxtFileAct, tr("&Új szöveg fájl"), tr("Egy új szöveg fájl létrehozása"), ":/images/new.png");
    newTxtFileAct->setShortcuts(QKeySequence::New);
    setTexts(openFileAct, tr("&Megnyit..."), tr("Egy létező fájl megnyitása"), ":/images/open.png");
    openFileAct->setShortcuts(QKeySequence::Open);
    setTexts(printAct, tr("&Nyomtatás..."), tr("A dokumentum kinyomtatása"), ":/images/printer32.png");
    printAct->setShortcuts(QKeySequence::Print);
    setTexts(previewAct, tr("Ny&omtatási kép..."), tr("A dokumentum nyomtatási képének előnézete"));
    setTexts(kodNevOpenAct, tr("&Ellenőrzési pontok"), tr("Az ellenőrzési pontok elnevezéseinek kezelése"));
    setTexts(kodNevImportAct, tr("&Importálás..."), tr("Ellenőrzési pontok elnevezéseinek importálása"));
    setTexts(kodNevExportAct, tr("&Exportálás..."), tr("Ellenőrzési pontok elnevezéseinek exportálása"));
    setTexts(logExportAct, tr("&Exportálás..."), tr("Az esemény napló exportálása más fájl formátumba"));
    setTexts(logArchiveAct, tr("&Archiválás..."), tr("A régi esemény bejegyzések archív fájlba mentése"));
    setTexts(kodNevNewEntryAct, tr("Ellenőrzési pont &felvétel"), tr("Egy új ellenőrzési pont név felvétele"));
    setTexts(kodNevEditEntryAct, tr("Ellenőrzési pont nevének &módosítása"),
             tr("Egy létező ellenőrzési pont nevének módosítása"));
    setTexts(kodNevDeleteEntryAct, tr("Ellenőrzési pont elnevezés &törlése"),
             tr("Egy létező ellenőrzési pont név törlése"));
    setTexts(saveTxtAct, tr("Men&tés"), tr("Szöveg fájl lemezre mentése"), ":/images/floppy32.png");
    saveTxtAct->setShortcuts(QKeySequence::Save);
    setTexts(saveAsTxtAct, tr("Mentés más né&ven..."), tr("Szöveg fájl lemezre mentése más néven"));
    saveAsTxtAct->setShortcuts(QKeySequence::SaveAs);
    setTexts(exitAct, tr("&Kilépés"), tr("Kilép a programból"));
    exitAct->setShortcuts(QKeySequence::Quit);
    setTexts(cutTxtAct, tr("Kivágás"), tr("A kijelölt tartomány kivágása és a vágólapra másolása"),
             ":/images/cut.png");
    cutTxtAct->setShortcuts(QKeySequence::Cut);
    setTexts(copyTxtAct, tr("Másolás"), tr("A kijelölt tartomány vágólapra másolása"), ":/images/copy.png");
    copyTxtAct->setShortcuts(QKeySequence::Copy);
    setTexts(pasteTxtAct, tr("Beillesztés"), tr("A vágólap tartalmának beillesztése"), ":/images/paste.png");
    pasteTxtAct->setShortcuts(QKeySequence::Paste);
    setTexts(findCmdAct, tr("&Bejegyzés keresés..."), tr("Bejegyzés keresése az esemény naplóban"),
             ":/images/nagyito32.png");
    findCmdAct->setShortcuts(QKeySequence::Find);
    setTexts(filterCmdAct, tr("Bejegyzések &szűrése..."), tr("Bejegyzés keresése az esemény naplóban"));
    setTexts(nextSpecialCmdAct, tr("&Következő rendkívüli esemény"),
             tr("Ugrás az esemény naplóban időrendben következő rendkívüli bejegyzésre"), ":/images/le.png");
    nextSpecialCmdAct->setShortcut(Qt::Key_Plus);
    setTexts(prevSpecialCmdAct, tr("&Előző rendkívüli esemény"),
             tr("Ugrás az esemény naplóban időrendben megelőző rendkívüli bejegyzésre"), ":/images/fel.png");
    prevSpecialCmdAct->setShortcut(Qt::Key_Minus);
    setTexts(namedCurrentPointCmdAct, tr("&Pont elnevezése..."),
             tr("Az aktuális ellenőrző pont elnevezése, vagy nevének módosítása"));
    setTexts(unNamedPointsCmdAct, tr("&Névtelen kódok keresése..."),
             tr("Az esemény naplóban még el nem nevezett ellenőrző pontok megkeresése és elnevezése"));
    setTexts(setupOptionAct, tr("&Beállítások..."), tr("A program működési paramétereinek beállítása"));
    setTexts(helpAct, tr("&Súgó..."), tr("A program beépített súgójának megjelenítése"), ":/images/help.png");
    setTexts(closeAct, tr("Ablak bezárása"), tr("Az aktív ablak bezárása"));
    setTexts(closeAllAct, tr("Minden ablakot bezár"), tr("Az összes megnyitott ablak bezárása"));
    setTexts(readOutAct, tr("&Kiolvasás"), tr("A csatlakoztatott készülék esemény naplójának kiolvasása"),
             ":/images/usb32.png");
    setTexts(timeSetAct, tr("&Dátum/idő beállítás..."), tr("A csatlakoztatott készülék belső órájának beállítása"),
             ":/images/ora32.png");
    setTexts(initializeAct, tr("&Inicializálás..."),
             tr("A csatlakoztatott készülék használatbavétel előtti beállítása"));
    setTexts(statusAct, tr("&Státusz"), tr("A csatlakoztatott készülék állapotának ellenőrzése"), ":/images/info.png");
    setTexts(configureAct, tr("Konfiguráció &beállítás..."),
             tr("A csatlakoztatott készülék működési paramétereinek beállítása"));
    setTexts(clockTuneAct, tr("Óra &hangolás..."), tr("A csatlakoztatott készülék órájának finomhangolása"));
    setTexts(tileAct, tr("&Mozaik"), tr("Egymás melletti ablak elrendezés"));
    setTexts(cascadeAct, tr("&Lépcsőzetes"), tr("Egymást átfedő, lépcsőzetes ablak elrendezés"));
    setTexts(nextAct, tr("Következő"), tr("A következő megnyitott ablakra váltás"));
    nextAct->setShortcuts(QKeySequence::NextChild);
    setTexts(previousAct, tr("Előző"), tr("Az előző megnyitott ablakra váltás"));
    previousAct->setShortcuts(QKeySequence::PreviousChild);
    setTexts(aboutAct, tr("Program info..."), tr("Verzió szám és egyéb információk"));
    setTexts(aboutQtAct, tr("&Qt info..."), tr("Információk a Qt rendszerről"));
    setTexts(newErdFileAct, tr("Új útvona&lterv"), tr("Egy új útvonal terv fájl létrehozása"),
             ":/images/iranytu32.png");
    setTexts(fulfilmentAct, tr("Teljesítés kiértékelés"),
             tr("Egy útvonal terv alapján jelentés készítés a teljesítésről"), ":/images/pipa.png");
    setTexts(fulfilmentCurrentAct, tr("Útvonal terv lefuttatása"),
             tr("Az aktuális, megnyitott útvonal terv alapján jelentés készítés a teljesítésről"),
             ":/images/routetst.png");
    setTexts(addLogToErdAct, tr("Esemény &napló hozzáadás"), tr("Esemény napló hozzáadása az útvonal tervhez"));
    setTexts(removeLogFromErdAct, tr("Esemény napló e&ltávolítás"),
             tr("Esemény napló eltávolítása az útvonal tervből"));
    setTexts(addRouteToErdAct, tr("Út&vonal hozzáadás"), tr("Új útvonal hozzáadása az útvonal tervhez"),
             ":/images/rtAdd.png");
    setTexts(removeRouteFromErdAct, tr("Útvonal &törlés"), tr("Egy útvonal törlése az útvonal tervből"),
             ":/images/rtDiscard.png");
    setTexts(addStartToErdAct, tr("&Indulási idő hozzáadás"),
             tr("Egy új indulási időpont hozzáadása az útvonal tervhez"), ":/images/stAdd.png");
    setTexts(removeStartFromErdAct, tr("Indulási idő &eltávolítás"),
             tr("Indulási időpont eltávolítása az útvonal tervből"), ":/images/stDiscard.png");
    setTexts(addPointToErdAct, tr("Ellenőrző &pont felvétel"),
             tr("Egy új ellenőrző pont hozzáadása az útvonal tervhez"), ":/images/ptAdd.png");
    setTexts(removePointFromErdAct, tr("Ellenőrző pont &megszüntetés"),
             tr("Egy ellenőrző pont törlése az útvonal tervből"), ":/images/ptDiscard.png");
    setTexts(modifyErdAct, tr("Mó&dosít..."), tr("Az útvonal terv kijelölt elemének módosítása"));
    setTexts(extractRouteAct, tr("Útvonal definiálás..."),
             tr("Az esemény napló kijelölt tartományából útvonal terv létrehozása"));
    setTexts(expandAllAct, tr("Csomópontok lenyitása"), tr("Az összes csomópont kinyitása a listában"));
    setTexts(expandDefaultAct, tr("Alapértelmezett csomópontok"),
             tr("Az alapértelmezett csomópontokon kívül az összeset bezárja a listában"));
    setTexts(collapseAllAct, tr("Csomópontok becsukása"), tr("Az összes csomópontot összecsukja"));
    setTexts(saveErdAct, tr("Men&tés"), tr("Az útvonal terv fájl lemezre mentése"), ":/images/floppy32.png");
    setTexts(saveAsErdAct, tr("Mentés más né&ven..."), tr("Az útvonal terv fájl lemezre mentése egy új néven"));
    setTexts(saveFfrAct, tr("Men&tés"), tr("A teljesítés jelentés fájl lemezre mentése"), ":/images/floppy32.png");
    setTexts(saveAsFfrAct, tr("Mentés más né&ven..."),
             tr("A teljesítés jelentés fájl lemezre mentése egy új néven"));
    setTexts(routeExportAct, tr("&Exportálás..."), tr("Útvonal terv exportálása"));
    setTexts(routeImportAct, tr("&Importálás..."), tr("Útvonal terv importálása"));
    setTexts(reportExportAct, tr("&Exportálás..."), tr("Teljesítés jelentés exportálása"));

    fileMenu->setTitle(tr("&File"));
    editMenu->setTitle(tr("Sz&erkeszt"));
    dataTransferMenu->setTitle(tr("&Adatátvitel"));
    nezetMenu->setTitle(tr("&Nézet"));
    helpMenu->setTitle(tr("&Súgó"));
    fileToolBar->setWindowTitle(tr("File"));
    dataTransferToolBar->setWindowTitle(tr("Adatátvitel"));
    editToolBar->setWindowTitle(tr("Szerkeszt"));

    setWindowTitle(tr("QUELTA - %1 %2").arg(productName(), QString()));
    statusBar()->showMessage(tr("QUELTA járőr ellenőrző rendszer"));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    for (QMdiSubWindow* window : mdiArea->subWindowList()) {
        if (!window->close()) {
            event->ignore();
            return;
        }
    }
    Settings& settings = appSettings();
    settings.windowPosition = pos();
    settings.windowSize = size();
    settings.save();
    event->accept();
}

void MainWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        switchLanguage();
    QMainWindow::changeEvent(event);
}

QWidget* MainWindow::activeMdiChild() const
{
    QMdiSubWindow* window = mdiArea->activeSubWindow();
    if (!window)
        return nullptr;
    if (window->widget() && window->widget()->inherits("TxtView"))
        return window->widget();
    return window;
}

int MainWindow::activeViewKind() const
{
    const QWidget* child = activeMdiChild();
    if (!child)
        return NoView;
    static const char* const kinds[] = {"TxtView", "KodnevView", "LogView", "RouteDefView", "EvaluationView"};
    for (int i = 0; i < 5; ++i) {
        if (child->inherits(kinds[i]))
            return TxtViewKind + i;
    }
    return NoView;
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
    // Later moves of the current row arrive through the log window's stayOnPoint.
    if (const LogView* log = activeLogView())
        namedCurrentPointCmdAct->setEnabled(log->isCurrentNormal());
}

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
        const QString text = QStringLiteral("%1 %2").arg(i + 1).arg(menuSafe(windowMenuName(window)));
        QAction* entry = nezetMenu->addAction(i < 9 ? QLatin1Char('&') + text : text);
        entry->setCheckable(true);
        entry->setChecked(window == active || window->widget() == active);
        QPointer<QMdiSubWindow> target(window);
        connect(entry, &QAction::triggered, this, [this, target] { setActiveSubWindow(target); });
    }
}

QString MainWindow::windowMenuName(QMdiSubWindow* window) const
{
    if (auto* text = qobject_cast<TxtView*>(window->widget()))
        return text->userFriendlyCurrentFile();
    if (auto* log = qobject_cast<LogView*>(window))
        return QFileInfo(log->currentFile).fileName();
    return window->windowTitle();
}

void MainWindow::closeActiveSubWindow()
{
    mdiArea->closeActiveSubWindow();
}

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

void MainWindow::setActiveSubWindow(QWidget* window)
{
    if (!window)
        return;
    mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(window));
}

void MainWindow::switchLayoutDirection()
{
    if (layoutDirection() == Qt::LeftToRight)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    else
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void MainWindow::switchLanguage()
{
    loadTranslations();
    retranslateActions();
}

void MainWindow::about()
{
    Prompts::Request request;
    request.kind = Prompts::Kind::Information;
    request.parent = this;
    request.title = tr("Program információk");
    request.icon = QIcon(QStringLiteral(":/images/wyx.ico")).pixmap(48, 48);
    request.textFormat = Qt::RichText;
    request.text =
        tr("<p><b><big>%1 Őr ellenőrző kiértékelő program</big></b></p>"
           "<p><b>Verzió: %2</b></p>"
           "<p><br/>Ez a program a Qt Project függvény könyvtárait használja, amire az LGPL licensz vonatkozik. "
           "Ezen függvény könyvtárak forráskódja megismerhető, és szabadon módosíthatóak. További információ: "
           "<a href=\"https://www.qt.io/licensing/\">https://www.qt.io/licensing/</a><br/>"
           "Mindazonáltal nem tudunk garanciát vállalni arra, hogy egy módosított, vagy más verziójú DLL "
           "alkalmazásával a program megfelelően fog működni.</p>")
            .arg(productName(), productVersion());
    Prompts::ask(request);
}

// Filled in together with the document windows, dialogs, device commands, recent files,
// help and translations they drive.
void MainWindow::loadTranslations() {}
void MainWindow::newErdFile() {}
void MainWindow::saveErd() {}
void MainWindow::saveAsErd() {}
void MainWindow::fulfilmentCurrent() {}
void MainWindow::fulfilment(RouteDefModel*) {}
void MainWindow::fulfilment() {}
void MainWindow::saveFfr() {}
void MainWindow::saveAsFfr() {}
void MainWindow::print() {}
void MainWindow::preview() {}
void MainWindow::kodNevOpen() {}
void MainWindow::kodNevImport() {}
void MainWindow::kodNevExport() {}
void MainWindow::logExport() {}
void MainWindow::logArchive() {}
void MainWindow::routeExport() {}
void MainWindow::routeImport() {}
void MainWindow::reportExport() {}
void MainWindow::kodNevNewEntry() {}
void MainWindow::kodNevEditEntry() {}
void MainWindow::kodNevDeleteEntry() {}
void MainWindow::addLogToErd() {}
void MainWindow::removeLogFromErd() {}
void MainWindow::addRouteToErd() {}
void MainWindow::removeRouteFromErd() {}
void MainWindow::addStartToErd() {}
void MainWindow::removeStartFromErd() {}
void MainWindow::addPointToErd() {}
void MainWindow::removePointFromErd() {}
void MainWindow::modifyErd() {}
void MainWindow::extractRoute() {}
void MainWindow::collapseAll() {}
void MainWindow::expandAll() {}
void MainWindow::expandDefault() {}
void MainWindow::findCmd() {}
void MainWindow::filterCmd() {}
void MainWindow::namedCurrentPointCmd() {}
void MainWindow::findLogEntry() {}
void MainWindow::setupOption() {}
void MainWindow::help() {}
void MainWindow::switchHelpLanguage() {}
void MainWindow::createHelpWindows() {}

// ---- Document windows and file opening

namespace {
const QString recentFilesKey = QStringLiteral("recentFileList");
constexpr int maxDeferredFiles = 32; // a flood of datagrams during a device command is not kept

} // namespace

LogView* MainWindow::activeLogView() const
{
    return qobject_cast<LogView*>(activeMdiChild());
}

TxtView* MainWindow::activeTxtView() const
{
    return qobject_cast<TxtView*>(activeMdiChild());
}

void MainWindow::fitNewWindow(QWidget* window) const
{
    const QRect area = contentsRect();
    if (area.width() > 100 && area.height() > 200)
        window->resize(area.width() - 50, area.height() - 100);
}

TxtView* MainWindow::createTxtView()
{
    auto* view = new TxtView;
    fitNewWindow(view);
    mdiArea->addSubWindow(view);
    connect(view, &QTextEdit::copyAvailable, cutTxtAct, &QAction::setEnabled);
    connect(view, &QTextEdit::copyAvailable, copyTxtAct, &QAction::setEnabled);
    return view;
}

LogView* MainWindow::createLogView()
{
    auto* view = new LogView;
    fitNewWindow(view);
    mdiArea->addSubWindow(view);
    connect(view, &LogView::LocalMenuInvoked, this, &MainWindow::LogContextMenuEvent);
    connect(view, &LogView::stayOnPoint, namedCurrentPointCmdAct, &QAction::setEnabled);
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
        if (auto* text = qobject_cast<TxtView*>(window->widget())) {
            if (text->currentFile() == absolute || (!canonical.isEmpty() && text->currentFile() == canonical))
                return window;
        } else if (auto* log = qobject_cast<LogView*>(window)) {
            if (samePlatformPath(log->currentFile, absolute))
                return window;
        }
    }
    return nullptr;
}

void MainWindow::loadFile(const QString& fileName)
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
    switch (documentKindForName(fileName)) {
    case LogViewKind: {
        LogView* log = createLogView();
        window = log;
        loaded = log->loadFile(fileName);
        message = tr("Esemény napló fájl betöltve");
        break;
    }
    case TxtViewKind: {
        TxtView* text = createTxtView();
        window = qobject_cast<QMdiSubWindow*>(text->parentWidget());
        loaded = text->loadFile(fileName);
        message = tr("Szöveg fájl betöltve");
        break;
    }
    default:
        // Route plans and reports open here once their windows exist; other names are ignored.
        return;
    }
    if (!loaded) {
        window->close(); // the loader has said why
        return;
    }
    statusBar()->showMessage(message, 2000);
    window->show();
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

void MainWindow::saveTxt()
{
    TxtView* text = activeTxtView();
    if (text && text->save()) {
        statusBar()->showMessage(tr("A fájl elmentve"), 2000);
        setCurrentFile(text->currentFile());
    }
}

void MainWindow::saveAsTxt()
{
    TxtView* text = activeTxtView();
    if (text && text->saveAs()) {
        statusBar()->showMessage(tr("A fájl elmentve"), 2000);
        setCurrentFile(text->currentFile());
    }
}

void MainWindow::runContextMenu(QContextMenuEvent* event, const QList<QAction*>& actions)
{
    QMenu menu(this);
    menu.addActions(actions);
    menu.exec(event->globalPos());
}

void MainWindow::KodNevContextMenuEvent(QContextMenuEvent* event)
{
    runContextMenu(event, {kodNevNewEntryAct, kodNevEditEntryAct, kodNevDeleteEntryAct});
}

void MainWindow::ErdContextMenuEvent(QContextMenuEvent* event)
{
    runContextMenu(event, {saveErdAct, saveAsErdAct, fulfilmentCurrentAct, addLogToErdAct, removeLogFromErdAct,
                           addRouteToErdAct, removeRouteFromErdAct, addStartToErdAct, removeStartFromErdAct,
                           addPointToErdAct, removePointFromErdAct, modifyErdAct});
}

void MainWindow::LogContextMenuEvent(QContextMenuEvent* event)
{
    runContextMenu(event, {prevSpecialCmdAct, nextSpecialCmdAct, findCmdAct, filterCmdAct, namedCurrentPointCmdAct});
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

// ---- Recent files and the single-instance listener

void MainWindow::setCurrentFile(const QString& fileName)
{
    setWindowFilePath(fileName);
    QSettings settings;
    QStringList files = settings.value(recentFilesKey).toStringList();
    files.removeAll(fileName);
    files.prepend(fileName);
    while (files.size() > MaxRecentFiles)
        files.removeLast();
    settings.setValue(recentFilesKey, files);
    updateRecentFileActions();
}

void MainWindow::updateRecentFileActions()
{
    const QStringList files = QSettings().value(recentFilesKey).toStringList();
    const int count = qMin(files.size(), int(MaxRecentFiles));
    for (int i = 0; i < MaxRecentFiles; ++i) {
        QAction* action = recentFileActs[i];
        if (i < count) {
            action->setText(tr("&%1 %2").arg(i + 1).arg(menuSafe(QFileInfo(files.at(i)).fileName())));
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
    return udpSocket->bind(QHostAddress::LocalHost, port);
}

quint16 MainWindow::instanceListenerPort() const
{
    return udpSocket->localPort();
}

void MainWindow::readPendingDatagrams()
{
    while (udpSocket->hasPendingDatagrams()) {
        QByteArray bytes(int(qMax<qint64>(0, udpSocket->pendingDatagramSize())), '\0');
        if (udpSocket->readDatagram(bytes.data(), bytes.size()) < 0)
            break;
        const QString path = datagramPath(bytes);
        if (path.isNull())
            continue;
        if (deviceCommandDepth > 0) {
            // Opening windows in the middle of a read-out could even open the log being read.
            if (!deferredFiles.contains(path) && deferredFiles.size() < maxDeferredFiles)
                deferredFiles.append(path);
            continue;
        }
        loadFile(path);
        activateWindow();
    }
}

void MainWindow::openDeferredFiles()
{
    if (deferredFiles.isEmpty())
        return;
    const QStringList files = std::exchange(deferredFiles, QStringList());
    for (const QString& path : files)
        loadFile(path);
    activateWindow();
}

// ---- Device commands

class MainWindow::DeviceCommandScope
{
public:
    explicit DeviceCommandScope(MainWindow* window)
        : m_window(window)
        , m_nested(window->deviceCommandDepth++ > 0)
    {
    }
    ~DeviceCommandScope()
    {
        if (--m_window->deviceCommandDepth == 0)
            m_window->openDeferredFiles();
    }
    DeviceCommandScope(const DeviceCommandScope&) = delete;
    DeviceCommandScope& operator=(const DeviceCommandScope&) = delete;
    bool nested() const { return m_nested; }

private:
    MainWindow* m_window;
    bool m_nested;
};

namespace {
// Opens the logger and reads its record; a failure has been shown when false.
bool openDevice(UsbCom& usb)
{
    UsbErrorCodes result = usb.open();
    if (result == UsbOk)
        result = usb.getDeviceInfo();
    usb.showError(result, false);
    return result == UsbOk;
}

QString logPathForDevice(const UsbCom& usb)
{
    return pathInWorkDir(LogFile::fileNameForDevice(usb.deviceName));
}
} // namespace

void MainWindow::readOut()
{
    DeviceCommandScope busy(this);
    if (busy.nested())
        return;
    UsbCom usb;
    if (!openDevice(usb))
        return;
    const QString path = logPathForDevice(usb);

    QPointer<LogView> view = qobject_cast<LogView*>(findMdiChild(path));
    if (view) {
        mdiArea->setActiveSubWindow(view);
    } else {
        view = createLogView();
        view->setCurrentFile(path);
        bool fresh = true;
        if (QFileInfo::exists(path)) {
            fresh = !view->table()->loadFile(path, nullptr);
            if (fresh) {
                if (!askYesNo(this, tr("Kiolvasás"),
                              tr("Az esemény napló már létezik, de nem sikerült betölteni.\n"
                                 "Létrehozzunk helyette egy újat?"),
                              tr("Igen"), tr("Nem"))) {
                    view->close();
                    return;
                }
                // The damaged log must be out of the way before the new one is saved in its place.
                if (LogFile::setAside(path).isEmpty()) {
                    view->close();
                    Prompts::warning(this, tr("Kiolvasás"),
                                     tr("A sérült esemény naplót nem sikerült átnevezni:\n%1\n"
                                        "A kiolvasás elmarad.")
                                         .arg(QDir::toNativeSeparators(path)));
                    return;
                }
            }
        }
        if (fresh) {
            LogModel* log = view->table()->logModel;
            log->setDeviceIdentity(&usb);
            log->clearEntries();
        }
        view->show();
    }

    // A failed read-out leaves the log as it was, so closing the window loses nothing.
    const bool done = view->table()->readOut(&usb);
    if (!done && view)
        view->close();
    setCurrentFile(path);
}

void MainWindow::timeSet()
{
    DeviceCommandScope busy(this);
    if (busy.nested())
        return;
    vglClkSetDlg dialog(nullptr);
    UsbCom usb;
    if (!openDevice(usb))
        return;
    dialog.showDeviceInfo(&usb);
    if (dialog.exec() != QDialog::Accepted)
        return;
    usb.showError(usb.setClock(dialog.time), false);
}

void MainWindow::clockTune()
{
    DeviceCommandScope busy(this);
    if (busy.nested())
        return;
    UsbCom usb;
    if (!askYesNo(this, tr("Óra hangolás"),
                  tr("Az óra hangoláshoz szükséges, hogy a számítógép órája pontos legyen!\nFolytathatjuk?"),
                  tr("Igen"), tr("Nem")))
        return;
    UsbErrorCodes result = usb.open();
    if (result == UsbOk)
        result = usb.tuneClock();
    usb.showError(result, false);
}

void MainWindow::initialize()
{
    DeviceCommandScope busy(this);
    if (busy.nested())
        return;
    InitDlg dialog(nullptr);
    UsbCom usb;
    if (!openDevice(usb))
        return;
    dialog.showDeviceInfo(&usb);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QDateTime previousInit = usb.initDate;
    const UsbErrorCodes result = usb.initDevice(dialog.newName, dialog.time);
    if (result != UsbOk) {
        usb.showError(result, false);
        return;
    }
    // The name as the logger's 8-byte field holds it, which is what the log is saved under.
    QString path = logPathForDevice(usb);
    if (QMdiSubWindow* old = findMdiChild(path))
        old->close();
    LogView* view = createLogView();
    view->show();
    view->setCurrentFile(path);
    if (QFileInfo::exists(path))
        QFile::remove(path);

    const UsbErrorCodes reread = usb.getDeviceInfo();
    if (reread != UsbOk) {
        usb.showError(reread, false); // the new, empty window stays
        return;
    }
    if (logPathForDevice(usb) != path) {
        path = logPathForDevice(usb);
        view->setCurrentFile(path);
    }
    LogModel* log = view->table()->logModel;
    log->setDeviceIdentity(&usb);
    log->clearEntries();
    log->appendProgramEntry(usb.initDate, previousInit, 223);
    log->saveToDefault(this);
    setCurrentFile(path);
}

void MainWindow::Status()
{
    DeviceCommandScope busy(this);
    if (busy.nested())
        return;
    StatusDlg dialog(this);
    dialog.exec();
}

void MainWindow::Configure()
{
    DeviceCommandScope busy(this);
    if (busy.nested())
        return;
    ConfigDlg dialog(this);
    dialog.exec();
}
