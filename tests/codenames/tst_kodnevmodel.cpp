#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/settings.h"

#include <QSignalSpy>

namespace {

KodNev entry(const QString& code, int year, const QString& name = QStringLiteral("név"),
             const QColor& back = Qt::white)
{
    KodNev k;
    if (!k.set(code, name, QDate(year, 1, 1), back, Qt::black))
        qFatal("bad test entry");
    return k;
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

} // namespace

class TestKodNevModel : public QObject
{
    Q_OBJECT
private slots:
    void codeLettersAndBytes()
    {
        // Text, code bytes, letters shown.
        const char* const good[][3] = {{"abc", "012000000000", "ABCAAAAAAAAA"},
                                       {"aAbBcCdDeEfF", "001122334455", "AABBCCDDEEFF"},
                                       {"PPPPPPPPPPPP", "ffffffffffff", "PPPPPPPPPPPP"}}; // the no-code value
        for (const auto& g : good) {
            KodNev k;
            QVERIFY(k.setCode(g[0]) && hexOf(k) == g[1]);
            QCOMPARE(k.codeText(), QString(g[2]));
        }
        // A trailing line break must not slip through the anchors; a refusal keeps the code.
        for (const char* bad : {"", "AAAAAAAAAAAAA", "ABQ", "AB1", "AB C", "abc\n", "\nabc", "ABÁ"}) {
            KodNev k;
            QVERIFY(k.setCode("abc"));
            QVERIFY2(!k.setCode(QString::fromUtf8(bad)), bad);
            QCOMPARE(k.codeText(), QStringLiteral("ABCAAAAAAAAA"));
        }
    }

    void setIsPartlyDoneAndClearKeepsTheDate()
    {
        KodNev k;
        QVERIFY(hexOf(k) == "ffffffffffff" && k.datedName.validFrom == QDate(1, 1, 1));
        QVERIFY(k.set("ab", "Régi", QDate(2001, 1, 1), Qt::yellow, Qt::red));

        // A failing step keeps the steps before it; colours come only after all three.
        QVERIFY(!k.set("cd", QString(81, 'x'), QDate(2010, 1, 1), Qt::green, Qt::blue));
        QCOMPARE(k.codeText(), QStringLiteral("CDAAAAAAAAAA"));
        QCOMPARE(k.datedName.name, QStringLiteral("Régi"));
        QVERIFY(!k.set("ef", "Új", QDate(2021, 2, 30), Qt::green, Qt::blue));
        QVERIFY(k.datedName.name == "Új" && k.datedName.validFrom == QDate(2001, 1, 1));
        QCOMPARE(k.backgroundColor, QColor(Qt::yellow));
        QVERIFY(k.set("ef", QString(80, 'n'), QDate(2012, 1, 1), QColor(), QColor()));
        QVERIFY(k.backgroundColor == Qt::white && k.foregroundColor == Qt::black);

        KodNev other = k;
        other.datedName.setDate(QDate(2013, 1, 1));
        QVERIFY(other.sameCode(k) && !(other == k));

        k.setBackgroundColor(Qt::red);
        k.clear();
        QVERIFY(hexOf(k) == "ffffffffffff" && k.datedName.name.isNull() && k.backgroundColor == Qt::white);
        QCOMPARE(k.datedName.validFrom, QDate(2012, 1, 1));
    }

    void sameCodeAndDateReplacesOrAsks()
    {
        TestEnv env;
        KodNevModel m;
        addAll(m, "B2001 C2001");
        QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);

        m.addEntry(entry("b", 2001, "Kapu 2", Qt::red), true);
        QCOMPARE(layout(m), QStringLiteral("B2001 C2001"));
        QCOMPARE(m.entryAt(0).backgroundColor, QColor(Qt::red));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(1).toModelIndex().column(), 3); // the name column repaints too

        for (bool yes : {false, true}) {
            ScriptedPrompts prompts;
            prompts.expectQuestion("\"Kapu 2\"\nnéven.\nÁtnevezzük erre:\n\"Kapu 3\"", yes);
            QCOMPARE(m.addEntry(entry("b", 2001, "Kapu 3"), false), yes);
            QCOMPARE(prompts.seen().first().buttons, QStringList({"Átnevez", "Mégsem"}));
            QCOMPARE(m.entryAt(0).datedName.name, QString(yes ? "Kapu 3" : "Kapu 2"));
        }
        QCOMPARE(m.rowCount(), 2);
    }

    void insertionAndLookupsAcrossDateBoundaries()
    {
        KodNevModel m;
        addAll(m, "B2005 C2003 B2001");
        QCOMPARE(layout(m), QStringLiteral("B2001 B2005 C2003")); // each code's dates in order
        const struct { const char* code; QDate date; int row; } cases[] = {
            {"b", {2000, 12, 31}, -1}, {"b", {2001, 1, 1}, 0}, {"b", {2004, 12, 31}, 0},
            {"b", {2005, 1, 1}, 1}, {"b", {2090, 1, 1}, 1}, {"c", {2002, 1, 1}, -1}, {"d", {2090, 1, 1}, -1}};
        for (const auto& c : cases)
            QVERIFY2(m.findValidAt(key(c.code, c.date)) == c.row, qPrintable(c.date.toString()));
        QCOMPARE(m.findCode(key("b")), 1);
        QVERIFY(m.findExact(key("b")) == -1 && m.findExact(key("b", QDate(2001, 1, 1))) == 0);

        // A change of the list must show in the next lookup.
        addAll(m, "B2003 B1999");
        QCOMPARE(layout(m), QStringLiteral("B1999 B2001 B2003 B2005 C2003"));
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 2);
        QVERIFY(m.setData(m.index(4, 2), "b")); // C's entry now also code B, dated 2003
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 4); // last matching row wins
        QVERIFY(m.removeRows(4, 1));
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 2);
        QCOMPARE(m.findCode(key("c")), -1);

        QVERIFY(m.entryAt(-1).datedName.name.isNull() && m.entryAt(m.rowCount()).codeText() == "PPPPPPPPPPPP");
    }

    void alternateRowsAndRefusedEdits()
    {
        TestEnv env;
        KodNevModel m;
        addAll(m, "B2001 C2001 D2001");
        m.addEntry(entry("e", 2001, "négy", Qt::yellow), false);
        auto back = [&m](int row) { return m.index(row, 0).data(Qt::BackgroundRole).value<QColor>(); };
        appSettings().flags |= OptAlternateBack;
        QCOMPARE(back(1), QColor(240, 240, 240));
        QCOMPARE(back(3), QColor(Qt::yellow)); // an own colour is kept on odd rows
        appSettings().flags &= ~OptAlternateBack;
        QCOMPARE(back(1), QColor(Qt::white));

        // A refused value is reported and leaves the list unchanged.
        KodNevModel fresh(QList<KodNev>{entry("b", 2001, "egy")});
        QVERIFY(!fresh.setData(fresh.index(0, 2), "xyz") && !fresh.setData(fresh.index(0, 3), QString(81, 'n')));
        QVERIFY(!fresh.removeRows(0, 2) && !fresh.isModified());
        QCOMPARE(fresh.entryAt(0), entry("b", 2001, "egy"));
        QVERIFY(fresh.setData(fresh.index(0, 3), "új") && fresh.isModified());
    }
};

WYX_TEST_MAIN(TestKodNevModel)
#include "tst_kodnevmodel.moc"
