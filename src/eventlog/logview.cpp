#include "eventlog/logview.h"

#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logtableview.h"

#include <QFileInfo>
#include <QItemSelectionModel>
#include <QSet>

LogView::LogView()
    : QMdiSubWindow(nullptr)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/images/log.ico")));
    auto* logTable = new LogTableView(nullptr);
    logTable->setupColumns();
    setWidget(logTable);
    connect(&appSettings(), &Settings::optionsChanged, this, &LogView::Reinitialize);
    connect(logTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &LogView::selectChange);
}

LogView::~LogView() = default;

LogTableView* LogView::table() const
{
    return qobject_cast<LogTableView*>(widget());
}

void LogView::setCurrentFile(const QString& fileName)
{
    const QFileInfo file(appSettings().workPath(fileName));
    currentFile = file.absoluteFilePath();
    setWindowModified(false);
    setWindowTitle(file.fileName() + QStringLiteral("[*]"));
    setObjectName(file.fileName());
}

bool LogView::loadFile(const QString& fileName)
{
    const bool loaded = table()->loadFile(fileName, this);
    if (loaded)
        setCurrentFile(fileName);
    return loaded;
}

bool LogView::hasMultipleSelection() const
{
    const QItemSelectionModel* selection = table()->selectionModel();
    const int columns = selection->model()->columnCount();
    // Rows are selected whole, so the ranges answer without listing a million rows.
    QSet<int> rows;
    for (const QItemSelectionRange& range : selection->selection()) {
        if (range.left() != 0 || range.right() != columns - 1)
            return selection->selectedRows(0).size() > 1;
        for (int row = range.top(); row <= range.bottom(); ++row) {
            rows.insert(row);
            if (rows.size() > 1)
                return true;
        }
    }
    return false;
}

bool LogView::isCurrentNormal() const
{
    return table()->isCurrentNormal();
}

void LogView::filterLog()
{
    table()->filterLog();
}

void LogView::selectChange()
{
    emit stayOnPoint(table()->isCurrentNormal());
}

void LogView::Reinitialize()
{
    table()->setupColumns();
    table()->update();
}

void LogView::contextMenuEvent(QContextMenuEvent* event)
{
    emit LocalMenuInvoked(event);
}
