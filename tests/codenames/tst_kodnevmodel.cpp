#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevfile.h"
#include "codenames/kodnevmodel.h"
#include "core/constants.h"
#include "core/settings.h"

#include <QBuffer>
#include <QDir>
#include <QSignalSpy>
#include <unistd.h>

namespace {

const QByteArray black = QByteArray::fromHex("01ffff0000000000000000");
const QByteArray white = QByteArray::fromHex("01ffffffffffffffff0000");
// Code ABCAAAAAAAAA, "Kapu", 2001-01-01.
const QByteArray kapuCore = QByteArray::fromHex("012000000000" "00000008004b006100700075" "002569c7");

// Code, name and Julian day as a record holds them; version 2 adds the two colours.
QByteArray record(const char* codeHex, const QString& name, quint32 julianDay)
{
    QByteArray tail;
    QDataStream s(&tail, QIODevice::WriteOnly);
    s.setVersion(QDataStream::Qt_4_6);
    s << name << julianDay;
    return QByteArray::fromHex(codeHex) + tail;
}

KodNev entry(const QString& code, const QDate& date, const QString& name, const QColor& back = Qt::white,
             const QColor& fore = Qt::black)
{
    KodNev k;
    if (!k.set(code, name, date, back, fore))
        qFatal("bad test entry");
    return k;
}

QString colours(const KodNev& k)
{
    return k.foregroundColor.name(QColor::HexArgb) + ' ' + k.backgroundColor.name(QColor::HexArgb);
}

QString codeFile() { return appSettings().codeFilePath(); }

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeCodeFile(const QByteArray& bytes)
{
    QFile f(codeFile());
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

KodNevFile::ReadResult readBytes(QByteArray bytes)
{
    QBuffer b(&bytes);
    b.open(QIODevice::ReadOnly);
    return KodNevFile::read(b);
}

KodNev entry(const QString& code, int year, const QString& name = QStringLiteral("név"),
             const QColor& back = Qt::white)
{
    return entry(code, QDate(year, 1, 1), name, back);
}

// Adds "B2001 C2000 ..." in that order: code letter and year.
void addAll(KodNevModel& m, const QString& entries)
{
    for (const QString& e : entries.split(' '))
        m.addEntry(entry(e.left(1), e.mid(1).toInt(), e), false);
}

// The list from the top, in the same notation.
QString layout(const KodNevModel& m)
{
    QStringList parts;
    for (int r = 0; r < m.rowCount(); ++r)
        parts << m.entryAt(r).codeText().left(1) + QString::number(m.entryAt(r).datedName.validFrom.year());
    return parts.join(' ');
}

QByteArray hexOf(const KodNev& k)
{
    return QByteArray(reinterpret_cast<const char*>(k.code), KodNev::codeSize).toHex();
}

KodNev key(const QString& code, const QDate& date = minValidDate)
{
    KodNev k;
    k.setCode(code);
    k.datedName.setDate(date);
    return k;
}

} // namespace

class TestKodNevModel : public QObject
{
    Q_OBJECT
private slots:
    void codeLettersBytesAndPartlyDoneSets()
    {
        // Text, code bytes, letters shown.
        const char* const good[][3] = {{"abc", "012000000000", "ABCAAAAAAAAA"},
                                       {"aAbBcCdDeEfF", "001122334455", "AABBCCDDEEFF"},
                                       {"PPPPPPPPPPPP", "ffffffffffff", "PPPPPPPPPPPP"}}; // the no-code value
        for (const auto& g : good) {
            KodNev k;
            QVERIFY(k.setCode(g[0]) && hexOf(k) == g[1]);
            QCOMPARE(k.codeText(), QString(g[2]));
        }
        // A trailing line break must not slip through the anchors; a refusal keeps the code.
        for (const char* bad : {"", "AAAAAAAAAAAAA", "ABQ", "AB1", "AB C", "abc\n", "\nabc", "ABÁ"}) {
            KodNev k;
            QVERIFY(k.setCode("abc"));
            QVERIFY2(!k.setCode(QString::fromUtf8(bad)), bad);
            QCOMPARE(k.codeText(), QStringLiteral("ABCAAAAAAAAA"));
        }

        KodNev k;
        QVERIFY(hexOf(k) == "ffffffffffff" && k.datedName.validFrom == QDate(1, 1, 1));
        QVERIFY(k.set("ab", "Régi", QDate(2001, 1, 1), Qt::yellow, Qt::red));

        // A failing step keeps the steps before it; colours come only after all three.
        QVERIFY(!k.set("cd", QString(81, 'x'), QDate(2010, 1, 1), Qt::green, Qt::blue));
        QCOMPARE(k.codeText(), QStringLiteral("CDAAAAAAAAAA"));
        QCOMPARE(k.datedName.name, QStringLiteral("Régi"));
        QVERIFY(!k.set("ef", "Új", QDate(2021, 2, 30), Qt::green, Qt::blue));
        QVERIFY(k.datedName.name == "Új" && k.datedName.validFrom == QDate(2001, 1, 1));
        QCOMPARE(k.backgroundColor, QColor(Qt::yellow));
        QVERIFY(k.set("ef", QString(80, 'n'), QDate(2012, 1, 1), QColor(), QColor()));
        QVERIFY(k.backgroundColor == Qt::white && k.foregroundColor == Qt::black);

        KodNev other = k;
        other.datedName.setDate(QDate(2013, 1, 1));
        QVERIFY(other.sameCode(k) && !(other == k));

        k.setBackgroundColor(Qt::red);
        k.clear();
        QVERIFY(hexOf(k) == "ffffffffffff" && k.datedName.name.isNull() && k.backgroundColor == Qt::white);
        QCOMPARE(k.datedName.validFrom, QDate(2012, 1, 1));
    }

