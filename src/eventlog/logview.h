#pragma once
// An event log as a child window of the main window: its file, its title and the state
// the main window's actions follow. The table inside (widget()) carries the commands.
#include "core/documentwindow.h"

#include <QMdiSubWindow>

class LogTableView;

class LogView : public QMdiSubWindow, public DocumentWindow
{
    Q_OBJECT
    Q_INTERFACES(DocumentWindow)
public:
    LogView();
    ~LogView() override;

    // Relative names lie in the working directory, as for the log model.
    void setCurrentFile(const QString& fileName);
    bool loadFile(const QString& fileName);
    bool hasMultipleSelection() const override;
    bool isCurrentNormal() const;
    // The filter command on the table.
    void filterLog();
    LogTableView* table() const;

    // A log is saved by the commands that change it, so it offers no save of its own.
    ViewKind viewKind() const override { return LogViewKind; }
    QString documentFile() const override { return currentFile; }
    bool isDocumentModified() const override { return isWindowModified(); }

    QString currentFile; // absolute path of the log's file; empty until named

signals:
    void LocalMenuInvoked(QContextMenuEvent* event);
    void stayOnPoint(bool onPoint);

public slots:
    void selectChange();
    void Reinitialize();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};
