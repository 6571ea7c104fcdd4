#include "support/testenv.h"
#include "support/testmain.h"

#include "core/settings.h"
#include "mainwindow/helpbrowser.h"
#include "mainwindow/programfiles.h"

#include <QDir>
#include <QDockWidget>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QMainWindow>
#include <QSplitter>
#include <QTabWidget>
#include <QTextDocument>

namespace {

QString pageText(HelpBrowser* browser, const QString& page)
{
    return QString::fromUtf8(browser->loadResource(QTextDocument::HtmlResource, helpPageUrl(page)).toByteArray());
}

// The English collection of the build, on a dock of its own.
struct EnglishHelp {
    QMainWindow window;
    QDockWidget* dock = nullptr;
    HelpBrowser* browser = nullptr;
    EnglishHelp()
    {
        setProgramDirectory(QStringLiteral(WYX_BUILD_DIR));
        appSettings().flags = (appSettings().flags & ~OptLanguageMask) | OptLanguageEnglish;
        window.resize(500, 300);
        dock = createHelpDock(&window, helpCollectionPath());
        browser = helpBrowserOf(dock);
    }
    ~EnglishHelp()
    {
        destroyHelpDock(&window, dock);
        setProgramDirectory(QString());
    }
};

} // namespace

class TestHelpBrowser : public QObject
{
    Q_OBJECT
private slots:
    void collectionPerLanguage_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("title");
        QTest::newRow("hu") << int(OptLanguageHungarian) << "<title>Esemény naplók</title>";
        QTest::newRow("de") << int(OptLanguageGerman) << "<title>Ereignisprotokolle</title>";
        QTest::newRow("en") << int(OptLanguageEnglish) << "<title>Event logs</title>";
    }

    void collectionPerLanguage()
    {
        QFETCH(int, language);
        QFETCH(QString, title);
        TestEnv env;
        EnglishHelp help;
        appSettings().flags = (appSettings().flags & ~OptLanguageMask) | language;
        QMainWindow window;
        QDockWidget* dock = createHelpDock(&window, helpCollectionPath());
        HelpBrowser* browser = helpBrowserOf(dock);
        QVERIFY(browser);
        QVERIFY(pageText(browser, "doc/logs.html").contains(title));
        for (const char* page : {"doc/index.html", "doc/points.html", "doc/routes.html"})
            QVERIFY2(pageText(browser, page).contains("<h2"), page);
        QVERIFY(pageText(browser, "doc/nincs.html").isEmpty());
        destroyHelpDock(&window, dock);
    }

    void dockStartsHiddenAndFloatingOnTheStartPage()
    {
        TestEnv env;
        EnglishHelp help;
        QVERIFY(help.dock->isHidden());
        QVERIFY(help.dock->isFloating());
        QCOMPARE(help.dock->size(), QSize(400, 240));
        QCOMPARE(help.browser->source(), helpPageUrl("doc/index.html"));
        QVERIFY(help.browser->toPlainText().contains("A working day in five steps"));
        auto* tabs = qobject_cast<QTabWidget*>(qobject_cast<QSplitter*>(help.dock->widget())->widget(0));
        QCOMPARE(tabs->tabText(0), QStringLiteral("Tartalom"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Tárgymutató"));
    }

    void contentsItemOpensItsPage()
    {
        TestEnv env;
        EnglishHelp help;
        QHelpContentModel* contents = help.browser->engine()->contentModel();
        QTRY_VERIFY(contents->rowCount() > 0);
        const QModelIndex start = contents->index(0, 0);
        QCOMPARE(start.data().toString(), QStringLiteral("WYX770 dispatcher's guide"));
        QModelIndex logs;
        for (int i = 0; i < contents->rowCount(start); ++i) {
            if (contents->index(i, 0, start).data().toString() == QLatin1String("Event logs"))
                logs = contents->index(i, 0, start);
        }
        QVERIFY(logs.isValid());
        help.browser->showContentItem(logs);
        QCOMPARE(help.browser->source(), helpPageUrl("doc/logs.html"));
        QVERIFY(help.browser->toPlainText().contains("Reading a logger out"));
    }

    void indexKeywordOpensItsFirstLinkByTitle()
    {
        TestEnv env;
        EnglishHelp help;
        QHelpIndexModel* index = help.browser->engine()->indexModel();
        QTRY_VERIFY(index->rowCount() > 0);
        auto keyword = [index](const QString& word) {
            const QModelIndexList found = index->match(index->index(0, 0), Qt::DisplayRole, word, 1, Qt::MatchExactly);
            return found.isEmpty() ? QModelIndex() : found.first();
        };
        // "export" leads to the start page and to "Route plans and reports", which sorts first.
        help.browser->showIndexItem(keyword("export"));
        QCOMPARE(help.browser->source().path(), QStringLiteral("/doc/routes.html"));
        help.browser->showIndexItem(keyword("archive"));
        QCOMPARE(help.browser->source().path(), QStringLiteral("/doc/logs.html"));
        QCOMPARE(help.browser->source().fragment(), QStringLiteral("archive"));
    }

    void missingCollectionGivesEmptyViewsAndNoFile()
    {
        TestEnv env;
        const QString dir = env.root() + QStringLiteral("/program");
        QVERIFY(QDir().mkpath(dir));
        setProgramDirectory(dir);
        QCOMPARE(helpCollectionPath(), QString());
        QMainWindow window;
        QDockWidget* dock = createHelpDock(&window, helpCollectionPath());
        HelpBrowser* browser = helpBrowserOf(dock);
        QVERIFY(browser);
        QVERIFY(browser->toPlainText().isEmpty());
        QVERIFY(pageText(browser, "doc/index.html").isEmpty());
        browser->refreshTrees();
        QCOMPARE(QDir(dir).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        setProgramDirectory(QString());
    }
};

WYX_TEST_MAIN(TestHelpBrowser)
#include "tst_helpbrowser.moc"
