// Every dialog, in each language, opens large enough to show each of its texts whole,
// and its code and time fields wide enough for their longest value.
#include "device/devicetestutil.h"
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
#include "codenames/pointselectpopupdlg.h"
#include "codenames/unnamedpointdlg.h"
#include "core/settings.h"
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
#include "mainwindow/duplexprintdialog.h"
#include "mainwindow/exportdlg.h"
#include "mainwindow/optiondlg.h"
#include "mainwindow/pagesetupdlg.h"
#include "mainwindow/programfiles.h"
#include "routes/addpointdlg.h"
#include "routes/addroutedlg.h"
#include "routes/addstartdlg.h"
#include "routes/extractroutedlg.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOption>
#include <QToolBox>
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

// Every page of a tool box counts.
QStringList faultsOfEveryPage(QDialog* dialog)
{
    QStringList faults = faultsShown(dialog);
    for (QToolBox* box : dialog->findChildren<QToolBox*>()) {
        for (int i = 0; i < box->count(); ++i) {
            box->setCurrentIndex(i);
            QCoreApplication::processEvents();
            faults << faultsShown(dialog);
        }
    }
    faults.removeDuplicates();
    return faults;
}

// Shows the dialog as the program does, hands it to check, and closes it.
QStringList checkShown(QDialog& dialog)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return {QStringLiteral("not shown")};
    QCoreApplication::processEvents();
    QStringList faults = faultsOfEveryPage(&dialog);
    dialog.hide();
    return faults;
}

// For dialogs whose exec prepares them.
QStringList checkExec(QDialog& dialog)
{
    QStringList faults{QStringLiteral("never shown")};
    ModalDriver driver;
    driver.onModal(QString(), [&faults](QWidget* w) {
        auto* shown = static_cast<QDialog*>(w);
        faults = faultsOfEveryPage(shown);
        shown->done(QDialog::Rejected);
    });
    dialog.exec();
    return faults;
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

QStringList addStart(int type)
{
    addStartDlg d;
    d.setRoute(route(type), false);
    return checkExec(d);
}

QStringList addPoint(int type)
{
    addPointDlg d;
    d.setRoute(route(type));
    d.setPoint(RoutePoint(QStringLiteral("ABCDEFGHIJKL"), 90u));
    return checkExec(d);
}

QStringList kodNevEdit(int mode)
{
    KodNevEditDialog d;
    d.setCode(QStringLiteral("ABCDEFGHIJKL"));
    d.setName(QStringLiteral("Főbejárat"));
    d.setDate(QDate(2024, 3, 1));
    d.setMode(mode);
    return checkShown(d);
}

QStringList exportDialog(bool codeNames, int type)
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
    return checkShown(d);
}

template <class Dialog>
QStringList shown()
{
    Dialog d;
    return checkShown(d);
}

