#pragma once
// The filter between a log window's table and its LogModel. Rows keep log order (the
// proxy never sorts); a filter narrows the log to one kind of event or one checkpoint.
#include <QSortFilterProxyModel>

class LogFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit LogFilterProxyModel(QObject* parent = nullptr);
    ~LogFilterProxyModel() override;

    // A checkpoint filter is the only one whose pattern is a whole 12-letter code.
    bool isCheckpointFilterActive() const;
};
