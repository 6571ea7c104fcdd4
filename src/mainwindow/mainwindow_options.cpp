#include "mainwindow/mainwindow.h"

#include "core/printexport.h"
#include "core/product.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "mainwindow/helpbrowser.h"
#include "mainwindow/optiondlg.h"
#include "mainwindow/programfiles.h"

#include <QDockWidget>
#include <QGuiApplication>
#include <QIcon>
#include <utility>

void MainWindow::switchLayoutDirection()
{
    if (layoutDirection() == Qt::LeftToRight)
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
    else
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
}

void MainWindow::switchLanguage()
{
    loadTranslations();
    retranslateActions();
}

void MainWindow::about()
{
    Prompts::Request request;
    request.kind = Prompts::Kind::Information;
    request.parent = this;
    request.title = tr("Program információk");
    request.icon = QIcon(QStringLiteral(":/images/wyx.ico")).pixmap(48, 48);
    request.textFormat = Qt::RichText;
    request.text =
        tr("<p><b><big>%1 Őr ellenőrző kiértékelő program</big></b></p>"
           "<p><b>Verzió: %2</b></p>"
           "<p><br/>Ez a program a Qt Project függvény könyvtárait használja, amire az LGPL licensz vonatkozik. "
           "Ezen függvény könyvtárak forráskódja megismerhető, és szabadon módosíthatóak. További információ: "
           "<a href=\"https://www.qt.io/licensing/\">https://www.qt.io/licensing/</a><br/>"
           "Mindazonáltal nem tudunk garanciát vállalni arra, hogy egy módosított, vagy más verziójú DLL "
           "alkalmazásával a program megfelelően fog működni.</p>")
            .arg(productName(), productVersion());
    Prompts::ask(request);
}

void MainWindow::loadTranslations()
{
    loadProgramTranslations(appTranslator, qtTranslator, appSettings().flags);
}

void MainWindow::setupOption()
{
    OptionDlg dialog(this);
    // The texts first, then the help in the new language.
    connect(&dialog, &OptionDlg::languageChanged, this, &MainWindow::switchLanguage);
    connect(&dialog, &OptionDlg::languageChanged, this, &MainWindow::switchHelpLanguage);
    dialog.exec();
}

void MainWindow::help()
{
    HelpBrowser* browser = helpBrowserOf(helpDock);
    if (!browser)
        return;
    QString page;
    switch (activeViewKind()) {
    case LogViewKind: page = QStringLiteral("doc/logs.html"); break;
    case RouteDefViewKind:
    case EvaluationViewKind: page = QStringLiteral("doc/routes.html"); break;
    case KodnevViewKind: page = QStringLiteral("doc/points.html"); break;
    default: page = QStringLiteral("doc/index.html"); break;
    }
    if (browser->engine())
        browser->setSource(helpPageUrl(page));
    helpDock->show();
    helpDock->raise();
    helpDock->activateWindow();
    browser->refreshTrees();
}

void MainWindow::switchHelpLanguage()
{
    const bool visible = helpDock && helpDock->isVisible();
    destroyHelpDock(this, std::exchange(helpDock, nullptr));
    createHelpWindows();
    helpDock->setVisible(visible);
}

void MainWindow::createHelpWindows()
{
    // Without a collection for the language the dock stays empty.
    helpDock = createHelpDock(this, helpCollectionPath());
}
