#include "mainwindow/documenttestutil.h"

#include "device/devicetestutil.h"
#include "support/modaldriver.h"
// The dialog headers need their forms generated for this target as well.
#include "ui_archivedlg.h"
#include "ui_initdlg.h"
#include "ui_vglclksetdlg.h"

#include "device/initdlg.h"
#include "device/usbcomprotocol.h"
#include "core/settings.h"
#include "eventlog/archivedlg.h"
#include "device/usbcom.h"
#include "device/vglclksetdlg.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "mainwindow/documentpaths.h" // maxDatagramPathBytes

#include <QDir>
#include <QUdpSocket>

namespace {

LogModel* activeLog(MainWindow& w)
{
    auto* view = qobject_cast<LogView*>(w.activeMdiChild());
    return view ? view->table()->logModel : nullptr;
}

// A shown main window beside a simulated logger, and a socket that hands it paths as a
// second start of the program would. Needs a TestEnv.
struct DatagramRig {
    DatagramRig() { w.show(); }
    bool listening() { return w.setInstancePort(0); }
    void send(const QByteArray& bytes)
    {
        const QByteArray datagram = handOverDatagram(w.handOverSecret(), bytes);
        QCOMPARE(sender.writeDatagram(datagram, QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort()),
                 qint64(datagram.size()));
    }
    SimulatorScope sim;
    MainWindow w;
    QUdpSocket sender;
};

} // namespace

class TestDeviceCommands : public QObject
{
    Q_OBJECT
private slots:

    void readOutIntoItsLog()
    {
        TestEnv env;
        SimulatorScope sim;
        sim.device().fill(5);
        // The logger's name carries trailing blanks; the file is named without them.
        const QString path = env.path("PROBA.ewl");
        writeBytes(path, "damaged");
        writeBytes(path + ".bad", "older");
        MainWindow w;
        w.show();
        ScriptedPrompts prompts;
        prompts.expectQuestion("Az esemény napló már létezik, de nem sikerült betölteni.\n"
                               "Létrehozzunk helyette egy újat?", false)
            .expectQuestion("nem sikerült betölteni", true);
        w.findChild<QAction*>("readOutAct")->trigger();
        QVERIFY(openWindows(w).isEmpty());
        QCOMPARE(readBytes(path), QByteArray("damaged"));
        QVERIFY(recentFiles().isEmpty());

        // "Igen" keeps the damaged file beside the new log; an older set-aside file stays too.
        w.readOut();
        QCOMPARE(readBytes(path + ".bad") + readBytes(path + ".2.bad"), QByteArray("olderdamaged"));
        QVERIFY(LogModel().load(path, nullptr));
        QCOMPARE(qobject_cast<LogView*>(w.activeMdiChild())->currentFile, path);
        const int rows = activeLog(w)->rowCount();
        QCOMPARE(activeLog(w)->entryAt(rows - 1).kind(), quint8(KindReadOut));
        QCOMPARE(recentFiles(), QStringList{path});

        // Read again into the open window, without loading the file again.
        sim.device().fill(3);
        QFile::remove(path);
        w.readOut();
        QCOMPARE(openWindows(w).size(), 1);
        QCOMPARE(activeLog(w)->rowCount(), rows + 4);
        QVERIFY(QFile::exists(path));
        QCOMPARE(sim.violations(), QString());
    }

    void readOutConfirmsTheIdentityItsLogIsChosenBy_data()
    {
        QTest::addColumn<QList<int>>("garbled"); // the identity replies whose name is garbled
        QTest::addColumn<bool>("retry");
        QTest::addColumn<bool>("swapped"); // another logger, read out before, in place of the first
        // The five confirming readings after the first take turns; "Ismét" meets a garbled one.
        QTest::newRow("the first") << QList<int>{1} << false << false;
        QTest::newRow("no two agree, given up") << QList<int>{2, 4, 6, 7} << false << false;
        QTest::newRow("no two agree, retried") << QList<int>{2, 4, 6, 7} << true << false;
        QTest::newRow("another logger at the confirmation") << QList<int>{} << false << true;
    }

