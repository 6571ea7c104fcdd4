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
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QPointer>
#include <QSignalSpy>
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

LogEntry logEvent(unsigned char kind)
{
    const unsigned char raw[LogEntry::size] = {kind, 0x18, 0x35, 0x10, 0x00};
    LogEntry e;
    e.setBytes(raw);
    return e;
}

// A shown log window over the entries.
LogView* window(const QVector<LogEntry>& entries)
{
    auto* view = new LogView;
    view->table()->logModel->appendEntries(entries);
    view->show();
    return view;
}

// Runs act once the naming dialog asks for this code.
void whenAsking(QWidget* w, const QString& code, std::function<void(UnNamedPointDlg*)> act)
{
    auto* d = static_cast<UnNamedPointDlg*>(w);
    if (d->kodEdit->text() == code && d->nevEdit->isEnabled())
        act(d);
    else
        QTimer::singleShot(5, d, [d, code, act] { whenAsking(d, code, act); });
}

} // namespace

class TestLogView : public QObject
{
    Q_OBJECT
private slots:
    void layoutFollowsTheOptions();
    void kindsShownWithMarkersAndColours();
    void extraordinaryStepsThroughTheFilter();
    void jumpsAndSelection();
    void loadCloseAndContextMenu();
    void namingUnnamedCodes();
};

void TestLogView::layoutFollowsTheOptions()
{
    TestEnv env;
    appSettings().flags &= ~OptPointCode;
    QScopedPointer<LogView> view(window({touch(0, "ABC")}));
    LogTableView* t = view->table();
    QCOMPARE(t->proxy()->sourceModel(), t->logModel);
    QVERIFY(t->isColumnHidden(3));
    auto checkMeasures = [t] {
        const QFontMetrics fm(QFont(appSettings().fontFace, appSettings().fontSize, QFont::Normal));
        const int nine = fm.horizontalAdvance(QLatin1Char('9'));
        QCOMPARE(t->verticalHeader()->defaultSectionSize(), fm.height());
        QCOMPARE(t->columnWidth(1), 2 * nine);
        QCOMPARE(t->columnWidth(2), 24 * nine);
        QCOMPARE(t->minimumWidth(), 81 * nine);
    };
    checkMeasures();

    appSettings().flags |= OptPointCode;
    appSettings().fontSize = 30;
    appSettings().save(); // announces optionsChanged
    QVERIFY(!t->isColumnHidden(3));
    checkMeasures();
    QCOMPARE(t->horizontalHeader()->sectionResizeMode(4), QHeaderView::Stretch);
}

void TestLogView::kindsShownWithMarkersAndColours()
{
    TestEnv env;
    KodNev name;
    QVERIFY(name.set("ABC", "Kapu", QDate(2000, 1, 1), Qt::yellow, Qt::blue));
    appSettings().kodNevModel->addEntry(name, true);
    QVector<LogEntry> entries{touch(0, "ABC"), touch(1, "DEF")};
    for (int kind = KindDeepDischarge; kind <= KindForeignInit; ++kind)
        entries << logEvent(static_cast<unsigned char>(kind));
    entries << logEvent(200) << touch(200, "ABC"); // the last touch is late
    appSettings().followTime = QTime(1, 0);
    appSettings().flags = OptColorHighlight | OptBackToBackSpecial | OptPointCode;
    QScopedPointer<LogView> view(window(entries));
    const QAbstractItemModel* m = view->table()->model();
    auto cell = [m](int row, int column, int role) { return m->data(m->index(row, column), role); };

    const QString markers[] = {markTouch, markTouch, markDeepDischarge, markMoisture, markCase,
                               markBattery, markClockSet, markReadOut, markDataGap, markArchived,
                               markInitialised, markForeignInit, markUnknown, markLongGap};
    QCOMPARE(m->rowCount(), int(std::size(markers)));
    for (int row = 0; row < m->rowCount(); ++row)
        QCOMPARE(cell(row, 1, Qt::DisplayRole).toString(), markers[row]);
    QCOMPARE(cell(0, 3, Qt::DisplayRole).toString(), QStringLiteral("ABCAAAAAAAAA"));
    auto fore = [&](int row) { return cell(row, 2, Qt::ForegroundRole).value<QBrush>().color(); };
    auto back = [&](int row) { return cell(row, 2, Qt::BackgroundRole).value<QBrush>().color(); };
    QCOMPARE(back(0), QColor(Qt::yellow));
    QCOMPARE(fore(0), QColor(Qt::blue));
    QCOMPARE(fore(4), QColor(Qt::red)); // case opened
    QVERIFY(cell(13, 2, Qt::FontRole).value<QFont>().italic());

    appSettings().flags = OptAlternateBack; // plain black on white, every other row grey
    for (int row = 0; row < m->rowCount(); ++row) {
        QCOMPARE(fore(row), defaultTextColor);
        QCOMPARE(back(row), row % 2 ? alternateRowColor : defaultBackColor);
    }
}

