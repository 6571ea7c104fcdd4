// What the route-plan tree shows in each cell, its tool tips and which cells are edited
// in place, by the row's kind and the type of the route above it.
#include "routes/routedefmodel.h"

#include "core/helpers.h"

namespace {

bool hasStartWindow(int type)
{
    return type == 1 || type == 3 || type == 4;
}

} // namespace

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
