#pragma once
// The window of one fulfilment report: its table, its file, loading and saving. It never
// marks itself modified and asks nothing when closed; whether the report is saved is the
// model's business.
#include "evaluation/evaluationtableview.h"

#include <QMdiSubWindow>

class EvaluationView : public QMdiSubWindow
{
    Q_OBJECT
public:
    EvaluationView();
    ~EvaluationView() override;

    EvaluationModel* model() { return m_table->evaluationModel(); }
    EvaluationTableView* tableView() { return m_table; }
    QString currentFile() const { return m_currentFile; }
    // A relative name lies in the working directory, where the model reads and writes it.
    void setCurrentFile(const QString& fileName);
    bool loadFile(const QString& fileName);
    bool save();
    bool saveAs();
    QSize sizeHint() const override;

public slots:
    void Reinitialize();

private:
    EvaluationTableView* m_table = nullptr;
    QString m_currentFile;
};
