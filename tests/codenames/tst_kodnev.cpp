#include "support/testmain.h"

#include "codenames/kodnev.h"

class TestKodNev : public QObject
{
    Q_OBJECT

    static QByteArray hexOf(const KodNev& k)
    {
        return QByteArray(reinterpret_cast<const char*>(k.code), KodNev::codeSize).toHex();
    }

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
};

WYX_TEST_MAIN(TestKodNev)
#include "tst_kodnev.moc"
