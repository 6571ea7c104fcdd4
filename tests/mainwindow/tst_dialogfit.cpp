// Every dialog and each kind of message box, in each language, opens large enough to show
// each of its texts whole and its title, its code and time fields wide enough for their
// longest value and its path fields for a typical path; in German and English its Alt keys
// are distinct. Every list window shows each cell of its fixed columns whole.
#include "device/devicetestutil.h"
#include "evaluation/reporttestutil.h"
#include "eventlog/logtestutil.h"
#include "support/modaldriver.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "ui_addpointdlg.h"
#include "ui_addroutedlg.h"
#include "ui_addstartdlg.h"
#include "ui_archivedlg.h"
#include "ui_configdlg.h"
#include "ui_doubleprocessdlg.h"
#include "ui_duplexprintdialog.h"
#include "ui_evaluationdlg.h"
#include "ui_exportdlg.h"
#include "ui_extractroutedlg.h"
#include "ui_initdlg.h"
#include "ui_kodneveditdialog.h"
#include "ui_logfilterdlg.h"
#include "ui_logfinddlg.h"
#include "ui_optiondlg.h"
#include "ui_pagesetupdlg.h"
#include "ui_pointselectpopupdlg.h"
#include "ui_readoutdlg.h"
#include "ui_servicewritedialog.h"
#include "ui_statusdlg.h"
#include "ui_unnamedpointdlg.h"
#include "ui_vglclksetdlg.h"
#include "ui_vglclktunedlg.h"

#include "codenames/kodneveditdialog.h"
#include "codenames/kodnevmodel.h"
#include "codenames/kodtableview.h"
#include "codenames/pointselectpopupdlg.h"
#include "codenames/unnamedpointdlg.h"
#include "core/constants.h"
#include "core/settings.h"
#include "core/titlewidthfilter.h"
#include "device/configdlg.h"
#include "device/initdlg.h"
#include "device/readoutdlg.h"
#include "device/servicewritedialog.h"
#include "device/statusdlg.h"
#include "device/usbcom.h"
#include "device/vglclksetdlg.h"
#include "device/vglclktunedlg.h"
#include "evaluation/doubleprocessdlg.h"
#include "evaluation/evaluationdlg.h"
#include "eventlog/archivedlg.h"
#include "eventlog/logfilterdlg.h"
#include "eventlog/logfinddlg.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "evaluation/evaluationtableview.h"
#include "evaluation/evaluationview.h"
#include "mainwindow/duplexprintdialog.h"
#include "mainwindow/exportdlg.h"
#include "mainwindow/optiondlg.h"
#include "mainwindow/pagesetupdlg.h"
#include "mainwindow/programfiles.h"
#include "routes/addpointdlg.h"
#include "routes/addroutedlg.h"
#include "routes/addstartdlg.h"
#include "routes/extractroutedlg.h"
#include "routes/routedefdelegate.h"
#include "routes/routedefmodel.h"
#include "routes/routedefview.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTextLayout>
#include <QToolBox>
#include <QTreeView>
#include <QTranslator>
#include <QValidator>
#include <functional>
#include <map>
#include <memory>

namespace {

QString withoutAccelerators(const QString& text)
{
    QString out;
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        out += text.at(i);
    }
    return out;
}

QString describe(const QWidget* w, const QString& text, int needed, int has)
{
    return QStringLiteral("%1 \"%2\": needs %3, has %4").arg(w->objectName(), text).arg(needed).arg(has);
}

// The longest value a short field takes: as many of its widest accepted character as it
// accepts. Fields taking more than 16 characters are free text, which may scroll.
QString longestValue(const QLineEdit* edit)
{
    const QFontMetrics fm = edit->fontMetrics();
    const QValidator* validator = edit->validator();
    const auto accepts = [validator](QString text) {
        int pos = 0;
        return !validator || validator->validate(text, pos) != QValidator::Invalid;
    };
    // Capitals where the field takes them: codes are shown in capitals.
    QChar widest;
    for (const QString& characters : {QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ:"),
                                      QStringLiteral("abcdefghijklmnopqrstuvwxyz")}) {
        for (QChar c : characters) {
            if (accepts(QString(c)) && (widest.isNull() || fm.horizontalAdvance(c) > fm.horizontalAdvance(widest)))
                widest = c;
        }
        if (!widest.isNull())
            break;
    }
    if (widest.isNull())
        return QString();
    int n = 0;
    while (n < qMin(edit->maxLength(), 17) && accepts(QString(n + 1, widest)))
        ++n;
    return n <= 16 ? QString(n, widest) : QString();
}

// The width a line edit has for its text.
int textRoom(const QLineEdit* edit)
{
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    const QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    const QMargins margins = edit->textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2 - 1; // side margins and cursor
}

