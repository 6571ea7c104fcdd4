#include "mainwindow/mainwindow.h"

#include "core/product.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace {

void setTexts(QAction* action, const QString& text, const QString& tip, const char* icon = nullptr)
{
    action->setText(text);
    action->setStatusTip(tip);
    if (icon)
        action->setIcon(QIcon(QString::fromLatin1(icon)));
}
} // namespace

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
