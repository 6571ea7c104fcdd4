#include "routes/routedefdelegate.h"

#include "routes/routedefmodel.h"
#include "routes/routenamevalidator.h"
#include "routes/tolerance.h"

#include "core/fieldwidth.h"
#include "core/helpers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>

namespace {

// The round count editor's limit, which is also the widest count a cell shows.
constexpr int maxRounds = 250;

QString typeOf(const QModelIndex& index)
{
    const QVariant v = index.data(Qt::DisplayRole);
    return v.isValid() ? QString::fromLatin1(v.typeName()) : QString();
}

int kindOf(const QModelIndex& index)
{
    const auto* model = qobject_cast<const RouteDefModel*>(index.model());
    return model ? int(model->itemFromIndex(index)->kind()) : int(OtherItem);
}

QLineEdit* lineEditor(QWidget* parent, const QString& pattern)
{
    auto* edit = new QLineEdit(parent);
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    return edit;
}

// Text the editor's own validator would not let through is never taken.
bool acceptable(QLineEdit* edit)
{
    QString text = edit->text();
    int pos = 0;
    return !edit->validator() || edit->validator()->validate(text, pos) == QValidator::Acceptable;
}

// Takes a start or point out of its group and puts the changed value at its sorted
// place; when the model refuses, the old value goes back, so the row is never lost.
template <typename T, typename Add, typename Restore>
void reinsert(RouteDefModel* model, const QModelIndex& rowIndex, const T& changed, const T& old, Add add,
              Restore restore)
{
    const QModelIndex group = rowIndex.parent();
    if (!model->removeRows(rowIndex.row(), 1, group))
        return;
    if (!add(changed, group))
        restore(old, group);
}

} // namespace

RouteDefDelegate::RouteDefDelegate() : label(new QLabel)
{
    label->setWordWrap(false);
}

RouteDefDelegate::~RouteDefDelegate()
{
    delete label;
}

QString RouteDefDelegate::cellText(const QModelIndex& index)
{
    const auto* model = qobject_cast<const RouteDefModel*>(index.model());
    const int routeType = model ? model->startRouteType(index) : -1;
    return cellText(kindOf(index), index.column(), routeType, index.data(Qt::DisplayRole));
}

QString RouteDefDelegate::cellText(int kind, int column, int routeType, const QVariant& v)
{
    const QString type = v.isValid() ? QString::fromLatin1(v.typeName()) : QString();
    if (type == QLatin1String("RouteTime")) {
        const QString t = v.value<RouteTime>().toString();
        if (kind == RouteItem && column == 2)
            return tr("%1/kör").arg(t);
        if (kind == StartItem) {
            switch (column) {
            case 0:
                return routeType == 0 || routeType == 2 ? t : tr("kezd:%1").arg(t);
            case 1:
                return tr("vég:%1").arg(t);
            case 2:
                return tr("min:%1").arg(t);
            case 3:
                return tr("max:%1").arg(t);
            default:
                break;
            }
        }
        return t;
    }
    if (type == QLatin1String("int")) {
        const int n = v.toInt();
        if (kind == RouteItem)
            return RouteDefModel::routeTypeName(n, false);
        if (column == 1)
            return Tolerance::withSign(tr("%n perc", nullptr, Tolerance::size(n)), n);
        if (column == 4)
            return QStringLiteral("%1x").arg(n);
        return QStringLiteral("%1").arg(n);
    }
    return QString();
}

QStringList RouteDefDelegate::columnTexts(int column)
{
    RouteTime longestTime;
    longestTime.setSeconds(RouteTime::maxSeconds);
    const QVariantList values = {QVariant::fromValue(RouteTime()),
                                 QVariant::fromValue(RouteTime::parse(QStringLiteral("23:59"))),
                                 QVariant::fromValue(longestTime), 1, maxRounds};
    // The tolerance shows in the settings row's second column only.
    QVariantList tolerances;
    if (column == 1) {
        for (int minutes : Tolerance::widest())
            tolerances << minutes;
    }
    QStringList texts;
    for (int kind : {SettingsItem, RouteItem, StartItem, PointItem}) {
        for (int routeType = 0; routeType < RouteTypeCount; ++routeType) {
            // A route's own row shows its type as a number in the second column.
            const bool typeCell = kind == RouteItem && column == 1;
            const QVariantList own = typeCell ? QVariantList{routeType} : kind == SettingsItem ? tolerances : values;
            for (const QVariant& v : own)
                texts << cellText(kind, column, routeType, v);
        }
    }
    texts.removeDuplicates();
    return texts;
}

