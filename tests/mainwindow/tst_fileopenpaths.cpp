// Every way the program opens a file that the user or another start names: a FIFO, a
// folder or a link to a device under that name is refused at once (a FIFO's open would
// wait for a writer forever, a device feeds endless data), and the message names the file
// and says why; a file another process holds a lease on opens as any file does.
#include "mainwindow/documenttestutil.h"
#include "support/hangwatchdog.h"
#include "support/leaseholder.h"
#include "support/modaldriver.h"
#include "support/sourcetext.h"

#include "core/helpers.h"
#include "device/usbcomtesting.h"
#include "core/settings.h"
#include "evaluation/evaluationdlg.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "routes/extractroutedlg.h"
#include "routes/routedefmodel.h"

#include <QDir>
#include <QItemSelectionModel>
#include <QRegularExpression>
#include <QUdpSocket>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The command line the main window reads: the test main owns it, so one route can name a file.
int appArgc = 1;
std::vector<char*> appArgv;
QByteArray commandLineFile;

// Answers every prompt: a file dialog with the file, any box with its first button.
class PromptLog
{
public:
    explicit PromptLog(const QString& file)
        : m_previous(Prompts::setHandler([this, file](const Prompts::Request& r) {
              Prompts::Answer answer;
              answer.button = 0;
              if (r.kind == Prompts::Kind::OpenFile)
                  answer.path = file;
              else if (r.kind != Prompts::Kind::SaveFile && r.kind != Prompts::Kind::Directory)
                  messages << r.text;
              return answer;
          }))
    {
    }
    ~PromptLog() { Prompts::setHandler(m_previous); }
    QStringList messages;

private:
    Prompts::Handler m_previous;
};

