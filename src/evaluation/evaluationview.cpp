#include "evaluation/evaluationview.h"

#include "core/constants.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QFileInfo>
#include <QIcon>
#include <QItemSelectionModel>
#include <QPrinter>

EvaluationView::EvaluationView()
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/images/rep.ico")));
    m_table = new EvaluationTableView;
    m_table->setupView();
    setWidget(m_table);
    connect(&appSettings(), &Settings::optionsChanged, this, &EvaluationView::Reinitialize);
}

EvaluationView::~EvaluationView() = default;

void EvaluationView::setCurrentFile(const QString& fileName)
{
    const QString path = appSettings().workPath(fileName);
    if (path != m_currentFile)
        m_written = false;
    m_currentFile = path;
    setWindowModified(false);
    const QString shown = QFileInfo(m_currentFile).fileName();
    setWindowTitle(shown + QStringLiteral("[*]"));
    setObjectName(shown);
}

bool EvaluationView::loadFile(const QString& fileName, QString* failure)
{
    rememberDiskState(appSettings().workPath(fileName));
    const bool ok = model()->load(fileName, failure ? nullptr : this);
    if (ok) {
        setCurrentFile(fileName);
        m_written = true;
    } else if (failure) {
        *failure = model()->lastError();
    }
    return ok;
}

bool EvaluationView::save()
{
    if (!model()->isModified())
        return true;
    const QString path = m_currentFile.isEmpty()
                             ? appSettings().workPath(model()->title() + QLatin1Char('.') + extReport)
                             : m_currentFile;
    // A report not written yet takes a name that an older report (of the same plan and day)
    // may hold: that one is replaced only when the user agrees.
    if (!m_written && !confirmExportOverwrite(this, tr("Teljesítés jelentés mentés"), path))
        return false;
    if (!mayWriteOver(this, path))
        return false;
    setCurrentFile(path);
    // Once written, later saves replace the window's own file unasked, unless it changed.
    m_written = model()->save(m_currentFile, this, false);
    if (m_written)
        rememberWritten(m_currentFile, model()->writtenDigest());
    return m_written;
}

bool EvaluationView::saveAs()
{
    const QString proposed = m_currentFile.isEmpty()
                                 ? appSettings().workPath(model()->title() + QLatin1Char('.') + extReport)
                                 : m_currentFile;
    const QString name = askSaveFileName(this, tr("Teljesítés jelentés mentés"), proposed,
                                         tr("Teljesítés jelentések (*.%1)").arg(extReport), extReport, QString(),
                                         Prompts::documentLabels());
    if (name.isEmpty())
        return false;
    const bool ok = model()->save(name, this, true);
    if (ok) {
        setCurrentFile(name);
        rememberWritten(m_currentFile, model()->writtenDigest());
        m_written = true;
    }
    return ok;
}

bool EvaluationView::hasMultipleSelection() const
{
    const QItemSelectionModel* selection = m_table->selectionModel();
    return selection && selection->selectedRows().size() > 1;
}

QSize EvaluationView::sizeHint() const
{
    return QSize(640, 400);
}

void EvaluationView::Reinitialize()
{
    m_table->setupView();
    m_table->viewport()->update();
    update();
}

bool EvaluationView::exportToTxt(const QString& fileName, ExportRange range)
{
    return m_table->exportToTxt(fileName, range);
}

bool EvaluationView::exportToXml(const QString& fileName, ExportRange range)
{
    return m_table->exportToXml(fileName, range);
}

bool EvaluationView::exportToPdf(QPrinter* out, ExportRange range)
{
    WaitCursor wait;
    return paintToPrinterFile(this, out, [&](QPrinter* printer) {
        return m_table->print(printer, m_currentFile, range, PageSetAll);
    });
}

bool EvaluationView::print(QPrinter* out, ExportRange dataRange, int pageRange)
{
    return m_table->print(out, m_currentFile, dataRange, pageRange);
}

bool EvaluationView::print(QPrinter* out, ExportRange dataRange)
{
    return print(out, dataRange, PageSetAll);
}

bool EvaluationView::print(QPrinter* out)
{
    return print(out, RangeAll, PageSetAll);
}

DocumentWindow::Outcome EvaluationView::printDocument(QPrinter* out, ExportRange rows, int pageSet)
{
    return print(out, rows, pageSet) ? Done : NotDone;
}

DocumentWindow::Outcome EvaluationView::exportDocument(DocumentFormat format, const QString& fileName,
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

DocumentWindow::Outcome EvaluationView::exportPdf(QPrinter* out, ExportRange rows)
{
    return exportToPdf(out, rows) ? Done : NotDone;
}
