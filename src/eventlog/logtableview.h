#pragma once
// The table of a log window. It owns the log's model and shows it through the filter
// proxy, so every command maps the rows the user sees to rows of the log first.
#include <QTableView>

class LogFilterProxyModel;
class LogModel;
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
    bool readOut(UsbCom* usb);

    LogFilterProxyModel* proxy() const;
    // The log row of the current index, or -1.
    int currentSourceRow() const;

    LogModel* logModel = nullptr;

public slots:
    // Closes the log window the table sits in.
    bool close();
    void JumpToBegin();
    void JumpToEnd();

private:
    void fitRowColumn();
    void selectOnlyRow(int proxyRow);
    // Steps with next (true) or previous through the log to a row the filter shows.
    void stepExtraordinary(bool forward);

    QShortcut* homeShortcut = nullptr;
    QShortcut* endShortcut = nullptr;
};
