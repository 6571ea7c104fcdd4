// Report rows: setters, their stream form, and every text family through the model.
#include "support/testmain.h"
#include "support/testenv.h"

#include "evaluation/evaluationmodel.h"
#include "core/settings.h"
#include "logrecords/logentry.h"
#include "evaluation/evaluationtmp.h"
#include "reporttestutil.h"

#include <QAbstractItemModelTester>
#include <QBuffer>
#include <QDataStream>
#include <QFont>

using namespace ReportTest;

class TestReportTexts : public QObject
{
    Q_OBJECT
private slots:
    void setters();
    void streamForm();
    void rowText_data();
    void rowText();
    void pointNames_data();
    void pointNames();
    void header_data();
    void header();
    void cells();
    void modelTester();
};

namespace {

EvaluationReport sampleReport()
{
    EvaluationReport r;
    r.title = QStringLiteral("plan1_2024-03-05");
    r.baseTime = QDateTime(QDate(2024, 3, 5), QTime(0, 0));
    r.mode = ReportNormal;
    r.logNames = QStringList{QStringLiteral("LOGA"), QStringLiteral("LOGB"), QStringLiteral("LOGC")};
    r.routeNames = QStringList{QStringLiteral("R1"), QStringLiteral("R2")};
    return r;
}

} // namespace

void TestReportTexts::setters()
{
    const EvaluationRow fresh;
    QCOMPARE(fresh.word(), 0x800003FFu);
    QCOMPARE(fresh.index, quint16(0));

    const unsigned char raw[10] = {220, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    EvaluationRow r;
    r.payload[12] = 0x77;
    r.setLogEvent(0x18001, raw);
    QCOMPARE(r.word(), 0x80000001u);
    QCOMPARE(r.index, quint16(0x0001));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(r.payload), 14),
             QByteArray::fromHex("dc010203040506070809000077") + QByteArray(1, '\0'));

    unsigned char times[14];
    for (int i = 0; i < 14; ++i)
        times[i] = uchar(0xA0 + i);
    EvaluationRow s;
    s.set(0, 0);
    s.payload[6] = 0x55;
    s.setStartResult(0x8003, 0x40008000, 0x0102, times);
    QCOMPARE(s.index, quint16(3));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(s.payload), 14),
             QByteArray::fromHex("a0a1a2a301025500 00a9aaabacad").replace(' ', ""));

    EvaluationRow v;
    v.set(7, 0x40084000);
    v.setValue(0x40082000, 0x1234);
    QCOMPARE(v.index, quint16(7));
    QCOMPARE(v.routeRow(), 0x1234);
    QCOMPARE(v.word(), 0x40082000u);

    // The affected logs of a flexible route's rounds, first appearance first.
    EvaluationTmp record;
    record.routeType = 4;
    record.pointCount = 1;
    record.rounds.emplace();
    record.rounds->init(1, 0, 100);
    for (int log : {0, 2, 0, 1})
        record.rounds->appendRound(log, 0, 10);
    EvaluationRow logs;
    logs.setAffectedLogs(record);
    QCOMPARE(logs.kind, 1);
    QCOMPARE(logs.index, quint16(3));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(logs.payload), 14),
             QByteArray::fromHex("000201ffffffffffffffffffffff"));
}

void TestReportTexts::streamForm()
{
    EvaluationRow r = row(0x80000001, 0x7FFF, QByteArray::fromHex("ff80017f00000000000000000001"));
    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << r;
    }
    QCOMPARE(bytes.toHex(), QByteArray("800000017fffff80017f00000000000000000001"));
    QDataStream in(bytes);
    EvaluationRow back;
    in >> back;
    QCOMPARE(back.word(), r.word());
    QCOMPARE(back.index, r.index);
    QVERIFY(back == r);
}

