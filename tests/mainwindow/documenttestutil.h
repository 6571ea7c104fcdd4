#pragma once
// Small file and window helpers shared by the main window's tests.
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

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

// A valid event log of logger "PROBA" holding its initialisation entry.
inline void writeLog(const QString& path)
{
    LogFile::Header header;
    header.deviceType = 0x31;
    header.deviceName = QStringLiteral("PROBA   ");
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

inline QStringList recentFiles()
{
    return QSettings().value(QStringLiteral("recentFileList")).toStringList();
}
