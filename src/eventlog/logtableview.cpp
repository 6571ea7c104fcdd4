#include "eventlog/logtableview.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/fieldwidth.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"

#include <QHeaderView>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>

namespace {

// The widest dates and times a cell can show in these metrics: a late day of each month (its
// name may be part of the date) at a late time, every digit the font's widest.
QStringList widestDateTimes(const QFontMetricsF& metrics)
{
    const QChar digit = widestText(metrics, QStringLiteral("0123456789"), 1).at(0);
    QStringList texts;
    for (int month = 1; month <= 12; ++month) {
        QString text = LogEntry::dateTimeText(QDate(2028, month, 28), QTime(23, 58, 58));
        for (QChar& c : text) {
            if (c.isDigit())
                c = digit;
        }
        texts << text;
    }
    return texts;
}

const QStringList& markers()
{
    static const QStringList all = {markTouch,    markDeepDischarge, markMoisture, markCase,
                                    markBattery,  markClockSet,      markReadOut,  markDataGap,
                                    markArchived, markInitialised,   markForeignInit, markLongGap,
                                    markUnknown};
    return all;
}

} // namespace

LogTableView::LogTableView(QWidget* parent)
    : QTableView(parent)
{
    logModel = new LogModel(this);
    auto* filter = new LogFilterProxyModel(this);
    filter->setDynamicSortFilter(true);
    filter->setSourceModel(logModel);
    setModel(filter);

    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setAttribute(Qt::WA_DeleteOnClose);

    for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
        connect(logModel, signal, this, &LogTableView::fitRowColumn);
    connect(logModel, &QAbstractItemModel::modelReset, this, &LogTableView::fitRowColumn);

    homeShortcut = new QShortcut(QKeySequence(Qt::Key_Home), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(homeShortcut, &QShortcut::activated, this, &LogTableView::JumpToBegin);
    endShortcut = new QShortcut(QKeySequence(Qt::Key_End), this, nullptr, nullptr, Qt::WindowShortcut);
    connect(endShortcut, &QShortcut::activated, this, &LogTableView::JumpToEnd);

    // Names and colours come from the code-name list: show its changes at once.
    if (const KodNevModel* names = appSettings().kodNevModel) {
        auto repaint = [this] { viewport()->update(); };
        connect(names, &QAbstractItemModel::dataChanged, this, repaint);
        connect(names, &QAbstractItemModel::rowsInserted, this, repaint);
        connect(names, &QAbstractItemModel::rowsRemoved, this, repaint);
        connect(names, &QAbstractItemModel::modelReset, this, repaint);
    }
}

LogTableView::~LogTableView() = default;

QSize LogTableView::sizeHint() const
{
    return QSize(640, 400);
}

LogFilterProxyModel* LogTableView::proxy() const
{
    return static_cast<LogFilterProxyModel*>(model());
}

void LogTableView::setupColumns()
{
    const Settings& settings = appSettings();
    setShowGrid(false);
    const QFontMetrics metrics(documentFont());
    // The headers would round small sizes up to their own minimum. Each row header is
    // touched when the size changes, so only a new size is set (a filter runs this too).
    if (verticalHeader()->defaultSectionSize() != metrics.height()) {
        verticalHeader()->setMinimumSectionSize(metrics.height());
        verticalHeader()->setDefaultSectionSize(metrics.height());
    }
    const int nine = metrics.horizontalAdvance(QLatin1Char('9'));
    horizontalHeader()->setMinimumSectionSize(2 * nine);
    // Two and twenty-four nines, or what a marker, a date and time (and in the code column a
    // touch's code) needs in each font a row is drawn in: a late touch is bold and slanted.
    int markerWidth = 2 * nine;
    int dateWidth = 24 * nine;
    int codeWidth = 24 * nine;
    for (const bool late : {false, true}) {
        const QFont& cell = logModel->cellFont(late);
        const QFontMetricsF cellMetrics(cell);
        const QStringList dates = widestDateTimes(cellMetrics);
        markerWidth = qMax(markerWidth, columnWidthFor(this, cell, markers()));
        dateWidth = qMax(dateWidth, columnWidthFor(this, cell, dates));
        codeWidth = qMax(codeWidth, columnWidthFor(this, cell, dates + QStringList{widestCode(cellMetrics)}));
    }
    setColumnWidth(LogModel::ColumnMarker, markerWidth);
    setColumnWidth(LogModel::ColumnDateTime, dateWidth);
    setColumnWidth(LogModel::ColumnCode, codeWidth);
    // The columns' 81 nines are no minimum of the view: a narrower window scrolls them
    // rather than pushing the table past its own frame and the window area.
    fitRowColumn();
    setColumnHidden(LogModel::ColumnCode, !(settings.flags & OptPointCode));
    horizontalHeader()->setSectionResizeMode(LogModel::ColumnDescription, QHeaderView::Stretch);
}

// Seven nines, or wider when the largest row number and the cell's margins need it. The
// number is measured as the view shows it, with the locale's group separators.
void LogTableView::fitRowColumn()
{
    const QFont font = documentFont();
    const int nine = QFontMetrics(font).horizontalAdvance(QLatin1Char('9'));
    const QString largest = locale().toString(qMax(1, logModel->rowCount()));
    const int width = qMax(7 * nine, columnWidthFor(this, font, {largest}) + nine / 2);
    if (columnWidth(LogModel::ColumnRow) != width)
        setColumnWidth(LogModel::ColumnRow, width);
}

int LogTableView::currentSourceRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() ? proxy()->mapToSource(current).row() : -1;
}

