#include "support/failingdevice.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevfile.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/safesave.h"
#include "core/settings.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QDir>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QByteArray black = QByteArray::fromHex("01ffff0000000000000000");
const QByteArray white = QByteArray::fromHex("01ffffffffffffffff0000");
// Code ABCAAAAAAAAA, "Kapu", 2001-01-01.
const QByteArray kapuCore = QByteArray::fromHex("012000000000" "00000008004b006100700075" "002569c7");

// Code, name and Julian day as a record holds them; version 2 adds the two colours.
QByteArray record(const char* codeHex, const QString& name, quint32 julianDay)
{
    QByteArray tail;
    QDataStream s(&tail, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_4_6);
    s << name << julianDay;
    return QByteArray::fromHex(codeHex) + tail;
}

KodNev entry(const QString& code, const QDate& date, const QString& name, const QColor& back = Qt::white,
             const QColor& fore = Qt::black)
{
    KodNev k;
    if (!k.set(code, name, date, back, fore))
        qFatal("bad test entry");
    return k;
}

QString colours(const KodNev& k)
{
    return k.foregroundColor.name(QColor::HexArgb) + ' ' + k.backgroundColor.name(QColor::HexArgb);
}

QString codeFile() { return appSettings().codeFilePath(); }

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeCodeFile(const QByteArray& bytes)
{
    QFile f(codeFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

KodNevFile::ReadResult readBytes(QByteArray bytes)
{
    QBuffer b(&bytes);
    b.open(QIODevice::ReadOnly);
    return KodNevFile::read(b);
}

KodNev entry(const QString& code, int year, const QString& name = QStringLiteral("név"),
             const QColor& back = Qt::white)
{
    return entry(code, QDate(year, 1, 1), name, back);
}

// Adds "B2001 C2000 ..." in that order: code letter and year.
void addAll(KodNevModel& m, const QString& entries)
{
    for (const QString& e : entries.split(' '))
        m.addEntry(entry(e.left(1), e.mid(1).toInt(), e), false);
}

// The list from the top, in the same notation.
QString layout(const KodNevModel& m)
{
    QStringList parts;
    for (int r = 0; r < m.rowCount(); ++r)
        parts << m.entryAt(r).codeText().left(1) + QString::number(m.entryAt(r).datedName.validFrom.year());
    return parts.join(' ');
}

QByteArray hexOf(const KodNev& k)
{
    return QByteArray(reinterpret_cast<const char*>(k.code), KodNev::codeSize).toHex();
}

KodNev key(const QString& code, const QDate& date = minValidDate)
{
    KodNev k;
    k.setCode(code);
    k.datedName.setDate(date);
    return k;
}

using S = KodNevFile::ReadStatus;

// Version-2 file of "ABCAAAAAAAAA Kapu 2001-01-01" (black on white) and
// "PAAAAAAAAAAA Ő 0001-01-01" (red on #123456), as the model saves them.
const QByteArray golden = QByteArray::fromHex("0ec0020100000002") + kapuCore + black + white
                          + QByteArray::fromHex("f00000000000" "000000020150" "001a4452"
                                                "01ffffffff000000000000" "01ffff121234345656" "0000");

// A version-2 file whose count its bytes cannot hold.
QByteArray damagedFile()
{
    return QByteArray::fromHex("0ec002017fffffff") + kapuCore + black + white;
}

// Model "B2001 C2001" whose first entry is "egy", unchanged since construction.
QList<KodNev> twoEntries()
{
    return {entry("b", 2001, "egy"), entry("c", 2001, "kettő")};
}

} // namespace

class TestKodNevModel : public QObject
{
    Q_OBJECT
private slots:
    void codeFromLetters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<QString>("letters");
        QTest::newRow("lower case, padded") << "abc" << QByteArray("012000000000") << "ABCAAAAAAAAA";
        QTest::newRow("single p") << "p" << QByteArray("f00000000000") << "PAAAAAAAAAAA";
        QTest::newRow("mixed case, full") << "aAbBcCdDeEfF" << QByteArray("001122334455") << "AABBCCDDEEFF";
        QTest::newRow("the no-code value") << "PPPPPPPPPPPP" << QByteArray("ffffffffffff") << "PPPPPPPPPPPP";
    }

    void codeFromLetters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, hex);
        QFETCH(QString, letters);
        KodNev k;
        QVERIFY(k.setCode(text));
        QCOMPARE(hexOf(k), hex);
        QCOMPARE(k.codeText(), letters);
    }

    void refusedCodeKeepsTheOld_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("thirteen letters") << "AAAAAAAAAAAAA";
        QTest::newRow("letter Q") << "ABQ";
        QTest::newRow("digit") << "AB1";
        QTest::newRow("blank") << "AB C";
        QTest::newRow("trailing line break") << "abc\n"; // must not slip through the anchors
        QTest::newRow("leading line break") << "\nabc";
        QTest::newRow("accented letter") << QString::fromUtf8("ABÁ");
    }

    void refusedCodeKeepsTheOld()
    {
        QFETCH(QString, text);
        KodNev k;
        QVERIFY(k.setCode("abc"));
        QVERIFY(!k.setCode(text));
        QCOMPARE(k.codeText(), QStringLiteral("ABCAAAAAAAAA"));
    }

    void failingSetKeepsTheStepsBeforeIt()
    {
        KodNev k;
        QVERIFY(k.set("ab", "Régi", QDate(2001, 1, 1), Qt::yellow, Qt::red));
        // Name refused: the code is taken, nothing else.
        QVERIFY(!k.set("cd", QString(81, 'x'), QDate(2010, 1, 1), Qt::green, Qt::blue));
        QCOMPARE(k.codeText(), QStringLiteral("CDAAAAAAAAAA"));
        QCOMPARE(k.datedName.name, QStringLiteral("Régi"));
        // Date refused: code and name taken, the colours come only after all three.
        QVERIFY(!k.set("ef", "Új", QDate(2021, 2, 30), Qt::green, Qt::blue));
        QCOMPARE(k.datedName.name, QStringLiteral("Új"));
        QCOMPARE(k.datedName.validFrom, QDate(2001, 1, 1));
        QCOMPARE(k.backgroundColor, QColor(Qt::yellow));
    }

    void invalidColoursFallBackToBlackOnWhite()
    {
        KodNev k;
        QVERIFY(k.set("ef", QString(80, 'n'), QDate(2012, 1, 1), QColor(), QColor()));
        QCOMPARE(k.backgroundColor, QColor(Qt::white));
        QCOMPARE(k.foregroundColor, QColor(Qt::black));
    }

    void colourNames_data()
    {
        QTest::addColumn<bool>("background");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("background by name") << true << "red" << QColor(Qt::red);
        QTest::newRow("background by number") << true << "#00ff00" << QColor(Qt::green);
        QTest::newRow("unknown background: white") << true << "nincs ilyen" << QColor(Qt::white);
        QTest::newRow("text by name") << false << "blue" << QColor(Qt::blue);
        QTest::newRow("empty text colour: black") << false << "" << QColor(Qt::black);
    }

    void colourNames()
    {
        QFETCH(bool, background);
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        KodNev k = entry("ab", QDate(2001, 1, 1), "név", Qt::yellow, Qt::yellow);
        background ? k.setBackgroundColorName(name) : k.setForegroundColorName(name);
        QCOMPARE(background ? k.backgroundColor : k.foregroundColor, colour);
    }

    void equalityIgnoresColoursButNotDates()
    {
        KodNev k = entry("ef", QDate(2012, 1, 1), "név", Qt::red);
        KodNev other = k;
        other.setBackgroundColor(Qt::green);
        QCOMPARE(other, k);
        other.datedName.setDate(QDate(2013, 1, 1));
        QVERIFY(other.sameCode(k));
        QVERIFY(other != k);
    }

    void clearKeepsOnlyTheDate()
    {
        KodNev k = entry("ef", QDate(2012, 1, 1), "név", Qt::red, Qt::blue);
        k.clear();
        QCOMPARE(hexOf(k), QByteArray("ffffffffffff"));
        QVERIFY(k.datedName.name.isNull());
        QCOMPARE(k.backgroundColor, QColor(Qt::white));
        QCOMPARE(k.foregroundColor, QColor(Qt::black));
        QCOMPARE(k.datedName.validFrom, QDate(2012, 1, 1));
    }

    void insertionKeepsEachCodesDatesInOrder()
    {
        KodNevModel m;
        addAll(m, "B2005 C2003 B2001");
        QCOMPARE(layout(m), QStringLiteral("B2001 B2005 C2003"));
        addAll(m, "B2003 B1999");
        QCOMPARE(layout(m), QStringLiteral("B1999 B2001 B2003 B2005 C2003"));
    }

    void nameValidAtADate_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("row");
        // The list is "B2001 B2005 C2003".
        QTest::newRow("before the first name") << "b" << QDate(2000, 12, 31) << -1;
        QTest::newRow("first name's first day") << "b" << QDate(2001, 1, 1) << 0;
        QTest::newRow("first name's last day") << "b" << QDate(2004, 12, 31) << 0;
        QTest::newRow("second name's first day") << "b" << QDate(2005, 1, 1) << 1;
        QTest::newRow("long after") << "b" << QDate(2090, 1, 1) << 1;
        QTest::newRow("other code, too early") << "c" << QDate(2002, 1, 1) << -1;
        QTest::newRow("unknown code") << "d" << QDate(2090, 1, 1) << -1;
    }

    void nameValidAtADate()
    {
        QFETCH(QString, code);
        QFETCH(QDate, date);
        QFETCH(int, row);
        KodNevModel m;
        addAll(m, "B2005 C2003 B2001");
        QCOMPARE(m.findValidAt(key(code, date)), row);
    }

    void exactAndAnyDateLookups()
    {
        KodNevModel m;
        addAll(m, "B2005 C2003 B2001");
        QCOMPARE(m.findCode(key("b")), 1);
        QCOMPARE(m.findExact(key("b")), -1);
        QCOMPARE(m.findExact(key("b", QDate(2001, 1, 1))), 0);
    }

    void lookupsFollowEveryChange()
    {
        KodNevModel m;
        addAll(m, "B2005 C2003 B2001 B2003 B1999");
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 2);
        QVERIFY(m.setData(m.index(4, 2), "b")); // C's entry now also code B, dated 2003
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 4); // last matching row wins
        QVERIFY(m.removeRows(4, 1));
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 2);
        QCOMPARE(m.findCode(key("c")), -1);
    }

    void entryOutOfRangeIsADefaultEntry()
    {
        KodNevModel m;
        addAll(m, "B2001");
        QVERIFY(m.entryAt(-1).datedName.name.isNull());
        QCOMPARE(m.entryAt(m.rowCount()).codeText(), QStringLiteral("PPPPPPPPPPPP"));
    }

    void passesTheModelTester()
    {
        // Column 0 is the row number, which by nature does not move with its row: the
        // checker's moved-data test holds only for changes at the end (see the next test).
        TestEnv env;
        KodNevModel m;
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::QtTest);
        addAll(m, "B2001 C2003 D2005");
        m.addEntry(entry("c", 2003, "csere"), true);
        QVERIFY(m.insertRows(m.rowCount(), 2));
        QVERIFY(m.setData(m.index(3, 2), "e"));
        QVERIFY(m.setData(m.index(3, 3), "öt"));
        m.setColors(0, Qt::red, Qt::blue);
        QVERIFY(m.removeRows(4, 1));
        QVERIFY(m.save());
        QVERIFY(m.load(nullptr));
        QVERIFY(m.removeRows(0, m.rowCount()));
    }

    void passesTheModelTesterInTheMiddle()
    {
        KodNevModel m;
        struct : QSortFilterProxyModel {
            bool filterAcceptsColumn(int column, const QModelIndex&) const override { return column > 0; }
        } proxy;
        proxy.setSourceModel(&m);
        QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
        addAll(m, "B2005 C2003 B2001 B2003");
        QCOMPARE(layout(m), QStringLiteral("B2001 B2003 B2005 C2003"));
        QVERIFY(m.insertRows(1, 2));
        QVERIFY(m.removeRows(0, 2));
        QVERIFY(m.removeRows(1, 2));
        QCOMPARE(proxy.rowCount(), 2);
    }

    void displayValuesPerColumn_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("row number") << 0 << QVariant(2);
        QTest::newRow("valid from") << 1 << QVariant(QDate(2001, 1, 1));
        QTest::newRow("code") << 2 << QVariant(QStringLiteral("CAAAAAAAAAAA"));
        QTest::newRow("name") << 3 << QVariant(QStringLiteral("kettő"));
    }

    void displayValuesPerColumn()
    {
        QFETCH(int, column);
        QFETCH(QVariant, value);
        KodNevModel m(twoEntries());
        QCOMPARE(m.data(m.index(1, column)), value);
        QVERIFY(!m.data(m.index(1, column), Qt::EditRole).isValid());
    }

    void headers_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("orientation");
        QTest::addColumn<QVariant>("text");
        QTest::newRow("row") << 0 << int(Qt::Horizontal) << QVariant(QStringLiteral("sor"));
        QTest::newRow("valid from") << 1 << int(Qt::Horizontal) << QVariant(QStringLiteral("Érvényes"));
        QTest::newRow("code") << 2 << int(Qt::Horizontal) << QVariant(QStringLiteral("Kód"));
        QTest::newRow("name") << 3 << int(Qt::Horizontal) << QVariant(QStringLiteral("Megnevezés"));
        QTest::newRow("beyond the columns") << 4 << int(Qt::Horizontal) << QVariant();
        QTest::newRow("rows have none") << 0 << int(Qt::Vertical) << QVariant();
    }

    void headers()
    {
        QFETCH(int, section);
        QFETCH(int, orientation);
        QFETCH(QVariant, text);
        KodNevModel m(twoEntries());
        QCOMPARE(m.headerData(section, Qt::Orientation(orientation)), text);
    }

    void cellsAndHeadersUseTheDocumentFont()
    {
        TestEnv env;
        appSettings().fontFace = QStringLiteral("Courier");
        appSettings().fontSize = 13;
        KodNevModel m(twoEntries());
        QCOMPARE(m.data(m.index(0, 0), Qt::FontRole).value<QFont>().pointSize(), 13);
        QCOMPARE(m.headerData(0, Qt::Vertical, Qt::FontRole).value<QFont>().family(), QStringLiteral("Courier"));
    }

    void onlyTheRowNumberIsReadOnly()
    {
        KodNevModel m(twoEntries());
        QVERIFY(!(m.flags(m.index(0, 0)) & Qt::ItemIsEditable));
        for (int column = 1; column < m.columnCount(); ++column)
            QVERIFY(m.flags(m.index(0, column)) & Qt::ItemIsEditable);
        QCOMPARE(m.flags(QModelIndex()), Qt::NoItemFlags);
    }

    void alternateRowsKeepOwnColours()
    {
        TestEnv env;
        KodNevModel m;
        addAll(m, "B2001 C2001 D2001");
        m.addEntry(entry("e", 2001, "négy", Qt::yellow), false);
        auto back = [&m](int row) { return m.index(row, 0).data(Qt::BackgroundRole).value<QBrush>().color(); };
        appSettings().flags |= OptAlternateBack;
        QCOMPARE(back(0), QColor(Qt::white));
        QCOMPARE(back(1), QColor(240, 240, 240));
        QCOMPARE(back(3), QColor(Qt::yellow)); // an own colour is kept on odd rows
        appSettings().flags &= ~OptAlternateBack;
        QCOMPARE(back(1), QColor(Qt::white));
    }

    void sameCodeAndDateReplacesSilently()
    {
        // The asking replace is checked in the version-1 load.
        KodNevModel m;
        addAll(m, "B2001 C2001 D2001");
        QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
        QVERIFY(m.addEntry(entry("b", 2001, "Kapu 2", Qt::red), true));
        QCOMPARE(layout(m), QStringLiteral("B2001 C2001 D2001"));
        QCOMPARE(m.entryAt(0).backgroundColor, QColor(Qt::red));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(1).toModelIndex().column(), 3); // the name column repaints too
    }

    void refusedEditChangesNothing_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("role");
        QTest::newRow("bad code") << 2 << QVariant("xyz") << int(Qt::EditRole);
        QTest::newRow("name too long") << 3 << QVariant(QString(81, 'n')) << int(Qt::EditRole);
        QTest::newRow("empty name") << 3 << QVariant(QString()) << int(Qt::EditRole);
        QTest::newRow("invalid date") << 1 << QVariant(QDate()) << int(Qt::EditRole);
        QTest::newRow("row number") << 0 << QVariant(5) << int(Qt::EditRole);
        QTest::newRow("not the edit role") << 3 << QVariant("új") << int(Qt::DisplayRole);
    }

    void refusedEditChangesNothing()
    {
        QFETCH(int, column);
        QFETCH(QVariant, value);
        QFETCH(int, role);
        KodNevModel m(twoEntries());
        QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
        QVERIFY(!m.setData(m.index(0, column), value, role));
        QVERIFY(!m.isModified());
        QCOMPARE(m.entryAt(0), entry("b", 2001, "egy"));
        QCOMPARE(changed.size(), 0);
    }

    void acceptedEditMarksTheListModified()
    {
        KodNevModel m(twoEntries());
        QVERIFY(m.setData(m.index(0, 3), "új"));
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("új"));
        QVERIFY(m.isModified());
    }

    void insertRows_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("names"); // "-" for an empty entry
        // The list is "egy kettő".
        QTest::newRow("before the list: appended") << -3 << 2 << true << "egy kettő - -";
        QTest::newRow("after the list: appended") << 99 << 1 << true << "egy kettő -";
        QTest::newRow("at the top") << 0 << 1 << true << "- egy kettő";
        QTest::newRow("in the middle") << 1 << 1 << true << "egy - kettő";
        QTest::newRow("no rows") << 0 << 0 << false << "egy kettő";
        QTest::newRow("negative count") << 0 << -1 << false << "egy kettő";
    }

    void insertRows()
    {
        QFETCH(int, row);
        QFETCH(int, count);
        QFETCH(bool, taken);
        QFETCH(QString, names);
        KodNevModel m(twoEntries());
        QCOMPARE(m.insertRows(row, count), taken);
        QStringList shown;
        for (int r = 0; r < m.rowCount(); ++r)
            shown << (m.entryAt(r).datedName.name.isNull() ? QStringLiteral("-") : m.entryAt(r).datedName.name);
        QCOMPARE(shown.join(' '), names);
        QCOMPARE(m.isModified(), taken);
    }

    void insertRowsUnderAnEntryRefused()
    {
        KodNevModel m(twoEntries());
        QVERIFY(!m.insertRows(0, 1, m.index(0, 0)));
        QCOMPARE(m.rowCount(), 2);
    }

    void removeRowsBounds_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("left");
        // The list is "B2001 C2001 D2001 E2001".
        QTest::newRow("middle") << 1 << 2 << true << "B2001 E2001";
        QTest::newRow("to the end") << 1 << 3 << true << "B2001";
        QTest::newRow("all") << 0 << 4 << true << "";
        QTest::newRow("beyond the end") << 3 << 2 << false << "B2001 C2001 D2001 E2001";
        QTest::newRow("starting past the end") << 4 << 1 << false << "B2001 C2001 D2001 E2001";
        QTest::newRow("negative row") << -1 << 1 << false << "B2001 C2001 D2001 E2001";
        QTest::newRow("no rows") << 0 << 0 << false << "B2001 C2001 D2001 E2001";
        QTest::newRow("huge count") << 1 << INT_MAX << false << "B2001 C2001 D2001 E2001";
    }

    void removeRowsBounds()
    {
        QFETCH(int, row);
        QFETCH(int, count);
        QFETCH(bool, taken);
        QFETCH(QString, left);
        KodNevModel m({entry("b", 2001, "B2001"), entry("c", 2001, "C2001"), entry("d", 2001, "D2001"),
                       entry("e", 2001, "E2001")});
        QCOMPARE(m.removeRows(row, count), taken);
        QCOMPARE(layout(m), left);
        QCOMPARE(m.isModified(), taken);
    }

    void setColoursFallsBackAndIgnoresOtherRows()
    {
        KodNevModel m(twoEntries());
        m.setColors(0, QColor(), Qt::red);
        QCOMPARE(m.entryAt(0).backgroundColor, QColor(Qt::white));
        QCOMPARE(m.entryAt(0).foregroundColor, QColor(Qt::red));
        QVERIFY(m.isModified());
        KodNevModel other(twoEntries());
        other.setColors(5, Qt::red, Qt::red);
        other.setColors(-1, Qt::red, Qt::red);
        QVERIFY(!other.isModified());
    }

    void savesGoldenBytes()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Kapu"), false);
        m.addEntry(entry("p", QDate(1, 1, 1), "Ő", QColor(0x12, 0x34, 0x56), Qt::red), false);
        QVERIFY(m.save());
        QVERIFY(!m.isModified());
        QCOMPARE(fileBytes(codeFile()).toHex(), golden.toHex());
    }

    void readsGoldenBytesIgnoringTrailingBytes()
    {
        const KodNevFile::ReadResult r = readBytes(golden + "xyz");
        QCOMPARE(r.status, S::Ok);
        QCOMPARE(r.records.size(), 2);
        QCOMPARE(r.records.at(0), entry("abc", QDate(2001, 1, 1), "Kapu"));
        QCOMPARE(r.records.at(1), entry("p", QDate(1, 1, 1), "Ő"));
        QCOMPARE(colours(r.records.at(1)), QStringLiteral("#ffff0000 #ff123456"));
    }

    void everyTruncationIsDamage()
    {
        for (int cut = 0; cut < golden.size(); ++cut) {
            const KodNevFile::ReadResult r = readBytes(golden.left(cut));
            QVERIFY2(r.status != S::Ok, qPrintable(QString::number(cut)));
            QVERIFY(r.records.isEmpty());
        }
    }

    // A version-2 file is read as stored: names of any length and colours of every kind the
    // writer writes come back unchanged, so a load and a save lose nothing.
    void versionTwoRoundTripsNamesAndColourKinds()
    {
        TestEnv env;
        const QList<QColor> kinds = {QColor::fromRgb(1, 2, 3),          QColor::fromHsv(120, 200, 100, 50),
                                     QColor::fromHsv(-1, 0, 128),        QColor::fromCmyk(10, 20, 30, 40),
                                     QColor::fromHsl(300, 100, 150),     QColor::fromRgbF(1.5, -0.25, 0.5),
                                     QColor::fromRgbF(0.5, 0.25, 0.125).toExtendedRgb()};
        QList<KodNev> entries;
        for (int i = 0; i < kinds.size(); ++i) {
            KodNev k = entry("abc", QDate(2001, 1, 1 + i), "Kapu");
            k.foregroundColor = kinds.at(i);
            k.backgroundColor = kinds.at(kinds.size() - 1 - i);
            entries << k;
        }
        entries[0].datedName.name.clear();
        entries[1].datedName.name = QString(100, QLatin1Char('x'));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(KodNevFile::write(buffer, entries));
        const KodNevFile::ReadResult r = readBytes(bytes);
        QVERIFY(r.status == KodNevFile::ReadStatus::Ok);
        QCOMPARE(r.skipped, 0);
        QCOMPARE(r.records.size(), entries.size());
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(r.records.at(i).datedName.name, entries.at(i).datedName.name);
            QCOMPARE(r.records.at(i).foregroundColor, entries.at(i).foregroundColor);
            QCOMPARE(int(r.records.at(i).foregroundColor.spec()), int(entries.at(i).foregroundColor.spec()));
            QCOMPARE(r.records.at(i).backgroundColor, entries.at(i).backgroundColor);
        }
        // Components a writer never produces give the colour's default.
        const struct { const char* hex; QColor expected; } broken[] = {
            {"02ffff9c40ffffffff0000", Qt::black},  // hue 400 degrees
            {"04ffff9c40ffffffff0000", Qt::black},
            {"05ffff7c003c003c000000", Qt::black},  // an infinite red
            {"06ffff0000000000000000", Qt::black},  // no such kind
            {"00ffff0000000000000000", Qt::black}}; // invalid
        for (const auto& c : broken) {
            const QByteArray one = QByteArray::fromHex("0ec0020100000001") + kapuCore + QByteArray::fromHex(c.hex)
                                   + white;
            const KodNevFile::ReadResult b = readBytes(one);
            QVERIFY2(b.status == KodNevFile::ReadStatus::Ok, c.hex);
            QCOMPARE(b.records.value(0).foregroundColor, c.expected);
        }
    }

    void changedField_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("colours"); // of the second record, when read
        QTest::newRow("huge count") << 4 << QByteArray("7fffffff") << int(S::Damaged) << QString();
        QTest::newRow("negative count") << 4 << QByteArray("ffffffff") << int(S::Damaged) << QString();
        QTest::newRow("odd name length") << 8 + 6 << QByteArray("00000007") << int(S::Damaged) << QString();
        QTest::newRow("version 3") << 0 << QByteArray("0ec00301") << int(S::BadMagic) << QString();
        // A colour kind other than RGB (none of ours) gives that colour's default alone.
        QTest::newRow("invalid text colour") << 68 << QByteArray("00") << int(S::Ok) << "#ff000000 #ff123456";
        QTest::newRow("HSV text colour") << 68 << QByteArray("02") << int(S::Ok) << "#ff000000 #ff123456";
        QTest::newRow("kind 64 background") << 79 << QByteArray("40") << int(S::Ok) << "#ffff0000 #ffffffff";
        QTest::newRow("kind -1 background") << 79 << QByteArray("ff") << int(S::Ok) << "#ffff0000 #ffffffff";
    }

    void changedField()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, hex);
        QFETCH(int, status);
        QFETCH(QString, colours);
        const QByteArray bytes = QByteArray::fromHex(hex);
        const KodNevFile::ReadResult r = readBytes(QByteArray(golden).replace(offset, bytes.size(), bytes));
        QCOMPARE(int(r.status), status);
        QCOMPARE(r.records.size(), status == int(S::Ok) ? 2 : 0);
        if (status == int(S::Ok))
            QCOMPARE(::colours(r.records.at(1)), colours);
    }

    void everyFileWriteFailureIsReported()
    {
        const QList<KodNev> list = {entry("abc", QDate(2001, 1, 1), "Kapu"), entry("p", 2010, "Ő", Qt::red)};
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        QVERIFY(KodNevFile::write(whole, list));
        for (int limit = 0; limit < whole.data().size(); ++limit) {
            FailingDevice device(FailingDevice::Writes, limit);
            device.open(QIODevice::WriteOnly);
            QVERIFY2(!KodNevFile::write(device, list), qPrintable(QString::number(limit)));
            QCOMPARE(device.written(), whole.data().left(limit));
        }
    }

    void everyFileReadFailureIsACleanError()
    {
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        QVERIFY(KodNevFile::write(whole, {entry("abc", QDate(2001, 1, 1), "Kapu"), entry("p", 2010, "Ő")}));
        for (int limit = 0; limit < whole.data().size(); ++limit) {
            FailingDevice device(FailingDevice::Reads, limit, whole.data());
            device.open(QIODevice::ReadOnly);
            const KodNevFile::ReadResult r = KodNevFile::read(device);
            QVERIFY2(r.status != KodNevFile::ReadStatus::Ok, qPrintable(QString::number(limit)));
            QVERIFY(r.records.isEmpty());
            QVERIFY(device.failed());
        }
    }

    void missingFileLoadsNothingSilently()
    {
        TestEnv env;
        KodNevModel m;
        QVERIFY(!m.load(nullptr));
        QCOMPARE(m.rowCount(), 0);
    }

    void emptyFileNeedsNoSave()
    {
        TestEnv env;
        writeCodeFile(QByteArray::fromHex("0ec0020100000000"));
        KodNevModel m;
        QVERIFY(m.load(nullptr));
        QVERIFY(!m.isModified());
        QVERIFY(m.save());
        QVERIFY(!QFile::exists(codeFile() + ".bak")); // nothing to write: no backup made
    }

    void versionOneLoadOrdersAsksAndIsResavedAsVersionTwo()
    {
        TestEnv env;
        KodNevModel m;
        QSignalSpy reloaded(&m, &KodNevModel::reloaded);
        // Records go by the insertion rule, a repeated code and date asks, an empty name is
        // dropped, a null date is the earliest: never a value of the record before.
        const quint32 y2010 = QDate(2010, 1, 1).toJulianDay();
        const QByteArray file = QByteArray::fromHex("0ec0010100000007") + kapuCore
                                + record("111111111111", "", 2451545)
                                + record("bbbbbbbbbbbb", "késő", y2010)
                                + record("bbbbbbbbbbbb", "korai", QDate(2000, 1, 1).toJulianDay())
                                + record("bbbbbbbbbbbb", "ismét", y2010) + record("222222222222", "Kert", 0)
                                + record("bbbbbbbbbbbb", "újra", y2010);
        writeCodeFile(file);
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("\"késő\"\nnéven.\nÁtnevezzük erre:\n\"ismét\"", false);
            prompts.expectQuestion("\"késő\"\nnéven.\nÁtnevezzük erre:\n\"újra\"", true);
            prompts.expectNotice(Prompts::Kind::Warning, "1 bejegyzés neve üres vagy 80 karakternél");
            QVERIFY(m.load(nullptr));
            QCOMPARE(prompts.seen().first().buttons, QStringList({"Átnevez", "Mégsem"}));
        }
        QCOMPARE(reloaded.size(), 1);
        QStringList rows;
        for (int r = 0; r < m.rowCount(); ++r) {
            const KodNev e = m.entryAt(r);
            rows << e.codeText() + ' ' + e.datedName.name + ' ' + e.datedName.validFrom.toString(Qt::ISODate);
            QCOMPARE(colours(e), QStringLiteral("#ff000000 #ffffffff"));
        }
        QCOMPARE(rows, QStringList({"ABCAAAAAAAAA Kapu 2001-01-01", "LLLLLLLLLLLL korai 2000-01-01",
                                    "LLLLLLLLLLLL újra 2010-01-01", "CCCCCCCCCCCC Kert 0001-01-01"}));
        QVERIFY(m.isModified());
        QVERIFY(m.save());
        QCOMPARE(fileBytes(codeFile()).left(52).toHex(),
                 (QByteArray::fromHex("0ec0020100000004") + kapuCore + black + white).toHex());
        QCOMPARE(fileBytes(codeFile() + ".bak"), file);
    }

    // Loading gives the list that adding the records one by one gives, in any file order.
    void loadedOrderIsTheInsertionRule()
    {
        TestEnv env;
        KodNevModel added;
        QList<KodNev> records;
        const QStringList codes = {"a", "bc", "dd", "p", "abc"};
        for (int i = 0; i < 200; ++i) {
            const KodNev e = entry(codes.at((i * 7) % codes.size()), QDate(2000 + (i * 13) % 17, 1, 1),
                                   QStringLiteral("n%1").arg(i));
            if (added.findExact(e) >= 0)
                continue; // same code and date: the question is tested above
            added.addEntry(e, false);
            records.append(e);
        }
        {
            QFile f(codeFile());
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(KodNevFile::write(f, records));
        }
        KodNevModel loaded;
        QVERIFY(loaded.load(nullptr));
        QCOMPARE(loaded.rowCount(), added.rowCount());
        for (int r = 0; r < added.rowCount(); ++r)
            QCOMPARE(loaded.entryAt(r).datedName.name, added.entryAt(r).datedName.name);
    }

    // Every file operation of the save failed in turn: file and backup stay, the failure is
    // told and the list stays modified.
    void everyFailedSaveKeepsFileAndBackup()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", 2001, "Kapu"), false);
        QVERIFY(m.save());
        m.addEntry(entry("abd", 2002, "Kert"), false);
        QVERIFY(m.save());
        const QByteArray file = fileBytes(codeFile()), backup = fileBytes(codeFile() + ".bak");
        m.addEntry(entry("abe", 2003, "Tető"), false);
        int total = 0;
        {
            KodNevModel probe(QList<KodNev>{entry("abc", 2001, "Kapu")});
            probe.addEntry(entry("abf", 2004, "x"), false);
            QDir(env.workDir()).mkpath("probe");
            appSettings().workDir = env.path("probe");
            QVERIFY(probe.save());
            probe.addEntry(entry("abg", 2004, "y"), false);
            SafeSave::FaultScope count;
            QVERIFY(probe.save());
            total = count.operations();
            appSettings().workDir = env.workDir();
        }
        for (int i = 1; i < total; ++i) {
            SafeSave::FaultScope faults;
            faults.failAt(i);
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
            QVERIFY2(!m.save(), qPrintable(QString::number(i)));
            QVERIFY(m.isModified());
            QCOMPARE(fileBytes(codeFile()), file);
            QCOMPARE(fileBytes(codeFile() + ".bak"), backup);
        }
    }

    void fifoUnderTheFileNameDoesNotBlock()
    {
        TestEnv env;
        QCOMPARE(::mkfifo(QFile::encodeName(codeFile()).constData(), 0600), 0);
        KodNevModel m;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!");
        QVERIFY(!m.load(nullptr));
        QCOMPARE(m.rowCount(), 0);
    }

    void damagedFileIsReportedOnceAndLeavesTheList()
    {
        TestEnv env;
        writeCodeFile(damagedFile());
        KodNevModel m(QList<KodNev>{entry("abc", QDate(2001, 1, 1), "Kapu")});
        QSignalSpy reloaded(&m, &KodNevModel::reloaded);
        {
            // One warning (no question storm), the list exactly as it was.
            ScriptedPrompts prompts;
            const QString text = QStringLiteral("A beolvasás sikertelen!\n%1\nsérült, vagy nem megfelelő.");
            prompts.expectNotice(Prompts::Kind::Warning, text.arg(codeFile()));
            QVERIFY(!m.load(nullptr));
        }
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("Kapu"));
        QVERIFY(!m.isModified());
        QVERIFY(reloaded.isEmpty());
        QVERIFY(m.save()); // nothing changed: nothing written
        QCOMPARE(fileBytes(codeFile()), damagedFile());
    }

    void unreadFileIsOverwrittenOnlyWhenAgreed_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("declined") << false;
        QTest::newRow("agreed") << true;
    }

    void unreadFileIsOverwrittenOnlyWhenAgreed()
    {
        QFETCH(bool, yes);
        TestEnv env;
        writeCodeFile(damagedFile());
        KodNevModel m;
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!");
            QVERIFY(!m.load(nullptr));
        }
        m.addEntry(entry("abc", QDate(2002, 1, 1), "Kert"), false);
        ScriptedPrompts prompts;
        prompts.expectQuestion("nem volt beolvasható.\nFelülírjuk", yes);
        QCOMPARE(m.save(), yes);
        QCOMPARE(m.isModified(), !yes);
        QCOMPARE(fileBytes(codeFile() + (yes ? ".bak" : "")), damagedFile());
        QCOMPARE(QFile::exists(codeFile() + ".bak"), yes);
    }

    void eachSaveReplacesTheOlderBackup()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Egy"), false);
        QVERIFY(m.save());
        m.addEntry(entry("abc", QDate(2002, 1, 1), "Kettő"), false);
        QVERIFY(m.save());
        const QByteArray saved = fileBytes(codeFile());
        m.addEntry(entry("abc", QDate(2003, 1, 1), "Harmadik"), false);
        QVERIFY(m.save());
        QCOMPARE(fileBytes(codeFile() + ".bak"), saved);
    }

    void failedSavesKeepFileAndBackup()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Egy"), false);
        QVERIFY(m.save());
        const QByteArray current = fileBytes(codeFile());
        // Neither a backup that cannot be replaced nor (unless root, who writes anyway) a
        // directory that cannot be written loses the file, however often it is tried.
        QVERIFY(QDir(env.workDir()).mkpath("kodlista.kod.bak/keep"));
        m.addEntry(entry("abc", QDate(2004, 1, 1), "Negyedik"), false);
        const QFileDevice::Permissions dirMode = QFile::permissions(env.workDir());
        for (int attempt = 0; attempt < (geteuid() == 0 ? 2 : 4); ++attempt) {
            if (attempt == 2)
                QFile::setPermissions(env.workDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
            QVERIFY(!m.save());
        }
        QFile::setPermissions(env.workDir(), dirMode);
        QVERIFY(m.isModified());
        QCOMPARE(fileBytes(codeFile()), current);
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files), QStringList{"kodlista.kod"});
        QVERIFY(QFileInfo(codeFile() + ".bak/keep").isDir());
    }

    void unopenableFileIsUnreadable()
    {
        TestEnv env;
        appSettings().codeFile = "masik.kod";
        QVERIFY(QDir(env.workDir()).mkdir("masik.kod"));
        KodNevModel m;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!");
        prompts.expectQuestion("nem volt beolvasható", true);
        prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
        QVERIFY(!m.load(nullptr));
        m.addEntry(entry("abc", QDate(2005, 1, 1), "Kút"), false);
        QVERIFY(!m.save());
    }
};

WYX_TEST_MAIN(TestKodNevModel)
#include "tst_kodnevmodel.moc"
