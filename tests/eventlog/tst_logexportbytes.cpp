// The log exports write their rows from the entries' bytes; every byte must be what the
// model's own row texts, written through QTextStream and SpreadsheetXmlWriter, give.
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnev.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/settings.h"
#include "core/spreadsheetxml.h"
#include "eventlog/logfilterproxymodel.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"

#include <QBuffer>
#include <QFile>
#include <QItemSelectionModel>
#include <QTextStream>

namespace {

LogEntry entry(const QDateTime& first, const unsigned char tail[6])
{
    unsigned char raw[LogEntry::size] = {};
    packDeviceTime(first, raw);
    std::copy(tail, tail + 6, raw + LogEntry::codeOffset);
    LogEntry e;
    e.setBytes(raw);
    return e;
}

LogEntry event(unsigned char kind, const QDateTime& first, const QDateTime& second, unsigned char count)
{
    unsigned char raw[LogEntry::size] = {kind};
    packDeviceTime(first, raw + 1);
    packDeviceTime(second, raw + 5);
    raw[9] = count;
    LogEntry e;
    e.setBytes(raw);
    return e;
}

void addName(const QString& code, const QString& name, const QDate& from)
{
    KodNev k;
    QVERIFY(k.set(code, QStringLiteral("x"), from, Qt::yellow, Qt::blue));
    k.datedName.name = name; // whatever a list file may hold
    appSettings().kodNevModel->addEntry(k, true);
}

// Touches of named and unnamed codes with gaps of minutes to days, every event kind with
// and without repeats, stamps on clock-change days and on dates that do not exist.
QVector<LogEntry> mixedLog()
{
    addName(QStringLiteral("ABC"), QStringLiteral("Kapu & <hátsó> \"B\" ' \x01\x1f\t végén"), QDate(2000, 1, 1));
    addName(QStringLiteral("ABC"), QStringLiteral("Új név ŐŰ €"), QDate(2024, 3, 6));
    addName(QStringLiteral("DEF"), QStringLiteral("]]> <![CDATA[ &amp;"), QDate(2000, 1, 1));
    const unsigned char codes[3][6] = {{0x01, 0x20, 0, 0, 0, 0}, {0x34, 0x50, 0, 0, 0, 0}, {0xfe, 0xdc, 0xba, 9, 8, 7}};
    QDateTime t(QDate(2024, 3, 5), QTime(23, 58, 0));
    QVector<LogEntry> out;
    int step = 0;
    for (int kind = KindFirstEvent; kind <= 255; ++kind) {
        out << entry(t, codes[step % 3]);
        t = t.addSecs(step % 7 == 6 ? 3 * 86400 + 77 : 61 + 30 * (step % 5));
        out << event(static_cast<unsigned char>(kind), t, t.addSecs(-3600), static_cast<unsigned char>(step % 3));
        if (step % 4 == 0)
            out << entry(t.addSecs(-30), codes[(step + 1) % 3]); // back in time
        ++step;
    }
    // Clock-change days and an impossible date (31 April).
    const unsigned char odd[][LogEntry::size] = {
        {48, 3 << 5 | 31, 0x07, 0x08, 0x01, 0x20, 0, 0, 0, 0},
        {48, 3 << 5 | 31, 0x0e, 0x10, 0x34, 0x50, 0, 0, 0, 0},
        {49, 2 << 5 | 27, 0x0b, 0x00, 0x01, 0x20, 0, 0, 0, 0},
        {48, 4 << 5 | 31, 0x00, 0x10, 0x01, 0x20, 0, 0, 0, 0},
        {48, 5 << 5 | 1, 0x00, 0x10, 0x01, 0x20, 0, 0, 0, 0},
        {220, 48, 3 << 5 | 31, 0x07, 0x08, 48, 4 << 5 | 31, 0, 0, 0},
    };
    for (const auto& raw : odd) {
        LogEntry e;
        e.setBytes(raw);
        out << e;
    }
    return out;
}

struct OldRow {
    int number;
    QString texts[5];
};

// The row texts the way the export used to take them from the model.
OldRow oldRow(const LogTableView* table, int proxyRow)
{
    const LogFilterProxyModel* proxy = table->proxy();
    const LogModel* log = table->logModel;
    const int source = proxy->mapToSource(proxy->index(proxyRow, 0)).row();
    const LogEntry e = log->entryAt(source);
    OldRow row;
    row.number = source + 1;
    row.texts[0] = log->data(log->index(source, LogModel::ColumnMarker)).toString();
    row.texts[1] = e.dateTimeText();
    row.texts[2] = e.isTouch() ? e.codeText() : e.secondDateTimeText();
    row.texts[3] = e.description(true);
    row.texts[4] = log->elapsedText(source, proxy->isCheckpointFilterActive());
    return row;
}

QByteArray oldText(const LogTableView* table, const RowSpan& span)
{
    QByteArray bytes;
    QTextStream out(&bytes);
    out.setCodec("UTF-8");
    out.setGenerateByteOrderMark(false);
    for (int r = span.first; r <= span.last; ++r) {
        const OldRow row = oldRow(table, r);
        out << row.number << '\t' << row.texts[0] << "  " << row.texts[1] << "  " << row.texts[2] << "  "
            << row.texts[3] << "  " << row.texts[4] << "\r\n";
    }
    out.flush();
    return bytes;
}

QByteArray oldXml(const LogTableView* table, const RowSpan& span)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetXmlWriter xml(&buffer);
    xml.writeHeader(LogTableView::tr("Esemény napló"), span.count(), 6);
    for (int r = span.first; r <= span.last; ++r) {
        const OldRow row = oldRow(table, r);
        xml.writeStartElement(xmlRow);
        xml.writeNumberCell(row.number);
        for (const QString& text : row.texts)
            xml.writeStringCell(text);
        xml.writeEndElement();
    }
    xml.writeEndDocument();
    return bytes;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace

class TestLogExportBytes : public QObject
{
    Q_OBJECT
private slots:
    void sameBytesAsTheModelTexts_data()
    {
        QTest::addColumn<int>("flags");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::newRow("plain") << 0 << QString() << -1 << -1;
        QTest::newRow("late marks") << int(OptBackToBackSpecial) << QString() << -1 << -1;
        QTest::newRow("every option") << int(OptBackToBackSpecial | OptBackToBack | OptPointCode | OptColorHighlight)
                                      << QString() << -1 << -1;
        QTest::newRow("selection") << int(OptBackToBackSpecial) << QString() << 7 << 40;
        QTest::newRow("one checkpoint") << 0 << QStringLiteral("ABC") << -1 << -1;
        QTest::newRow("empty selection") << 0 << QStringLiteral("PPPP") << -1 << -1;
    }

