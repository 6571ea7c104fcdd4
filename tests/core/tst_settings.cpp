#include "support/testenv.h"
#include "support/testmain.h"

#include "core/settings.h"

#include <QSettings>
#include <QSignalSpy>

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults()
    {
        TestEnv env;
        Settings& s = appSettings();
        s.load();
        QCOMPARE(s.flags, 125);
        QCOMPARE(s.workDir, QString());
        QCOMPARE(s.century, 2000);
    }
};

WYX_TEST_MAIN(TestSettings)
#include "tst_settings.moc"
