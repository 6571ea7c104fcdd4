#include "evaluation/fulfilment.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logmodel.h"
#include "evaluation/doubleprocessdlg.h"
#include "evaluation/evaluationdlg.h"
#include "evaluation/evaluationengine.h"
#include "evaluation/evaluationview.h"
#include "evaluation/plansnapshot.h"
#include "logrecords/logfile.h"
#include "routes/routedefmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPointer>
#include <memory>

namespace Fulfilment {

namespace {

bool running = false;

class RunGuard
{
public:
    RunGuard() { running = true; }
    ~RunGuard() { running = false; }
};

// Event logs as files, read with the log model's own loader and messages. A plan names its
// logs in capitals; the file is found whatever its letter case.
class FileLogs : public EvaluationLogSource
{
public:
    explicit FileLogs(QWidget* parent) : m_parent(parent) {}
    bool load(int, const QString& name, QVector<LogEntry>& entries) override
    {
        LogModel log;
        if (!log.load(LogFile::existingName(appSettings().workDir, name), m_parent))
            return false;
        entries = log.entries();
        return true;
    }

private:
    QPointer<QWidget> m_parent;
};

} // namespace

bool isRunning()
{
    return running;
}

QString reportPath(const QString& planFileName, const QString& planName, const QString& workDir, const QDate& date,
                   const QLocale& locale)
{
    QString name = planFileName.isEmpty() ? planName : planFileName;
    if (name.isEmpty())
        name = QCoreApplication::translate("Fulfilment", "útvonalterv");
    const QFileInfo plan(QDir(workDir), name);
    const QString suffix = plan.suffix();
    QString stem = absolutePathOf(name, workDir);
    // Only the extension goes ("plan.erd", "plan.RDF", "x.y.erd" -> "x.y"), never part of the name.
    if (!suffix.isEmpty())
        stem.chop(suffix.size() + 1);
    const QString day = date.toString(locale.language() == QLocale::Hungarian ? QStringLiteral("yyyy-MM-dd")
                                                                                : QStringLiteral("dd-MM-yyyy"));
    return QStringLiteral("%1_%2.%3").arg(stem, day, extReport);
}

EvaluationView* evaluate(QWidget* mainWindow, const RouteDefModel& plan, const QString& planName, const QDate& date,
                         int mode, const ReportWindow& window)
{
    if (running)
        return nullptr;
    const RunGuard guard;
    const QString path = reportPath(plan.fileName(), planName, appSettings().workDir, date, QLocale::system());
    QPointer<EvaluationView> view = window(path);
    if (!view)
        return nullptr;
    view->setCurrentFile(path);

    // The run reads its own copy of the plan, so nothing done to the plan window meanwhile
    // can reach it.
    const PlanSnapshot snapshot = PlanSnapshot::fromModel(plan);
    EvaluationRequest request;
    request.reportPath = path;
    request.base = QDateTime(date, QTime(0, 0));
    request.mode = mode;
    request.century = appSettings().century;

    DoubleProcessDlg dialog;
    // Application-modal: the run lets events through, but no other window takes input.
    dialog.setWindowModality(Qt::ApplicationModal);
    DoubleProcessProgress progress(dialog);
    dialog.show();
    FileLogs logs(mainWindow);
    const EvaluationResult result = EvaluationEngine::run(snapshot, request, logs, progress);
    dialog.hide();

    if (!view)
        return nullptr;
    // An aborted run shows what it found so far rather than leaving a hidden window.
    view->model()->setReport(result.report);
    view->show();
    return view;
}

EvaluationView* run(QWidget* mainWindow, RouteDefModel* plan, const QString& planName, const ReportWindow& window)
{
    if (running)
        return nullptr;
    EvaluationDlg dialog(mainWindow);
    if (plan)
        dialog.hidePlanFile();
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    const QDate date = dialog.BeginDateEdit->date();
    const int mode = dialog.reportMode();
    if (plan)
        return evaluate(mainWindow, *plan, planName, date, mode, window);

    RouteDefModel loaded;
    const QString file = dialog.fileNameEdit->text();
    const bool ok = file.endsWith(QLatin1Char('.') + extRoutePlan, Qt::CaseInsensitive)
                        ? loaded.load(file, mainWindow)
                        : loaded.import(file, mainWindow);
    if (!ok)
        return nullptr;
    return evaluate(mainWindow, loaded, QString(), date, mode, window);
}

} // namespace Fulfilment
