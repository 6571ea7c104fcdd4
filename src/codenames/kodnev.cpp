#include "codenames/kodnev.h"

#include "core/constants.h"
#include "core/helpers.h"

#include <QDataStream>
#include <QRegularExpression>
#include <cstring>

DatedName::DatedName() : validFrom(minValidDate) {}

bool DatedName::operator==(const DatedName& other) const
{
    return validFrom == other.validFrom && name == other.name;
}

bool DatedName::setName(const QString& newName)
{
    if (newName.isEmpty() || newName.size() > maxNameLength)
        return false;
    name = newName;
    return true;
}

bool DatedName::setDate(const QDate& date)
{
    if (!date.isValid())
        return false;
    validFrom = date;
    return true;
}

QDataStream& operator<<(QDataStream& out, const DatedName& d)
{
    return out << d.name << d.validFrom;
}

QDataStream& operator>>(QDataStream& in, DatedName& d)
{
    return in >> d.name >> d.validFrom;
}

KodNev::KodNev()
{
    clear();
}

bool KodNev::operator==(const KodNev& other) const
{
    return sameCode(other) && datedName == other.datedName;
}

bool KodNev::sameCode(const KodNev& other) const
{
    return std::memcmp(code, other.code, codeSize) == 0;
}

void KodNev::clear()
{
    std::memset(code, 0xFF, codeSize);
    datedName.name = QString();
    foregroundColor = defaultTextColor;
    backgroundColor = defaultBackColor;
}

bool KodNev::setCode(const QString& text)
{
    // \A...\z: a trailing line break must not pass as it would with a plain '$'.
    static const QRegularExpression pattern(QStringLiteral("\\A[a-pA-P]{1,12}\\z"));
    if (!pattern.match(text).hasMatch())
        return false;
    const QString letters = (text.toUpper() + codePadding).left(2 * codeSize);
    for (int i = 0; i < codeSize; ++i) {
        const int high = letters.at(2 * i).unicode() - 'A';
        const int low = letters.at(2 * i + 1).unicode() - 'A';
        code[i] = static_cast<unsigned char>(high * 16 + low);
    }
    return true;
}

void KodNev::setCodeBytes(const unsigned char* bytes)
{
    std::memcpy(code, bytes, codeSize);
}

QString KodNev::codeText() const
{
    return codeToLetters(code);
}

quint64 KodNev::codeKey() const
{
    quint64 key = 0;
    for (unsigned char b : code)
        key = (key << 8) | b;
    return key;
}

void KodNev::setBackgroundColor(const QColor& color)
{
    backgroundColor = color.isValid() ? color : defaultBackColor;
}

void KodNev::setBackgroundColorName(const QString& name)
{
    backgroundColor = QColor::isValidColor(name) ? QColor(name) : defaultBackColor;
}

void KodNev::setForegroundColor(const QColor& color)
{
    foregroundColor = color.isValid() ? color : defaultTextColor;
}

void KodNev::setForegroundColorName(const QString& name)
{
    foregroundColor = QColor::isValidColor(name) ? QColor(name) : defaultTextColor;
}

bool KodNev::set(const QString& codeText, const QString& name, const QDate& date, const QColor& background,
                 const QColor& foreground)
{
    if (!setCode(codeText) || !datedName.setName(name) || !datedName.setDate(date))
        return false;
    setBackgroundColor(background);
    setForegroundColor(foreground);
    return true;
}

QDataStream& operator<<(QDataStream& out, const KodNev& k)
{
    for (unsigned char b : k.code)
        out << static_cast<qint8>(b);
    return out << k.datedName << k.foregroundColor << k.backgroundColor;
}

QDataStream& operator>>(QDataStream& in, KodNev& k)
{
    for (unsigned char& b : k.code) {
        qint8 v = 0;
        in >> v;
        b = static_cast<unsigned char>(v);
    }
    return in >> k.datedName >> k.foregroundColor >> k.backgroundColor;
}
