#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "routes/addpointdlg.h"
#include "routes/addroutedlg.h"
#include "routes/addstartdlg.h"
#include "routes/routedefdelegate.h"
#include "routes/routedefmodel.h"
#include "routes/extractroutedlg.h"
#include "routes/vgltimewidget.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTextCodec>

namespace {

// Runs one in-place edit as the view would: editor, filled, changed, written back.
// Returns false when the cell gets no editor.
bool edit(RouteDefModel& m, const QModelIndex& index, const QString& text)
{
    RouteDefDelegate delegate;
    QWidget parent;
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), index));
    if (!editor)
        return false;
    delegate.setEditorData(editor.get(), index);
    if (auto* line = qobject_cast<QLineEdit*>(editor.get()))
        line->setText(text);
    else if (auto* spin = qobject_cast<QSpinBox*>(editor.get()))
        spin->setValue(text.toInt());
    else if (auto* combo = qobject_cast<QComboBox*>(editor.get()))
        combo->setCurrentIndex(text.toInt());
    delegate.setModelData(editor.get(), &m, index);
    return true;
}

QString starts(const RouteDefModel& m)
{
    QStringList out;
    for (int s = 0; s < m.startCount(0); ++s) {
        const RouteStart st = m.routeStart(0, s);
        out << QStringLiteral("%1-%2/%3-%4x%5")
                   .arg(st.t1.toString().trimmed(), st.t2.toString().trimmed(), st.t3.toString().trimmed(),
                        st.t4.toString().trimmed())
                   .arg(st.count);
    }
    return out.join(' ');
}

QString points(const RouteDefModel& m)
{
    QStringList out;
    for (int p = 0; p < m.pointCount(0); ++p)
        out << m.routePoint(0, p).describe(true).trimmed();
    return out.join(", ");
}

// Route "R" of the type with starts 8:00-9:00 and 10:00-11:00 (min 0:05, max 0:10, 2x)
// and points B at 0:05 and C at 0:10.
void fill(RouteDefModel& m, int type)
{
    QCOMPARE(m.addRoute(RouteHead("R", type, RouteTime::parse("1:00"))), 0);
    QCOMPARE(m.addRoute(RouteHead("Other", type, RouteTime())), 1);
    QVERIFY(m.addStart(RouteStart("8:00", "9:00", 2, "0:05", "0:10"), m.startsGroupIndex(0)));
    QVERIFY(m.addStart(RouteStart("10:00", "11:00", 2, "0:05", "0:10"), m.startsGroupIndex(0)));
    QVERIFY(m.addPoint(RoutePoint("B", "0:05"), m.pointsGroupIndex(0), false));
    QVERIFY(m.addPoint(RoutePoint("C", "0:10"), m.pointsGroupIndex(0), false));
}

// Types the text into the field key by key: what the validator refuses is not taken.
QString typeInto(QLineEdit* field, const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        const int len = text.at(i).isHighSurrogate() ? 2 : 1;
        field->insert(text.mid(i, len));
        i += len - 1;
    }
    return field->text();
}

QModelIndex startCell(const RouteDefModel& m, int row, int column)
{
    return m.index(row, column, m.startsGroupIndex(0));
}

QModelIndex pointCell(const RouteDefModel& m, int row, int column)
{
    return m.index(row, column, m.pointsGroupIndex(0));
}

} // namespace

class TestRouteEditors : public QObject
{
    Q_OBJECT
private slots:
    void init() { env.reset(new TestEnv); }
    void cleanup() { env.reset(); }

