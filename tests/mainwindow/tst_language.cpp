#include "mainwindow/documenttestutil.h"
#include "support/modaldriver.h"

#include "core/settings.h"
#include "evaluation/evaluationview.h"
#include "eventlog/logmodel.h"
#include "mainwindow/helpbrowser.h"
#include "mainwindow/optiondlg.h"
#include "mainwindow/programfiles.h"
#include "routes/addstartdlg.h"

#include <QDir>
#include <QContextMenuEvent>
#include <QDockWidget>
#include <QMdiArea>
#include <QTimer>
#include <QMenuBar>
#include <QTabWidget>

namespace {

QStringList menuTitles(MainWindow& w)
{
    QStringList titles;
    for (QAction* menu : w.menuBar()->actions()) {
        if (!menu->isSeparator())
            titles << menu->text();
    }
    return titles;
}

QString actionText(MainWindow& w, const char* name)
{
    auto* action = w.findChild<QAction*>(QString::fromLatin1(name));
    return action ? action->text() : QStringLiteral("<none>");
}

void setLanguage(int language)
{
    appSettings().flags = (appSettings().flags & ~OptLanguageMask) | language;
}

// Lets the language change that loading the translators posts reach every widget.
void deliverLanguageChange()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
}

QDockWidget* helpDock(MainWindow& w)
{
    return w.findChild<QDockWidget*>(QStringLiteral("helpDock"));
}

QString shownPage(MainWindow& w)
{
    HelpBrowser* browser = helpBrowserOf(helpDock(w));
    return browser ? browser->source().path() : QStringLiteral("<no browser>");
}

// The entries of one menu sharing an Alt key, as "key: entry | entry"; hidden entries
// do not count.
QStringList acceleratorClashes(const QString& menu, const QList<QAction*>& entries)
{
    QMap<QString, QStringList> byKey;
    for (QAction* entry : entries) {
        const QKeySequence key = QKeySequence::mnemonic(entry->text());
        if (entry->isVisible() && !entry->isSeparator() && !key.isEmpty())
            byKey[key.toString()] << entry->text();
    }
    QStringList clashes;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << menu + QStringLiteral(" ") + it.key() + QStringLiteral(": ") + it.value().join(" | ");
    }
    return clashes;
}

// The entries of the context menu a document window asks for, read while it is up.
QList<QAction*> contextMenuEntries(MainWindow& w, void (MainWindow::*request)(QContextMenuEvent*))
{
    QList<QAction*> entries;
    QTimer::singleShot(0, &w, [&entries] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            entries = menu->actions();
            menu->close();
        }
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), w.mapToGlobal(QPoint(10, 10)));
    (w.*request)(&event);
    return entries;
}

} // namespace

