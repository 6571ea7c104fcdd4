#pragma once
// Small file and window helpers shared by the main window's document tests.
#include "mainwindow/mainwindow.h"

#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSettings>
#include <QTest>

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

// The document windows left once closed ones are gone.
inline QList<QMdiSubWindow*> openWindows(MainWindow& w)
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return w.findChild<QMdiArea*>()->subWindowList();
}

inline QStringList recentFiles()
{
    return QSettings().value(QStringLiteral("recentFileList")).toStringList();
}
