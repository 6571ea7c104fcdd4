#pragma once
// The filter between a log window's table and its LogModel. Rows keep log order (the
// proxy never sorts); a filter narrows the log to one kind of event or one checkpoint.
//
// The filter is the proxy's own pattern and key column: the marker column (1) for kinds,
// the code column (3) for a checkpoint. Rows are accepted by reading the entries' bytes
// rather than formatting their cell texts, with the same result; set filters through the
// setters below so that the proxy knows what the pattern means. Each setter changes the
// rows in one reset and one pass over the log, however scattered the shown rows are.
#include <QSortFilterProxyModel>

class LogModel;

class LogFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit LogFilterProxyModel(QObject* parent = nullptr);
    ~LogFilterProxyModel() override;

    void setSourceModel(QAbstractItemModel* model) override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    // Every row shown.
    void clearFilter();
    // The touches of one checkpoint; the field's letters padded with A, either case.
    void setCheckpointFilter(const QString& codeField);
    // One item of the shared kind list.
    void setKindFilter(int item);
    // Any pattern on the marker column (its text, or the late mark of a late touch).
    void setMarkerFilter(const QRegExp& pattern);

    // A checkpoint filter is the only one whose pattern is a whole 12-letter code.
    bool isCheckpointFilterActive() const;

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    // Pattern: the base class tests the cell text (a pattern set directly on the proxy).
    enum class Mode { Pattern, All, Checkpoint, Marker };
    void applyPattern(Mode mode, const QRegExp& pattern, int column);

    LogModel* m_log = nullptr;
    Mode m_mode = Mode::Pattern;
    unsigned char m_code[6] = {};
    // Marker filter: acceptance by first byte, and of touches by whether they are late.
    bool m_kindShown[256] = {};
    bool m_touchShown = false;
    bool m_lateShown = false;
};
