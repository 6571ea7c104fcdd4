#include "core/helpers.h"

#include "core/clock.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <cstring>

WaitCursor::WaitCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

QString absolutePathOf(const QString& path, const QString& base)
{
    if (path.startsWith(QLatin1Char('/')))
        return path;
    QString from = base.isEmpty() ? QDir::currentPath() : absolutePathOf(base);
    if (path.isEmpty())
        return from;
    if (!from.endsWith(QLatin1Char('/')))
        from += QLatin1Char('/');
    return from + path;
}

QFont documentFont()
{
    const Settings& s = appSettings();
    return QFont(s.fontFace, s.fontSize, QFont::Normal, false);
}

QDateTime waitDeviceTick()
{
    constexpr qint64 period = 2000;
    constexpr qint64 windowStart = 1850; // 150 ms before an even second
    constexpr qint64 windowEnd = 30;     // 30 ms after it
    const WaitCursor wait;
    // One reading per round, and a sleep to the window's start in between: reading the
    // clock in a loop would keep a core busy for up to 2 s.
    for (;;) {
        const qint64 now = Clock::currentMSecsSinceEpoch();
        const qint64 phase = now % period;
        if (phase <= windowEnd || phase >= windowStart)
            return QDateTime::fromMSecsSinceEpoch(now + 160, Qt::LocalTime);
        Clock::sleepUntil(now - phase + windowStart);
    }
}

void toFixedBytes(const QString& text, unsigned char* dst, int n)
{
    if (n <= 0)
        return;
    std::memset(dst, ' ', size_t(n));
    const QByteArray utf8 = text.toUtf8();
    int len = std::min(n, utf8.size());
    // A continuation byte right after the cut means the cut splits a character.
    if (len < utf8.size()) {
        while (len > 0 && (uchar(utf8.at(len)) & 0xC0) == 0x80)
            --len;
    }
    std::memcpy(dst, utf8.constData(), size_t(len));
}

void packDeviceTime(const QDateTime& t, unsigned char out[4])
{
    const QDate d = t.date();
    const QTime tm = t.time();
    const int y = ((d.year() % 100) + 100) % 100;
    const int mo = d.month();
    const int u = tm.hour() * 1800 + tm.minute() * 30 + tm.second() / 2;
    out[0] = uchar(y * 2 + (mo > 7 ? 1 : 0));
    out[1] = uchar(((mo << 5) & 0xFF) | (d.day() & 31));
    out[2] = uchar(u >> 8);
    out[3] = uchar(u & 0xFF);
}

int yearFromTwoDigits(int twoDigitYear, int pivot)
{
    const int base = (pivot / 100) * 100;
    return base + twoDigitYear + (pivot - base > twoDigitYear ? 100 : 0);
}

void unpackDeviceStamp(const unsigned char in[4], QDate& date, QTime& time)
{
    const int year = yearFromTwoDigits(std::min(in[0] >> 1, 99), appSettings().century);
    const int month = std::clamp(((in[0] & 1) << 3) | (in[1] >> 5), 1, 12);
    const int day = std::max(in[1] & 31, 1);
    const int u = std::min(in[2] * 256 + in[3], 43199);
    const int hour = u / 1800;
    const int minute = u / 30 - hour * 60;
    const int second = (u % 30) * 2;
    date = QDate(year, month, day);
    time = QTime(hour, minute, second);
}

QDateTime unpackDeviceTime(const unsigned char in[4])
{
    QDate date;
    QTime time;
    unpackDeviceStamp(in, date, time);
    return QDateTime(date, time, Qt::LocalTime);
}

QDateTime unpackDeviceWallClock(const unsigned char in[4])
{
    QDate date;
    QTime time;
    unpackDeviceStamp(in, date, time);
    return QDateTime(date, time, Qt::UTC);
}

QString codeToLetters(const unsigned char code[6])
{
    QString s(12, QLatin1Char(' '));
    for (int i = 0; i < 6; ++i) {
        s[2 * i] = QLatin1Char(char('A' + (code[i] >> 4)));
        s[2 * i + 1] = QLatin1Char(char('A' + (code[i] & 15)));
    }
    return s;
}

bool bytesEqual(const unsigned char* a, const unsigned char* b, int n)
{
    return n < 1 || std::memcmp(a, b, size_t(n)) == 0;
}

QString reasonForSentence(const QString& reason)
{
    // A question or a trailing ellipsis reads wrong before the full stop as much as "!" does.
    static const QString closingMarks = QStringLiteral(".!?\u2026");
    int end = reason.size();
    while (end > 0 && (reason.at(end - 1).isSpace() || closingMarks.contains(reason.at(end - 1))))
        --end;
    return reason.left(end).trimmed();
}

QString nextNumberedName(const QString& name)
{
    // \z: "$" would also match before a final line feed.
    static const QRegularExpression trailingDigits(QStringLiteral("\\d+\\z"));
    const QRegularExpressionMatch m = trailingDigits.match(name);
    if (!m.hasMatch())
        return name + QLatin1Char('2');
    // Digits beyond 64 bits count as 0; unsigned, the largest value goes round to 0, never
    // into undefined behaviour (the digits may come from a file).
    const qulonglong k = m.captured().toULongLong();
    return name.left(m.capturedStart()) + QString::number(k + 1);
}

QString languageInEffect(int flags, const QString& localeName)
{
    const QString hu = QStringLiteral("hu");
    const QString de = QStringLiteral("de");
    const QString en = QStringLiteral("en");
    switch (flags & OptLanguageMask) {
    case OptLanguageHungarian: return hu;
    case OptLanguageGerman: return de;
    case OptLanguageAuto: {
        const QString language = localeName.left(2);
        return language == de || language == en ? language : hu;
    }
    default: return en;
    }
}

QString helpCollectionFileFor(int flags, const QString& localeName)
{
    return QStringLiteral("wyx770_%1.qhc").arg(languageInEffect(flags, localeName));
}

QString helpCollectionFile()
{
    return helpCollectionFileFor(appSettings().flags, QLocale::system().name());
}

QDate parseDate(const QString& text)
{
    // Any Unicode white space separates, a no-break space too.
    static const QRegularExpression separators(QStringLiteral("[-.,:;_\\s]"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return QDate();
    return QDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt());
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text, const QString& yesText,
              const QString& noText)
{
    return Prompts::choose(parent, Prompts::Kind::Question, title, text, {yesText, noText}, false) == 0;
}