QStringList lineEditFaults(const QLineEdit* edit)
{
    QStringList faults;
    const QFontMetrics fm = edit->fontMetrics();
    if (edit->isReadOnly() || !edit->isEnabled()) {
        // A field that only shows a value shows all of it.
        if (fm.horizontalAdvance(edit->text()) > textRoom(edit))
            faults << describe(edit, edit->text(), fm.horizontalAdvance(edit->text()), textRoom(edit));
    } else {
        const QString longest = longestValue(edit);
        if (fm.horizontalAdvance(longest) > textRoom(edit))
            faults << describe(edit, longest, fm.horizontalAdvance(longest), textRoom(edit));
    }
    return faults;
}

QStringList buttonFaults(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = button->rect();
    option.text = button->text();
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (qobject_cast<const QCheckBox*>(button))
        contents = QStyle::SE_CheckBoxContents;
    else if (qobject_cast<const QRadioButton*>(button))
        contents = QStyle::SE_RadioButtonContents;
    else if (!qobject_cast<const QPushButton*>(button))
        return {};
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const QString text = withoutAccelerators(button->text());
    if (text.isEmpty())
        return {};
    const int needed = button->fontMetrics().horizontalAdvance(text)
                       + (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
    if (needed > room.width() || button->fontMetrics().height() > room.height())
        return {describe(button, text, needed, room.width())};
    return {};
}

QStringList labelFaults(const QLabel* label)
{
    if (label->text().isEmpty())
        return {};
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(label->width());
        if (needed > label->height())
            return {describe(label, label->text(), needed, label->height()) + QStringLiteral(" (height)")};
        return {};
    }
    const QSize needed = label->sizeHint();
    if (needed.width() > label->width() || needed.height() > label->height())
        return {describe(label, label->text(), needed.width(), label->width())};
    return {};
}

// A choice shows its chosen entry whole.
QStringList comboFaults(const QComboBox* combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = combo->rect();
    option.editable = combo->isEditable();
    option.currentText = combo->currentText();
    const QRect room =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const int needed = combo->fontMetrics().horizontalAdvance(combo->currentText())
                       + (combo->itemIcon(combo->currentIndex()).isNull() ? 0 : combo->iconSize().width() + 4);
    if (needed > room.width())
        return {describe(combo, combo->currentText(), needed, room.width())};
    return {};
}

// What the dialog cuts as it stands.
QStringList faultsShown(QDialog* dialog)
{
    QStringList faults;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(dialog))
            continue;
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<QComboBox*>(w->parentWidget()))
            continue; // measured as the whole field
        if (auto* label = qobject_cast<QLabel*>(w))
            faults << labelFaults(label);
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            faults << buttonFaults(button);
        else if (auto* edit = qobject_cast<QLineEdit*>(w))
            faults << lineEditFaults(edit);
        else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
            if (spin->minimumSizeHint().width() > spin->width())
                faults << describe(spin, spin->text(), spin->minimumSizeHint().width(), spin->width());
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            faults << comboFaults(combo);
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            if (box->minimumSizeHint().width() > box->width())
                faults << describe(box, box->title(), box->minimumSizeHint().width(), box->width());
        } else if (auto* area = qobject_cast<QScrollArea*>(w)) {
            if (area->horizontalScrollBar()->isVisibleTo(dialog) || area->verticalScrollBar()->isVisibleTo(dialog))
                faults << QStringLiteral("%1 scrolls").arg(area->widget() ? area->widget()->objectName() : QString());
        }
    }
    return faults;
}

// The window title in a bold title-bar font, as window managers commonly draw it, and 140
// pixels for what a title bar shows beside it: an icon and three buttons and the frame.
QStringList titleFaults(const QDialog* dialog)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int needed = QFontMetrics(font).horizontalAdvance(dialog->windowTitle()) + 140;
    if (dialog->windowTitle().isEmpty() || needed <= dialog->width())
        return {};
    return {describe(dialog, dialog->windowTitle(), needed, dialog->width()) + QStringLiteral(" (title)")};
}

// A path as long as a typical one: forty characters.
const QString typicalPath = QStringLiteral("/home/kovacs.janos/Dokumentumok/terv.erd");

// The line edits in the button's row: a field and the button that fills it.
QList<QLineEdit*> fieldsBeside(QDialog* dialog, QAbstractButton* button)
{
    QList<QLineEdit*> fields;
    for (QLayout* layout : dialog->findChildren<QLayout*>()) {
        const int at = layout->indexOf(button);
        if (at < 0)
            continue;
        auto* grid = qobject_cast<QGridLayout*>(layout);
        auto* box = qobject_cast<QBoxLayout*>(layout);
        int row = 0;
        int column = 0;
        int rows = 0;
        int columns = 0;
        if (grid)
            grid->getItemPosition(at, &row, &column, &rows, &columns);
        for (int i = 0; i < layout->count(); ++i) {
            int r = row;
            if (grid)
                grid->getItemPosition(i, &r, &column, &rows, &columns);
            else if (!box || box->direction() == QBoxLayout::TopToBottom || box->direction() == QBoxLayout::BottomToTop)
                continue;
            if (auto* edit = qobject_cast<QLineEdit*>(layout->itemAt(i)->widget()); edit && r == row)
                fields << edit;
        }
    }
    return fields;
}