int RouteDefDelegate::toleranceEditorWidth()
{
    QSpinBox spin; // as the editor is made, holding the widest values
    spin.setRange(Tolerance::lowest, Tolerance::highest);
    spin.setFont(documentFont());
    return spin.sizeHint().width();
}

void RouteDefDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QString text = cellText(index);
    if (text.isNull()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QPalette palette = option.palette;
    const QPalette::ColorGroup group = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    const bool selected = option.state & QStyle::State_Selected;
    const bool alternate = option.features & QStyleOptionViewItem::Alternate;
    palette.setBrush(QPalette::Active, QPalette::Window,
                     QBrush(palette.color(group, selected    ? QPalette::Highlight
                                                 : alternate ? QPalette::AlternateBase
                                                             : QPalette::Base)));
    palette.setBrush(QPalette::Active, QPalette::WindowText,
                     QBrush(palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text)));
    label->setPalette(palette);
    label->setFixedSize(qMax(0, option.rect.width()), qMax(0, option.rect.height()));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The left one of the margins the base class leaves around a text, as in the first column.
    label->setIndent(cellTextMargins(option.widget) / 2);
    label->setFont(documentFont());
    label->setText(text);
    if (option.rect.width() <= 0 || option.rect.height() <= 0)
        return;
    QPixmap pixmap(option.rect.size());
    pixmap.fill(Qt::transparent);
    label->render(&pixmap, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    painter->drawPixmap(option.rect, pixmap);
}

QWidget* RouteDefDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const
{
    const QString type = typeOf(index);
    const int kind = kindOf(index);
    const int column = index.column();
    QWidget* editor = nullptr;
    if (kind == SettingsItem && column == 1 && type == QLatin1String("int")) {
        auto* spin = new QSpinBox(parent);
        const int held = index.data(Qt::EditRole).toInt();
        spin->setRange(Tolerance::editorLow(held), Tolerance::editorHigh(held));
        connect(spin, &QSpinBox::editingFinished, this, &RouteDefDelegate::Gotcha);
        editor = spin;
    } else if (kind == RouteItem && column == 0 && type == QLatin1String("QString")) {
        auto* edit = new QLineEdit(parent);
        edit->setValidator(new RouteNameValidator(edit));
        editor = edit;
    } else if (kind == RouteItem && column == 1 && type == QLatin1String("int")) {
        auto* combo = new QComboBox(parent);
        for (int t = 0; t < RouteTypeCount; ++t) {
            combo->addItem(RouteDefModel::routeTypeName(t, false));
            combo->setItemData(t, RouteDefModel::routeTypeName(t, true), Qt::ToolTipRole);
        }
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &RouteDefDelegate::Gotcha);
        editor = combo;
    } else if ((kind == RouteItem && column == 2) || kind == StartItem || (kind == PointItem && column == 1)) {
        if (type == QLatin1String("RouteTime")) {
            editor = lineEditor(parent, QStringLiteral("\\A(\\d | {0,4})((2[0123]|[01 ]?\\d)?:)?[0-5 ]?\\d\\z"));
        } else if (kind == StartItem && column == 4 && type == QLatin1String("int")) {
            auto* spin = new QSpinBox(parent);
            spin->setRange(1, maxRounds);
            connect(spin, &QSpinBox::editingFinished, this, &RouteDefDelegate::Gotcha);
            editor = spin;
        }
    } else if (kind == PointItem && column == 0 && type == QLatin1String("QString")) {
        editor = lineEditor(parent, QStringLiteral("\\A[a-pA-P]{1,12}\\z"));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        connect(edit, &QLineEdit::editingFinished, this, &RouteDefDelegate::Gotcha);
    // The cells are drawn, and their columns sized, in the list font: so are the editors.
    if (editor)
        editor->setFont(documentFont());
    return editor;
}

void RouteDefDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const auto* model = qobject_cast<const RouteDefModel*>(index.model());
    if (!model)
        return;
    const QSignalBlocker quiet(editor); // filling must not commit
    const int kind = kindOf(index);
    const QVariant v = index.data(Qt::EditRole);
    if (auto* spin = qobject_cast<QSpinBox*>(editor)) {
        // A number the plan holds outside the editor's range (a round count from a file)
        // is shown as it stands, and kept unless the user changes it.
        const int n = v.toInt();
        spin->setRange(qMin(spin->minimum(), n), qMax(spin->maximum(), n));
        spin->setValue(n);
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        combo->setCurrentIndex(v.toInt());
    } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        if (kind == PointItem && index.column() == 0)
            edit->setText(codeToLetters(model->itemFromIndex(index)->value().value<RoutePoint>().code));
        else if (kind == RouteItem && index.column() == 0)
            edit->setText(v.toString());
        else // a time; anything that is no time counts as unset
            edit->setText(v.value<RouteTime>().toString());
    }
}

