#include "support/testmain.h"

#include "core/printexport.h"

class TestPrintExport : public QObject
{
    Q_OBJECT
private slots:
    void pageSequence_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<int>("pageSet");
        QTest::addColumn<QVector<int>>("pages");
        QTest::newRow("all") << 1 << 5 << int(PageSetAll) << QVector<int>{1, 2, 3, 4, 5};
        QTest::newRow("all, reversed") << 1 << 5 << PageSetAll + PageSetReverse << QVector<int>{5, 4, 3, 2, 1};
        QTest::newRow("odd inside even bounds") << 2 << 4 << int(PageSetOdd) << QVector<int>{3};
        QTest::newRow("even") << 1 << 5 << int(PageSetEven) << QVector<int>{2, 4};
        QTest::newRow("even, reversed") << 1 << 5 << PageSetEven + PageSetReverse << QVector<int>{4, 2};
        QTest::newRow("odd, reversed") << 1 << 3 << PageSetOdd + PageSetReverse << QVector<int>{3, 1};
        QTest::newRow("both bits: all") << 1 << 3 << 3 << QVector<int>{1, 2, 3};
        QTest::newRow("both bits, reversed: all") << 1 << 3 << 3 + PageSetReverse << QVector<int>{3, 2, 1};
        // Without the order bit only exactly 1 or 2 restrict; with it the low two bits do.
        QTest::newRow("other bits") << 1 << 3 << 5 << QVector<int>{1, 2, 3};
        QTest::newRow("other bits, reversed") << 1 << 3 << 4 + 1 + PageSetReverse << QVector<int>{3, 1};
        QTest::newRow("no odd page") << 2 << 2 << int(PageSetOdd) << QVector<int>{};
        QTest::newRow("empty range") << 1 << 0 << int(PageSetAll) << QVector<int>{};
        QTest::newRow("empty range, reversed") << 1 << 0 << PageSetAll + PageSetReverse << QVector<int>{};
    }

    void pageSequence()
    {
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(int, pageSet);
        QFETCH(QVector<int>, pages);
        QCOMPARE(::pageSequence(first, last, pageSet), pages);
    }
};

WYX_TEST_MAIN(TestPrintExport)
#include "tst_printexport.moc"
