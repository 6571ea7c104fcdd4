#include "routes/routedefmodel.h"

#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <algorithm>
#include <functional>

namespace {

bool isGroup(const TreeItem* item, QChar tag)
{
    return item && item->value().userType() == QMetaType::QChar && item->value().toChar() == tag;
}

int offsetSeconds(const TreeItem* item)
{
    return item->value().value<RoutePoint>().offset.toSeconds();
}

RouteStart startOf(const TreeItem* item)
{
    return item->value().value<RouteStart>();
}

} // namespace

RouteDefModel::RouteDefModel(QObject* parent) : QAbstractItemModel(parent)
{
    buildDefaultTree();
}

RouteDefModel::~RouteDefModel()
{
    delete root;
}

void RouteDefModel::buildDefaultTree()
{
    root = new TreeItem;
    auto* settings = new TreeItem(defaultTolerance, root);
    new TreeItem(QChar('L'), settings);
    new TreeItem(QChar('R'), settings);
    dropKeys(nullptr);
}

void RouteDefModel::reset()
{
    beginResetModel();
    delete root;
    buildDefaultTree();
    endResetModel();
}

void RouteDefModel::setFileName(const QString& name)
{
    m_fileName = name;
    m_filePath = name.isEmpty() ? QString() : appSettings().workPath(name);
}

TreeItem* RouteDefModel::itemFromIndex(const QModelIndex& index) const
{
    if (index.isValid())
        return static_cast<TreeItem*>(index.internalPointer());
    return root;
}

QModelIndex RouteDefModel::index(int row, int column, const QModelIndex& parent) const
{
    if ((parent.isValid() && parent.column() != 0) || column < 0 || column >= columns)
        return QModelIndex();
    TreeItem* parentItem = itemFromIndex(parent);
    if (row < 0 || row >= parentItem->childCount())
        return QModelIndex();
    return createIndex(row, column, parentItem->child(row));
}

QModelIndex RouteDefModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    TreeItem* parentItem = itemFromIndex(index)->parent();
    if (!parentItem || parentItem == root)
        return QModelIndex();
    return createIndex(parentItem->row(), 0, parentItem);
}

int RouteDefModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return itemFromIndex(parent)->childCount();
}

int RouteDefModel::columnCount(const QModelIndex&) const
{
    return columns;
}

bool RouteDefModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != 0)
        return false;
    TreeItem* item = itemFromIndex(index);
    if (item->value().isValid() && item->value().userType() != value.userType())
        return false;
    item->setValue(value);
    dropKeys(item->parent());
    modified = true;
    // The value is drawn across the whole row, not only in the column that holds it.
    emit dataChanged(index, index.siblingAtColumn(columns - 1));
    return true;
}

QVariant RouteDefModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < columns)
        return QString(QChar('A' + section));
    return QVariant();
}

bool RouteDefModel::setHeaderData(int, Qt::Orientation, const QVariant&, int)
{
    return false;
}

bool RouteDefModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (!parent.isValid())
        return false;
    TreeItem* parentItem = itemFromIndex(parent);
    if (row < 0 || row > parentItem->childCount())
        return false;
    if (count < 1)
        return true;
    beginInsertRows(parent, row, row + count - 1);
    parentItem->insertChildren(row, count);
    dropKeys(parentItem);
    endInsertRows();
    modified = true;
    return true;
}

bool RouteDefModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (!parent.isValid())
        return false;
    TreeItem* parentItem = itemFromIndex(parent);
    const RouteItemKind kind = parentItem->kind();
    if (kind == RootItem || kind == SettingsItem || kind == RouteItem)
        return false;
    if (row < 0 || count < 1 || row + count > parentItem->childCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    const bool ok = parentItem->removeChildren(row, count);
    dropKeys(parentItem);
    endRemoveRows();
    modified = true;
    return ok;
}

// ---- Typed operations

QString RouteDefModel::itemKey(const TreeItem* item, int group)
{
    return nameKey(group == 0 ? item->value().toString() : item->value().value<RouteHead>().name);
}

const RouteDefModel::KeyIndex& RouteDefModel::keyIndex(int group) const
{
    if (!m_keysBuilt[group]) {
        const TreeItem* items = root->child(0)->child(group);
        KeyIndex& keys = m_keys[group];
        keys.clear();
        keys.reserve(items->childCount());
        for (int r = 0; r < items->childCount(); ++r) {
            const QString key = itemKey(items->child(r), group);
            const auto it = keys.find(key);
            if (it == keys.end())
                keys.insert(key, KeyRows{r, r});
            else
                it->last = r;
        }
        m_keysBuilt[group] = true;
    }
    return m_keys[group];
}

