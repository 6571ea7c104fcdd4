#include "codenames/kodnevdatetext.h"

#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"

namespace {

// "yy" not part of "yyyy": the form's year has two digits.
QString wholeYearFormat(const QString& format)
{
    if (format.contains(QLatin1String("yyyy")) || !format.contains(QLatin1String("yy")))
        return QString();
    QString out = format;
    return out.replace(QLatin1String("yy"), QLatin1String("yyyy"));
}

} // namespace

KodNevDateText::KodNevDateText() : KodNevDateText(QLocale::system(), appSettings().century) {}

KodNevDateText::KodNevDateText(const QLocale& locale, int century)
    : m_locale(locale),
      m_century(century),
      m_format(locale.dateFormat(QLocale::ShortFormat)),
      m_wholeYearFormat(wholeYearFormat(m_format))
{
}

bool KodNevDateText::inWindow(const QDate& date) const
{
    return date.year() >= m_century && date.year() < m_century + 100;
}

QString KodNevDateText::text(const QDate& date) const
{
    if (m_wholeYearFormat.isEmpty() || inWindow(date))
        return m_locale.toString(date, QLocale::ShortFormat);
    return m_locale.toString(date, m_wholeYearFormat);
}

QDate KodNevDateText::date(const QString& text) const
{
    const QDate read = m_locale.toDate(text, QLocale::ShortFormat);
    if (m_wholeYearFormat.isEmpty())
        return read;
    // Qt reads a two-digit year into 1900 to 1999; the window decides the century.
    if (read.isValid())
        return QDate(yearFromTwoDigits(read.year() % 100, m_century), read.month(), read.day());
    // 1900 had no 29 February, so Qt refuses that day of a year ending in 00.
    const QDate leapDay(yearFromTwoDigits(0, m_century), 2, 29);
    if (leapDay.isValid() && m_locale.toString(leapDay, QLocale::ShortFormat) == text)
        return leapDay;
    return m_locale.toDate(text, m_wholeYearFormat);
}