// A field that a file or folder chooser fills holds a path: it shows a typical one whole.
// Each button beside a field is pressed, the chooser answering with that path.
QStringList pathFieldFaults(QDialog* dialog)
{
    QStringList faults;
    const Prompts::Handler previous = Prompts::setHandler([](const Prompts::Request& r) {
        Prompts::Answer a;
        a.button = qMax(0, r.buttons.size() - 1);
        if (r.kind == Prompts::Kind::OpenFile || r.kind == Prompts::Kind::SaveFile
            || r.kind == Prompts::Kind::Directory)
            a.path = typicalPath;
        return a;
    });
    // Whatever else a button opens is closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [dialog] {
        if (auto* other = qobject_cast<QDialog*>(QApplication::activeModalWidget()); other && other != dialog)
            other->reject();
    });
    closer.start(5);
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        const QList<QLineEdit*> fields = fieldsBeside(dialog, button);
        if (fields.isEmpty() || !button->isVisibleTo(dialog) || !button->isEnabled())
            continue;
        QStringList before;
        for (QLineEdit* edit : fields)
            before << edit->text();
        button->click();
        for (int i = 0; i < fields.size(); ++i) {
            QLineEdit* edit = fields.at(i);
            const int needed = edit->fontMetrics().horizontalAdvance(typicalPath);
            if (edit->text() != before.at(i) && needed > textRoom(edit))
                faults << describe(edit, typicalPath, needed, textRoom(edit)) + QStringLiteral(" (path)");
            edit->setText(before.at(i));
        }
    }
    Prompts::setHandler(previous);
    return faults;
}

// A dialog reaching past the screen hides its lower part, and its buttons with it: it fits the
// smallest screen the program is made for, 1024x768 less a panel and a title bar.
QStringList screenFaults(const QDialog* dialog)
{
    const QSize room(1024, 768 - 60);
    const QSize frame = dialog->frameGeometry().size();
    if (frame.width() <= room.width() && frame.height() <= room.height())
        return {};
    return {QStringLiteral("%1 is %2x%3")
                .arg(dialog->metaObject()->className())
                .arg(frame.width())
                .arg(frame.height())};
}

// What the dialog cuts as it stands, its title and its path fields, and whether it fits a screen.
QStringList fitFaults(QDialog* dialog)
{
    return faultsShown(dialog) + titleFaults(dialog) + pathFieldFaults(dialog) + screenFaults(dialog);
}

// The Alt keys of the labels, buttons, check boxes, radio buttons, group boxes and tabs
// shown together, as "key: text | text" where two share one.
QStringList acceleratorClashes(QDialog* dialog)
{
    QMap<QString, QStringList> byKey;
    const auto add = [&byKey](const QString& text) {
        const QKeySequence key = QKeySequence::mnemonic(text);
        if (!key.isEmpty())
            byKey[key.toString()] << text;
    };
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(dialog))
            continue;
        if (auto* label = qobject_cast<QLabel*>(w))
            add(label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(button->text());
        else if (auto* box = qobject_cast<QGroupBox*>(w))
            add(box->title());
        else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(tabs->tabText(i));
        }
    }
    QStringList clashes;
    for (auto it = byKey.cbegin(); it != byKey.cend(); ++it) {
        if (it.value().size() > 1)
            clashes << it.key() + QStringLiteral(": ") + it.value().join(QStringLiteral(" | "));
    }
    return clashes;
}

using Check = std::function<QStringList(QDialog*)>;

// The check on every page of the dialog's tool boxes and tab widgets in turn.
QStringList onEveryPage(QDialog* dialog, const Check& check)
{
    QStringList faults = check(dialog);
    for (QToolBox* box : dialog->findChildren<QToolBox*>()) {
        for (int i = 0; i < box->count(); ++i) {
            box->setCurrentIndex(i);
            QCoreApplication::processEvents();
            faults << check(dialog);
        }
    }
    for (QTabWidget* tabs : dialog->findChildren<QTabWidget*>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            tabs->setCurrentIndex(i);
            QCoreApplication::processEvents();
            faults << check(dialog);
        }
    }
    faults.removeDuplicates();
    return faults;
}

// Shows the dialog as the program does, hands it to check, and closes it.
QStringList checkShown(QDialog& dialog, const Check& check)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return {QStringLiteral("not shown")};
    QCoreApplication::processEvents();
    QStringList faults = onEveryPage(&dialog, check);
    dialog.hide();
    return faults;
}

