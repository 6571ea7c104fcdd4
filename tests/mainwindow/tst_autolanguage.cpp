// The automatic language follows the system locale, which Qt reads from the environment
// once: this test runs in an Austrian German one.
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/settings.h"
#include "mainwindow/programfiles.h"

#include <QLocale>
#include <QTranslator>

class TestAutoLanguage : public QObject
{
    Q_OBJECT
private slots:
    void automaticFollowsTheSystemLocale()
    {
        TestEnv env;
        setProgramDirectory(QStringLiteral(WYX_BUILD_DIR));
        QCOMPARE(QLocale::system().name(), QStringLiteral("de_AT"));
        QTranslator program;
        QTranslator qt;
        loadProgramTranslations(program, qt, appSettings().flags & ~OptLanguageMask);
        QCOMPARE(program.translate("MainWindow", "&Súgó"), QStringLiteral("&Hilfe"));
        QCOMPARE(qt.translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja")); // qt_de_AT falls back to qt_de
        setProgramDirectory(QString());
    }
};

int main(int argc, char* argv[])
{
    TestSupport::prepareProcess();
    qputenv("LC_ALL", "de_AT.UTF-8");
    WyxApp app(argc, argv);
    TestSupport::prepareApplication(app);
    TestAutoLanguage tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_autolanguage.moc"