    void startEdits_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("starts");
        const QString unchanged = "08:00-09:00/00:05-00:10x2 10:00-11:00/00:05-00:10x2";
        QTest::newRow("type 1 start after end") << 1 << 0 << 0 << "9:30" << unchanged;
        QTest::newRow("type 1 end before start") << 1 << 1 << 1 << "9:59" << unchanged;
        QTest::newRow("type 1 start equal to end") << 1 << 0 << 0 << "9:00"
                                                   << "09:00-09:00/00:05-00:10x2 10:00-11:00/00:05-00:10x2";
        QTest::newRow("type 0 start taken alone") << 0 << 0 << 0 << "12:00"
                                                  << "10:00-11:00/00:05-00:10x2 12:00-09:00/00:05-00:10x2";
        QTest::newRow("start of another start") << 0 << 0 << 0 << "10:00" << unchanged;
        QTest::newRow("end moves nothing") << 3 << 0 << 1 << "12:00"
                                           << "08:00-12:00/00:05-00:10x2 10:00-11:00/00:05-00:10x2";
        QTest::newRow("type 4 min above max") << 4 << 0 << 2 << "0:11" << unchanged;
        QTest::newRow("type 4 max below min") << 4 << 0 << 3 << "0:04" << unchanged;
        QTest::newRow("type 4 min equal to max") << 4 << 0 << 2 << "0:10"
                                                 << "08:00-09:00/00:10-00:10x2 10:00-11:00/00:05-00:10x2";
        QTest::newRow("count in place") << 4 << 1 << 4 << "7" << "08:00-09:00/00:05-00:10x2 10:00-11:00/00:05-00:10x7";
        QTest::newRow("emptied") << 1 << 0 << 0 << "" << unchanged;
        QTest::newRow("not a time") << 1 << 0 << 0 << "25:00" << unchanged;
        QTest::newRow("unchanged") << 1 << 0 << 0 << "  08:00" << unchanged;
    }
    void startEdits()
    {
        QFETCH(int, type);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, starts);
        RouteDefModel m;
        fill(m, type);
        m.setModified(false);
        QVERIFY(edit(m, startCell(m, row, column), text));
        QCOMPARE(::starts(m), starts);
        QCOMPARE(m.startCount(0), 2);
    }

    void pointEdits_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("points");
        QTest::newRow("taken offset") << 0 << 1 << "0:10" << "00:05 BAAAAAAAAAAA, 00:10 CAAAAAAAAAAA";
        QTest::newRow("moves to its place") << 0 << 1 << "0:20" << "00:10 CAAAAAAAAAAA, 00:20 BAAAAAAAAAAA";
        QTest::newRow("code padded") << 1 << 0 << "abc" << "00:05 BAAAAAAAAAAA, 00:10 ABCAAAAAAAAA";
        QTest::newRow("bad code") << 1 << 0 << "xyz" << "00:05 BAAAAAAAAAAA, 00:10 CAAAAAAAAAAA";
        QTest::newRow("emptied code") << 1 << 0 << "" << "00:05 BAAAAAAAAAAA, 00:10 CAAAAAAAAAAA";
    }
    void pointEdits()
    {
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        QFETCH(QString, points);
        RouteDefModel m;
        fill(m, 0);
        QVERIFY(edit(m, pointCell(m, row, column), text));
        QCOMPARE(::points(m), points);
    }

    void routeEditsAndTolerance()
    {
        RouteDefModel m;
        fill(m, 2);
        const QModelIndex route = m.routeIndex(0);
        QVERIFY(edit(m, route, " r "));
        QVERIFY(edit(m, route, "OTHER"));
        QCOMPARE(m.routeHead(0).name, QStringLiteral("R"));
        QVERIFY(edit(m, route, "#R"));
        QCOMPARE(m.routeHead(0).name, QStringLiteral("R"));
        QVERIFY(edit(m, route, "Reggeli  kör"));
        QCOMPARE(m.routeHead(0).name, QStringLiteral("Reggeli  kör"));
        QVERIFY(edit(m, route.siblingAtColumn(2), "1 02:00"));
        QCOMPARE(m.routeHead(0).duration.toSeconds(), 26 * 3600);
        QVERIFY(edit(m, route.siblingAtColumn(1), "4"));
        QCOMPARE(m.routeHead(0).type, 4);
        QCOMPARE(m.routeHead(0).duration.toSeconds(), 26 * 3600);
        QVERIFY(edit(m, m.settingsIndex().siblingAtColumn(1), "45"));
        QCOMPARE(m.tolerance(), 45);
        QVERIFY(m.addLog("a.ewl"));
        QVERIFY(!edit(m, m.index(0, 0, m.logsGroupIndex()), "b.ewl")); // no editor for a log
        QVERIFY(!edit(m, route.siblingAtColumn(5), "x"));
        QVERIFY(!edit(m, m.routesGroupIndex(), "x"));
    }

    // A round count a file holds outside the editors' 1..250 is kept by the cell editor and
    // the start dialog left as they were, as the tolerance is (tst_routedefview).
    void roundCountEditorsKeepThePlansValue_data()
    {
        QTest::addColumn<int>("count");
        for (int count : {0, 300, 65535})
            QTest::addRow("%d", count) << count;
    }
    void roundCountEditorsKeepThePlansValue()
    {
        QFETCH(int, count);
        RouteDefModel m;
        fill(m, 3);
        RouteStart start = m.routeStart(0, 0);
        start.count = quint16(count);
        QVERIFY(m.setData(startCell(m, 0, 0), QVariant::fromValue(start)));
        m.setModified(false);
        QVERIFY(edit(m, startCell(m, 0, 4), QString::number(count)));
        QCOMPARE(int(m.routeStart(0, 0).count), count);
        QVERIFY(!m.isModified());
        addStartDlg dlg;
        dlg.setRoute(m.routeHead(0), true);
        dlg.setStart(start);
        QCOMPARE(int(dlg.routeStart().count), count);
    }

    void fillingAnEditorCommitsNothing()
    {
        RouteDefModel m;
        fill(m, 3);
        RouteDefDelegate delegate;
        QSignalSpy commits(&delegate, &RouteDefDelegate::commitData);
        QWidget parent;
        const QModelIndex type = m.routeIndex(0).siblingAtColumn(1);
        std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, QStyleOptionViewItem(), type));
        auto* combo = qobject_cast<QComboBox*>(editor.get());
        QVERIFY(combo);
        QCOMPARE(combo->count(), 5);
        QCOMPARE(combo->itemText(3), QStringLiteral("SzS - SzI"));
        QCOMPARE(combo->itemData(3, Qt::ToolTipRole).toString(), QStringLiteral("Szabad Sorrend - Szabad Indulás"));
        delegate.setEditorData(combo, type);
        QCOMPARE(combo->currentIndex(), 3);
        QCOMPARE(commits.count(), 0);
        combo->setCurrentIndex(1); // picking commits at once
        QCOMPARE(commits.count(), 1);
        const QModelIndex code = pointCell(m, 0, 0);
        std::unique_ptr<QWidget> codeEditor(delegate.createEditor(&parent, QStyleOptionViewItem(), code));
        delegate.setEditorData(codeEditor.get(), code);
        QCOMPARE(qobject_cast<QLineEdit*>(codeEditor.get())->text(), QStringLiteral("BAAAAAAAAAAA"));
    }

    void captions_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("texts"); // tolerance | route 1, 2 | start 0..4
        QTest::newRow("0") << 0 << "10 perc|KS - KI,|  08:00,,,,";
        QTest::newRow("2") << 2 << "10 perc|SzS - KI,  01:00/kör|  08:00,,,,";
        QTest::newRow("3") << 3 << "10 perc|SzS - SzI,  01:00/kör|kezd:  08:00,vég:  09:00,,max:  00:10,2x";
        QTest::newRow("4") << 4 << "10 perc|rugalmas,|kezd:  08:00,vég:  09:00,min:  00:05,max:  00:10,2x";
    }
    void captions()
    {
        QFETCH(int, type);
        QFETCH(QString, texts);
        RouteDefModel m;
        fill(m, type);
        QStringList startTexts;
        for (int c = 0; c < 5; ++c)
            startTexts << RouteDefDelegate::cellText(startCell(m, 0, c));
        const QString all = RouteDefDelegate::cellText(m.settingsIndex().siblingAtColumn(1)) + '|'
            + RouteDefDelegate::cellText(m.routeIndex(0).siblingAtColumn(1)) + ','
            + RouteDefDelegate::cellText(m.routeIndex(0).siblingAtColumn(2)) + '|' + startTexts.join(',');
        QCOMPARE(all, texts);
        QVERIFY(RouteDefDelegate::cellText(m.routeIndex(0)).isNull()); // names: the base class
    }

    void paintingEveryCell()
    {
        RouteDefModel m;
        fill(m, 4);
        m.addLog("a.ewl");
        RouteDefDelegate delegate;
        RouteDefColumnDelegate column;
        QImage image(120, 20, QImage::Format_ARGB32);
        QPainter painter(&image);
        QStyleOptionViewItem option;
        option.rect = QRect(0, 0, 120, 20);
        option.state = QStyle::State_Enabled | QStyle::State_Selected;
        std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
            for (int r = 0; r < m.rowCount(parent); ++r) {
                for (int c = 0; c < 6; ++c) {
                    const QModelIndex i = m.index(r, c, parent);
                    image.fill(Qt::white);
                    (c == 5 ? static_cast<QStyledItemDelegate&>(column) : delegate).paint(&painter, option, i);
                    if (c == 5 && i.data().isValid() && image.pixel(60, 10) == qRgb(255, 255, 255))
                        QFAIL("no button drawn");
                }
                walk(m.index(r, 0, parent));
            }
        };
        walk(QModelIndex());
        QCOMPARE(RouteDefColumnDelegate::isPlus(StartGroupItem), true);
        QCOMPARE(RouteDefColumnDelegate::isPlus(PointItem), false);
    }

    void routeDialogCollectsComplaints()
    {
        RouteDefModel m;
        fill(m, 1);
        AddRouteDlg dlg;
        QCOMPARE(dlg.routeType(), -1);
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning,
                                 "Nincs megadva útvonal név!\nKi kell választani az útvonal típusát!\n");
            dlg.endDlg();
        }
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        dlg.RouteNameEdit->setText("r");
        dlg.setRouteType(2);
        dlg.endDlg(); // no model: no name is taken
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        AddRouteDlg change;
        change.model = &m;
        change.initialName = "R";
        change.RouteNameEdit->setText("r");
        change.setRouteType(4);
        QCOMPARE(change.routeType(), 4);
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "Ilyen nevű útvonal már van!\n");
            change.endDlg();
        }
        change.RouteNameEdit->setText("R");
        change.endDlg();
        QCOMPARE(change.result(), int(QDialog::Accepted));
        change.setRouteType(-1);
        QCOMPARE(change.routeType(), -1);
    }

    // Every field where a route name is typed takes only a name the route record holds whole.
    void routeNameFields_data()
    {
        QTest::addColumn<QByteArray>("codec");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("valid");
        const QChar o(0x151);
        const QString smiley = QString::fromUtf8("\xf0\x9f\x98\x80");
        QTest::newRow("ASCII at the limit") << QByteArray("UTF-8") << QString(80, 'a') << true;
        QTest::newRow("ASCII over the limit") << QByteArray("UTF-8") << QString(81, 'a') << false;
        QTest::newRow("accented at 80 bytes") << QByteArray("UTF-8") << QString(40, o) << true;
        QTest::newRow("accented at 82 bytes") << QByteArray("UTF-8") << QString(41, o) << false;
        QTest::newRow("46 accented") << QByteArray("UTF-8") << QString(46, o) << false;
        QTest::newRow("mixed at 80 bytes") << QByteArray("UTF-8") << QString(78, 'a') + o << true;
        QTest::newRow("mixed at 81 bytes") << QByteArray("UTF-8") << QString(79, 'a') + o << false;
        QTest::newRow("four-byte letters at 80 bytes") << QByteArray("UTF-8") << smiley.repeated(20) << true;
        QTest::newRow("four-byte letters at 84 bytes") << QByteArray("UTF-8") << smiley.repeated(21) << false;
        QTest::newRow("46 accented, one byte each") << QByteArray("Windows-1250") << QString(46, o) << true;
        QTest::newRow("letter outside the code page")
            << QByteArray("Windows-1250") << QString::fromUtf8("\xd0\x96") << false;
        QTest::newRow("hash") << QByteArray("UTF-8") << QString("a#b") << false;
        QTest::newRow("zero character") << QByteArray("UTF-8") << QString("a") + QChar(0) + "b" << false;
        QTest::newRow("empty") << QByteArray("UTF-8") << QString() << false;
    }
    void routeNameFields()
    {
        QFETCH(QByteArray, codec);
        QFETCH(QString, name);
        QFETCH(bool, valid);
        QTextCodec* old = QTextCodec::codecForLocale();
        QTextCodec::setCodecForLocale(QTextCodec::codecForName(codec));
        RouteDefModel m;
        fill(m, 0);
        RouteDefDelegate delegate;
        QWidget parent;
        std::unique_ptr<QWidget> cell(delegate.createEditor(&parent, QStyleOptionViewItem(), m.routeIndex(0)));
        AddRouteDlg route;
        ExtractRouteDlg extract;
        for (QLineEdit* field : {qobject_cast<QLineEdit*>(cell.get()), route.RouteNameEdit, extract.routeNameEdit}) {
            QString text = name;
            int pos = 0;
            QCOMPARE(field->validator()->validate(text, pos) == QValidator::Acceptable, valid);
        }
        QCOMPARE(isValidRouteName(name), valid);
        QTextCodec::setCodecForLocale(old);
    }

    void longAccentedNamesSurviveReload()
    {
        // Alike in their first 80 bytes: had both been taken, the saved plan would load
        // them as one route holding both routes' points.
        const QString stem(45, QChar(0x151));
        RouteDefModel m;
        AddRouteDlg dlg;
        const QString first = typeInto(dlg.RouteNameEdit, stem + "A");
        QCOMPARE(first, stem.left(40));
        m.addRoute(RouteHead(first, 0, RouteTime()));
        QCOMPARE(m.addRoute(RouteHead("X", 0, RouteTime())), 1);
        RouteDefDelegate delegate;
        QWidget parent;
        std::unique_ptr<QWidget> cell(delegate.createEditor(&parent, QStyleOptionViewItem(), m.routeIndex(1)));
        auto* field = qobject_cast<QLineEdit*>(cell.get());
        field->clear();
        QCOMPARE(typeInto(field, stem + "B"), stem.left(40));
        delegate.setModelData(field, &m, m.routeIndex(1)); // the name is taken: refused
        QVERIFY(m.addPoint(RoutePoint("B", "0:05"), m.pointsGroupIndex(0), false));
        QVERIFY(m.addPoint(RoutePoint("C", "0:10"), m.pointsGroupIndex(1), false));
        QVERIFY(m.saveAs("long.erd", nullptr));
        RouteDefModel back;
        QVERIFY(back.load("long.erd"));
        QCOMPARE(back.routeCount(), m.routeCount());
        for (int r = 0; r < m.routeCount(); ++r) {
            QCOMPARE(back.routeHead(r).name, m.routeHead(r).name);
            QCOMPARE(back.pointCount(r), m.pointCount(r));
        }
    }

    void startDialogLaysOutAndChecks()
    {
        addStartDlg dlg;
        QCOMPARE(dlg.exec(), 0); // no route type: not shown at all
        dlg.setRoute(RouteHead("Éj", 3, RouteTime()), false);
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Indulási időtartomány hozzáadás"));
        QCOMPARE(dlg.RouteLabel->text(), QStringLiteral("Útvonal név: \"Éj\""));
        QCOMPARE(dlg.MinEdit->isHidden(), true);
        QCOMPARE(dlg.MaxLabel->text(), QStringLiteral("Körök közti idő:"));
        QCOMPARE(dlg.RepeatSpin->isHidden(), false);
        dlg.BeginSpin->setValue(1);
        dlg.BeginEdit->setTime(QTime(2, 30));
        dlg.EndSpin->setValue(9);
        dlg.EndEdit->setTime(QTime(23, 59));
        QCOMPARE(dlg.routeStart().t1.toSeconds(), 95400);
        QCOMPARE(dlg.routeStart().t2.toString(), QStringLiteral("9 23:59"));
        QCOMPARE(dlg.routeStart().t3.toSeconds(), 0); // hidden rows count too
        QCOMPARE(dlg.routeStart().count, quint16(1));
        dlg.endDlg();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));

        addStartDlg flexible;
        flexible.setRoute(RouteHead("R", 4, RouteTime()), true);
        QCOMPARE(flexible.windowTitle(), QStringLiteral("Szolgálati idő módosítás"));
        flexible.setStart(RouteStart("8:00", "7:59", 3, "0:10", "0:05"));
        QCOMPARE(flexible.RepeatSpin->value(), 3);
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning,
                                 "A kezdő időpont későbbi, mint a vég időpont!\n"
                                 "A minimális követési idő nagyobb, mint a maximális követési idő!\n");
            flexible.endDlg();
        }
        QCOMPARE(flexible.result(), int(QDialog::Rejected));

        addStartDlg fixed;
        fixed.setRoute(RouteHead("R", 0, RouteTime()), true);
        QCOMPARE(fixed.EndEdit->isHidden(), true);
        fixed.setStart(RouteStart("8:00", "", 1, "", ""));
        QCOMPARE(fixed.EndEdit->time().toString("H:mm"), QStringLiteral("23:59")); // an unset time
        QCOMPARE(fixed.routeStart().t2.toString(), QStringLiteral("  23:59"));
        fixed.endDlg(); // fixed starts are not compared
        QCOMPARE(fixed.result(), int(QDialog::Accepted));
        QCOMPARE(fixed.RepeatSpin->maximum(), 250);
        QCOMPARE(fixed.BeginSpin->maximum(), 9);
    }

    void pointDialogFields()
    {
        addPointDlg dlg;
        QCOMPARE(dlg.exec(), 0);
        dlg.setRoute(RouteHead("Kör", 2, RouteTime()));
        QCOMPARE(dlg.RouteLabel->text(), QStringLiteral("Útvonal név: \"Kör\""));
        QCOMPARE(dlg.timeEdit->isHidden(), true);
        QCOMPARE(dlg.TimeSpin->isHidden(), true);
        QCOMPARE(dlg.routePoint().offset.toSeconds(), 0);
        QCOMPARE(dlg.routePoint().describe(false), QStringLiteral("AAAAAAAAAAAA"));
        dlg.CodeEdit->setText("abcde");
        QCOMPARE(dlg.routePoint().describe(false), QStringLiteral("ABCDEAAAAAAA"));
        dlg.setRoute(RouteHead("Kör", 1, RouteTime()));
        QCOMPARE(dlg.timeEdit->isHidden(), false);
        dlg.setPoint(RoutePoint("PONMLKJIHGFE", "1 01:05"));
        QCOMPARE(dlg.CodeEdit->text(), QStringLiteral("PONMLKJIHGFE"));
        QCOMPARE(dlg.TimeSpin->value(), 1);
        QCOMPARE(dlg.routePoint().offset.toString(), QStringLiteral("1 01:05"));
        int pos = 0;
        QString text = "abq";
        QCOMPARE(dlg.CodeEdit->validator()->validate(text, pos), QValidator::Invalid);
        addPointDlg::setPointPicker([](QWidget* parent, QString* code) {
            *code = QStringLiteral("BBBBBBBBBBBB");
            return parent != nullptr;
        });
        dlg.PointPopup();
        addPointDlg::setPointPicker(addPointDlg::PointPicker());
        QCOMPARE(dlg.CodeEdit->text(), QStringLiteral("BBBBBBBBBBBB"));
    }

    void pointBrowseUsesTheCodeNameListsPicker()
    {
        TestEnv env; // an empty code-name list: the picker warns and nothing is chosen
        addPointDlg dlg;
        dlg.setRoute(RouteHead("Kör", 1, RouteTime()));
        dlg.CodeEdit->setText("ABC");
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "Nincs egyetlen elnevezett ellenőrző pont sem!");
        dlg.PointPopup();
        QCOMPARE(dlg.CodeEdit->text(), QStringLiteral("ABC"));
    }

    void dayAndTimeWidget_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("time");
        QTest::newRow("26:30") << 95400 << 1 << "02:30";
        QTest::newRow("largest") << 863940 << 9 << "23:59";
        QTest::newRow("unset") << -1 << 0 << "00:00";
    }
    void dayAndTimeWidget()
    {
        QFETCH(int, seconds);
        QFETCH(int, day);
        QFETCH(QString, time);
        VglTimeWidget w;
        w.setValue(seconds < 0 ? RouteTime() : routeTimeFromSeconds(unsigned(seconds)));
        QCOMPARE(w.daySpin()->value(), day);
        QCOMPARE(w.timeEdit()->time().toString("HH:mm"), time);
        QCOMPARE(w.value().toSeconds(), qMax(0, seconds));
    }

    void dayAndTimeWidgetSignals()
    {
        VglTimeWidget w;
        QSignalSpy accepted(&w, &VglTimeWidget::accepted);
        QSignalSpy rejected(&w, &VglTimeWidget::rejected);
        QTest::keyClick(&w, Qt::Key_Escape);
        QCOMPARE(rejected.count(), 1);
        QCOMPARE(accepted.count(), 0);
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(&w, &out);
        QCOMPARE(accepted.count(), 1);
        QTest::keyClick(&w, Qt::Key_Return);
        QTest::keyClick(&w, Qt::Key_Enter);
        QCOMPARE(accepted.count(), 3);
        QCOMPARE(w.autoFillBackground(), true);
    }

private:
    std::unique_ptr<TestEnv> env;
};

WYX_TEST_MAIN(TestRouteEditors)
#include "tst_routeeditors.moc"
