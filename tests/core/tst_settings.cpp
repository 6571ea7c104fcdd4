#include "support/testenv.h"
#include "support/testmain.h"

#include "codenames/kodnevmodel.h"
#include "core/settings.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>

namespace {

void expectDefaults(const Settings& s)
{
    QCOMPARE(s.windowPosition, QPoint(50, 50));
    QCOMPARE(s.windowSize, QSize(680, 400));
    QCOMPARE(s.workDir, QString());
    QCOMPARE(s.archiveDir, QString());
    QCOMPARE(s.codeFile, QStringLiteral("kodlista.kod"));
    QCOMPARE(s.fontFace, QStringLiteral("Courier New"));
    QCOMPARE(s.fontSize, 10);
    QCOMPARE(s.century, 2000);
    QCOMPARE(s.prependDays, 7);
    QCOMPARE(s.flags, 125);
    QCOMPARE(s.clockAdjustLimit, QTime(0, 5));
    QCOMPARE(s.followTime, QTime(1, 0));
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults()
    {
        TestEnv env;
        Settings& s = appSettings();
        s.workDir = "x";
        s.flags = 1;
        s.load();
        expectDefaults(s);
        QVERIFY(s.kodNevModel);
        QCOMPARE(s.kodNevModel->parent(), &s);
    }

    void everyKeyRoundTripsThroughTheStore()
    {
        TestEnv env;
        Settings& s = appSettings();
        s.windowPosition = QPoint(-20, 310);
        s.windowSize = QSize(1024, 700);
        s.workDir = QStringLiteral("/tmp/napló mappa");
        s.archiveDir = QStringLiteral("/tmp/archív");
        s.codeFile = QStringLiteral("pontok.kod");
        s.fontFace = QStringLiteral("DejaVu Sans Mono");
        s.fontSize = 12;
        s.century = 1950;
        s.prependDays = 31;
        s.flags = 0x4000 | OptLanguageGerman | OptAlternateBack | 2;
        s.clockAdjustLimit = QTime(0, 2, 30);
        s.followTime = QTime(2, 15);
        s.save();

        // The keys are flat and literal, the century one spelled as stored files have it.
        const QSettings store;
        QCOMPARE(store.childGroups(), QStringList());
        QCOMPARE(store.value("centrury").toInt(), 1950);
        QCOMPARE(store.value("default").toString(), QStringLiteral("/tmp/napló mappa"));
        QCOMPARE(store.value("decode").toString(), QStringLiteral("pontok.kod"));
        QCOMPARE(store.allKeys().size(), 12);

        s.resetDefaults();
        expectDefaults(s);
        s.load();
        QCOMPARE(s.windowPosition, QPoint(-20, 310));
        QCOMPARE(s.windowSize, QSize(1024, 700));
        QCOMPARE(s.workDir, QStringLiteral("/tmp/napló mappa"));
        QCOMPARE(s.archiveDir, QStringLiteral("/tmp/archív"));
        QCOMPARE(s.codeFile, QStringLiteral("pontok.kod"));
        QCOMPARE(s.fontFace, QStringLiteral("DejaVu Sans Mono"));
        QCOMPARE(s.fontSize, 12);
        QCOMPARE(s.century, 1950);
        QCOMPARE(s.prependDays, 31);
        QCOMPARE(s.flags, 0x4000 | OptLanguageGerman | OptAlternateBack | 2);
        QCOMPARE(s.clockAdjustLimit, QTime(0, 2, 30));
        QCOMPARE(s.followTime, QTime(2, 15));
    }

    void unreadableValuesGiveDefaults()
    {
        TestEnv env;
        {
            QSettings store;
            store.setValue("fontsize", "tíz");
            store.setValue("centrury", "");
            store.setValue("flags", "0x7D");
            store.setValue("prepend", QStringList{"1", "2"});
            store.setValue("clkadjlimit", "öt perc");
            store.setValue("followtime", 25);
            store.setValue("windowposition", "bal felső");
            store.setValue("windowsize", "nagy");
        }
        Settings& s = appSettings();
        s.load();
        expectDefaults(s);
    }

    void optionsChangedOnlyAfterSave()
    {
        TestEnv env;
        Settings& s = appSettings();
        QSignalSpy spy(&s, &Settings::optionsChanged);
        s.load();
        s.resetDefaults();
        QCOMPARE(spy.count(), 0);

        // Listeners see every key already in the store when the signal comes.
        QSize seen;
        const QMetaObject::Connection c =
            connect(&s, &Settings::optionsChanged, [&] { seen = QSettings().value("windowsize").toSize(); });
        s.windowSize = QSize(800, 600);
        s.save();
        disconnect(c);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(seen, QSize(800, 600));
        s.save();
        QCOMPARE(spy.count(), 2);
    }

    void codeFilePathJoinsTheWorkingDirectory()
    {
        TestEnv env;
        Settings& s = appSettings();
        s.workDir = "/data/logs";
        QCOMPARE(s.codeFilePath(), QStringLiteral("/data/logs/kodlista.kod"));
        s.codeFile = "/x/list.kod";
        QCOMPARE(s.codeFilePath(), QStringLiteral("/x/list.kod"));
        s.codeFile = "sub/list.kod";
        QCOMPARE(s.codeFilePath(), QStringLiteral("/data/logs/sub/list.kod"));
        s.workDir.clear();
        s.codeFile = "kodlista.kod";
        QCOMPARE(s.codeFilePath(), QDir::current().absoluteFilePath("kodlista.kod"));
    }
};

WYX_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