void TestLogView::extraordinaryStepsThroughTheFilter()
{
    TestEnv env;
    appSettings().flags |= OptBackToBackSpecial;
    appSettings().followTime = QTime(1, 0);
    // Extraordinary: rows 0, 3, 5 and 7 (a late touch) and 8.
    QScopedPointer<LogView> view(window({logEvent(KindReadOut), touch(1, "B"), touch(2, "C"), logEvent(KindCase),
                                         touch(3, "C"), logEvent(KindClockSet), touch(4, "C"), touch(100, "C"),
                                         logEvent(KindReadOut)}));
    LogTableView* t = view->table();
    QSignalSpy onPoint(view.data(), &LogView::stayOnPoint);
    ScriptedPrompts prompts;
    prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("Nincs több rendkívüli bejegyzés\na napló eleje"));
    t->previousExtraordinary(); // no current row
    QCOMPARE(prompts.seen().last().title, QStringLiteral("Rendkívüli bejegyzés keresés"));
    QVERIFY(!t->currentIndex().isValid());
    t->nextExtraordinary(); // from before the first row
    QCOMPARE(t->currentSourceRow(), 0);

    t->selectRow(1);
    QCOMPARE(onPoint.takeLast().at(0).toBool(), true);
    // A held Shift or Ctrl must not extend the selection.
    QTest::keyPress(t, Qt::Key_Shift, Qt::ShiftModifier);
    t->nextExtraordinary();
    QTest::keyRelease(t, Qt::Key_Shift, Qt::NoModifier);
    QCOMPARE(t->currentSourceRow(), 3);
    QCOMPARE(t->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(onPoint.takeLast().at(0).toBool(), false);

    // Case openings and clock settings hidden: the steps go past them.
    t->proxy()->setFilterKeyColumn(1);
    t->proxy()->setFilterRegExp(QRegExp(QStringLiteral("^[^#!]$")));
    t->selectRow(2);
    t->nextExtraordinary();
    QCOMPARE(t->currentSourceRow(), 7);
    t->previousExtraordinary();
    QCOMPARE(t->currentSourceRow(), 0);
    t->JumpToEnd();
    prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("a napló vége felé haladva!"));
    t->nextExtraordinary();
    QCOMPARE(t->currentSourceRow(), 8);

    QScopedPointer<LogView> empty(window({}));
    empty->table()->JumpToBegin();
    empty->table()->JumpToEnd();
    QVERIFY(!empty->table()->currentIndex().isValid() && !empty->isCurrentNormal());
    prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("vége felé"));
    empty->table()->nextExtraordinary();
}

