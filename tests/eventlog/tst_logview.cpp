#include "ui_unnamedpointdlg.h" // generated for this target too

#include "codenames/kodnevmodel.h"
#include "codenames/unnamedpointdlg.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QHeaderView>
#include <QStyle>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

namespace {

LogEntry touch(int minutes, const QString& code)
{
    unsigned char raw[LogEntry::size];
    packDeviceTime(QDateTime(QDate(2024, 3, 5), QTime(8, 0)).addSecs(60 * minutes), raw);
    KodNev k;
    k.setCode(code);
    std::copy(k.code, k.code + KodNev::codeSize, raw + LogEntry::codeOffset);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

// A logger or program event of this kind at a fixed time.
LogEntry entry(unsigned char kind)
{
    const unsigned char raw[LogEntry::size] = {kind, 0x18, 0x35, 0x10, 0x00};
    LogEntry e;
    e.setBytes(raw);
    return e;
}

} // namespace

// ABC named, ABBA only from a later date; touches over an hour apart late. Extraordinary
// rows: 0, 3, 5, 7 (a late touch) and 8. Needs a TestEnv.
LogView* openSampleLog()
{
    KodNev name;
    for (const QString& code : {QStringLiteral("ABC"), QStringLiteral("ABBA")}) {
        name.set(code, "Kapu", QDate(code == "ABC" ? 2000 : 2030, 1, 1), Qt::yellow, Qt::black);
        appSettings().kodNevModel->addEntry(name, true);
    }
    appSettings().followTime = QTime(1, 0);
    appSettings().flags = OptColorHighlight | OptBackToBackSpecial | OptAlternateBack;
    LogModel log;
    log.appendEntries({entry(KindReadOut), touch(1, "ABC"), touch(2, "C"), entry(KindCase), touch(3, "C"),
                       entry(KindClockSet), touch(4, "C"), touch(100, "C"), entry(KindReadOut)});
    auto* view = new LogView;
    if (!log.save(QStringLiteral("VIG1.ewl"), nullptr) || !view->loadFile(QStringLiteral("VIG1.ewl")))
        QTest::qFail("the sample log did not load", __FILE__, __LINE__);
    return view;
}

class TestLogView : public QObject
{
    Q_OBJECT
private slots:
    // The row-number column is wide enough for the largest row number, and never narrower
    // than seven nines.
    void rowNumbersFitTheirColumn()
    {
        TestEnv env;
        LogTableView view;
        view.setupColumns();
        const QFontMetrics metrics(documentFont());
        const int nine = metrics.horizontalAdvance(QLatin1Char('9'));
        QCOMPARE(view.columnWidth(LogModel::ColumnRow), 7 * nine);
        const int margin = view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1;
        for (const int rows : {99999, 100000, 1000000}) {
            view.logModel->appendEntries(QVector<LogEntry>(rows - view.logModel->rowCount(), touch(1, "ABC")));
            const int text = metrics.horizontalAdvance(QString::number(rows));
            QVERIFY2(view.columnWidth(LogModel::ColumnRow) >= text + 2 * margin, qPrintable(QString::number(rows)));
            QVERIFY(view.columnWidth(LogModel::ColumnRow) >= 7 * nine);
        }
        view.setupColumns(); // a reset of the layout keeps it
        QVERIFY(view.columnWidth(LogModel::ColumnRow) >= metrics.horizontalAdvance("1000000") + 2 * margin);
    }

    void loadedLogIsShownAtItsEnd()
    {
        TestEnv env;
        const std::unique_ptr<LogView> view(openSampleLog());
        QCOMPARE(view->table()->currentSourceRow(), 8);
    }

