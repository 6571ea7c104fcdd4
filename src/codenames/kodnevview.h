#pragma once
// The code-name window: the one code-name list of the program as a child window of the
// main window, with the add, edit and delete commands. It owns no list data; every change
// goes straight into the shared model that all other windows name codes from.
#include "core/documentwindow.h"

#include <QDate>
#include <QItemSelection>
#include <QMdiSubWindow>

class KodTableView;
class QPrinter;
class QShortcut;

class KodnevView : public QMdiSubWindow, public DocumentWindow
{
    Q_OBJECT
    Q_INTERFACES(DocumentWindow)
public:
    KodnevView();
    ~KodnevView() override;

    // The list is saved when the window closes; it offers no save command of its own.
    ViewKind viewKind() const override { return KodnevViewKind; }
    QString documentFile() const override;
    bool isDocumentModified() const override;
    Outcome printDocument(QPrinter* out, ExportRange rows, int pageSet) override;
    // Text and XML take the validity-date and colour choices; the list has no selection
    // range of several rows, so RangeSelection means the entry under the cursor.
    Outcome exportDocument(DocumentFormat format, const QString& fileName, const ExportChoice& choice) override;
    Outcome exportPdf(QPrinter* out, ExportRange rows) override;
    Outcome importDocument(DocumentFormat format, const QString& fileName) override;

    KodTableView* table() const;
    bool hasSelection() const;
    // Adds the entry when KodNev::set takes it; otherwise lists every reason in one warning.
    bool addValidatedEntry(const QString& code, const QString& name, const QDate& date, const QColor& background,
                           const QColor& foreground);
    // Model rows.
    bool setEntryName(int row, const QString& name);
    void setEntryColors(int row, const QColor& background, const QColor& foreground);
    void removeEntryRow(int row);

signals:
    void selectionStateChanged();
    void LocalMenuInvoked(QContextMenuEvent* event);

public slots:
    void addEntry();
    void editEntry();
    void removeEntry();
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void Reinitialize();
    int cursorLine() const;
    void sorting(int col = 0, Qt::SortOrder order = Qt::AscendingOrder);
    void enableSorting(bool enable = true);

    // Exports and prints of the list's rows in model order; true when done, failures are
    // reported to the user.
    bool exportToTxt(const QString& fileName, ExportRange range, bool exportDate, bool exportColor);
    bool exportToXml(const QString& fileName, ExportRange range, bool exportDate, bool exportColor);
    // The printer already writes to the PDF file; the file appears only when complete.
    bool exportToPdf(QPrinter* out, ExportRange range);
    bool print(QPrinter* out, ExportRange dataRange, int pageRange);
    bool print(QPrinter* out, ExportRange dataRange);
    bool print(QPrinter* out);
    // Entries read are added to the list as they come; true when the whole file was read.
    bool importFromTxt(const QString& fileName);
    bool importFromXml(const QString& fileName);

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Model row of the selected entry, or -1.
    int selectedRow() const;
    // The model rows a range covers, by the cursor entry.
    RowSpan exportSpan(ExportRange range) const;

    QShortcut* enterShortcut = nullptr;
    QShortcut* returnShortcut = nullptr;
    QShortcut* deleteShortcut = nullptr;
    QShortcut* insertShortcut = nullptr;
};
