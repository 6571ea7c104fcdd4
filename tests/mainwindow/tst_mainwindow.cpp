#include "mainwindow/documenttestutil.h"

#include "codenames/kodnevmodel.h"
#include "core/settings.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QToolBar>

namespace {

// A document whose owner cancels the save question.
class RefusingWindow : public QMdiSubWindow
{
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

QAction* act(MainWindow& w, const QString& name)
{
    auto* a = w.findChild<QAction*>(name);
    if (!a)
        qFatal("no action %s", qPrintable(name));
    return a;
}

QStringList split(const char* list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QList<QAction*> ownActions(MainWindow& w)
{
    return w.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }

    void damagedCodeListIsReportedOverTheWindow()
    {
        TestEnv env;
        writeBytes(env.path("kodlista.kod"), "not a code-name list");
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "sérült, vagy nem megfelelő");
        MainWindow w;
        QCOMPARE(prompts.seen().first().parent, &w);
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Kód-név lista beolvasás"));
    }

    void titleAndMenuBar()
    {
        TestEnv env;
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("QUELTA - WYX770 "));
        QStringList bar;
        for (QAction* a : w.menuBar()->actions())
            bar << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(bar, QStringList({"&File", "Sz&erkeszt", "&Adatátvitel", "&Nézet", "-", "&Súgó"}));
    }

    void everyCommandSitsInAMenuWithTextAndStatusTip()
    {
        TestEnv env;
        MainWindow w;
        QSet<QAction*> reachable;
        for (QAction* a : w.menuBar()->actions()) {
            for (QAction* entry : a->menu() ? a->menu()->actions() : QList<QAction*>())
                reachable.insert(entry);
        }
        for (QAction* a : ownActions(w)) {
            QVERIFY2(reachable.contains(a), qPrintable(a->objectName()));
            if (a->isSeparator() || a->objectName() == QLatin1String("recentFileAct"))
                continue;
            QVERIFY2(!a->text().isEmpty(), qPrintable(a->objectName()));
            QVERIFY2(!a->statusTip().isEmpty(), qPrintable(a->objectName()));
        }
    }

    void toolbarButtonsCarryIcons()
    {
        TestEnv env;
        MainWindow w;
        for (QToolBar* toolBar : w.findChildren<QToolBar*>()) {
            for (QAction* a : toolBar->actions())
                QVERIFY2(!a->icon().pixmap(32).isNull(), qPrintable(a->objectName()));
        }
    }

    void stepShortcuts()
    {
        TestEnv env;
        MainWindow w;
        QCOMPARE(act(w, "nextSpecialCmdAct")->shortcut(), QKeySequence(Qt::Key_Plus));
        QCOMPARE(act(w, "prevSpecialCmdAct")->shortcut(), QKeySequence(Qt::Key_Minus));
    }

