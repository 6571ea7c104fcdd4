#pragma once
// One route plan in memory: the tolerance, the event logs to examine and the routes with
// their starts and checkpoints, as a tree of fixed shape with six columns:
//   root
//   └ tolerance (int)
//     ├ "L" log group ── log names (QString)
//     └ "R" route group ── RouteHead
//                          ├ "S" ── RouteStart, sorted
//                          └ "P" ── RoutePoint, sorted by offset
// Names of logs and routes are compared by their key (white space simplified, upper
// case); refusals are reported by the result only.
#include "routes/routevalues.h"
#include "routes/treeitem.h"

#include <QAbstractItemModel>
#include <QHash>

class QIODevice;
class QWidget;

class RouteDefModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    static constexpr int columns = 6;
    static constexpr int defaultTolerance = 10;

    explicit RouteDefModel(QObject* parent = nullptr);
    ~RouteDefModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Edit role, column 0 only; the whole value of the row. A value of another type than
    // the row holds is refused, so an edit can never change what a row is.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    // The settings row, the two top groups and a route's start and point groups stay.
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    TreeItem* itemFromIndex(const QModelIndex& index) const;
    static QString nameKey(const QString& name) { return name.simplified().toUpper(); }
    static QString routeTypeName(int type, bool longForm) { return ::routeTypeName(type, longForm); }

    // Typed operations.
    int tolerance() const;
    void setTolerance(int minutes);
    QModelIndex findLog(const QString& name) const;
    bool addLog(const QString& name);
    bool removeLog(const QString& name);
    QModelIndex findRoute(const QString& name) const;
    int findRouteRow(const QString& name) const;
    int addRoute(const RouteHead& head);
    bool removeRoute(const QString& name);
    bool addStart(const RouteStart& start, const QModelIndex& startGroup);
    // The row of the group's start with the same t1 (which addStart refuses), or -1.
    int findStartTime(const QModelIndex& startGroup, const RouteStart& start) const;
    bool addPoint(const RoutePoint& point, const QModelIndex& pointGroup, bool allowSameTime);
    int findPointOffset(const QModelIndex& pointGroup, const RoutePoint& point) const;
    int startRouteType(const QModelIndex& startIndex) const;
    int countItems(const QModelIndex& parent = QModelIndex()) const;
    // The default tree (tolerance 10, empty groups); file name and modified flag stay.
    void reset();

    // The fixed shape.
    QModelIndex settingsIndex() const;
    QModelIndex logsGroupIndex() const;
    QModelIndex routesGroupIndex() const;
    QModelIndex routeIndex(int r) const;
    QModelIndex startsGroupIndex(int r) const;
    QModelIndex pointsGroupIndex(int r) const;
    int logCount() const;
    int routeCount() const;
    int startCount(int r) const;
    int pointCount(int r) const;
    QString logName(int l) const;
    RouteHead routeHead(int r) const;
    RouteStart routeStart(int r, int s) const;
    RoutePoint routePoint(int r, int p) const;

    // The time-window checks of the evaluation live in a source file of their own.
    // Window word of a touch at minute against (route, point, start); actualStart (the
    // run's start minute, route type 1 only) is RouteWindow::startNotGiven when unknown.
    quint32 checkWindow(int minute, int route, int point, int start, int actualStart) const;
    // The best (route, point, start) for a touch over the whole plan; the out rows are
    // left alone when the plan has no route.
    quint32 bestMatch(const unsigned char code[6], int minute, int& route, int& point, int& start) const;
    // The touch judged against the point a run expects next; point may move to the point
    // actually touched. actualStart: the run's start minute.
    quint32 checkNextPoint(const unsigned char code[6], int minute, int route, int& point, int start,
                           int actualStart) const;
    bool startCovers(int route, int start, int minute) const;

    bool isModified() const { return modified; }
    void setModified(bool on) { modified = on; }
    // The name as the plan knows it: the bare name after a load or an import (and the
    // "erd" one after an imported plan was saved), the name given to a successful saveAs.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString& name);
    // Where the plan is written back: the file it was loaded from or last saved to.
    QString filePath() const { return m_filePath; }
    // The message of the last failed load or import, kept whether or not it was shown.
    QString lastError() const { return m_lastError; }
    // The digest of what the last successful save wrote (DigestingDevice).
    QByteArray writtenDigest() const { return m_writtenDigest; }
    // Why a plan with a group larger than a plan file can count is neither read nor written.
    static QString tooManyRowsText();

public slots:
    // Older route format; the plan is left modified, to be saved as "erd".
    bool import(QString fileName, QWidget* parent = nullptr);
    bool load(QString fileName, QWidget* parent = nullptr);
    bool saveAs(QString fileName, QWidget* parent, bool silentOverwrite = false);
    bool save(QWidget* parent);

private:
    friend class RoutePlanReader;
    void buildDefaultTree();
    TreeItem* groupItem(const QModelIndex& index, QChar tag) const;
    TreeItem* routeItem(int r) const;
    bool writePlan(const QString& target, const QString& nameAfter, QWidget* parent, bool silentOverwrite);
    int routeTypeAbove(const TreeItem* item) const;
    void insertItem(TreeItem* parent, int row, const QVariant& value);

    // Rows of the log group (0) and the route group (1) by name key, so that adding a
    // name costs the same in a plan of any size. Built on first use, kept in step by
    // appends, dropped by any other change to that group (by every group when null).
    struct KeyRows {
        int first;
        int last;
    };
    using KeyIndex = QHash<QString, KeyRows>;
    static QString itemKey(const TreeItem* item, int group);
    const KeyIndex& keyIndex(int group) const;
    void keyInserted(const TreeItem* group, int row);
    void dropKeys(const TreeItem* changedGroup);

    bool modified = false;
    QString m_fileName;
    QString m_filePath;
    QString m_lastError;
    QByteArray m_writtenDigest;
    TreeItem* root = nullptr;
    // While a reader fills the tree inside one model reset, rows are not announced.
    bool quietInserts = false;
    mutable KeyIndex m_keys[2];
    mutable bool m_keysBuilt[2] = {false, false};
};
