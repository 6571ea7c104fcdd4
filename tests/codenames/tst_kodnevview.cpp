#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodneveditdialog.h"
#include "codenames/kodnevimport.h"
#include "codenames/kodnevmodel.h"
#include "codenames/kodnevview.h"
#include "codenames/kodtableview.h"
#include "codenames/pointselectpopupdlg.h"
#include "core/printexport.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QLocale>
#include <QStyle>
#include "core/settings.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QFileInfo>
#include <QPointer>
#include <QSignalSpy>

namespace {

KodNevModel* names()
{
    return appSettings().kodNevModel;
}

// Empties the shared list and adds "code year name" triples in order.
void resetNames(const QStringList& entries = {})
{
    names()->removeRows(0, names()->rowCount());
    for (const QString& line : entries) {
        const QStringList f = line.split(' ');
        KodNev k;
        QVERIFY(k.set(f.at(0), f.at(2), QDate(f.at(1).toInt(), 1, 1), Qt::white, Qt::black));
        names()->addEntry(k, true);
    }
}

QString listText()
{
    QStringList out;
    for (int r = 0; r < names()->rowCount(); ++r) {
        const KodNev e = names()->entryAt(r);
        out << QStringLiteral("%1 %2 %3").arg(e.codeText().left(4)).arg(e.datedName.validFrom.year()).arg(e.datedName.name);
    }
    return out.join(QStringLiteral(", "));
}

// Runs the action on the next entry dialog, then presses OK (or Cancel).
void onEntryDialog(ModalDriver& driver, std::function<void(KodNevEditDialog*)> action, bool accept = true)
{
    driver.onModal(QStringLiteral("KodNevEditDialog"), [action, accept](QWidget* w) {
        auto* d = qobject_cast<KodNevEditDialog*>(w);
        action(d);
        QTest::mouseClick(accept ? static_cast<QWidget*>(d->OKButton) : d->cancelButton, Qt::LeftButton);
    });
}

// The window's shortcuts answer only while it is the active window.
void press(KodnevView& view, int key)
{
    QApplication::setActiveWindow(&view);
    QVERIFY(QTest::qWaitForWindowActive(&view));
    QTest::keyClick(view.table(), Qt::Key(key));
}

} // namespace

class TestKodnevView : public QObject
{
    Q_OBJECT
private slots:
    void entryDialog()
    {
        KodNevEditDialog d;
        QVERIFY(!d.OKButton->isEnabled());
        QTest::keyClick(d.nevEdit, Qt::Key_K);
        QVERIFY(d.OKButton->isEnabled());
        QTest::keyClick(d.nevEdit, Qt::Key_Backspace);
        QVERIFY(!d.OKButton->isEnabled());
        QTest::keyClicks(d.kodEdit, QStringLiteral("abzCP0ddddddddddd")); // code letters only, twelve at most
        QCOMPARE(d.code(), QStringLiteral("abCPdddddddd"));
        QCOMPARE(d.nevEdit->maxLength(), 80); // a longer name could never become an entry

        ScriptedPrompts prompts;
        Prompts::Answer red;
        red.color = Qt::red;
        prompts.expect(Prompts::Kind::Color, QString(), red).expect(Prompts::Kind::Color, QString(), {});
        QTest::mouseClick(d.backgroundButton, Qt::LeftButton);
        QTest::mouseClick(d.backgroundButton, Qt::LeftButton); // cancelled: the colour stays
        QCOMPARE(d.backgroundColor, QColor(Qt::red));
        QCOMPARE(d.backgroundButton->styleSheet(), QStringLiteral("background-color: #ff0000"));
        QCOMPARE(prompts.seen().first().color, QColor(Qt::white));

        d.setMode(KodNevEditDialog::DeleteMode);
        QCOMPARE(d.OKButton->text(), QStringLiteral("Töröl"));
        QVERIFY(d.OKButton->isEnabled()); // even without a name
        QVERIFY(!d.nevEdit->isEnabled());
        QCOMPARE(d.nevEdit->palette().color(QPalette::Disabled, QPalette::Text), QColor(Qt::black));
    }

