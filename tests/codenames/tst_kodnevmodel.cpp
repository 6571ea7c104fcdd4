#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/settings.h"

#include <QBrush>
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

KodNev key(const QString& code, const QDate& date)
{
    KodNev k;
    k.setCode(code);
    k.datedName.setDate(date);
    return k;
}

// "X2001 Y2000 ..." as the list reads from the top.
QString layout(const KodNevModel& m)
{
    QStringList parts;
    for (int r = 0; r < m.rowCount(); ++r) {
        const KodNev e = m.entryAt(r);
        parts << e.codeText().left(1) + QString::number(e.datedName.validFrom.year());
    }
    return parts.join(' ');
}

} // namespace

class TestKodNevModel : public QObject
{
    Q_OBJECT
private slots:
    void insertionKeepsEachCodesDatesInOrder()
    {
        KodNevModel m;
        m.addEntry(entry("b", 2001), false);
        m.addEntry(entry("b", 2005), false);
        m.addEntry(entry("b", 2003), false);
        QCOMPARE(layout(m), QStringLiteral("B2001 B2003 B2005"));
        m.addEntry(entry("b", 1999), false);
        QCOMPARE(layout(m), QStringLiteral("B1999 B2001 B2003 B2005"));

        KodNevModel n;
        n.addEntry(entry("b", 2001), false);
        n.addEntry(entry("b", 2005), false);
        n.addEntry(entry("c", 2000), false);
        n.addEntry(entry("b", 2003), false);
        QCOMPARE(layout(n), QStringLiteral("B2001 B2003 B2005 C2000"));
        n.addEntry(entry("b", 2007), false);
        QCOMPARE(layout(n), QStringLiteral("B2001 B2003 B2005 B2007 C2000"));
        n.addEntry(entry("d", 1990), false);
        QCOMPARE(layout(n), QStringLiteral("B2001 B2003 B2005 B2007 C2000 D1990"));
        QVERIFY(n.isModified());
    }

    void sameCodeAndDateReplacesOrAsks()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("b", 2001, "Kapu"), true);
        m.addEntry(entry("c", 2001, "Kert"), true);
        QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);

        m.addEntry(entry("b", 2001, "Kapu 2", Qt::red), true);
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("Kapu 2"));
        QCOMPARE(m.entryAt(0).backgroundColor, QColor(Qt::red));
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(1).toModelIndex().column(), 3); // the name column repaints too

        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("BAAAAAAAAAAA kód", false);
            QVERIFY(!m.addEntry(entry("b", 2001, "Kapu 3"), false));
            QCOMPARE(prompts.seen().first().title, QStringLiteral("Figyelem"));
            QCOMPARE(prompts.seen().first().buttons, QStringList({"Átnevez", "Mégsem"}));
            QVERIFY(prompts.seen().first().text.endsWith("\"Kapu 2\"\nnéven.\nÁtnevezzük erre:\n\"Kapu 3\""));
        }
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("Kapu 2"));
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("Átnevezzük", true);
            QVERIFY(m.addEntry(entry("b", 2001, "Kapu 3"), false));
        }
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("Kapu 3"));
        QCOMPARE(m.rowCount(), 2);
    }

    void lookupsAcrossDateBoundaries()
    {
        KodNevModel m;
        m.addEntry(entry("b", 2001, "régi"), false);
        m.addEntry(entry("c", 2003, "más"), false);
        m.addEntry(entry("b", 2005, "új"), false);
        QCOMPARE(layout(m), QStringLiteral("B2001 B2005 C2003"));

        QCOMPARE(m.findValidAt(key("b", QDate(2000, 12, 31))), -1);
        QCOMPARE(m.findValidAt(key("b", QDate(2001, 1, 1))), 0);
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 0);
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 12, 31))), 0);
        QCOMPARE(m.findValidAt(key("b", QDate(2005, 1, 1))), 1);
        QCOMPARE(m.findValidAt(key("b", QDate(2090, 1, 1))), 1);
        QCOMPARE(m.findValidAt(key("c", QDate(2002, 1, 1))), -1);
        QCOMPARE(m.findValidAt(key("d", QDate(2090, 1, 1))), -1);
        QCOMPARE(m.findCode(key("b", QDate(1900, 1, 1))), 1);
        QCOMPARE(m.findCode(key("c", QDate())), 2);
        QCOMPARE(m.findCode(key("d", QDate())), -1);
        QCOMPARE(m.findExact(key("b", QDate(2001, 1, 1))), 0);
        QCOMPARE(m.findExact(key("b", QDate(2001, 1, 2))), -1);

        // A change of the list must show in the next lookup.
        m.addEntry(entry("b", 2003, "közép"), false);
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 1);
        QCOMPARE(m.findValidAt(key("b", QDate(2005, 1, 1))), 2);
        QVERIFY(m.setData(m.index(3, 2), "b")); // C's entry now also code B, dated 2003
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 3); // last matching row wins
        QVERIFY(m.removeRows(3, 1));
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 1);
        QCOMPARE(m.findCode(key("c", QDate())), -1);

        const KodNev none = m.entryAt(-1);
        QVERIFY(none.datedName.name.isNull());
        QCOMPARE(none.codeText(), QStringLiteral("PPPPPPPPPPPP"));
        QVERIFY(m.entryAt(m.rowCount()).datedName.name.isNull());
    }

    void alternateRowsAndRefusedEdits()
    {
        TestEnv env;
        Settings& s = appSettings();
        KodNevModel m;
        m.addEntry(entry("b", 2001, "egy"), false);
        m.addEntry(entry("c", 2001, "kettő"), false);
        m.addEntry(entry("d", 2001, "három", Qt::yellow), false);
        m.addEntry(entry("e", 2001, "négy", Qt::yellow), false);

        auto back = [&](int row) { return m.data(m.index(row, 0), Qt::BackgroundRole).value<QBrush>().color(); };
        s.flags |= OptAlternateBack;
        QCOMPARE(back(0), QColor(Qt::white));
        QCOMPARE(back(1), QColor(240, 240, 240));
        QCOMPARE(back(2), QColor(Qt::yellow));
        QCOMPARE(back(3), QColor(Qt::yellow)); // an own colour is kept on odd rows
        s.flags &= ~OptAlternateBack;
        QCOMPARE(back(1), QColor(Qt::white));

        // A refused value is reported and leaves the list unchanged.
        KodNevModel fresh(QList<KodNev>{entry("b", 2001, "egy")});
        QVERIFY(!fresh.setData(fresh.index(0, 2), "xyz"));
        QVERIFY(!fresh.setData(fresh.index(0, 3), QString(81, 'n')));
        QVERIFY(!fresh.isModified());
        QVERIFY(fresh.setData(fresh.index(0, 3), "új"));
        QVERIFY(fresh.isModified());
        QVERIFY(!fresh.removeRows(0, 2));
        QCOMPARE(fresh.rowCount(), 1);
    }
};

WYX_TEST_MAIN(TestKodNevModel)
#include "tst_kodnevmodel.moc"
