#include "codenames/kodnevtestutil.h"
#include "support/testmain.h"

using namespace KodNevTest;

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

    // Adding in one step gives the list adding one by one gives, also where edits put a
    // code's names out of date order or gave two of them one date.
    void addEntriesAsOneByOne()
    {
        for (int seed = 0; seed < 500; ++seed) {
            QRandomGenerator random(seed);
            const auto some = [&](int n, QChar tag) {
                QList<KodNev> list;
                for (int i = 0; i < n; ++i)
                    list << entry(QChar('A' + random.bounded(4)), 2000 + random.bounded(6), tag + QString::number(i));
                return list;
            };
            const QList<KodNev> before = some(random.bounded(9), 'b'), records = some(random.bounded(12), 'r');
            KodNevModel oneByOne(before), together(before);
            for (const KodNev& record : records)
                oneByOne.addEntry(record, true);
            together.addEntries(records);
            const QString tag = QString::number(seed) + ": ";
            QCOMPARE(tag + namedLayout(together), tag + namedLayout(oneByOne));
        }
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
};

WYX_TEST_MAIN(TestKodNevModel)
#include "tst_kodnevmodel.moc"
