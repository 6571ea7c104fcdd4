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

    // The document-window interface (printing and exports are not offered yet).
    ViewKind viewKind() const override { return EvaluationViewKind; }
    QString documentFile() const override { return m_currentFile; }
    // The window never counts as modified and never asks before closing.
    bool isDocumentModified() const override { return false; }
    bool hasMultipleSelection() const override;
    Outcome saveDocument() override { return save() ? Done : NotDone; }
    Outcome saveDocumentAs() override { return saveAs() ? Done : NotDone; }

public slots:
    void Reinitialize();

private:
    EvaluationTableView* m_table = nullptr;
    QString m_currentFile;
};
