#include "mainwindow/helpbrowser.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QElapsedTimer>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QListView>
#include <QMainWindow>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTreeView>
#include <algorithm>

namespace {
constexpr qint64 maxHelpEngineWaitMs = 10000;
} // namespace

const QString helpNamespace = QStringLiteral("wyx770.help");

QUrl helpPageUrl(const QString& page)
{
    return QUrl(QStringLiteral("qthelp://%1/%2").arg(helpNamespace, page));
}

HelpBrowser::HelpBrowser(QHelpEngine* helpEngine, QWidget* parent)
    : QTextBrowser(parent)
    , helpEngine(helpEngine)
{
}

HelpBrowser::~HelpBrowser() = default;

QVariant HelpBrowser::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == QLatin1String("qthelp"))
        return helpEngine ? QVariant(helpEngine->fileData(name)) : QVariant(QByteArray());
    return QTextBrowser::loadResource(type, name);
}

void HelpBrowser::showContentItem(const QModelIndex& index)
{
    if (!helpEngine)
        return;
    if (QHelpContentItem* item = helpEngine->contentModel()->contentItemAt(index)) {
        setSource(item->url());
        verticalScrollBar()->setValue(0);
    }
}

void HelpBrowser::showIndexItem(const QModelIndex& index)
{
    if (!helpEngine)
        return;
    const QString keyword = index.data(Qt::DisplayRole).toString();
    QList<QHelpLink> links = helpEngine->documentsForKeyword(keyword);
    if (links.isEmpty())
        return;
    std::stable_sort(links.begin(), links.end(),
                     [](const QHelpLink& a, const QHelpLink& b) { return a.title < b.title; });
    setSource(links.first().url);
    verticalScrollBar()->setValue(0);
}

void HelpBrowser::refreshTrees()
{
    if (!helpEngine)
        return;
    helpEngine->indexWidget()->reset();
    helpEngine->contentWidget()->reset();
    helpEngine->contentWidget()->expandAll();
}

QDockWidget* createHelpDock(QMainWindow* window, const QString& collectionPath)
{
    auto* dock = new QDockWidget(QCoreApplication::translate("MainWindow", "Súgó"), window);
    dock->setObjectName(QStringLiteral("helpDock"));
    auto* tabs = new QTabWidget;
    QHelpEngine* engine = nullptr;
    QWidget* contents = nullptr;
    QWidget* index = nullptr;
    if (!collectionPath.isEmpty()) {
        engine = new QHelpEngine(collectionPath);
        engine->setupData();
        contents = engine->contentWidget();
        index = engine->indexWidget();
    } else {
        contents = new QTreeView;
        index = new QListView;
    }
    tabs->addTab(contents, QCoreApplication::translate("MainWindow", "Tartalom"));
    tabs->addTab(index, QCoreApplication::translate("MainWindow", "Tárgymutató"));

    auto* browser = new HelpBrowser(engine, nullptr);
    if (engine)
        browser->setSource(helpPageUrl(QStringLiteral("doc/index.html")));

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->insertWidget(0, tabs);
    splitter->insertWidget(1, browser);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 10);
    dock->setWidget(splitter);
    // The engine goes with the dock, after the splitter and the engine's widgets in it.
    if (engine)
        engine->setParent(dock);

    window->addDockWidget(Qt::RightDockWidgetArea, dock);
    dock->hide();
    dock->setFloating(true);
    dock->resize(window->width() * 4 / 5, window->height() * 4 / 5);

    if (engine) {
        QObject::connect(engine->contentWidget(), &QHelpContentWidget::clicked, browser,
                         [browser](const QModelIndex& i) { browser->showContentItem(i); });
        QObject::connect(engine->indexWidget(), &QHelpIndexWidget::clicked, browser,
                         [browser](const QModelIndex& i) { browser->showIndexItem(i); });
    }
    return dock;
}

void destroyHelpDock(QMainWindow* window, QDockWidget* dock)
{
    if (!dock)
        return;
    // The engine reads its contents and index on threads of its own, and deleting it while
    // they still run lets them use what it has already freed: wait for them (they take
    // milliseconds), letting through only the events that tell they are done.
    if (QHelpEngine* engine = dock->findChild<QHelpEngine*>(QString(), Qt::FindDirectChildrenOnly)) {
        QElapsedTimer waited;
        waited.start();
        while ((engine->contentModel()->isCreatingContents() || engine->indexModel()->isCreatingIndex()) &&
               waited.elapsed() < maxHelpEngineWaitMs)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    }
    window->removeDockWidget(dock);
    delete dock;
}

HelpBrowser* helpBrowserOf(QDockWidget* dock)
{
    auto* splitter = dock ? qobject_cast<QSplitter*>(dock->widget()) : nullptr;
    return splitter && splitter->count() > 1 ? dynamic_cast<HelpBrowser*>(splitter->widget(1)) : nullptr;
}
