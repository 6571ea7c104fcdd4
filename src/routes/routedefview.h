#pragma once
// A route plan as a child window of the main window: the plan's tree with its cell
// editors, its file and title, the question before a modified plan is closed, and the
// commands that change the plan's structure. Signals tell the main window what the
// current item allows, so that it can enable its route-plan actions.
#include "routes/routedefdelegate.h"
#include "routes/routedefmodel.h"

#include "core/documentwindow.h"

#include <QMdiSubWindow>
#include <QPersistentModelIndex>

#include <functional>

class QTreeView;
class QContextMenuEvent;
class QIODevice;
class QPrinter;
struct ExtractedRoute;
struct RouteRename;

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
    // "erd" files are loaded, anything else is imported from the older format. With failure
    // given, a failed load puts its message there instead of showing it.
    bool loadFile(const QString& fileName, QString* failure = nullptr);
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

    // The document-window side. A plan is always printed and exported whole.
    ViewKind viewKind() const override { return RouteDefViewKind; }
    QString documentFile() const override { return curFile; }
    bool isDocumentModified() const override { return isWindowModified(); }
    Outcome saveDocument() override { return save() ? Done : NotDone; }
    Outcome saveDocumentAs() override { return saveAs() ? Done : NotDone; }
    Outcome printDocument(QPrinter* out, ExportRange rows, int pageSet) override;
    Outcome exportDocument(DocumentFormat format, const QString& fileName, const ExportChoice& choice) override;
    Outcome exportPdf(QPrinter* out, ExportRange rows) override;
    Outcome importDocument(DocumentFormat format, const QString& fileName) override;

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
    // Import, exports and printing: each false when nothing (or not all) was done, after
    // telling the user why; a cancelled overwrite is false without a message.
    bool importFromXml(QString fileName);
    bool exportToTxt(QString fileName);
    bool exportToXml(QString fileName);
    bool exportToPdf(QPrinter* out, int pageRange);
    bool exportToPdf(QPrinter* out);
    bool print(QPrinter* out, int pageRange);
    bool print(QPrinter* out);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Rows added by one command that adds many (an import, an extraction): the tree is told
    // once, at the end, which of them becomes current. Moving it with every row laid out the
    // whole tree each time, so a plan of thousands of rows took minutes to come in.
    class AddingMany
    {
    public:
        explicit AddingMany(RouteDefView& view);
        ~AddingMany();
        AddingMany(const AddingMany&) = delete;
        AddingMany& operator=(const AddingMany&) = delete;

    private:
        RouteDefView& m_view;
    };

    // A choice among names in a list; false when cancelled.
    bool chooseName(const QString& title, const QString& label, const QString& okText, const QStringList& names,
                    const QString& preselected, QString* chosen);
    bool modifyRoute(const QModelIndex& route);
    bool modifyStart();
    bool modifyPoint();
    bool modifyTolerance();
    // Export helpers (routedefexport.cpp).
    bool exportFile(const QString& fileName, const QString& extension,
                    const std::function<bool(QIODevice&)>& writer);
    bool paintPlan(QPrinter* out, int pageRange, const QString& shownName);
    // The import's failure message for the file name and the reason.
    static QString importFailure(const QString& name, const QString& reason);
    // The names the import cut or numbered on, old and new, for a box on this window's screen.
    QString renamedRoutesText(const QList<RouteRename>& renamed) const;

    QString curFile;
    RouteDefModel routeModel;
    RouteDefDelegate delegate;
    RouteDefColumnDelegate columnDelegate;
    QTreeView* tree;
    bool addingMany = false;
    QPersistentModelIndex lastAdded; // while addingMany
};