    // A garbled name in the first identity reply would choose another logger's log: it costs
    // no box. When no two readings agree, "Ismét" confirms the identity afresh, not against
    // the garbled reading last taken. Another logger confirmed is read as itself: its own
    // log, judged by its own initialisation date, so nothing is asked.
    void readOutConfirmsTheIdentityItsLogIsChosenBy()
    {
        QFETCH(QList<int>, garbled);
        QFETCH(bool, retry);
        QFETCH(bool, swapped);
        TestEnv env;
        SimulatorScope sim;
        sim.device().fill(5);
        MainWindow w;
        w.show();
        int other = -1;
        if (swapped) {
            other = sim.sim.addDevice("Vigilor", "SIM00002");
            swapInLogger(sim.sim, other); // read out first: its log, made with its own init date
            sim.device().setName("MASIK");
            sim.device().setConfigBytes(24, SimulatedDevice::packTime(QDateTime(QDate(2024, 2, 1), QTime(8, 0))));
            sim.device().fill(5);
            w.readOut();
            swapInLogger(sim.sim, other);
            sim.sim.device(other).fill(3);
        }
        int identities = 0;
        sim.sim.setFrameHandler([&](const QByteArray& frame) {
            const bool identity = quint8(frame.at(1)) == 0x1D && frame.at(2) == 0 && frame.at(3) == 0;
            if (identity && garbled.contains(++identities))
                sim.sim.garbleIdentity(1, identityGarble(NameChanged));
            if (identity && swapped && identities == 2)
                swapInLogger(sim.sim, other);
        });
        ScriptedPrompts prompts;
        if (garbled.size() > 1)
            prompts.expectButton(Prompts::Kind::Warning, UsbCom::errorText(UsbBadReply), retry ? 1 : 0);
        w.readOut();
        const bool done = garbled.size() == 1 || retry || swapped;
        const QString log = swapped ? QStringLiteral("MASIK.ewl") : QStringLiteral("PROBA.ewl");
        QCOMPARE(QDir(env.workDir()).entryList({"*.ewl"}, QDir::Files), done ? QStringList{log} : QStringList());
        QCOMPARE(openWindows(w).size(), done ? 1 : 0);
        if (swapped)
            QCOMPARE(activeLog(w)->rowCount(), 5 + 1 + 3 + 1); // each read-out's records and mark
        QCOMPARE(sim.violations(), QString());
    }

    // Another user changes the log while this window holds it: archives it (this window then
    // reads out, also with the archive made while the logger is read), or reads the logger
    // out (this window then archives). Either works on the log as it is on disk; a window
    // holding records of its own not saved asks first, and "Mégsem" leaves the file alone.
    // Archiving from the cursor row stops once the log is loaded again: the row may differ.
    void readOutAndArchiveWorkOnTheLogOnDisk_data()
    {
        QTest::addColumn<bool>("archive");
        QTest::addColumn<bool>("meanwhile");
        QTest::addColumn<int>("ownRecords"); // 0 none, 1 kept, 2 given up for the file's
        QTest::addColumn<int>("mode");       // of the archive
        const int all = archiveDlg::EmptyLog;
        for (bool archive : {false, true}) {
            const char* command = archive ? "archive" : "read-out";
            QTest::addRow("%s", command) << archive << false << 0 << all;
            QTest::addRow("%s, own records kept", command) << archive << false << 1 << all;
            QTest::addRow("%s, own records given up", command) << archive << false << 2 << all;
        }
        QTest::newRow("read-out, archived meanwhile") << false << true << 0 << all;
        QTest::newRow("archive from the cursor") << true << false << 0 << int(archiveDlg::FromCursor);
    }

