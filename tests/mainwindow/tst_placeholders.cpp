// Names the user gives (files, loggers, routes, points, plans, reports) may hold "%1", "%2",
// "%L1" or "%%": every footer, row, title, message and file name shows them as they are.
// QString::arg() replaces placeholders inside what an earlier arg() put in, so the rule is
// that a text gets all its values in one call; the source scan keeps it so.
#include "mainwindow/documenttestutil.h"

#include "evaluation/plantestutil.h"
#include "evaluation/reporttestutil.h"
#include "support/pdftext.h"
#include "support/sourcetext.h"

#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/documentwindow.h"
#include "core/settings.h"
#include "device/serialportusage.h"
#include "evaluation/evaluationmodel.h"
#include "eventlog/logmodel.h"

#include <QDir>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// Every placeholder form QString::arg() knows, and an escaped-looking percent.
const QString tricky = QStringLiteral("A%1%2%L1%%");

// Where an arg() call is followed straight by another, as "line: text".
QStringList chainedArgs(const QString& source)
{
    QStringList found;
    const QString call = QStringLiteral(".arg(");
    for (int at = source.indexOf(call); at >= 0; at = source.indexOf(call, at + 1)) {
        int i = at + call.size();
        for (int depth = 1; i < source.size() && depth > 0; ++i) {
            const QChar c = source.at(i);
            if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
                i = SourceText::literalEnd(source, i);
            } else if (source.midRef(i, 2) == QLatin1String("//")) {
                i = source.indexOf(QLatin1Char('\n'), i);
                i = i < 0 ? source.size() : i;
            } else if (c == QLatin1Char('(')) {
                ++depth;
            } else if (c == QLatin1Char(')')) {
                --depth;
            }
        }
        static const QRegularExpression gap(QStringLiteral("\\G(?:\\s|//[^\\n]*|/\\*.*?\\*/)*\\.arg\\("),
                                            QRegularExpression::DotMatchesEverythingOption);
        if (gap.match(source, i).hasMatch())
            found << QStringLiteral("%1: %2").arg(QString::number(SourceText::lineAt(source, at)),
                                                 source.mid(at, i - at).simplified());
    }
    return found;
}

// Records every prompt and answers it with its last button.
class RecordingPrompts
{
public:
    RecordingPrompts()
    {
        m_previous = Prompts::setHandler([this](const Prompts::Request& r) {
            texts << r.text;
            Prompts::Answer a;
            a.button = r.buttons.isEmpty() ? 0 : r.buttons.size() - 1;
            return a;
        });
    }
    ~RecordingPrompts() { Prompts::setHandler(m_previous); }
    QStringList texts;

private:
    Prompts::Handler m_previous;
};

KodNev namedCode(const QString& code, const QString& name)
{
    KodNev k;
    k.set(code, name, QDate(2020, 1, 1), Qt::white, Qt::black);
    return k;
}

// A document of the kind named by its extension, written under path with names holding name.
void writeDocument(const QString& path, const QString& name)
{
    const QString ext = QFileInfo(path).suffix();
    if (ext == QLatin1String("txt")) {
        writeBytes(path, name.toUtf8());
    } else if (ext == extEventLog) {
        writeLog(path, name.left(8));
    } else if (ext == extRoutePlan) {
        PlanTest::Plan plan;
        plan.log(name).route(name, 0, 30).start(60).point(QStringLiteral("B"), 5);
        QVERIFY(plan.model->saveAs(path, nullptr, true));
    } else if (ext == extReport) {
        EvaluationReport report;
        report.title = name + QStringLiteral("_2024-03-05");
        report.baseTime = QDateTime(QDate(2024, 3, 5), QTime(0, 0));
        report.mode = ReportNormal;
        report.logNames = QStringList{name};
        report.rows << ReportTest::row(0x80000010u, 0, QByteArray());
        EvaluationModel model;
        model.setReport(report, true);
        QVERIFY(model.save(path, nullptr, true));
    }
}

QStringList checkableEntries(QMenu* menu)
{
    emit menu->aboutToShow();
    QStringList out;
    for (QAction* a : menu->actions()) {
        if (a->isCheckable() || a->objectName() == QLatin1String("recentFileAct"))
            out << a->text();
    }
    return out;
}

