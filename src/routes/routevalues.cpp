#include "routes/routevalues.h"

#include "codenames/kodnev.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QRegularExpression>
#include <QTextCodec>
#include <cstring>

QString routeTypeName(int type, bool longForm)
{
    static const char* const longNames[RouteTypeCount] = {
        QT_TRANSLATE_NOOP("RouteDefModel", "Kötött Sorrend - Kötött Indulás"),
        QT_TRANSLATE_NOOP("RouteDefModel", "Kötött Sorrend - Szabad Indulás"),
        QT_TRANSLATE_NOOP("RouteDefModel", "Szabad Sorrend - Kötött Indulás"),
        QT_TRANSLATE_NOOP("RouteDefModel", "Szabad Sorrend - Szabad Indulás"),
        QT_TRANSLATE_NOOP("RouteDefModel", "Szabad Sorrend - Rugalmas Indulás")};
    static const char* const shortNames[RouteTypeCount] = {
        QT_TRANSLATE_NOOP("RouteDefModel", "KS - KI"), QT_TRANSLATE_NOOP("RouteDefModel", "KS - SzI"),
        QT_TRANSLATE_NOOP("RouteDefModel", "SzS - KI"), QT_TRANSLATE_NOOP("RouteDefModel", "SzS - SzI"),
        QT_TRANSLATE_NOOP("RouteDefModel", "rugalmas")};
    if (type < 0 || type >= RouteTypeCount)
        return QCoreApplication::translate("RouteDefModel", "kód :%1").arg(type);
    return QCoreApplication::translate("RouteDefModel", longForm ? longNames[type] : shortNames[type]);
}

// ---- RouteTime

void RouteTime::setSeconds(unsigned seconds)
{
    if (seconds > maxSeconds) {
        *this = RouteTime();
        return;
    }
    const unsigned s = seconds + 29;
    hours = quint8(s / 3600);
    minutes = qint8((s / 60) % 60);
}

RouteTime routeTimeFromSeconds(unsigned seconds)
{
    RouteTime t;
    t.setSeconds(seconds);
    return t;
}

int RouteTime::toSeconds() const
{
    return isUnset() ? -1 : hours * 3600 + minutes * 60;
}

void RouteTime::addMinutes(int n)
{
    if (isUnset())
        return;
    const qint64 total = qint64(hours) * 3600 + minutes * 60 + qint64(n) * 60;
    if (total < 0 || total > maxSeconds)
        return;
    hours = quint8(total / 3600);
    minutes = qint8((total / 60) % 60);
}

QString RouteTime::toString() const
{
    if (isUnset())
        return QStringLiteral("    :  ");
    const auto twoDigits = [](int n) { return QString::number(n).rightJustified(2, QLatin1Char('0')); };
    const QString hm = QStringLiteral("%1:%2").arg(twoDigits(hours % 24), twoDigits(minutes));
    if (hours < 24)
        return QStringLiteral("  ") + hm;
    return QStringLiteral("%1 ").arg(hours / 24) + hm;
}

QString routeTimePattern()
{
    return QStringLiteral("^(\\d | {0,4})((2[0123]|[01 ]?\\d)?:)?[0-5 ]?\\d$");
}

namespace {

// A blank counts as nothing.
int digitsValue(const QString& s)
{
    int v = 0;
    for (const QChar c : s) {
        if (c.isDigit())
            v = v * 10 + c.digitValue();
    }
    return v;
}

int digitAt(const QString& s, int i)
{
    return s.at(i).isDigit() ? s.at(i).digitValue() : 0;
}

} // namespace

RouteTime& RouteTime::fromString(const QString& text)
{
    // The trimmed text is both matched and read: "8:30 " must not read as 8:03.
    static const QRegularExpression pattern(
        QStringLiteral("\\A(\\d | {0,4})((2[0123]|[01 ]?\\d)?:)?[0-5 ]?\\d\\z"));
    const QString t = text.trimmed();
    *this = RouteTime();
    if (!pattern.match(t).hasMatch())
        return *this;
    int h = 0;
    int m = 0;
    const int p = t.lastIndexOf(QLatin1Char(':'));
    if (p < 0) {
        m = digitsValue(t.right(2)); // a day digit without a colon is not read
    } else {
        m = (t.size() - p - 1 == 2) ? digitsValue(t.mid(p + 1, 2)) : digitsValue(t.mid(p + 1, 1));
        if (p > 0)
            h = digitAt(t, p - 1);
        if (p > 1)
            h += 10 * digitAt(t, p - 2);
        if (t.indexOf(QLatin1Char(' ')) == 1)
            h += 24 * digitAt(t, 0);
    }
    hours = quint8(h);
    minutes = qint8(m);
    return *this;
}

