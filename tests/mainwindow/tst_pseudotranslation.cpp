// The running program under a pseudo-translation in which every text of the catalogue is
// its source between ⟦ and ⟧. Whatever a menu, window, dialog, message, print or export
// shows without the marks never went through the catalogue, so it stays Hungarian in German
// and English. Numbers, file names and the user's own data carry no marks and are skipped.
#include "mainwindow/documenttestutil.h"

#include "device/devicetestutil.h"
#include "evaluation/plantestutil.h"
#include "eventlog/logtestutil.h"
#include "support/pdftext.h"

#include "codenames/kodnevmodel.h"
#include "codenames/kodnevview.h"
#include "codenames/kodtableview.h"
#include "core/documentwindow.h"
#include "core/settings.h"
#include "evaluation/evaluationmodel.h"
#include "evaluation/evaluationview.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "mainwindow/programfiles.h"
#include "routes/routedefview.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeView>
#include <QTimer>
#include <QTranslator>

namespace {

const QString pseudoCatalogue = QStringLiteral(WYX_BUILD_DIR "/translations/pseudo/wyx770_pseudo.qm");

// Names, codes and files the tests make up: data, not program texts.
const QStringList userData = {QStringLiteral("AAAAAAAAAAAB"), QStringLiteral("AAAAAAAAAAAC"),
                              QStringLiteral("BAAAAAAAAAAA"), QStringLiteral("Kapu"),
                              QStringLiteral("Hátsó"),        QStringLiteral("PROBA"),
                              QStringLiteral("VIG1"),         QStringLiteral("Éjszakai"),
                              QStringLiteral("WYX770"),       QStringLiteral("QUELTA"),
                              QStringLiteral("terv"),         QStringLiteral("lista"),
                              QStringLiteral("jegyzet"),      QStringLiteral("SIM00001"),
                              QStringLiteral("VGL-770")};
// Qt's own button texts, translated by Qt's catalogue.
const QStringList qtTexts = {QStringLiteral("OK"),     QStringLiteral("Cancel"),  QStringLiteral("Yes"),
                             QStringLiteral("No"),     QStringLiteral("Close"),   QStringLiteral("Apply"),
                             QStringLiteral("Help"),   QStringLiteral("Save"),    QStringLiteral("Discard"),
                             QStringLiteral("Open"),   QStringLiteral("Reset"),   QStringLiteral("Restore Defaults"),
                             QStringLiteral("Abort"),  QStringLiteral("Retry"),   QStringLiteral("Ignore")};

// Month and day names and time zones: the locale's data, whatever the program's language.
QStringList localeWords()
{
    QStringList words = {QStringLiteral("CEST"), QStringLiteral("CET"), QStringLiteral("UTC")};
    for (const QLocale& l : {QLocale(), QLocale::system(), QLocale::c()}) {
        for (QLocale::FormatType f : {QLocale::LongFormat, QLocale::ShortFormat}) {
            for (int i = 1; i <= 12; ++i)
                words << l.monthName(i, f) << l.standaloneMonthName(i, f);
            for (int i = 1; i <= 7; ++i)
                words << l.dayName(i, f) << l.standaloneDayName(i, f);
        }
    }
    std::sort(words.begin(), words.end(), [](const QString& a, const QString& b) { return a.size() > b.size(); });
    return words;
}

// What is left of a text once its marked parts, markup, numbers and data are taken out.
QString unmarked(QString text, const QString& root)
{
    static const QRegularExpression markup(QStringLiteral("<[^>]*>|&[a-z]+;"));
    static const QRegularExpression marked(QStringLiteral("\\x{27e6}[^\\x{27e6}\\x{27e7}]*\\x{27e7}"));
    static const QRegularExpression fileName(
        QStringLiteral("[\\w.-]*\\.(ewl|ewa|erd|ffr|kod|txt|xml|pdf|bak|TXT|XML)\\b"));
    text.remove(markup);
    // Arguments may be marked texts themselves: the innermost parts go first.
    for (int before = -1; before != text.size();) {
        before = text.size();
        text.replace(marked, QStringLiteral(" "));
    }
    if (!root.isEmpty())
        text.remove(root);
    text.remove(fileName);
    text.remove(QRegularExpression(QStringLiteral("#[0-9a-fA-F]{6}\\b")));
    // Keywords of the plan's XML form, which its import looks for.
    text.remove(QRegularExpression(QStringLiteral("_[A-Z0-9_.]+_")));
    static const QStringList dates = localeWords();
    for (const QString& data : userData + dates)
        text.remove(data);
    const QString bare = QString(text).remove(QLatin1Char('&')).trimmed();
    return qtTexts.contains(bare) ? QString() : text;
}

// Collects every visible text that has a word outside the marks.
class MarkCheck
{
public:
    explicit MarkCheck(const QString& root) : m_root(root) {}

