#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/exportfile.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QScopeGuard>

#include <QTemporaryDir>

#include <sys/mount.h>
#include <unistd.h>

namespace {

void writeOld(const QString& path)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("old");
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool paintPage(QPrinter* printer)
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    painter.drawText(100, 100, QStringLiteral("új"));
    return painter.end();
}

} // namespace

class TestExportFile : public QObject
{
    Q_OBJECT
private slots:
    void completedNames_data()
    {
        QTest::addColumn<QString>("given");
        QTest::addColumn<QString>("ext");
        QTest::addColumn<QString>("completed");
        QTest::newRow("bare") << "lista" << "txt" << "lista.txt";
        QTest::newRow("capitals") << "LISTA.XML" << "xml" << "LISTA.XML";
        QTest::newRow("other extension") << "lista.kod" << "txt" << "lista.kod.txt";
        QTest::newRow("extension without dot") << "listatxt" << "txt" << "listatxt.txt";
        QTest::newRow("empty") << "" << "pdf" << ".pdf";
    }

    void completedNames()
    {
        QFETCH(QString, given);
        QFETCH(QString, ext);
        QFETCH(QString, completed);
        QCOMPARE(completedExportName(given, ext), completed);
    }

    void relativeNamesLieInWorkDir()
    {
        TestEnv env;
        QCOMPARE(exportTargetPath(QStringLiteral("a"), QStringLiteral("txt")), env.path("a.txt"));
        QCOMPARE(exportTargetPath(env.root() + "/b.TXT", QStringLiteral("txt")), env.root() + "/b.TXT");
    }