    void readOutAndArchiveWorkOnTheLogOnDisk()
    {
        QFETCH(bool, archive);
        QFETCH(bool, meanwhile);
        QFETCH(int, ownRecords);
        QFETCH(int, mode);
        TestEnv env;
        SimulatorScope sim;
        sim.device().fill(5);
        appSettings().archiveDir = env.root();
        const QString path = env.path("PROBA.ewl");
        MainWindow w;
        w.show();
        w.readOut();
        const int rows = activeLog(w)->rowCount();
        const QDateTime t(QDate(2024, 5, 1), QTime(8, 0));
        const auto otherActs = [&] {
            LogModel other;
            QVERIFY(other.load(path, nullptr));
            if (archive) {
                other.appendProgramEntry(t, t, KindReadOut);
                QVERIFY(other.save(path, nullptr));
            } else {
                QVERIFY(other.archive(-1, path));
            }
        };
        bool acted = !meanwhile;
        sim.sim.setFrameHandler([&](const QByteArray& frame) {
            if (quint8(frame.at(1)) == UsbProtocol::CmdReadPage && !std::exchange(acted, true))
                otherActs();
        });
        if (!meanwhile)
            otherActs();
        const QByteArray others = readBytes(path);
        const int otherRows = archive ? rows + 1 : 1;
        ScriptedPrompts prompts;
        if (ownRecords) {
            activeLog(w)->appendProgramEntry(t, t, KindDataGap);
            prompts.expectQuestion("Betöltsük újra?", ownRecords == 2);
        }
        const bool untouched = ownRecords == 1 || mode == archiveDlg::FromCursor;
        if (mode == archiveDlg::FromCursor)
            prompts.expectNotice(Prompts::Kind::Information, "Válassza ki ismét a sort");
        if (archive) {
            ModalDriver driver;
            driver.onModal("archiveDlg", [mode](QWidget* d) {
                auto* dlg = qobject_cast<archiveDlg*>(d);
                (mode == archiveDlg::EmptyLog ? dlg->emptyRadio : dlg->cursorRradio)->setChecked(true);
                QTest::mouseClick(dlg->OkButton, Qt::LeftButton);
            });
            w.logArchive();
            const QStringList archives = QDir(env.root()).entryList({"*.ewa"});
            QCOMPARE(archives.size(), untouched ? 0 : 1);
            LogModel archived;
            QVERIFY(untouched || archived.load(QDir(env.root()).filePath(archives.first()), nullptr));
            QCOMPARE(archived.rowCount(), untouched ? 0 : otherRows);
        } else {
            sim.device().fill(3);
            w.readOut();
        }
        LogModel onDisk;
        QVERIFY(onDisk.load(path, nullptr));
        QCOMPARE(onDisk.rowCount(), untouched ? otherRows : archive ? 1 : otherRows + 3 + 1);
        if (untouched)
            QCOMPARE(readBytes(path), others);
    }

    void initialisationStartsANewLog()
    {
        TestEnv env;
        SimulatorScope sim;
        sim.device().fill(4);
        MainWindow w;
        w.show();
        const QDateTime previous = QDateTime(QDate(2023, 1, 10), QTime(9, 0));
        const QDateTime chosen(QDate(2024, 5, 1), QTime(8, 0));
        for (const QString name : {"UJ", "ÉVA"}) {
            ModalDriver driver;
            driver.onModal(QStringLiteral("InitDlg"), [&](QWidget* d) {
                auto* dialog = static_cast<InitDlg*>(d);
                dialog->NewNameEdit->setText(name);
                dialog->NewDateTimeEdit->setDateTime(chosen);
                dialog->GivenTimeButton->click();
            });
            w.initialize();
            QVERIFY(driver.allDone());
            const QString path = env.path(name + ".ewl");
            auto* view = qobject_cast<LogView*>(w.activeMdiChild());
            QVERIFY(view);
            QCOMPARE(view->currentFile, path);
            LogModel* log = activeLog(w);
            QCOMPARE(qMakePair(log->rowCount(), log->entryAt(0).kind()), qMakePair(1, quint8(KindInitialised)));
            QCOMPARE(log->entryAt(0).dateTime(), chosen);
            QCOMPARE(log->entryAt(0).secondDateTime(), name == "UJ" ? previous : chosen);
            QVERIFY(!log->isModified());
            QCOMPARE(recentFiles().first(), path);
        }

        // A name of non-ASCII letters gives one log file, the one the window shows.
        QCOMPARE(QDir(env.workDir()).entryList({"*.ewl"}, QDir::Files, QDir::Name),
                 QStringList({"UJ.ewl", "ÉVA.ewl"}));
    }

    // A log the new one replaces is the only copy of that logger's history. The dialog
    // refuses a name with a log, so here the log comes once the dialog has checked the name.
    void initialisationKeepsTheOldLogAsItsBackup()
    {
        TestEnv env;
        SimulatorScope sim;
        const QString path = env.path("UJ.ewl");
        writeBytes(path + ".bak", "older");
        MainWindow w;
        w.show();
        ModalDriver driver;
        driver.onModal(QStringLiteral("InitDlg"), [&](QWidget* d) {
            auto* dialog = static_cast<InitDlg*>(d);
            dialog->NewNameEdit->setText("UJ");
            dialog->GivenTimeButton->click();
            writeBytes(path, "history");
        });
        w.initialize();
        QVERIFY(driver.allDone());
        QCOMPARE(readBytes(path + ".bak"), QByteArray("history"));
        QCOMPARE(activeLog(w)->rowCount(), 1);
        QVERIFY(LogModel().load(path, nullptr));
    }

