#include "mainwindow/documenttestutil.h"

#include "core/safesave.h"
#include "core/settings.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// Every write beyond limit bytes fails, as on a full disk.
struct FileSizeLimit {
    rlimit old{};
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit tight{limit, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &tight);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
};

// The font the first character is shown in: its own format over the document's font.
QFont shownFont(const QTextEdit& view)
{
    QTextCursor first(view.document());
    first.movePosition(QTextCursor::NextCharacter);
    return first.charFormat().font().resolve(view.document()->defaultFont());
}

} // namespace

class TestTxtView : public QObject
{
    Q_OBJECT
private slots:
    // First in the file: untitled texts are numbered from the start of the process.
    void untitledNumberingAndClosing()
    {
        TestEnv env;
        writeBytes(env.path("close.txt"), "a");
        MainWindow w;
        w.show();
        w.newTxtFile();
        QCOMPARE(activeTxt(w)->windowTitle(), QStringLiteral("document1.txt[*]"));
        QVERIFY(w.activeMdiChild()->parentWidget()->close()); // unchanged: no question
        w.loadFile(env.path("close.txt"));
        QMdiSubWindow* window = w.findChild<QMdiArea*>()->activeSubWindow();
        activeTxt(w)->insertPlainText("b");

        ScriptedPrompts prompts;
        prompts.expectButton(Prompts::Kind::Warning, "'close.txt' megváltozott.\nMentsük a változásokat?", 2)
            .expectButton(Prompts::Kind::Warning, "megváltozott", 1);
        QVERIFY(!window->close()); // Cancel
        QCOMPARE(prompts.seen().first().buttons.size(), 3);
        QVERIFY(window->close()); // Discard
        QCOMPARE(readBytes(env.path("close.txt")), QByteArray("a"));

        // Save on an untitled text asks for a name; cancelling that keeps the window. Numbers are not reused.
        w.newTxtFile();
        QCOMPARE(activeTxt(w)->userFriendlyCurrentFile(), QStringLiteral("document2.txt"));
        QMdiSubWindow* second = w.findChild<QMdiArea*>()->activeSubWindow();
        activeTxt(w)->insertPlainText("new");
        for (const QString& name : {QString(), env.path("fresh")}) {
            prompts.expectButton(Prompts::Kind::Warning, "megváltozott", 0).expectFile(Prompts::Kind::SaveFile, name);
            QCOMPARE(second->close(), !name.isEmpty());
        }
        QCOMPARE(readBytes(env.path("fresh.txt")), QByteArray("new"));
    }

    void loadEditAndSaveAs()
    {
        TestEnv env;
        const QByteArray text = "Árvíztűrő tükörfúrógép\nsecond line\n";
        writeBytes(env.path("notes.txt"), text);
        TxtView view;
        QVERIFY(view.loadFile("notes.txt")); // relative names lie in the working directory
        QCOMPARE(view.toPlainText(), QString::fromUtf8(text));
        QCOMPARE(view.currentFile(), env.path("notes.txt"));
        view.moveCursor(QTextCursor::End);
        view.insertPlainText("ő");
        QVERIFY(view.isWindowModified());
        QVERIFY(view.save());
        QVERIFY(!view.isWindowModified());
        QCOMPARE(readBytes(env.path("notes.txt")), text + "ő"); // UTF-8, no byte-order mark

        // A font change keeps the selection and is no edit of the text.
        QTextCursor cursor = view.textCursor();
        cursor.setPosition(2);
        cursor.setPosition(5, QTextCursor::KeepAnchor);
        view.setTextCursor(cursor);
        appSettings().fontSize = 14;
        appSettings().save();
        QCOMPARE(qMakePair(view.textCursor().anchor(), view.textCursor().position()), qMakePair(2, 5));
        QVERIFY(!view.isWindowModified());
        QVERIFY(!view.document()->isModified());
        QCOMPARE(shownFont(view).pointSize(), 14);

        // Save As adds the extension unless it is there in any case; cancelling changes nothing.
        ScriptedPrompts prompts;
        prompts.expectFile(Prompts::Kind::SaveFile, env.path("UPPER.TXT"))
            .expectFile(Prompts::Kind::SaveFile, env.path("report.txt.bak"))
            .expectFile(Prompts::Kind::SaveFile, QString());
        QVERIFY(view.saveAs());
        QVERIFY(QFile::exists(env.path("UPPER.TXT")));
        QVERIFY(view.saveAs());
        view.insertPlainText("x");
        QVERIFY(!view.saveAs());
        QCOMPARE(view.currentFile(), env.path("report.txt.bak.txt"));
        QVERIFY(view.isWindowModified());
    }

    // An option change is no edit: an unchanged text stays unchanged (nothing to undo, no
    // question on closing), and the user's own edits undo to the saved state as before.
    void optionChangeIsNoEdit()
    {
        TestEnv env;
        writeBytes(env.path("font.txt"), "abc\n");
        MainWindow w;
        w.show();
        for (const bool edited : {false, true}) {
            w.loadFile(env.path("font.txt"));
            TxtView* view = activeTxt(w);
            if (edited)
                view->insertPlainText("x");
            appSettings().fontSize = edited ? 17 : 15;
            appSettings().save();
            QCOMPARE(shownFont(*view).pointSize(), appSettings().fontSize);
            QCOMPARE(view->isWindowModified(), edited);
            QCOMPARE(view->document()->isUndoAvailable(), edited);
            view->undo();
            QCOMPARE(view->toPlainText(), QStringLiteral("abc\n"));
            QCOMPARE(view->isWindowModified(), false);
            QCOMPARE(view->document()->isUndoAvailable(), false);
            QVERIFY(w.activeMdiChild()->parentWidget()->close()); // asks nothing
        }
    }

