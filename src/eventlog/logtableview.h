#pragma once
// The table of a log window. It owns the log's model and shows it through the filter
// proxy, so every command maps the rows the user sees to rows of the log first.
#include "core/printexport.h"

#include <QTableView>

#include <functional>

class LogFilterProxyModel;
class LogFindDlg;
class QIODevice;
class QPrinter;
class LogModel;
struct LogSearchCriteria;
class QShortcut;
class UsbCom;

class LogTableView : public QTableView
{
    Q_OBJECT
public:
    explicit LogTableView(QWidget* parent = nullptr);
    ~LogTableView() override;

    QSize sizeHint() const override;

    // Font measures, column widths, row height and the code column by the options.
    void setupColumns();
    // The current row is a checkpoint touch.
    bool isCurrentNormal() const;
    void nextExtraordinary();
    void previousExtraordinary();
    void nameUnnamedPoints();
    // Messages of a failed load go to parent when one is given.
    bool loadFile(const QString& fileName, QWidget* parent);
    // beforeSave: see LogModel::readOut.
    bool readOut(UsbCom* usb, const std::function<bool()>& beforeSave = {});

    // --- search, filter, naming and archiving ---
    // Fills the search dialog's entry criterion from the current row.
    void prefillFindDialog(LogFindDlg* dlg);
    // One search step from the current row; rows the filter hides are passed over.
    void findNext(LogFindDlg* dlg);
    void findNext(const LogSearchCriteria& criteria);
    // The filter dialog, then applyFilter with its choice.
    void filterLog();
    // active false: every row; otherwise the checkpoint of codeField or the kind list's item.
    void applyFilter(bool active, bool checkpoint, const QString& codeField, int kindItem);
    // Names or renames the checkpoint of the current touch in the code-name list.
    void nameCurrentPoint();
    // Archives by an archiveDlg mode (the count and date for modes 1 and 2); false on failure,
    // which has been reported.
    bool archive(int mode, int count, const QDate& date);

    LogFilterProxyModel* proxy() const;
    // The log row of the current index, or -1.
    int currentSourceRow() const;

    // The shown rows an export or print covers: a selection from its lowest to its highest
    // row; with nothing selected every range covers all shown rows.
    RowSpan exportSpan(ExportRange range) const;
    // Writes the span as text lines or XML spreadsheet rows; false on a write failure.
    bool writeText(QIODevice& device, const RowSpan& span) const;
    bool writeXml(QIODevice& device, const RowSpan& span) const;

    LogModel* logModel = nullptr;

public slots:
    // Each returns true when the file or the pages were written; failures are reported.
    bool exportToTxt(const QString& fileName, ExportRange range);
    bool exportToXml(const QString& fileName, ExportRange range);
    bool print(QPrinter* out, const QString& filename, ExportRange dataRange, int pageRange = PageSetAll);

    // Closes the log window the table sits in.
    bool close();
    void JumpToBegin();
    void JumpToEnd();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool exportTo(const QString& fileName, ExportRange range, bool xml);
    void fitRowColumn();
    void selectOnlyRow(int proxyRow);
    // Steps with next (true) or previous through the log to a row the filter shows.
    void stepExtraordinary(bool forward);

    QShortcut* homeShortcut = nullptr;
    QShortcut* endShortcut = nullptr;
};
