#pragma once
// The table of the code-name window: the shared code-name list through a sorting proxy,
// read-only, one whole row selected at a time. Commands ask it for the model row under
// the cursor, which differs from the view row once the user sorts.
#include "codenames/kodnev.h"

#include <QPair>
#include <QTableView>

class QShortcut;
class QSortFilterProxyModel;

class KodTableView : public QTableView
{
    Q_OBJECT
public:
    explicit KodTableView(QWidget* parent = nullptr);
    ~KodTableView() override;

    QSize sizeHint() const override;
    // Font measures, row height and column widths by the options.
    void setupView();
    // Model row of the first selected index, -1 when nothing is selected.
    int currentSourceRow() const;
    QSortFilterProxyModel* proxy() const { return m_proxy; }

public slots:
    // Closes the sub-window the table sits in.
    bool close();
    void JumpToBegin();
    void JumpToEnd();

private:
    void fitRowColumn();
    void rememberSelection();
    void restoreSelection();

    QShortcut* homeShortcut = nullptr;
    QShortcut* endShortcut = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
    // The entry selected when the list was last reset, if any.
    KodNev m_selectedBeforeReset;
    bool m_hadSelection = false;
};

// The inclusive span of model rows (first, last) that an export or print of the list covers,
// for an ExportRange value, rowCount rows and the cursor's model row (-1: none). An empty
// list gives (0, -1).
QPair<int, int> kodNevRowSpan(int range, int rowCount, int cursorRow);