    void insertionAndLookupsAcrossDateBoundaries()
    {
        KodNevModel m;
        addAll(m, "B2005 C2003 B2001");
        QCOMPARE(layout(m), QStringLiteral("B2001 B2005 C2003")); // each code's dates in order
        const struct { const char* code; QDate date; int row; } cases[] = {
            {"b", {2000, 12, 31}, -1}, {"b", {2001, 1, 1}, 0}, {"b", {2004, 12, 31}, 0},
            {"b", {2005, 1, 1}, 1}, {"b", {2090, 1, 1}, 1}, {"c", {2002, 1, 1}, -1}, {"d", {2090, 1, 1}, -1}};
        for (const auto& c : cases)
            QVERIFY2(m.findValidAt(key(c.code, c.date)) == c.row, qPrintable(c.date.toString()));
        QCOMPARE(m.findCode(key("b")), 1);
        QVERIFY(m.findExact(key("b")) == -1 && m.findExact(key("b", QDate(2001, 1, 1))) == 0);

        // A change of the list must show in the next lookup.
        addAll(m, "B2003 B1999");
        QCOMPARE(layout(m), QStringLiteral("B1999 B2001 B2003 B2005 C2003"));
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 2);
        QVERIFY(m.setData(m.index(4, 2), "b")); // C's entry now also code B, dated 2003
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 4); // last matching row wins
        QVERIFY(m.removeRows(4, 1));
        QCOMPARE(m.findValidAt(key("b", QDate(2004, 6, 1))), 2);
        QCOMPARE(m.findCode(key("c")), -1);