// For dialogs that are prepared as they are run: the first modal dialog the action opens.
QStringList checkModal(const std::function<void()>& open, const Check& check)
{
    QStringList faults{QStringLiteral("never shown")};
    ModalDriver driver;
    driver.onModal(QString(), [&faults, &check](QWidget* w) {
        auto* shown = static_cast<QDialog*>(w);
        faults = onEveryPage(shown, check);
        shown->done(QDialog::Rejected);
    });
    open();
    return faults;
}

QStringList checkExec(QDialog& dialog, const Check& check)
{
    return checkModal([&dialog] { dialog.exec(); }, check);
}

// The simulated logger on a clock that moves on at every reading, so that waiting for
// the logger's clock tick takes no real time.
struct Logger {
    FakeClock clock{QDateTime(QDate(2026, 6, 15), QTime(12, 0, 0, 100)), 7};
    SimulatorScope sim;
};

// The logger as a read-out or the initialisation shows it.
struct Device : Logger {
    UsbCom usb;
    Device()
    {
        usb.open();
        usb.getDeviceInfo();
    }
};

RouteHead route(int type)
{
    return RouteHead(QStringLiteral("Éjszakai kör"), type, RouteTime());
}

QStringList addStart(int type, const Check& check)
{
    addStartDlg d;
    d.setRoute(route(type), false);
    return checkExec(d, check);
}

QStringList addPoint(int type, const Check& check)
{
    addPointDlg d;
    d.setRoute(route(type));
    d.setPoint(RoutePoint(QStringLiteral("ABCDEFGHIJKL"), 90u));
    return checkExec(d, check);
}

// The dialog a plan window opens for a command on one of its items.
enum PlanItem { PlanLogs, PlanLog, PlanRoute, PlanStart, PlanPoint };

QStringList planCommand(int type, PlanItem item, bool (RouteDefView::*command)(), const Check& check)
{
    RouteDefView v;
    RouteDefModel* m = v.model();
    v.addRouteRecord(route(type));
    m->addStart(RouteStart("8:00", "9:00", 1, "0:05", "0:10"), m->startsGroupIndex(0));
    m->addPoint(RoutePoint(QStringLiteral("ABCDEFGHIJKL"), 300u), m->pointsGroupIndex(0), true);
    m->addLog(QStringLiteral("VIG1"));
    const QModelIndex current[] = {m->logsGroupIndex(), m->index(0, 0, m->logsGroupIndex()), m->routeIndex(0),
                                   m->index(0, 0, m->startsGroupIndex(0)), m->index(0, 0, m->pointsGroupIndex(0))};
    v.treeView()->setCurrentIndex(current[item]);
    return checkModal([&v, command] { (v.*command)(); }, check);
}

QStringList kodNevEdit(int mode, const Check& check, const QDate& date = QDate(2024, 3, 1))
{
    KodNevEditDialog d;
    d.setCode(QStringLiteral("ABCDEFGHIJKL"));
    d.setName(QStringLiteral("Főbejárat"));
    d.setDate(date);
    d.setMode(mode);
    return checkShown(d, check);
}

QStringList exportDialog(bool codeNames, int type, const Check& check)
{
    ExportDlg d;
    if (codeNames) {
        d.setRangeVisible(RangeSelection, false);
        d.setOptionsVisible(true);
    } else {
        d.setRangeVisible(RangeToCursor, false);
        d.setRangeVisible(RangeFromCursor, false);
    }
    d.exportTypeCombo->setCurrentIndex(type);
    d.fileNameEdit->setText(QStringLiteral("kodlista.txt"));
    return checkShown(d, check);
}

template <class Dialog>
QStringList shown(const Check& check)
{
    Dialog d;
    return checkShown(d, check);
}

// A box as the prompt point shows it, the real one, not the tests' scripted answer. Without a
// title, a route's name makes the question before a start time is removed the longest one.
QStringList messageBox(Prompts::Kind kind, const Check& check, const QList<const char*>& buttons = {},
                       const char* context = nullptr, const char* title = nullptr)
{
    Prompts::Request r;
    r.kind = kind;
    r.title = title ? QCoreApplication::translate(context, title)
                    : QCoreApplication::translate("RouteDefView", "\"%1\"  útvonal")
                          .arg(QStringLiteral("Északi kerület éjszakai köre"));
    r.text = QCoreApplication::translate("RouteDefView", "Valóban töröljük az alábbi időpontot:\n\"%1\"")
                 .arg(QStringLiteral("8:00"));
    for (const char* button : buttons)
        r.buttons << QCoreApplication::translate("RouteDefView", button);
    const Prompts::Handler scripted = Prompts::setHandler({});
    const QStringList faults = checkModal([&r] { Prompts::ask(r); }, check);
    Prompts::setHandler(scripted);
    return faults;
}

