#include "support/testenv.h"
#include "support/testmain.h"

#include "core/settings.h"

#include <QDir>
#include <QSettings>
#include <QSignalSpy>

namespace {

// Every option in one list, so whole sets compare at once.
QVariantList snapshot(const Settings& s)
{
    return {s.windowPosition, s.windowSize, s.workDir,     s.archiveDir, s.codeFile,         s.fontFace,
            s.fontSize,       s.century,    s.prependDays, s.flags,      s.clockAdjustLimit, s.followTime};
}

QVariantList defaults()
{
    return {QPoint(50, 50), QSize(680, 400), QString(), QString(), QStringLiteral("kodlista.kod"),
            QStringLiteral("Courier New"), 10, 2000, 7, 125, QTime(0, 5), QTime(1, 0)};
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void emptyOrUnreadableStoreGivesDefaults()
    {
        TestEnv env;
        Settings& s = appSettings();
        s.flags = 1;
        s.load();
        QCOMPARE(snapshot(s), defaults());
        for (const char* key : {"fontsize", "centrury", "flags", "prepend", "clkadjlimit", "followtime",
                                "windowposition", "windowsize"})
            QSettings().setValue(key, QStringLiteral("nem szám"));
        s.load();
        QCOMPARE(snapshot(s), defaults());
    }

    void everyKeyRoundTripsThroughTheStore()
    {
        TestEnv env;
        Settings& s = appSettings();
        QSignalSpy spy(&s, &Settings::optionsChanged);
        QSize seen; // listeners see every key already in the store when the signal comes
        connect(&s, &Settings::optionsChanged, &spy, [&] { seen = QSettings().value("windowsize").toSize(); });
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
        const QVariantList values = snapshot(s);
        s.save();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(seen, QSize(1024, 700));

        // The keys are flat and literal, the century one spelled as stored files have it.
        const QSettings store;
        QCOMPARE(store.allKeys().size(), 12);
        QCOMPARE(store.value("centrury").toInt(), 1950);
        QCOMPARE(store.value("default").toString(), QStringLiteral("/tmp/napló mappa"));
        QCOMPARE(store.value("decode").toString(), QStringLiteral("pontok.kod"));

        s.resetDefaults();
        QCOMPARE(snapshot(s), defaults());
        s.load();
        QCOMPARE(snapshot(s), values);
        QCOMPARE(spy.count(), 1); // resetting and loading announce nothing

        // The code-name file lies in the working directory unless its path is absolute.
        QCOMPARE(s.codeFilePath(), QStringLiteral("/tmp/napló mappa/pontok.kod"));
        s.codeFile = "/x/list.kod";
        QCOMPARE(s.codeFilePath(), QStringLiteral("/x/list.kod"));
        s.workDir.clear();
        s.codeFile = "kodlista.kod";
        QCOMPARE(s.codeFilePath(), QDir::current().absoluteFilePath("kodlista.kod"));
    }

    void recentFilesKeepSixNewestFirst()
    {
        TestEnv env;
        Settings& s = appSettings();
        QCOMPARE(s.recentFiles(), QStringList());
        const QStringList seven{"/a/1.ewl", "/a/2.ewl", "/a/3.ewl", "/a/4.ewl", "/a/5.ewl", "/a/6.ewl", "/a/7.ewl"};
        s.setRecentFiles(seven);
        QCOMPARE(s.recentFiles(), seven.mid(0, 6));
        QCOMPARE(QSettings().value("recentFileList").toStringList(), seven.mid(0, 6));
    }

    void recentFilesIgnoreEmptyStoredEntries()
    {
        TestEnv env;
        QSettings().setValue("recentFileList", QStringList{"", "/a/1.ewl", ""});
        QCOMPARE(appSettings().recentFiles(), QStringList{"/a/1.ewl"});
    }
};

WYX_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
