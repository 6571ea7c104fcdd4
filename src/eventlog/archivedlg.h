#pragma once
// The choice of what stays in the log when it is archived: from the cursor row, the last
// few read-outs, from a date, or nothing.
#include "ui_archivedlg.h"

#include <QDialog>

class archiveDlg : public QDialog, public Ui::archiveDlg
{
    Q_OBJECT
public:
    enum Mode { FromCursor = 0, LastReadouts = 1, FromDate = 2, EmptyLog = 3 };

    explicit archiveDlg(QWidget* parent = nullptr);
    ~archiveDlg() override;

    int mode() const;
    // Any value other than 1, 2 and 3 means 0.
    void setMode(int mode);

public slots:
    void readChanged(bool newState);
    void dateChanged(bool newState);

protected:
    void changeEvent(QEvent* event) override;

private:
    void showCountSuffix();
};
