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

const QDateTime base(QDate(2024, 3, 5), QTime(8, 0, 0));

LogEntry touch(int minutes, const QString& code)
{
    unsigned char raw[LogEntry::size];
    packDeviceTime(base.addSecs(60 * minutes), raw);
    KodNev k;
    k.setCode(code);
    std::copy(k.code, k.code + KodNev::codeSize, raw + LogEntry::codeOffset);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

LogEntry logEvent(int minutes, unsigned char kind)
{
    unsigned char raw[LogEntry::size] = {kind};
    packDeviceTime(base.addSecs(60 * minutes), raw + 1);
    packDeviceTime(base.addSecs(60 * minutes - 30), raw + 5);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

void addName(const QString& code, const QString& name, const QColor& back, const QColor& text)
{
    KodNev k;
    QVERIFY(k.set(code, name, QDate(2000, 1, 1), back, text));
    appSettings().kodNevModel->addEntry(k, true);
}

// Runs act once the dialog asks for this code.
void whenAsking(QWidget* w, const QString& code, std::function<void(UnNamedPointDlg*)> act)
{
    auto* d = static_cast<UnNamedPointDlg*>(w);
    if (d->kodEdit->text() == code && d->nevEdit->isEnabled())
        act(d);
    else
        QTimer::singleShot(5, d, [d, code, act] { whenAsking(d, code, act); });
}

int selectedRowCount(const LogTableView* t)
{
    return t->selectionModel()->selectedRows().size();
}

} // namespace

class TestLogView : public QObject
{
    Q_OBJECT

private:
    // A shown log window over the given entries.
    static LogView* window(const QVector<LogEntry>& entries)
    {
        auto* view = new LogView;
        view->table()->logModel->appendEntries(entries);
        view->show();
        return view;
    }
    static QVariant cell(const LogView* v, int row, int column, int role = Qt::DisplayRole)
    {
        const QAbstractItemModel* m = v->table()->model();
        return m->data(m->index(row, column), role);
    }

private slots:
    void init();
    void windowAndColumnLayout();
    void optionsChangedReappliesLayout();
    void kindsShownWithMarkersAndColours();
    void extraordinaryNavigation();
    void navigationSkipsFilteredRows();
    void navigationOnEmptyLogAndWithoutCurrentRow();
    void jumpsSelectionAndCurrentPoint();
    void loadFileNamesTheWindow();
    void closeAndContextMenu();
    void namingUnnamedCodes();
};

void TestLogView::init()
{
    appSettings().kodNevModel->removeRows(0, appSettings().kodNevModel->rowCount());
}

void TestLogView::windowAndColumnLayout()
{
    TestEnv env;
    appSettings().flags &= ~OptPointCode;
    QScopedPointer<LogView> view(window({}));
    LogTableView* t = view->table();
    QVERIFY(t);
    QVERIFY(view->testAttribute(Qt::WA_DeleteOnClose));
    QVERIFY(!view->windowIcon().isNull());
    QCOMPARE(t->sizeHint(), QSize(640, 400));
    QCOMPARE(t->proxy()->sourceModel(), t->logModel);
    QVERIFY(t->proxy()->dynamicSortFilter());
    QVERIFY(!t->isSortingEnabled());
    QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(t->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(t->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!t->showGrid());

    const QFontMetrics fm(QFont(appSettings().fontFace, appSettings().fontSize, QFont::Normal));
    const int nine = fm.horizontalAdvance(QLatin1Char('9'));
    QCOMPARE(t->verticalHeader()->defaultSectionSize(), fm.height());
    QCOMPARE(t->columnWidth(0), 7 * nine);
    QCOMPARE(t->columnWidth(1), 2 * nine);
    QCOMPARE(t->columnWidth(2), 24 * nine);
    QCOMPARE(t->minimumWidth(), 81 * nine);
    QVERIFY(t->isColumnHidden(3));
    QCOMPARE(t->horizontalHeader()->sectionResizeMode(4), QHeaderView::Stretch);
    QCOMPARE(t->model()->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Leírás"));
}

void TestLogView::optionsChangedReappliesLayout()
{
    TestEnv env;
    appSettings().flags &= ~OptPointCode;
    QScopedPointer<LogView> view(window({touch(0, "ABC")}));
    LogTableView* t = view->table();
    QVERIFY(t->isColumnHidden(3));

    appSettings().flags |= OptPointCode;
    appSettings().fontSize = 30;
    appSettings().save(); // announces optionsChanged
    QVERIFY(!t->isColumnHidden(3));
    const QFontMetrics fm(QFont(appSettings().fontFace, 30, QFont::Normal));
    QCOMPARE(t->verticalHeader()->defaultSectionSize(), fm.height());
    QCOMPARE(t->columnWidth(3), 24 * fm.horizontalAdvance(QLatin1Char('9')));

    appSettings().flags &= ~OptPointCode;
    appSettings().save();
    QVERIFY(t->isColumnHidden(3));
}

void TestLogView::kindsShownWithMarkersAndColours()
{
    TestEnv env;
    addName("ABC", "Kapu", Qt::yellow, Qt::blue);
    QVector<LogEntry> entries{touch(0, "ABC"), touch(1, "DEF")};
    for (int kind = KindDeepDischarge; kind <= KindForeignInit; ++kind)
        entries << logEvent(2, static_cast<unsigned char>(kind));
    entries << logEvent(3, 200) << touch(200, "ABC"); // the last one is late
    appSettings().followTime = QTime(1, 0);
    appSettings().flags = OptColorHighlight | OptBackToBackSpecial | OptPointCode;
    QScopedPointer<LogView> view(window(entries));
    const int last = entries.size() - 1;

    const QString markers[] = {markTouch, markTouch, markDeepDischarge, markMoisture, markCase,
                               markBattery, markClockSet, markReadOut, markDataGap, markArchived,
                               markInitialised, markForeignInit, markUnknown, markLongGap};
    for (int row = 0; row <= last; ++row) {
        QCOMPARE(cell(view.data(), row, 0).toInt(), row + 1);
        QCOMPARE(cell(view.data(), row, 1).toString(), markers[row]);
    }
    QCOMPARE(cell(view.data(), 0, 3).toString(), QStringLiteral("ABCAAAAAAAAA"));
    QVERIFY(cell(view.data(), 0, 4).toString().contains(QStringLiteral("Kapu")));

    auto fore = [&](int row) { return cell(view.data(), row, 2, Qt::ForegroundRole).value<QBrush>().color(); };
    auto back = [&](int row) { return cell(view.data(), row, 2, Qt::BackgroundRole).value<QBrush>().color(); };
    QCOMPARE(back(0), QColor(Qt::yellow));
    QCOMPARE(fore(0), QColor(Qt::blue));
    QCOMPARE(back(1), defaultBackColor);
    QCOMPARE(fore(4), QColor(Qt::red)); // case opened
    QVERIFY(cell(view.data(), last, 2, Qt::FontRole).value<QFont>().italic());
    QVERIFY(!cell(view.data(), 0, 2, Qt::FontRole).value<QFont>().italic());

    // Without highlighting every row is black on white; alternate rows turn grey.
    appSettings().flags = OptAlternateBack;
    for (int row = 0; row <= last; ++row) {
        QCOMPARE(fore(row), defaultTextColor);
        QCOMPARE(back(row), row % 2 ? alternateRowColor : defaultBackColor);
    }
}

void TestLogView::extraordinaryNavigation()
{
    TestEnv env;
    appSettings().flags &= ~OptBackToBackSpecial;
    QScopedPointer<LogView> view(window({touch(0, "A"), touch(1, "B"), logEvent(2, KindCase), touch(3, "C"),
                                         logEvent(4, KindClockSet), touch(5, "D"), logEvent(6, KindReadOut)}));
    LogTableView* t = view->table();
    QSignalSpy onPoint(view.data(), &LogView::stayOnPoint);

    t->selectRow(1);
    QCOMPARE(onPoint.takeLast().at(0).toBool(), true);
    t->nextExtraordinary();
    QCOMPARE(t->currentIndex().row(), 2);
    QCOMPARE(onPoint.takeLast().at(0).toBool(), false);
    t->nextExtraordinary();
    QCOMPARE(t->currentIndex().row(), 4);
    t->nextExtraordinary();
    QCOMPARE(t->currentIndex().row(), 6);
    {
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("a napló vége felé haladva!"));
        t->nextExtraordinary();
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Rendkívüli bejegyzés keresés"));
    }
    QCOMPARE(t->currentIndex().row(), 6);
    QCOMPARE(selectedRowCount(t), 1);

    t->previousExtraordinary();
    QCOMPARE(t->currentIndex().row(), 4);
    // A held Shift or Ctrl must not extend the selection.
    for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control}) {
        const Qt::KeyboardModifier mod = key == Qt::Key_Shift ? Qt::ShiftModifier : Qt::ControlModifier;
        t->selectRow(6);
        QTest::keyPress(t, key, mod);
        QCOMPARE(QGuiApplication::keyboardModifiers(), Qt::KeyboardModifiers(mod));
        t->previousExtraordinary();
        QTest::keyRelease(t, key, Qt::NoModifier);
        QCOMPARE(t->currentIndex().row(), 4);
        QCOMPARE(selectedRowCount(t), 1);
        QCOMPARE(t->selectionMode(), QAbstractItemView::ExtendedSelection);
    }
    t->previousExtraordinary();
    QCOMPARE(t->currentIndex().row(), 2);
    ScriptedPrompts prompts;
    prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("a napló eleje felé haladva!"));
    t->previousExtraordinary();
    QCOMPARE(t->currentIndex().row(), 2);
}

