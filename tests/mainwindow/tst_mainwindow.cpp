#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/settings.h"
#include "mainwindow/mainwindow.h"
#include "mainwindow/printexport.h"

#include <QAction>
#include <QCloseEvent>
#include <QFile>
#include <QImageReader>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>

namespace {

// A document whose owner cancels the save question.
class RefusingWindow : public QMdiSubWindow
{
protected:
    void closeEvent(QCloseEvent* event) override { event->ignore(); }
};

QStringList names(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << (a->isSeparator() && a->objectName().isEmpty() ? QStringLiteral("-") : a->objectName());
    return out;
}

QAction* act(MainWindow& w, const char* name)
{
    auto* a = w.findChild<QAction*>(QString::fromLatin1(name));
    if (!a)
        qFatal("no action %s", name);
    return a;
}

QStringList split(const char* list)
{
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }

    void menusAndToolBarsInOrder()
    {
        TestEnv env;
        MainWindow w;
        QCOMPARE(w.windowTitle(), QStringLiteral("QUELTA - WYX770 "));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("QUELTA járőr ellenőrző rendszer"));

        QStringList bar;
        for (QAction* a : w.menuBar()->actions())
            bar << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(bar, QStringList({"&File", "Sz&erkeszt", "&Adatátvitel", "&Nézet", "-", "&Súgó"}));

        auto menu = [&](const char* name) { return names(w.findChild<QMenu*>(QString::fromLatin1(name))->actions()); };
        QStringList file = split("newTxtFileAct newErdFileAct saveErdAct saveAsErdAct fulfilmentAct "
                                 "fulfilmentCurrentAct saveFfrAct saveAsFfrAct - openFileAct kodNevOpenAct saveTxtAct "
                                 "saveAsTxtAct kodNevImportAct kodNevExportAct logArchiveAct logExportAct "
                                 "routeImportAct routeExportAct reportExportAct printAct previewAct recentSeparatorAct");
        for (int i = 0; i < 6; ++i)
            file << QStringLiteral("recentFileAct");
        file << split("- exitAct");
        QCOMPARE(menu("fileMenu"), file);
        QCOMPARE(menu("editMenu"),
                 split("addLogToErdAct removeLogFromErdAct addRouteToErdAct removeRouteFromErdAct addStartToErdAct "
                       "removeStartFromErdAct addPointToErdAct removePointFromErdAct modifyErdAct - cutTxtAct "
                       "copyTxtAct pasteTxtAct kodNevNewEntryAct kodNevEditEntryAct kodNevDeleteEntryAct findCmdAct "
                       "prevSpecialCmdAct nextSpecialCmdAct filterCmdAct namedCurrentPointCmdAct "
                       "unNamedPointsCmdAct extractRouteAct optionsSeparatorAct setupOptionAct"));
        QCOMPARE(menu("dataTransferMenu"),
                 split("readOutAct timeSetAct initializeAct - statusAct configureAct clockTuneAct"));
        QCOMPARE(menu("nezetMenu"), split("closeAct closeAllAct - tileAct cascadeAct - nextAct previousAct "
                                          "expandAllAct expandDefaultAct collapseAllAct windowSeparatorAct"));
        QCOMPARE(menu("helpMenu"), split("helpAct aboutAct aboutQtAct"));

        auto tools = [&](const char* name) {
            auto* bar = w.findChild<QToolBar*>(QString::fromLatin1(name));
            return qMakePair(bar->windowTitle(), names(bar->actions()));
        };
        QCOMPARE(tools("fileToolBar"),
                 qMakePair(QStringLiteral("File"),
                           split("openFileAct newErdFileAct saveErdAct saveFfrAct saveTxtAct printAct fulfilmentAct "
                                 "fulfilmentCurrentAct")));
        QCOMPARE(tools("dataTransferToolBar"),
                 qMakePair(QStringLiteral("Adatátvitel"), split("readOutAct timeSetAct statusAct")));
        QCOMPARE(tools("editToolBar"),
                 qMakePair(QStringLiteral("Szerkeszt"),
                           split("cutTxtAct copyTxtAct pasteTxtAct findCmdAct prevSpecialCmdAct nextSpecialCmdAct "
                                 "addRouteToErdAct removeRouteFromErdAct addStartToErdAct removeStartFromErdAct "
                                 "addPointToErdAct removePointFromErdAct helpAct")));