    void check(const QString& where, const QString& text)
    {
        static const QRegularExpression word(QStringLiteral("\\p{L}{2,}"));
        QStringList words;
        for (auto it = word.globalMatch(unmarked(text, m_root)); it.hasNext();)
            words << it.next().captured(0);
        if (!words.isEmpty())
            faults << QStringLiteral("%1: %2 in \"%3\"").arg(where, words.join(QLatin1Char(' ')), text.left(160));
    }

    // A title is one text of the catalogue: words of two texts put together read wrongly
    // in a language that orders or inflects them otherwise.
    void checkTitle(const QString& where, const QString& title)
    {
        check(where, title);
        static const QRegularExpression nested(QStringLiteral("\\x{27e6}[^\\x{27e7}]*\\x{27e6}"));
        if (title.contains(nested))
            faults << QStringLiteral("%1: title of pieces \"%2\"").arg(where, title);
    }

    void checkPrompts(const QList<Prompts::Request>& seen, const QString& where)
    {
        for (const Prompts::Request& r : seen) {
            checkTitle(where + QStringLiteral(" prompt title"), r.title);
            check(where + QStringLiteral(" prompt"), r.text);
            for (const QString& b : r.buttons)
                check(where + QStringLiteral(" prompt button"), b);
            check(where + QStringLiteral(" prompt filter"), QString(r.filter).remove(QRegularExpression("\\(.*?\\)")));
        }
    }

    void checkModel(const QString& where, const QAbstractItemModel* model, const QModelIndex& parent, int depth)
    {
        for (int r = 0; r < qMin(model->rowCount(parent), 40); ++r) {
            for (int c = 0; c < model->columnCount(parent); ++c) {
                const QModelIndex i = model->index(r, c, parent);
                check(where, model->data(i).toString());
                if (depth < 3 && c == 0)
                    checkModel(where, model, i, depth + 1);
            }
        }
    }

    void checkWidgets(QWidget* top, const QString& where)
    {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* w : widgets) {
            if (w != top && !w->isVisibleTo(top))
                continue;
            const QString at = where + QLatin1Char('/')
                               + (w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                                            : w->objectName());
            if (w->isWindow() || qobject_cast<QMdiSubWindow*>(w) || qobject_cast<QDockWidget*>(w))
                checkTitle(at, w->windowTitle());
            check(at + QStringLiteral(" tip"), w->toolTip());
            if (auto* label = qobject_cast<QLabel*>(w)) {
                check(at, label->text());
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                check(at, button->text());
            } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
                check(at, box->title());
            } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
                for (int i = 0; i < tabs->count(); ++i)
                    check(at, tabs->tabText(i));
            } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
                for (int i = 0; !combo->isEditable() && i < combo->count(); ++i)
                    check(at, combo->itemText(i));
            } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
                check(at, edit->placeholderText());
            } else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) {
                check(at, spin->specialValueText());
                if (auto* s = qobject_cast<QSpinBox*>(w))
                    check(at, s->prefix() + s->suffix());
            } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
                for (int i = 0; header->model() && i < header->count(); ++i) {
                    if (!header->isSectionHidden(i))
                        check(at, header->model()->headerData(i, header->orientation()).toString());
                }
            } else if (auto* view = qobject_cast<QAbstractItemView*>(w)) {
                if (view->model())
                    checkModel(at, view->model(), view->rootIndex(), 0);
            }
        }
    }

    // Every page of the window's tab widgets in turn: a page not shown is hidden.
    void checkAllPages(QWidget* top, const QString& where)
    {
        checkWidgets(top, where);
        for (QTabWidget* tabs : top->findChildren<QTabWidget*>()) {
            const int shown = tabs->currentIndex();
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                checkWidgets(tabs->widget(i), where + QLatin1Char('/') + tabs->tabText(i));
            }
            tabs->setCurrentIndex(shown);
        }
    }

    void checkMenu(QMenu* menu, const QString& where)
    {
        emit menu->aboutToShow();
        for (QAction* a : menu->actions()) {
            if (a->isSeparator() || !a->isVisible())
                continue;
            const QString at = where + QLatin1Char('/') + (a->objectName().isEmpty() ? a->text() : a->objectName());
            check(at, a->text());
            check(at + QStringLiteral(" status tip"), a->statusTip());
            if (a->menu())
                checkMenu(a->menu(), at);
        }
    }

    void checkMenuBar(QMenuBar* bar, const QString& where)
    {
        for (QAction* top : bar->actions()) {
            if (!top->isVisible())
                continue;
            check(where + QStringLiteral(" menu bar"), top->text());
            if (top->menu())
                checkMenu(top->menu(), where + QLatin1Char('/') + top->text());
        }
    }

    // A text or XML file as written; the names of XML sheets are texts too.
    void checkFile(const QString& path, const QString& where)
    {
        const QString text = QString::fromUtf8(readBytes(path));
        if (text == QLatin1String("<missing>")) {
            faults << where + QStringLiteral(": no file ") + path;
            return;
        }
        static const QRegularExpression sheet(QStringLiteral("ss:Name=\"([^\"]*)\""));
        for (auto it = sheet.globalMatch(text); it.hasNext();)
            check(where + QStringLiteral(" sheet"), it.next().captured(1));
        static const QRegularExpression declarations(QStringLiteral("<\\?[^>]*\\?>|<[^>]*>"));
        check(where, QString(text).remove(declarations));
    }

    QStringList faults;