    void sameBytesAsTheModelTexts()
    {
        QFETCH(int, flags);
        QFETCH(QString, filter);
        QFETCH(int, first);
        QFETCH(int, last);
        TestEnv env;
        appSettings().flags = flags;
        appSettings().followTime = QTime(0, 2);
        LogView view;
        LogTableView* table = view.table();
        table->logModel->appendEntries(mixedLog());
        if (!filter.isEmpty())
            table->proxy()->setCheckpointFilter(filter);
        ExportRange range = RangeAll;
        if (first >= 0) {
            table->selectionModel()->select(
                QItemSelection(table->model()->index(first, 0), table->model()->index(last, LogModel::ColumnCount - 1)),
                QItemSelectionModel::ClearAndSelect);
            range = RangeSelection;
        }
        const RowSpan span = table->exportSpan(range);
        QVERIFY(view.exportToTxt(QStringLiteral("t"), range));
        QVERIFY(view.exportToXml(QStringLiteral("x"), range));
        QCOMPARE(readFile(env.path("t.txt")), oldText(table, span));
        QCOMPARE(readFile(env.path("x.xml")), oldXml(table, span));
    }

    // Past the writer's block size the rows still join without a seam.
    void longLogSameBytes()
    {
        TestEnv env;
        QVector<LogEntry> entries;
        const unsigned char code[6] = {0x01, 0x20, 0, 0, 0, 0};
        addName(QStringLiteral("ABC"), QStringLiteral("Kapu <&>"), QDate(2000, 1, 1));
        for (int i = 0; i < 6000; ++i)
            entries << entry(QDateTime(QDate(2024, 1, 1), QTime(0, 0)).addSecs(97LL * i), code);
        LogView view;
        view.table()->logModel->appendEntries(entries);
        const RowSpan span = view.table()->exportSpan(RangeAll);
        QVERIFY(view.exportToTxt(QStringLiteral("t"), RangeAll));
        QVERIFY(view.exportToXml(QStringLiteral("x"), RangeAll));
        QCOMPARE(readFile(env.path("t.txt")), oldText(view.table(), span));
        QCOMPARE(readFile(env.path("x.xml")), oldXml(view.table(), span));
    }
};

WYX_TEST_MAIN(TestLogExportBytes)
#include "tst_logexportbytes.moc"
