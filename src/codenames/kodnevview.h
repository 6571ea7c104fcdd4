#pragma once
// The code-name window: the one code-name list of the program as a child window of the
// main window, with the add, edit and delete commands. It owns no list data; every change
// goes straight into the shared model that all other windows name codes from.
#include "core/documentwindow.h"

#include <QDate>
#include <QItemSelection>
#include <QMdiSubWindow>

class KodTableView;
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

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Model row of the selected entry, or -1.
    int selectedRow() const;

    QShortcut* enterShortcut = nullptr;
    QShortcut* returnShortcut = nullptr;
    QShortcut* deleteShortcut = nullptr;
    QShortcut* insertShortcut = nullptr;
};
