#pragma once
// The table of a report window: it owns the report's model and shows row numbers and
// row texts in the document font.
#include "core/printexport.h"
#include "evaluation/evaluationmodel.h"

#include <QTableView>

class QIODevice;
class QPrinter;
class QShortcut;

class EvaluationTableView : public QTableView
{
    Q_OBJECT
public:
    explicit EvaluationTableView(QWidget* parent = nullptr);
    ~EvaluationTableView() override;

    EvaluationModel* evaluationModel() { return &m_model; }
    void setupView();
    // The row of the first selected index, -1 when nothing is selected.
    int firstSelectedRow() const;
    QSize sizeHint() const override;

    // The rows a range covers, by the first selected row.
    RowSpan exportSpan(ExportRange range) const;
    // The report's title line and rows as text lines (CR LF, no byte-order mark) or as
    // spreadsheet rows; false on a write failure.
    bool writeText(QIODevice& device, const RowSpan& span) const;
    bool writeXml(QIODevice& device, const RowSpan& span) const;

public slots:
    void close();
    void JumpToBegin();
    void JumpToEnd();
    // True when the file was written or the pages printed; failures are reported.
    bool print(QPrinter* out, const QString& fileName, ExportRange dataRange, int pageRange);
    bool print(QPrinter* out, const QString& fileName, ExportRange dataRange);
    bool print(QPrinter* out, const QString& fileName);
    bool exportToTxt(const QString& fileName, ExportRange range);
    bool exportToXml(const QString& fileName, ExportRange range);

private:
    void fitRowColumn();
    bool exportTo(const QString& fileName, ExportRange range, bool xml);

    EvaluationModel m_model;
    QShortcut* m_home = nullptr;
    QShortcut* m_end = nullptr;
};
