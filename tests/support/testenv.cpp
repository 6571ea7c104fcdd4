#include "support/testenv.h"
#include "support/modaldriver.h"
#include "support/testmain.h"
#include "support/scriptedprompts.h"

#include "codenames/kodnevmodel.h"
#include "core/settings.h"

#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QtGlobal>
#include <cstdlib>
#include <ctime>

namespace TestSupport {

void prepareProcess()
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Budapest");
    // A test run again under another system locale names it (Qt reads it from the
    // environment once, before the application exists).
    const QByteArray locale = qgetenv("WYX_TEST_SYSTEM_LOCALE");
    qputenv("LC_ALL", locale.isEmpty() ? QByteArray("C.UTF-8") : locale + ".UTF-8");
    qputenv("LANG", "C.UTF-8");
    tzset();
}

namespace {

// Before any file-level object of a test is built (those have no priority, so they come
// later): a constant such as a local QDateTime takes its offset from the zone it is built
// in, so the zone and locale must be the tests' own by then, however the program is started.
__attribute__((constructor(101))) void prepareProcessFirst()
{
    prepareProcess();
}

} // namespace

void prepareApplication(WyxApp& app)
{
    app.setOrganizationName(QStringLiteral("quelta-test"));
    app.setApplicationName(QStringLiteral("WYX-test"));
    QLocale::setDefault(QLocale(QLocale::Hungarian, QLocale::Hungary));
    installKodNevModel(*app.settings);
    installFailingPromptHandler();
    installModalGuard();
}

} // namespace TestSupport

TestEnv::TestEnv() : m_oldCurrent(QDir::currentPath())
{
    QDir(m_dir.path()).mkpath(QStringLiteral("work"));
    QDir(m_dir.path()).mkpath(QStringLiteral("settings"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir());
    QDir::setCurrent(workDir());
    appSettings().resetDefaults();
    appSettings().workDir = workDir();
}

TestEnv::~TestEnv()
{
    QDir::setCurrent(m_oldCurrent);
}

QString TestEnv::workDir() const
{
    return m_dir.path() + QStringLiteral("/work");
}

QString TestEnv::settingsDir() const
{
    return m_dir.path() + QStringLiteral("/settings");
}

QString TestEnv::path(const QString& name) const
{
    return workDir() + QLatin1Char('/') + name;
}
