#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/tooltipfilter.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QWidget>

namespace {

QByteArray fixed(const QString& text, int n)
{
    QByteArray out(n + 2, '#'); // guard bytes catch a write past n
    toFixedBytes(text, reinterpret_cast<unsigned char*>(out.data()), n);
    return out;
}

QString letters(const QByteArray& hex)
{
    const QByteArray b = QByteArray::fromHex(hex);
    return codeToLetters(reinterpret_cast<const unsigned char*>(b.constData()));
}

class ToolTipCounter : public QWidget
{
public:
    int toolTips = 0;
    int others = 0;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::ToolTip)
            ++toolTips;
        else if (e->type() == QEvent::User)
            ++others;
        return QWidget::event(e);
    }
};

} // namespace

class TestHelpers : public QObject
{
    Q_OBJECT
private slots:
    void codeLetters()
    {
        QCOMPARE(letters("000123456789"), QStringLiteral("AAABCDEFGHIJ"));
        QCOMPARE(letters("FFFFFFFFFFFF"), QStringLiteral("PPPPPPPPPPPP"));
        QCOMPARE(letters("000000000000"), codePadding);
        QCOMPARE(letters("ABCDEF0F1E2D"), QStringLiteral("KLMNOPAPBOCN"));
    }

    void fixedBytesPadAndNeverSplitACharacter()
    {
        QCOMPARE(fixed("ABC", 5), QByteArray("ABC  ##"));
        QCOMPARE(fixed("ABCDEFGH", 5), QByteArray("ABCDE##"));
        QCOMPARE(fixed("", 3), QByteArray("   ##"));
        QCOMPARE(fixed("ABC", 0), QByteArray("##"));
        QCOMPARE(fixed("ABC", -1), QByteArray(1, '#'));
        // "ő" is two bytes, "€" three, the emoji four (a surrogate pair in the QString).
        QCOMPARE(fixed(QStringLiteral("Kő"), 3), QByteArray("K\xC5\x91##"));
        QCOMPARE(fixed(QStringLiteral("Kő"), 2), QByteArray("K ##"));
        QCOMPARE(fixed(QStringLiteral("ABCDEFGő"), 8), QByteArray("ABCDEFG ##"));
        QCOMPARE(fixed(QStringLiteral("A€"), 3), QByteArray("A  ##"));
        QCOMPARE(fixed(QStringLiteral("A€"), 4), QByteArray("A\xE2\x82\xAC##"));
        QCOMPARE(fixed(QString::fromUtf8("\xF0\x9F\x98\x80"), 3), QByteArray("   ##"));
        QCOMPARE(fixed(QString::fromUtf8("\xF0\x9F\x98\x80") + "B", 5), QByteArray("\xF0\x9F\x98\x80" "B##"));
        // Eight accented letters are 16 bytes: the field keeps four whole letters.
        const QByteArray eight = fixed(QStringLiteral("őőőőőőőő"), 8);
        QCOMPARE(eight.left(8), QStringLiteral("őőőő").toUtf8());
        QCOMPARE(QString::fromUtf8(eight.left(8)), QStringLiteral("őőőő"));
    }

    void numberedNames()
    {
        QCOMPARE(nextNumberedName("Route"), QStringLiteral("Route2"));
        QCOMPARE(nextNumberedName("Route 9"), QStringLiteral("Route 10"));
        QCOMPARE(nextNumberedName("Route 007"), QStringLiteral("Route 8"));
        QCOMPARE(nextNumberedName("R09"), QStringLiteral("R10"));
        QCOMPARE(nextNumberedName(""), QStringLiteral("2"));
        QCOMPARE(nextNumberedName("12"), QStringLiteral("13"));
        QCOMPARE(nextNumberedName("1a"), QStringLiteral("1a2"));
        QCOMPARE(nextNumberedName(QStringLiteral("Őrjárat %1")), QStringLiteral("Őrjárat %2"));
        QCOMPARE(nextNumberedName(QStringLiteral("%1%2 5")), QStringLiteral("%1%2 6"));
    }

    void datesYearFirst()
    {
        QCOMPARE(parseDate("2023-08-15"), QDate(2023, 8, 15));
        QCOMPARE(parseDate("2023. 08. 15"), QDate(2023, 8, 15));
        QCOMPARE(parseDate("2023. 08. 15."), QDate(2023, 8, 15));
        QCOMPARE(parseDate(" 2023_8;15 "), QDate(2023, 8, 15));
        QCOMPARE(parseDate("2023:8,15"), QDate(2023, 8, 15));
        QVERIFY(parseDate("15.08").isNull());
        QVERIFY(parseDate("").isNull());
        QVERIFY(parseDate("2023-08-15-01").isNull());
        QVERIFY(!parseDate("2023-aug-15").isValid());
        QVERIFY(!parseDate("2023-02-30").isValid());
    }

