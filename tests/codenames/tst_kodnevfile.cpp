#include "core/safesave.h"
#include "codenames/kodnevtestutil.h"
#include "support/testmain.h"

using namespace KodNevTest;

namespace {

// A colour as QDataStream holds it: its model first, then its components.
QByteArray streamed(const QColor& colour)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << colour;
    return bytes.toHex();
}

} // namespace

class TestKodNevFile : public QObject
{
    Q_OBJECT
private slots:
    void savesGoldenBytes()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Kapu"), false);
        m.addEntry(entry("p", QDate(1, 1, 1), "Ő", QColor(0x12, 0x34, 0x56), Qt::red), false);
        QVERIFY(m.save());
        QVERIFY(!m.isModified());
        QCOMPARE(fileBytes(codeFile()).toHex(), golden.toHex());
    }

    void readsGoldenBytesIgnoringTrailingBytes()
    {
        const KodNevFile::ReadResult r = readBytes(golden + "xyz");
        QCOMPARE(r.status, S::Ok);
        QCOMPARE(r.records.size(), 2);
        QCOMPARE(r.records.at(0), entry("abc", QDate(2001, 1, 1), "Kapu"));
        QCOMPARE(r.records.at(1), entry("p", QDate(1, 1, 1), "Ő"));
        QCOMPARE(colours(r.records.at(1)), QStringLiteral("#ffff0000 #ff123456"));
    }

    void everyTruncationIsDamage()
    {
        for (int cut = 0; cut < golden.size(); ++cut) {
            const KodNevFile::ReadResult r = readBytes(golden.left(cut));
            QVERIFY2(r.status != S::Ok, qPrintable(QString::number(cut)));
            QVERIFY(r.records.isEmpty());
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
            // Equality of extended-RGB colours ignores the colour model; the stream form does not.
            QCOMPARE(streamed(r.records.at(i).foregroundColor), streamed(entries.at(i).foregroundColor));
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

    void changedField_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QByteArray>("hex");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("colours"); // of the second record, when read
        QTest::newRow("huge count") << 4 << QByteArray("7fffffff") << int(S::Damaged) << QString();
        QTest::newRow("negative count") << 4 << QByteArray("ffffffff") << int(S::Damaged) << QString();
        QTest::newRow("odd name length") << 8 + 6 << QByteArray("00000007") << int(S::Damaged) << QString();
        QTest::newRow("version 3") << 0 << QByteArray("0ec00301") << int(S::BadMagic) << QString();
        // A colour kind other than RGB (none of ours) gives that colour's default alone.
        QTest::newRow("invalid text colour") << 68 << QByteArray("00") << int(S::Ok) << "#ff000000 #ff123456";
        QTest::newRow("HSV text colour") << 68 << QByteArray("02") << int(S::Ok) << "#ff000000 #ff123456";
        QTest::newRow("kind 64 background") << 79 << QByteArray("40") << int(S::Ok) << "#ffff0000 #ffffffff";
        QTest::newRow("kind -1 background") << 79 << QByteArray("ff") << int(S::Ok) << "#ffff0000 #ffffffff";
    }

    void changedField()
    {
        QFETCH(int, offset);
        QFETCH(QByteArray, hex);
        QFETCH(int, status);
        QFETCH(QString, colours);
        const QByteArray bytes = QByteArray::fromHex(hex);
        const KodNevFile::ReadResult r = readBytes(QByteArray(golden).replace(offset, bytes.size(), bytes));
        QCOMPARE(int(r.status), status);
        QCOMPARE(r.records.size(), status == int(S::Ok) ? 2 : 0);
        if (status == int(S::Ok))
            QCOMPARE(::colours(r.records.at(1)), colours);
    }

    void everyFileWriteFailureIsReported()
    {
        const QList<KodNev> list = {entry("abc", QDate(2001, 1, 1), "Kapu"), entry("p", 2010, "Ő", Qt::red)};
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        QVERIFY(KodNevFile::write(whole, list));
        for (int limit = 0; limit < whole.data().size(); ++limit) {
            FailingDevice device(FailingDevice::Writes, limit);
            device.open(QIODevice::WriteOnly);
            QVERIFY2(!KodNevFile::write(device, list), qPrintable(QString::number(limit)));
            QCOMPARE(device.written(), whole.data().left(limit));
        }
    }

    void everyFileReadFailureIsACleanError()
    {
        QBuffer whole;
        whole.open(QIODevice::WriteOnly);
        QVERIFY(KodNevFile::write(whole, {entry("abc", QDate(2001, 1, 1), "Kapu"), entry("p", 2010, "Ő")}));
        for (int limit = 0; limit < whole.data().size(); ++limit) {
            FailingDevice device(FailingDevice::Reads, limit, whole.data());
            device.open(QIODevice::ReadOnly);
            const KodNevFile::ReadResult r = KodNevFile::read(device);
            QVERIFY2(r.status != KodNevFile::ReadStatus::Ok, qPrintable(QString::number(limit)));
            QVERIFY(r.records.isEmpty());
            QVERIFY(device.failed());
        }
    }

    void missingFileLoadsNothingSilently()
    {
        TestEnv env;
        KodNevModel m;
        QVERIFY(!m.load(nullptr));
        QCOMPARE(m.rowCount(), 0);
    }

    void emptyFileNeedsNoSave()
    {
        TestEnv env;
        writeCodeFile(QByteArray::fromHex("0ec0020100000000"));
        KodNevModel m;
        QVERIFY(m.load(nullptr));
        QVERIFY(!m.isModified());
        QVERIFY(m.save());
        QVERIFY(!QFile::exists(codeFile() + ".bak")); // nothing to write: no backup made
    }

    void versionOneLoadOrdersAsksAndIsResavedAsVersionTwo()
    {
        TestEnv env;
        KodNevModel m;
        QSignalSpy reloaded(&m, &KodNevModel::reloaded);
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
        QCOMPARE(reloaded.size(), 1);
        QStringList rows;
        for (int r = 0; r < m.rowCount(); ++r) {
            const KodNev e = m.entryAt(r);
            rows << e.codeText() + ' ' + e.datedName.name + ' ' + e.datedName.validFrom.toString(Qt::ISODate);
            QCOMPARE(colours(e), QStringLiteral("#ff000000 #ffffffff"));
        }
        QCOMPARE(rows, QStringList({"ABCAAAAAAAAA Kapu 2001-01-01", "LLLLLLLLLLLL korai 2000-01-01",
                                    "LLLLLLLLLLLL újra 2010-01-01", "CCCCCCCCCCCC Kert 0001-01-01"}));
        QVERIFY(m.isModified());
        QVERIFY(m.save());
        QCOMPARE(fileBytes(codeFile()).left(52).toHex(),
                 (QByteArray::fromHex("0ec0020100000004") + kapuCore + black + white).toHex());
        QCOMPARE(fileBytes(codeFile() + ".bak"), file);
    }

    // Loading gives the list that adding the records one by one gives, in any file order.
    void loadedOrderIsTheInsertionRule()
    {
        TestEnv env;
        KodNevModel added;
        QList<KodNev> records;
        const QStringList codes = {"a", "bc", "dd", "p", "abc"};
        for (int i = 0; i < 200; ++i) {
            const KodNev e = entry(codes.at((i * 7) % codes.size()), QDate(2000 + (i * 13) % 17, 1, 1),
                                   QStringLiteral("n%1").arg(i));
            if (added.findExact(e) >= 0)
                continue; // same code and date: the question is tested above
            added.addEntry(e, false);
            records.append(e);
        }
        {
            QFile f(codeFile());
            QVERIFY(f.open(QIODevice::WriteOnly));
            QVERIFY(KodNevFile::write(f, records));
        }
        KodNevModel loaded;
        QVERIFY(loaded.load(nullptr));
        QCOMPARE(loaded.rowCount(), added.rowCount());
        for (int r = 0; r < added.rowCount(); ++r)
            QCOMPARE(loaded.entryAt(r).datedName.name, added.entryAt(r).datedName.name);
    }

    // Every file operation of the save failed in turn: file and backup stay, the failure is
    // told and the list stays modified.
    void everyFailedSaveKeepsFileAndBackup()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", 2001, "Kapu"), false);
        QVERIFY(m.save());
        m.addEntry(entry("abd", 2002, "Kert"), false);
        QVERIFY(m.save());
        const QByteArray file = fileBytes(codeFile()), backup = fileBytes(codeFile() + ".bak");
        m.addEntry(entry("abe", 2003, "Tető"), false);
        int total = 0;
        {
            KodNevModel probe(QList<KodNev>{entry("abc", 2001, "Kapu")});
            probe.addEntry(entry("abf", 2004, "x"), false);
            QDir(env.workDir()).mkpath("probe");
            appSettings().workDir = env.path("probe");
            QVERIFY(probe.save());
            probe.addEntry(entry("abg", 2004, "y"), false);
            SafeSave::FaultScope count;
            QVERIFY(probe.save());
            total = count.operations();
            appSettings().workDir = env.workDir();
        }
        for (int i = 1; i < total; ++i) {
            SafeSave::FaultScope faults;
            faults.failAt(i);
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
            QVERIFY2(!m.save(), qPrintable(QString::number(i)));
            QVERIFY(m.isModified());
            QCOMPARE(fileBytes(codeFile()), file);
            QCOMPARE(fileBytes(codeFile() + ".bak"), backup);
        }
    }

    // Nor is it taken for a damaged list: the message says why it cannot be opened.
    void fifoUnderTheFileNameDoesNotBlock()
    {
        TestEnv env;
        QCOMPARE(::mkfifo(QFile::encodeName(codeFile()).constData(), 0600), 0);
        KodNevModel m;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, QString());
        QVERIFY(!m.load(nullptr));
        QCOMPARE(m.rowCount(), 0);
        QCOMPARE(prompts.seen().last().text,
                 QStringLiteral("Nem sikerült megnyitni a kód-név listát:\n%1\n%2")
                     .arg(codeFile(), "nem közönséges fájl (mappa, eszköz vagy FIFO)"));
    }

    void damagedFileIsReportedOnceAndLeavesTheList()
    {
        TestEnv env;
        writeCodeFile(damagedFile());
        KodNevModel m(QList<KodNev>{entry("abc", QDate(2001, 1, 1), "Kapu")});
        QSignalSpy reloaded(&m, &KodNevModel::reloaded);
        {
            // One warning (no question storm), the list exactly as it was.
            ScriptedPrompts prompts;
            const QString text = QStringLiteral("A beolvasás sikertelen!\n%1\nsérült, vagy nem megfelelő.");
            prompts.expectNotice(Prompts::Kind::Warning, text.arg(codeFile()));
            QVERIFY(!m.load(nullptr));
        }
        QCOMPARE(m.rowCount(), 1);
        QCOMPARE(m.entryAt(0).datedName.name, QStringLiteral("Kapu"));
        QVERIFY(!m.isModified());
        QVERIFY(reloaded.isEmpty());
        QVERIFY(m.save()); // nothing changed: nothing written
        QCOMPARE(fileBytes(codeFile()), damagedFile());
    }

    void unreadFileIsOverwrittenOnlyWhenAgreed_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("declined") << false;
        QTest::newRow("agreed") << true;
    }

    void unreadFileIsOverwrittenOnlyWhenAgreed()
    {
        QFETCH(bool, yes);
        TestEnv env;
        writeCodeFile(damagedFile());
        KodNevModel m;
        {
            ScriptedPrompts prompts;
            prompts.expectNotice(Prompts::Kind::Warning, "A beolvasás sikertelen!");
            QVERIFY(!m.load(nullptr));
        }
        m.addEntry(entry("abc", QDate(2002, 1, 1), "Kert"), false);
        ScriptedPrompts prompts;
        prompts.expectQuestion("nem volt beolvasható.\nFelülírjuk", yes);
        QCOMPARE(m.save(), yes);
        QCOMPARE(m.isModified(), !yes);
        QCOMPARE(fileBytes(codeFile() + (yes ? ".bak" : "")), damagedFile());
        QCOMPARE(QFile::exists(codeFile() + ".bak"), yes);
    }

    // Another list where the save would write: put in place after the program looked for
    // it (none was there), or written by someone else since this program read or saved its
    // own. The save asks before replacing it; declined, the list stays in memory, modified.
    void fileThatCameAfterTheLoadIsOverwrittenOnlyWhenAgreed_data()
    {
        QTest::addColumn<QString>("known"); // what the program did with the file before
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("yes");
        const QString came = QStringLiteral("kodlista.kod nevű fájl már létezik.\nFelülírjuk?");
        const QString changed = QStringLiteral("kód-név lista fájlja megváltozott.\nFelülírjuk a másik változatot?");
        for (bool yes : {false, true}) {
            const char* answer = yes ? "agreed" : "declined";
            QTest::addRow("none there, %s", answer) << "none" << came << yes;
            QTest::addRow("read, %s", answer) << "read" << changed << yes;
            QTest::addRow("saved, %s", answer) << "saved" << changed << yes;
        }
    }

    void fileThatCameAfterTheLoadIsOverwrittenOnlyWhenAgreed()
    {
        QFETCH(QString, known);
        QFETCH(QString, question);
        QFETCH(bool, yes);
        TestEnv env;
        KodNevModel m;
        if (known == "read") {
            KodNevModel first;
            first.addEntry(entry("abc", QDate(2001, 1, 1), "Kert"), false);
            QVERIFY(first.save());
            QVERIFY(m.load(nullptr));
        } else if (known == "saved") {
            m.addEntry(entry("abc", QDate(2001, 1, 1), "Kert"), false);
            QVERIFY(m.save());
        } else {
            QVERIFY(!m.load(nullptr)); // no file yet, nothing said
        }
        m.addEntry(entry("abc", QDate(2002, 1, 1), "Kert"), false);
        KodNevModel other;
        other.addEntry(entry("def", QDate(2003, 1, 1), "Kapu"), false);
        {
            ScriptedPrompts prompts; // another user's program, which never read this list
            if (known != "none")
                prompts.expectQuestion("nevű fájl már létezik.", true);
            QVERIFY(other.save());
        }
        const QByteArray theirs = fileBytes(codeFile());
        {
            ScriptedPrompts prompts;
            prompts.expectQuestion(question, yes);
            QCOMPARE(m.save(), yes);
        }
        QCOMPARE(m.isModified(), !yes);
        QCOMPARE(fileBytes(codeFile() + (yes ? ".bak" : "")), theirs);
        if (!yes)
            return;
        // Once written (or read), the list's own file is saved over without a question.
        m.addEntry(entry("abc", QDate(2004, 1, 1), "Kert 2"), false);
        QVERIFY(m.save());
    }

    void eachSaveReplacesTheOlderBackup()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Egy"), false);
        QVERIFY(m.save());
        m.addEntry(entry("abc", QDate(2002, 1, 1), "Kettő"), false);
        QVERIFY(m.save());
        const QByteArray saved = fileBytes(codeFile());
        m.addEntry(entry("abc", QDate(2003, 1, 1), "Harmadik"), false);
        QVERIFY(m.save());
        QCOMPARE(fileBytes(codeFile() + ".bak"), saved);
    }

    void failedSavesKeepFileAndBackup()
    {
        TestEnv env;
        KodNevModel m;
        m.addEntry(entry("abc", QDate(2001, 1, 1), "Egy"), false);
        QVERIFY(m.save());
        const QByteArray current = fileBytes(codeFile());
        // Neither a new file that cannot take the list's place nor (unless root, who writes
        // anyway) a directory that cannot be written loses the file, however often it is tried.
        SafeSave::FaultScope faults;
        for (int n = 1; n <= 2; ++n)
            faults.failNth(SafeSave::Op::Rename, n);
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
        QVERIFY(m.isModified());
        QCOMPARE(fileBytes(codeFile()), current);
        QCOMPARE(QDir(env.workDir()).entryList(QDir::Files), QStringList{"kodlista.kod"});
    }

    void unopenableFileIsUnreadable()
    {
        TestEnv env;
        appSettings().codeFile = "masik.kod";
        QVERIFY(QDir(env.workDir()).mkdir("masik.kod"));
        KodNevModel m;
        ScriptedPrompts prompts;
        prompts.expectNotice(Prompts::Kind::Warning, "Nem sikerült megnyitni a kód-név listát:");
        prompts.expectQuestion("nem volt beolvasható", true);
        prompts.expectNotice(Prompts::Kind::Information, "A kód-név fájl mentése sikertelen!");
        QVERIFY(!m.load(nullptr));
        m.addEntry(entry("abc", QDate(2005, 1, 1), "Kút"), false);
        QVERIFY(!m.save());
    }
};

WYX_TEST_MAIN(TestKodNevFile)
#include "tst_kodnevfile.moc"