// The row texts of a report whose logger, route and point names (and its title) are name.
QStringList reportRows(const QString& name)
{
    using namespace ReportTest;
    const QByteArray t0800 = packed(2024, 3, 5, 8, 0);
    const QByteArray t0930 = packed(2024, 3, 5, 9, 30);
    const QByteArray point = payload({{0, t0800}, {4, code("AAAAAAAAAAAB")}});
    const QByteArray span = payload({{0, t0800}, {4, code("AAAAAAAAAAAB")}, {10, t0930}});
    const QByteArray route = payload({{0, t0800}, {4, QByteArray::fromHex("0000")}});
    const QByteArray routeSpan =
        payload({{0, t0800}, {4, QByteArray::fromHex("0000")}, {9, QByteArray(1, char(150))}, {10, t0930}});
    // One row of every text family that shows a name.
    const QList<EvaluationRow> rows = {
        row(1, 1, QByteArray(1, '\0')),  row(0x0E0007FF, 0, point),     row(0x2E9007FF, 0, span),
        row(0x20000000, 0, point),       row(0x21c00000, 0, span),      row(0x30000000, 0, point),
        row(0x40000000, 0, route),       row(0x40000100, 0, routeSpan), row(0x40008000, 0, route),
        row(0x40082000, 0, route),       row(0x40084000, 0, route),     row(0x4FFFFFFF, 0, routeSpan),
        row(0x4000C000, 0, route),       row(0x80000001, 0, QByteArray(1, char(219)) + t0930),
        row(0x80000010, 0, QByteArray()), row(0x80000020, 0, QByteArray()), row(0x20300002, 0, point),
        row(0x24200003, 0, point),       row(0x28200001, 0, point),     row(0x2C200000, 0, point),
        row(0x20000800, 0, point),       row(0x24000007, 0, point),     row(0x34000005, 0, point),
        row(0x240FFC05, 0, point),       row(0x2A000000, 0, point),     row(0x800003FF, 0, QByteArray())};
    KodNevModel names({namedCode(QStringLiteral("AAAAAAAAAAAB"), name)});
    EvaluationReport report;
    report.title = name + QStringLiteral("_2024-03-05");
    report.baseTime = QDateTime(QDate(2024, 3, 5), QTime(0, 0));
    report.mode = ReportNormal;
    report.logNames = QStringList{name};
    report.routeNames = QStringList{name};
    report.rows = rows.toVector();
    EvaluationModel model;
    model.setTextContext(context(&names));
    model.setReport(report, false);
    QStringList out = {model.headerText()};
    for (int r = 0; r < model.rowCount(); ++r)
        out << model.rowText(r);
    return out;
}

} // namespace