    void aboutBox()
    {
        TestEnv env;
        MainWindow w;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, "WYX770 Őr ellenőrző kiértékelő program");
        act(w, "aboutAct")->trigger();
        QCOMPARE(prompts.seen().last().title, QStringLiteral("Program információk"));
        QVERIFY(prompts.seen().last().text.contains("Verzió: 2.2.1 64bit"));
    }

    void actionsPerWindowKind()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        const QStringList any = split("printAct previewAct closeAct closeAllAct");
        const QStringList text = split("saveTxtAct saveAsTxtAct pasteTxtAct");
        const QStringList log = split("logExportAct logArchiveAct findCmdAct filterCmdAct nextSpecialCmdAct "
                                      "prevSpecialCmdAct unNamedPointsCmdAct extractRouteAct");
        const QStringList global =
            split("newTxtFileAct newErdFileAct fulfilmentAct openFileAct kodNevOpenAct "
                  "exitAct readOutAct timeSetAct initializeAct statusAct configureAct "
                  "clockTuneAct setupOptionAct helpAct aboutAct aboutQtAct");
        const QStringList windowing = split("tileAct cascadeAct nextAct previousAct");
        const QStringList ownRules = split("cutTxtAct copyTxtAct namedCurrentPointCmdAct recentFileAct");
        // Commands of the active kind are shown and enabled, those of other kinds hidden and disabled;
        // every command not named global belongs to some kind. Window commands are always shown.
        auto expectShown = [&](int kind, const QStringList& shown) {
            QCOMPARE(w.activeViewKind(), kind);
            for (QAction* a : ownActions(w)) {
                const QString name = a->objectName();
                const bool always = windowing.contains(name);
                const bool on = global.contains(name) || shown.contains(name) || (always && kind != NoView);
                if (!a->isSeparator() && !ownRules.contains(name)) {
                    QVERIFY2(a->isVisible() == (on || always), qPrintable(name));
                    QVERIFY2(a->isEnabled() == on, qPrintable(name));
                }
            }
        };
        expectShown(NoView, {});
        for (const QString& name : split("windowSeparatorAct optionsSeparatorAct recentSeparatorAct cutTxtAct"))
            QVERIFY2(!act(w, name)->isVisible(), qPrintable(name));

        // A window of no document kind counts as none, but the window list shows it.
        w.findChild<QMdiArea*>()->addSubWindow(new QWidget)->show();
        expectShown(NoView, {});
        w.findChild<QMenu*>("nezetMenu")->aboutToShow();
        QVERIFY(act(w, "windowSeparatorAct")->isVisible());
        w.cutTxt(); // without a text window the editing commands leave everything alone
        w.copyTxt();
        w.pasteTxt();

        writeBytes(env.path("a.txt"));
        w.loadFile(env.path("a.txt"));
        expectShown(TxtViewKind, any + text);
        // Copy and cut wait for a selection.
        QVERIFY(act(w, "copyTxtAct")->isVisible());
        QVERIFY(!act(w, "copyTxtAct")->isEnabled());
        activeTxt(w)->selectAll();
        QVERIFY(act(w, "cutTxtAct")->isEnabled());
        QVERIFY(act(w, "copyTxtAct")->isEnabled());

        writeLog(env.path("a.ewl"));
        w.loadFile(env.path("a.ewl"));
        expectShown(LogViewKind, any + log);
        QVERIFY(!act(w, "copyTxtAct")->isVisible());
        QVERIFY(!act(w, "cutTxtAct")->isEnabled());

        w.findChild<QMdiArea*>()->closeAllSubWindows();
        QVERIFY(openWindows(w).isEmpty());
        expectShown(NoView, {});
    }

    void closeStoresGeometryUnlessRefused()
    {
        TestEnv env;
        Settings& settings = appSettings();
        settings.windowPosition = QPoint(60, 80); // within the tests' screen
        settings.windowSize = QSize(700, 450);
        MainWindow w;
        QCOMPARE(qMakePair(w.pos(), w.size()), qMakePair(QPoint(60, 80), QSize(700, 450)));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        auto* mdi = w.findChild<QMdiArea*>();
        QMdiSubWindow* first = mdi->addSubWindow(new QWidget);
        first->show();
        auto* refusing = new RefusingWindow;
        refusing->setWidget(new QWidget);
        mdi->addSubWindow(refusing)->show();

        QSignalSpy saved(&settings, &Settings::optionsChanged);
        w.resize(640, 380);
        QVERIFY(!w.close());
        QVERIFY(w.isVisible());
        QVERIFY(!first->isVisible()); // closed before the refusal stays closed
        QCOMPARE(saved.count(), 0);
        QCOMPARE(settings.windowSize, QSize(700, 450));

        delete refusing;
        QVERIFY(w.close());
        QCOMPARE(saved.count(), 1);
        QCOMPARE(qMakePair(settings.windowPosition, settings.windowSize), qMakePair(w.pos(), QSize(640, 380)));
    }

    // The code-name list's last save kept another's version of its file: the list's changes
    // exist only in memory, so exiting asks; once a save wrote them, exiting asks nothing.
    void exitAsksWhileCodeNamesAreUnsaved_data()
    {
        QTest::addColumn<bool>("leave");
        QTest::newRow("stays") << false;
        QTest::newRow("leaves") << true;
    }

    void exitAsksWhileCodeNamesAreUnsaved()
    {
        QFETCH(bool, leave);
        TestEnv env;
        MainWindow w;
        KodNevModel& names = *appSettings().kodNevModel;
        names.insertRows(0, 1);
        QVERIFY(names.save());
        names.insertRows(0, 1);
        writeBytes(env.path("kodlista.kod"), "theirs");
        const QString changed = QStringLiteral("kód-név lista fájlja megváltozott.");
        ScriptedPrompts prompts;
        prompts.expectQuestion(changed, false);
        QVERIFY(!names.save());
        prompts.expectQuestion(QStringLiteral("kilépéskor elvesznek.\nMégis kilépünk?"), leave);
        QCOMPARE(w.close(), leave);
        prompts.expectQuestion(changed, true);
        QVERIFY(names.save()); // and the tests after find the list saved
        QVERIFY(w.close());
    }

    void restoredWindowFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("saved"); // the frame's position and the window's size
        QTest::addColumn<QRect>("shown");
        QTest::newRow("fits") << QRect(60, 80, 700, 450) << QRect(60, 80, 704, 454);
        QTest::newRow("its frame past the edges") << QRect(100, 148, 700, 450) << QRect(96, 146, 704, 454);
        QTest::newRow("larger than the screen") << QRect(50, 50, 1200, 700) << QRect(0, 0, 800, 600);
        QTest::newRow("wider than the screen") << QRect(100, 50, 1200, 400) << QRect(0, 50, 800, 404);
        QTest::newRow("past the right and bottom") << QRect(500, 400, 700, 450) << QRect(96, 146, 704, 454);
        QTest::newRow("left of and above") << QRect(-300, -100, 600, 400) << QRect(0, 0, 604, 404);
        QTest::newRow("on a screen now gone") << QRect(2500, 300, 700, 450) << QRect(96, 146, 704, 454);
    }

    // Restored from the settings onto the tests' screen, whose free area is 800 × 600, in a
    // frame of 2 pixels.
    void restoredWindowFitsTheScreen()
    {
        QFETCH(QRect, saved);
        QFETCH(QRect, shown);
        TestEnv env;
        appSettings().windowPosition = saved.topLeft();
        appSettings().windowSize = saved.size();
        MainWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.screen()->availableGeometry(), QRect(0, 0, 800, 600));
        QCOMPARE(w.frameGeometry(), shown);
    }
};

WYX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