const std::map<QString, std::function<QStringList()>>& dialogs()
{
    static const std::map<QString, std::function<QStringList()>> all = {
        {"add point, timed", [] { return addPoint(0); }},
        {"add point, untimed", [] { return addPoint(2); }},
        {"add route", shown<AddRouteDlg>},
        {"add start, fixed", [] { return addStart(0); }},
        {"add start, window", [] { return addStart(1); }},
        {"add start, rounds", [] { return addStart(3); }},
        {"add start, flexible", [] { return addStart(4); }},
        {"archive", shown<archiveDlg>},
        {"configuration",
         [] {
             Logger logger;
             ConfigDlg d;
             return checkExec(d);
         }},
        {"evaluation progress",
         [] {
             DoubleProcessDlg d;
             d.setTexts(QCoreApplication::translate("EvaluationEngine", "Kiértékelés formázása"),
                        QCoreApplication::translate("EvaluationEngine", "bejegyzések:"),
                        QCoreApplication::translate("EvaluationEngine", "indulás:"));
             return checkShown(d);
         }},
        {"duplex", shown<DuplexPrintDialog>},
        {"evaluation", shown<EvaluationDlg>},
        {"evaluation, open plan",
         [] {
             EvaluationDlg d;
             d.hidePlanFile();
             return checkShown(d);
         }},
        {"export, code names", [] { return exportDialog(true, ExportDlg::TypeXml); }},
        {"export, log as PDF", [] { return exportDialog(false, ExportDlg::TypePdf); }},
        {"extract route",
         [] {
             ExtractRouteDlg d;
             d.setPoints({RoutePoint(QStringLiteral("ABCDEFGHIJKL"), 0u), RoutePoint(QStringLiteral("B"), 300u)});
             return checkShown(d);
         }},
        {"initialisation",
         [] {
             Device device;
             InitDlg d;
             d.showDeviceInfo(&device.usb);
             return checkShown(d);
         }},
        {"code name, add", [] { return kodNevEdit(KodNevEditDialog::AddMode); }},
        {"code name, edit", [] { return kodNevEdit(KodNevEditDialog::EditMode); }},
        {"code name, delete", [] { return kodNevEdit(KodNevEditDialog::DeleteMode); }},
        {"filter, checkpoint",
         [] {
             logFilterDlg d;
             d.setMode(true);
             d.PointEdit->setText(QStringLiteral("ABCDEFGHIJKL"));
             return checkShown(d);
         }},
        {"filter, event",
         [] {
             logFilterDlg d;
             d.setMode(false);
             return checkShown(d);
         }},
        {"find", shown<LogFindDlg>},
        {"options", shown<OptionDlg>},
        {"page setup", shown<pageSetupDlg>},
        {"checkpoint picker", shown<PointSelectPopUpDlg>},
        {"read-out",
         [] {
             Device device;
             ReadOutDlg d;
             d.showDeviceInfo(&device.usb);
             d.showNotice(QCoreApplication::translate(
                 "LogReadOut", "A napló elmentve, de a kiolvasás idejét nem sikerült a készülékbe írni."));
             return checkShown(d);
         }},
        {"service signals",
         [] {
             Logger logger;
             serviceWriteDialog d;
             return checkShown(d);
         }},
        {"status",
         [] {
             Logger logger;
             StatusDlg d;
             return checkShown(d);
         }},
        {"unnamed points",
         [] {
             UnNamedPointDlg d;
             d.setProgressRange(100);
             d.kodEdit->setText(QStringLiteral("ABCDEFGHIJKL"));
             return checkShown(d);
         }},
        {"clock setting",
         [] {
             Device device;
             vglClkSetDlg d;
             d.showDeviceInfo(&device.usb);
             return checkShown(d);
         }},
        {"clock tuning",
         [] {
             Device device;
             vglClkTuneDlg d;
             d.showDeviceInfo(&device.usb);
             d.setMessage(QCoreApplication::translate("UsbCom", "Nincs az esemény naplóban óra beállítás "
                                                                "bejegyzés,\naz óra behangolása nem lehetséges!"),
                          QColor("tomato"));
             return checkShown(d);
         }},
    };
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

    void dialogShowsEveryTextWhole_data()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("dialog");
        const QList<std::tuple<const char*, int, const char*>> languages = {
            {"hu", OptLanguageHungarian, "hu_HU"},
            {"de", OptLanguageGerman, "de_DE"},
            {"en", OptLanguageEnglish, "en_GB"}};
        for (const auto& [name, language, locale] : languages) {
            for (const auto& entry : dialogs())
                QTest::addRow("%s, %s", name, qPrintable(entry.first)) << language << locale << entry.first;
        }
    }

    // Compared with what each text, code or time needs in the dialog's own fonts.
    void dialogShowsEveryTextWhole()
    {
        QFETCH(int, language);
        QFETCH(QString, locale);
        QFETCH(QString, dialog);
        TestEnv env;
        appSettings().flags = (appSettings().flags & ~OptLanguageMask) | language;
        QLocale::setDefault(QLocale(locale)); // the program's user has the locale of the language
        QTranslator program;
        QTranslator qt;
        loadProgramTranslations(program, qt, appSettings().flags);
        QCoreApplication::installTranslator(&program);
        QCoreApplication::installTranslator(&qt);
        ScriptedPrompts prompts; // none expected
        const QStringList faults = dialogs().at(dialog)();
        QCoreApplication::removeTranslator(&qt);
        QCoreApplication::removeTranslator(&program);
        QCOMPARE(faults.join(QStringLiteral("\n")), QString());
    }
};

WYX_TEST_MAIN(TestDialogFit)
#include "tst_dialogfit.moc"