QDataStream& operator<<(QDataStream& out, const RouteTime& t)
{
    return out << qint8(t.hours) << t.minutes;
}

QDataStream& operator>>(QDataStream& in, RouteTime& t)
{
    qint8 h = 0;
    qint8 m = RouteTime::unsetMinutes;
    in >> h >> m;
    t.hours = quint8(h);
    t.minutes = m;
    return in;
}

// ---- RouteStart

RouteStart::RouteStart(unsigned t1Seconds, unsigned t2Seconds, quint16 n, unsigned t3Seconds, unsigned t4Seconds)
    : count(n)
{
    t1.setSeconds(t1Seconds);
    t2.setSeconds(t2Seconds);
    t3.setSeconds(t3Seconds);
    t4.setSeconds(t4Seconds);
}

RouteStart::RouteStart(const QString& a, const QString& b, quint16 n, const QString& c, const QString& d)
    : count(n)
{
    t1.fromString(a);
    t2.fromString(b);
    t3.fromString(c);
    t4.fromString(d);
}

bool RouteStart::operator==(const RouteStart& o) const
{
    return t1.toSeconds() == o.t1.toSeconds() && t2.toSeconds() == o.t2.toSeconds()
        && t3.toSeconds() == o.t3.toSeconds() && t4.toSeconds() == o.t4.toSeconds() && count == o.count;
}

bool RouteStart::operator<(const RouteStart& o) const
{
    const int a[] = {t1.toSeconds(), t2.toSeconds(), t3.toSeconds(), t4.toSeconds(), count};
    const int b[] = {o.t1.toSeconds(), o.t2.toSeconds(), o.t3.toSeconds(), o.t4.toSeconds(), o.count};
    for (int i = 0; i < 5; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i];
    }
    return false;
}

namespace {

quint16 readCountLowFirst(QDataStream& in)
{
    quint8 lo = 0;
    quint8 hi = 0;
    in >> lo >> hi;
    return quint16(lo | (hi << 8));
}

} // namespace

void RouteStart::readLegacy(QDataStream& in, bool serviceType)
{
    count = readCountLowFirst(in);
    RouteTime third, fifth;
    in >> t1 >> t2 >> third >> t3 >> fifth;
    t4 = serviceType ? third : fifth;
}

QDataStream& operator<<(QDataStream& out, const RouteStart& s)
{
    // The count alone is stored low byte first.
    out << quint8(s.count & 0xFF) << quint8(s.count >> 8);
    return out << s.t1 << s.t2 << s.t3 << s.t4;
}

QDataStream& operator>>(QDataStream& in, RouteStart& s)
{
    s.count = readCountLowFirst(in);
    return in >> s.t1 >> s.t2 >> s.t3 >> s.t4;
}

// ---- RoutePoint

RoutePoint::RoutePoint()
{
    std::memset(code, 0, codeSize);
}

RoutePoint::RoutePoint(const QString& codeText, unsigned seconds)
{
    setCode(codeText);
    offset.setSeconds(seconds);
}

RoutePoint::RoutePoint(const QString& codeText, const QString& timeText)
{
    setCode(codeText);
    offset.fromString(timeText);
}

bool RoutePoint::set(const unsigned char newCode[codeSize], int m)
{
    if (m < 0 || m > RouteTime::maxMinutes)
        return false;
    offset.setSeconds(unsigned(m) * 60);
    std::memcpy(code, newCode, codeSize);
    return true;
}

void RoutePoint::setCode(const QString& text)
{
    const QString letters = (text.toUpper() + codePadding).left(2 * codeSize);
    for (int i = 0; i < codeSize; ++i) {
        const int hi = letters.at(2 * i).unicode() - 'A';
        const int lo = letters.at(2 * i + 1).unicode() - 'A';
        code[i] = static_cast<unsigned char>((hi * 16 + lo) & 0xFF);
    }
}

void RoutePoint::setCodeBytes(const unsigned char bytes[codeSize])
{
    std::memcpy(code, bytes, codeSize);
}

void RoutePoint::codeBytes(unsigned char out[codeSize]) const
{
    std::memcpy(out, code, codeSize);
}

bool RoutePoint::hasCode(const unsigned char other[codeSize]) const
{
    return std::memcmp(code, other, codeSize) == 0;
}

