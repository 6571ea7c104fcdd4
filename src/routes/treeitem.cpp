#include "routes/treeitem.h"

#include "routes/routevalues.h"

TreeItem::TreeItem(const QVariant& value, TreeItem* parent) : m_parent(parent), m_value(value)
{
    if (parent) {
        m_rowHint = parent->m_children.size();
        parent->m_children.append(this);
    }
}

TreeItem::~TreeItem()
{
    qDeleteAll(m_children);
}

int TreeItem::row() const
{
    if (!m_parent)
        return 0;
    // Views ask for the row of every parent they touch: a search of all siblings each time
    // made a route group of thousands quadratic. A node rarely moves, so the last answer
    // is checked first.
    const QList<TreeItem*>& siblings = m_parent->m_children;
    if (siblings.value(m_rowHint) != this)
        m_rowHint = siblings.indexOf(const_cast<TreeItem*>(this));
    return m_rowHint;
}

RouteItemKind TreeItem::kind() const
{
    if (!m_parent)
        return RootItem;
    const int type = m_value.userType();
    if (type == QMetaType::QChar) {
        switch (m_value.toChar().unicode()) {
        case 'L':
            return LogGroupItem;
        case 'R':
            return RouteGroupItem;
        case 'S':
            return StartGroupItem;
        case 'P':
            return PointGroupItem;
        default:
            return OtherItem;
        }
    }
    if (type == QMetaType::QString)
        return LogItem;
    if (type == QMetaType::Int)
        return SettingsItem;
    if (type == qMetaTypeId<RouteStart>())
        return StartItem;
    if (type == qMetaTypeId<RoutePoint>())
        return PointItem;
    if (type == qMetaTypeId<RouteHead>())
        return RouteItem;
    return OtherItem;
}

bool TreeItem::insertChildren(int position, int count)
{
    if (position < 0 || position > m_children.size())
        return false;
    for (int i = 0; i < count; ++i) {
        auto* item = new TreeItem;
        item->m_parent = this;
        m_children.insert(position + i, item);
    }
    return true;
}

void TreeItem::insertChild(int position, TreeItem* item)
{
    item->m_parent = this;
    item->m_rowHint = position;
    m_children.insert(position, item);
}

bool TreeItem::removeChildren(int position, int count)
{
    if (position < 0 || count < 0 || position + count > m_children.size())
        return false;
    for (int i = 0; i < count; ++i)
        delete m_children.takeAt(position);
    return true;
}