void TestReportTexts::rowText_data()
{
    QTest::addColumn<quint32>("kind");
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QByteArray t0800 = packed(2024, 3, 5, 8, 0);
    const QByteArray t0930 = packed(2024, 3, 5, 9, 30);
    const QByteArray kapu = code("AAAAAAAAAAAB");
    const QString d = day(QDate(2024, 3, 5));
    const QString P = QStringLiteral("  \"Kapu\" %1 08:00 ").arg(d);
    const QString Pspan = QStringLiteral("  \"Kapu\" %1 08:00 - %1 09:30  ").arg(d);
    const QByteArray point = payload({{0, t0800}, {4, kapu}});
    const QByteArray span = payload({{0, t0800}, {4, kapu}, {10, t0930}});
    const QByteArray route1 = payload({{0, t0800}, {4, QByteArray::fromHex("0001")}});
    const QByteArray route1span =
        payload({{0, t0800}, {4, QByteArray::fromHex("0001")}, {9, QByteArray(1, char(150))}, {10, t0930}});
    const QString R = QStringLiteral("R2, %1 08:00").arg(d);
    const QString Rspan = QStringLiteral("R2, %1 08:00 - %1 09:30 ").arg(d);

    QTest::newRow("blank") << 0u << 0 << QByteArray() << QString();
    QTest::newRow("affected logs") << 1u << 2 << QByteArray::fromHex("0002ff")
                                   << "Érintett esemény napló(k): LOGA, LOGC";
    QTest::newRow("affected none") << 1u << 0 << QByteArray() << "Érintett esemény napló(k): ";
    QTest::newRow("affected too many") << 1u << 15 << QByteArray() << "Érintett esemény napló(k): ";
    QTest::newRow("missed") << 0x0E0007FFu << 0 << point << P + " ellenőrzése kimaradt!";
    QTest::newRow("missed timed") << 0x2E9007FFu << 0 << span << "  \"Kapu\"  ellenőrzése kimaradt!";
    QTest::newRow("round missed") << 0x21300000u << 0 << point << "  \"Kapu\"  ellenőrzése kimaradt!";
    QTest::newRow("round missed span") << 0x21b00000u << 0 << span << "  \"Kapu\"  ellenőrzése kimaradt!";
    QTest::newRow("flawless") << 0x20000000u << 0 << point << P + " kifogástalanul  ellenőrizve.";
    QTest::newRow("long breaks") << 0x21000000u << 0 << point << P + " túl hosszú szünet(ek)!";
    QTest::newRow("stretch") << 0x21c00000u << 0 << span << Pspan + " időszak alatt nem volt ellenőrizve!";
    QTest::newRow("order") << 0x22000000u << 0 << point << P + " sorrendi hiba!";
    QTest::newRow("follow long") << 0x24200000u << 0 << point << P + " túl hosszú követési idő!";
    QTest::newRow("other point") << 0x28000000u << 0 << point << P + " helyett más pont!";
    QTest::newRow("follow short") << 0x28200000u << 0 << point << P + " túl rövid követési idő!";
    QTest::newRow("over visited") << 0x30000000u << 0 << point << P + " többszörösen ellenőrizve!";
    QTest::newRow("start ok") << 0x40000000u << 1 << route1 << R + " RENDBEN TELJESÍTVE (LOGB)";
    QTest::newRow("start ok rounds") << 0x40000100u << 1 << route1span << Rspan + " RENDBEN TELJESÍTVE";
    QTest::newRow("overlap") << 0x40000200u << 0 << route1 << "        - Egymást átfedő teljesítések! -";
    QTest::newRow("short follow") << 0x40000400u << 0 << route1 << R + " TÚL RÖVID KÖVETÉSI IDŐK! (LOGA)";
    QTest::newRow("long follow") << 0x40000900u << 0 << route1 << R + " TÚL HOSSZÚ KÖVETÉSI IDŐK!";
    QTest::newRow("run twice") << 0x40001000u << 0 << route1 << "        - Többszörösen teljesítve! -";
    QTest::newRow("foreign") << 0x40002000u << 0 << route1 << R + " IDEGEN PONT(OK)! (LOGA)";
    QTest::newRow("order start") << 0x40004100u << 0 << route1 << R + " SORRENDI HIBA!";
    QTest::newRow("time start") << 0x40008000u << 0 << route1 << R + " IDÖ ELTÉRÉS(EK)! (LOGA)";
    QTest::newRow("few rounds") << 0x40010100u << 0 << route1 << R + " TÚL KEVÉS KÖR TELJESÍTVE!";
    QTest::newRow("long break start") << 0x40020000u << 0 << route1 << R + " HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT! (LOGA)";
    QTest::newRow("missed start") << 0x40040000u << 0 << route1 << R + " KIMARADT PONT(OK)! (LOGA)";
    QTest::newRow("no start") << 0x40082000u << 0 << payload({{4, QByteArray::fromHex("0001")}})
                              << "R2 ÚTVONALBAN NINCS INDULÁSI IDŐ MEGADVA!";
    QTest::newRow("no point") << 0x40084000u << 0 << payload({{4, QByteArray::fromHex("0000")}})
                              << "R1 ÚTVONALBAN NINCS ELLENŐRZŐ PONT MEGADVA!";
    QTest::newRow("not executed") << 0x4FFFFFFFu << 0 << route1span << Rspan + " NINCS VÉGREHAJTVA!!!";
    QTest::newRow("faulty mix") << 0x4000C000u << 2 << route1 << R + " HIBÁSAN TELJESÍTVE! (LOGC)";
    QTest::newRow("faulty mix rounds") << 0x40000D00u << 0 << route1 << R + " HIBÁSAN TELJESÍTVE!";
    QTest::newRow("fulfilled") << 0x80000000u << 0 << QByteArray() << "*** A teljes őrjárat hibátlanul teljesítve! ***";
    QTest::newRow("event")
        << 0x80000001u << 1 << QByteArray(1, char(219)) + t0930 + QByteArray(5, '\0')
        << QStringLiteral("\"LOGB\" naplóban %1 09:30:00 \"óra átállítás\" rendkívüli esemény!").arg(d);
    QTest::newRow("event unknown")
        << 0x80000001u << 0 << QByteArray(1, char(224)) + t0930
        << QStringLiteral("\"LOGA\" naplóban %1 09:30:00 \"????????????\" rendkívüli esemény!").arg(d);
    QTest::newRow("log unreadable") << 0x80000010u << 2 << QByteArray() << "\"LOGC\" esemény napló nem hozzáférhető!";
    QTest::newRow("log past end") << 0x80000010u << 9 << QByteArray() << "\"\" esemény napló nem hozzáférhető!";
    QTest::newRow("log out of range") << 0x80000020u << 0 << QByteArray()
                                      << "\"LOGA\" naplóban nincs a vizsgált időtartományba eső bejegyzés!";
    QTest::newRow("no log") << 0x80000040u << 0 << QByteArray()
                            << "Egyetlen esemény napló sincs megadva, nincs mit kiértékelni!";
    QTest::newRow("no route") << 0x80000080u << 0 << QByteArray()
                              << "Egyetlen bejárási útvonal sincs meghatározva, nincs mit kiértékelni!";
    QTest::newRow("missed with visits") << 0x0E0C03FFu << 0 << point << P + " ellenőrzése kimaradt!";
    QTest::newRow("rounds outstanding") << 0x20300002u << 0 << point << "  \"Kapu\"  elmaradt 2 ellenőrzés!";
    QTest::newRow("missed and long") << 0x24200003u << 0 << point << P + " kimaradt 3x és túl hosszú követési idő!";
    QTest::newRow("missed and short") << 0x28200001u << 0 << point << P + " kimaradt 1x és túl rövid követési idő!";
    QTest::newRow("short and long") << 0x2C200000u << 0 << point
                                    << P + " túl rövid és túl hosszú követési idő is előfordult!";
    QTest::newRow("round many faults") << 0x26200001u << 0 << point << P + " teljesítésénél többféle hiba!";
    QTest::newRow("visits left") << 0x20000800u << 0 << point << P + " elmaradt 2 ellenőrzés!";
    QTest::newRow("late") << 0x24000007u << 0 << point << P + " ellenőrzése 7 perc idő eltéréssel!";
    QTest::newRow("late span") << 0x24900007u << 0 << span << "  \"Kapu\"  ellenőrzése 7 perc idő eltéréssel!";
    QTest::newRow("foreign late") << 0x2C000005u << 0 << point << P + " idegen pont és 5 perc idő eltérés!";
    QTest::newRow("order late") << 0x26000005u << 0 << point << P + " rossz sorrend és 5 perc idő eltérés!";
    QTest::newRow("late over") << 0x34000005u << 0 << point
                               << P + " ellenőrzésénél 5 perc idő eltérés! (többszörös teljesítés ellenére)";
    QTest::newRow("late gap") << 0x25000005u << 0 << point << P + " hosszú kihagyás és 5 perc idő eltérés!";
    QTest::newRow("late all visits") << 0x240FFC05u << 0 << point
                                     << P + " kimaradt ellenőrzés(ek) és 5 perc idő eltérés!";
    QTest::newRow("late more") << 0x2E000005u << 0 << point
                               << P + " ellenőrzésénél 5 perc idő eltérés és további hibák!";
    QTest::newRow("many faults") << 0x2A000000u << 0 << point << P + " teljesítésénél többféle hiba!";
    QTest::newRow("default row") << 0x800003FFu << 0 << QByteArray() << "\t?? 800003ff  ";
    QTest::newRow("unknown") << 0x00000005u << 0 << QByteArray() << "\t?? 00000005  ";
}