private:
    QString m_root;
};

// Records every prompt and answers it as a cancel, so that every path runs to its end.
class RecordingPrompts
{
public:
    RecordingPrompts()
    {
        m_previous = Prompts::setHandler([this](const Prompts::Request& r) {
            seen << r;
            Prompts::Answer a;
            a.button = r.buttons.isEmpty() ? 0 : r.buttons.size() - 1;
            a.path = answerPath;
            return a;
        });
    }
    ~RecordingPrompts() { Prompts::setHandler(m_previous); }
    QList<Prompts::Request> seen;
    QString answerPath;

private:
    Prompts::Handler m_previous;
};

// Checks and closes every modal dialog as it comes up.
class ModalChecker : public QObject
{
public:
    ModalChecker(MarkCheck& marks, QString where) : m_marks(marks), m_where(std::move(where))
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (!w || !w->isVisible())
                return;
            m_marks.checkAllPages(w, m_where);
            ++seen;
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
            else
                w->close();
        });
        m_poll.start(5);
    }
    int seen = 0;

private:
    MarkCheck& m_marks;
    QString m_where;
    QTimer m_poll;
};

void activate(MainWindow& w, QWidget* view)
{
    view->show();
    auto* sub = qobject_cast<QMdiSubWindow*>(view);
    w.findChild<QMdiArea*>()->setActiveSubWindow(sub ? sub : qobject_cast<QMdiSubWindow*>(view->parentWidget()));
    w.updateMenus();
}

void setNames()
{
    KodNevModel* names = appSettings().kodNevModel;
    names->removeRows(0, names->rowCount());
    KodNev k;
    k.set(QStringLiteral("AAAAAAAAAAAB"), QStringLiteral("Kapu"), QDate(2020, 1, 1), Qt::white, Qt::black);
    names->addEntry(k, true);
    k.set(QStringLiteral("AAAAAAAAAAAC"), QStringLiteral("Hátsó"), QDate(2021, 1, 1), Qt::yellow, Qt::blue);
    names->addEntry(k, true);
}

LogView* openLog(MainWindow& w)
{
    LogView* view = w.createLogView();
    QVector<LogEntry> entries = {LogTest::event(KindInitialised, 0), LogTest::touch(1, QStringLiteral("AAAAAAAAAAAB")),
                                 LogTest::touch(3, QStringLiteral("BAAAAAAAAAAA")), LogTest::event(KindBattery, 4),
                                 LogTest::touch(60 * 24 * 2, QStringLiteral("AAAAAAAAAAAC")),
                                 LogTest::event(KindReadOut, 60 * 24 * 2 + 5)};
    view->table()->logModel->appendEntries(entries);
    view->setCurrentFile(QStringLiteral("VIG1.ewl"));
    activate(w, view);
    return view;
}