class TestPlaceholders : public QObject
{
    Q_OBJECT
private slots:
    void scanFindsChainedArgs_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("found");
        QTest::newRow("one line") << "tr(\"%1 %2\").arg(name).arg(n);" << 1;
        QTest::newRow("across lines") << "tr(\"%1 %2\")\n    .arg(f(a, g(b)))\n    .arg(n);" << 1;
        QTest::newRow("comment between") << "s.arg(a) // first\n .arg(b);" << 1;
        QTest::newRow("three") << "s.arg(a).arg(b).arg(c);" << 2;
        QTest::newRow("one call") << "tr(\"%1 %2\").arg(name, QString::number(n));" << 0;
        QTest::newRow("nested") << "s.arg(QStringLiteral(\"%1\").arg(a), b);" << 0;
        QTest::newRow("parenthesis in a literal") << "s.arg(QStringLiteral(\")\")); t.arg(b);" << 0;
        QTest::newRow("other call after") << "s.arg(a).toUpper().size();" << 0;
    }

    void scanFindsChainedArgs()
    {
        QFETCH(QString, code);
        QFETCH(int, found);
        QCOMPARE(chainedArgs(code).size(), found);
    }

    void everyTextIsFilledInOneCall()
    {
        QStringList problems;
        const int files = SourceText::forEachSourceFile([&](const QString& relative, const QString& source) {
            for (const QString& p : chainedArgs(source))
                problems << relative + QLatin1Char(':') + p;
        });
        QVERIFY(files > 10);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Opened by the main window: the title, the window and recent-file menus and the page
    // footer name the file as it is, and the printed page every name inside it.
    void documentsShowTheirNames_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::addColumn<int>("onPage");
        QTest::newRow("text") << "txt" << 0;
        QTest::newRow("log") << extEventLog << 1;
        QTest::newRow("plan: title, logger, route, footer") << extRoutePlan << 4;
        QTest::newRow("report: header, row, footer") << extReport << 3;
        QTest::newRow("code names: entry, footer") << extCodeList << 2;
    }

    void documentsShowTheirNames()
    {
        QFETCH(QString, ext);
        QFETCH(int, onPage);
        TestEnv env;
        RecordingPrompts prompts;
        const QString name = tricky + QLatin1Char('.') + ext;
        const QString path = env.path(name);
        MainWindow w;
        w.show();
        if (ext == extCodeList) {
            appSettings().codeFile = path;
            KodNevModel* names = appSettings().kodNevModel;
            names->removeRows(0, names->rowCount());
            names->addEntry(namedCode(QStringLiteral("AAAAAAAAAAAB"), tricky), true);
            w.kodNevOpen();
        } else {
            writeDocument(path, tricky);
            w.loadFile(path);
        }
        QCOMPARE(prompts.texts, QStringList());
        QWidget* view = w.activeMdiChild();
        QVERIFY(view);
        QVERIFY2(view->windowTitle().contains(name), qPrintable(view->windowTitle()));
        const QStringList windows = checkableEntries(w.findChild<QMenu*>("nezetMenu"));
        QVERIFY2(windows.value(0).endsWith(name), qPrintable(windows.join(QLatin1Char('|'))));
        if (ext != extCodeList) {
            const QStringList recent = checkableEntries(w.findChild<QMenu*>("fileMenu"));
            QVERIFY2(recent.value(0).endsWith(name), qPrintable(recent.join(QLatin1Char('|'))));
        }
        if (onPage == 0)
            return;
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setOutputFileName(env.path("ki.pdf"));
        QCOMPARE(documentWindowOf(view)->exportPdf(&pdf, RangeAll), DocumentWindow::Done);
        const QString page = pdfPages(env.path("ki.pdf")).value(0);
        const QRegularExpression footer(QRegularExpression::escape(name) + QStringLiteral("\\s+1 oldal"));
        QVERIFY2(page.contains(footer), qPrintable(page));
        QCOMPARE(page.count(tricky), onPage);
    }

    // A file that cannot be read is named as it is in the message.
    void messagesNameTheFile_data()
    {
        QTest::addColumn<QString>("ext");
        QTest::newRow("log") << extEventLog;
        QTest::newRow("plan") << extRoutePlan;
        QTest::newRow("report") << extReport;
        QTest::newRow("older plan") << extRoutePlanImport;
    }

    void messagesNameTheFile()
    {
        QFETCH(QString, ext);
        TestEnv env;
        const QString path = env.path(tricky + QLatin1Char('.') + ext);
        writeBytes(path, "damaged");
        MainWindow w;
        RecordingPrompts prompts;
        w.loadFile(path);
        QCOMPARE(prompts.texts.size(), 1);
        QVERIFY2(prompts.texts.first().contains(QDir::toNativeSeparators(path)), qPrintable(prompts.texts.first()));
    }

    // Every row family and the header of a report made from names holding placeholders read
    // as the same report of plain names, with the names in place.
    void reportRowsShowTheNames()
    {
        const QString plain = QStringLiteral("NEV");
        const QStringList expected = reportRows(plain).replaceInStrings(plain, tricky);
        const QStringList shown = reportRows(tricky);
        QCOMPARE(shown.size(), expected.size());
        for (int i = 0; i < shown.size(); ++i)
            QCOMPARE(shown.at(i), expected.at(i));
    }

    // A second damaged log of the same name is set aside beside the first.
    void setAsideNamesKeepTheName_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"A%1.ewl", "A%2.ewl", "A%L1.ewl", "A%%.ewl", "A%1%2%L1%%.ewl"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void setAsideNamesKeepTheName()
    {
        QFETCH(QString, name);
        TestEnv env;
        const QString path = env.path(name);
        writeBytes(path);
        QCOMPARE(LogFile::setAside(path), path + QStringLiteral(".bad"));
        writeBytes(path);
        QCOMPARE(LogFile::setAside(path), path + QStringLiteral(".2.bad"));
    }

    // A name any link holds, dangling or not, is taken: what it points at stays as it was.
    void setAsideSkipsANameALinkHolds()
    {
        TestEnv env;
        const QString path = env.path(QStringLiteral("A.ewl")), elsewhere = env.path(QStringLiteral("gone"));
        writeBytes(path);
        QVERIFY(QFile::link(elsewhere, path + QStringLiteral(".bad")));
        QCOMPARE(LogFile::setAside(path), path + QStringLiteral(".2.bad"));
        QCOMPARE(QFileInfo::exists(elsewhere), false);
    }

    // A second archive of a day follows the logger's name.
    void archiveNamesKeepTheLoggerName_data()
    {
        QTest::addColumn<QString>("logger");
        for (const char* name : {"%1", "%2", "%L1", "%%", "%1%2%L1%"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void archiveNamesKeepTheLoggerName()
    {
        QFETCH(QString, logger);
        TestEnv env;
        writeDocument(env.path("a.ewl"), logger);
        LogModel log;
        QVERIFY(log.load(env.path("a.ewl"), nullptr));
        const QString first = log.archiveFilePath(QDate(2024, 3, 5));
        QCOMPARE(QFileInfo(first).fileName(), logger + QStringLiteral("_2024-03-05.ewa"));
        writeBytes(first);
        QCOMPARE(QFileInfo(log.archiveFilePath(QDate(2024, 3, 5))).fileName(),
                 logger + QStringLiteral("_2024-03-05_2.ewa"));
    }

    void sysfsPathsKeepTheRoot()
    {
        QCOMPARE(SerialPortUsage::interfaceDir(1, {2, 3}, tricky),
                 tricky + QStringLiteral("/bus/usb/devices/1-2.3:1.0"));
    }
};

WYX_TEST_MAIN(TestPlaceholders)
#include "tst_placeholders.moc"