void TestReportTexts::rowText()
{
    QFETCH(quint32, kind);
    QFETCH(int, index);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    KodNevModel names(namedPoints());
    EvaluationModel model;
    model.setTextContext(context(&names));
    EvaluationReport report = sampleReport();
    report.rows.append(row(kind, index, bytes));
    model.setReport(report);
    QCOMPARE(model.data(model.index(0, 1)).toString(), text);
}

void TestReportTexts::pointNames_data()
{
    QTest::addColumn<QString>("letters");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("showCodes");
    QTest::addColumn<QString>("name");

    QTest::newRow("valid name") << "AAAAAAAAAAAB" << QDate(2024, 3, 5) << false << "\"Kapu\"";
    QTest::newRow("older name") << "AAAAAAAAAAAB" << QDate(2023, 12, 31) << false << "\"Régi kapu\"";
    QTest::newRow("with code") << "AAAAAAAAAAAB" << QDate(2024, 3, 5) << true << "\"Kapu\" AAAAAAAAAAAB";
    QTest::newRow("not yet named") << "AAAAAAAAAAAB" << QDate(2019, 6, 1) << true << "AAAAAAAAAAAB";
    QTest::newRow("unknown code") << "PPPPPPPPPPPA" << QDate(2024, 3, 5) << false << "PPPPPPPPPPPA";
}

