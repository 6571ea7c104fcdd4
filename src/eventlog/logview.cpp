#include "eventlog/logview.h"

#include "core/exportfile.h"
#include "core/helpers.h"
#include "eventlog/logmodel.h"

#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/archivedlg.h"
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
    connect(logTable->logModel, &LogModel::saved, this,
            [this](const QString& path, const QByteArray& digest) { rememberWritten(path, digest); });
}

LogView::~LogView() = default;

LogTableView* LogView::table() const
{
    return qobject_cast<LogTableView*>(widget());
}

void LogView::setCurrentFile(const QString& fileName)
{
    const QFileInfo file(appSettings().workPath(fileName));
    currentFile = file.filePath();
    setWindowModified(false);
    setWindowTitle(file.fileName() + QStringLiteral("[*]"));
    setObjectName(file.fileName());
}

bool LogView::loadFile(const QString& fileName, QString* failure)
{
    rememberDiskState(appSettings().workPath(fileName));
    const bool loaded = table()->loadFile(fileName, failure ? nullptr : this);
    if (!loaded && failure)
        *failure = table()->logModel->lastError();
    if (loaded)
        setCurrentFile(fileName);
    return loaded;
}

bool LogView::isDocumentModified() const
{
    return isWindowModified() || table()->logModel->isModified();
}

bool LogView::reloadDocument()
{
    return loadFile(currentFile);
}

bool LogView::readOut(UsbCom* usb)
{
    const auto upToDate = [this] { return bringUpToDate(this); };
    return upToDate() && table()->readOut(usb, upToDate);
}

bool LogView::archive(int mode, int count, const QDate& date)
{
    bool reloaded = false;
    if (!bringUpToDate(this, &reloaded))
        return false;
    if (reloaded && mode == archiveDlg::FromCursor) {
        // The row the user chose may hold another entry now.
        Prompts::information(this, tr("Archiválás"),
                             tr("Az esemény napló fájlja megváltozott, ezért újra betöltöttük.\n"
                                "Válassza ki ismét a sort, amelytől a napló megmarad, és archiváljon újra."));
        return false;
    }
    return table()->archive(mode, count, date);
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

bool LogView::exportToTxt(const QString& fileName, ExportRange range)
{
    return table()->exportToTxt(fileName, range);
}

bool LogView::exportToXml(const QString& fileName, ExportRange range)
{
    return table()->exportToXml(fileName, range);
}

bool LogView::exportToPdf(QPrinter* out, ExportRange range)
{
    WaitCursor wait;
    return paintToPrinterFile(this, out, [&](QPrinter* printer) {
        return table()->print(printer, currentFile, range, PageSetAll);
    });
}

bool LogView::print(QPrinter* out, ExportRange dataRange, int pageRange)
{
    return table()->print(out, currentFile, dataRange, pageRange);
}

bool LogView::print(QPrinter* out, ExportRange dataRange)
{
    return print(out, dataRange, PageSetAll);
}

bool LogView::print(QPrinter* out)
{
    return print(out, RangeAll, PageSetAll);
}

DocumentWindow::Outcome LogView::printDocument(QPrinter* out, ExportRange rows, int pageSet)
{
    return print(out, rows, pageSet) ? Done : NotDone;
}

DocumentWindow::Outcome LogView::exportDocument(DocumentFormat format, const QString& fileName,
                                                const ExportChoice& choice)
{
    switch (format) {
    case FormatText:
        return exportToTxt(fileName, choice.range) ? Done : NotDone;
    case FormatXml:
        return exportToXml(fileName, choice.range) ? Done : NotDone;
    default:
        return NotOffered;
    }
}

DocumentWindow::Outcome LogView::exportPdf(QPrinter* out, ExportRange rows)
{
    return exportToPdf(out, rows) ? Done : NotDone;
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