    void withoutALoggerEveryCommandSaysSo()
    {
        // Windows and files are left alone.
        TestEnv env;
        SimulatorScope sim;
        sim.sim.removeDevices();
        MainWindow w;
        w.show();
        const QString noDevice = UsbCom::errorText(UsbNoDevice);
        ScriptedPrompts prompts;
        for (int i = 0; i < 3; ++i)
            prompts.expectNotice(Prompts::Kind::Warning, noDevice);
        prompts.expectQuestion("Az óra hangoláshoz szükséges, hogy a számítógép órája pontos legyen!", true)
            .expectNotice(Prompts::Kind::Warning, noDevice)
            .expectQuestion("órája pontos legyen", false);
        w.readOut();
        w.timeSet();
        w.initialize();
        w.clockTune();
        w.clockTune(); // "Nem": nothing more
        QCOMPARE(openWindows(w).size(), 0);
        QVERIFY(recentFiles().isEmpty());
        QVERIFY(QDir(env.workDir()).entryList({"*.ewl"}, QDir::Files).isEmpty());
    }

    void badDatagramsAreDroppedAndRelativePathsLieInTheWorkingDirectory()
    {
        TestEnv env;
        DatagramRig r;
        QVERIFY(r.listening());
        const QString sent = env.path("sent.txt");
        writeBytes(sent);
        r.send(QByteArray());
        r.send("/bad\x01name.txt");
        r.send(QByteArray(maxDatagramPathBytes + 1, 'a'));
        r.send(QByteArray("sent.txt\0tail", 13));
        QTRY_COMPARE(openWindows(r.w).size(), 1);
        QCOMPARE(activeTxt(r.w)->currentFile(), sent);
    }

    void samePathAgainOnlyActivatesItsWindow()
    {
        TestEnv env;
        DatagramRig r;
        QVERIFY(r.listening());
        const QString sent = env.path("sent.txt");
        writeBytes(sent);
        r.send(sent.toLocal8Bit());
        QTRY_COMPARE(openWindows(r.w).size(), 1);
        r.w.newTxtFile();
        r.send(sent.toLocal8Bit());
        QTRY_COMPARE(activeTxt(r.w)->currentFile(), sent);
        QCOMPARE(openWindows(r.w).size(), 2);
    }

    void pathDuringADeviceDialogWaitsForTheCommand()
    {
        // The clock setting is cancelled: no message, the clock untouched.
        TestEnv env;
        DatagramRig r;
        QVERIFY(r.listening());
        const QString during = env.path("during.txt");
        writeBytes(during);
        ModalDriver driver;
        driver.onModal("vglClkSetDlg", [&](QWidget* d) {
            r.send(during.toLocal8Bit());
            QTest::qWait(200);
            QCOMPARE(openWindows(r.w).size(), 0);
            static_cast<QDialog*>(d)->reject();
        });
        const int setsBefore = r.sim.sim.framesOf(0x02).size();
        r.w.timeSet();
        QVERIFY(driver.allDone());
        QCOMPARE(r.sim.sim.framesOf(0x02).size(), setsBefore);
        QCOMPARE(openWindows(r.w).size(), 1);
        QCOMPARE(activeTxt(r.w)->currentFile(), during);
    }

    void givenClockTimeGoesToTheLogger()
    {
        // Without a message box of the command's own.
        TestEnv env;
        DatagramRig r;
        const QDateTime given(QDate(2024, 2, 3), QTime(4, 5, 6));
        ModalDriver driver;
        driver.onModal("vglClkSetDlg", [&](QWidget* d) {
            auto* dialog = static_cast<vglClkSetDlg*>(d);
            dialog->dateEdit->setDate(given.date());
            dialog->timeEdit->setTime(given.time());
            dialog->given->click();
        });
        r.w.timeSet();
        QVERIFY(driver.allDone());
        QVERIFY(qAbs(r.sim.device().now().secsTo(given)) <= 2);
    }
};

WYX_TEST_MAIN(TestDeviceCommands)
#include "tst_devicecommands.moc"
