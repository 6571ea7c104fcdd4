#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevfile.h"
#include "codenames/kodnevmodel.h"
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

} // namespace

class TestKodNevFile : public QObject
{
    Q_OBJECT
private slots:
    void goldenBytesRoundTripAndDamage()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Kapu"), false);
        m.addEntry(entry("p", QDate(1, 1, 1), "Ő", QColor(0x12, 0x34, 0x56), Qt::red), false);
        QVERIFY(m.save() && !m.isModified());
        QCOMPARE(codeFile(), env.path("kodlista.kod"));
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
            {8 + 6, "00000007", S::Damaged, ""}, {0, "0ec00301", S::BadMagic, ""}, // odd name length; version 3
            {68, "00", S::Ok, "#ff000000 #ff123456"}, {68, "02", S::Ok, "#ff000000 #ff123456"},
            {79, "40", S::Ok, "#ffff0000 #ffffffff"}, {79, "ff", S::Ok, "#ffff0000 #ffffffff"}};
        for (const auto& c : changes) {
            const QByteArray hex = QByteArray::fromHex(c.hex);
            r = readBytes(QByteArray(good).replace(c.offset, hex.size(), hex));
            QVERIFY2(r.status == c.status && r.records.size() == (c.status == S::Ok ? 2 : 0), c.hex);
            QVERIFY2(c.status != S::Ok || colours(r.records.at(1)) == c.colours, c.hex);
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
                                + record("111111111111", "", 2451545) + record("bbbbbbbbbbbb", "késő", y2010)
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

WYX_TEST_MAIN(TestKodNevFile)
#include "tst_kodnevfile.moc"
