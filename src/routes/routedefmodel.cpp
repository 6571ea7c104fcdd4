#include "routes/routedefmodel.h"

#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <functional>

namespace {

bool isGroup(const TreeItem* item, QChar tag)
{
    return item && item->value().userType() == QMetaType::QChar && item->value().toChar() == tag;
}

bool hasStartWindow(int type)
{
    return type == 1 || type == 3 || type == 4;
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

int RouteDefModel::routeTypeAbove(const TreeItem* item) const
{
    for (; item; item = item->parent()) {
        if (item->kind() == RouteItem)
            return item->value().value<RouteHead>().type;
    }
    return -1;
}

QVariant RouteDefModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.column() >= columns)
        return QVariant();
    const TreeItem* item = itemFromIndex(index);
    const RouteItemKind kind = item->kind();
    const int column = index.column();
    const int type = routeTypeAbove(item);
    const bool fixedStart = type == 0 || type == 2;

    if (role == Qt::FontRole)
        return documentFont();

    if (role == Qt::DisplayRole || role == Qt::EditRole) {
        if (column == 5)
            return kind >= LogGroupItem ? QVariant(int(kind)) : QVariant();
        switch (kind) {
        case SettingsItem:
            if (column == 0)
                return tr("Elvárt pontosság:");
            if (column == 1)
                return item->value().toInt();
            break;
        case LogGroupItem:
            if (column == 0)
                return tr("Vizsgálandó esemény naplók");
            break;
        case LogItem:
            if (column == 0)
                return item->value().toString();
            break;
        case RouteGroupItem:
            if (column == 0)
                return tr("Bejárandó útvonalak");
            break;
        case RouteItem: {
            const RouteHead head = item->value().value<RouteHead>();
            if (column == 0)
                return head.name;
            if (column == 1)
                return head.type;
            if (column == 2 && (type == 2 || type == 3))
                return QVariant::fromValue(head.duration);
            break;
        }
        case StartGroupItem:
            if (column == 0)
                return fixedStart ? tr("Indulási idők") : tr("Szolgálati idők");
            break;
        case StartItem: {
            const RouteStart start = item->value().value<RouteStart>();
            if (column == 0)
                return QVariant::fromValue(start.t1);
            if (column == 1 && hasStartWindow(type))
                return QVariant::fromValue(start.t2);
            if (column == 2 && type == 4)
                return QVariant::fromValue(start.t3);
            if (column == 3 && (type == 3 || type == 4))
                return QVariant::fromValue(start.t4);
            if (column == 4 && (type == 3 || type == 4))
                return int(start.count);
            break;
        }
        case PointGroupItem:
            if (column == 0)
                return tr("Ellenőrző pontok");
            break;
        case PointItem: {
            const RoutePoint point = item->value().value<RoutePoint>();
            if (column == 0)
                return point.describe(false);
            if (column == 1 && (type == 0 || type == 1))
                return QVariant::fromValue(point.offset);
            break;
        }
        default:
            break;
        }
        return QVariant();
    }

    if (role != Qt::ToolTipRole)
        return QVariant();
    switch (kind) {
    case SettingsItem:
        if (column == 1)
            return tr("Az útvonal kiértékelésekor a megadott\nidőpontokhoz képest még elfogadható eltérés");
        break;
    case LogGroupItem:
        if (column == 5)
            return tr("Egy esemény napló hozzáadása a kiértékeléshez");
        break;
    case LogItem:
        if (column == 0)
            return tr("Ebben az esemény naplóban kell keresni az útvonal teljesítését");
        if (column == 5)
            return tr("Az esemény napló eltávolítása a kiértékelésből");
        break;
    case RouteGroupItem:
        if (column == 5)
            return tr("Egy új bejárási útvonal hozzáadása");
        break;
    case RouteItem:
        if (column == 0)
            return tr("A bejárási útvonal elnevezése");
        if (column == 1)
            return tr("A bejárási útvonal típusa:\n%1").arg(routeTypeName(type, true));
        if (column == 2 && (type == 2 || type == 3))
            return tr("Az az idő, ami alatt a bejárást teljesíteni kell");
        if (column == 5)
            return tr("A bejárási útvonal törlése");
        break;
    case StartGroupItem:
        if (column == 5)
            return fixedStart ? tr("Új indulási idő hozzáadása") : tr("Új szolgálati idő hozzáadása");
        break;
    case StartItem:
        if (column == 0)
            return tr("Az útvonal bejárásának kezdő időpontja");
        if (column == 1 && hasStartWindow(type))
            return tr("Az útvonal bejárásának befejező időpontja");
        if (column == 2 && type == 4)
            return tr("Két ellenőrzőpont érintése között\nlegalább ennyi időnek kell eltelnie");
        if (column == 3 && type == 3)
            return tr("Két bejárás között\nlegfeljebb ekkora szünet lehet");
        if (column == 3 && type == 4)
            return tr("Két ellenőrzőpont érintése között\nlegfeljebb ennyi időnek szabad eltelnie");
        if (column == 4 && type == 3)
            return tr("Ennyiszer kell bejárni az útvonalat\na szolgálati idő alatt");
        if (column == 4 && type == 4)
            return tr("Ennyiszer kell meglátogatni minden\nellenőrző pontot a megadott idő alatt");
        if (column == 5)
            return fixedStart ? tr("Ezen indulási idő törlése") : tr("Ezen szolgálati idő törlése");
        break;
    case PointGroupItem:
        if (column == 5)
            return tr("Egy ellenőrző pont hozzáadása");
        break;
    case PointItem:
        if (column == 0)
            return tr("Az ellenőrző pontot azonosító kód");
        if (column == 1 && (type == 0 || type == 1))
            return tr("Az ellenőrző pontot az idulási idő után ennyivel kell elérni");
        if (column == 5)
            return tr("Ennek az ellenőrző pontnak a törlése");
        break;
    default:
        break;
    }
    return QVariant();
}