void TestReportTexts::pointNames()
{
    QFETCH(QString, letters);
    QFETCH(QDate, date);
    QFETCH(bool, showCodes);
    QFETCH(QString, name);
    KodNevModel names(namedPoints());
    const EvaluationRow r =
        row(0x20100000, 0, payload({{0, packed(QDateTime(date, QTime(7, 5)))}, {4, code(letters)}}));
    // The names and the show-codes option as the log windows hand them over.
    const LogEntryContext entries{&names, showCodes ? int(OptPointCode) : 0};
    QCOMPARE(r.pointText(ReportContext::fromLogEntries(entries, 2000)), QStringLiteral("  %1 ").arg(name));
}

void TestReportTexts::header_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    const QString d = day(QDate(2024, 3, 5));
    QTest::newRow("reduced") << 0 << "plan1_2024-03-05"
                             << QStringLiteral("Szűkített jelentés %1 kezdéssel \"plan1\" teljesítéséről").arg(d);
    QTest::newRow("normal") << 1 << "plan1_2024-03-05"
                            << QStringLiteral("Jelentés %1 kezdéssel \"plan1\" teljesítéséről").arg(d);
    QTest::newRow("detailed") << 2 << "x_05-03-2024"
                              << QStringLiteral("Részletes jelentés %1 kezdéssel \"x\" teljesítéséről").arg(d);
    QTest::newRow("other mode") << 7 << "plan1_2024-03-05"
                                << QStringLiteral("Fejléc: %1 kezdés, \"plan1\" útvonal").arg(d);
    QTest::newRow("short title") << 1 << "rövid"
                                 << QStringLiteral("Jelentés %1 kezdéssel \"rövid\" teljesítéséről").arg(d);
}

void TestReportTexts::header()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QString, text);
    EvaluationModel model;
    model.setTextContext(context(nullptr));
    EvaluationReport report = sampleReport();
    report.mode = mode;
    report.title = title;
    model.setReport(report);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), text);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QString());
    QVERIFY(!model.headerData(2, Qt::Horizontal).isValid());
    QVERIFY(!model.headerData(1, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
}

void TestReportTexts::cells()
{
    EvaluationModel model;
    ReportContext c = context(nullptr);
    c.font = QFont(QStringLiteral("Courier New"), 13);
    model.setTextContext(c);
    EvaluationReport report = sampleReport();
    report.rows.append(row(0x80000000, 0, QByteArray()));
    report.rows.append(row(0x80000040, 0, QByteArray()));
    model.setReport(report);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.columnCount(), 2);
    QCOMPARE(model.data(model.index(1, 0)).toString(), QStringLiteral("2"));
    QCOMPARE(model.data(model.index(1, 0), Qt::FontRole).value<QFont>().pointSize(), 13);
    QCOMPARE(model.data(model.index(0, 1), Qt::FontRole).value<QFont>().family(), QStringLiteral("Courier New"));
    QVERIFY(!model.data(model.index(0, 1), Qt::ToolTipRole).isValid());
    QVERIFY(!model.data(model.index(0, 1), Qt::BackgroundRole).isValid());
    QVERIFY(!model.data(model.index(2, 1)).isValid());
    QVERIFY(!model.index(0, 2).isValid());
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsSelectable);
}

void TestReportTexts::modelTester()
{
    TestEnv env;
    EvaluationModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    EvaluationReport report = sampleReport();
    for (quint32 kind : {0u, 0x80000000u, 0x20000000u, 0x40000000u, 1u})
        report.rows.append(row(kind, 0, QByteArray()));
    model.setReport(report);
    model.setReport(EvaluationReport());
    model.setReport(report);
    QCOMPARE(model.rowCount(), 5);
}

WYX_TEST_MAIN(TestReportTexts)
#include "tst_reporttexts.moc"
