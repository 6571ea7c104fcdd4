#pragma once
// The help dock: a contents tree and a keyword index beside a page browser that shows the
// pages of the help collection.
#include <QTextBrowser>

class QDockWidget;
class QHelpEngine;
class QMainWindow;

// The namespace the help collections register their pages under.
extern const QString helpNamespace;
// "qthelp" address of a page of the collection, such as "doc/logs.html".
QUrl helpPageUrl(const QString& page);

class HelpBrowser : public QTextBrowser
{
public:
    // The engine is not owned; it may be null when there is no collection.
    HelpBrowser(QHelpEngine* helpEngine, QWidget* parent);
    ~HelpBrowser() override;

    QVariant loadResource(int type, const QUrl& name) override;

    void showContentItem(const QModelIndex& index);
    void showIndexItem(const QModelIndex& index);
    // Resets both trees and opens the whole contents.
    void refreshTrees();

    QHelpEngine* engine() const { return helpEngine; }

private:
    QHelpEngine* helpEngine;
};

// Builds the hidden, floating help dock on the collection (empty path: an empty dock, and
// no file is created) and puts it in the window's right dock area.
QDockWidget* createHelpDock(QMainWindow* window, const QString& collectionPath);
// Removes and deletes a help dock (null is allowed), once its engine has finished reading
// the contents and the index.
void destroyHelpDock(QMainWindow* window, QDockWidget* dock);
// The page browser inside a help dock, or null.
HelpBrowser* helpBrowserOf(QDockWidget* dock);
