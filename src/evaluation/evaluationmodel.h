#pragma once
// One fulfilment report as a two-column list (row number, row text), with its file.
// The rows are made by the evaluation (see EvaluationEngine) and handed over whole;
// every text is made from the row when it is shown.
#include "evaluation/evaluationreport.h"
#include "evaluation/reportcontext.h"

#include <QAbstractListModel>
#include <optional>

class QWidget;

class EvaluationModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit EvaluationModel(QObject* parent = nullptr);
    ~EvaluationModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    const EvaluationReport& report() const { return m_report; }
    // Replaces the shown report; a new report counts as not saved.
    void setReport(const EvaluationReport& report, bool modified = true);
    bool isModified() const { return m_modified; }

    // Texts use this context instead of the application's options (tests, fuzzing).
    void setTextContext(const ReportContext& context) { m_context = context; }
    ReportContext textContext() const;

    QString title() const { return m_report.title; }
    int mode() const { return m_report.mode; }
    QString logName(int i) const { return m_report.logName(i); }
    QString routeName(int i) const { return m_report.routeName(i); }
    QString affectedLogsText(int row) const;
    QString routeStartText(int row) const;
    QString rowText(int row) const;
    QString headerText() const;

    // Relative names lie in the working directory. A null parent shows no message.
    // save: true when written, or when nothing needed writing (not modified, no force).
    bool save(const QString& fileName, QWidget* parent, bool force);
    // A file that is not a whole report is refused and the shown report stays.
    bool load(const QString& fileName, QWidget* parent);
    // Why the last load failed (also when no message was shown).
    QString lastError() const { return m_lastError; }
    // The digest of what the last successful save wrote (DigestingDevice).
    QByteArray writtenDigest() const { return m_writtenDigest; }

private:
    QString rowText(const EvaluationRow& row, const ReportContext& context) const;

    EvaluationReport m_report;
    bool m_modified = false;
    QString m_lastError;
    QByteArray m_writtenDigest;
    std::optional<ReportContext> m_context;
};