// A box the title rule widens while it stands at a passing size, as a box may for a moment
// as it lays itself out again.
QStringList boxAtPassingSize(const Check& check)
{
    return messageBox(
        Prompts::Kind::Warning,
        [&check](QDialog* box) {
            box->setFixedSize(100, 30);
            TitleWidthFilter::fitTitle(box);
            return check(box);
        },
        {}, "OptionDlg", "Opciók");
}

// The labels of the real dialog that saves a plan or a report under a new name: look in,
// file name, file type, accept and reject.
QString saveDialogLabels(const QString& document)
{
    QString labels = QStringLiteral("never shown");
    ModalDriver driver;
    driver.onModal(QStringLiteral("QFileDialog"), [&labels](QWidget* w) {
        auto* dialog = static_cast<QFileDialog*>(w);
        QStringList texts;
        for (const auto label : {QFileDialog::LookIn, QFileDialog::FileName, QFileDialog::FileType,
                                 QFileDialog::Accept, QFileDialog::Reject})
            texts << dialog->labelText(label);
        labels = texts.join(QStringLiteral(" | "));
        dialog->reject();
    });
    const Prompts::Handler scripted = Prompts::setHandler({});
    if (document == QLatin1String("plan"))
        RouteDefView().saveAs();
    else
        EvaluationView().saveAs();
    Prompts::setHandler(scripted);
    return labels;
}

// The notice of an import that renamed 25 routes of 400 characters, every other one without a
// blank and all alike up to their last letters.
QStringList renamedRoutes(const Check& check)
{
    QFile file(QStringLiteral("long.xml"));
    if (!file.open(QIODevice::WriteOnly))
        return {QStringLiteral("long.xml not written")};
    const auto row = [](const QString& first, const QString& more = QString()) {
        return "<Row><Cell><Data>" + first + "</Data></Cell>" + more + "</Row>";
    };
    QString rows = row(erdTagAccuracy, "<Cell><Data>10</Data></Cell>") + row(erdTagLogs) + row(erdTagPaths);
    for (int i = 0; i < 25; ++i) {
        const QString name =
            QString(i % 2 ? "Főbejárat " : "Főbejárat_").repeated(39) + QStringLiteral("kör %1").arg(i, 3);
        rows += row(name, "<Cell><Data>0</Data></Cell><Cell><Data></Data></Cell>") + row(erdTagStarts)
                + row(erdTagPoints);
    }
    file.write(("<Workbook><Worksheet><Table>" + rows + "</Table></Worksheet></Workbook>").toUtf8());
    file.close();
    RouteDefView v;
    const Prompts::Handler scripted = Prompts::setHandler({});
    const QStringList faults = checkModal([&v] { v.importFromXml(QStringLiteral("long")); }, check);
    Prompts::setHandler(scripted);
    return faults;
}

using Opener = std::function<QStringList(const Check&)>;

