#pragma once
// The cell work of the route-plan tree: in-place editors with their checks, captions
// drawn around times and numbers, and the plus/minus pictures of the last column.
// Every check is silent: a refused edit leaves the plan as it was.
#include <QStyledItemDelegate>

class QLabel;
class QPushButton;

class RouteDefDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    RouteDefDelegate();
    ~RouteDefDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

    // The text drawn for a time or number cell; null for cells the base class draws.
    static QString cellText(const QModelIndex& index);
    // The same for a row of that kind under a route of that type, holding that value.
    static QString cellText(int kind, int column, int routeType, const QVariant& value);
    // What the column can show, with the widest values, in the language in use.
    static QStringList columnTexts(int column);
    // The width at which the tolerance editor shows any value a plan can hold whole.
    static int toleranceEditorWidth();

public slots:
    void Gotcha();

private:
    QLabel* label;
};

class RouteDefColumnDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    RouteDefColumnDelegate();
    ~RouteDefColumnDelegate() override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // Plus for the groups (something can be added), minus for the items.
    static bool isPlus(int kind);

private:
    QPushButton* button;
};