RouteDefView* openPlan(MainWindow& w)
{
    RouteDefView* view = w.createRouteDefView();
    RouteDefModel* m = view->model();
    m->setTolerance(1);
    m->addLog(QStringLiteral("VIG1"));
    for (int type = 0; type < RouteTypeCount; ++type) {
        const RouteHead head(QStringLiteral("Éjszakai%1").arg(type), type, PlanTest::minutesTime(30));
        const int route = m->addRoute(head);
        RouteStart s;
        s.t1 = PlanTest::minutesTime(60);
        s.t2 = PlanTest::minutesTime(120);
        s.t3 = PlanTest::minutesTime(2);
        s.t4 = PlanTest::minutesTime(5);
        s.count = 2;
        m->addStart(s, m->startsGroupIndex(route));
        m->addPoint(RoutePoint(QStringLiteral("AAAAAAAAAAAB"), 60u), m->pointsGroupIndex(route), true);
    }
    view->setCurrentFile(QStringLiteral("terv.erd"));
    activate(w, view);
    // A point of the first route is current, which turns on the start and point commands.
    const QModelIndex points = m->pointsGroupIndex(0);
    view->treeView()->setCurrentIndex(m->index(0, 0, points));
    w.updateMenus();
    return view;
}

EvaluationView* openReport(MainWindow& w)
{
    EvaluationReport report;
    report.title = QStringLiteral("terv_2024-03-05");
    report.baseTime = QDateTime(QDate(2024, 3, 5), QTime(0, 0));
    report.mode = ReportNormal;
    report.logNames = QStringList{QStringLiteral("VIG1")};
    report.routeNames = QStringList{QStringLiteral("Éjszakai")};
    const quint32 kinds[] = {0x40000000u, 0x24000001u, 0x24000002u, 0x20000800u, 0x0E0007FFu, 0x40008000u,
                             0x80000000u};
    for (quint32 kind : kinds) {
        EvaluationRow row;
        unsigned char payload[EvaluationRow::payloadSize] = {};
        row.setPayload(0, kind, payload);
        report.rows << row;
    }
    auto* view = new EvaluationView;
    view->model()->setReport(report, false);
    view->setCurrentFile(QStringLiteral("terv_2024-03-05.ffr"));
    w.findChild<QMdiArea*>()->addSubWindow(view);
    activate(w, view);
    return view;
}

QWidget* openDocument(MainWindow& w, int kind, const TestEnv& env)
{
    switch (kind) {
    case TxtViewKind: {
        writeBytes(env.path("jegyzet.txt"));
        w.loadFile(env.path("jegyzet.txt"));
        return w.activeMdiChild();
    }
    case KodnevViewKind: {
        KodnevView* view = w.createKodnevView();
        activate(w, view);
        view->table()->selectRow(0);
        return view;
    }
    case LogViewKind: return openLog(w);
    case RouteDefViewKind: return openPlan(w);
    case EvaluationViewKind: return openReport(w);
    default: return nullptr;
    }
}

// Commands left out of the walk: they end the program, close the window under test, open a
// file from a list, or show Qt's own dialogs.
const QStringList skipped = {QStringLiteral("exitAct"),    QStringLiteral("closeAct"),   QStringLiteral("closeAllAct"),
                             QStringLiteral("aboutQtAct"), QStringLiteral("printAct"),   QStringLiteral("previewAct"),
                             QStringLiteral("nextAct"),    QStringLiteral("previousAct")};

// The logger's commands do not depend on the document; they run once, with none open.
const QStringList loggerCommands = {QStringLiteral("readOutAct"),   QStringLiteral("timeSetAct"),
                                    QStringLiteral("initializeAct"), QStringLiteral("statusAct"),
                                    QStringLiteral("configureAct"),  QStringLiteral("clockTuneAct")};

QList<QAction*> menuCommands(QMenu* menu, bool withLogger)
{
    QList<QAction*> out;
    emit menu->aboutToShow();
    for (QAction* a : menu->actions()) {
        if (a->menu())
            out << menuCommands(a->menu(), withLogger);
        else if (!a->isSeparator() && a->isVisible() && a->isEnabled() && !a->objectName().isEmpty()
                 && !skipped.contains(a->objectName()) && (withLogger || !loggerCommands.contains(a->objectName())))
            out << a;
    }
    return out;
}

void setLanguage(int language)
{
    appSettings().flags = (appSettings().flags & ~OptLanguageMask) | language;
}

} // namespace

