#pragma once
// One node of a route plan's tree: the value it holds and the nodes below it, owned.
#include <QList>
#include <QVariant>

// What a node is, by its place in the fixed shape of the plan.
enum RouteItemKind {
    OtherItem = 0,
    RootItem = 1,
    SettingsItem = 2, // the tolerance
    LogGroupItem = 3,
    LogItem = 4,
    RouteGroupItem = 5,
    RouteItem = 6,
    StartGroupItem = 7,
    StartItem = 8,
    PointGroupItem = 9,
    PointItem = 10
};

class TreeItem
{
public:
    explicit TreeItem(const QVariant& value = QVariant(), TreeItem* parent = nullptr);
    ~TreeItem();
    TreeItem(const TreeItem&) = delete;
    TreeItem& operator=(const TreeItem&) = delete;

    TreeItem* parent() const { return m_parent; }
    TreeItem* child(int row) const { return m_children.value(row); }
    const QList<TreeItem*>& children() const { return m_children; }
    int childCount() const { return m_children.size(); }
    int row() const; // position among the parent's children; 0 for the root
    const QVariant& value() const { return m_value; }
    void setValue(const QVariant& value) { m_value = value; }
    RouteItemKind kind() const;

    bool insertChildren(int position, int count);
    // Takes ownership of item and places it at position (0..childCount).
    void insertChild(int position, TreeItem* item);
    bool removeChildren(int position, int count);

private:
    TreeItem* m_parent;
    QList<TreeItem*> m_children;
    QVariant m_value;
    // Where row() last found this node: checked before searching the siblings.
    mutable int m_rowHint = 0;
};