    // A writer that fails half-way leaves the old file as it was and no stray file.
    void failedWriteKeepsOldFile()
    {
        TestEnv env;
        const QString path = env.path("x.txt");
        writeOld(path);
        const ExportWrite result = writeExportFile(path, [](QIODevice& d) {
            d.write("half of it");
            return false;
        });
        QCOMPARE(int(result), int(ExportWrite::WriteFailed));
        QCOMPARE(contents(path), QByteArray("old"));
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"x.txt"});
    }

    void failedWriteCreatesNothing()
    {
        TestEnv env;
        QCOMPARE(int(writeExportFile(env.path("y.txt"), [](QIODevice&) { return false; })),
                 int(ExportWrite::WriteFailed));
        QVERIFY(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    }

    void unopenableReportsItsReason()
    {
        TestEnv env;
        QString error;
        QCOMPARE(int(writeExportFile(env.path("nincs/z.txt"), [](QIODevice&) { return true; }, &error)),
                 int(ExportWrite::OpenFailed));
        QVERIFY(!error.isEmpty());
    }

    void writtenFileReplacesOld()
    {
        TestEnv env;
        const QString path = env.path("x.txt");
        writeOld(path);
        QCOMPARE(int(writeExportFile(path, [](QIODevice& d) { return d.write("new\r\n") == 5; })),
                 int(ExportWrite::Written));
        QCOMPARE(contents(path), QByteArray("new\r\n"));
    }

    // Writes of every size, across the file's internal blocks, arrive whole and in order.
    void largeWritesArriveInOrder()
    {
        TestEnv env;
        QByteArray expected;
        const QString path = env.path("big.txt");
        QCOMPARE(int(writeExportFile(path,
                                     [&](QIODevice& d) {
                                         for (int i = 0; i < 400; ++i) {
                                             const QByteArray piece((i * 7919) % 20000 + (i % 50 == 0 ? 3000000 : 1),
                                                                    char('a' + i % 26));
                                             expected += piece;
                                             if (d.write(piece) != piece.size())
                                                 return false;
                                         }
                                         return true;
                                     })),
                 int(ExportWrite::Written));
        const QByteArray written = contents(path);
        QCOMPARE(written.size(), expected.size());
        QVERIFY(written == expected);
    }

    void overwriteQuestionNamesOnlyTheFile()
    {
        TestEnv env;
        QVERIFY(confirmExportOverwrite(nullptr, QStringLiteral("T"), env.path("absent.txt")));
        writeOld(env.path("here.txt"));
        ScriptedPrompts prompts;
        prompts.expectQuestion(QStringLiteral("here.txt nevű fájl már létezik.\nFelülírjuk?"), false);
        QVERIFY(!confirmExportOverwrite(nullptr, QStringLiteral("T"), env.path("here.txt")));
        QVERIFY(!prompts.seen().first().text.contains(env.workDir()));
        QCOMPARE(prompts.seen().first().buttons, (QStringList{"Igen", "Mégsem"}));
    }

    // A PDF is saved like any document: painted apart from the target, then written beside
    // it, checked, synced and renamed. A failure at any step is reported and leaves the old
    // PDF whole, and the printer keeps the name it was given.
    void pdfFailureKeepsTheOldFile_data()
    {
        QTest::addColumn<int>("op");
        QTest::addColumn<QString>("message"); // after the PDF's path
        const QString notOpened = QStringLiteral(" exportálása nem sikerült\n%1.").arg(qt_error_string(ENOSPC));
        const QString writeFailed = QStringLiteral(" exportálása nem sikerült\nFájl írási hiba.");
        QTest::newRow("not writable") << int(SafeSave::Op::Access) << notOpened;
        QTest::newRow("no temporary") << int(SafeSave::Op::Open) << notOpened;
        QTest::newRow("write") << int(SafeSave::Op::Flush) << writeFailed;
        QTest::newRow("fsync") << int(SafeSave::Op::Sync) << writeFailed;
        QTest::newRow("close") << int(SafeSave::Op::Close) << writeFailed;
        QTest::newRow("rename") << int(SafeSave::Op::Rename) << writeFailed;
    }

    void pdfFailureKeepsTheOldFile()
    {
        QFETCH(int, op);
        QFETCH(QString, message);
        TestEnv env;
        const QString path = env.path("x.pdf");
        writeOld(path);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, path + message);
        SafeSave::FaultScope faults;
        faults.failNth(SafeSave::Op(op), 1, ENOSPC);
        QVERIFY(!paintToPrinterFile(nullptr, &printer, paintPage));
        QCOMPARE(contents(path), QByteArray("old"));
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"x.pdf"});
        QCOMPARE(printer.outputFileName(), path);
    }

    // Where nothing can be created beside the old PDF, it is left exactly as it was (root
    // writes anyway, so only as another user).
    void pdfInUnwritableFolderLeavesTheOldFile()
    {
        if (::geteuid() == 0)
            QSKIP("root writes into any folder");
        TestEnv env;
        const QString path = env.path("x.pdf");
        writeOld(path);
        QVERIFY(QFile::setPermissions(env.workDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        const auto restore = qScopeGuard([&] { QFile::setPermissions(env.workDir(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner); });
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("%1 exportálása nem sikerült\n%2.").arg(path, qt_error_string(EACCES)));
        QVERIFY(!paintToPrinterFile(nullptr, &printer, paintPage));
        QCOMPARE(contents(path), QByteArray("old"));
    }

    // On a really full disk (root only: it mounts a small tmpfs of its own) an export either
    // leaves a whole new PDF or says it failed and leaves the old one.
    void pdfOnAFullDiskKeepsTheOldFile()
    {
        if (::geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        QTemporaryDir mountPoint;
        const QByteArray where = QFile::encodeName(mountPoint.path());
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, "size=128k") != 0)
            QSKIP("no tmpfs can be mounted here");
        const auto unmount = qScopeGuard([&] { ::umount2(where.constData(), MNT_DETACH); });
        const QString path = mountPoint.path() + "/x.pdf";
        const auto exportTo = [&path] {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return paintToPrinterFile(nullptr, &printer, paintPage);
        };
        QVERIFY(exportTo());
        QByteArray old = contents(path); // the last whole export (each stamps its own time)
        bool sawFailure = false;
        for (int filler = 0; filler <= 128; filler += 4) {
            QFile::remove(mountPoint.path() + "/fill");
            QFile fill(mountPoint.path() + "/fill");
            QVERIFY(fill.open(QIODevice::WriteOnly));
            fill.write(QByteArray(filler * 1024, 'f'));
            fill.close();
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("exportálása nem sikerült"));
            if (exportTo()) {
                prompts.clearPending();
                old = contents(path);
                QVERIFY(old.trimmed().endsWith("%%EOF"));
            } else {
                sawFailure = true;
                QCOMPARE(contents(path), old);
            }
        }
        QVERIFY(sawFailure);
    }

    void pdfReplacesTheOldFileWhenWritten()
    {
        TestEnv env;
        const QString path = env.path("x.pdf");
        writeOld(path);
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QVERIFY(paintToPrinterFile(nullptr, &printer, paintPage));
        const QByteArray pdf = contents(path);
        QVERIFY(pdf.startsWith("%PDF"));
        QVERIFY(pdf.trimmed().endsWith("%%EOF"));
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files | QDir::Hidden), QStringList{"x.pdf"});
    }

    // The real save dialog adds the default suffix to a typed name, and leaves the overwrite
    // question to the caller when told so (it would otherwise ask about the name it saw).
    void realSaveDialogAddsTheSuffix()
    {
        TestEnv env;
        writeOld(env.path("plan.erd"));
        const Prompts::Handler previous = Prompts::setHandler({});
        const auto restore = qScopeGuard([&] { Prompts::setHandler(previous); });
        ModalDriver driver;
        driver.onModal(QStringLiteral("QFileDialog"), [](QWidget* w) {
            w->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QStringLiteral("plan"));
            QMetaObject::invokeMethod(w, "accept");
        });
        Prompts::Request request;
        request.kind = Prompts::Kind::SaveFile;
        request.directory = env.workDir();
        request.defaultSuffix = QStringLiteral("erd");
        request.confirmOverwrite = false;
        QCOMPARE(Prompts::ask(request).path, env.path("plan.erd"));
        QVERIFY(driver.allDone());
    }
};

WYX_TEST_MAIN(TestExportFile)
#include "tst_exportfile.moc"
