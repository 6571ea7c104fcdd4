#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/exportfile.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QScopeGuard>

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
