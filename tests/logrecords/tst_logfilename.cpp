// Finding the file of a log a plan names, where letter case counts.
#include "support/testmain.h"

#include "logrecords/logfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class TestLogFileName : public QObject
{
    Q_OBJECT
private slots:
    void existingName_data()
    {
        QTest::addColumn<QStringList>("files"); // a trailing "/" makes a folder
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("found");

        QTest::newRow("exact name first") << QStringList{"TOUR1.ewl", "Tour1.EWL"} << "Tour1.EWL" << "Tour1.EWL";
        QTest::newRow("the one case variant") << QStringList{"Tour1.ewl", "Tour2.ewl"} << "TOUR1.EWL"
                                              << "Tour1.ewl";
        QTest::newRow("several: first by code unit") << QStringList{"tour1.ewl", "Tour1.ewl", "TOUR1.ewl"}
                                                     << "TOUR1.EWL" << "TOUR1.ewl";
        QTest::newRow("spacing as the plan keeps it") << QStringList{" A  b.ewl"} << "A B.EWL" << " A  b.ewl";
        QTest::newRow("accented letters") << QStringList{"éva.ewl"} << "ÉVA.EWL" << "éva.ewl";
        QTest::newRow("none: name unchanged") << QStringList{"tour12.ewl"} << "TOUR1.EWL" << "TOUR1.EWL";
        QTest::newRow("a folder is no log") << QStringList{"tour1.ewl/"} << "TOUR1.EWL" << "TOUR1.EWL";
        QTest::newRow("a folder of the exact name is no log")
            << QStringList{"TOUR1.EWL/", "Tour1.ewl"} << "TOUR1.EWL" << "Tour1.ewl";
        QTest::newRow("folder part kept") << QStringList{"sub/", "sub/Tour1.ewl"} << "sub/TOUR1.EWL"
                                          << "sub/Tour1.ewl";
        QTest::newRow("folder part exact") << QStringList{"Sub/", "Sub/Tour1.ewl"} << "sub/TOUR1.EWL"
                                           << "sub/TOUR1.EWL";
        QTest::newRow("no wildcards") << QStringList{"tour1.ewl"} << "TOUR?.EWL" << "TOUR?.EWL";
    }

    void existingName()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, name);
        QFETCH(QString, found);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        {
            QFile probe(dir.filePath(QStringLiteral("probe")));
            QVERIFY(probe.open(QIODevice::WriteOnly));
            const bool caseBlind = QFileInfo::exists(dir.filePath(QStringLiteral("PROBE")));
            QVERIFY(probe.remove());
            if (caseBlind)
                QSKIP("letter case does not count on this file system");
        }
        for (const QString& file : files) {
            if (file.endsWith(QLatin1Char('/'))) {
                QVERIFY(QDir(dir.path()).mkpath(file));
                continue;
            }
            QFile f(dir.filePath(file));
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(LogFile::existingName(dir.path(), name), found);
    }
};

WYX_TEST_MAIN(TestLogFileName)
#include "tst_logfilename.moc"
