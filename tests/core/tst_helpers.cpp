#include "support/modaldriver.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/constants.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/tooltipfilter.h"

#include <QAbstractButton>
#include <QHelpEvent>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScopeGuard>

class TestHelpers : public QObject
{
    Q_OBJECT
private slots:
    void codeLetters()
    {
        const auto letters = [](const char* hex) {
            const QByteArray b = QByteArray::fromHex(hex);
            return codeToLetters(reinterpret_cast<const unsigned char*>(b.constData()));
        };
        QCOMPARE(letters("0123456789AB"), QStringLiteral("ABCDEFGHIJKL"));
        QCOMPARE(letters("CDEF0F1E2DFF"), QStringLiteral("MNOPAPBOCNPP"));
        QCOMPARE(letters("000000000000"), codePadding);
    }

    void fixedBytesPadAndNeverSplitACharacter()
    {
        // "ő" is two bytes in UTF-8, "€" three, the emoji four (a surrogate pair in the QString).
        const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
        const QList<std::tuple<QString, int, QByteArray>> cases = {
            {"ABC", 5, "ABC  "},
            {"ABCDEFGH", 5, "ABCDE"},
            {"ABC", 0, ""},
            {QStringLiteral("Kő"), 3, "K\xC5\x91"},
            {QStringLiteral("Kő"), 2, "K "},
            {QStringLiteral("A€"), 3, "A  "},
            {QStringLiteral("A€"), 4, "A\xE2\x82\xAC"},
            {emoji, 3, "   "},
            {emoji + "B", 5, "\xF0\x9F\x98\x80" "B"},
            {QStringLiteral("őőőőőőőő"), 8, QStringLiteral("őőőő").toUtf8()},
        };
        for (const auto& [text, n, expected] : cases) {
            QByteArray out(n + 2, '#'); // guard bytes catch a write past n
            toFixedBytes(text, reinterpret_cast<unsigned char*>(out.data()), n);
            QCOMPARE(out, expected + "##");
        }
    }

    void numberedNamesAndDates()
    {
        const QList<QPair<QString, QString>> names = {
            {"Route", "Route2"},          {"Route 9", "Route 10"}, {"Route 007", "Route 8"},
            {"", "2"},                    {"1a", "1a2"},
            {QStringLiteral("Őrjárat %1"), QStringLiteral("Őrjárat %2")}, // no arg() substitution
        };
        for (const auto& n : names)
            QCOMPARE(nextNumberedName(n.first), n.second);

        for (const char* text : {"2023-08-15", "2023. 08. 15.", " 2023_8;15 ", "2023:8,15"})
            QCOMPARE(parseDate(text), QDate(2023, 8, 15));
        for (const char* text : {"15.08", "", "2023-08-15-01"})
            QVERIFY(parseDate(text).isNull());
        QVERIFY(!parseDate("2023-aug-15").isValid());
        QVERIFY(!parseDate("2023-02-30").isValid());
    }

    void helpFileByLanguage()
    {
        TestEnv env;
        QCOMPARE(helpCollectionFileFor(OptLanguageHungarian, "en_US"), QStringLiteral("wyx770_hu.qhc"));
        QCOMPARE(helpCollectionFileFor(OptLanguageGerman | 0x7D, "hu_HU"), QStringLiteral("wyx770_de.qhc"));
        QCOMPARE(helpCollectionFileFor(125, "hu_HU"), QStringLiteral("wyx770_hu.qhc"));
        QCOMPARE(helpCollectionFileFor(125, "fr_FR"), QStringLiteral("wyx770_en.qhc"));
        QCOMPARE(helpCollectionFileFor(0x4000, "C"), QStringLiteral("wyx770_en.qhc")); // bit 14 is no language
        appSettings().flags = 125 | OptLanguageGerman;
        QCOMPARE(helpCollectionFile(), QStringLiteral("wyx770_de.qhc"));
    }

    void askYesNoBoxIgnoresEscapeAndClose()
    {
        // The real box: only a button ends it; Return picks the first (default) one.
        const Prompts::Handler previous = Prompts::setHandler({});
        const auto restore = qScopeGuard([&] { Prompts::setHandler(previous); });
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
        ModalDriver driver;
        driver.onModal(QString(), [](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            for (QAbstractButton* b : box->buttons())
                if (b->text() == QLatin1String("Nem"))
                    b->click();
        });
        QVERIFY(!askYesNo(nullptr, "T", "Second?", "Igen", "Nem"));
    }

    void toolTipFilterFollowsTheOption()
    {
        TestEnv env;
        ToolTipFilter filter;
        QObject target;
        QHelpEvent tip(QEvent::ToolTip, QPoint(1, 1), QPoint(1, 1));
        QEvent user(QEvent::User);
        appSettings().flags = 125 | OptDisableTooltip;
        QVERIFY(filter.eventFilter(&target, &tip));
        QVERIFY(!filter.eventFilter(&target, &user));
        // Switching the option back applies at once, without a new filter.
        appSettings().flags = 125;
        QVERIFY(!filter.eventFilter(&target, &tip));
    }

    void markerPatterns()
    {
        const QRegularExpression special(specialMarkPattern);
        const QRegularExpression manipulation(manipulationMarkPattern);
        for (const QString& m : {markDeepDischarge, markMoisture, markCase, markBattery, markClockSet, markReadOut,
                                 markDataGap, markArchived, markForeignInit, markLongGap, markUnknown}) {
            QVERIFY2(special.match(m).hasMatch(), qPrintable(m));
            QCOMPARE(manipulation.match(m).hasMatch(), m == markCase || m == markMoisture || m == markClockSet);
        }
        for (const QString& m : {markTouch, markInitialised, QStringLiteral("@@"), QStringLiteral("\\")})
            QVERIFY2(!special.match(m).hasMatch(), qPrintable(m));
    }
};

WYX_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
