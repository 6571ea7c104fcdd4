#include "logtestutil.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevmodel.h"
#include "codenames/pointselectpopupdlg.h"
#include "core/constants.h"
#include "core/settings.h"
#include "eventlog/logfilterdlg.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logfinddlg.h"
#include "eventlog/logkinds.h"
#include "eventlog/logmodel.h"
#include "eventlog/logsearch.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QSortFilterProxyModel>

using namespace LogTest;

namespace {

// Every kind the filter and the search tell apart, touches of two codes and one late touch
// (rows 17, 18 a minute apart; row 19 two hours after row 18).
QVector<LogEntry> everyKind()
{
    QVector<LogEntry> log;
    int minute = 0;
    for (int kind : {200, 214, 215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 225, 255})
        log << event(kind, minute++);
    log << touch(14, "ABC") << touch(15, "BEEF") << touch(16, "ABC") << touch(17, "BEEF") << touch(18, "ABC")
        << touch(138, "ABC");
    return log;
}

QString shownRows(const QAbstractItemModel& proxy, const QSortFilterProxyModel* mapper = nullptr)
{
    QStringList rows;
    for (int r = 0; r < proxy.rowCount(); ++r) {
        const QModelIndex i = proxy.index(r, 0);
        rows << QString::number(mapper ? mapper->mapToSource(i).row() : i.data().toInt() - 1);
    }
    return rows.join(' ');
}

// The rows a plain proxy shows when it tests the cell texts, as the pattern defines it.
QString rowsByText(LogModel& log, const QRegExp& pattern, int column)
{
    QSortFilterProxyModel plain;
    plain.setSourceModel(&log);
    plain.setFilterKeyColumn(column);
    plain.setFilterRegExp(pattern);
    return shownRows(plain, &plain);
}

// Through a file, so that kinds 225 and above stay in the log (a read-out drops them).
void load(LogView& view, const QVector<LogEntry>& entries)
{
    LogModel log(entries);
    QVERIFY(log.save(QStringLiteral("VIG1.ewl"), nullptr));
    QVERIFY(view.loadFile(QStringLiteral("VIG1.ewl")));
}

} // namespace

class TestLogSearch : public QObject
{
    Q_OBJECT
private slots:
    // The item both dialogs preselect for a row's kind: 215 to 224, then others.
    void kindItemMap()
    {
        QStringList items;
        for (int kind : {215, 216, 217, 218, 219, 220, 221, 222, 223, 224, 200, 214, 230, 255})
            items << QString::number(LogKinds::itemForKind(kind));
        QCOMPARE(items.join(' '), QStringLiteral("7 5 4 6 3 8 10 9 2 0 0 0 0 0"));
    }