    void coloursAndMarksOfRows()
    {
        // Only rows without a colour of their own turn grey; the late touch is marked and slanted.
        TestEnv env;
        const std::unique_ptr<LogView> view(openSampleLog());
        LogTableView* t = view->table();
        auto cell = [t](int row, int column, int role) { return t->model()->index(row, column).data(role); };
        QCOMPARE(cell(1, 2, Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::yellow));
        QCOMPARE(cell(7, 2, Qt::BackgroundRole).value<QBrush>().color(), alternateRowColor);
        QCOMPARE(cell(7, 1, Qt::DisplayRole).toString(), markLongGap);
        QVERIFY(cell(7, 2, Qt::FontRole).value<QFont>().italic());
    }

    void changedOptionsApplyAtOnce()
    {
        // The headers keep the small row height and the narrow marker column.
        TestEnv env;
        const std::unique_ptr<LogView> view(openSampleLog());
        LogTableView* t = view->table();
        QVERIFY(t->isColumnHidden(3));
        appSettings().flags |= OptPointCode;
        appSettings().fontSize = 30;
        appSettings().save(); // announces optionsChanged
        QVERIFY(!t->isColumnHidden(3));
        const QFontMetrics fm(QFont(appSettings().fontFace, appSettings().fontSize, QFont::Normal));
        QCOMPARE(t->verticalHeader()->defaultSectionSize(), fm.height());
        QCOMPARE(t->columnWidth(1), 2 * fm.horizontalAdvance(QLatin1Char('9')));
    }

    void stepsSelectOneRowEvenWithShiftHeld()
    {
        TestEnv env;
        const std::unique_ptr<LogView> view(openSampleLog());
        LogTableView* t = view->table();
        view->show();
        t->selectRow(1);
        QTest::keyPress(t, Qt::Key_Shift, Qt::ShiftModifier);
        t->nextExtraordinary();
        QTest::keyRelease(t, Qt::Key_Shift, Qt::NoModifier);
        QCOMPARE(t->currentSourceRow(), 3);
        QCOMPARE(t->selectionModel()->selectedRows().size(), 1);
    }

    void stepsGoPastFilteredRows()
    {
        // Case openings and clock settings hidden: the steps go past them.
        TestEnv env;
        const std::unique_ptr<LogView> view(openSampleLog());
        LogTableView* t = view->table();
        view->show();
        t->proxy()->setFilterKeyColumn(1);
        t->proxy()->setFilterRegExp(QRegExp(QStringLiteral("^[^#!]$")));
        t->selectRow(1);
        t->nextExtraordinary();
        QCOMPARE(t->currentSourceRow(), 7);
        t->previousExtraordinary();
        QCOMPARE(t->currentSourceRow(), 0);
    }

    void stepPastTheEndIsToldAndClosingTheTableClosesTheWindow()
    {
        TestEnv env;
        QPointer<LogView> view(openSampleLog());
        QPointer<LogTableView> t(view->table());
        view->show();
        t->JumpToEnd();
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("a napló vége felé haladva"));
        t->nextExtraordinary();
        QCOMPARE(t->currentSourceRow(), 8);
        QVERIFY(t->close()); // closes the whole window
        QTRY_VERIFY(view.isNull());
        QVERIFY(t.isNull());
    }

    void jumpsToBeginAndEnd()
    {
        TestEnv env;
        const std::unique_ptr<LogView> view(openSampleLog());
        LogTableView* t = view->table();
        t->JumpToBegin();
        QCOMPARE(t->currentSourceRow(), 0);
        t->JumpToEnd();
        QCOMPARE(t->currentSourceRow(), 8);
        LogView empty; // nothing to jump to: nothing selected, nothing breaks
        empty.table()->JumpToBegin();
        empty.table()->JumpToEnd();
        QCOMPARE(empty.table()->currentSourceRow(), -1);
    }

    // A smaller table still shows the current row it showed; one the user has scrolled away
    // from is not pulled back.
    void resizeKeepsTheCurrentRowInView_data()
    {
        QTest::addColumn<bool>("scrolledAway");
        QTest::addRow("in view") << false;
        QTest::addRow("scrolled away") << true;
    }