// Every dialog the program opens, in each of its forms.
const std::map<QString, Opener>& dialogs()
{
    static const std::map<QString, Opener> all = {
        {"add point, timed", [](const Check& c) { return addPoint(0, c); }},
        {"add point, untimed", [](const Check& c) { return addPoint(2, c); }},
        {"add route", shown<AddRouteDlg>},
        {"add start, fixed", [](const Check& c) { return addStart(0, c); }},
        {"add start, window", [](const Check& c) { return addStart(1, c); }},
        {"add start, rounds", [](const Check& c) { return addStart(3, c); }},
        {"add start, flexible", [](const Check& c) { return addStart(4, c); }},
        {"archive", shown<archiveDlg>},
        {"plan: add event log", [](const Check& c) { return planCommand(0, PlanLogs, &RouteDefView::addLog, c); }},
        {"plan: remove event log", [](const Check& c) { return planCommand(0, PlanLog, &RouteDefView::removeLog, c); }},
        {"plan: tolerance", [](const Check& c) { return planCommand(0, PlanLogs, &RouteDefView::modify, c); }},
        {"plan: change route", [](const Check& c) { return planCommand(0, PlanRoute, &RouteDefView::modify, c); }},
        {"plan: change start, fixed", [](const Check& c) { return planCommand(0, PlanStart, &RouteDefView::modify, c); }},
        {"plan: change start, window", [](const Check& c) { return planCommand(1, PlanStart, &RouteDefView::modify, c); }},
        {"plan: change start, flexible",
         [](const Check& c) { return planCommand(4, PlanStart, &RouteDefView::modify, c); }},
        {"plan: change point", [](const Check& c) { return planCommand(0, PlanPoint, &RouteDefView::modify, c); }},
        {"configuration",
         [](const Check& c) {
             Logger logger;
             ConfigDlg d;
             return checkExec(d, c);
         }},
        {"evaluation progress",
         [](const Check& c) {
             DoubleProcessDlg d;
             d.setTexts(QCoreApplication::translate("EvaluationEngine", "Kiértékelés formázása"),
                        QCoreApplication::translate("EvaluationEngine", "bejegyzések:"),
                        QCoreApplication::translate("EvaluationEngine", "indulás:"));
             return checkShown(d, c);
         }},
        {"duplex", shown<DuplexPrintDialog>},
        {"evaluation", shown<EvaluationDlg>},
        {"evaluation, open plan",
         [](const Check& c) {
             EvaluationDlg d;
             d.hidePlanFile();
             return checkShown(d, c);
         }},
        {"export, code names", [](const Check& c) { return exportDialog(true, ExportDlg::TypeXml, c); }},
        {"export, log as PDF", [](const Check& c) { return exportDialog(false, ExportDlg::TypePdf, c); }},
        {"extract route",
         [](const Check& c) {
             ExtractRouteDlg d;
             d.setPoints({RoutePoint(QStringLiteral("ABCDEFGHIJKL"), 0u), RoutePoint(QStringLiteral("B"), 300u)});
             return checkShown(d, c);
         }},
        {"initialisation",
         [](const Check& c) {
             Device device;
             InitDlg d;
             d.showDeviceInfo(&device.usb);
             return checkShown(d, c);
         }},
        {"code name, add", [](const Check& c) { return kodNevEdit(KodNevEditDialog::AddMode, c); }},
        {"code name, edit", [](const Check& c) { return kodNevEdit(KodNevEditDialog::EditMode, c); }},
        {"code name, delete", [](const Check& c) { return kodNevEdit(KodNevEditDialog::DeleteMode, c); }},
        {"code name, valid at all times",
         [](const Check& c) { return kodNevEdit(KodNevEditDialog::EditMode, c, QDate(1, 1, 1)); }},
        {"filter, checkpoint",
         [](const Check& c) {
             logFilterDlg d;
             d.setMode(true);
             d.PointEdit->setText(QStringLiteral("ABCDEFGHIJKL"));
             return checkShown(d, c);
         }},
        {"filter, event",
         [](const Check& c) {
             logFilterDlg d;
             d.setMode(false);
             return checkShown(d, c);
         }},
        {"find", shown<LogFindDlg>},
        {"options", shown<OptionDlg>},
        {"page setup", shown<pageSetupDlg>},
        {"checkpoint picker", shown<PointSelectPopUpDlg>},
        {"read-out",
         [](const Check& c) {
             Device device;
             ReadOutDlg d;
             d.showDeviceInfo(&device.usb);
             d.showNotice(QCoreApplication::translate(
                 "LogReadOut", "A napló elmentve, de a kiolvasás idejét nem sikerült a készülékbe írni."));
             return checkShown(d, c);
         }},
        {"service signals",
         [](const Check& c) {
             Logger logger;
             serviceWriteDialog d;
             return checkShown(d, c);
         }},
        {"status",
         [](const Check& c) {
             Logger logger;
             StatusDlg d;
             return checkShown(d, c);
         }},
        {"unnamed points",
         [](const Check& c) {
             UnNamedPointDlg d;
             d.setProgressRange(100);
             d.kodEdit->setText(QStringLiteral("ABCDEFGHIJKL"));
             return checkShown(d, c);
         }},
        {"box: information",
         [](const Check& c) {
             return messageBox(Prompts::Kind::Information, c, {}, "LogTableView", "Rendkívüli bejegyzés keresés");
         }},
        {"box: warning",
         [](const Check& c) {
             return messageBox(Prompts::Kind::Warning, c, {}, "RouteDefView", "Útvonal terv importálás");
         }},
        {"box: warning, at a passing size", boxAtPassingSize},
        {"box: critical", [](const Check& c) { return messageBox(Prompts::Kind::Critical, c); }},
        {"box: renamed routes", renamedRoutes},
        {"box: question",
         [](const Check& c) { return messageBox(Prompts::Kind::Question, c, {"Töröljük", "Mégsem"}); }},
        {"box: warning, own buttons",
         [](const Check& c) { return messageBox(Prompts::Kind::Warning, c, {"Mentsük", "Ne mentsük", "Mégsem"}); }},
        {"clock setting",
         [](const Check& c) {
             Device device;
             vglClkSetDlg d;
             d.showDeviceInfo(&device.usb);
             return checkShown(d, c);
         }},
        {"clock tuning",
         [](const Check& c) {
             Device device;
             vglClkTuneDlg d;
             d.showDeviceInfo(&device.usb);
             d.setMessage(QCoreApplication::translate("UsbCom", "Nincs az esemény naplóban óra beállítás "
                                                                "bejegyzés,\naz óra behangolása nem lehetséges!"),
                          QColor("tomato"));
             return checkShown(d, c);
         }},
    };
    return all;
}

// ---- List windows

using CellText = std::function<QString(const QModelIndex&)>;