class TestPseudoTranslation : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(images);
        QVERIFY2(m_pseudo.load(pseudoCatalogue), qPrintable(pseudoCatalogue));
        QCoreApplication::installTranslator(&m_pseudo);
    }
    void init()
    {
        // English Qt texts and no catalogue of the program: only the pseudo one answers.
        setLanguage(OptLanguageEnglish);
        setProgramDirectory(m_empty.path());
    }
    void cleanup()
    {
        setLanguage(OptLanguageHungarian);
        setProgramDirectory(QString());
    }

    // The check itself: marked texts, data and numbers pass; a bare word fails.
    void checkFindsUnmarkedWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fault");
        QTest::newRow("marked") << "⟦Kód-név lista⟧" << false;
        QTest::newRow("marked with data") << "⟦%1 nem létezik.⟧ lista.txt" << false;
        QTest::newRow("nested") << "⟦Sor: ⟦érvénytelen kód⟧ AAAAAAAAAAAB⟧ 12" << false;
        QTest::newRow("numbers and times") << "3/5/24 08:00:00  2x  100%" << false;
        QTest::newRow("bare") << "Nyomtatás" << true;
        QTest::newRow("after a mark") << "⟦Kód-név lista⟧   1 oldal" << true;
        QTest::newRow("Qt's button") << "&Cancel" << false;
    }

    void checkFindsUnmarkedWords()
    {
        QFETCH(QString, text);
        QFETCH(bool, fault);
        MarkCheck marks(QString{});
        marks.check(QStringLiteral("t"), text);
        QCOMPARE(!marks.faults.isEmpty(), fault);
    }

    // Every menu, command and dialog of the main window, with each kind of document active.
    void menusCommandsAndDialogs_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("no document") << int(NoView);
        QTest::newRow("text") << int(TxtViewKind);
        QTest::newRow("code names") << int(KodnevViewKind);
        QTest::newRow("log") << int(LogViewKind);
        QTest::newRow("plan") << int(RouteDefViewKind);
        QTest::newRow("report") << int(EvaluationViewKind);
    }

    void menusCommandsAndDialogs()
    {
        QFETCH(int, kind);
        TestEnv env;
        // The logger's clock moves on at every reading: waiting for its tick takes no real time.
        FakeClock clock(QDateTime(QDate(2026, 6, 15), QTime(12, 0, 0, 100)), 7);
        SimulatorScope logger;
        setNames();
        MarkCheck marks(env.workDir());
        MainWindow w;
        w.show();
        QWidget* document = openDocument(w, kind, env);
        QCOMPARE(w.activeViewKind(), kind);
        marks.checkMenuBar(w.menuBar(), QStringLiteral("menus"));
        marks.checkWidgets(&w, QStringLiteral("window"));
        for (QAction* command : w.menuBar()->actions()) {
            if (!command->menu())
                continue;
            for (QAction* a : menuCommands(command->menu(), kind == NoView)) {
                const QString where = a->objectName();
                RecordingPrompts prompts;
                ModalChecker modals(marks, where);
                const QList<QWidget*> before = QApplication::topLevelWidgets();
                a->trigger();
                QCoreApplication::processEvents();
                marks.checkPrompts(prompts.seen, where);
                marks.check(where + QStringLiteral(" status bar"), w.statusBar()->currentMessage());
                for (QWidget* top : QApplication::topLevelWidgets()) {
                    if (top->isVisible() && !before.contains(top)) {
                        marks.checkAllPages(top, where);
                        top->close();
                    }
                }
                if (document)
                    activate(w, document);
            }
        }
        marks.checkWidgets(&w, QStringLiteral("window after the commands"));
        QVERIFY2(marks.faults.isEmpty(), qPrintable(marks.faults.join(QLatin1Char('\n'))));
    }

    // Text, XML and PDF of every document kind, with their page footers and sheet names.
    void printsAndExports_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("code names") << int(KodnevViewKind);
        QTest::newRow("log") << int(LogViewKind);
        QTest::newRow("plan") << int(RouteDefViewKind);
        QTest::newRow("report") << int(EvaluationViewKind);
    }

    void printsAndExports()
    {
        QFETCH(int, kind);
        TestEnv env;
        setNames();
        MarkCheck marks(env.workDir());
        MainWindow w;
        w.show();
        DocumentWindow* document = documentWindowOf(openDocument(w, kind, env));
        QVERIFY(document);
        RecordingPrompts prompts;
        ExportChoice all;
        all.withValidityDate = true;
        all.withColours = true;
        QCOMPARE(document->exportDocument(FormatText, env.path("ki.txt"), all), DocumentWindow::Done);
        marks.checkFile(env.path("ki.txt"), QStringLiteral("text"));
        QCOMPARE(document->exportDocument(FormatXml, env.path("ki.xml"), all), DocumentWindow::Done);
        marks.checkFile(env.path("ki.xml"), QStringLiteral("XML"));
        // Asked before the file is replaced; the answer declines.
        document->exportDocument(FormatXml, env.path("ki.xml"), all);
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(env.path("ki.pdf"));
        QCOMPARE(document->exportPdf(&pdf, RangeAll), DocumentWindow::Done);
        const QStringList pages = pdfPages(env.path("ki.pdf"));
        QVERIFY(!pages.isEmpty());
        QVERIFY2(!pages.first().startsWith(QLatin1String("<pdftotext")), "pdftotext is needed");
        for (const QString& page : pages)
            marks.check(QStringLiteral("PDF"), page);
        // Printing to a file that cannot be made reports it.
        QPrinter broken(QPrinter::HighResolution);
        broken.setOutputFormat(QPrinter::PdfFormat);
        broken.setOutputFileName(env.path("nincs/ki.pdf"));
        QCOMPARE(document->printDocument(&broken, RangeAll, PageSetAll), DocumentWindow::NotDone);
        marks.checkPrompts(prompts.seen, QStringLiteral("export"));
        QVERIFY(prompts.seen.size() >= 2);
        QVERIFY2(marks.faults.isEmpty(), qPrintable(marks.faults.join(QLatin1Char('\n'))));
    }

    // Failed imports and exports of the code-name list: every reason in the catalogue.
    void codeNameImportAndExportFailures()
    {
        TestEnv env;
        setNames();
        MarkCheck marks(env.workDir());
        MainWindow w;
        auto* view = static_cast<KodnevView*>(openDocument(w, KodnevViewKind, env));
        DocumentWindow* document = documentWindowOf(view);
        RecordingPrompts prompts;
        QCOMPARE(document->importDocument(FormatText, env.path("nincs.txt")), DocumentWindow::NotDone);
        writeBytes(env.path("rossz.txt"), "AAAAAAAAAAAB\tKapu\r\n\xff\xfe\r\n");
        document->importDocument(FormatText, env.path("rossz.txt"));
        writeBytes(env.path("rossz.xml"),
                   "<?xml version=\"1.0\"?><Workbook><Worksheet><Table><Row><Cell><Data>AAAAAAAAAAAB</Data></Cell>"
                   "<Cell><Data>Kapu</Data></Cell></Row><Row><Cell><Data>XYZ</Data></Cell><Cell><Data>Kapu</Data>"
                   "</Cell></Row></Table></Worksheet></Workbook>");
        document->importDocument(FormatXml, env.path("rossz.xml"));
        QVERIFY(QDir().mkpath(env.path("mappa.txt")));
        QCOMPARE(document->exportDocument(FormatText, env.path("mappa.txt"), ExportChoice()), DocumentWindow::NotDone);
        QCOMPARE(prompts.seen.size(), 4);
        marks.checkPrompts(prompts.seen, QStringLiteral("code names"));
        QVERIFY2(marks.faults.isEmpty(), qPrintable(marks.faults.join(QLatin1Char('\n'))));
    }

    // The sheet name follows the language; an import reads a sheet of any name.
    void codeNamesReadFromASheetOfAnyLanguage()
    {
        TestEnv env;
        setNames();
        MainWindow w;
        DocumentWindow* document = documentWindowOf(openDocument(w, KodnevViewKind, env));
        RecordingPrompts prompts;
        QCOMPARE(document->exportDocument(FormatXml, env.path("ki.xml"), ExportChoice()), DocumentWindow::Done);
        QVERIFY(readBytes(env.path("ki.xml")).contains("ss:Name=\"⟦Kódlista⟧\""));
        KodNevModel* names = appSettings().kodNevModel;
        names->removeRows(0, names->rowCount());
        QCOMPARE(document->importDocument(FormatXml, env.path("ki.xml")), DocumentWindow::Done);
        QCOMPARE(names->rowCount(), 2);
        QCOMPARE(prompts.seen.size(), 0);
    }

private:
    QTranslator m_pseudo;
    QTemporaryDir m_empty;
};

WYX_TEST_MAIN(TestPseudoTranslation)
#include "tst_pseudotranslation.moc"
