#include "mainwindow/mainwindow.h"

#include "core/product.h"
#include "core/prompts.h"

#include <QGuiApplication>
#include <QIcon>

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

// Filled in together with the options dialog, the help window and the translations.
void MainWindow::loadTranslations() {}
void MainWindow::setupOption() {}
void MainWindow::help() {}
void MainWindow::switchHelpLanguage() {}
void MainWindow::createHelpWindows() {}
