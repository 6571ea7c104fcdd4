#pragma once
// A route plan as a child window of the main window: the plan's tree with its cell
// editors, its file and title, the question before a modified plan is closed, and the
// commands that change the plan's structure. Signals tell the main window what the
// current item allows, so that it can enable its route-plan actions.
#include "routes/routedefdelegate.h"
#include "routes/routedefmodel.h"

#include "core/documentwindow.h"

#include <QMdiSubWindow>

class QTreeView;
class QContextMenuEvent;
struct ExtractedRoute;

class RouteDefView : public QMdiSubWindow, public DocumentWindow
{
    Q_OBJECT
    Q_INTERFACES(DocumentWindow)
public:
    RouteDefView();
    ~RouteDefView() override;

    QSize sizeHint() const override;

    // File handling.
    void newFile();
    // "erd" files are loaded, anything else is imported from the older format.
    bool loadFile(const QString& fileName);
    // For the extraction: a plan file that does not exist yet starts empty under that name;
    // one that exists but cannot be read is reported and false returned (never replaced).
    bool openOrCreate(const QString& fileName);
    bool save();
    bool saveAs();
    bool maybeSave();
    // Relative names lie in the working directory.
    void setCurrentFile(const QString& fileName);
    QString currentFile() const { return curFile; }

    // Commands (each false when nothing changed).
    bool addLog();
    bool removeLog();
    bool addRoute();
    bool removeRoute();
    bool addStart();
    bool removeStart();
    bool addPoint();
    bool removePoint();
    bool modify();
    // For the extraction.
    bool addLogName(const QString& name);
    int addRouteRecord(const RouteHead& head);
    // Adds the extracted route (log name, numbered route, points); false after telling
    // the user when a point was refused.
    bool addExtractedRoute(const ExtractedRoute& route);

    // The document-window side; printing and exports are not offered yet.
    ViewKind viewKind() const override { return RouteDefViewKind; }
    QString documentFile() const override { return curFile; }
    bool isDocumentModified() const override { return isWindowModified(); }
    Outcome saveDocument() override { return save() ? Done : NotDone; }
    Outcome saveDocumentAs() override { return saveAs() ? Done : NotDone; }

    // Queries.
    RouteItemKind currentKind() const;
    int selectedRouteRow() const;
    RouteDefModel* model() { return &routeModel; }
    const RouteDefModel* model() const { return &routeModel; }
    QTreeView* treeView() const { return tree; }

signals:
    void haveLog(bool have);
    void haveRoute(bool have);
    void stayOnRoute(bool onRoute);
    void stayOnStart(bool onStart);
    void stayOnPoint(bool onPoint);
    void LocalMenuInvoked(QContextMenuEvent* event);

public slots:
    void Reinitialize();
    void collapseAll();
    void expandDefault();
    void expandAll();
    void ClickCatcher(QModelIndex index);
    void contentsChanged();
    void newRowsAdded(QModelIndex parent, int start, int);
    void selectChange();

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // A choice among names in a list; false when cancelled.
    bool chooseName(const QString& title, const QString& label, const QString& okText, const QStringList& names,
                    const QString& preselected, QString* chosen);
    bool modifyRoute(const QModelIndex& route);
    bool modifyStart();
    bool modifyPoint();
    bool modifyTolerance();

    QString curFile;
    RouteDefModel routeModel;
    RouteDefDelegate delegate;
    RouteDefColumnDelegate columnDelegate;
    QTreeView* tree;
};
