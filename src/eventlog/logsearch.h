#pragma once
// The criteria of one search step, read from the search dialog once per step rather than
// for every row.
#include <QDate>
#include <QTime>

class LogFindDlg;

struct LogSearchCriteria {
    bool byDate = false;
    bool withTime = true; // the time of day counts too
    bool exact = false;   // equal stamps only; otherwise a bound in the search direction
    bool reverse = true;
    bool byEntry = true;
    bool byCode = false; // checkpoint code; otherwise kindItem of the kind list
    int kindItem = 0;
    QDate date;
    QTime time;
    unsigned char code[6] = {0, 0, 0, 0, 0, 0};

    static LogSearchCriteria fromDialog(const LogFindDlg& dlg);
    // Sets the code from a code field's text (padded with A, either case).
    void setCode(const QString& field);
};
