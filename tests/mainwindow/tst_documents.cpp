#include "mainwindow/documenttestutil.h"

#include "core/documentwindow.h"
#include "eventlog/logview.h"

#include <QPrinter>

namespace {

QList<QAction*> recentActions(MainWindow& w)
{
    QList<QAction*> out;
    for (QAction* a : w.findChild<QMenu*>("fileMenu")->actions()) {
        if (a->objectName() == QLatin1String("recentFileAct"))
            out << a;
    }
    return out;
}

} // namespace

class TestDocuments : public QObject
{
    Q_OBJECT
private slots:
    // A document window opens inside the window area, its table within its frame, and
    // tiling keeps every window inside the area.
    void documentWindowsFitTheArea()
    {
        TestEnv env;
        MainWindow w;
        w.resize(800, 600); // the default window size
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        writeLog(env.path("log.ewl"));
        writeBytes(env.path("a.txt"));
        w.loadFile(env.path("log.ewl"));
        w.loadFile(env.path("a.txt"));
        auto* mdi = w.findChild<QMdiArea*>();
        const QRect area = mdi->viewport()->rect();
        for (QMdiSubWindow* window : openWindows(w))
            QTRY_VERIFY2(area.contains(window->geometry()), qPrintable(window->windowTitle()));
        auto* log = qobject_cast<LogView*>(w.findMdiChild(env.path("log.ewl")));
        QVERIFY(log->widget()->geometry().right() <= log->contentsRect().right());
        QVERIFY(log->minimumSizeHint().width() <= area.width() / 2);
        mdi->tileSubWindows();
        for (QMdiSubWindow* window : openWindows(w))
            QVERIFY2(area.contains(window->geometry()), qPrintable(window->windowTitle()));
        mdi->closeAllSubWindows();
    }


