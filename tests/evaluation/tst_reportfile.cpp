// The report file: its exact bytes, the round trip, and refusal of anything that is not
// a whole report (the shown report stays), plus the backup-safe save.
#include "core/safesave.h"
#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "evaluation/evaluationmodel.h"
#include "reporttestutil.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QWidget>

using namespace ReportTest;

class TestReportFile : public QObject
{
    Q_OBJECT
private slots:
    void goldenBytes();
    void roundTrip();
    void truncatedEverywhere();
    void craftedCounts_data();
    void craftedCounts();
    void modelLoadRefusals();
    void modelSave();
};

namespace {

const QByteArray golden = QByteArray::fromHex(
    "00EA0101"
    "00000020 0070006C0061006E0031005F0032003000320034002D00300033002D00300035"
    "00258AD7 00000000 FF"
    "00000001"
    "00000001 00000002 0041"
    "00000001 00000004 00520031"
    "00000002"
    "0000000000000000000000000000000000000000"
    "8000000000000000000000000000000000000000");

EvaluationReport goldenReport()
{
    EvaluationReport r;
    r.title = QStringLiteral("plan1_2024-03-05");
    r.baseTime = QDateTime(QDate(2024, 3, 5), QTime(0, 0));
    r.mode = ReportNormal;
    r.logNames = QStringList{QStringLiteral("A")};
    r.routeNames = QStringList{QStringLiteral("R1")};
    EvaluationRow blank;
    blank.set(0, 0);
    EvaluationRow done;
    done.set(0, 0x80000000);
    r.rows = {blank, done};
    return r;
}

// Rows of every family, negative kinds, flags, high bytes, odd names.
EvaluationReport richReport()
{
    EvaluationReport r = goldenReport();
    r.title = QString();
    r.mode = ReportDetailed;
    r.logNames =
        QStringList{QStringLiteral("Őrház"), QString(), QStringLiteral(""), QString::fromUtf8("\xF0\x9F\x98\x80 log")};
    r.routeNames = QStringList{QStringLiteral("Külső kör"), QStringLiteral("R2")};
    const unsigned char raw[10] = {219, 0x30, 0x65, 0x38, 0x40, 0xff, 0x80, 1, 2, 3};
    EvaluationRow e;
    e.setLogEvent(0x7FFF, raw);
    r.rows.append(e);
    r.rows.append(row(0x4FFFFFFF, 3, payload({{0, packed(2024, 3, 5, 8, 0)}, {4, QByteArray::fromHex("0001")}})));
    r.rows.append(row(0x21b00003, 1, QByteArray::fromHex("fffefdfcfbfaf9f8f7f6f5f4f3f2")));
    r.rows.append(row(1, 2, QByteArray::fromHex("0003ffffffffffffffffffffffff")));
    return r;
}

QByteArray bytesOf(const EvaluationReport& report)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ReportFile::write(buffer, report);
    return buffer.data();
}

ReportFile::ReadStatus readBytes(const QByteArray& bytes, EvaluationReport& report)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReportFile::read(buffer, report);
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool sameReport(const EvaluationReport& a, const EvaluationReport& b)
{
    return a.title == b.title && a.title.isNull() == b.title.isNull() && a.baseTime == b.baseTime && a.mode == b.mode
        && a.logNames == b.logNames && a.routeNames == b.routeNames && a.rows == b.rows;
}

} // namespace

void TestReportFile::goldenBytes()
{
    QCOMPARE(golden.size(), 119);
    QCOMPARE(bytesOf(goldenReport()).toHex(), golden.toHex());
    EvaluationReport back;
    QCOMPARE(readBytes(golden, back), ReportFile::ReadStatus::Ok);
    QVERIFY(sameReport(back, goldenReport()));
    QCOMPARE(back.baseTime.timeSpec(), Qt::LocalTime);
}

void TestReportFile::roundTrip()
{
    const EvaluationReport rich = richReport();
    const QByteArray first = bytesOf(rich);
    EvaluationReport back;
    QCOMPARE(readBytes(first, back), ReportFile::ReadStatus::Ok);
    QVERIFY(sameReport(back, rich));
    QVERIFY(back.title.isNull());
    QVERIFY(back.logNames.at(1).isNull());
    QVERIFY(!back.logNames.at(2).isNull());
    QCOMPARE(bytesOf(back).toHex(), first.toHex());

    // The texts of a loaded report are those of the saved one.
    EvaluationModel saved;
    EvaluationModel loaded;
    saved.setTextContext(context(nullptr));
    loaded.setTextContext(context(nullptr));
    saved.setReport(rich);
    loaded.setReport(back);
    for (int i = 0; i < rich.rows.size(); ++i)
        QCOMPARE(loaded.rowText(i), saved.rowText(i));
    QCOMPARE(loaded.headerText(), saved.headerText());
}

void TestReportFile::truncatedEverywhere()
{
    const QByteArray whole = bytesOf(richReport());
    const EvaluationReport before = goldenReport();
    for (int n = 0; n < whole.size(); ++n) {
        EvaluationReport report = before;
        const ReportFile::ReadStatus status = readBytes(whole.left(n), report);
        QCOMPARE(status, n < 4 ? ReportFile::ReadStatus::BadMagic : ReportFile::ReadStatus::Damaged);
        QVERIFY2(sameReport(report, before), qPrintable(QString::number(n)));
    }
}

