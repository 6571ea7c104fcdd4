#pragma once
// The table of a report window: it owns the report's model and shows row numbers and
// row texts in the document font.
#include "evaluation/evaluationmodel.h"

#include <QTableView>

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

public slots:
    void close();
    void JumpToBegin();
    void JumpToEnd();

private:
    EvaluationModel m_model;
    QShortcut* m_home = nullptr;
    QShortcut* m_end = nullptr;
};