class TestLanguage : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }
    void init() { setProgramDirectory(QStringLiteral(WYX_BUILD_DIR)); }
    void cleanup()
    {
        setLanguage(OptLanguageHungarian);
        setProgramDirectory(QString());
    }

    void menusAndOpenDialogFollowTheLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QStringList>("menus");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("logHeader");
        QTest::newRow("de") << int(OptLanguageGerman)
                            << QStringList{"&Datei", "&Bearbeiten", "Da&tenübertragung", "&Ansicht", "&Hilfe"}
                            << "&Einstellungen..." << "Optionen" << "Beschreibung";
        QTest::newRow("en") << int(OptLanguageEnglish)
                            << QStringList{"&File", "&Edit", "&Data transfer", "&View", "&Help"} << "&Options..."
                            << "Options" << "Description";
        QTest::newRow("hu") << int(OptLanguageHungarian)
                            << QStringList{"&File", "Sz&erkeszt", "&Adatátvitel", "&Nézet", "&Súgó"}
                            << "&Beállítások..." << "Opciók" << "Leírás";
    }

    void menusAndOpenDialogFollowTheLanguage()
    {
        QFETCH(int, language);
        QFETCH(QStringList, menus);
        QFETCH(QString, options);
        QFETCH(QString, title);
        QFETCH(QString, logHeader);
        TestEnv env;
        setLanguage(OptLanguageHungarian);
        MainWindow w;
        OptionDlg dialog(&w);
        dialog.show();
        setLanguage(language);
        w.switchLanguage();
        deliverLanguageChange();
        QCOMPARE(menuTitles(w), menus);
        QCOMPARE(actionText(w, "setupOptionAct"), options);
        QCOMPARE(dialog.windowTitle(), title);
        LogModel log;
        QCOMPARE(log.headerData(LogModel::ColumnDescription, Qt::Horizontal).toString(), logHeader);
    }

    // Every Alt key opens one menu and one entry of it, with any kind of window active.
    void menuAcceleratorsAreDistinct_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("kind");
        const QList<QPair<QByteArray, int>> kinds = {
            {"no window", NoView},       {"log", LogViewKind},       {"code names", KodnevViewKind},
            {"plan", RouteDefViewKind}, {"report", EvaluationViewKind}, {"text", TxtViewKind}};
        const QList<QPair<QByteArray, int>> languages = {{"de", OptLanguageGerman}, {"en", OptLanguageEnglish}};
        for (const auto& language : languages) {
            for (const auto& kind : kinds)
                QTest::addRow("%s, %s", language.first.data(), kind.first.data()) << language.second << kind.second;
        }
    }

    void menuAcceleratorsAreDistinct()
    {
        QFETCH(int, language);
        QFETCH(int, kind);
        TestEnv env;
        setLanguage(language);
        writeLog(env.path("PROBA.ewl"));
        writeBytes(env.path("jegyzet.txt"));
        appSettings().setRecentFiles({env.path("PROBA.ewl"), env.path("jegyzet.txt")});
        MainWindow w;
        w.show();
        if (kind == LogViewKind)
            w.loadFile(env.path("PROBA.ewl"));
        else if (kind == KodnevViewKind)
            w.kodNevOpen();
        else if (kind == RouteDefViewKind)
            w.newErdFile();
        else if (kind == EvaluationViewKind)
            w.createEvaluationView()->show();
        else if (kind == TxtViewKind)
            w.loadFile(env.path("jegyzet.txt"));
        QCOMPARE(w.activeViewKind(), kind);

        QStringList clashes = acceleratorClashes(QStringLiteral("menu bar"), w.menuBar()->actions());
        for (QAction* title : w.menuBar()->actions()) {
            if (QMenu* menu = title->menu()) {
                emit menu->aboutToShow(); // the window menu is filled as it opens
                clashes << acceleratorClashes(title->text(), menu->actions());
            }
        }
        // A context menu that did not come up would show no clash either.
        const auto context = [&](const QString& name, void (MainWindow::*request)(QContextMenuEvent*)) {
            const QList<QAction*> entries = contextMenuEntries(w, request);
            clashes << (entries.isEmpty() ? QStringList{name + QStringLiteral(" not shown")}
                                          : acceleratorClashes(name, entries));
        };
        if (kind == LogViewKind)
            context(QStringLiteral("log context"), &MainWindow::LogContextMenuEvent);
        if (kind == KodnevViewKind)
            context(QStringLiteral("code-name context"), &MainWindow::KodNevContextMenuEvent);
        if (kind == RouteDefViewKind)
            context(QStringLiteral("plan context"), &MainWindow::ErdContextMenuEvent);
        QCOMPARE(clashes.join(QStringLiteral("; ")), QString()); // a string, so a failure shows them
    }

    void startDialogTitlesAreWholeTexts_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("modify");
        QTest::addColumn<QString>("title");
        const int hu = OptLanguageHungarian;
        const int de = OptLanguageGerman;
        const int en = OptLanguageEnglish;
        QTest::newRow("hu, fixed, add") << hu << 0 << false << "Indulási idő hozzáadás";
        QTest::newRow("hu, rounds, modify") << hu << 3 << true << "Indulási időtartomány módosítás";
        QTest::newRow("hu, flexible, add") << hu << 4 << false << "Szolgálati idő hozzáadás";
        QTest::newRow("en, fixed, add") << en << 0 << false << "Add start time";
        QTest::newRow("en, free fixed, modify") << en << 2 << true << "Modify start time";
        QTest::newRow("en, window, add") << en << 1 << false << "Add start range";
        QTest::newRow("en, rounds, modify") << en << 3 << true << "Modify start range";
        QTest::newRow("en, flexible, add") << en << 4 << false << "Add service time";
        QTest::newRow("en, flexible, modify") << en << 4 << true << "Modify service time";
        QTest::newRow("de, fixed, add") << de << 0 << false << "Startzeit hinzufügen";
        QTest::newRow("de, window, modify") << de << 1 << true << "Startzeitraum ändern";
        QTest::newRow("de, flexible, add") << de << 4 << false << "Dienstzeit hinzufügen";
    }

    // The start dialog's title is one text to translate, not a noun and a verb put together.
    void startDialogTitlesAreWholeTexts()
    {
        QFETCH(int, language);
        QFETCH(int, type);
        QFETCH(bool, modify);
        QFETCH(QString, title);
        TestEnv env;
        setLanguage(language);
        MainWindow w;
        w.switchLanguage();
        addStartDlg dialog;
        dialog.setRoute(RouteHead(QStringLiteral("R"), type, RouteTime()), modify);
        QCOMPARE(dialog.windowTitle(), title);
    }

    void systemLocaleChangeReloadsTheTranslations()
    {
        TestEnv env;
        setLanguage(OptLanguageHungarian);
        MainWindow w;
        setLanguage(OptLanguageGerman);
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(&w, &change);
        QCOMPARE(actionText(w, "readOutAct"), QStringLiteral("&Auslesen"));
    }

    // Choosing "Angol" in the options command switches the whole window, and its help.
    void optionsCommandSwitchesLanguageAndHelp()
    {
        TestEnv env;
        setLanguage(OptLanguageHungarian);
        MainWindow w;
        w.help();
        QVERIFY(helpDock(w)->isVisible());
        ModalDriver driver;
        driver.onModal("OptionDlg", [](QWidget* d) {
            auto* dialog = static_cast<OptionDlg*>(d);
            dialog->languageCombo->setCurrentIndex(3);
            QTest::mouseClick(dialog->okButton, Qt::LeftButton);
        });
        w.setupOption();
        QVERIFY(driver.allDone());
        deliverLanguageChange();
        QCOMPARE(appSettings().flags & OptLanguageMask, int(OptLanguageEnglish));
        QCOMPARE(actionText(w, "helpAct"), QStringLiteral("&Help..."));
        QDockWidget* dock = helpDock(w);
        QVERIFY(dock->isVisible());
        QCOMPARE(dock->windowTitle(), QStringLiteral("Help"));
        HelpBrowser* browser = helpBrowserOf(dock);
        QVERIFY(browser->toPlainText().contains("dispatcher's guide"));
    }

    void helpVisibilityKeptAcrossLanguages()
    {
        TestEnv env;
        setLanguage(OptLanguageHungarian);
        MainWindow w;
        QVERIFY(!helpDock(w)->isVisible());
        setLanguage(OptLanguageGerman);
        w.switchHelpLanguage();
        QCOMPARE(helpDock(w)->isVisible(), false);
        w.help();
        QVERIFY(helpBrowserOf(helpDock(w))->toPlainText().contains("Handbuch für die Leitstelle"));
        setLanguage(OptLanguageEnglish);
        w.switchHelpLanguage();
        QCOMPARE(w.findChildren<QDockWidget*>().size(), 1); // the old dock is gone
        QVERIFY(helpDock(w)->isVisible());
        QVERIFY(helpBrowserOf(helpDock(w))->toPlainText().contains("dispatcher's guide"));
    }

    void contextHelpOpensThePageOfTheActiveWindow()
    {
        TestEnv env;
        setLanguage(OptLanguageEnglish);
        writeLog(env.path("PROBA.ewl"));
        writeBytes(env.path("jegyzet.txt"));
        MainWindow w;
        w.show();
        w.help();
        QCOMPARE(shownPage(w), QStringLiteral("/doc/index.html"));
        w.loadFile(env.path("PROBA.ewl"));
        QCOMPARE(w.activeViewKind(), int(LogViewKind));
        w.help();
        QCOMPARE(shownPage(w), QStringLiteral("/doc/logs.html"));
        w.loadFile(env.path("jegyzet.txt"));
        QCOMPARE(w.activeViewKind(), int(TxtViewKind));
        w.help();
        QCOMPARE(shownPage(w), QStringLiteral("/doc/index.html"));
    }

    void missingHelpGivesAnEmptyDockAndCreatesNothing()
    {
        TestEnv env;
        const QString dir = env.root() + QStringLiteral("/program");
        QVERIFY(QDir().mkpath(dir));
        setProgramDirectory(dir);
        MainWindow w;
        w.help();
        QVERIFY(helpDock(w)->isVisible());
        QVERIFY(helpBrowserOf(helpDock(w))->toPlainText().isEmpty());
        w.switchHelpLanguage();
        QCOMPARE(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

WYX_TEST_MAIN(TestLanguage)
#include "tst_language.moc"