        QVERIFY(m.entryAt(-1).datedName.name.isNull());
        QCOMPARE(m.entryAt(m.rowCount()).codeText(), QStringLiteral("PPPPPPPPPPPP"));
    }

    void alternateRowsReplacesAndRefusedEdits()
    {
        TestEnv env;
        KodNevModel m;
        addAll(m, "B2001 C2001 D2001");
        m.addEntry(entry("e", 2001, "négy", Qt::yellow), false);
        auto back = [&m](int row) { return m.index(row, 0).data(Qt::BackgroundRole).value<QColor>(); };
        appSettings().flags |= OptAlternateBack;
        QCOMPARE(back(1), QColor(240, 240, 240));
        QCOMPARE(back(3), QColor(Qt::yellow)); // an own colour is kept on odd rows
        appSettings().flags &= ~OptAlternateBack;
        QCOMPARE(back(1), QColor(Qt::white));

        // The same code and date replaces silently (the asking replace: in the version-1 load).
        QSignalSpy changed(&m, &QAbstractItemModel::dataChanged);
        m.addEntry(entry("b", 2001, "Kapu 2", Qt::red), true);
        QVERIFY(layout(m) == "B2001 C2001 D2001 E2001" && m.entryAt(0).backgroundColor == Qt::red);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(changed.at(0).at(1).toModelIndex().column(), 3); // the name column repaints too

        // A refused value is reported and leaves the list unchanged.
        KodNevModel fresh(QList<KodNev>{entry("b", 2001, "egy")});
        QVERIFY(!fresh.setData(fresh.index(0, 2), "xyz"));
        QVERIFY(!fresh.setData(fresh.index(0, 3), QString(81, 'n')));
        QVERIFY(!fresh.removeRows(0, 2) && !fresh.isModified());
        QCOMPARE(fresh.entryAt(0), entry("b", 2001, "egy"));
        QVERIFY(fresh.setData(fresh.index(0, 3), "új") && fresh.isModified());
    }

    void goldenBytesRoundTripAndDamage()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Kapu"), false);
        m.addEntry(entry("p", QDate(1, 1, 1), "Ő", QColor(0x12, 0x34, 0x56), Qt::red), false);
        QVERIFY(m.save() && !m.isModified());
        const QByteArray good = QByteArray::fromHex("0ec0020100000002") + kapuCore + black + white
                                + QByteArray::fromHex("f00000000000" "000000020150" "001a4452"
                                                      "01ffffffff000000000000" "01ffff121234345656" "0000");
        QCOMPARE(fileBytes(codeFile()).toHex(), good.toHex());
        KodNevFile::ReadResult r = readBytes(good + "xyz"); // bytes after the last record are ignored
        QVERIFY(r.status == KodNevFile::ReadStatus::Ok && r.records.size() == 2);
        QVERIFY(r.records.at(0) == m.entryAt(0) && r.records.at(1) == m.entryAt(1));
        QCOMPARE(colours(r.records.at(1)), QStringLiteral("#ffff0000 #ff123456"));

        using S = KodNevFile::ReadStatus;
        for (int cut = 0; cut < good.size(); ++cut) {
            r = readBytes(good.left(cut));
            QVERIFY2(r.status != S::Ok && r.records.isEmpty(), qPrintable(QString::number(cut)));
        }
        // A colour kind other than RGB (none of ours) gives that colour's default alone.
        const struct { int offset; const char* hex; S status; const char* colours; } changes[] = {
            {4, "7fffffff", S::Damaged, ""}, {4, "ffffffff", S::Damaged, ""},
            {8 + 6, "00000007", S::Damaged, ""}, {0, "0ec00301", S::BadMagic, ""}, // odd name; version 3
            {68, "00", S::Ok, "#ff000000 #ff123456"}, {68, "02", S::Ok, "#ff000000 #ff123456"},
            {79, "40", S::Ok, "#ffff0000 #ffffffff"}, {79, "ff", S::Ok, "#ffff0000 #ffffffff"}};
        for (const auto& c : changes) {
            const QByteArray hex = QByteArray::fromHex(c.hex);
            r = readBytes(QByteArray(good).replace(c.offset, hex.size(), hex));
            QVERIFY2(r.status == c.status && r.records.size() == (c.status == S::Ok ? 2 : 0), c.hex);
            QVERIFY2(c.status != S::Ok || colours(r.records.at(1)) == c.colours, c.hex);
        }
    }

    // A version-2 file is read as stored: names of any length and colours of every kind the
    // writer writes come back unchanged, so a load and a save lose nothing.
    void versionTwoRoundTripsNamesAndColourKinds()
    {
        TestEnv env;
        const QList<QColor> kinds = {QColor::fromRgb(1, 2, 3),          QColor::fromHsv(120, 200, 100, 50),
                                     QColor::fromHsv(-1, 0, 128),        QColor::fromCmyk(10, 20, 30, 40),
                                     QColor::fromHsl(300, 100, 150),     QColor::fromRgbF(1.5, -0.25, 0.5),
                                     QColor::fromRgbF(0.5, 0.25, 0.125).toExtendedRgb()};
        QList<KodNev> entries;
        for (int i = 0; i < kinds.size(); ++i) {
            KodNev k = entry("abc", QDate(2001, 1, 1 + i), "Kapu");
            k.foregroundColor = kinds.at(i);
            k.backgroundColor = kinds.at(kinds.size() - 1 - i);
            entries << k;
        }
        entries[0].datedName.name.clear();
        entries[1].datedName.name = QString(100, QLatin1Char('x'));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(KodNevFile::write(buffer, entries));
        const KodNevFile::ReadResult r = readBytes(bytes);
        QVERIFY(r.status == KodNevFile::ReadStatus::Ok);
        QCOMPARE(r.skipped, 0);
        QCOMPARE(r.records.size(), entries.size());
        for (int i = 0; i < entries.size(); ++i) {
            QCOMPARE(r.records.at(i).datedName.name, entries.at(i).datedName.name);
            QCOMPARE(r.records.at(i).foregroundColor, entries.at(i).foregroundColor);
            QCOMPARE(int(r.records.at(i).foregroundColor.spec()), int(entries.at(i).foregroundColor.spec()));
            QCOMPARE(r.records.at(i).backgroundColor, entries.at(i).backgroundColor);
        }
        // Components a writer never produces give the colour's default.
        const struct { const char* hex; QColor expected; } broken[] = {
            {"02ffff9c40ffffffff0000", Qt::black},  // hue 400 degrees
            {"04ffff9c40ffffffff0000", Qt::black},
            {"05ffff7c003c003c000000", Qt::black},  // an infinite red
            {"06ffff0000000000000000", Qt::black},  // no such kind
            {"00ffff0000000000000000", Qt::black}}; // invalid
        for (const auto& c : broken) {
            const QByteArray one = QByteArray::fromHex("0ec0020100000001") + kapuCore + QByteArray::fromHex(c.hex)
                                   + white;
            const KodNevFile::ReadResult b = readBytes(one);
            QVERIFY2(b.status == KodNevFile::ReadStatus::Ok, c.hex);
            QCOMPARE(b.records.value(0).foregroundColor, c.expected);
        }
    }

    void loadingOrdersAsksAndResavesVersionOne()
    {
        TestEnv env;
        KodNevModel m;
        QSignalSpy reloaded(&m, &KodNevModel::reloaded);
        QVERIFY(!m.load(nullptr)); // no file: silently nothing
        writeCodeFile(QByteArray::fromHex("0ec0020100000000"));
        QVERIFY(m.load(nullptr) && !m.isModified());
        QVERIFY(m.save() && !QFile::exists(codeFile() + ".bak")); // nothing to write: no backup made

        // Records go by the insertion rule, a repeated code and date asks, an empty name is
        // dropped, a null date is the earliest: never a value of the record before.
        const quint32 y2010 = QDate(2010, 1, 1).toJulianDay();
        const QByteArray file = QByteArray::fromHex("0ec0010100000007") + kapuCore
                                + record("111111111111", "", 2451545)
                                + record("bbbbbbbbbbbb", "késő", y2010)
                                + record("bbbbbbbbbbbb", "korai", QDate(2000, 1, 1).toJulianDay())
                                + record("bbbbbbbbbbbb", "ismét", y2010) + record("222222222222", "Kert", 0)
                                + record("bbbbbbbbbbbb", "újra", y2010);
        writeCodeFile(file);
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("\"késő\"\nnéven.\nÁtnevezzük erre:\n\"ismét\"", false);
            prompts.expectQuestion("\"késő\"\nnéven.\nÁtnevezzük erre:\n\"újra\"", true);
            prompts.expectNotice(Prompts::Kind::Warning, "1 bejegyzés neve üres vagy 80 karakternél");
            QVERIFY(m.load(nullptr));
            QCOMPARE(prompts.seen().first().buttons, QStringList({"Átnevez", "Mégsem"}));
        }
        QCOMPARE(reloaded.size(), 2);
        QStringList rows;
        for (int r = 0; r < m.rowCount(); ++r) {
            const KodNev e = m.entryAt(r);
            rows << e.codeText() + ' ' + e.datedName.name + ' ' + e.datedName.validFrom.toString(Qt::ISODate);
            QCOMPARE(colours(e), QStringLiteral("#ff000000 #ffffffff"));
        }
        QCOMPARE(rows, QStringList({"ABCAAAAAAAAA Kapu 2001-01-01", "LLLLLLLLLLLL korai 2000-01-01",
                                    "LLLLLLLLLLLL újra 2010-01-01", "CCCCCCCCCCCC Kert 0001-01-01"}));
        QVERIFY(m.isModified() && m.save());
        QCOMPARE(fileBytes(codeFile()).left(52).toHex(),
                 (QByteArray::fromHex("0ec0020100000004") + kapuCore + black + white).toHex());
        QCOMPARE(fileBytes(codeFile() + ".bak"), file);
    }

    void unreadableFilesAndFailedSavesLoseNothing()
    {
        TestEnv env;
        const QByteArray damaged = QByteArray::fromHex("0ec002017fffffff") + kapuCore + black + white;
        writeCodeFile(damaged);
        KodNevModel m(QList<KodNev>{entry("abc", QDate(2001, 1, 1), "Kapu")});
        QSignalSpy reloaded(&m, &KodNevModel::reloaded);
        {
            // One warning (no question storm), the list exactly as it was.
            ScriptedPrompts prompts;
            const QString text = QStringLiteral("A beolvasás sikertelen!\n%1\nsérült, vagy nem megfelelő.");
            prompts.expectNotice(Prompts::Kind::Warning, text.arg(codeFile()));
            QVERIFY(!m.load(nullptr));
        }
        QVERIFY(m.rowCount() == 1 && m.entryAt(0).datedName.name == "Kapu");
        QVERIFY(!m.isModified() && reloaded.isEmpty());
        QVERIFY(m.save()); // nothing changed: nothing written
        m.addEntry(entry("abc", QDate(2002, 1, 1), "Kert"), false);
        for (bool yes : {false, true}) {
            ScriptedPrompts prompts;
            prompts.expectQuestion("nem volt beolvasható.\nFelülírjuk", yes);
            QCOMPARE(m.save(), yes);
            QCOMPARE(m.isModified(), !yes);
            QCOMPARE(fileBytes(codeFile() + (yes ? ".bak" : "")), damaged);
            QVERIFY(yes || !QFile::exists(codeFile() + ".bak"));
        }
        m.addEntry(entry("abc", QDate(2003, 1, 1), "Harmadik"), false);
        const QByteArray saved = fileBytes(codeFile());
        QVERIFY(m.save());
        QCOMPARE(fileBytes(codeFile() + ".bak"), saved); // the older backup is replaced
        const QByteArray current = fileBytes(codeFile());

        // Neither a backup that cannot be replaced nor (unless root, who writes anyway) a
        // directory that cannot be written loses the file, however often it is tried.
        QVERIFY(QFile::remove(codeFile() + ".bak"));
        QVERIFY(QDir(env.workDir()).mkpath("kodlista.kod.bak/keep"));
        m.addEntry(entry("abc", QDate(2004, 1, 1), "Negyedik"), false);
        const QFileDevice::Permissions dirMode = QFile::permissions(env.workDir());
        for (int attempt = 0; attempt < (geteuid() == 0 ? 2 : 4); ++attempt) {
            if (attempt == 2)
                QFile::setPermissions(env.workDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
            QVERIFY(!m.save());
        }
        QFile::setPermissions(env.workDir(), dirMode);
        QVERIFY(m.isModified() && fileBytes(codeFile()) == current);
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files), QStringList{"kodlista.kod"});

        // A file that cannot be opened is unreadable too.
        appSettings().codeFile = "masik.kod";
        QVERIFY(QDir(env.workDir()).mkdir("masik.kod"));
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!");
        prompts.expectQuestion("nem volt beolvasható", true);
        prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
        QVERIFY(!m.load(nullptr));
        m.addEntry(entry("abc", QDate(2005, 1, 1), "Kút"), false);
        QVERIFY(!m.save());
    }
};

WYX_TEST_MAIN(TestKodNevModel)
#include "tst_kodnevmodel.moc"
