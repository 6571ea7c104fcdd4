#include "support/testenv.h"
#include "support/testmain.h"

#include "core/settings.h"
#include "mainwindow/programfiles.h"

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

    void namesByLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("qt");
        QTest::newRow("hu") << int(OptLanguageHungarian) << "de_DE" << "wyx770_hu" << "qt_hu";
        QTest::newRow("de") << int(OptLanguageGerman) << "en_US" << "wyx770_de" << "qt_de";
        QTest::newRow("en") << int(OptLanguageEnglish) << "hu_HU" << "wyx770_en" << "qt_en";
        QTest::newRow("unused bits") << 0x1000 << "hu_HU" << "wyx770_en" << "qt_en";
        QTest::newRow("auto de_AT") << int(OptLanguageAuto) << "de_AT" << "wyx770_de" << "qt_de_AT";
        QTest::newRow("auto C") << int(OptLanguageAuto) << "C" << "wyx770_C" << "qt_C";
    }

    void namesByLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, locale);
        QFETCH(QString, program);
        QFETCH(QString, qt);
        const TranslationNames names = translationNamesFor(language, locale);
        QCOMPARE(names.program, program);
        QCOMPARE(names.qt, qt);
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
