#pragma once
// Shows one code-name entry for adding (mode 0), editing (1) or deleting (2). It checks
// only the code's letters and that a name was typed; the owner builds the entry from the
// fields with KodNev::set, which judges the rest.
#include "ui_kodneveditdialog.h"

#include <QColor>
#include <QDate>
#include <QDialog>

class KodNevEditDialog : public QDialog, public Ui::KodNevEditDialog
{
    Q_OBJECT
public:
    enum Mode { AddMode = 0, EditMode = 1, DeleteMode = 2 };

    explicit KodNevEditDialog(QWidget* parent = nullptr);
    ~KodNevEditDialog() override;

    // Given once, before the dialog is shown; an unknown mode changes nothing.
    void setMode(int mode);
    QString code() const;
    QString name() const;
    // The date given with setDate while the user has left the field as it showed it, so
    // that every date an entry can hold comes back unchanged, also one the date field
    // cannot show; otherwise the date the user chose.
    QDate date() const;
    void setCode(const QString& code);
    void setName(const QString& name);
    void setDate(const QDate& date);
    void setBackgroundColor(const QColor& color);
    void setForegroundColor(const QColor& color);

    QColor backgroundColor;
    QColor foregroundColor;

public slots:
    void on_nevEdit_textChanged();
    void on_backgroundButton_clicked();
    void on_foregroundButton_clicked();

protected:
    void changeEvent(QEvent* event) override;

private:
    // What the date field's lowest position shows for the date given: empty for a date
    // the field can show itself.
    QString lowestText(const QDate& date) const;

    int m_mode = AddMode;
    QDate m_given;
    QDate m_shown;
};