void TestLogView::jumpsAndSelection()
{
    TestEnv env;
    QVector<LogEntry> entries(200, touch(0, "AB"));
    entries << logEvent(KindReadOut);
    QScopedPointer<LogView> view(window(entries));
    LogTableView* t = view->table();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.data()));
    QTest::keyClick(t, Qt::Key_End);
    QCOMPARE(t->currentIndex().row(), 200);
    QVERIFY(t->rowViewportPosition(200) >= 0 && t->rowViewportPosition(200) < t->viewport()->height());
    QTest::keyClick(t, Qt::Key_Home);
    QCOMPARE(t->currentIndex().row(), 0);
    QVERIFY(!view->hasMultipleSelection());

    QItemSelection two; // two rows in separate blocks
    two.select(t->model()->index(3, 0), t->model()->index(3, 4));
    two.select(t->model()->index(9, 0), t->model()->index(9, 4));
    t->selectionModel()->select(two, QItemSelectionModel::ClearAndSelect);
    QVERIFY(view->hasMultipleSelection());
    t->selectAll();
    QVERIFY(view->hasMultipleSelection());

    t->proxy()->setFilterKeyColumn(1);
    t->proxy()->setFilterFixedString(markReadOut);
    t->JumpToBegin(); // the first row the filter shows
    QCOMPARE(t->currentSourceRow(), 200);
}

void TestLogView::loadCloseAndContextMenu()
{
    TestEnv env;
    LogModel log;
    log.appendEntries({touch(0, "A"), touch(1, "B"), logEvent(KindReadOut)});
    QVERIFY(log.save(QStringLiteral("VIG1.ewl"), nullptr));
    QPointer<LogView> view(new LogView);
    QVERIFY(view->loadFile(QStringLiteral("VIG1.ewl")));
    QCOMPARE(view->currentFile, QFileInfo(env.path(QStringLiteral("VIG1.ewl"))).absoluteFilePath());
    QCOMPARE(view->windowTitle(), QStringLiteral("VIG1.ewl[*]"));
    QCOMPARE(view->table()->currentSourceRow(), 2);
    {
        ScriptedPrompts prompts; // a failed load tells why and changes nothing
        prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Ez a fájl nem létezik"));
        QVERIFY(!view->loadFile(QStringLiteral("NINCS.ewl")));
        QCOMPARE(view->windowTitle(), QStringLiteral("VIG1.ewl[*]"));
        QCOMPARE(view->table()->model()->rowCount(), 3);
    }

    QPoint asked;
    connect(view.data(), &LogView::LocalMenuInvoked, this, [&asked](QContextMenuEvent* e) { asked = e->globalPos(); });
    QPointer<LogTableView> t(view->table());
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), QPoint(50, 60));
    QApplication::sendEvent(t->viewport(), &event);
    QCOMPARE(asked, QPoint(50, 60));
    QVERIFY(t->close()); // closes the whole window
    QTRY_VERIFY(view.isNull() && t.isNull());
}

void TestLogView::namingUnnamedCodes()
{
    TestEnv env;
    KodNev named;
    QVERIFY(named.set("ABBA", "Kapu", QDate(2000, 1, 1), Qt::white, Qt::black));
    appSettings().kodNevModel->addEntry(named, true);
    QScopedPointer<LogView> view(window({touch(0, "ABBA"), touch(1, "BEEF"), logEvent(KindReadOut),
                                         touch(3, "BEEF"), touch(4, "CAFE"), touch(5, "DEAD")}));
    // BEEF is asked once (then named); closing the window at CAFE ends the search.
    ModalDriver driver;
    driver.onModal(QStringLiteral("UnNamedPointDlg"), [](QWidget* w) {
        whenAsking(w, QStringLiteral("BEEFAAAAAAAA"), [](UnNamedPointDlg* d) {
            QTest::keyClicks(d->nevEdit, QStringLiteral("Elso kapu"));
            QTest::mouseClick(d->addNameButton, Qt::LeftButton);
            whenAsking(d, QStringLiteral("CAFEAAAAAAAA"), [](UnNamedPointDlg* d) { d->close(); });
        });
    });
    view->table()->nameUnnamedPoints();

    KodNevModel* names = appSettings().kodNevModel;
    KodNev key;
    key.setCode(QStringLiteral("BEEF"));
    QCOMPARE(names->entryAt(names->findCode(key)).datedName.name, QStringLiteral("Elso kapu"));
    key.setCode(QStringLiteral("DEAD"));
    QCOMPARE(names->findCode(key), -1);
    QVERIFY(!names->isModified()); // saved at the end of the walk
}

WYX_TEST_MAIN(TestLogView)
#include "tst_logview.moc"
