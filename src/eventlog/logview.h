#pragma once
// An event log as a child window of the main window: its file, its title and the state
// the main window's actions follow. The table inside (widget()) carries the commands.
#include <QMdiSubWindow>

class LogTableView;

class LogView : public QMdiSubWindow
{
    Q_OBJECT
public:
    LogView();
    ~LogView() override;

    // Relative names lie in the working directory, as for the log model.
    void setCurrentFile(const QString& fileName);
    bool loadFile(const QString& fileName);
    bool hasMultipleSelection() const;
    bool isCurrentNormal() const;
    // The filter command on the table.
    void filterLog();
    LogTableView* table() const;

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
