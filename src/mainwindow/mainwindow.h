#pragma once
// The program's one top-level window: menus, tool bars and the MDI area of the documents.
#include <QMainWindow>
#include <QStringList>
#include <QTranslator>

#include <functional>

class DocumentWindow;
class EvaluationView;
class KodnevView;
class LogFindDlg;
class LogView;
class TxtView;
class QAction;
class QContextMenuEvent;
class QDockWidget;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;
class QUdpSocket;
class RouteDefModel;
class RouteDefView;
class UsbCom;

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow();
    ~MainWindow() override;
    // The local UDP port this instance's later starts hand their files to, and the secret
    // their datagrams must carry.
    quint16 listenerPort() const;
    QByteArray handOverSecret() const { return handOverKey; }

    // The active document: the text editor of a text window, otherwise the sub-window.
    QWidget* activeMdiChild() const;
    int activeViewKind() const; // a ViewKind
    // The active document window through what every kind offers; null with none.
    DocumentWindow* activeDocument() const;
    // New document windows, added to the MDI area but not yet shown.
    TxtView* createTxtView();
    KodnevView* createKodnevView();
    LogView* createLogView();
    RouteDefView* createRouteDefView();
    // The sub-window that already shows this file, or null.
    QMdiSubWindow* findMdiChild(const QString& fileName) const;
    // Opens the file in the window kind its extension names; an open file is activated.
    // With failures given, a failed load adds its message there instead of showing it.
    void loadFile(const QString& fileName, QStringList* failures = nullptr);
    // Records the file as the most recent one.
    void setCurrentFile(const QString& fileName);
    // A new report window, added to the MDI area but not yet shown.
    EvaluationView* createEvaluationView();

    // Rebinds the single-instance listener to 127.0.0.1 and this port (0: any free port).
    bool setInstancePort(quint16 port);
    quint16 instanceListenerPort() const;
    // While held, files handed over by later starts wait (start-up holds them until the
    // main window is shown and the splash has gone).
    void setHandOversHeld(bool held);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

public slots:
    // Declared in their established order. Each is defined in the file of its family:
    // mainwindow.cpp (menu enabling), _actions (context menus), _documents (document and
    // text windows, window menu, recent files, listener), _device, _codenames, _logtools
    // (search, filter, archive, naming points), _routes, _evaluation, _printexport (print,
    // preview, export, import) and _options (options, help, language).
    void closeActiveSubWindow();
    void newTxtFile();
    void newErdFile();
    void saveErd();
    void saveAsErd();
    void fulfilmentCurrent();
    void fulfilment(RouteDefModel* model);
    void fulfilment();
    void saveFfr();
    void saveAsFfr();
    void openRecentFile();
    void openFile();
    void print();
    void preview();
    void kodNevOpen();
    void kodNevImport();
    void kodNevExport();
    void logExport();
    void logArchive();
    void routeExport();
    void routeImport();
    void reportExport();
    void kodNevNewEntry();
    void kodNevEditEntry();
    void kodNevDeleteEntry();
    void KodNevContextMenuEvent(QContextMenuEvent* event);
    void ErdContextMenuEvent(QContextMenuEvent* event);
    void LogContextMenuEvent(QContextMenuEvent* event);
    void saveTxt();
    void saveAsTxt();
    void readOut();
    void timeSet();
    void initialize();
    void Status();
    void Configure();
    void clockTune();
    void addLogToErd();
    void removeLogFromErd();
    void addRouteToErd();
    void removeRouteFromErd();
    void addStartToErd();
    void removeStartFromErd();
    void addPointToErd();
    void removePointFromErd();
    void modifyErd();
    void extractRoute();
    void collapseAll();
    void expandAll();
    void expandDefault();
    void cutTxt();
    void copyTxt();
    void pasteTxt();
    void findCmd();
    void filterCmd();
    void nextSpecialCmd();
    void prevSpecialCmd();
    void namedCurrentPointCmd();
    void unNamedPointsCmd();
    void findLogEntry();
    void setupOption();
    void help();
    void about();
    void updateMenus();
    void updateNezetMenu();
    void switchLayoutDirection();
    void setActiveSubWindow(QWidget* window);
    void switchLanguage();
    void switchHelpLanguage();
    void createHelpWindows();
    void readPendingDatagrams();

