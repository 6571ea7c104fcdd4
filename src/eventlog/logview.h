#pragma once
// An event log as a child window of the main window: its file, its title and the state
// the main window's actions follow. The table inside (widget()) carries the commands.
#include "core/documentwindow.h"

#include <QMdiSubWindow>

class LogTableView;
class QDate;
class QPrinter;
class UsbCom;

class LogView : public QMdiSubWindow, public DocumentWindow
{
    Q_OBJECT
    Q_INTERFACES(DocumentWindow)
public:
    LogView();
    ~LogView() override;

    // Relative names lie in the working directory, as for the log model.
    void setCurrentFile(const QString& fileName);
    // With failure given, a failure is described there instead of in a message box.
    bool loadFile(const QString& fileName, QString* failure = nullptr);
    bool hasMultipleSelection() const override;
    bool isCurrentNormal() const;
    // The filter command on the table.
    void filterLog();
    // The read-out and the archive (an archiveDlg mode), each on the log as it is on disk:
    // where another changed the file since this window read or wrote it, it is loaded again
    // first. False where nothing was done or it failed (said).
    bool readOut(UsbCom* usb);
    bool archive(int mode, int count, const QDate& date);
    LogTableView* table() const;

    // A log is saved by the commands that change it, so it offers no save of its own.
    ViewKind viewKind() const override { return LogViewKind; }
    QString documentFile() const override { return currentFile; }
    // Records in the window that its file does not hold (their save failed).
    bool isDocumentModified() const override;
    Outcome printDocument(QPrinter* out, ExportRange rows, int pageSet) override;
    Outcome exportDocument(DocumentFormat format, const QString& fileName, const ExportChoice& choice) override;
    Outcome exportPdf(QPrinter* out, ExportRange rows) override;

    QString currentFile; // absolute path of the log's file; empty until named

signals:
    void LocalMenuInvoked(QContextMenuEvent* event);
    void stayOnPoint(bool onPoint);

public slots:
    // Exports and prints of the shown rows; true when written, failures are reported.
    bool exportToTxt(const QString& fileName, ExportRange range);
    bool exportToXml(const QString& fileName, ExportRange range);
    // The printer already writes to the PDF file; the file appears only when complete.
    bool exportToPdf(QPrinter* out, ExportRange range);
    bool print(QPrinter* out, ExportRange dataRange, int pageRange);
    bool print(QPrinter* out, ExportRange dataRange);
    bool print(QPrinter* out);

    void selectChange();
    void Reinitialize();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool reloadDocument() override;
};
