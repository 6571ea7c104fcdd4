#include "codenames/kodtableview.h"

#include "codenames/kodnevmodel.h"
#include "core/fieldwidth.h"
#include "core/helpers.h"
#include "core/printexport.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QHeaderView>
#include <QLocale>
#include <QMdiSubWindow>
#include <QShortcut>
#include <QSortFilterProxyModel>

KodTableView::KodTableView(QWidget* parent)
    : QTableView(parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAttribute(Qt::WA_DeleteOnClose);

    KodNevModel* names = appSettings().kodNevModel;
    m_proxy = new QSortFilterProxyModel(this);
    m_proxy->setSourceModel(names);
    m_proxy->setDynamicSortFilter(true);
    setModel(m_proxy);
    setSelectionBehavior(QAbstractItemView::SelectRows);

    homeShortcut = new QShortcut(QKeySequence(Qt::Key_Home), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(homeShortcut, &QShortcut::activated, this, &KodTableView::JumpToBegin);
    endShortcut = new QShortcut(QKeySequence(Qt::Key_End), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(endShortcut, &QShortcut::activated, this, &KodTableView::JumpToEnd);
    connect(names, &KodNevModel::reloaded, this, &KodTableView::JumpToEnd);
    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(m_proxy, signal, this, &KodTableView::fitRowColumn);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &KodTableView::fitRowColumn);
    // A reset (a load, an import) clears the selection without a signal; the entry
    // selected before stays selected where it is still in the list.
    connect(m_proxy, &QAbstractItemModel::modelAboutToBeReset, this, &KodTableView::rememberSelection);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &KodTableView::restoreSelection);
}

KodTableView::~KodTableView() = default;

QSize KodTableView::sizeHint() const
{
    return QSize(640, 400);
}

void KodTableView::setupView()
{
    const Settings& s = appSettings();
    setMinimumWidth(340);
    setShowGrid(false);
    const QFont font(s.fontFace, s.fontSize, 50, false);
    const QFontMetrics metrics(font);
    verticalHeader()->setMinimumSectionSize(metrics.height());
    verticalHeader()->setDefaultSectionSize(metrics.height());
    horizontalHeader()->setSectionResizeMode(3, QHeaderView::Stretch);
    const int nine = metrics.horizontalAdvance(QLatin1Char('9'));
    fitRowColumn();
    // Fourteen M widths, or what the widest code needs in the font the cells are drawn with;
    // a date in the locale's short form with the cell's margins must fit, whatever the font.
    setColumnWidth(2, qMax(14 * metrics.horizontalAdvance(QLatin1Char('M')),
                           columnWidthFor(this, font, {widestCode(metrics)})));
    const QString widestDate = QLocale().toString(QDate(2000, 12, 28), QLocale::ShortFormat);
    setColumnWidth(1, qMax(14 * nine, columnWidthFor(this, font, {widestDate}) + nine));
}

// Six nines, or wider when the largest row number, as the view shows it, and the cell's
// margins need it.
void KodTableView::fitRowColumn()
{
    const int width =
        rowNumberColumnWidth(this, documentFont(), locale().toString(qMax(1, m_proxy->rowCount())), 6);
    if (columnWidth(0) != width)
        setColumnWidth(0, width);
}

int KodTableView::currentSourceRow() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return -1;
    return m_proxy->mapToSource(selected.first()).row();
}

void KodTableView::rememberSelection()
{
    const int row = currentSourceRow();
    m_hadSelection = row >= 0;
    if (m_hadSelection)
        m_selectedBeforeReset = appSettings().kodNevModel->entryAt(row);
}

void KodTableView::restoreSelection()
{
    if (!m_hadSelection)
        return;
    m_hadSelection = false;
    KodNevModel* names = appSettings().kodNevModel;
    const int row = names->findExact(m_selectedBeforeReset);
    if (row < 0)
        return;
    const QModelIndex shown = m_proxy->mapFromSource(names->index(row, 0));
    selectRow(shown.row());
    scrollTo(shown);
}

bool KodTableView::close()
{
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return window->close();
    return QTableView::close();
}

void KodTableView::JumpToBegin()
{
    if (model()->rowCount() < 1 || currentIndex().row() == 0)
        return;
    selectRow(0);
    scrollToTop();
}

void KodTableView::JumpToEnd()
{
    const int rows = model()->rowCount();
    if (rows < 1 || (currentIndex().isValid() && currentIndex().row() == rows - 1))
        return;
    selectRow(rows - 1);
    scrollToBottom();
}

QPair<int, int> kodNevRowSpan(int range, int rowCount, int cursorRow)
{
    const int last = rowCount - 1;
    if (rowCount < 1)
        return {0, -1};
    if (cursorRow < 0 || cursorRow > last)
        return {0, last};
    switch (range) {
    case RangeSelection: return {cursorRow, cursorRow};
    case RangeToCursor: return {0, cursorRow};
    case RangeFromCursor: return {cursorRow, last};
    default: return {0, last};
    }
}
