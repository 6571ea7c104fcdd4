#pragma once
// The options dialog: edits the stored options of Settings. OK and "Alkalmaz" write them,
// save them (every open window re-reads them) and reload the code-name list; a change of
// the language is announced with languageChanged.
#include "ui_optiondlg.h"

#include <QDialog>

class OptionDlg : public QDialog, public Ui::OptionDlg
{
    Q_OBJECT
public:
    explicit OptionDlg(QWidget* parent = nullptr);
    ~OptionDlg() override;

    // Shows the stored options in every widget.
    void loadValues();

    // The language selection (bits 10 to 13 of the flags as 0 to 15) as last read or written.
    int languageIndex = 0;

signals:
    void languageChanged();

public slots:
    void browseDefaultPath();
    void browseArchPath();
    void browseCodeFile();
    // Writes the widgets into the settings. False, with nothing stored, when a directory
    // cannot be used or unsaved code-name edits would be lost: the dialog then stays open.
    bool apply();

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitPages();
    bool pathsUsable();
    bool keepCodeNameEdits();
    void refuse(QWidget* field, const QString& text);
};
