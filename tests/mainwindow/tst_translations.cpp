#include "support/testenv.h"
#include "support/testmain.h"

#include "evaluation/reporttestutil.h"

#include "core/helpers.h"
#include "core/settings.h"
#include "device/usbcom.h"
#include "evaluation/evaluationmodel.h"
#include "eventlog/archivedlg.h"
#include "mainwindow/programfiles.h"
#include "routes/routedefmodel.h"
#include "routes/routeplanlayout.h"

#include <QDir>
#include <QTranslator>

namespace {
int withLanguage(int language)
{
    return (appSettings().flags & ~OptLanguageMask) | language;
}
} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void init() { setProgramDirectory(QStringLiteral(WYX_BUILD_DIR)); }
    void cleanup() { setProgramDirectory(QString()); }

    // The help speaks the language of the texts.
    void namesByLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("qt");
        QTest::addColumn<QString>("help");
        QTest::newRow("hu") << int(OptLanguageHungarian) << "de_DE" << "wyx770_hu" << "qt_hu" << "wyx770_hu.qhc";
        QTest::newRow("de") << int(OptLanguageGerman) << "en_US" << "wyx770_de" << "qt_de" << "wyx770_de.qhc";
        QTest::newRow("en") << int(OptLanguageEnglish) << "hu_HU" << "wyx770_en" << "qt_en" << "wyx770_en.qhc";
        QTest::newRow("unused bits") << 0x1000 << "hu_HU" << "wyx770_en" << "qt_en" << "wyx770_en.qhc";
        QTest::newRow("auto de_AT") << int(OptLanguageAuto) << "de_AT" << "wyx770_de" << "qt_de_AT"
                                    << "wyx770_de.qhc";
        QTest::newRow("auto en_US") << int(OptLanguageAuto) << "en_US" << "wyx770_en" << "qt_en_US"
                                    << "wyx770_en.qhc";
        QTest::newRow("auto hu_HU") << int(OptLanguageAuto) << "hu_HU" << "wyx770_hu" << "qt_hu_HU"
                                    << "wyx770_hu.qhc";
        QTest::newRow("auto C") << int(OptLanguageAuto) << "C" << "wyx770_hu" << "qt_hu" << "wyx770_hu.qhc";
        QTest::newRow("auto fr_FR") << int(OptLanguageAuto) << "fr_FR" << "wyx770_hu" << "qt_hu"
                                    << "wyx770_hu.qhc";
        QTest::newRow("German, C") << int(OptLanguageGerman) << "C" << "wyx770_de" << "qt_de" << "wyx770_de.qhc";
    }

    void namesByLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, locale);
        QFETCH(QString, program);
        QFETCH(QString, qt);
        QFETCH(QString, help);
        const TranslationNames names = translationNamesFor(language, locale);
        QCOMPARE(names.program, program);
        QCOMPARE(names.qt, qt);
        QCOMPARE(helpCollectionFileFor(language, locale), help);
    }

    void programAndQtTextsPerLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("qtButton");
        QTest::newRow("de") << int(OptLanguageGerman) << "&Hilfe" << "&Ja";
        QTest::newRow("en") << int(OptLanguageEnglish) << "&Help" << "&Yes";
        QTest::newRow("hu") << int(OptLanguageHungarian) << "&Súgó" << "&Igen";
    }

    // Qt's own texts come from Qt's translation directory when the program has no copy.
    void programAndQtTextsPerLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, menu);
        QFETCH(QString, qtButton);
        TestEnv env;
        QTranslator program;
        QTranslator qt;
        loadProgramTranslations(program, qt, withLanguage(language));
        const QString translated = program.translate("MainWindow", "&Súgó");
        QCOMPARE(translated.isEmpty() ? QStringLiteral("&Súgó") : translated, menu);
        QCOMPARE(qt.translate("QPlatformTheme", "&Yes").isEmpty() ? QStringLiteral("&Yes")
                                                                  : qt.translate("QPlatformTheme", "&Yes"),
                 qtButton);
    }

    void localeWithoutTranslationKeepsHungarian()
    {
        TestEnv env; // the tests run in the C locale
        QTranslator program;
        QTranslator qt;
        loadProgramTranslations(program, qt, withLanguage(OptLanguageAuto));
        QVERIFY(program.isEmpty());
        QVERIFY(program.translate("MainWindow", "&Súgó").isEmpty());
    }

    // A program left in Hungarian has Qt's dialogs and buttons in Hungarian too.
    void localeWithoutTranslationGivesQtsHungarian()
    {
        TestEnv env;
        QTranslator program;
        QTranslator qt;
        loadProgramTranslations(program, qt, withLanguage(OptLanguageAuto));
        QCOMPARE(qt.translate("QPlatformTheme", "&Yes"), QStringLiteral("&Igen"));
    }

    // A count takes the singular or plural of the language ("1 Minute", "2 Minuten").
    void countsTakePluralForms_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("drift");
        QTest::addColumn<QString>("plan");
        QTest::addColumn<QString>("archive");
        QTest::newRow("de 1") << int(OptLanguageGerman) << 1 << "mit 1 Minute Zeitabweichung kontrolliert!"
                              << "Geht 1 Sekunde nach" << "Routenplan „“, geforderte Genauigkeit: 1 Minute"
                              << "1 Auslesung";
        QTest::newRow("de 2") << int(OptLanguageGerman) << 2 << "mit 2 Minuten Zeitabweichung kontrolliert!"
                              << "Geht 2 Sekunden nach" << "Routenplan „“, geforderte Genauigkeit: 2 Minuten"
                              << "2 Auslesungen";
        QTest::newRow("en 1") << int(OptLanguageEnglish) << 1 << "checked with a time deviation of 1 minute!"
                              << "1 second slow" << "Route plan \"\", required accuracy: 1 minute"
                              << "1 read-out";
        QTest::newRow("en 2") << int(OptLanguageEnglish) << 2 << "checked with a time deviation of 2 minutes!"
                              << "2 seconds slow" << "Route plan \"\", required accuracy: 2 minutes"
                              << "2 read-outs";
        QTest::newRow("hu 1") << int(OptLanguageHungarian) << 1 << "ellenőrzése 1 perc idő eltéréssel!"
                              << "Késik 1 másodpercet" << "\"\" útvonal terv, elvárt pontossága: 1 perc"
                              << "1 kiolvasás";
    }

    void countsTakePluralForms()
    {
        QFETCH(int, language);
        QFETCH(int, n);
        QFETCH(QString, report);
        QFETCH(QString, drift);
        QFETCH(QString, plan);
        QFETCH(QString, archive);
        TestEnv env;
        QTranslator program;
        QTranslator qt;
        loadProgramTranslations(program, qt, withLanguage(language));
        QCoreApplication::installTranslator(&program);

        KodNevModel names(ReportTest::namedPoints());
        EvaluationModel model;
        model.setTextContext(ReportTest::context(&names));
        EvaluationReport rows;
        rows.rows.append(ReportTest::row(0x24000000u | uint(n), 0,
                                         ReportTest::payload({{0, ReportTest::packed(2024, 3, 5, 8, 0)},
                                                              {4, ReportTest::code("AAAAAAAAAAAB")}})));
        model.setReport(rows);
        const QString row = model.data(model.index(0, 1)).toString();
        QCOMPARE(row.mid(row.indexOf(QLatin1String("08:00 ")) + 6).trimmed(), report);

        UsbCom com;
        com.pcTime = QDateTime(QDate(2024, 3, 5), QTime(8, 0));
        com.deviceTime = com.pcTime.addSecs(-n);
        QCOMPARE(com.clockDriftText(), drift);

        RouteDefModel routes;
        routes.setTolerance(n);
        QCOMPARE(planText(routes).section(QLatin1Char('\n'), 0, 0).trimmed(), plan);

        archiveDlg dlg;
        dlg.readSpin->setValue(n);
        QCOMPARE(dlg.readSpin->text(), archive);
        QCoreApplication::removeTranslator(&program);
    }

    void missingFilesCreateNothing()
    {
        TestEnv env;
        const QString dir = env.root() + QStringLiteral("/program");
        QVERIFY(QDir().mkpath(dir));
        setProgramDirectory(dir);
        QTranslator program;
        QTranslator qt;
        loadProgramTranslations(program, qt, withLanguage(OptLanguageGerman));
        QVERIFY(program.isEmpty());
        QVERIFY(!qt.isEmpty()); // Qt's own, from Qt's directory
        QCOMPARE(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

WYX_TEST_MAIN(TestTranslations)
#include "tst_translations.moc"