void RouteDefModel::keyInserted(const TreeItem* group, int row)
{
    for (int g = 0; g < 2; ++g) {
        if (group != root->child(0)->child(g) || !m_keysBuilt[g])
            continue;
        if (row != group->childCount() - 1) {
            dropKeys(group); // the rows after it moved
            return;
        }
        const QString key = itemKey(group->child(row), g);
        const auto it = m_keys[g].find(key);
        if (it == m_keys[g].end())
            m_keys[g].insert(key, KeyRows{row, row});
        else
            it->last = row;
    }
}

void RouteDefModel::dropKeys(const TreeItem* changedGroup)
{
    for (int g = 0; g < 2; ++g) {
        if (!changedGroup || changedGroup == root->child(0)->child(g)) {
            m_keysBuilt[g] = false;
            m_keys[g].clear();
        }
    }
}

void RouteDefModel::insertItem(TreeItem* parent, int row, const QVariant& value)
{
    if (quietInserts) {
        parent->insertChild(row, new TreeItem(value));
        keyInserted(parent, row);
    } else {
        const QModelIndex parentIndex = parent == root ? QModelIndex() : createIndex(parent->row(), 0, parent);
        beginInsertRows(parentIndex, row, row);
        parent->insertChild(row, new TreeItem(value));
        keyInserted(parent, row);
        endInsertRows();
    }
    modified = true;
}

int RouteDefModel::tolerance() const
{
    return root->child(0)->value().toInt();
}

void RouteDefModel::setTolerance(int minutes)
{
    if (quietInserts) {
        root->child(0)->setValue(minutes);
        modified = true;
        return;
    }
    setData(settingsIndex(), minutes, Qt::EditRole);
}

QModelIndex RouteDefModel::findLog(const QString& name) const
{
    const auto it = keyIndex(0).constFind(nameKey(name));
    return it == keyIndex(0).constEnd() ? QModelIndex() : index(it->last, 0, logsGroupIndex());
}

bool RouteDefModel::addLog(const QString& name)
{
    const QString key = nameKey(name);
    if (keyIndex(0).contains(key))
        return false;
    TreeItem* group = root->child(0)->child(0);
    insertItem(group, group->childCount(), name);
    return true;
}

bool RouteDefModel::removeLog(const QString& name)
{
    const QModelIndex i = findLog(name);
    if (!i.isValid())
        return true;
    return removeRows(i.row(), 1, logsGroupIndex());
}

int RouteDefModel::findRouteRow(const QString& name) const
{
    const auto it = keyIndex(1).constFind(nameKey(name));
    return it == keyIndex(1).constEnd() ? -1 : it->first;
}

QModelIndex RouteDefModel::findRoute(const QString& name) const
{
    const auto it = keyIndex(1).constFind(nameKey(name));
    return it == keyIndex(1).constEnd() ? QModelIndex() : routeIndex(it->last);
}

int RouteDefModel::addRoute(const RouteHead& head)
{
    const QString key = nameKey(head.name);
    if (keyIndex(1).contains(key))
        return -1;
    TreeItem* group = root->child(0)->child(1);
    const int row = group->childCount();
    insertItem(group, row, QVariant::fromValue(head));
    TreeItem* route = group->child(row);
    insertItem(route, 0, QChar('S'));
    insertItem(route, 1, QChar('P'));
    return row;
}

bool RouteDefModel::removeRoute(const QString& name)
{
    const QModelIndex i = findRoute(name);
    if (!i.isValid())
        return true;
    return removeRows(i.row(), 1, routesGroupIndex());
}

TreeItem* RouteDefModel::groupItem(const QModelIndex& index, QChar tag) const
{
    if (!index.isValid())
        return nullptr;
    TreeItem* item = itemFromIndex(index);
    return isGroup(item, tag) ? item : nullptr;
}

bool RouteDefModel::addStart(const RouteStart& start, const QModelIndex& startGroup)
{
    TreeItem* group = groupItem(startGroup, QChar('S'));
    if (!group || findStartTime(startGroup, start) >= 0)
        return false;
    const QList<TreeItem*>& starts = group->children();
    const auto place = std::upper_bound(starts.begin(), starts.end(), start,
                                        [](const RouteStart& s, const TreeItem* item) { return s < startOf(item); });
    insertItem(group, int(place - starts.begin()), QVariant::fromValue(start));
    return true;
}