    void entryDialogGivesBackEveryDate_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("shown");
        QTest::newRow("valid at all times") << QDate(1, 1, 1) << "mindig érvényes";
        QTest::newRow("before the field's range") << QDate(1600, 2, 29) << "1600. 02. 29.";
        QTest::newRow("lowest of the range") << QDate(1752, 9, 14) << "1752. 09. 14.";
        QTest::newRow("ordinary") << QDate(2023, 8, 15) << "2023. 08. 15.";
        QTest::newRow("beyond the range") << QDate(12000, 1, 1) << "9999. 12. 31.";
    }

    // The date field cannot hold every date a list entry can: a date left alone comes back
    // as given, and the field's lowest position stands for an earlier one.
    void entryDialogGivesBackEveryDate()
    {
        QFETCH(QDate, date);
        QFETCH(QString, shown);
        KodNevEditDialog d;
        d.setDate(date);
        d.setMode(KodNevEditDialog::EditMode);
        QCOMPARE(d.ervenyesEdit->text(), shown);
        QCOMPARE(d.date(), date);
        d.ervenyesEdit->setDate(QDate(2030, 1, 1)); // the user's choice wins
        QCOMPARE(d.date(), QDate(2030, 1, 1));
        d.ervenyesEdit->setDate(d.ervenyesEdit->minimumDate());
        QCOMPARE(d.date(), date < d.ervenyesEdit->minimumDate() ? date : d.ervenyesEdit->minimumDate());
    }

    void pickerGivesCodeOfChosenName()
    {
        TestEnv env;
        resetNames({"ABC 2001 Kapu", "ABC 2005 Kapu2", "BEEF 2001 Raktar"});
        PointSelectPopUpDlg d;
        QCOMPARE(d.listView->model()->index(1, 3).data().toString(), QStringLiteral("Kapu2")); // one row a name
        QCOMPARE(d.selectedCode(), QString());
        ModalDriver driver;
        driver.onModal(QStringLiteral("PointSelectPopUpDlg"), [](QWidget* w) {
            auto* p = qobject_cast<PointSelectPopUpDlg*>(w);
            p->listView->setCurrentIndex(p->listView->model()->index(2, 3));
            QTest::mouseClick(p->SelectButton, Qt::LeftButton);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.selectedCode(), QStringLiteral("BEEFAAAAAAAA"));
    }

    // The row "Kiválaszt" takes is the one shown chosen: the list opens with a marked row,
    // not with an unmarked current row that the list's focus would give.
    void pickerShowsTheRowItWouldTake()
    {
        TestEnv env;
        resetNames({"ABC 2001 Kapu", "BEEF 2001 Raktar"});
        PointSelectPopUpDlg d;
        ModalDriver driver;
        QModelIndexList marked;
        QModelIndex current;
        driver.onModal(QStringLiteral("PointSelectPopUpDlg"), [&](QWidget* w) {
            auto* p = qobject_cast<PointSelectPopUpDlg*>(w);
            marked = p->listView->selectionModel()->selectedIndexes();
            current = p->listView->currentIndex();
            QTest::mouseClick(p->SelectButton, Qt::LeftButton);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(marked.size(), 1);
        QCOMPARE(marked.first(), current);
        QCOMPARE(d.selectedCode(), QStringLiteral("ABCAAAAAAAAA"));
    }

    void rowSpan_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("span");
        QTest::newRow("all") << int(RangeAll) << 10 << 4 << "0 9";
        QTest::newRow("selection") << int(RangeSelection) << 10 << 4 << "4 4";
        QTest::newRow("to cursor") << int(RangeToCursor) << 10 << 4 << "0 4";
        QTest::newRow("from cursor") << int(RangeFromCursor) << 10 << 4 << "4 9";
        QTest::newRow("pages") << int(RangePages) << 10 << 4 << "0 9";
        QTest::newRow("no cursor") << int(RangeSelection) << 10 << -1 << "0 9";
        QTest::newRow("empty list") << int(RangeSelection) << 0 << -1 << "0 -1";
    }
    void rowSpan()
    {
        QFETCH(int, range);
        QFETCH(int, rows);
        QFETCH(int, cursor);
        QFETCH(QString, span);
        const QPair<int, int> s = kodNevRowSpan(range, rows, cursor);
        QCOMPARE(QStringLiteral("%1 %2").arg(s.first).arg(s.second), span);
    }

    void windowFollowsSelectionAndSavesOnClose()
    {
        TestEnv env;
        resetNames();
        {
            KodnevView empty; // nothing to select, edit or delete (a dialog would block)
            empty.table()->JumpToEnd();
            QCOMPARE(empty.cursorLine(), -1);
            empty.editEntry();
            empty.removeEntry();
        }
        resetNames({"ABC 2001 Kapu", "BEEF 2001 Raktar", "CAFE 2001 Iroda"});
        QPointer<KodnevView> view(new KodnevView);
        QAbstractItemModelTester tester(view->table()->model());
        QCOMPARE(view->windowTitle(), appSettings().codeFile);
        QCOMPARE(view->cursorLine(), 2); // opens on the last entry
        QSignalSpy state(view.data(), &KodnevView::selectionStateChanged);
        view->table()->selectRow(1); // one row to another: nothing
        QCOMPARE(state.count(), 0);
        view->table()->clearSelection();
        QCOMPARE(state.count(), 1);
        QVERIFY(!view->hasSelection());
        QVERIFY(view->close());
        QTRY_VERIFY(view.isNull());
        QVERIFY(QFileInfo::exists(appSettings().codeFilePath()));
        QVERIFY(!names()->isModified());
    }

    void commandsActOnSelectedEntryAfterSorting()
    {
        TestEnv env;
        resetNames({"ABC 2001 Zold", "BEEF 2001 Alma", "CAFE 2001 Kapu"});
        KodnevView view;
        view.show();
        view.sorting(3, Qt::AscendingOrder); // Alma, Kapu, Zold
        view.table()->selectRow(2);
        QCOMPARE(view.cursorLine(), 0);

        ModalDriver driver;
        onEntryDialog(driver, [](KodNevEditDialog* d) { // same date: renamed and recoloured in place
            QVERIFY(!d->kodEdit->isEnabled());
            QCOMPARE(d->name(), QStringLiteral("Zold"));
            d->nevEdit->setText(QStringLiteral("Zold kapu"));
            d->setBackgroundColor(Qt::green);
        });
        press(view, Qt::Key_Return);
        QCOMPARE(listText(), QStringLiteral("ABCA 2001 Zold kapu, BEEF 2001 Alma, CAFE 2001 Kapu"));
        QCOMPARE(names()->entryAt(0).backgroundColor, QColor(Qt::green));

        view.table()->selectRow(1); // Kapu
        onEntryDialog(driver, [](KodNevEditDialog* d) { // new date: a second name for the code
            d->nevEdit->setText(QStringLiteral("Kapu uj"));
            d->setDate(QDate(2010, 1, 1));
        });
        press(view, Qt::Key_Enter);
        QCOMPARE(listText(), QStringLiteral("ABCA 2001 Zold kapu, BEEF 2001 Alma, CAFE 2001 Kapu, CAFE 2010 Kapu uj"));

        view.table()->selectRow(0); // Alma: the delete dialog is the confirmation
        onEntryDialog(driver, [](KodNevEditDialog*) {}, false);
        onEntryDialog(driver, [](KodNevEditDialog* d) { QCOMPARE(d->name(), QStringLiteral("Alma")); });
        press(view, Qt::Key_Delete);
        QCOMPARE(names()->rowCount(), 4);
        press(view, Qt::Key_Delete);
        QCOMPARE(listText(), QStringLiteral("ABCA 2001 Zold kapu, CAFE 2001 Kapu, CAFE 2010 Kapu uj"));

        onEntryDialog(driver, [](KodNevEditDialog* d) {
            QCOMPARE(d->date(), QDate::currentDate());
            d->setCode(QStringLiteral("dead"));
            d->nevEdit->setText(QStringLiteral("Kert"));
        });
        press(view, Qt::Key_Insert);
        QVERIFY(driver.allDone());
        QCOMPARE(names()->entryAt(3).codeText(), QStringLiteral("DEADAAAAAAAA"));
    }

    void renamingKeepsTheDate_data()
    {
        QTest::addColumn<int>("year");
        QTest::newRow("valid at all times") << 1;
        QTest::newRow("before the field's range") << 1600;
        QTest::newRow("ordinary") << 2001;
    }

    // Changing only the name renames the entry in place, whatever its date.
    void renamingKeepsTheDate()
    {
        QFETCH(int, year);
        TestEnv env;
        resetNames({QStringLiteral("ABC %1 Kapu").arg(year)});
        KodnevView view;
        view.show();
        view.table()->selectRow(0);
        ModalDriver driver;
        onEntryDialog(driver, [](KodNevEditDialog* d) { d->nevEdit->setText(QStringLiteral("Főkapu")); });
        press(view, Qt::Key_Return);
        QVERIFY(driver.allDone());
        QCOMPARE(listText(), QStringLiteral("ABCA %1 Főkapu").arg(year));
    }

    // An import lands in the list at once; the selected entry stays selected where it moved.
    void importKeepsTheSelectedEntry()
    {
        TestEnv env;
        resetNames({"ABC 2001 Zold", "BEEF 2001 Alma", "CAFE 2001 Kapu"});
        KodnevView view;
        view.show();
        view.sorting(3, Qt::AscendingOrder); // Alma, Kapu, Zold
        view.table()->selectRow(1);
        QBuffer file;
        file.setData("1 Jan 1999\tCAFE\tElso kapu\r\nD\tUj\r\n");
        file.open(QIODevice::ReadOnly);
        QCOMPARE(KodNevImport::readText(file, *names(), 2000).added, 2);
        QCOMPARE(view.cursorLine(), 3);
        QCOMPARE(names()->entryAt(view.cursorLine()).datedName.name, QStringLiteral("Kapu"));
    }

    void titleFollowsTheCodeFileOption()
    {
        TestEnv env;
        resetNames();
        KodnevView view;
        appSettings().codeFile = QStringLiteral("lista/masik.kod");
        appSettings().save();
        QCOMPARE(view.windowTitle(), QStringLiteral("lista/masik.kod"));
    }

    void refusedEntryListsEveryReason_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty code") << QString() << "Kapu" << QDate(2001, 1, 1) << "Nem töltötte ki a kód mezőt\n";
        QTest::newRow("all three") << "abcz" << QString(81, 'x') << QDate()
                                   << "Érvénytelen kód: abcz\nNem megfelelő név: " + QString(81, 'x')
                                          + "\nÉrvénytelen dátum: ";
    }
    void refusedEntryListsEveryReason()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QFETCH(QDate, date);
        QFETCH(QString, text);
        TestEnv env;
        resetNames({"ABC 2001 Kapu"});
        KodnevView view;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QString());
        QVERIFY(!view.addValidatedEntry(code, name, date, Qt::white, Qt::black));
        QCOMPARE(prompts.seen().first().title, QStringLiteral("A bejegyzés nem lett felvéve!"));
        QCOMPARE(prompts.seen().first().text, text);
        QCOMPARE(names()->rowCount(), 1);
    }

    // The validity column shows a whole date in the locale's short form.
    void dateColumnFitsADate()
    {
        TestEnv env;
        KodTableView view;
        view.setupView();
        const QFontMetrics metrics(QFont(appSettings().fontFace, appSettings().fontSize));
        const QString date = QLocale().toString(QDate(2000, 12, 28), QLocale::ShortFormat);
        // The delegate's margins on both sides and a character's room before it elides.
        const int margins = 2 * (view.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &view) + 1);
        const int needed = metrics.horizontalAdvance(date) + margins + metrics.horizontalAdvance(QLatin1Char('9'));
        QVERIFY2(view.columnWidth(1) >= needed,
                 qPrintable(QStringLiteral("%1 < %2").arg(view.columnWidth(1)).arg(needed)));
    }
};

WYX_TEST_MAIN(TestKodnevView)
#include "tst_kodnevview.moc"
