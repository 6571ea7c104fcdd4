#pragma once
// The valid-from dates of the code-name text and XML files. They are written in the
// locale's short date form, so that a file reads back on a machine with the same locale
// settings and other programs see the dates the user is used to. A short form with a
// two-digit year cannot carry the century, so both directions follow one rule:
// - a two-digit year is read as the year in the hundred years from the options' century
//   year on, the same window as the logger's two-digit years;
// - a date outside that window (0001-01-01, "valid at all times", or one before the
//   century year) is written in the same form with its whole year, which reads back as
//   written.
// Dates inside the window are written exactly as the locale's short date.
#include <QDate>
#include <QLocale>
#include <QString>

class KodNevDateText
{
public:
    // The system locale and the options' century year.
    KodNevDateText();
    KodNevDateText(const QLocale& locale, int century);

    QString text(const QDate& date) const;
    // An invalid date when the text is not a date of this form.
    QDate date(const QString& text) const;

private:
    bool inWindow(const QDate& date) const;

    QLocale m_locale;
    int m_century;
    QString m_format;
    QString m_wholeYearFormat; // empty when the short form has a four-digit year already
};