// The text a cell shows through the view's standard delegate.
CellText drawnText(const QAbstractItemView* view)
{
    return [view](const QModelIndex& index) {
        const auto* delegate = qobject_cast<QStyledItemDelegate*>(view->itemDelegate(index));
        return delegate ? delegate->displayText(index.data(), view->locale()) : index.data().toString();
    };
}

// Whether the style draws the text whole between a cell's margins: it lays the text out in
// lines of that width, in the font it draws with, and cuts the first where more would follow.
bool drawnWhole(const QFont& font, const QString& text, int width)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(width);
    const bool whole = line.textLength() == text.size() && line.naturalTextWidth() <= width;
    layout.endLayout();
    return whole;
}

// Every cell of the columns that do not stretch, through the whole tree: its text in its
// font, as the view draws it, fits the column within the margins the style keeps on both
// sides of a text. Of a long list the first and last hundred rows, which hold the samples
// and the largest numbers.
QStringList columnFaults(const QAbstractItemView* view, const QHeaderView* header, const CellText& textOf)
{
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    const QAbstractItemModel* model = view->model();
    QMap<int, QString> faults; // the first of each column
    std::function<void(const QModelIndex&)> walk = [&](const QModelIndex& parent) {
        const int rows = model->rowCount(parent);
        for (int row = 0; row < rows; row = row == 99 ? qMax(100, rows - 100) : row + 1) {
            for (int column = 0; column < model->columnCount(parent); ++column) {
                if (header->sectionResizeMode(column) == QHeaderView::Stretch || header->isSectionHidden(column))
                    continue;
                const QModelIndex index = model->index(row, column, parent);
                const QVariant font = index.data(Qt::FontRole);
                const QFont drawn = font.isValid() ? font.value<QFont>().resolve(view->font()) : view->font();
                const QString text = textOf(index);
                const int width = header->sectionSize(column);
                if (!drawnWhole(drawn, text, width - margins) && !faults.contains(column))
                    faults[column] = QStringLiteral("column %1 \"%2\": cut at %3")
                                         .arg(QString::number(column), text, QString::number(width));
            }
            walk(model->index(row, 0, parent));
        }
    };
    walk(QModelIndex());
    return faults.values();
}

// A route of each type with the longest times and the largest numbers its rows hold.
QStringList planColumns()
{
    RouteDefView v;
    RouteDefModel* m = v.model();
    m->setTolerance(500);
    for (int type = 0; type < RouteTypeCount; ++type) {
        const int row = v.addRouteRecord(
            RouteHead(QStringLiteral("Kör %1").arg(type), type, RouteTime::parse(QStringLiteral("9 23:59"))));
        m->addStart(RouteStart("9 22:00", "9 23:59", 250, "9 23:58", "9 23:59"), m->startsGroupIndex(row));
        m->addStart(RouteStart("", "", 1, "", ""), m->startsGroupIndex(row));
        m->addPoint(RoutePoint(QStringLiteral("ABCDEFGHIJKL"), QStringLiteral("9 23:59")), m->pointsGroupIndex(row),
                    true);
    }
    // The last column draws a button.
    return columnFaults(v.treeView(), v.treeView()->header(), [](const QModelIndex& index) {
        return index.column() == 5 ? QString() : RouteDefDelegate::cellText(index);
    });
}

// Row numbers run to six digits, shown with the locale's group separators.
constexpr int manyRows = 100000;

// A touch of a long code late in a year, long after the one before it (drawn slanted and
// bold), and an event of each kind.
QStringList logColumns()
{
    appSettings().flags |= OptPointCode | OptColorHighlight | OptBackToBackSpecial;
    LogTableView view;
    view.setupColumns();
    QVector<LogEntry> entries(manyRows, LogTest::touch(1, "A"));
    entries << LogTest::touchAt(QDateTime(QDate(2028, 12, 28), QTime(23, 58, 58)), "MMMMMMMMMMMM");
    for (int kind = KindDeepDischarge; kind <= KindFirstUnknown; ++kind)
        entries << LogTest::event(kind, kind);
    view.logModel->appendEntries(entries);
    return columnFaults(&view, view.horizontalHeader(), drawnText(&view));
}

// A long code valid from a late day of a year, and one valid at all times.
QStringList codeNameColumns()
{
    KodNevModel* names = appSettings().kodNevModel;
    names->removeRows(0, names->rowCount());
    KodNev entry;
    for (const QDate& date : {QDate(2028, 12, 28), minValidDate}) {
        entry.set(QStringLiteral("MMMMMMMMMMMM"), QStringLiteral("Főbejárat"), date, Qt::white, Qt::black);
        names->addEntry(entry, true);
    }
    KodTableView view;
    view.setupView();
    names->insertRows(0, manyRows);
    return columnFaults(&view, view.horizontalHeader(), drawnText(&view));
}

