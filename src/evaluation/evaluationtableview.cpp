#include "evaluation/evaluationtableview.h"

#include "core/fieldwidth.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QShortcut>

EvaluationTableView::EvaluationTableView(QWidget* parent) : QTableView(parent)
{
    setModel(&m_model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAttribute(Qt::WA_DeleteOnClose);
    m_home = new QShortcut(QKeySequence(Qt::Key_Home), this);
    m_end = new QShortcut(QKeySequence(Qt::Key_End), this);
    connect(m_home, &QShortcut::activated, this, &EvaluationTableView::JumpToBegin);
    connect(m_end, &QShortcut::activated, this, &EvaluationTableView::JumpToEnd);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &EvaluationTableView::fitRowColumn);
}

EvaluationTableView::~EvaluationTableView()
{
    // The view must let go of the model before the model (a member) goes.
    setModel(nullptr);
}

void EvaluationTableView::setupView()
{
    setMinimumWidth(340);
    setShowGrid(false);
    setAlternatingRowColors((appSettings().flags & OptAlternateBack) != 0);
    const QFontMetrics metrics(documentFont());
    verticalHeader()->setDefaultSectionSize(metrics.height());
    fitRowColumn();
    horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
}

// Six nines, or wider when the largest row number and the cell's margins need it.
void EvaluationTableView::fitRowColumn()
{
    setColumnWidth(0, rowNumberColumnWidth(this, documentFont(),
                                           QString::number(qMax(1, m_model.rowCount())), 6));
}

int EvaluationTableView::firstSelectedRow() const
{
    const QModelIndexList selected = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList();
    return selected.isEmpty() ? -1 : selected.first().row();
}

QSize EvaluationTableView::sizeHint() const
{
    return QSize(640, 400);
}

void EvaluationTableView::close()
{
    for (QWidget* w = parentWidget(); w; w = w->parentWidget()) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(w)) {
            sub->close();
            return;
        }
    }
}

void EvaluationTableView::JumpToBegin()
{
    if (m_model.rowCount() == 0 || currentIndex().row() == 0)
        return;
    selectRow(0);
}

void EvaluationTableView::JumpToEnd()
{
    const int last = m_model.rowCount() - 1;
    if (last < 0 || currentIndex().row() == last)
        return;
    selectRow(last);
}