void TestLogView::navigationSkipsFilteredRows()
{
    TestEnv env;
    appSettings().flags |= OptBackToBackSpecial;
    appSettings().followTime = QTime(1, 0);
    // Rows 2, 4 and 6 are extraordinary; row 5 is a late touch.
    QScopedPointer<LogView> view(window({touch(0, "A"), touch(1, "B"), logEvent(2, KindCase), touch(3, "C"),
                                         logEvent(4, KindClockSet), touch(100, "C"), logEvent(101, KindReadOut)}));
    LogTableView* t = view->table();
    // Case openings and read-outs only: rows 2 and 6 in proxy rows 0 and 1.
    t->proxy()->setFilterKeyColumn(1);
    t->proxy()->setFilterRegExp(QRegExp(QStringLiteral("^[#>]$")));
    QCOMPARE(t->model()->rowCount(), 2);
    QVERIFY(!t->proxy()->isCheckpointFilterActive());

    t->nextExtraordinary();
    QCOMPARE(t->currentIndex().row(), 0);
    QCOMPARE(t->currentSourceRow(), 2);
    t->nextExtraordinary();
    QCOMPARE(t->currentSourceRow(), 6);
    t->previousExtraordinary();
    QCOMPARE(t->currentSourceRow(), 2);
    {
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("eleje felé"));
        t->previousExtraordinary();
    }

    // A checkpoint filter: only the touches of C are shown.
    t->proxy()->setFilterKeyColumn(3);
    t->proxy()->setFilterFixedString(QStringLiteral("CAAAAAAAAAAA"));
    QVERIFY(t->proxy()->isCheckpointFilterActive());
    t->JumpToBegin();
    QCOMPARE(t->currentSourceRow(), 3);
    QVERIFY(view->isCurrentNormal());
    t->nextExtraordinary(); // the late touch is both shown and extraordinary
    QCOMPARE(t->currentSourceRow(), 5);
    ScriptedPrompts prompts;
    prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("vége felé"));
    t->nextExtraordinary();
    QCOMPARE(t->currentSourceRow(), 5);
}

