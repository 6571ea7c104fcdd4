#include "app/startup.h"

#include "app/backendchoice.h"
#include "codenames/kodnevmodel.h"
#include "core/product.h"
#include "core/settings.h"
#include "core/singleinstance.h"
#include "core/tooltipfilter.h"
#include "core/wyxapp.h"
#include "mainwindow/mainwindow.h"

#include <QFileInfo>
#include <QIcon>
#include <QPixmap>
#include <QSettings>
#include <QSplashScreen>
#include <QThread>
#include <ctime>
#include <memory>

// Longer than a first instance takes from its segment to its window on a slow machine.
constexpr int handOverWaitMs = 20000;

static void initResources()
{
    // The resources live in a static library; they must be registered by name.
    Q_INIT_RESOURCE(images);
}

void showMainWindow(MainWindow& window, std::unique_ptr<QSplashScreen> splash)
{
    window.show();
    if (splash)
        splash->finish(&window);
    splash.reset();
    window.setHandOversHeld(false);
}

int wyxMain(int argc, char** argv)
{
    initResources();
    installDriverBackend();
    WyxApp app(argc, argv);
    installKodNevModel(*app.settings);

    QCoreApplication::setOrganizationName(QStringLiteral("quelta"));
    QCoreApplication::setApplicationName(QStringLiteral("WYX"));
    // The key's salt lies beside the options, where only the user's own starts read it.
    const QString saltFolder = QFileInfo(QSettings().fileName()).absolutePath();
    const QString key = saltedInstanceKey(instanceKey(), instanceSalt(saltFolder));
    SingleInstanceGuard guard(key);
    if (!guard.acquire()) {
        // A first instance still starting has no listener yet: a file waits for it a while.
        const QStringList args = QCoreApplication::arguments();
        if (!handOffArgument(args).isNull())
            handOffToRunningInstance(args, SingleInstanceGuard::awaitPublished(key, handOverWaitMs));
        return 0;
    }

    app.settings->load();

    ToolTipFilter toolTipFilter;
    app.installEventFilter(&toolTipFilter);

    auto splash = std::make_unique<QSplashScreen>(QPixmap(QStringLiteral(":/images/queltaSplash.png")));
    splash->show();
    splash->showMessage(QObject::tr("%1   Version: %2     Released: %3")
                            .arg(productName(), productVersion(), productReleased()),
                        Qt::AlignBottom | Qt::AlignHCenter, Qt::white);

    const std::time_t t0 = std::time(nullptr);
    QCoreApplication::processEvents();
    MainWindow mainWindow;
    mainWindow.setHandOversHeld(true);
    guard.publish({mainWindow.listenerPort(), mainWindow.handOverSecret()});
    mainWindow.setMinimumSize(340, 200);
    mainWindow.setWindowIcon(QIcon(QStringLiteral(":/images/wyx.ico")));
    // The splash stays at least until the whole-second clock is 1.5 s past t0.
    while (std::difftime(std::time(nullptr), t0) < 1.5)
        QThread::msleep(10);

    showMainWindow(mainWindow, std::move(splash));
    const int exitCode = app.exec();
    // Anyone could list this run's key among the machine's segments: the next run's is new.
    renewInstanceSalt(saltFolder);

    app.removeEventFilter(&toolTipFilter);
    return exitCode; // main window, filter, guard, then the application go, in that order
}