int RouteDefModel::findStartTime(const QModelIndex& startGroup, const RouteStart& start) const
{
    const TreeItem* group = groupItem(startGroup, QChar('S'));
    if (!group)
        return -1;
    // The group is kept in order, t1 first, so both the same t1 and the place are found
    // by halving, not by a walk over every start.
    const QList<TreeItem*>& starts = group->children();
    const int t1 = start.t1.toSeconds();
    auto same = std::lower_bound(starts.begin(), starts.end(), t1,
                                 [](const TreeItem* item, int s) { return startOf(item).t1.toSeconds() < s; });
    for (; same != starts.end() && startOf(*same).t1.toSeconds() == t1; ++same) {
        if (startOf(*same).t1 == start.t1)
            return int(same - starts.begin());
    }
    return -1;
}

bool RouteDefModel::addPoint(const RoutePoint& point, const QModelIndex& pointGroup, bool allowSameTime)
{
    TreeItem* group = groupItem(pointGroup, QChar('P'));
    if (!group)
        return false;
    if (!allowSameTime && findPointOffset(pointGroup, point) >= 0)
        return false;
    // After every point of the same offset, as the group is kept in order of offsets.
    const QList<TreeItem*>& points = group->children();
    const auto place = std::upper_bound(points.begin(), points.end(), point.offset.toSeconds(),
                                        [](int s, const TreeItem* item) { return s < offsetSeconds(item); });
    insertItem(group, int(place - points.begin()), QVariant::fromValue(point));
    return true;
}

int RouteDefModel::findPointOffset(const QModelIndex& pointGroup, const RoutePoint& point) const
{
    const TreeItem* group = groupItem(pointGroup, QChar('P'));
    if (!group)
        return -1;
    const QList<TreeItem*>& points = group->children();
    const int seconds = point.offset.toSeconds();
    const auto first = std::lower_bound(points.begin(), points.end(), seconds,
                                        [](const TreeItem* item, int s) { return offsetSeconds(item) < s; });
    return first != points.end() && offsetSeconds(*first) == seconds ? int(first - points.begin()) : -1;
}

int RouteDefModel::startRouteType(const QModelIndex& startIndex) const
{
    if (!startIndex.isValid())
        return -1;
    const TreeItem* item = itemFromIndex(startIndex);
    if (item->kind() != StartItem)
        return -1;
    return routeTypeAbove(item);
}

int RouteDefModel::countItems(const QModelIndex& parent) const
{
    std::function<int(const TreeItem*)> count = [&count](const TreeItem* item) {
        int n = item->childCount();
        for (int i = 0; i < item->childCount(); ++i)
            n += count(item->child(i));
        return n;
    };
    return count(itemFromIndex(parent));
}

// ---- The fixed shape

QModelIndex RouteDefModel::settingsIndex() const
{
    return index(0, 0);
}

QModelIndex RouteDefModel::logsGroupIndex() const
{
    return index(0, 0, settingsIndex());
}

QModelIndex RouteDefModel::routesGroupIndex() const
{
    return index(1, 0, settingsIndex());
}

QModelIndex RouteDefModel::routeIndex(int r) const
{
    return index(r, 0, routesGroupIndex());
}

QModelIndex RouteDefModel::startsGroupIndex(int r) const
{
    return index(0, 0, routeIndex(r));
}

QModelIndex RouteDefModel::pointsGroupIndex(int r) const
{
    return index(1, 0, routeIndex(r));
}

TreeItem* RouteDefModel::routeItem(int r) const
{
    return root->child(0)->child(1)->child(r);
}

int RouteDefModel::logCount() const
{
    return root->child(0)->child(0)->childCount();
}

int RouteDefModel::routeCount() const
{
    return root->child(0)->child(1)->childCount();
}

QString RouteDefModel::logName(int l) const
{
    const TreeItem* item = root->child(0)->child(0)->child(l);
    return item ? item->value().toString() : QString();
}

int RouteDefModel::startCount(int r) const
{
    const TreeItem* route = routeItem(r);
    return route && route->child(0) ? route->child(0)->childCount() : 0;
}

int RouteDefModel::pointCount(int r) const
{
    const TreeItem* route = routeItem(r);
    return route && route->child(1) ? route->child(1)->childCount() : 0;
}

RouteHead RouteDefModel::routeHead(int r) const
{
    const TreeItem* route = routeItem(r);
    return route ? route->value().value<RouteHead>() : RouteHead();
}

RouteStart RouteDefModel::routeStart(int r, int s) const
{
    const TreeItem* route = routeItem(r);
    const TreeItem* item = route && route->child(0) ? route->child(0)->child(s) : nullptr;
    return item ? item->value().value<RouteStart>() : RouteStart();
}

RoutePoint RouteDefModel::routePoint(int r, int p) const
{
    const TreeItem* route = routeItem(r);
    const TreeItem* item = route && route->child(1) ? route->child(1)->child(p) : nullptr;
    return item ? item->value().value<RoutePoint>() : RoutePoint();
}
