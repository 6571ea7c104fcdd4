#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnev.h"
#include "core/constants.h"

class TestKodNev : public QObject
{
    Q_OBJECT

    static QByteArray bytesOf(const KodNev& k)
    {
        return QByteArray(reinterpret_cast<const char*>(k.code), KodNev::codeSize);
    }

private slots:
    void codeLettersToBytes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("letters");
        QTest::newRow("lower case, padded") << "abc" << QByteArray::fromHex("012000000000") << "ABCAAAAAAAAA";
        QTest::newRow("single p") << "p" << QByteArray::fromHex("f00000000000") << "PAAAAAAAAAAA";
        QTest::newRow("mixed case, full") << "aAbBcCdDeEfF" << QByteArray::fromHex("001122334455")
                                          << "AABBCCDDEEFF";
        QTest::newRow("twelve P is the no-code value") << "PPPPPPPPPPPP" << QByteArray::fromHex("ffffffffffff")
                                                       << "PPPPPPPPPPPP";
        QTest::newRow("all zero") << "A" << QByteArray(6, '\0') << "AAAAAAAAAAAA";
    }
    void codeLettersToBytes()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, letters);
        KodNev k;
        QVERIFY(k.setCode(text));
        QCOMPARE(bytesOf(k), bytes);
        QCOMPARE(k.codeText(), letters);
        // Letters back to bytes again give the same code.
        KodNev again;
        QVERIFY(again.setCode(k.codeText()));
        QVERIFY(again.sameCode(k));
    }

    void badCodeTextKeepsOldCode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("thirteen letters") << "AAAAAAAAAAAAA";
        QTest::newRow("letter Q") << "ABQ";
        QTest::newRow("digit") << "AB1";
        QTest::newRow("blank") << "AB C";
        QTest::newRow("trailing line break") << "abc\n";
        QTest::newRow("leading line break") << "\nabc";
        QTest::newRow("accented letter") << QString::fromUtf8("ABÁ");
    }
    void badCodeTextKeepsOldCode()
    {
        QFETCH(QString, text);
        KodNev k;
        QVERIFY(k.setCode("abc"));
        QVERIFY(!k.setCode(text));
        QCOMPARE(k.codeText(), QStringLiteral("ABCAAAAAAAAA"));
    }

    void defaultsClearAndColours()
    {
        TestEnv env;
        KodNev k;
        QCOMPARE(bytesOf(k), QByteArray(6, char(0xFF)));
        QVERIFY(k.datedName.name.isNull());
        QCOMPARE(k.datedName.validFrom, QDate(1, 1, 1));
        QCOMPARE(k.foregroundColor, QColor(Qt::black));
        QCOMPARE(k.backgroundColor, QColor(Qt::white));

        QVERIFY(k.set("abc", "Kapu", QDate(2020, 5, 6), Qt::red, Qt::blue));
        k.clear();
        QCOMPARE(bytesOf(k), QByteArray(6, char(0xFF)));
        QVERIFY(k.datedName.name.isNull());
        QCOMPARE(k.datedName.validFrom, QDate(2020, 5, 6)); // the date survives clear
        QCOMPARE(k.foregroundColor, QColor(Qt::black));
        QCOMPARE(k.backgroundColor, QColor(Qt::white));

        k.setBackgroundColor(QColor());
        QCOMPARE(k.backgroundColor, QColor(Qt::white));
        k.setForegroundColor(QColor());
        QCOMPARE(k.foregroundColor, QColor(Qt::black));
        k.setBackgroundColorName("red");
        QCOMPARE(k.backgroundColor, QColor(Qt::red));
        k.setBackgroundColorName("#00ff00");
        QCOMPARE(k.backgroundColor, QColor(Qt::green));
        k.setBackgroundColorName("nincs ilyen");
        QCOMPARE(k.backgroundColor, QColor(Qt::white));
        k.setForegroundColorName("blue");
        QCOMPARE(k.foregroundColor, QColor(Qt::blue));
        k.setForegroundColorName("");
        QCOMPARE(k.foregroundColor, QColor(Qt::black));
    }

    void setIsPartlyDoneOnFailure()
    {
        KodNev k;
        QVERIFY(k.set("ab", "Régi", QDate(2001, 1, 1), Qt::yellow, Qt::red));

        // Valid code, empty name: the code is taken, nothing else.
        QVERIFY(!k.set("cd", "", QDate(2010, 1, 1), Qt::green, Qt::blue));
        QCOMPARE(k.codeText(), QStringLiteral("CDAAAAAAAAAA"));
        QCOMPARE(k.datedName.name, QStringLiteral("Régi"));
        QCOMPARE(k.datedName.validFrom, QDate(2001, 1, 1));
        QCOMPARE(k.backgroundColor, QColor(Qt::yellow));

        // Invalid date: code and name taken, colours not.
        QVERIFY(!k.set("ef", "Új", QDate(), Qt::green, Qt::blue));
        QCOMPARE(k.codeText(), QStringLiteral("EFAAAAAAAAAA"));
        QCOMPARE(k.datedName.name, QStringLiteral("Új"));
        QCOMPARE(k.datedName.validFrom, QDate(2001, 1, 1));
        QCOMPARE(k.foregroundColor, QColor(Qt::red));

        // Bad code: nothing at all changes.
        QVERIFY(!k.set("x", "Más", QDate(2012, 1, 1), Qt::green, Qt::blue));
        QCOMPARE(k.codeText(), QStringLiteral("EFAAAAAAAAAA"));
        QCOMPARE(k.datedName.name, QStringLiteral("Új"));

        // Success with invalid colours falls back to the defaults.
        QVERIFY(k.set("ef", "Új", QDate(2012, 1, 1), QColor(), QColor()));
        QCOMPARE(k.backgroundColor, QColor(Qt::white));
        QCOMPARE(k.foregroundColor, QColor(Qt::black));
    }

    void datedNameLimitsAndEquality()
    {
        DatedName d;
        QVERIFY(d.setName(QString(80, 'x')));
        QVERIFY(!d.setName(QString(81, 'y')));
        QVERIFY(!d.setName(QString()));
        QVERIFY(!d.setName(""));
        QCOMPARE(d.name, QString(80, 'x'));
        QVERIFY(!d.setDate(QDate()));
        QVERIFY(!d.setDate(QDate(2021, 2, 30)));
        QCOMPARE(d.validFrom, QDate(1, 1, 1));
        QVERIFY(d.setDate(QDate(2021, 2, 28)));

        DatedName other = d;
        QVERIFY(other == d);
        other.setDate(QDate(2021, 3, 1));
        QVERIFY(!(other == d)); // same name, other date

        KodNev a, b;
        QVERIFY(a.set("abc", "Kapu", QDate(2001, 1, 1), Qt::white, Qt::black));
        QVERIFY(b.set("abc", "Kert", QDate(2005, 1, 1), Qt::red, Qt::black));
        QVERIFY(a.sameCode(b));
        QVERIFY(!(a == b));
        b.datedName = a.datedName;
        QVERIFY(a == b); // colours are not compared
        b.code[5] = 1;
        QVERIFY(!a.sameCode(b));
        QVERIFY(!(a == b));
    }
};

WYX_TEST_MAIN(TestKodNev)
#include "tst_kodnev.moc"
