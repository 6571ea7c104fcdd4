#include "support/scriptedprompts.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevfile.h"
#include "codenames/kodnevmodel.h"
#include "core/settings.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <unistd.h>

namespace {

const QByteArray black = QByteArray::fromHex("01ffff0000000000000000");
const QByteArray white = QByteArray::fromHex("01ffffffffffffffff0000");
// Code ABCAAAAAAAAA, "Kapu", 2001-01-01.
const QByteArray kapuCore = QByteArray::fromHex("012000000000" "00000008004b006100700075" "002569c7");

QByteArray be32(quint32 v)
{
    QByteArray b(4, '\0');
    for (int i = 0; i < 4; ++i)
        b[i] = char(v >> (24 - 8 * i));
    return b;
}

QByteArray utf16Name(const QString& name)
{
    QByteArray b = be32(quint32(name.size() * 2));
    for (QChar c : name)
        b += char(c.unicode() >> 8), b += char(c.unicode() & 0xFF);
    return b;
}

QByteArray v1Record(const QByteArray& code, const QByteArray& name, quint32 julianDay)
{
    return code + name + be32(julianDay);
}

KodNev entry(const QString& code, const QDate& date, const QString& name, const QColor& back = Qt::white,
             const QColor& fore = Qt::black)
{
    KodNev k;
    if (!k.set(code, name, date, back, fore))
        qFatal("bad test entry");
    return k;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

KodNevFile::ReadResult readBytes(const QByteArray& bytes)
{
    QBuffer b;
    b.setData(bytes);
    b.open(QIODevice::ReadOnly);
    return KodNevFile::read(b);
}

QString codeFile()
{
    return appSettings().codeFilePath();
}

} // namespace

class TestKodNevFile : public QObject
{
    Q_OBJECT
private slots:
    void goldenBytesAndRoundTrip()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Kapu"), false);
        m.addEntry(entry("p", QDate(1, 1, 1), "Ő", QColor(0x12, 0x34, 0x56), Qt::red), false);
        QVERIFY(m.save());
        QVERIFY(!m.isModified());
        QCOMPARE(codeFile(), env.path("kodlista.kod"));

        const QByteArray expected = QByteArray::fromHex("0ec00201") + be32(2) + kapuCore + black + white
                                    + QByteArray::fromHex("f00000000000") + be32(2) + QByteArray::fromHex("0150")
                                    + QByteArray::fromHex("001a4452")
                                    + QByteArray::fromHex("01ffffffff00000000" "0000")
                                    + QByteArray::fromHex("01ffff121234345656" "0000");
        QCOMPARE(fileBytes(codeFile()).toHex(), expected.toHex());

        const KodNevFile::ReadResult r = readBytes(expected);
        QCOMPARE(r.status, KodNevFile::ReadStatus::Ok);
        QCOMPARE(r.records.size(), 2);
        QVERIFY(r.records.at(0) == m.entryAt(0));
        QVERIFY(r.records.at(1) == m.entryAt(1));
        QCOMPARE(r.records.at(1).backgroundColor, QColor(0x12, 0x34, 0x56));
        QCOMPARE(r.records.at(1).foregroundColor, QColor(Qt::red));

        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QVERIFY(KodNevFile::write(out, r.records));
        QCOMPARE(out.data(), expected);
    }