void RouteDefDelegate::setModelData(QWidget* editor, QAbstractItemModel* itemModel, const QModelIndex& index) const
{
    auto* model = qobject_cast<RouteDefModel*>(itemModel);
    if (!model || !index.isValid())
        return;
    const TreeItem* item = model->itemFromIndex(index);
    const QModelIndex first = index.siblingAtColumn(0);
    const int column = index.column();
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (edit && !acceptable(edit))
        return;
    switch (item->kind()) {
    case SettingsItem:
        if (auto* spin = qobject_cast<QSpinBox*>(editor); spin && column == 1 && spin->value() != model->tolerance())
            model->setData(first, spin->value());
        return;
    case RouteItem: {
        RouteHead head = item->value().value<RouteHead>();
        if (column == 0 && edit) {
            const QString text = edit->text();
            if (text == head.name || model->findRouteRow(text) >= 0)
                return;
            head.name = text;
        } else if (column == 1) {
            auto* combo = qobject_cast<QComboBox*>(editor);
            if (!combo || combo->currentIndex() < 0)
                return;
            head.type = combo->currentIndex();
        } else if (column == 2 && edit) {
            head.duration = RouteTime::parse(edit->text());
        } else {
            return;
        }
        model->setData(first, QVariant::fromValue(head));
        return;
    }
    case StartItem: {
        const RouteStart old = item->value().value<RouteStart>();
        RouteStart start = old;
        if (column == 4) {
            if (auto* spin = qobject_cast<QSpinBox*>(editor); spin && spin->value() != start.count) {
                start.count = quint16(spin->value());
                model->setData(first, QVariant::fromValue(start));
            }
            return;
        }
        if (!edit)
            return;
        const RouteTime r = RouteTime::parse(edit->text());
        const int type = model->startRouteType(first);
        switch (column) {
        case 0: {
            if (r == start.t1)
                return;
            if ((type == 1 || type == 3 || type == 4) && r.toSeconds() > start.t2.toSeconds())
                return;
            const TreeItem* group = item->parent();
            for (int s = 0; s < group->childCount(); ++s) {
                if (group->child(s) != item && group->child(s)->value().value<RouteStart>().t1 == r)
                    return;
            }
            start.t1 = r;
            break;
        }
        case 1:
            if (r == start.t2 || start.t1.toSeconds() > r.toSeconds())
                return;
            start.t2 = r;
            break;
        case 2:
            if (r == start.t3 || r.toSeconds() > start.t4.toSeconds())
                return;
            start.t3 = r;
            break;
        case 3:
            if (r == start.t4 || start.t3.toSeconds() > r.toSeconds())
                return;
            start.t4 = r;
            break;
        default:
            return;
        }
        const auto add = [model](const RouteStart& s, const QModelIndex& g) { return model->addStart(s, g); };
        reinsert(model, first, start, old, add, add);
        return;
    }
    case PointItem: {
        if (!edit)
            return;
        const RoutePoint old = item->value().value<RoutePoint>();
        RoutePoint point = old;
        if (column == 0) {
            point.setCode(edit->text());
            model->setData(first, QVariant::fromValue(point));
            return;
        }
        if (column != 1)
            return;
        point.offset = RouteTime::parse(edit->text());
        if (point.offset == old.offset || model->findPointOffset(first.parent(), point) >= 0)
            return;
        reinsert(
            model, first, point, old,
            [model](const RoutePoint& p, const QModelIndex& g) { return model->addPoint(p, g, false); },
            [model](const RoutePoint& p, const QModelIndex& g) { return model->addPoint(p, g, true); });
        return;
    }
    default:
        return;
    }
}

void RouteDefDelegate::Gotcha()
{
    if (auto* editor = qobject_cast<QWidget*>(sender())) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

// ---- The last column

RouteDefColumnDelegate::RouteDefColumnDelegate() : button(new QPushButton) {}

RouteDefColumnDelegate::~RouteDefColumnDelegate()
{
    delete button;
}

bool RouteDefColumnDelegate::isPlus(int kind)
{
    return kind == LogGroupItem || kind == RouteGroupItem || kind == StartGroupItem || kind == PointGroupItem;
}

void RouteDefColumnDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    const QVariant v = index.data(Qt::DisplayRole);
    if (v.userType() != QMetaType::Int || option.rect.isEmpty())
        return;
    button->setIcon(QIcon(isPlus(v.toInt()) ? QStringLiteral(":/images/plus.ico")
                                            : QStringLiteral(":/images/minus.ico")));
    button->resize(option.rect.size());
    painter->drawPixmap(option.rect, button->grab());
}