QStringList reportColumns()
{
    EvaluationTableView view;
    view.setupView();
    view.evaluationModel()->setReport(ReportTest::numberedReport(manyRows), false);
    return columnFaults(&view, view.horizontalHeader(), drawnText(&view));
}

const std::map<QString, std::function<QStringList()>>& listWindows()
{
    static const std::map<QString, std::function<QStringList()>> all = {
        {"plan", planColumns},
        {"event log", logColumns},
        {"code names", codeNameColumns},
        {"report", reportColumns}};
    return all;
}

} // namespace

class TestDialogFit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(images);
        setProgramDirectory(QStringLiteral(WYX_BUILD_DIR));
    }
    void cleanupTestCase() { setProgramDirectory(QString()); }

    void dialogShowsEveryTextWhole_data() { dialogsIn({"hu", "de", "en"}); }

    // Compared with what each text, code, time and path needs in the dialog's own fonts.
    void dialogShowsEveryTextWhole()
    {
        QFETCH(QString, dialog);
        const Language language(QTest::currentDataTag());
        QCOMPARE(dialogs().at(dialog)(fitFaults).join(QStringLiteral("\n")), QString());
    }

    void dialogAcceleratorsAreDistinct_data() { dialogsIn({"de", "en"}); }

    // One Alt key for each field and button shown together, on each page.
    void dialogAcceleratorsAreDistinct()
    {
        QFETCH(QString, dialog);
        const Language language(QTest::currentDataTag());
        QCOMPARE(dialogs().at(dialog)(acceleratorClashes).join(QStringLiteral("\n")), QString());
    }

    void documentSaveDialogShowsItsOwnLabels_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<QString>("labels");
        const QList<QPair<const char*, const char*>> languages = {
            {"hu", "Könyvtár | Fájl név | Fájl típus | &OK | &Mégsem"},
            {"de", "Verzeichnis | Dateiname | Dateityp | &OK | &Abbrechen"},
            {"en", "Directory | File name | File type | &OK | &Cancel"}};
        for (const auto& language : languages) {
            for (const char* document : {"plan", "report"})
                QTest::addRow("%s, %s", language.first, document) << document << QString::fromUtf8(language.second);
        }
    }

    void documentSaveDialogShowsItsOwnLabels()
    {
        QFETCH(QString, document);
        QFETCH(QString, labels);
        const Language language(QTest::currentDataTag());
        QCOMPARE(saveDialogLabels(document), labels);
    }

    void listWindowShowsEveryCellWhole_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("fontSize");
        for (const char* language : {"hu", "de", "en"}) {
            for (const auto& entry : listWindows()) {
                for (const int fontSize : {10, 5}) // the default and the smallest the options offer
                    QTest::addRow("%s, %s, %d pt", language, qPrintable(entry.first), fontSize)
                        << entry.first << fontSize;
            }
        }
    }

    // Measured in each cell's own font, as its delegate words it.
    void listWindowShowsEveryCellWhole()
    {
        QFETCH(QString, window);
        QFETCH(int, fontSize);
        const Language language(QTest::currentDataTag());
        appSettings().fontSize = fontSize;
        QCOMPARE(listWindows().at(window)().join(QStringLiteral("\n")), QString());
    }

private:
    void dialogsIn(const QStringList& languages)
    {
        QTest::addColumn<QString>("dialog");
        for (const QString& language : languages) {
            for (const auto& entry : dialogs())
                QTest::addRow("%s, %s", qPrintable(language), qPrintable(entry.first)) << entry.first;
        }
    }

    // The program's language and the user's locale of it, by the row's tag, for as long as
    // it lives; no prompt is expected meanwhile.
    class Language
    {
    public:
        explicit Language(const char* tag)
        {
            const QString name = QString::fromLatin1(tag).left(2);
            const int language = name == QLatin1String("de")   ? OptLanguageGerman
                                 : name == QLatin1String("en") ? OptLanguageEnglish
                                                               : OptLanguageHungarian;
            appSettings().flags = (appSettings().flags & ~OptLanguageMask) | language;
            QLocale::setDefault(QLocale(name == QLatin1String("de")   ? QStringLiteral("de_DE")
                                        : name == QLatin1String("en") ? QStringLiteral("en_GB")
                                                                      : QStringLiteral("hu_HU")));
            loadProgramTranslations(m_program, m_qt, appSettings().flags);
            QCoreApplication::installTranslator(&m_program);
            QCoreApplication::installTranslator(&m_qt);
        }
        ~Language()
        {
            QCoreApplication::removeTranslator(&m_qt);
            QCoreApplication::removeTranslator(&m_program);
        }

    private:
        TestEnv m_env;
        QTranslator m_program;
        QTranslator m_qt;
        ScriptedPrompts m_prompts;
    };
};

WYX_TEST_MAIN(TestDialogFit)
#include "tst_dialogfit.moc"