    void resizeKeepsTheCurrentRowInView()
    {
        QFETCH(bool, scrolledAway);
        TestEnv env;
        LogTableView view;
        QVector<LogEntry> entries;
        for (int i = 0; i < 100; ++i)
            entries << touch(i, "C");
        view.logModel->appendEntries(entries);
        view.resize(400, 600);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.JumpToEnd();
        if (scrolledAway)
            view.scrollToTop();
        view.resize(400, 300);
        QScrollBar* rows = view.verticalScrollBar();
        QCOMPARE(rows->value(), scrolledAway ? 0 : rows->maximum());
    }

    void multipleSelectionCountsRows()
    {
        TestEnv env;
        const std::unique_ptr<LogView> view(openSampleLog());
        LogTableView* t = view->table();
        view->show();
        t->selectRow(1);
        QVERIFY(!view->hasMultipleSelection());
        QItemSelectionModel* selection = t->selectionModel();
        selection->select(t->model()->index(4, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QVERIFY(view->hasMultipleSelection());
        // Cells of two rows, not whole rows: no row is selected.
        selection->select(QItemSelection(t->model()->index(2, 1), t->model()->index(3, 2)),
                          QItemSelectionModel::ClearAndSelect);
        QVERIFY(!view->hasMultipleSelection());
    }

    void namingWalkThroughTheRealDialog()
    {
        TestEnv env;
        KodNev name;
        QVERIFY(name.set("ABBA", "Kapu", QDate(2030, 1, 1), Qt::yellow, Qt::black));
        appSettings().kodNevModel->addEntry(name, true);
        LogView naming;
        naming.table()->logModel->appendEntries({touch(0, "ABBA"), touch(1, "BEEF"), entry(KindReadOut),
                                               touch(3, "CAFE"), touch(4, "BEEF"), touch(5, "CAFE"),
                                               touch(6, "DEAD"), touch(7, "F00D")});
        using Step = std::function<void(UnNamedPointDlg*)>;
        const Step skip = [](UnNamedPointDlg* d) { QTest::mouseClick(d->skipButton, Qt::LeftButton); };
        const Step add = [](UnNamedPointDlg* d) {
            QTest::keyClicks(d->nevEdit, QStringLiteral("Raktar 1"));
            d->ervenyesEdit->setDate(QDate(2020, 5, 1));
            QTest::mouseClick(d->addNameButton, Qt::LeftButton);
        };
        QList<Step> steps{skip, add, skip, [](UnNamedPointDlg* d) { QTest::keyClick(d, Qt::Key_Escape); }};
        QStringList asked;
        QTimer answers; // answers each wait of the dialog with the next step
        connect(&answers, &QTimer::timeout, this, [&] {
            auto* dlg = qobject_cast<UnNamedPointDlg*>(QApplication::activeModalWidget());
            if (dlg && dlg->skipButton->isEnabled() && !steps.isEmpty()) {
                asked << dlg->kodEdit->text().left(4);
                steps.takeFirst()(dlg);
            }
        });
        answers.start(2);
        naming.table()->nameUnnamedPoints();

        // ABBA counts as named; BEEF is asked again at its next touch, CAFE only until named;
        // Escape ends the walk.
        QCOMPARE(asked, (QStringList{"BEEF", "CAFE", "BEEF", "DEAD"}));
        KodNevModel* names = appSettings().kodNevModel;
        KodNev key;
        key.setCode(QStringLiteral("CAFE"));
        const KodNev named = names->entryAt(names->findCode(key));
        QCOMPARE(named.datedName.name, "Raktar 1");
        QCOMPARE(named.datedName.validFrom, QDate(2020, 5, 1));
        QVERIFY(!names->isModified()); // saved at the end of the walk
    }
};

WYX_TEST_MAIN(TestLogView)
#include "tst_logview.moc"