    // Search "Bármilyen" finds 223 and not 225 and above; the filter's is the reverse.
    void searchKinds_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("rows");
        QTest::newRow("any") << 0 << "0 1 2 3 4 5 6 7 8 9 10 11 19";
        QTest::newRow("manipulation") << 1 << "3 4 6";
        QTest::newRow("initialised") << 2 << "10";
        QTest::newRow("deep discharge") << 7 << "2";
        QTest::newRow("long gap") << 11 << "19";
    }
    void searchKinds()
    {
        QFETCH(int, item);
        QFETCH(QString, rows);
        TestEnv env;
        appSettings().flags |= OptBackToBackSpecial;
        LogModel log(everyKind());
        LogSearchCriteria c;
        c.reverse = false;
        c.kindItem = item;
        QStringList found;
        for (int r = log.findFrom(-1, c); r >= 0; r = log.findFrom(r, c))
            found << QString::number(r);
        QCOMPARE(found.join(' '), rows);
    }

    void dateCriteria_data()
    {
        QTest::addColumn<bool>("withTime");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("found");
        // Rows: day 0 08:00, day 0 09:00, day 1 08:00, day 2 08:00; wanted: day 1 07:00.
        QTest::newRow("day exact forward") << false << true << false << -1 << 2;
        QTest::newRow("day exact backward") << false << true << true << 4 << 2;
        QTest::newRow("day bound forward") << false << false << false << 2 << 3;
        QTest::newRow("day bound backward") << false << false << true << 2 << 1;
        QTest::newRow("time exact") << true << true << false << -1 << -1;
        QTest::newRow("time bound forward") << true << false << false << -1 << 2;
        QTest::newRow("time bound backward") << true << false << true << 4 << 1;
    }
    void dateCriteria()
    {
        QFETCH(bool, withTime);
        QFETCH(bool, exact);
        QFETCH(bool, reverse);
        QFETCH(int, start);
        QFETCH(int, found);
        TestEnv env;
        LogModel log({touch(0, "A"), touch(60, "A"), touch(1440, "A"), touch(2880, "A")});
        LogSearchCriteria c;
        c.byDate = true;
        c.byEntry = false;
        c.withTime = withTime;
        c.exact = exact;
        c.reverse = reverse;
        c.date = QDate(2024, 3, 6);
        c.time = QTime(7, 0);
        QCOMPARE(log.findFrom(start, c), found);
    }

    // Stamps that are no real date match no date; dates before 1970 compare like any other.
    void dateCriteriaOnOddStamps()
    {
        TestEnv env;
        appSettings().century = 1950;
        LogEntry april31 = touch(0, "A");
        unsigned char raw[LogEntry::size];
        std::copy(april31.bytes(), april31.bytes() + LogEntry::size, raw);
        raw[1] = (4 << 5) | 31;
        april31.setBytes(raw);
        LogModel log({april31, touchAt(QDateTime(QDate(1960, 6, 1), QTime(8, 0)), "A"),
                      touchAt(QDateTime(QDate(1961, 6, 1), QTime(8, 0)), "A")});
        QVERIFY(!log.entryAt(0).dateTime().isValid());
        LogSearchCriteria c;
        c.byDate = true;
        c.byEntry = false;
        c.reverse = false;
        c.date = QDate(1900, 1, 1);
        QCOMPARE(log.findFrom(-1, c), 1);
        c.exact = true;
        c.withTime = false;
        c.date = QDate(1961, 6, 1);
        QCOMPARE(log.findFrom(-1, c), 2);
    }

    void dateCriteriaInTheSkippedSpringHour_data()
    {
        QTest::addColumn<bool>("withTime");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<QTime>("time");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("found");
        // Rows stamped 01:30, 02:30 (the hour the clocks skip here) and 03:30 that day.
        QTest::newRow("time exact") << true << true << false << QTime(2, 30) << -1 << 1;
        QTest::newRow("time exact backward") << true << true << true << QTime(2, 30) << 3 << 1;
        QTest::newRow("day exact") << false << true << false << QTime(2, 30) << 0 << 1;
        QTest::newRow("time bound forward") << true << false << false << QTime(2, 0) << -1 << 1;
        QTest::newRow("time bound backward") << true << false << true << QTime(2, 59) << 3 << 1;
        QTest::newRow("time bound backward, before it") << true << false << true << QTime(2, 29) << 3 << 0;
    }

    // A logger still on winter time writes such stamps; they match as they read.
    void dateCriteriaInTheSkippedSpringHour()
    {
        QFETCH(bool, withTime);
        QFETCH(bool, exact);
        QFETCH(bool, reverse);
        QFETCH(QTime, time);
        QFETCH(int, start);
        QFETCH(int, found);
        TestEnv env;
        const QDate day(2026, 3, 29);
        auto stamped = [&day](int hour) { return touchAt(QDateTime(day, QTime(hour, 30), Qt::UTC), "A"); };
        LogModel log({stamped(1), stamped(2), stamped(3)});
        LogSearchCriteria c;
        c.byDate = true;
        c.byEntry = false;
        c.withTime = withTime;
        c.exact = exact;
        c.reverse = reverse;
        c.date = day;
        c.time = time;
        QCOMPARE(log.findFrom(start, c), found);
    }

    // Steps never wrap, and pass over matches the filter hides.
    void findSteps()
    {
        TestEnv env;
        LogView view;
        LogTableView* t = view.table();
        LogFindDlg dlg;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, "a napló eleje felé haladva!");
        t->findNext(&dlg); // empty log, backward

        load(view, everyKind());
        t->selectRow(16);
        t->findNext(&dlg); // the initial criteria: the nearest earlier event of 200 to 224
        QCOMPARE(t->currentSourceRow(), 11);
        t->selectRow(0);
        prompts.expectNotice(Prompts::Kind::Information, "a napló eleje felé haladva!");
        t->findNext(&dlg);
        QCOMPARE(t->currentSourceRow(), 0);

        dlg.ReverseCheck->setChecked(false);
        dlg.NormalRadio->setChecked(true);
        dlg.PointEdit->setText(QStringLiteral("abc")); // ABC and nine A
        t->setCurrentIndex(QModelIndex());
        t->findNext(&dlg); // no current row: forward from row 0 itself
        QCOMPARE(t->currentSourceRow(), 14);
        t->applyFilter(true, true, QStringLiteral("beef"), 0);
        t->selectRow(0);
        prompts.expectNotice(Prompts::Kind::Information, "a napló vége felé haladva!");
        t->findNext(&dlg); // ABC's touches are all hidden
        QCOMPARE(t->currentSourceRow(), 15);
        t->applyFilter(false, false, QString(), 0);
        t->findNext(&dlg);
        QCOMPARE(t->currentSourceRow(), 16);
    }

    void prefillFromCurrentRow()
    {
        TestEnv env;
        LogView view;
        LogTableView* t = view.table();
        load(view, everyKind());
        LogFindDlg dlg;
        dlg.DateFindingCheck->setChecked(true);
        dlg.ExactMatchCheck->setChecked(true);
        t->selectRow(14);
        t->prefillFindDialog(&dlg);
        QVERIFY(dlg.NormalRadio->isChecked());
        QCOMPARE(dlg.PointEdit->text(), QStringLiteral("ABCAAAAAAAAA"));
        QVERIFY(!dlg.DateFindingCheck->isChecked());
        QVERIFY(dlg.ExactMatchCheck->isChecked()); // kept as the user left it
        t->selectRow(11); // kind 224
        t->prefillFindDialog(&dlg);
        QVERIFY(dlg.SpecialCombo->isEnabled());
        QCOMPARE(dlg.SpecialCombo->currentIndex(), 0);
        t->selectRow(7);
        t->prefillFindDialog(&dlg);
        QCOMPARE(dlg.SpecialCombo->currentText(), QStringLiteral("Kiolvasás"));
    }

    void findDialogKeepsOneCriterion()
    {
        LogFindDlg dlg;
        dlg.DateFindingCheck->setChecked(true);
        QVERIFY(dlg.timeEdit->isEnabled());
        dlg.EntryFindingCheck->setChecked(false);
        dlg.DateFindingCheck->setChecked(false); // the entry criterion comes back on
        QVERIFY(dlg.EntryFindingCheck->isChecked());
        QVERIFY(dlg.SpecialCombo->isEnabled());
        QVERIFY(!dlg.dateEdit->isEnabled());
        QSignalSpy find(&dlg, &LogFindDlg::findIt);
        QTest::mouseClick(dlg.FindButton, Qt::LeftButton);
        QCOMPARE(find.count(), 1);
    }

    void codeFieldsTakeThePickersChoice()
    {
        TestEnv env;
        KodNevModel* names = appSettings().kodNevModel;
        names->removeRows(0, names->rowCount());
        LogFindDlg find;
        logFilterDlg filter;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "Nincs egyetlen elnevezett ellenőrző pont sem!");
        find.PointPopup(); // an empty list: the field stays
        QCOMPARE(find.PointEdit->text(), QStringLiteral("AAAAAAAAAAAA"));
        KodNev k;
        QVERIFY(k.set("BEEF", "Raktar", QDate(2001, 1, 1), Qt::white, Qt::black));
        names->addEntry(k, true);
        ModalDriver driver;
        auto pickFirst = [](QWidget* w) {
            auto* p = qobject_cast<PointSelectPopUpDlg*>(w);
            p->listView->setCurrentIndex(p->listView->model()->index(0, 3));
            QTest::mouseClick(p->SelectButton, Qt::LeftButton);
        };
        driver.onModal("PointSelectPopUpDlg", pickFirst).onModal("PointSelectPopUpDlg", pickFirst);
        find.PointPopup();
        filter.PointPopup();
        QCOMPARE(find.PointEdit->text(), QStringLiteral("BEEFAAAAAAAA"));
        QCOMPARE(filter.PointEdit->text(), QStringLiteral("BEEFAAAAAAAA"));
    }

    // The proxy accepts rows from the entries' bytes; the result must equal the test of the
    // cell texts that the pattern describes. "Bármilyen" hides 223 and shows 225 and above.
    void filterMatchesCellTexts_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("lateOption");
        QTest::addColumn<QString>("rows");
        QTest::newRow("any") << 0 << true << "0 1 2 3 4 5 6 7 8 9 11 12 13 19";
        QTest::newRow("manipulation") << 1 << true << "3 4 6";
        QTest::newRow("initialised") << 2 << true << "10";
        QTest::newRow("moisture") << 5 << true << "3";
        QTest::newRow("archived") << 9 << true << "9";
        QTest::newRow("long gap") << 11 << true << "19";
        QTest::newRow("long gap, option off") << 11 << false << "";
    }
    void filterMatchesCellTexts()
    {
        QFETCH(int, item);
        QFETCH(bool, lateOption);
        QFETCH(QString, rows);
        TestEnv env;
        appSettings().flags = lateOption ? appSettings().flags | OptBackToBackSpecial
                                         : appSettings().flags & ~OptBackToBackSpecial;
        LogView view;
        LogTableView* t = view.table();
        QAbstractItemModelTester tester(t->model());
        load(view, everyKind());
        t->applyFilter(true, false, QString(), item);
        QCOMPARE(shownRows(*t->model()), rows);
        QCOMPARE(rowsByText(*t->logModel, LogKinds::markerFilter(item), LogModel::ColumnMarker), rows);
        QVERIFY(!t->proxy()->isCheckpointFilterActive());
    }

    void checkpointFilterShowsOneCode()
    {
        TestEnv env;
        appSettings().flags &= ~OptPointCode; // the code column hidden: the filter still works
        LogView view;
        LogTableView* t = view.table();
        QAbstractItemModelTester tester(t->model());
        load(view, everyKind());
        t->selectRow(15);
        t->applyFilter(true, true, QStringLiteral("abc"), 0);
        QCOMPARE(shownRows(*t->model()), QStringLiteral("14 16 18 19"));
        QCOMPARE(rowsByText(*t->logModel, t->proxy()->filterRegExp(), LogModel::ColumnCode), shownRows(*t->model()));
        QCOMPARE(t->proxy()->filterRegExp().pattern(), QStringLiteral("ABCAAAAAAAAA"));
        QCOMPARE(t->currentSourceRow(), 19); // row 15 hidden: the last shown row
        t->logModel->appendEntries({touch(200, "BEEF"), touch(201, "abc")}); // later rows: the same rule
        QCOMPARE(shownRows(*t->model()), QStringLiteral("14 16 18 19 21"));
        t->selectRow(1);
        t->applyFilter(false, false, QString(), 0);
        QCOMPARE(t->model()->rowCount(), 22);
        QCOMPARE(t->currentSourceRow(), 16); // kept, and still the only selected row
        QCOMPARE(t->selectionModel()->selectedRows().size(), 1);
    }

    // Under a checkpoint filter the description tells the time since that checkpoint's
    // previous touch, however many other rows lie between.
    void elapsedSinceSameCheckpoint()
    {
        TestEnv env;
        appSettings().flags |= OptBackToBack;
        LogView view;
        LogTableView* t = view.table();
        load(view, everyKind());
        auto description = [t](int proxyRow) { return t->model()->index(proxyRow, 4).data().toString(); };
        const QString plain = t->logModel->entryAt(14).description(false);
        QCOMPARE(description(16), plain + " ( 0:01:00 )"); // any code's previous touch without the filter
        t->applyFilter(true, true, QStringLiteral("ABC"), 0);
        QCOMPARE(description(0), plain); // the first touch of the code
        QCOMPARE(description(1), plain + " ( 0:02:00 )");
        QCOMPARE(description(3), plain + " ( 2:00:00 )");
        QCOMPARE(t->logModel->elapsedText(19, true), QStringLiteral("2:00:00"));
    }

    void filterCommandThroughItsDialog()
    {
        TestEnv env;
        LogView view;
        LogTableView* t = view.table();
        load(view, everyKind());
        t->selectRow(15);
        ModalDriver driver;
        driver.onModal("logFilterDlg", [](QWidget* w) {
            auto* d = qobject_cast<logFilterDlg*>(w);
            QCOMPARE(d->PointEdit->text(), QStringLiteral("BEEFAAAAAAAA")); // prefilled from the touch
            QVERIFY(!d->SpecialCombo->isEnabled());
            QTest::mouseClick(d->filterButton, Qt::LeftButton);
        });
        driver.onModal("logFilterDlg", [](QWidget* w) { // cancelled: the filter stays
            QTest::mouseClick(qobject_cast<logFilterDlg*>(w)->cancelButton, Qt::LeftButton);
        });
        driver.onModal("logFilterDlg", [](QWidget* w) {
            QTest::mouseClick(qobject_cast<logFilterDlg*>(w)->noFilterButton, Qt::LeftButton);
        });
        view.filterLog();
        QCOMPARE(shownRows(*t->model()), QStringLiteral("15 17"));
        view.filterLog();
        QCOMPARE(t->model()->rowCount(), 2);
        view.filterLog();
        QCOMPARE(t->model()->rowCount(), 20);
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
};

WYX_TEST_MAIN(TestLogSearch)
#include "tst_logsearch.moc"