    void helpFileByLanguage()
    {
        TestEnv env;
        QCOMPARE(helpCollectionFileFor(OptLanguageHungarian, "en_US"), QStringLiteral("wyx770_hu.qhc"));
        QCOMPARE(helpCollectionFileFor(OptLanguageGerman | 0x7D, "hu_HU"), QStringLiteral("wyx770_de.qhc"));
        QCOMPARE(helpCollectionFileFor(OptLanguageEnglish, "hu_HU"), QStringLiteral("wyx770_en.qhc"));
        QCOMPARE(helpCollectionFileFor(0x1000, "hu_HU"), QStringLiteral("wyx770_en.qhc"));
        QCOMPARE(helpCollectionFileFor(125, "hu_HU"), QStringLiteral("wyx770_hu.qhc"));
        QCOMPARE(helpCollectionFileFor(125, "de_AT"), QStringLiteral("wyx770_de.qhc"));
        QCOMPARE(helpCollectionFileFor(125, "fr_FR"), QStringLiteral("wyx770_en.qhc"));
        QCOMPARE(helpCollectionFileFor(0x4000, "C"), QStringLiteral("wyx770_en.qhc")); // bit 14 is no language
        appSettings().flags = 125 | OptLanguageGerman;
        QCOMPARE(helpCollectionFile(), QStringLiteral("wyx770_de.qhc"));
    }

    void askYesNoScripted()
    {
        ScriptedPrompts prompts;
        prompts.expectQuestion(QStringLiteral("Felülírjuk?"), true).expectQuestion(QStringLiteral("Törli?"), false);
        QVERIFY(askYesNo(nullptr, "WYX770", QStringLiteral("a.txt nevű fájl már létezik.\nFelülírjuk?"),
                         QStringLiteral("Igen"), QStringLiteral("Mégsem")));
        QVERIFY(!askYesNo(nullptr, "WYX770", QStringLiteral("Törli?"), QStringLiteral("Igen"), QStringLiteral("Nem")));
        const Prompts::Request& r = prompts.seen().first();
        QCOMPARE(r.kind, Prompts::Kind::Question);
        QCOMPARE(r.title, QStringLiteral("WYX770"));
        QCOMPARE(r.buttons, QStringList({QStringLiteral("Igen"), QStringLiteral("Mégsem")}));
        QVERIFY(!r.hasEscape);
    }

    void askYesNoBoxIgnoresEscapeAndClose()
    {
        // The real box: only a button ends it; Return picks the first (default) one.
        const Prompts::Handler previous = Prompts::setHandler({});
        struct Restore {
            Prompts::Handler h;
            ~Restore() { Prompts::setHandler(h); }
        } restore{previous};

        bool stayedOpen = false;
        {
            ModalDriver driver;
            driver.onModal(QString(), [&](QWidget* w) {
                QTest::keyClick(w, Qt::Key_Escape);
                w->close();
                QCoreApplication::processEvents();
                stayedOpen = w->isVisible();
                QTest::keyClick(w, Qt::Key_Return);
            });
            QVERIFY(askYesNo(nullptr, "T", "Escape?", "Igen", "Nem"));
        }
        QVERIFY(stayedOpen);
        {
            ModalDriver driver;
            driver.onModal(QString(), [](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box);
                QCOMPARE(box->buttons().size(), 2);
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == QLatin1String("Nem"))
                        b->click();
            });
            QVERIFY(!askYesNo(nullptr, "T", "Second?", "Igen", "Nem"));
        }
    }

    void toolTipFilterFollowsTheOption()
    {
        TestEnv env;
        ToolTipFilter filter;
        qApp->installEventFilter(&filter);
        ToolTipCounter w;
        w.setToolTip(QStringLiteral("tipp"));
        auto sendToolTip = [&] {
            QHelpEvent e(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
            QCoreApplication::sendEvent(&w, &e);
        };
        appSettings().flags = 125 | OptDisableTooltip;
        sendToolTip();
        QCOMPARE(w.toolTips, 0);
        QEvent user(QEvent::User);
        QCoreApplication::sendEvent(&w, &user);
        QCOMPARE(w.others, 1);
        // Switching the option back applies at once, without a new filter.
        appSettings().flags = 125;
        sendToolTip();
        QCOMPARE(w.toolTips, 1);
        qApp->removeEventFilter(&filter);
    }

    void markerPatterns()
    {
        const QRegularExpression special(specialMarkPattern);
        const QRegularExpression manipulation(manipulationMarkPattern);
        const QStringList specials = {markDeepDischarge, markMoisture, markCase,  markBattery,
                                      markClockSet,      markReadOut,  markDataGap, markArchived,
                                      markForeignInit,   markLongGap,  markUnknown};
        for (const QString& m : specials)
            QVERIFY2(special.match(m).hasMatch(), qPrintable(m));
        QVERIFY(!special.match(markTouch).hasMatch());
        QVERIFY(!special.match(markInitialised).hasMatch());
        QVERIFY(!special.match("@@").hasMatch());
        QVERIFY(!special.match("\\").hasMatch());
        for (const QString& m : specials) {
            const bool expected = m == markCase || m == markMoisture || m == markClockSet;
            QCOMPARE(manipulation.match(m).hasMatch(), expected);
        }
        QCOMPARE(filterText, QStringLiteral("Egyszerű szöveg (*.txt)"));
        QCOMPARE(filterHex8, QStringLiteral("Intel Hex8 (*.hex)"));
    }
};

WYX_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