LogEntry touchAt(int minute, unsigned char code)
{
    unsigned char raw[LogEntry::size] = {0, 0, 0, 0, 0, 0, 0, 0, 0, code};
    packDeviceTime(QDateTime(QDate(2026, 6, 10), QTime(8, minute)), raw);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

// The extraction takes a selection of touches from an open log.
void openSelectedTouches(MainWindow& w, const QString& path)
{
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        LogFile::Header header;
        header.deviceName = QStringLiteral("PROBA");
        QVERIFY(LogFile::write(file, header, {touchAt(0, 1), touchAt(7, 2)}));
    }
    w.loadFile(path);
    auto* log = qobject_cast<LogView*>(w.activeMdiChild());
    QVERIFY(log);
    LogTableView* table = log->table();
    table->selectionModel()->select(QItemSelection(table->model()->index(0, 0), table->model()->index(1, 0)),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void runEvaluation(MainWindow& w, const QString& planFile)
{
    ModalDriver driver;
    driver.onModal(QStringLiteral("evaluationDlg"), [planFile](QWidget* widget) {
        auto* dlg = static_cast<EvaluationDlg*>(widget);
        dlg->fileNameEdit->setText(planFile);
        dlg->OkButton->click();
    });
    w.fulfilment();
}

// Opens `name` (in the working directory) by the route; the main window is made here since
// two routes name the file before it exists.
void openBy(const QString& route, const QString& name, const TestEnv& env, const PromptLog& prompts)
{
    const QString path = env.path(name);
    if (route == QLatin1String("code-name file"))
        appSettings().codeFile = name;
    if (route == QLatin1String("command line")) {
        commandLineFile = QFile::encodeName(path);
        appArgv[1] = commandLineFile.data();
        appArgc = 2;
    }
    MainWindow w;
    appArgc = 1;
    w.show();
    if (route == QLatin1String("menu")) {
        w.openFile();
    } else if (route == QLatin1String("recent")) {
        appSettings().setRecentFiles({path});
        w.setCurrentFile(env.path("other.txt")); // refreshes the menu; the file comes second
        for (QAction* a : w.findChild<QMenu*>("fileMenu")->actions()) {
            if (a->objectName() == QLatin1String("recentFileAct") && a->data().toString() == path) {
                a->trigger();
                break;
            }
        }
    } else if (route == QLatin1String("hand-over")) {
        QVERIFY(w.setInstancePort(0));
        QUdpSocket().writeDatagram(handOverDatagram(w.handOverSecret(), path.toLocal8Bit()),
                                   QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
        QTRY_VERIFY(!prompts.messages.isEmpty() || w.activeMdiChild()); // refused, or opened
    } else if (route == QLatin1String("evaluation plan field")) {
        runEvaluation(w, name);
    } else if (route == QLatin1String("log a plan names")) {
        RouteDefModel plan;
        plan.addLog(name);
        QVERIFY(plan.saveAs(env.path("plan.erd"), nullptr));
        runEvaluation(w, QStringLiteral("plan.erd"));
    } else if (route == QLatin1String("extraction plan field")) {
        openSelectedTouches(w, env.path("touches.ewl"));
        ModalDriver driver;
        driver.onModal("ExtractRouteDlg", [name](QWidget* widget) {
            auto* dlg = qobject_cast<ExtractRouteDlg*>(widget);
            dlg->routeFileEdit->setText(name);
            dlg->routeNameEdit->setText(QStringLiteral("R"));
            dlg->OKbutton->click();
        });
        w.extractRoute();
    } else if (route == QLatin1String("plan import")) {
        w.newErdFile();
        w.routeImport();
    } else if (route == QLatin1String("code-name import")) {
        w.kodNevOpen();
        w.kodNevImport();
    } else if (route == QLatin1String("logger memory restore")) {
        LinkRig rig;
        QCOMPARE(rig.link.open(), UsbOk);
        QCOMPARE(rig.link.restoreSystemNvm(&w), UsbOk);
    }
    QCoreApplication::processEvents();
}

// Opens `name` by the route, answering every prompt; the messages shown go to `messages`.
// Fails where the open hangs.
void openWatched(const QString& route, const QString& name, const TestEnv& env, QStringList& messages)
{
    const QString path = env.path(name);
    PromptLog prompts(path);
    HangWatchdog watchdog(path);
    openBy(route, name, env, prompts);
    QCOMPARE(watchdog.fired(), false);
    messages = prompts.messages;
}

// Every route by which the user or another start names a file, with the names it takes.
QList<QPair<QString, QString>> namedFilePaths()
{
    QList<QPair<QString, QString>> paths;
    for (const char* route : {"menu", "recent", "hand-over", "command line"}) {
        for (const char* name : {"x.ewl", "x.ewa", "x.txt", "x.erd", "x.rdf", "x.ffr"})
            paths.append(qMakePair(QString(route), QString(name)));
    }
    paths += {{"evaluation plan field", "x.erd"}, {"evaluation plan field", "x.rdf"},
              {"log a plan names", "X.EWL"},      {"extraction plan field", "x.erd"},
              {"plan import", "x.xml"},           {"code-name import", "x.txt"},
              {"code-name import", "x.xml"},      {"code-name file", "x.kod"},
              {"logger memory restore", "x.hex"}};
    return paths;
}

} // namespace

class TestFileOpenPaths : public QObject
{
    Q_OBJECT
private slots:
    void namedFileThatIsNoRegularFileIsRefused_data()
    {
        QTest::addColumn<QString>("trap");
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("name");
        for (const char* trap : {"FIFO", "folder", "link to /dev/zero"}) {
            for (const auto& path : namedFilePaths())
                QTest::addRow("%s, %s, %s", trap, qPrintable(path.first), qPrintable(path.second))
                    << trap << path.first << path.second;
        }
    }

    void namedFileThatIsNoRegularFileIsRefused()
    {
        QFETCH(QString, trap);
        QFETCH(QString, route);
        QFETCH(QString, name);
        TestEnv env;
        const QString path = env.path(name);
        if (trap == QLatin1String("FIFO"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else if (trap == QLatin1String("folder"))
            QVERIFY(QDir().mkpath(path));
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));

        QStringList messages;
        openWatched(route, name, env, messages);
        if (QTest::currentTestFailed())
            return;
        QVERIFY(!messages.isEmpty());
        const QString reason =
            QCoreApplication::translate("SafeSave", "nem közönséges fájl (mappa, eszköz vagy FIFO)");
        QVERIFY2(messages.first().contains(name), qPrintable(messages.first()));
        QVERIFY2(messages.first().contains(reason), qPrintable(messages.first()));
    }

    // The same paths with another process holding a lease on the file, as a file server does
    // while a client has it open: the open waits until the holder gives the lease up, and the
    // file opens as one under no lease. (A holder that never gives up would hold the open for
    // the kernel's lease-break-time, 45 s; that is not waited for here.)
    void namedFileUnderLeaseOpensAsAnyFile_data()
    {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("name");
        for (const auto& path : namedFilePaths())
            QTest::addRow("%s, %s", qPrintable(path.first), qPrintable(path.second)) << path.first << path.second;
    }

    void namedFileUnderLeaseOpensAsAnyFile()
    {
        QFETCH(QString, route);
        QFETCH(QString, name);
        QStringList plain;
        {
            TestEnv env;
            writeBytes(env.path(name));
            openWatched(route, name, env, plain);
            plain.replaceInStrings(env.workDir(), QStringLiteral("<work>"));
        }
        TestEnv env;
        writeBytes(env.path(name));
        LeaseHolder holder(env.path(name), LeaseHolder::Write);
        if (!holder.unavailable().isEmpty())
            QSKIP(qPrintable(QStringLiteral("no lease can be taken here: ") + holder.unavailable()));
        QStringList leased;
        openWatched(route, name, env, leased);
        if (QTest::currentTestFailed())
            return;
        leased.replaceInStrings(env.workDir(), QStringLiteral("<work>"));
        QCOMPARE(leased, plain);
        QCOMPARE(holder.givenUp(), true);
    }

    // The walk above covers today's paths; a new reader, or a writer besides the save
    // routine's, that opens a file by itself, not through the checked routine, is caught
    // here. A QBuffer (named buffer) holds no file.
    void filesAreReadOnlyThroughTheCheckedRoutine()
    {
        const QRegularExpression byItself(QStringLiteral(
            "(?<!buffer)(\\.|->)open\\([^)]*(ReadOnly|ReadWrite|WriteOnly|Append)|(^|\\W)::open\\(|\\bfopen\\(|QSaveFile"));
        // src/core/safesavefiles.cpp is the routine itself.
        const QStringList found = SourceText::linesMatching(byItself, QStringLiteral("src/core/safesavefiles.cpp"));
        QCOMPARE(found.join(QLatin1String(", ")), QString());
    }
};

int main(int argc, char* argv[])
{
    TestSupport::prepareProcess();
    appArgv = {argv[0], nullptr, nullptr};
    WyxApp app(appArgc, appArgv.data());
    TestSupport::prepareApplication(app);
    TestFileOpenPaths tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_fileopenpaths.moc"