bool LogTableView::isCurrentNormal() const
{
    return logModel->entryAt(currentSourceRow()).isTouch();
}

void LogTableView::nextExtraordinary()
{
    stepExtraordinary(true);
}

void LogTableView::previousExtraordinary()
{
    stepExtraordinary(false);
}

void LogTableView::stepExtraordinary(bool forward)
{
    int row = currentSourceRow();
    for (;;) {
        row = forward ? logModel->nextExtraordinary(row) : logModel->previousExtraordinary(row);
        if (row < 0) {
            Prompts::information(this, tr("Rendkívüli bejegyzés keresés"),
                                 forward ? tr("Nincs több rendkívüli bejegyzés\na napló vége felé haladva!")
                                         : tr("Nincs több rendkívüli bejegyzés\na napló eleje felé haladva!"));
            return;
        }
        const QModelIndex shown = proxy()->mapFromSource(logModel->index(row, 0));
        if (shown.isValid()) {
            selectOnlyRow(shown.row());
            return;
        }
    }
}

// Single selection for the moment of selecting, so that a held Shift or Ctrl cannot
// extend the selection.
void LogTableView::selectOnlyRow(int proxyRow)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    selectRow(proxyRow);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void LogTableView::nameUnnamedPoints()
{
    logModel->nameUnnamedPoints();
}

bool LogTableView::loadFile(const QString& fileName, QWidget* parent)
{
    const bool loaded = logModel->load(fileName, parent);
    if (loaded)
        JumpToEnd();
    return loaded;
}

bool LogTableView::readOut(UsbCom* usb, const std::function<bool()>& beforeSave)
{
    const bool done = logModel->readOut(usb, beforeSave);
    if (done)
        JumpToEnd();
    return done;
}

// A log jumps to its end as it loads, before its window has its final size: the area
// sizes a window only once it shows, and a window opened before the main window shows
// only then. So a current row in view stays in view whenever the view's size changes.
void LogTableView::resizeEvent(QResizeEvent* event)
{
    const QModelIndex current = currentIndex();
    const int top = current.isValid() ? rowViewportPosition(current.row()) : 0;
    const bool inView =
        current.isValid() && top + rowHeight(current.row()) > 0 && top < event->oldSize().height();
    QTableView::resizeEvent(event);
    if (!inView)
        return;
    // Only the rows follow: a sideways scroll is the user's.
    const int across = horizontalScrollBar()->value();
    scrollTo(current);
    horizontalScrollBar()->setValue(across);
}

bool LogTableView::close()
{
    if (auto* window = qobject_cast<QMdiSubWindow*>(parentWidget()))
        return window->close();
    return QTableView::close();
}

void LogTableView::JumpToBegin()
{
    if (model()->rowCount() < 1)
        return;
    selectRow(0);
    scrollToTop();
    update();
}

void LogTableView::JumpToEnd()
{
    const int rows = model()->rowCount();
    if (rows < 1)
        return;
    selectRow(rows - 1);
    scrollToBottom();
    update();
}
