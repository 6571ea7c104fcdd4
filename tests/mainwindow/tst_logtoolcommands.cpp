#include "mainwindow/documenttestutil.h"
#include "support/modaldriver.h"

#include "codenames/kodneveditdialog.h"
#include "codenames/kodnevmodel.h"
#include "codenames/kodnevview.h"
#include "codenames/kodtableview.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "eventlog/archivedlg.h"
#include "eventlog/logfilterdlg.h"
#include "eventlog/logfinddlg.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QDir>

namespace {

QAction* act(MainWindow& w, const char* name)
{
    auto* a = w.findChild<QAction*>(QString::fromLatin1(name));
    if (!a)
        qFatal("no action %s", name);
    return a;
}

// A log of logger PROBA: its initialisation entry, then touches of ABC and BEEF, a read-out.
void writeToolLog(const QString& path)
{
    writeLog(path);
    LogModel log;
    QVERIFY(log.load(path, nullptr));
    QVector<LogEntry> more;
    const QDateTime t(QDate(2024, 3, 5), QTime(8, 0));
    for (int i = 0; i < 4; ++i) {
        unsigned char raw[LogEntry::size] = {};
        packDeviceTime(t.addSecs(60 * i), raw);
        raw[LogEntry::codeOffset] = i % 2 ? 0xBE : 0x01;
        LogEntry e;
        e.setBytes(raw);
        more << e;
    }
    LogEntry readOut;
    readOut.makeProgramEntry(t.addSecs(600), t, KindReadOut);
    more << readOut;
    log.appendEntries(more);
    QVERIFY(log.save(path, nullptr));
}

} // namespace

class TestLogToolCommands : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Q_INIT_RESOURCE(images); }

    void codeNameWindowCommands()
    {
        TestEnv env;
        appSettings().kodNevModel->removeRows(0, appSettings().kodNevModel->rowCount());
        MainWindow w;
        w.show();
        act(w, "kodNevOpenAct")->trigger();
        act(w, "kodNevOpenAct")->trigger(); // the one window is activated again
        QCOMPARE(openWindows(w).size(), 1);
        QCOMPARE(w.activeViewKind(), int(KodnevViewKind));
        auto* names = qobject_cast<KodnevView*>(w.activeMdiChild());
        QVERIFY(names);
        QVERIFY(act(w, "kodNevNewEntryAct")->isVisible());
        QVERIFY(!act(w, "findCmdAct")->isVisible());
        QVERIFY(!act(w, "kodNevEditEntryAct")->isEnabled()); // an empty list: nothing selected

        ModalDriver driver;
        driver.onModal("KodNevEditDialog", [](QWidget* d) {
            auto* dlg = qobject_cast<KodNevEditDialog*>(d);
            dlg->setCode("abc");
            dlg->nevEdit->setText("Kapu");
            QTest::mouseClick(dlg->OKButton, Qt::LeftButton);
        });
        act(w, "kodNevNewEntryAct")->trigger();
        QCOMPARE(appSettings().kodNevModel->rowCount(), 1);
        names->table()->selectRow(0);
        QVERIFY(act(w, "kodNevEditEntryAct")->isEnabled());
        QVERIFY(act(w, "kodNevDeleteEntryAct")->isEnabled());
        names->table()->clearSelection();
        QVERIFY(!act(w, "kodNevDeleteEntryAct")->isEnabled());

        w.close(); // closes the window, which saves the list
        QVERIFY(!appSettings().kodNevModel->isModified());
        QVERIFY(QFile::exists(appSettings().codeFilePath()));
    }

    void logCommandsReachTheActiveLog()
    {
        TestEnv env;
        appSettings().kodNevModel->removeRows(0, appSettings().kodNevModel->rowCount());
        appSettings().kodNevModel->save();
        writeToolLog(env.path("PROBA.ewl"));
        MainWindow w;
        w.show();
        w.loadFile(env.path("PROBA.ewl"));
        auto* log = qobject_cast<LogView*>(w.activeMdiChild());
        QVERIFY(log);
        LogTableView* t = log->table();
        QCOMPARE(t->currentSourceRow(), 5);

        // Find: the dialog is prefilled from the read-out row, then steps backwards to the
        // initialisation entry.
        auto* find = w.findChild<LogFindDlg*>();
        QVERIFY(find);
        act(w, "findCmdAct")->trigger();
        QVERIFY(find->isVisible());
        QCOMPARE(find->SpecialCombo->currentIndex(), 8);
        find->SpecialCombo->setCurrentIndex(2);
        QTest::mouseClick(find->FindButton, Qt::LeftButton);
        QCOMPARE(t->currentSourceRow(), 0);
        find->reject();

        // Filter from a touch of ABC: its two touches.
        ModalDriver driver;
        t->selectRow(1);
        driver.onModal("logFilterDlg", [](QWidget* d) {
            QTest::mouseClick(qobject_cast<logFilterDlg*>(d)->filterButton, Qt::LeftButton);
        });
        act(w, "filterCmdAct")->trigger();
        QCOMPARE(t->model()->rowCount(), 2);

        // Naming the current touch.
        QVERIFY(act(w, "namedCurrentPointCmdAct")->isEnabled());
        driver.onModal("KodNevEditDialog", [](QWidget* d) {
            auto* dlg = qobject_cast<KodNevEditDialog*>(d);
            dlg->nevEdit->setText("Kapu");
            QTest::mouseClick(dlg->OKButton, Qt::LeftButton);
        });
        act(w, "namedCurrentPointCmdAct")->trigger();
        QCOMPARE(appSettings().kodNevModel->rowCount(), 1);

        // Archiving everything into the archive directory.
        appSettings().archiveDir = env.root();
        driver.onModal("archiveDlg", [](QWidget* d) {
            auto* dlg = qobject_cast<archiveDlg*>(d);
            QVERIFY(!dlg->parent());
            dlg->emptyRadio->setChecked(true);
            QTest::mouseClick(dlg->OkButton, Qt::LeftButton);
        });
        act(w, "logArchiveAct")->trigger();
        QCOMPARE(t->logModel->rowCount(), 1);
        QCOMPARE(QDir(env.root()).entryList({"PROBA_*.ewa"}).size(), 1);
        QCOMPARE(t->model()->rowCount(), 0); // the ABC filter still holds
        QVERIFY(driver.allDone());
    }
};

WYX_TEST_MAIN(TestLogToolCommands)
#include "tst_logtoolcommands.moc"
