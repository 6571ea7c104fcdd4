#include "mainwindow/documenttestutil.h"

#include "device/devicetestutil.h"

#include "core/documentwindow.h"
#include "core/settings.h"
#include "eventlog/logview.h"
#include "routes/routedefmodel.h"
#include "support/otheruser.h"

#include <QDialog>
#include <QDir>
#include <QTimer>
#include <QPrinter>
#include <QRegularExpression>
#include <QUdpSocket>

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

// A log of `rows` entries: its initialisation, then touches a minute apart.
void writeLongLog(const QString& path, int rows)
{
    writeLog(path);
    LogModel log;
    QVERIFY(log.load(path, nullptr));
    QVector<LogEntry> touches;
    for (int i = 1; i < rows; ++i) {
        unsigned char raw[LogEntry::size] = {};
        packDeviceTime(QDateTime(QDate(2023, 1, 10), QTime(9, 0)).addSecs(60 * i), raw);
        raw[LogEntry::codeOffset] = 0x12;
        LogEntry e;
        e.setBytes(raw);
        touches << e;
    }
    log.appendEntries(touches);
    QVERIFY(log.save(path, nullptr));
}

void writeSamples(const TestEnv& env)
{
    writeBytes(env.path("a.txt"), "Árvíztűrő");
    writeBytes(env.path("A.TXT"));
    writeLog(env.path("log.ewl"));
    writeLog(env.path("OLD.EWA"));
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


    // A log or plan takes the same place however it arrives: from the menu, the recent
    // files, another start's hand-over, or the command line (opened before the window shows).
    void documentWindowSizeIsTheSameByEveryRoute_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("name");
        for (const char* name : {"log.ewl", "plan.erd"}) {
            for (const char* route : {"menu", "recent", "hand-over", "command line"})
                QTest::addRow("%s, %s", name, route) << route << name;
        }
    }

    void documentWindowSizeIsTheSameByEveryRoute()
    {
        QFETCH(QString, route);
        QFETCH(QString, name);
        TestEnv env;
        writeLog(env.path("log.ewl"));
        RouteDefModel plan;
        QVERIFY(plan.saveAs(env.path("plan.erd"), nullptr));
        appSettings().windowPosition = QPoint(0, 0);
        appSettings().windowSize = QSize(1400, 900);
        appSettings().setRecentFiles({env.path(name)});
        MainWindow w;
        if (route == QLatin1String("command line"))
            w.loadFile(env.path(name));
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (route == QLatin1String("menu")) {
            ScriptedPrompts prompts;
            prompts.expectFile(Prompts::Kind::OpenFile, env.path(name));
            w.findChild<QAction*>("openFileAct")->trigger();
        } else if (route == QLatin1String("recent")) {
            recentActions(w).first()->trigger();
        } else if (route == QLatin1String("hand-over")) {
            QUdpSocket sender;
            QVERIFY(w.setInstancePort(0));
            sender.writeDatagram(handOverDatagram(w.handOverSecret(), env.path(name).toLocal8Bit()),
                                 QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
            QTRY_COMPARE(openWindows(w).size(), 1);
        }
        QCOMPARE(openWindows(w).size(), 1);
        const QRect own = w.contentsRect();
        const QSize viewport = w.findChild<QMdiArea*>()->viewport()->size();
        // The area places a shown window from its event loop.
        QTRY_COMPARE(openWindows(w).first()->size(),
                     QSize(own.width() - 50, own.height() - 100).boundedTo(viewport));
    }

    // A log opens on its last row, and that row is in view however the log arrives, even
    // when the window area gives the window its size only after the table has scrolled.
    void logOpensWithItsLastRowInView_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<int>("rows");
        QTest::addColumn<bool>("maximised");
        for (const char* route : {"command line", "menu", "recent", "hand-over", "read-out"}) {
            for (int rows : {21, 200}) {
                for (bool maximised : {false, true})
                    QTest::addRow("%s, %d rows%s", route, rows, maximised ? ", maximised" : "")
                        << route << rows << maximised;
            }
        }
    }

    void logOpensWithItsLastRowInView()
    {
        QFETCH(QString, route);
        QFETCH(int, rows);
        QFETCH(bool, maximised);
        TestEnv env;
        SimulatorScope sim;
        const QString path = env.path("PROBA.ewl");
        if (route == QLatin1String("read-out"))
            sim.device().fill(rows - 1); // and the read-out's own entry
        else
            writeLongLog(path, rows);
        appSettings().setRecentFiles({path});
        MainWindow w;
        if (route == QLatin1String("command line"))
            w.loadFile(path);
        maximised ? w.showMaximized() : w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (route == QLatin1String("menu")) {
            ScriptedPrompts prompts;
            prompts.expectFile(Prompts::Kind::OpenFile, path);
            w.findChild<QAction*>("openFileAct")->trigger();
        } else if (route == QLatin1String("recent")) {
            recentActions(w).first()->trigger();
        } else if (route == QLatin1String("hand-over")) {
            QVERIFY(w.setInstancePort(0));
            QUdpSocket().writeDatagram(handOverDatagram(w.handOverSecret(), path.toLocal8Bit()),
                                       QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
            QTRY_COMPARE(openWindows(w).size(), 1);
        } else if (route == QLatin1String("read-out")) {
            w.readOut();
        }
        auto* log = qobject_cast<LogView*>(w.findMdiChild(path));
        QVERIFY(log);
        QTest::qWait(100); // the area places and sizes a shown window from its event loop

        LogTableView* table = log->table();
        const QRect viewport = table->viewport()->rect();
        const QModelIndex current = table->currentIndex();
        QCOMPARE(table->model()->rowCount(), rows);
        QCOMPARE(current.row(), rows - 1);
        QVERIFY2(viewport.contains(table->visualRect(current)),
                 qPrintable(QString::asprintf("rows %d to %d of %d in view", table->rowAt(0) + 1,
                                              table->rowAt(viewport.bottom()) + 1, table->model()->rowCount())));
    }

    void extensionChoosesTheWindowInAnyCase_data()
    {
        // Names that differ in letter case are different files.
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        QTest::newRow("text") << "a.txt" << int(TxtViewKind) << "Szöveg fájl betöltve";
        QTest::newRow("text, capitals") << "A.TXT" << int(TxtViewKind) << "Szöveg fájl betöltve";
        QTest::newRow("archive, capitals") << "OLD.EWA" << int(LogViewKind) << "Esemény napló fájl betöltve";
        QTest::newRow("log") << "log.ewl" << int(LogViewKind) << "Esemény napló fájl betöltve";
    }

    void extensionChoosesTheWindowInAnyCase()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(QString, message);
        TestEnv env;
        MainWindow w;
        w.show();
        writeSamples(env);
        w.loadFile(env.path(name));
        QCOMPARE(int(w.activeViewKind()), kind);
        QCOMPARE(w.statusBar()->currentMessage(), message);
        QCOMPARE(openWindows(w).size(), 1);
    }

    void textFileIsReadAsUtf8()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        writeSamples(env);
        w.loadFile(env.path("a.txt"));
        QVERIFY(activeTxt(w));
        QCOMPARE(activeTxt(w)->toPlainText(), QStringLiteral("Árvíztűrő"));
    }

    void sameFileAgainOnlyActivatesItsWindow()
    {
        // Also by a relative or roundabout name.
        TestEnv env;
        MainWindow w;
        w.show();
        writeSamples(env);
        w.loadFile(env.path("a.txt"));
        QWidget* text = w.activeMdiChild();
        w.loadFile(env.path("log.ewl"));
        auto* log = qobject_cast<LogView*>(w.activeMdiChild());
        QVERIFY(log);
        QCOMPARE(log->windowTitle(), QStringLiteral("log.ewl[*]"));
        w.loadFile(env.path("a.txt"));
        QCOMPARE(w.activeMdiChild(), text);
        w.loadFile(QStringLiteral("log.ewl")); // relative: in the working directory
        QCOMPARE(w.activeMdiChild(), log);
        QCOMPARE(w.findMdiChild(env.path("./log.ewl")), log);
        QCOMPARE(openWindows(w).size(), 2);
    }

    void windowMenuListsEveryWindow()
    {
        // By its file name, numbered from 1; the active one checked.
        TestEnv env;
        MainWindow w;
        w.show();
        writeSamples(env);
        for (const char* name : {"a.txt", "A.TXT", "OLD.EWA", "log.ewl"})
            w.loadFile(env.path(name));
        w.findChild<QMenu*>("nezetMenu")->aboutToShow();
        QStringList entries;
        for (QAction* a : w.findChild<QMenu*>("nezetMenu")->actions()) {
            if (a->isCheckable())
                entries << a->text() + (a->isChecked() ? QStringLiteral("*") : QString());
        }
        QCOMPARE(entries, QStringList({"&1 a.txt", "&2 A.TXT", "&3 OLD.EWA", "&4 log.ewl*"}));
    }

    // The code-name list is named as the options hold it, folder included.
    void windowMenuNamesTheCodeListAsStored()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        appSettings().codeFile = QStringLiteral("sub/nevek.kod");
        w.kodNevOpen();
        auto* menu = w.findChild<QMenu*>("nezetMenu");
        menu->aboutToShow();
        QCOMPARE(menu->actions().last()->text(), QStringLiteral("&1 sub/nevek.kod"));
    }

    void otherKindsAreLeftAloneWithoutAWord()
    {
        // Names of no document kind.
        TestEnv env;
        MainWindow w;
        w.show();
        for (const char* name : {"kodlista.kod", "wyx770"}) {
            writeBytes(env.path(QString::fromLatin1(name)));
            w.loadFile(env.path(QString::fromLatin1(name)));
        }
        w.loadFile(QString());
        QCOMPARE(openWindows(w).size(), 0);
    }

    void unreadableLogLeavesNoWindow()
    {
        // Its loader says why; the file is not remembered.
        TestEnv env;
        MainWindow w;
        w.show();
        writeBytes(env.path("broken.ewl"), "not a log");
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QString());
        w.loadFile(env.path("broken.ewl"));
        QCOMPARE(openWindows(w).size(), 0);
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

    // A flood of paths that cannot be opened: their failures are gathered, and a message
    // box is never stacked on another, however many arrive while one is shown.
    void handedOverFailuresInOneMessage()
    {
        TestEnv env;
        MainWindow w;
        w.show();
        QVERIFY(w.setInstancePort(0));
        QUdpSocket sender;
        const int flood = 300;
        int depth = 0, deepest = 0, boxes = 0, listed = 0;
        QStringList texts;
        auto send = [&](int i) {
            const QString name = QStringLiteral("missing%1.%2").arg(i).arg(i % 2 ? "ewl" : "txt");
            sender.writeDatagram(handOverDatagram(w.handOverSecret(), env.path(name).toLocal8Bit()),
                                 QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
        };
        const Prompts::Handler previous = Prompts::setHandler([&](const Prompts::Request& r) {
            deepest = qMax(deepest, ++depth);
            ++boxes;
            texts << r.text;
            listed += r.text.count(QStringLiteral("nem létezik")) + r.text.count(QStringLiteral("megnyitása sikertelen"));
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("további (\\d+) fájl")).match(r.text);
            if (m.hasMatch())
                listed += m.captured(1).toInt();
            if (boxes == 1) {
                // The rest of the flood arrives while the first box is up.
                for (int i = 1; i < flood; ++i) {
                    send(i);
                    if (i % 25 == 0)
                        QTest::qWait(10);
                }
                QTest::qWait(200);
            }
            --depth;
            return Prompts::Answer{0, {}, {}};
        });
        send(0);
        QTRY_COMPARE(listed, flood);
        Prompts::setHandler(previous);
        QCOMPARE(deepest, 1);
        QVERIFY2(boxes <= 3, qPrintable(QString::number(boxes)));
        QVERIFY(texts.first().contains(QStringLiteral("Ez a fájl nem létezik"))
                || texts.first().contains(QStringLiteral("fájl megnyitása sikertelen")));
        QCOMPARE(openWindows(w).size(), 0);
    }

    // Failures handed over together are told in one message, each file by name and reason.
    void handedOverFailuresNameEachFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("plan cut short") << "cut.erd" << QByteArray::fromHex("0e1a0102000a0002")
                                        << "Az adatok beolvasása során hiba lépett fel!";
        QTest::newRow("no plan") << "bad.erd" << QByteArray("nem terv") << "Nem megfelelő, vagy sérült fájl.";
        QTest::newRow("older plan cut short") << "old.rdf" << QByteArray::fromHex("0500") << "Adat olvasási hiba";
        QTest::newRow("no log") << "bad.ewl" << QByteArray("nem napló") << "sérült, vagy nem megfelelő.";
        QTest::newRow("no report") << "bad.ffr" << QByteArray("nem jelentés") << "sérült, vagy nem megfelelő.";
    }

    void handedOverFailuresNameEachFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        TestEnv env;
        writeBytes(env.path(name), bytes);
        MainWindow w;
        w.show();
        QVERIFY(w.setInstancePort(0));
        QStringList texts;
        struct HandlerScope {
            Prompts::Handler previous;
            ~HandlerScope() { Prompts::setHandler(previous); }
        } scope{Prompts::setHandler([&](const Prompts::Request& r) {
            texts << r.text;
            return Prompts::Answer{0, {}, {}};
        })};
        QUdpSocket sender;
        for (const QString& file : {name, QStringLiteral("missing.txt")})
            sender.writeDatagram(handOverDatagram(w.handOverSecret(), env.path(file).toLocal8Bit()),
                                 QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
        QTRY_VERIFY(texts.join(QString()).contains(QLatin1String("missing.txt")));
        QString told;
        for (const QString& part : texts.join(QLatin1String("\n\n")).split(QLatin1String("\n\n"))) {
            if (part.contains(name))
                told = part;
        }
        QVERIFY2(!told.isEmpty(), qPrintable(texts.join(QLatin1String(" | "))));
        QVERIFY2(told.contains(reason), qPrintable(told));
    }

    // A hand-over whose message is up does not stop the listener: a file handed over while
    // it is shown opens when it closes, and so does every later one; no box is stacked.
    void handOversGoOnWhileAMessageIsShown()
    {
        TestEnv env;
        QVERIFY(QDir().mkpath(env.path("x.erd"))); // a folder with a plan's name
        writeBytes(env.path("a.txt"));
        writeBytes(env.path("b.txt"));
        MainWindow w;
        w.show();
        QVERIFY(w.setInstancePort(0));
        QUdpSocket sender;
        const auto send = [&](const char* name) {
            sender.writeDatagram(handOverDatagram(w.handOverSecret(), env.path(name).toLocal8Bit()),
                                 QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
        };
        int depth = 0, deepest = 0;
        QStringList texts;
        struct HandlerScope {
            Prompts::Handler previous;
            ~HandlerScope() { Prompts::setHandler(previous); }
        } scope{Prompts::setHandler([&](const Prompts::Request& r) {
            deepest = qMax(deepest, ++depth);
            texts << r.text;
            if (texts.size() == 1) {
                send("a.txt");
                QTest::qWait(200);
            }
            --depth;
            return Prompts::Answer{0, {}, {}};
        })};
        send("x.erd");
        QTRY_VERIFY(w.findMdiChild(env.path("a.txt")));
        send("b.txt");
        QTRY_VERIFY(w.findMdiChild(env.path("b.txt")));
        QCOMPARE(deepest, 1);
        QCOMPARE(texts.size(), 1);
        QVERIFY2(texts.first().contains(env.path("x.erd")), qPrintable(texts.first()));
    }

    // A file handed over while a dialog of the user's is up opens once it has closed.
    void handOverWaitsForAnOpenDialog()
    {
        TestEnv env;
        writeBytes(env.path("a.txt"));
        MainWindow w;
        w.show();
        QVERIFY(w.setInstancePort(0));
        QDialog dialog(&w);
        int openWhileUp = -1;
        QTimer::singleShot(0, &dialog, [&] {
            QUdpSocket().writeDatagram(handOverDatagram(w.handOverSecret(), env.path("a.txt").toLocal8Bit()),
                                       QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
            QTest::qWait(300);
            openWhileUp = openWindows(w).size();
            dialog.reject();
        });
        dialog.exec();
        QCOMPARE(openWhileUp, 0);
        QTRY_VERIFY(w.findMdiChild(env.path("a.txt")));
    }

    // Only a datagram carrying the window's secret is a hand-over: one without it, from
    // this user or another, is dropped without a word.
    void handOverWithoutTheSecretIsDropped()
    {
        TestEnv env;
        writeBytes(env.path("a.txt"));
        writeBytes(env.path("b.txt"));
        writeBytes(env.path("c.txt"));
        MainWindow w;
        w.show();
        QVERIFY(w.setInstancePort(0));
        const auto sendTo = [&](const QByteArray& bytes) {
            QUdpSocket().writeDatagram(bytes, QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
        };
        const QByteArray forged = env.path("a.txt").toLocal8Bit();
        sendTo(forged);
        sendTo(handOverDatagram(QByteArray(handOverSecretSize, 'x'), forged));
        sendTo(w.handOverSecret().left(handOverSecretSize - 1));
        sendTo(handOverDatagram(w.handOverSecret(), env.path("b.txt").toLocal8Bit()));
        QTRY_VERIFY(w.findMdiChild(env.path("b.txt")));
        QVERIFY(!w.findMdiChild(env.path("a.txt")));

        OtherUser other;
        if (!other.unavailable().isEmpty())
            QSKIP(qPrintable(other.unavailable()));
        QCOMPARE(other.run({"send", QString::number(w.instanceListenerPort()), env.path("a.txt")}), QByteArray());
        sendTo(handOverDatagram(w.handOverSecret(), env.path("c.txt").toLocal8Bit()));
        QTRY_VERIFY(w.findMdiChild(env.path("c.txt")));
        QVERIFY(!w.findMdiChild(env.path("a.txt")));
        QCOMPARE(openWindows(w).size(), 2);
    }
};

WYX_TEST_MAIN(TestDocuments)
#include "tst_documents.moc"