bool RouteDefModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() != 0)
        return false;
    TreeItem* item = itemFromIndex(index);
    if (item->value().isValid() && item->value().userType() != value.userType())
        return false;
    item->setValue(value);
    modified = true;
    emit dataChanged(index, index);
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
    endRemoveRows();
    modified = true;
    return ok;
}

Qt::ItemFlags RouteDefModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int column = index.column();
    if (column >= 5)
        return base;
    const TreeItem* item = itemFromIndex(index);
    const int type = routeTypeAbove(item);
    bool editable = false;
    switch (item->kind()) {
    case SettingsItem:
        editable = column == 1;
        break;
    case LogItem:
        editable = column == 0;
        break;
    case RouteItem:
        editable = column == 0 || column == 1 || (column == 2 && (type == 2 || type == 3));
        break;
    case StartItem:
        editable = column == 0 || (column == 1 && hasStartWindow(type)) || (column == 2 && type == 4)
            || ((column == 3 || column == 4) && (type == 3 || type == 4));
        break;
    case PointItem:
        editable = column == 0 || (column == 1 && (type == 0 || type == 1));
        break;
    default:
        break;
    }
    return editable ? base | Qt::ItemIsEditable : base;
}

// ---- Typed operations

void RouteDefModel::insertItem(TreeItem* parent, int row, const QVariant& value)
{
    if (quietInserts) {
        parent->insertChild(row, new TreeItem(value));
    } else {
        const QModelIndex parentIndex = parent == root ? QModelIndex() : createIndex(parent->row(), 0, parent);
        beginInsertRows(parentIndex, row, row);
        parent->insertChild(row, new TreeItem(value));
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
    const QModelIndex i = settingsIndex();
    setData(i, minutes, Qt::EditRole);
    emit dataChanged(i, i);
}

QModelIndex RouteDefModel::findLog(const QString& name) const
{
    const QString key = nameKey(name);
    const TreeItem* group = root->child(0)->child(0);
    for (int r = group->childCount() - 1; r >= 0; --r) {
        if (nameKey(group->child(r)->value().toString()) == key)
            return index(r, 0, logsGroupIndex());
    }
    return QModelIndex();
}

bool RouteDefModel::addLog(const QString& name)
{
    if (findLog(name).isValid())
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
    const QString key = nameKey(name);
    const TreeItem* group = root->child(0)->child(1);
    for (int r = 0; r < group->childCount(); ++r) {
        if (nameKey(group->child(r)->value().value<RouteHead>().name) == key)
            return r;
    }
    return -1;
}

QModelIndex RouteDefModel::findRoute(const QString& name) const
{
    const QString key = nameKey(name);
    const TreeItem* group = root->child(0)->child(1);
    for (int r = group->childCount() - 1; r >= 0; --r) {
        if (nameKey(group->child(r)->value().value<RouteHead>().name) == key)
            return routeIndex(r);
    }
    return QModelIndex();
}

int RouteDefModel::addRoute(const RouteHead& head)
{
    if (findRouteRow(head.name) >= 0)
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
    if (!group)
        return false;
    const int n = group->childCount();
    for (int r = 0; r < n; ++r) {
        if (group->child(r)->value().value<RouteStart>().t1 == start.t1)
            return false;
    }
    int row = n;
    while (row > 0 && group->child(row - 1)->value().value<RouteStart>() > start)
        --row;
    insertItem(group, row, QVariant::fromValue(start));
    return true;
}

bool RouteDefModel::addPoint(const RoutePoint& point, const QModelIndex& pointGroup, bool allowSameTime)
{
    TreeItem* group = groupItem(pointGroup, QChar('P'));
    if (!group)
        return false;
    if (!allowSameTime && findPointOffset(pointGroup, point) >= 0)
        return false;
    const int seconds = point.offset.toSeconds();
    int row = group->childCount();
    while (row > 0 && group->child(row - 1)->value().value<RoutePoint>().offset.toSeconds() > seconds)
        --row;
    insertItem(group, row, QVariant::fromValue(point));
    return true;
}

int RouteDefModel::findPointOffset(const QModelIndex& pointGroup, const RoutePoint& point) const
{
    const TreeItem* group = groupItem(pointGroup, QChar('P'));
    if (!group)
        return -1;
    const int seconds = point.offset.toSeconds();
    for (int r = 0; r < group->childCount(); ++r) {
        if (group->child(r)->value().value<RoutePoint>().offset.toSeconds() == seconds)
            return r;
    }
    return -1;
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