    void openingByExtensionAndOnce()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        writeBytes(env.path("a.txt"), "Árvíztűrő");
        writeBytes(env.path("A.TXT"));
        writeLog(env.path("log.ewl"));
        writeLog(env.path("OLD.EWA"));
        w.loadFile(env.path("a.txt"));
        QWidget* text = w.activeMdiChild();
        QCOMPARE(activeTxt(w)->toPlainText(), QStringLiteral("Árvíztűrő"));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Szöveg fájl betöltve"));
        // The extension counts in any letter case; names that differ in case are different files.
        const QList<QPair<const char*, int>> kinds = {
            {"A.TXT", TxtViewKind}, {"OLD.EWA", LogViewKind}, {"log.ewl", LogViewKind}};
        for (const auto& [name, kind] : kinds) {
            w.loadFile(env.path(QString::fromLatin1(name)));
            QVERIFY2(w.activeViewKind() == kind && w.activeMdiChild() != text, name);
        }
        auto* log = qobject_cast<LogView*>(w.activeMdiChild());
        QCOMPARE(log->windowTitle(), QStringLiteral("log.ewl[*]"));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("Esemény napló fájl betöltve"));

        // The same file again only activates its window, also by a relative or roundabout name.
        w.loadFile(env.path("a.txt"));
        QCOMPARE(w.activeMdiChild(), text);
        w.loadFile(QStringLiteral("log.ewl")); // relative: in the working directory
        QCOMPARE(w.activeMdiChild(), log);
        QCOMPARE(w.findMdiChild(env.path("./log.ewl")), log);
        QCOMPARE(openWindows(w).size(), 4);

        // The window menu lists every window by its file name, numbered from 1.
        w.findChild<QMenu*>("nezetMenu")->aboutToShow();
        QStringList entries;
        for (QAction* a : w.findChild<QMenu*>("nezetMenu")->actions()) {
            if (a->isCheckable())
                entries << a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
        }
        QCOMPARE(entries, QStringList({"&1 a.txt", "&2 A.TXT", "&3 OLD.EWA", "&4 log.ewl*"}));

        // Kinds without a window yet, and names of no kind, are left alone without a word.
        for (const char* name : {"plan.erd", "old.RDF", "report.ffr", "kodlista.kod", "wyx770"}) {
            writeBytes(env.path(QString::fromLatin1(name)));
            w.loadFile(env.path(QString::fromLatin1(name)));
        }
        w.loadFile(QString());
        QCOMPARE(openWindows(w).size(), 4);

        // A log that cannot be read: its loader says why and no window stays.
        writeBytes(env.path("broken.ewl"), "not a log");
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QString());
        w.loadFile(env.path("broken.ewl"));
        QCOMPARE(openWindows(w).size(), 4);
        QVERIFY(!recentFiles().contains(env.path("broken.ewl")));
    }

    void recentFileList()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        QStringList paths;
        for (int i = 1; i <= 7; ++i) {
            paths.prepend(env.path(QStringLiteral("f%1.txt").arg(i)));
            writeBytes(paths.first());
            w.loadFile(paths.first());
        }
        paths.removeLast(); // six are kept, newest first
        QCOMPARE(recentFiles(), paths);
        QVERIFY(w.findChild<QAction*>("recentSeparatorAct")->isVisible());
        QCOMPARE(recentActions(w).first()->text(), QStringLiteral("&1 f7.txt"));
        QCOMPARE(recentActions(w).last()->text(), QStringLiteral("&6 f2.txt"));

        // An open file is only activated; reopened after closing, it moves to the top once.
        w.loadFile(paths[3]);
        QCOMPARE(recentFiles(), paths);
        w.findChild<QMdiArea*>()->closeAllSubWindows();
        QVERIFY(openWindows(w).isEmpty());
        recentActions(w).at(3)->trigger();
        QCOMPARE(activeTxt(w)->currentFile(), paths[3]);
        paths.move(3, 0);
        QCOMPARE(recentFiles(), paths);
        QCOMPARE(recentActions(w).first()->text(), QStringLiteral("&1 f4.txt"));
    }

    void documentInterfaceOfEachWindow()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        writeBytes(env.path("a.txt"));
        writeLog(env.path("log.ewl"));
        w.loadFile(env.path("a.txt"));
        DocumentWindow* text = w.activeDocument();
        QVERIFY(text);
        QCOMPARE(text->viewKind(), TxtViewKind);
        QCOMPARE(text->documentFile(), env.path("a.txt"));
        // The text window is found from its editor and from the plain sub-window around it.
        QCOMPARE(documentWindowOf(w.activeMdiChild()), text);
        QCOMPARE(documentWindowOf(w.activeMdiChild()->parentWidget()), text);

        w.loadFile(env.path("log.ewl"));
        DocumentWindow* log = w.activeDocument();
        QVERIFY(log);
        QCOMPARE(log->viewKind(), LogViewKind);
        QCOMPARE(log->documentFile(), env.path("log.ewl"));
        QVERIFY(!log->isDocumentModified());
        // A log is saved by the commands that change it: it offers no save of its own.
        QCOMPARE(log->saveDocument(), DocumentWindow::NotOffered);
        QCOMPARE(log->saveDocumentAs(), DocumentWindow::NotOffered);
        // Text windows neither export nor import.
        QCOMPARE(text->exportDocument(FormatText, env.path("out.txt"), ExportChoice()), DocumentWindow::NotOffered);
        QCOMPARE(text->importDocument(FormatXml, env.path("in.xml")), DocumentWindow::NotOffered);
        QVERIFY(!QFile::exists(env.path("out.txt")));

        // A widget of no document kind has no document interface.
        w.findChild<QMdiArea*>()->addSubWindow(new QWidget)->show();
        QCOMPARE(w.activeDocument(), nullptr);
        QCOMPARE(w.activeViewKind(), int(NoView));
    }

    void textSavedAndPrintedThroughTheInterface()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        writeBytes(env.path("a.txt"), "old");
        writeBytes(env.path("b.txt"), "other");
        w.loadFile(env.path("a.txt"));
        DocumentWindow* document = w.activeDocument();
        QVERIFY(!document->isDocumentModified());
        activeTxt(w)->selectAll();
        activeTxt(w)->insertPlainText(QStringLiteral("new"));
        QVERIFY(document->isDocumentModified());

        // The save command reaches the active window through the interface and records the file.
        w.loadFile(env.path("b.txt"));
        w.loadFile(env.path("a.txt"));
        w.findChild<QAction*>("saveTxtAct")->trigger();
        QVERIFY(!document->isDocumentModified());
        QCOMPARE(readBytes(env.path("a.txt")), QByteArray("new"));
        QCOMPARE(readBytes(env.path("b.txt")), QByteArray("other"));
        QCOMPARE(recentFiles().first(), env.path("a.txt"));
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("A fájl elmentve"));

        QPrinter printer(QPrinter::ScreenResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(env.path("a.pdf"));
        QCOMPARE(document->printDocument(&printer, RangeAll, PageSetAll), DocumentWindow::Done);
        QVERIFY(QFileInfo(env.path("a.pdf")).size() > 0);
    }
};

WYX_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