    // Pasted rich text brings no font of its own that an option change would miss.
    void pastedTextFollowsTheListFont()
    {
        TestEnv env;
        TxtView view;
        view.newFile();
        auto* mime = new QMimeData;
        mime->setHtml(QStringLiteral("<span style=\"font-family:Serif; font-size:30pt\">big</span>"));
        mime->setText(QStringLiteral("big"));
        QGuiApplication::clipboard()->setMimeData(mime);
        view.paste();
        QCOMPARE(view.toPlainText(), QStringLiteral("big"));
        appSettings().fontSize = 13;
        appSettings().save();
        QCOMPARE(shownFont(view).pointSize(), 13);
        QCOMPARE(shownFont(view).family(), appSettings().fontFace);
    }

    void failedSaveKeepsOldFile()
    {
        TestEnv env;
        const QString path = env.path("keep.txt");
        writeBytes(path, "old text\n");
        MainWindow w;
        w.show();
        w.loadFile(path);
        activeTxt(w)->setPlainText(QStringLiteral("123456789\n").repeated(2000));
        {
            FileSizeLimit limit(4096); // the disk fills up half way through the new text
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "mentése nem sikerült!");
            w.saveTxt();
        }
        QCOMPARE(readBytes(path), QByteArray("old text\n"));
        QVERIFY(activeTxt(w)->isWindowModified());
        QVERIFY(w.statusBar()->currentMessage() != QStringLiteral("A fájl elmentve"));

        w.saveTxt(); // with room again
        QCOMPARE(readBytes(path).size(), 20000);
        QCOMPARE(w.statusBar()->currentMessage(), QStringLiteral("A fájl elmentve"));
    }

    // Every file operation of the save failed in turn: the old text stays, the failure is
    // told with its reason and the window stays modified.
    void everyFailedSaveOperationKeepsOldText()
    {
        TestEnv env;
        const QString path = env.path("sweep.txt");
        writeBytes(path, "old text\n");
        TxtView view;
        QVERIFY(view.loadFile(path));
        view.setPlainText(QStringLiteral("new text\n"));
        int total = 0;
        {
            TxtView probe;
            probe.setPlainText(QStringLiteral("x"));
            QVERIFY(probe.saveFile(env.path("probe.txt")));
            SafeSave::FaultScope count;
            QVERIFY(probe.saveFile(env.path("probe.txt")));
            total = count.operations();
        }
        for (int i = 1; i <= total; ++i) {
            SafeSave::FaultScope faults;
            faults.failAt(i, EIO);
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning,
                                 QStringLiteral("%1 mentése nem sikerült!\n%2.").arg(path, qt_error_string(EIO)));
            QVERIFY2(!view.saveFile(path), qPrintable(QString::number(i)));
            QCOMPARE(readBytes(path), QByteArray("old text\n"));
            QVERIFY(view.isWindowModified());
        }
        QVERIFY(view.saveFile(path));
        QCOMPARE(readBytes(path), QByteArray("new text\n"));
    }

    // Special, huge and long-lined files are refused at once with the reason.
    void hostileFilesAreRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fifo") << "fifo" << "nem közönséges fájl";
        QTest::newRow("device") << "device" << "nem közönséges fájl";
        QTest::newRow("folder") << "folder" << "nem közönséges fájl";
        QTest::newRow("huge") << "huge" << "A fájl nagyobb 8 MB-nál";
        QTest::newRow("long line") << "line" << "A fájl egy sora hosszabb 4096 karakternél";
        // UTF-16 whose characters are all made of newline bytes: no short byte run is a line.
        QTest::newRow("long UTF-16 line") << "utf16" << "A fájl egy sora hosszabb 4096 karakternél";
    }

    void hostileFilesAreRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        TestEnv env;
        QString path = env.path("bad.txt");
        if (kind == "fifo") {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == "device") {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        } else if (kind == "folder") {
            QVERIFY(QDir(env.workDir()).mkpath("bad.txt"));
        } else if (kind == "huge") {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(f.resize(TxtView::maxFileSize + 1)); // sparse: no disk used
        } else if (kind == "utf16") {
            writeBytes(path, "\xFF\xFE" + QByteArray(2 * (TxtView::maxLineLength + 1), '\x0A'));
        } else {
            writeBytes(path, "short\n" + QByteArray(TxtView::maxLineLength + 1, 'x') + "\nshort\n");
        }
        TxtView view;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, reason);
        QVERIFY(!view.loadFile(path));
        QCOMPARE(prompts.seen().last().title, QStringLiteral("Szövegfájl megnyitás"));
        QVERIFY(view.toPlainText().isEmpty());
    }

    void linesAtTheLimitOpen_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("ASCII") << QByteArray(TxtView::maxLineLength, 'x');
        // The limit counts characters: two bytes each here.
        QTest::newRow("accented") << QString(TxtView::maxLineLength, QChar(0xE9)).toUtf8();
    }

    void linesAtTheLimitOpen()
    {
        QFETCH(QByteArray, line);
        TestEnv env;
        writeBytes(env.path("ok.txt"), line + "\r\n" + line);
        TxtView view;
        QVERIFY(view.loadFile(env.path("ok.txt")));
        QCOMPARE(view.toPlainText().size(), 2 * int(TxtView::maxLineLength) + 1);
    }
};

WYX_TEST_MAIN(TestTxtView)
#include "tst_txtview.moc"
