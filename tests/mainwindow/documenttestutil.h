#pragma once
// Small file and window helpers shared by the main window's tests.
#include "evaluation/reporttestutil.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/helpers.h"
#include "evaluation/evaluationmodel.h"
#include "evaluation/evaluationview.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "logrecords/logentry.h"
#include "logrecords/logfile.h"
#include "mainwindow/mainwindow.h"
#include "core/printexport.h"
#include "core/singleinstance.h"
#include "mainwindow/txtview.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrintDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>

inline QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writeBytes(const QString& path, const QByteArray& bytes = "text")
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A valid event log of a logger (at most eight letters) holding its initialisation entry.
inline void writeLog(const QString& path, const QString& deviceName = QStringLiteral("PROBA   "))
{
    LogFile::Header header;
    header.deviceType = 0x31;
    header.deviceName = deviceName;
    header.initDate = QDateTime(QDate(2023, 1, 10), QTime(9, 0));
    LogEntry entry;
    entry.makeProgramEntry(header.initDate, header.initDate, KindInitialised);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(LogFile::write(file, header, {entry}));
}

// The document windows left once closed ones are gone.
inline QList<QMdiSubWindow*> openWindows(MainWindow& w)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return w.findChild<QMdiArea*>()->subWindowList();
}

inline TxtView* activeTxt(MainWindow& w)
{
    return qobject_cast<TxtView*>(w.activeMdiChild());
}

// Shows a document window and makes it the active one.
inline void showActive(MainWindow& w, QMdiSubWindow* view)
{
    view->show();
    w.findChild<QMdiArea*>()->setActiveSubWindow(view);
}

// An active log window "VIG1.ewl" of `rows` entries a minute apart from 2024-03-05 08:00.
inline LogView* openLog(MainWindow& w, int rows)
{
    LogView* view = w.createLogView();
    QVector<LogEntry> entries;
    for (int i = 0; i < rows; ++i) {
        unsigned char raw[LogEntry::size] = {};
        packDeviceTime(QDateTime(QDate(2024, 3, 5), QTime(8, 0)).addSecs(60 * i), raw);
        raw[4] = 0x12;
        LogEntry e;
        e.setBytes(raw);
        entries << e;
    }
    view->table()->logModel->appendEntries(entries);
    view->setCurrentFile(QStringLiteral("VIG1.ewl"));
    showActive(w, view);
    return view;
}

// An active report window "terv_2024-03-05.ffr" of `rows` rows (ReportTest::numberedReport).
inline EvaluationView* openReport(MainWindow& w, int rows)
{
    auto* view = new EvaluationView;
    view->model()->setReport(ReportTest::numberedReport(rows), false);
    view->setCurrentFile(QStringLiteral("terv_2024-03-05.ffr"));
    w.findChild<QMdiArea*>()->addSubWindow(view);
    showActive(w, view);
    return view;
}

// Accepts a print dialog as set, its printer writing a PDF file at path (accept() would
// read the dialog's widgets, which name no file here).
inline void acceptPrintToPdf(QWidget* dialog, const QString& path)
{
    auto* d = static_cast<QPrintDialog*>(dialog);
    d->printer()->setOutputFormat(QPrinter::PdfFormat);
    d->printer()->setOutputFileName(path);
    d->done(QDialog::Accepted);
}

inline QStringList recentFiles()
{
    return QSettings().value(QStringLiteral("recentFileList")).toStringList();
}