QString RoutePoint::describe(bool withTime) const
{
    const QString prefix = withTime ? offset.toString() + QLatin1Char(' ') : QString();
    QString name;
    if (auto* app = dynamic_cast<WyxApp*>(QCoreApplication::instance());
        app && app->settings && app->settings->kodNevModel) {
        KodNev key;
        key.setCodeBytes(code);
        const int row = app->settings->kodNevModel->findCode(key);
        if (row >= 0)
            name = app->settings->kodNevModel->entryAt(row).datedName.name;
    }
    if (name.isEmpty())
        name = codeToLetters(code);
    return QStringLiteral("%1%2").arg(prefix, name);
}

QDataStream& operator<<(QDataStream& out, const RoutePoint& p)
{
    out << p.offset;
    for (unsigned char b : p.code)
        out << qint8(b);
    return out;
}

QDataStream& operator>>(QDataStream& in, RoutePoint& p)
{
    in >> p.offset;
    for (unsigned char& b : p.code) {
        qint8 v = 0;
        in >> v;
        b = static_cast<unsigned char>(v);
    }
    return in;
}

// ---- RouteHead

RouteHead::RouteHead(const QString& n, int t, const RouteTime& d) : name(n), type(t), duration(d) {}

namespace {

// The name in the local code page, whole characters only, at most maxNameBytes bytes.
QByteArray nameBytes(const QString& name)
{
    QTextCodec* codec = QTextCodec::codecForLocale();
    QByteArray bytes;
    int i = 0;
    while (i < name.size()) {
        const int len = (name.at(i).isHighSurrogate() && i + 1 < name.size()) ? 2 : 1;
        const QByteArray piece = codec->fromUnicode(name.mid(i, len));
        if (bytes.size() + piece.size() > RouteHead::maxNameBytes)
            break;
        bytes += piece;
        i += len;
    }
    return bytes;
}

} // namespace

bool isValidRouteName(const QString& name)
{
    if (name.isEmpty() || name.size() > RouteHead::maxNameBytes || name.contains(QLatin1Char('#'))
        || name.contains(QChar(0)))
        return false;
    QTextCodec* codec = QTextCodec::codecForLocale();
    // A name cut short or with a character the code page lacks reads back as another
    // name, and two routes of one name become one when the plan is loaded.
    return codec->canEncode(name) && codec->fromUnicode(name).size() <= RouteHead::maxNameBytes;
}

QString storedRouteName(const QString& name)
{
    QByteArray bytes = nameBytes(name);
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return QTextCodec::codecForLocale()->toUnicode(bytes);
}

QString nextRouteName(const QString& name)
{
    const QString next = nextNumberedName(name);
    if (isValidRouteName(next))
        return next;
    static const QRegularExpression trailingDigits(QStringLiteral("\\d+\\z"));
    const QRegularExpressionMatch m = trailingDigits.match(next);
    const QString number = m.hasMatch() ? m.captured() : QString();
    QString base = next.left(next.size() - number.size());
    while (!base.isEmpty() && !isValidRouteName(base + number))
        base.chop(1);
    return base + number;
}

QDataStream& operator<<(QDataStream& out, const RouteHead& h)
{
    const QByteArray bytes = nameBytes(h.name);
    out << quint8(bytes.size());
    out.writeRawData(bytes.constData(), bytes.size());
    return out << qint8(h.type) << quint8(0) << h.duration;
}

QDataStream& operator>>(QDataStream& in, RouteHead& h)
{
    quint8 n = 0;
    in >> n;
    const int take = qMin<int>(n, RouteHead::maxNameBytes);
    QByteArray bytes(take, '\0');
    const int got = in.readRawData(bytes.data(), take);
    if (got < take)
        in.setStatus(QDataStream::ReadPastEnd);
    bytes.resize(qMax(0, got));
    if (n > RouteHead::maxNameBytes && in.skipRawData(n - RouteHead::maxNameBytes) < n - RouteHead::maxNameBytes)
        in.setStatus(QDataStream::ReadPastEnd);
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    // Bytes of another code page can decode to a longer name (a replacement character
    // for each): it is taken as a save would write it, so saving and loading again
    // gives back the same routes.
    h.name = storedRouteName(QTextCodec::codecForLocale()->toUnicode(bytes));
    quint8 type = 0;
    quint8 pad = 0;
    in >> type >> pad >> h.duration;
    h.type = type;
    return in;
}