        // Every command action has a text and a status tip; recent files and separators have none yet.
        for (QAction* a : w.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
            if (a->isSeparator() || a->objectName() == QLatin1String("recentFileAct"))
                continue;
            QVERIFY2(!a->text().isEmpty(), qPrintable(a->objectName()));
            QVERIFY2(!a->statusTip().isEmpty(), qPrintable(a->objectName()));
        }
        QCOMPARE(act(w, "filterCmdAct")->statusTip(), act(w, "findCmdAct")->statusTip());
        QCOMPARE(act(w, "saveErdAct")->text(), QStringLiteral("Men&tés"));
        QCOMPARE(act(w, "unNamedPointsCmdAct")->statusTip(),
                 QStringLiteral("Az esemény naplóban még el nem nevezett ellenőrző pontok megkeresése és elnevezése"));
    }

    void shortcutsAndIcons()
    {
        TestEnv env;
        MainWindow w;
        const QList<QPair<const char*, QKeySequence::StandardKey>> standard = {
            {"newTxtFileAct", QKeySequence::New},   {"openFileAct", QKeySequence::Open},
            {"printAct", QKeySequence::Print},      {"saveTxtAct", QKeySequence::Save},
            {"saveAsTxtAct", QKeySequence::SaveAs}, {"exitAct", QKeySequence::Quit},
            {"cutTxtAct", QKeySequence::Cut},       {"copyTxtAct", QKeySequence::Copy},
            {"pasteTxtAct", QKeySequence::Paste},   {"findCmdAct", QKeySequence::Find},
            {"nextAct", QKeySequence::NextChild},   {"previousAct", QKeySequence::PreviousChild}};
        for (const auto& [name, key] : standard)
            QCOMPARE(act(w, name)->shortcuts(), QKeySequence::keyBindings(key));
        QCOMPARE(act(w, "nextSpecialCmdAct")->shortcut(), QKeySequence(Qt::Key_Plus));
        QCOMPARE(act(w, "prevSpecialCmdAct")->shortcut(), QKeySequence(Qt::Key_Minus));
        QVERIFY(act(w, "saveErdAct")->shortcut().isEmpty());

        const QStringList withIcon =
            split("newTxtFileAct openFileAct printAct saveTxtAct cutTxtAct copyTxtAct pasteTxtAct findCmdAct "
                  "nextSpecialCmdAct prevSpecialCmdAct helpAct readOutAct timeSetAct statusAct newErdFileAct "
                  "fulfilmentAct fulfilmentCurrentAct addRouteToErdAct removeRouteFromErdAct addStartToErdAct "
                  "removeStartFromErdAct addPointToErdAct removePointFromErdAct saveErdAct saveFfrAct");
        for (QAction* a : w.findChildren<QAction*>(QString(), Qt::FindDirectChildrenOnly)) {
            const bool expected = withIcon.contains(a->objectName());
            QVERIFY2(a->icon().pixmap(32).isNull() != expected, qPrintable(a->objectName()));
        }

        // Every picture the program names loads; the program icon carries the size the about box draws.
        const QStringList images =
            split("arch.ico chk.ico copy.png cut.png fel.png floppy32.png help.png info.png iranytu32.png kod.ico "
                  "le.png log.ico minus.ico nagyito32.png new.png open.png ora32.png paste.png pipa.png plus.ico "
                  "printer32.png ptAdd.png ptDiscard.png queltaSplash.png rep.ico routetst.png rtAdd.png "
                  "rtDiscard.png stAdd.png stDiscard.png usb32.png wyx.ico");
        for (const QString& name : images) {
            QImageReader reader(QStringLiteral(":/images/") + name);
            QVERIFY2(!reader.read().isNull(), qPrintable(name + QLatin1Char(' ') + reader.errorString()));
        }
        QCOMPARE(QIcon(QStringLiteral(":/images/wyx.ico")).pixmap(48, 48).size(), QSize(48, 48));
        QCOMPARE(QImageReader(QStringLiteral(":/images/wyx.ico")).imageCount(), 3);
    }

    void enablingWithoutDocument()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        QCOMPARE(w.activeMdiChild(), nullptr);
        QCOMPARE(w.activeViewKind(), int(NoView));
        w.updateMenus();

        const QStringList documentOnly = split(
            "printAct previewAct closeAct closeAllAct logExportAct logArchiveAct findCmdAct filterCmdAct "
            "nextSpecialCmdAct prevSpecialCmdAct namedCurrentPointCmdAct unNamedPointsCmdAct extractRouteAct "
            "saveFfrAct saveAsFfrAct reportExportAct routeImportAct routeExportAct saveErdAct saveAsErdAct "
            "addLogToErdAct removeLogFromErdAct modifyErdAct expandAllAct expandDefaultAct collapseAllAct "
            "addRouteToErdAct removeRouteFromErdAct addStartToErdAct removeStartFromErdAct addPointToErdAct "
            "removePointFromErdAct fulfilmentCurrentAct saveTxtAct saveAsTxtAct copyTxtAct cutTxtAct pasteTxtAct "
            "kodNevImportAct kodNevExportAct kodNevNewEntryAct kodNevEditEntryAct kodNevDeleteEntryAct");
        for (const QString& name : documentOnly) {
            QAction* a = act(w, name.toLatin1().constData());
            QVERIFY2(!a->isVisible() && !a->isEnabled(), qPrintable(name));
        }
        for (const char* name : {"windowSeparatorAct", "optionsSeparatorAct", "recentSeparatorAct"})
            QVERIFY2(!act(w, name)->isVisible(), name);
        for (const char* name : {"tileAct", "cascadeAct", "nextAct", "previousAct"}) {
            QVERIFY2(act(w, name)->isVisible(), name);
            QVERIFY2(!act(w, name)->isEnabled(), name);
        }
        const QStringList global =
            split("newTxtFileAct newErdFileAct fulfilmentAct openFileAct kodNevOpenAct exitAct readOutAct timeSetAct "
                  "initializeAct statusAct configureAct clockTuneAct setupOptionAct helpAct aboutAct aboutQtAct");
        for (const QString& name : global) {
            QAction* a = act(w, name.toLatin1().constData());
            QVERIFY2(a->isVisible() && a->isEnabled(), qPrintable(name));
        }

        // A window of no document kind counts as none, but the window list shows it.
        auto* plain = w.findChild<QMdiArea*>()->addSubWindow(new QWidget);
        plain->show();
        QCOMPARE(w.activeViewKind(), int(NoView));
        QVERIFY(!act(w, "printAct")->isVisible());
        w.setActiveSubWindow(nullptr);
        w.findChild<QMenu*>(QStringLiteral("nezetMenu"))->aboutToShow();
        QVERIFY(act(w, "windowSeparatorAct")->isVisible());
        // Without a text window the editing commands leave everything alone.
        w.cutTxt();
        w.copyTxt();
        w.pasteTxt();
    }

    void closeStoresGeometryUnlessRefused()
    {
        TestEnv env;
        Settings& settings = appSettings();
        settings.windowPosition = QPoint(120, 80);
        settings.windowSize = QSize(700, 450);
        MainWindow w;
        QCOMPARE(w.pos(), QPoint(120, 80));
        QCOMPARE(w.size(), QSize(700, 450));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        auto* mdi = w.findChild<QMdiArea*>();
        QMdiSubWindow* first = mdi->addSubWindow(new QWidget);
        first->show();
        auto* refusing = new RefusingWindow;
        refusing->setWidget(new QWidget);
        mdi->addSubWindow(refusing);
        refusing->show();

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
        QCOMPARE(settings.windowSize, QSize(640, 380));
        QCOMPARE(settings.windowPosition, w.pos());
    }

    void constructionLoadsCodeNames()
    {
        TestEnv env;
        QFile damaged(env.path(QStringLiteral("kodlista.kod")));
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("not a code-name list");
        damaged.close();
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("sérült, vagy nem megfelelő"));
        MainWindow w;
        QCOMPARE(prompts.seen().size(), 1);
        QCOMPARE(prompts.seen().first().parent, &w);
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Kód-név lista beolvasás"));
    }

    void localeChangeRetranslates()
    {
        TestEnv env;
        MainWindow w;
        w.statusBar()->showMessage(QStringLiteral("x"));
        QEvent change(QEvent::LocaleChange);
        QCoreApplication::sendEvent(&w, &change);
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("QUELTA járőr ellenőrző rendszer"));
    }

    void aboutBox()
    {
        TestEnv env;
        MainWindow w;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("WYX770 Őr ellenőrző kiértékelő program"));
        act(w, "aboutAct")->trigger();
        QCOMPARE(prompts.seen().size(), 1);
        const Prompts::Request& r = prompts.seen().first();
        QCOMPARE(r.parent, &w);
        QCOMPARE(r.title, QStringLiteral("Program információk"));
        QVERIFY(r.buttons.isEmpty()); // the single OK button
        QVERIFY(Qt::mightBeRichText(r.text));
        QVERIFY(r.text.contains(QStringLiteral("Verzió: 2.2.1 64bit")));
        QVERIFY(r.text.contains(QStringLiteral("Ez a program a Qt Project függvény könyvtárait használja, amire az "
                                               "LGPL licensz vonatkozik. Ezen függvény könyvtárak forráskódja "
                                               "megismerhető, és szabadon módosíthatóak.")));
        QVERIFY(r.text.contains(QStringLiteral("Mindazonáltal nem tudunk garanciát vállalni arra, hogy egy "
                                               "módosított, vagy más verziójú DLL alkalmazásával a program "
                                               "megfelelően fog működni.")));
        QVERIFY(r.text.indexOf(QStringLiteral("WYX770")) < r.text.indexOf(QStringLiteral("Verzió")));
    }

    void pageSequences()
    {
        using V = QVector<int>;
        QCOMPARE(pageSequence(1, 5, PageSetAll), V({1, 2, 3, 4, 5}));
        QCOMPARE(pageSequence(2, 4, PageSetOdd), V({3}));
        QCOMPARE(pageSequence(1, 5, PageSetEven), V({2, 4}));
        QCOMPARE(pageSequence(1, 5, PageSetEven + PageSetReverse), V({4, 2}));
        QCOMPARE(pageSequence(1, 3, PageSetOdd + PageSetReverse), V({3, 1}));
        QCOMPARE(pageSequence(1, 3, 3), V({1, 2, 3}));
        QCOMPARE(pageSequence(1, 3, 3 + PageSetReverse), V({3, 2, 1}));
        QCOMPARE(pageSequence(1, 3, 5), V({1, 2, 3})); // only exactly 1 or 2 restrict without the order bit
        QCOMPARE(pageSequence(1, 3, 4 + 1 + PageSetReverse), V({3, 1}));
        QCOMPARE(pageSequence(2, 2, PageSetOdd), V());
        QCOMPARE(pageSequence(1, 0, PageSetAll), V());
    }
};

WYX_TEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