private:
    // Fits the window, frame and all, into the free area of its screen, moved and if need be
    // made smaller: a window restored larger or elsewhere than the screen is shown whole.
    void fitToScreen();
    bool frameUnfitted = true; // fitted before the window manager's frame was known
    // Before exit: true unless the code-name list holds unsaved changes the user keeps.
    bool mayLeaveCodeNames();

    // mainwindow_actions.cpp
    void createActions();
    void createMenus();
    void createToolBars();
    void retranslateActions();
    void runContextMenu(QContextMenuEvent* event, const QList<QAction*>& actions);

    // mainwindow_documents.cpp
    void updateRecentFileActions();
    void fitNewWindow(QMdiSubWindow* window) const;
    QSize newWindowSize(const QMdiSubWindow* window) const;
    QString windowMenuName(QMdiSubWindow* window) const;
    LogView* activeLogView() const;
    // mainwindow_routes.cpp
    RouteDefView* activeRouteDefView() const;
    // Shows the message when a route-plan command changed the plan.
    void reportRouteCommand(bool changed, const QString& message);
    // Saves the active document when it is of this kind, then shows the message.
    void saveActiveDocument(int kind, bool asNew, const QString& message);
    // Files handed over by later starts wait in a queue and are opened from the event loop;
    // their failures are told in one gathered message at a time.
    void openDeferredFiles();
    void scheduleHandOvers();
    void openHandedOverFiles();
    QStringList handOverQueue;
    const QByteArray handOverKey;
    bool handOverScheduled = false;
    bool handOverRunning = false;
    bool handOversHeld = false;

    // mainwindow_codenames.cpp
    KodnevView* activeKodnevView() const;

    // mainwindow_evaluation.cpp: one evaluation at a time; a file path handed over
    // meanwhile waits for its end, like during a device command.
    void runFulfilment(RouteDefModel* plan, const QString& planName);
    // The window of a report path: the one showing it, or a new one.
    EvaluationView* reportWindow(const QString& reportPath);
    void updateFulfilmentActions();
    bool fulfilmentRunning = false;

    // mainwindow_logtools.cpp
    void createLogFindDialog();

    // mainwindow_device.cpp: device commands do not nest, and a file path handed over
    // meanwhile waits for their end. The logger is opened first when a command asks for it.
    enum class DeviceAccess { Open, Unopened };
    void runDeviceCommand(DeviceAccess access, const std::function<void(UsbCom&)>& command);
    bool deviceCommandRunning = false;

    // mainwindow_printexport.cpp
    // The print dialog on the shared printer (parented to parent), the manual duplex choice,
    // then the document's print; a PDF file is saved through the checked save. False when a
    // dialog was cancelled.
    bool printWithDialog(DocumentWindow* document, QWidget* parent);
    // The export dialog for the active document when it is of this kind, then its export.
    void exportActiveDocument(int kind);
    // A file picked with this caption and filter, imported into the active document of this
    // kind when its extension is one of extensions (in any letter case).
    void importActiveDocument(int kind, const QString& caption, const QString& filter,
                              const QStringList& extensions);

    // mainwindow_options.cpp
    void loadTranslations();

    QMdiArea* mdiArea = nullptr;
    QTranslator appTranslator;
    QTranslator qtTranslator;

    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* dataTransferMenu = nullptr;
    QMenu* nezetMenu = nullptr;
    QMenu* helpMenu = nullptr;

    QToolBar* fileToolBar = nullptr;
    QToolBar* dataTransferToolBar = nullptr;
    QToolBar* editToolBar = nullptr;

    QAction* newTxtFileAct = nullptr;
    QAction* fulfilmentAct = nullptr;
    QAction* fulfilmentCurrentAct = nullptr;
    QAction* newErdFileAct = nullptr;
    QAction* saveErdAct = nullptr;
    QAction* saveAsErdAct = nullptr;
    QAction* saveFfrAct = nullptr;
    QAction* saveAsFfrAct = nullptr;
    QAction* addLogToErdAct = nullptr;
    QAction* removeLogFromErdAct = nullptr;
    QAction* addRouteToErdAct = nullptr;
    QAction* removeRouteFromErdAct = nullptr;
    QAction* addStartToErdAct = nullptr;
    QAction* removeStartFromErdAct = nullptr;
    QAction* addPointToErdAct = nullptr;
    QAction* removePointFromErdAct = nullptr;
    QAction* modifyErdAct = nullptr;
    QAction* extractRouteAct = nullptr;
    QAction* routeExportAct = nullptr;
    QAction* routeImportAct = nullptr;
    QAction* reportExportAct = nullptr;
    QAction* expandDefaultAct = nullptr;
    QAction* expandAllAct = nullptr;
    QAction* collapseAllAct = nullptr;
    QAction* openFileAct = nullptr;
    QAction* printAct = nullptr;
    QAction* previewAct = nullptr;
    QAction* kodNevOpenAct = nullptr;
    QAction* saveTxtAct = nullptr;
    QAction* saveAsTxtAct = nullptr;
    QAction* exitAct = nullptr;
    QAction* kodNevImportAct = nullptr;
    QAction* kodNevExportAct = nullptr;
    QAction* logExportAct = nullptr;
    QAction* logArchiveAct = nullptr;
    QAction* kodNevNewEntryAct = nullptr;
    QAction* kodNevEditEntryAct = nullptr;
    QAction* kodNevDeleteEntryAct = nullptr;
    QAction* cutTxtAct = nullptr;
    QAction* copyTxtAct = nullptr;
    QAction* pasteTxtAct = nullptr;
    QAction* closeAct = nullptr;
    QAction* closeAllAct = nullptr;
    QAction* readOutAct = nullptr;
    QAction* timeSetAct = nullptr;
    QAction* initializeAct = nullptr;
    QAction* statusAct = nullptr;
    QAction* configureAct = nullptr;
    QAction* clockTuneAct = nullptr;
    QAction* findCmdAct = nullptr;
    QAction* filterCmdAct = nullptr;
    QAction* nextSpecialCmdAct = nullptr;
    QAction* prevSpecialCmdAct = nullptr;
    QAction* unNamedPointsCmdAct = nullptr;
    QAction* namedCurrentPointCmdAct = nullptr;
    QAction* setupOptionAct = nullptr;
    QAction* helpAct = nullptr;
    QAction* tileAct = nullptr;
    QAction* cascadeAct = nullptr;
    QAction* nextAct = nullptr;
    QAction* previousAct = nullptr;
    QAction* recentSeparatorAct = nullptr;
    QAction* windowSeparatorAct = nullptr;
    QAction* optionsSeparatorAct = nullptr;
    QAction* aboutAct = nullptr;
    QAction* aboutQtAct = nullptr;

    enum { MaxRecentFiles = 6 };
    QAction* recentFileActs[MaxRecentFiles] = {};

    LogFindDlg* logFindDlg = nullptr;
    QPrinter* printer = nullptr;
    QUdpSocket* udpSocket = nullptr;
    QDockWidget* helpDock = nullptr;
};
