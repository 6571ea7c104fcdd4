#pragma once
// Entries, file bytes and list notation shared by the code-name model and file tests.
#include "support/failingdevice.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"

#include "codenames/kodnevfile.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QDir>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <sys/stat.h>
#include <unistd.h>

#include <QDataStream>
#include <QFile>
#include <QtTest>

namespace KodNevTest {


inline const QByteArray black = QByteArray::fromHex("01ffff0000000000000000");
inline const QByteArray white = QByteArray::fromHex("01ffffffffffffffff0000");
// Code ABCAAAAAAAAA, "Kapu", 2001-01-01.
inline const QByteArray kapuCore = QByteArray::fromHex("012000000000" "00000008004b006100700075" "002569c7");

// Code, name and Julian day as a record holds them; version 2 adds the two colours.
inline QByteArray record(const char* codeHex, const QString& name, quint32 julianDay)
{
    QByteArray tail;
    QDataStream s(&tail, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_4_6);
    s << name << julianDay;
    return QByteArray::fromHex(codeHex) + tail;
}

inline KodNev entry(const QString& code, const QDate& date, const QString& name, const QColor& back = Qt::white,
             const QColor& fore = Qt::black)
{
    KodNev k;
    if (!k.set(code, name, date, back, fore))
        qFatal("bad test entry");
    return k;
}

inline QString colours(const KodNev& k)
{
    return k.foregroundColor.name(QColor::HexArgb) + ' ' + k.backgroundColor.name(QColor::HexArgb);
}

inline QString codeFile() { return appSettings().codeFilePath(); }

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

inline void writeCodeFile(const QByteArray& bytes)
{
    QFile f(codeFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

inline KodNevFile::ReadResult readBytes(QByteArray bytes)
{
    QBuffer b(&bytes);
    b.open(QIODevice::ReadOnly);
    return KodNevFile::read(b);
}

inline KodNev entry(const QString& code, int year, const QString& name = QStringLiteral("név"),
             const QColor& back = Qt::white)
{
    return entry(code, QDate(year, 1, 1), name, back);
}

// Adds "B2001 C2000 ..." in that order: code letter and year.
inline void addAll(KodNevModel& m, const QString& entries)
{
    for (const QString& e : entries.split(' '))
        m.addEntry(entry(e.left(1), e.mid(1).toInt(), e), false);
}

// The list from the top, in the same notation.
inline QString layout(const KodNevModel& m)
{
    QStringList parts;
    for (int r = 0; r < m.rowCount(); ++r)
        parts << m.entryAt(r).codeText().left(1) + QString::number(m.entryAt(r).datedName.validFrom.year());
    return parts.join(' ');
}

// The list from the top as "A2001 name": code letter, year ("ma" for today) and name.
inline QString namedLayout(const KodNevModel& m)
{
    QStringList rows;
    for (int r = 0; r < m.rowCount(); ++r) {
        const KodNev e = m.entryAt(r);
        const QDate d = e.datedName.validFrom;
        rows << e.codeText().left(1) + (d == QDate::currentDate() ? QStringLiteral("ma") : QString::number(d.year()))
                    + ' ' + e.datedName.name;
    }
    return rows.join(QStringLiteral(", "));
}

inline QByteArray hexOf(const KodNev& k)
{
    return QByteArray(reinterpret_cast<const char*>(k.code), KodNev::codeSize).toHex();
}

inline KodNev key(const QString& code, const QDate& date = minValidDate)
{
    KodNev k;
    k.setCode(code);
    k.datedName.setDate(date);
    return k;
}

using S = KodNevFile::ReadStatus;

// Version-2 file of "ABCAAAAAAAAA Kapu 2001-01-01" (black on white) and
// "PAAAAAAAAAAA Ő 0001-01-01" (red on #123456), as the model saves them.
inline const QByteArray golden = QByteArray::fromHex("0ec0020100000002") + kapuCore + black + white
                          + QByteArray::fromHex("f00000000000" "000000020150" "001a4452"
                                                "01ffffffff000000000000" "01ffff121234345656" "0000");

// A version-2 file whose count its bytes cannot hold.
inline QByteArray damagedFile()
{
    return QByteArray::fromHex("0ec002017fffffff") + kapuCore + black + white;
}

// Model "B2001 C2001" whose first entry is "egy", unchanged since construction.
inline QList<KodNev> twoEntries()
{
    return {entry("b", 2001, "egy"), entry("c", 2001, "kettő")};
}


} // namespace KodNevTest