void TestReportFile::craftedCounts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray head = QByteArray::fromHex("00EA0101 00000002 0041 00258AD7 00000000 FF 00000001");
    QTest::newRow("huge title") << QByteArray::fromHex("00EA0101 7FFFFFFE 0041");
    QTest::newRow("odd title") << QByteArray::fromHex("00EA0101 00000003 004100");
    QTest::newRow("huge log count") << head + QByteArray::fromHex("7FFFFFF0 00000000");
    QTest::newRow("all-ones log count") << head + QByteArray::fromHex("FFFFFFFF 00000000");
    QTest::newRow("huge route count") << head + QByteArray::fromHex("00000000 7FFFFFF0 00000000");
    QTest::newRow("huge row count") << head + QByteArray::fromHex("00000000 00000000 10000000") + QByteArray(40, '\0');
    QTest::newRow("one row short") << head + QByteArray::fromHex("00000000 00000000 00000002") + QByteArray(39, '\0');
    QTest::newRow("bad magic") << QByteArray::fromHex("00EA0102") + golden.mid(4);
}

void TestReportFile::craftedCounts()
{
    QFETCH(QByteArray, bytes);
    EvaluationReport report = goldenReport();
    QVERIFY(readBytes(bytes, report) != ReportFile::ReadStatus::Ok);
    QVERIFY(sameReport(report, goldenReport()));
}

void TestReportFile::modelLoadRefusals()
{
    TestEnv env;
    QWidget parent;
    EvaluationModel model;
    model.setReport(goldenReport(), false);
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(env.path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    write("cut.ffr", bytesOf(richReport()).left(60));
    write("other.ffr", QByteArray("not a report at all"));
    write("rich.ffr", bytesOf(richReport()));

    ScriptedPrompts prompts;
    prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!\ncut.ffr\nsérült, vagy nem megfelelő.");
    prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!\nother.ffr\nsérült, vagy nem megfelelő.");
    prompts.expectNotice(Prompts::Kind::Warning, "teljesítés jelentést\nnincs.ffr\nEz a fájl nem létezik");
    prompts.expectNotice(Prompts::Kind::Warning, "teljesítés jelentést\nNincs név megadva hozzá!");
    QVERIFY(!model.load(QStringLiteral("cut.ffr"), &parent));
    QVERIFY(!model.load(QStringLiteral("other.ffr"), &parent));
    QVERIFY(!model.load(QStringLiteral("nincs.ffr"), &parent));
    QVERIFY(!model.load(QString(), &parent));
    QVERIFY(sameReport(model.report(), goldenReport()));
    QCOMPARE(prompts.seen().first().title, QStringLiteral("Teljesítés jelentés megnyitás"));
    // Without a parent nothing is shown.
    QVERIFY(!model.load(QStringLiteral("cut.ffr"), nullptr));

    // A relative name is taken in the working directory, and a loaded report counts as saved.
    QVERIFY(model.load(QStringLiteral("rich.ffr"), &parent));
    QVERIFY(sameReport(model.report(), richReport()));
    QVERIFY(!model.isModified());
}

void TestReportFile::modelSave()
{
    TestEnv env;
    QWidget parent;
    EvaluationModel model;
    const QString path = env.path("a.ffr");

    model.setReport(goldenReport(), false);
    QVERIFY(model.save(QStringLiteral("a.ffr"), &parent, false)); // nothing to save
    QVERIFY(!QFile::exists(path));
    QVERIFY(model.save(QStringLiteral("a.ffr"), &parent, true));
    QCOMPARE(fileBytes(path), golden);

    model.setReport(richReport());
    QVERIFY(model.isModified());
    QVERIFY(model.save(QStringLiteral("a.ffr"), &parent, false));
    QVERIFY(!model.isModified());
    QCOMPARE(fileBytes(path + ".bak"), golden);
    model.setReport(goldenReport());
    QVERIFY(model.save(path, &parent, false));
    QCOMPARE(fileBytes(path + ".bak"), bytesOf(richReport())); // one generation of backup
    QCOMPARE(QDir(env.workDir()).entryList(QDir::Files), (QStringList{"a.ffr", "a.ffr.bak"}));

    // A new file that cannot take the report's place: the failure is reported and the
    // report stays unsaved.
    SafeSave::FaultScope faults;
    for (int n = 1; n <= 2; ++n)
        faults.failNth(SafeSave::Op::Rename, n);
    model.setReport(richReport());
    {
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "A mentés sikertelen!\n" + path + "\nadat írási hiba.");
        QVERIFY(!model.save(QStringLiteral("a.ffr"), &parent, false));
        QCOMPARE(prompts.seen().first().title, QStringLiteral("Teljesítés jelentés mentés"));
    }
    QVERIFY(model.isModified());
    QCOMPARE(fileBytes(path), golden);
    QVERIFY(!model.save(QStringLiteral("a.ffr"), nullptr, false)); // silent without a parent

    ScriptedPrompts prompts;
    prompts.expectNotice(Prompts::Kind::Warning,
                         "Nem sikerült elmenteni a teljesítés jelentést\nNincs név megadva hozzá!");
    QVERIFY(!model.save(QString(), &parent, true));
}

WYX_TEST_MAIN(TestReportFile)
#include "tst_reportfile.moc"