void TestLogView::navigationOnEmptyLogAndWithoutCurrentRow()
{
    TestEnv env;
    {
        QScopedPointer<LogView> view(window({}));
        LogTableView* t = view->table();
        t->JumpToBegin();
        t->JumpToEnd();
        QVERIFY(!t->currentIndex().isValid());
        QVERIFY(!view->isCurrentNormal());
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("vége felé"))
            .expectNotice(Prompts::Kind::Information, QStringLiteral("eleje felé"));
        t->nextExtraordinary();
        t->previousExtraordinary();
    }
    QScopedPointer<LogView> view(window({logEvent(0, KindReadOut), touch(1, "A"), logEvent(2, KindClockSet)}));
    LogTableView* t = view->table();
    QVERIFY(!t->currentIndex().isValid());
    {
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Information, QStringLiteral("eleje felé"));
        t->previousExtraordinary();
    }
    QVERIFY(!t->currentIndex().isValid());
    t->nextExtraordinary(); // from before the first row: row 0 itself counts
    QCOMPARE(t->currentSourceRow(), 0);
}

void TestLogView::jumpsSelectionAndCurrentPoint()
{
    TestEnv env;
    QVector<LogEntry> entries;
    for (int i = 0; i < 200; ++i)
        entries << touch(i, "AB");
    entries << logEvent(300, KindReadOut);
    QScopedPointer<LogView> view(window(entries));
    LogTableView* t = view->table();
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view.data()));

    QTest::keyClick(t, Qt::Key_End);
    QCOMPARE(t->currentIndex().row(), 200);
    QVERIFY(t->rowViewportPosition(200) >= 0 && t->rowViewportPosition(200) < t->viewport()->height());
    QVERIFY(!view->isCurrentNormal());
    QVERIFY(!view->hasMultipleSelection());
    QTest::keyClick(t, Qt::Key_Home);
    QCOMPARE(t->currentIndex().row(), 0);
    QCOMPARE(t->rowViewportPosition(0), 0);
    QVERIFY(view->isCurrentNormal());

    // Two rows in separate blocks, and one block of two rows, are multiple; one row is not.
    QItemSelection two;
    two.select(t->model()->index(3, 0), t->model()->index(3, 4));
    two.select(t->model()->index(9, 0), t->model()->index(9, 4));
    t->selectionModel()->select(two, QItemSelectionModel::ClearAndSelect);
    QVERIFY(view->hasMultipleSelection());
    t->selectionModel()->select(t->model()->index(5, 0),
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QVERIFY(!view->hasMultipleSelection());
    t->selectionModel()->select(QItemSelection(t->model()->index(5, 0), t->model()->index(6, 4)),
                                QItemSelectionModel::ClearAndSelect);
    QVERIFY(view->hasMultipleSelection());
    t->selectAll();
    QVERIFY(view->hasMultipleSelection());

    // Jumps go to the rows the filter shows.
    t->proxy()->setFilterKeyColumn(1);
    t->proxy()->setFilterFixedString(markReadOut);
    t->JumpToBegin();
    QCOMPARE(t->currentSourceRow(), 200);
}