    void loadFlagsAndSignals()
    {
        TestEnv env;
        KodNevModel m;
        QSignalSpy reloaded(&m, &KodNevModel::reloaded);

        QVERIFY(!m.load(nullptr)); // no file: silently nothing
        QCOMPARE(reloaded.size(), 0);

        writeBytes(codeFile(), QByteArray::fromHex("0ec0020100000000"));
        QVERIFY(m.load(nullptr));
        QCOMPARE(reloaded.size(), 1);
        QCOMPARE(m.rowCount(), 0);
        QVERIFY(!m.isModified());
        QVERIFY(m.save()); // nothing to write: the file and backup stay as they are
        QVERIFY(!QFile::exists(codeFile() + ".bak"));

        writeBytes(codeFile(), QByteArray::fromHex("0ec0020100000001") + kapuCore + black + white);
        QVERIFY(m.load(nullptr));
        QCOMPARE(reloaded.size(), 2);
        QCOMPARE(m.rowCount(), 1);
        QVERIFY(m.isModified());

        // Records in an unusual order are placed by the insertion rule; a duplicate asks.
        const QByteArray b = QByteArray::fromHex("bbbbbbbbbbbb");
        const QByteArray file = QByteArray::fromHex("0ec0010100000004")
                                + v1Record(b, utf16Name("késő"), QDate(2010, 1, 1).toJulianDay())
                                + v1Record(b, utf16Name("korai"), QDate(2000, 1, 1).toJulianDay())
                                + v1Record(b, utf16Name("ismét"), QDate(2010, 1, 1).toJulianDay())
                                + v1Record(b, utf16Name("újra"), QDate(2010, 1, 1).toJulianDay());
        writeBytes(codeFile(), file);
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("\"késő\"\nnéven.\nÁtnevezzük erre:\n\"ismét\"", false);
            prompts.expectQuestion("\"késő\"\nnéven.\nÁtnevezzük erre:\n\"újra\"", true);
            QVERIFY(m.load(nullptr));
        }
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("korai"));
        QCOMPARE(m.entryAt(1).datedName.name, QStringLiteral("újra"));
    }

    void versionOneFile()
    {
        TestEnv env;
        const QByteArray file = QByteArray::fromHex("0ec0010100000003") + kapuCore
                                // an empty name: dropped, never given Kapu's name
                                + v1Record(QByteArray::fromHex("111111111111"), be32(0), 2451545)
                                // a null date: the earliest date, never Kapu's
                                + v1Record(QByteArray::fromHex("222222222222"), utf16Name("Kert"), 0);
        writeBytes(codeFile(), file);
        KodNevModel m;
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "1 bejegyzés neve üres vagy 80 karakternél hosszabb");
            QVERIFY(m.load(nullptr));
        }
        QCOMPARE(m.rowCount(), 2);
        QCOMPARE(m.entryAt(0).codeText(), QStringLiteral("ABCAAAAAAAAA"));
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("Kapu"));
        QCOMPARE(m.entryAt(0).datedName.validFrom, QDate(2001, 1, 1));
        QCOMPARE(m.entryAt(1).codeText(), QStringLiteral("CCCCCCCCCCCC"));
        QCOMPARE(m.entryAt(1).datedName.name, QStringLiteral("Kert"));
        QCOMPARE(m.entryAt(1).datedName.validFrom, QDate(1, 1, 1));
        for (int r = 0; r < 2; ++r) {
            QCOMPARE(m.entryAt(r).foregroundColor, QColor(Qt::black));
            QCOMPARE(m.entryAt(r).backgroundColor, QColor(Qt::white));
        }
        QVERIFY(m.isModified());
        QVERIFY(m.save());
        const QByteArray saved = fileBytes(codeFile());
        QCOMPARE(saved.left(8), QByteArray::fromHex("0ec0020100000002"));
        QCOMPARE(saved.mid(8, 52 - 8), kapuCore + black + white);
        QCOMPARE(fileBytes(codeFile() + ".bak"), file);
    }

    void damagedInputIsRefusedWhole()
    {
        TestEnv env;
        const QByteArray b = QByteArray::fromHex("bbbbbbbbbbbb");
        const QByteArray good = QByteArray::fromHex("0ec0020100000003") + kapuCore + black + white
                                + b + utf16Name("Második") + be32(2451545) + black + white
                                + QByteArray::fromHex("cccccccccccc") + utf16Name("Harmadik") + be32(2451546)
                                + black + white;
        QCOMPARE(readBytes(good).status, KodNevFile::ReadStatus::Ok);
        QCOMPARE(readBytes(good).records.size(), 3);
        for (int cut = 0; cut < good.size(); ++cut) {
            const KodNevFile::ReadResult r = readBytes(good.left(cut));
            QVERIFY2(r.status != KodNevFile::ReadStatus::Ok, qPrintable(QString::number(cut)));
            QVERIFY(r.records.isEmpty());
        }
        // Extra bytes after the last record are ignored.
        QCOMPARE(readBytes(good + "xyz").status, KodNevFile::ReadStatus::Ok);

        QByteArray huge = good;
        huge.replace(4, 4, be32(0x7FFFFFFF));
        QCOMPARE(readBytes(huge).status, KodNevFile::ReadStatus::Damaged);
        QByteArray negative = good;
        negative.replace(4, 4, be32(0xFFFFFFFF));
        QCOMPARE(readBytes(negative).status, KodNevFile::ReadStatus::Damaged);
        QByteArray oddLength = good;
        oddLength.replace(8 + 6, 4, be32(7));
        QCOMPARE(readBytes(oddLength).status, KodNevFile::ReadStatus::Damaged);
        QCOMPARE(readBytes(QByteArray::fromHex("0ec0030100000000")).status, KodNevFile::ReadStatus::BadMagic);

        // Colours other than RGB (none of ours) fall back to the defaults.
        KodNevFile::ReadResult r;
        for (char colourKind : {'\x00', '\x02', '\x40', '\xff'}) {
            QByteArray oddColour = QByteArray::fromHex("0ec0020100000001") + kapuCore + black + white;
            oddColour[8 + 22] = colourKind;                       // text colour's kind
            oddColour[8 + 33] = char(colourKind == 0 ? 0x7f : 0); // background's
            r = readBytes(oddColour);
            QCOMPARE(r.status, KodNevFile::ReadStatus::Ok);
            QCOMPARE(r.records.at(0).foregroundColor, QColor(Qt::black));
            QCOMPARE(r.records.at(0).backgroundColor, QColor(Qt::white));
        }

        // Through the model: one warning, the list exactly as it was, no question storm.
        KodNevModel m;
        m.addEntry(KodNev(r.records.at(0)), true);
        QVERIFY(m.save());
        QSignalSpy reloaded(&m, &KodNevModel::reloaded);
        writeBytes(codeFile(), huge);
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "sérült, vagy nem megfelelő.");
            QVERIFY(!m.load(nullptr));
            QCOMPARE(prompts.seen().size(), 1);
            QCOMPARE(prompts.seen().first().title, QStringLiteral("Kód-név lista beolvasás"));
            QCOMPARE(prompts.seen().first().text,
                     QStringLiteral("A beolvasás sikertelen!\n%1\nsérült, vagy nem megfelelő.").arg(codeFile()));
        }
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("Kapu"));
        QVERIFY(!m.isModified());
        QCOMPARE(reloaded.size(), 0);
    }

    void unreadableFileIsNotOverwrittenUnasked()
    {
        TestEnv env;
        const QByteArray foreign("WYX\x03 not a list of ours");
        writeBytes(codeFile(), foreign);
        KodNevModel m;
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!");
            QVERIFY(!m.load(nullptr));
        }
        QVERIFY(!m.isModified());
        QVERIFY(m.save()); // nothing changed: nothing written
        QCOMPARE(fileBytes(codeFile()), foreign);

        m.addEntry(entry("abc", QDate(2001, 1, 1), "Kapu"), false);
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("nem volt beolvasható", false);
            QVERIFY(!m.save());
        }
        QCOMPARE(fileBytes(codeFile()), foreign);
        QVERIFY(!QFile::exists(codeFile() + ".bak"));
        QVERIFY(m.isModified());
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion("Felülírjuk", true);
            QVERIFY(m.save());
        }
        QCOMPARE(fileBytes(codeFile() + ".bak"), foreign);
        QCOMPARE(fileBytes(codeFile()).left(8), QByteArray::fromHex("0ec0020100000001"));

        // A file that exists but cannot be opened counts as unreadable too.
        if (geteuid() != 0) {
            QFile::setPermissions(codeFile(), QFileDevice::WriteOwner);
            KodNevModel other;
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!");
            prompts.expectQuestion("nem volt beolvasható", false);
            QVERIFY(!other.load(nullptr));
            other.addEntry(entry("abc", QDate(2001, 1, 1), "Kapu"), false);
            QVERIFY(!other.save());
            QFile::setPermissions(codeFile(), QFileDevice::WriteOwner | QFileDevice::ReadOwner);
        }
    }

    void backupRotationAndFailedSaves()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Első"), false);
        QVERIFY(m.save());
        const QByteArray first = fileBytes(codeFile());
        m.addEntry(entry("abc", QDate(2002, 1, 1), "Második"), false);
        QVERIFY(m.save());
        const QByteArray second = fileBytes(codeFile());
        QCOMPARE(fileBytes(env.path("kodlista.kod.bak")), first);
        QVERIFY(second != first);

        // A directory in the way of the file: the save fails, is reported, and both the
        // directory and the old backup stay.
        appSettings().codeFile = "masik.kod";
        QDir(env.workDir()).mkdir("masik.kod");
        writeBytes(env.path("masik.kod.bak"), first);
        m.addEntry(entry("abc", QDate(2003, 1, 1), "Harmadik"), false);
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
            QVERIFY(!m.save());
            QCOMPARE(prompts.seen().first().title, QStringLiteral("Hibaüzenet"));
        }
        QVERIFY(m.isModified());
        QVERIFY(QFileInfo(env.path("masik.kod")).isDir());
        QCOMPARE(fileBytes(env.path("masik.kod.bak")), first);

        // A directory that cannot be written: file and backup untouched, twice over.
        appSettings().codeFile = "kodlista.kod";
        if (geteuid() != 0) {
            QFile::setPermissions(env.workDir(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            for (int attempt = 0; attempt < 2; ++attempt) {
                ScriptedPrompts prompts;
                prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
                QVERIFY(!m.save());
            }
            QFile::setPermissions(env.workDir(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
            QCOMPARE(fileBytes(codeFile()), second);
            QCOMPARE(fileBytes(codeFile() + ".bak"), first);
            QVERIFY(QDir(env.workDir()).entryList({"*.kod*"}, QDir::Files).size() == 2); // no stray temp files
        }
        QVERIFY(m.save());
        QCOMPARE(fileBytes(codeFile() + ".bak"), second);
    }
};

WYX_TEST_MAIN(TestKodNevFile)
#include "tst_kodnevfile.moc"
