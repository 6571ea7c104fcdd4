#include "routes/treeitem.h"

#include "routes/routevalues.h"

TreeItem::TreeItem(const QVariant& value, TreeItem* parent) : m_parent(parent), m_value(value)
{
    if (parent)
        parent->m_children.append(this);
}

TreeItem::~TreeItem()
{
    qDeleteAll(m_children);
}

int TreeItem::row() const
{
    return m_parent ? m_parent->m_children.indexOf(const_cast<TreeItem*>(this)) : 0;
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
