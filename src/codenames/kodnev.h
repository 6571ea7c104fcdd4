#pragma once
// One row of the code-name list: a checkpoint code, the name it carries from a date on,
// and the colours its rows are shown in.
#include <QColor>
#include <QDate>
#include <QString>

class QDataStream;

// A checkpoint name and the first day on which it applies.
class DatedName
{
public:
    static constexpr int maxNameLength = 80;

    DatedName();

    bool operator==(const DatedName& other) const;
    bool operator!=(const DatedName& other) const { return !(*this == other); }

    // Takes 1 to maxNameLength characters; otherwise false and the old name stays.
    bool setName(const QString& newName);
    // Takes a valid date; otherwise false and the old date stays.
    bool setDate(const QDate& date);

    QString name;
    QDate validFrom;
};

QDataStream& operator<<(QDataStream& out, const DatedName& d);
QDataStream& operator>>(QDataStream& in, DatedName& d);

class KodNev
{
public:
    static constexpr int codeSize = 6;

    KodNev();

    // Code and dated name; the colours play no part.
    bool operator==(const KodNev& other) const;
    bool operator!=(const KodNev& other) const { return !(*this == other); }
    bool sameCode(const KodNev& other) const;

    // No code, null name, black on white; the date stays.
    void clear();
    // 1 to 12 letters A to P (either case), padded on the right with A.
    bool setCode(const QString& text);
    void setCodeBytes(const unsigned char* bytes);
    QString codeText() const;
    // The code as one number, for hashing.
    quint64 codeKey() const;

    void setBackgroundColor(const QColor& color);
    void setBackgroundColorName(const QString& name);
    void setForegroundColor(const QColor& color);
    void setForegroundColorName(const QString& name);

    // Code, name and date must all be taken; the colours only then. A failing step keeps
    // the steps before it.
    bool set(const QString& codeText, const QString& name, const QDate& date, const QColor& background,
             const QColor& foreground);

    unsigned char code[codeSize];
    DatedName datedName;
    QColor foregroundColor;
    QColor backgroundColor;
};

// Stream operators take and give the fields as they are; readers validate afterwards.
QDataStream& operator<<(QDataStream& out, const KodNev& k);
QDataStream& operator>>(QDataStream& in, KodNev& k);
