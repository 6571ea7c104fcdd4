#pragma once
// The fulfilment command: asks for the plan, the day and the depth, evaluates the plan's
// event logs under an application-modal progress dialog and shows the report in its
// window. The main window supplies the report window for a report path (the open one, or
// a new one in its MDI area).
#include <QDate>
#include <QString>
#include <functional>

class EvaluationView;
class QLocale;
class QWidget;
class RouteDefModel;

namespace Fulfilment {

// The report window for an absolute report path: the one showing it, or a new one.
using ReportWindow = std::function<EvaluationView*(const QString& reportPath)>;

// The whole command. plan: the active plan window's model, or null to let the user pick a
// file; planName: that window's own name, used when the plan has never been saved.
// Returns the window the report went to, or null when nothing was evaluated.
EvaluationView* run(QWidget* mainWindow, RouteDefModel* plan, const QString& planName, const ReportWindow& window);

// The evaluation proper, without the parameter dialog.
EvaluationView* evaluate(QWidget* mainWindow, const RouteDefModel& plan, const QString& planName, const QDate& date,
                         int mode, const ReportWindow& window);

// "<workDir>/<plan name>_<date>.ffr": the plan's file name (or, never saved, its window's
// name) without its plan extension, the date year first under a Hungarian locale.
QString reportPath(const QString& planFileName, const QString& planName, const QString& workDir, const QDate& date,
                   const QLocale& locale);

// True while an evaluation runs; a second one is refused meanwhile.
bool isRunning();

} // namespace Fulfilment
