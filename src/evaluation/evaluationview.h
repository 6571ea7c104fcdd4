#pragma once
// The window of one fulfilment report: its table, its file, loading and saving. It never
// marks itself modified and asks nothing when closed; whether the report is saved is the
// model's business.
#include "core/documentwindow.h"
#include "evaluation/evaluationtableview.h"

#include <QMdiSubWindow>

class EvaluationView : public QMdiSubWindow, public DocumentWindow
{
    Q_OBJECT
    Q_INTERFACES(DocumentWindow)
public:
    EvaluationView();
    ~EvaluationView() override;

    EvaluationModel* model() { return m_table->evaluationModel(); }
    EvaluationTableView* tableView() { return m_table; }
    QString currentFile() const { return m_currentFile; }
    // A relative name lies in the working directory, where the model reads and writes it.
    void setCurrentFile(const QString& fileName);
    // With failure given, a failed load puts its message there instead of showing it.
    bool loadFile(const QString& fileName, QString* failure = nullptr);
    bool save();
    bool saveAs();
    QSize sizeHint() const override;

    // The document-window interface.
    ViewKind viewKind() const override { return EvaluationViewKind; }
    QString documentFile() const override { return m_currentFile; }
    // The window never counts as modified and never asks before closing.
    bool isDocumentModified() const override { return false; }
    bool hasMultipleSelection() const override;
    Outcome saveDocument() override { return save() ? Done : NotDone; }
    Outcome saveDocumentAs() override { return saveAs() ? Done : NotDone; }
    Outcome printDocument(QPrinter* out, ExportRange rows, int pageSet) override;
    Outcome exportDocument(DocumentFormat format, const QString& fileName, const ExportChoice& choice) override;
    Outcome exportPdf(QPrinter* out, ExportRange rows) override;

public slots:
    void Reinitialize();
    // Exports and prints of the report's rows, the footer naming the report's file; true
    // when done, failures are reported.
    bool exportToTxt(const QString& fileName, ExportRange range);
    bool exportToXml(const QString& fileName, ExportRange range);
    // The printer already writes to the PDF file; the file appears only when complete.
    bool exportToPdf(QPrinter* out, ExportRange range);
    bool print(QPrinter* out, ExportRange dataRange, int pageRange);
    bool print(QPrinter* out, ExportRange dataRange);
    bool print(QPrinter* out);

private:
    EvaluationTableView* m_table = nullptr;
    QString m_currentFile;
    bool m_written = false; // the report was read from or written to m_currentFile
};