void TestLogView::loadFileNamesTheWindow()
{
    TestEnv env;
    {
        LogModel log;
        log.appendEntries({touch(0, "A"), touch(1, "B"), logEvent(2, KindReadOut)});
        QVERIFY(log.save(QStringLiteral("VIG1.ewl"), nullptr));
    }
    QScopedPointer<LogView> view(new LogView);
    QVERIFY(view->loadFile(QStringLiteral("VIG1.ewl")));
    QCOMPARE(view->currentFile, QFileInfo(env.path(QStringLiteral("VIG1.ewl"))).absoluteFilePath());
    QCOMPARE(view->windowTitle(), QStringLiteral("VIG1.ewl[*]"));
    QCOMPARE(view->objectName(), QStringLiteral("VIG1.ewl"));
    QVERIFY(!view->isWindowModified());
    QCOMPARE(view->table()->currentSourceRow(), 2);

    // A failed load tells why and leaves the window as it was.
    ScriptedPrompts prompts;
    prompts.expectNotice(Prompts::Kind::Warning, QStringLiteral("Ez a fájl nem létezik"));
    QVERIFY(!view->loadFile(QStringLiteral("NINCS.ewl")));
    QCOMPARE(view->windowTitle(), QStringLiteral("VIG1.ewl[*]"));
    QCOMPARE(view->table()->model()->rowCount(), 3);
    QCOMPARE(prompts.seen().first().parent, view.data());

    view->setCurrentFile(env.path(QStringLiteral("Másik.ewa")));
    QCOMPARE(view->windowTitle(), QStringLiteral("Másik.ewa[*]"));
}

void TestLogView::closeAndContextMenu()
{
    TestEnv env;
    QPointer<LogView> view(window({touch(0, "A")}));
    QPointer<LogTableView> t(view->table());
    QPoint asked;
    connect(view.data(), &LogView::LocalMenuInvoked, this, [&asked](QContextMenuEvent* e) { asked = e->globalPos(); });
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), t->viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(t->viewport(), &event);
    QCOMPARE(asked, event.globalPos());

    QVERIFY(t->close());
    QTRY_VERIFY(view.isNull());
    QVERIFY(t.isNull());
}

void TestLogView::namingUnnamedCodes()
{
    TestEnv env;
    addName("ABBA", "Kapu", Qt::white, Qt::black);
    QScopedPointer<LogView> view(window({touch(0, "ABBA"), touch(1, "BEEF"), logEvent(2, KindReadOut),
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
    QVERIFY(QFileInfo::exists(appSettings().codeFilePath()));
}

WYX_TEST_MAIN(TestLogView)
#include "tst_logview.moc"
