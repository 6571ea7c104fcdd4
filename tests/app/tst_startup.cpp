// The end of the start-up: the main window, the splash and files handed over meanwhile.
#include "app/startup.h"
#include "mainwindow/mainwindow.h"
#include "support/testenv.h"
#include "support/testmain.h"

#include "core/prompts.h"
#include "core/singleinstance.h"

#include <QPixmap>
#include <QPointer>
#include <QSplashScreen>
#include <QUdpSocket>

namespace {

// Notes whether the main window was visible when the splash went.
class SplashWatch : public QObject
{
public:
    explicit SplashWatch(QWidget* mainWindow) : mainWindow(mainWindow) {}
    bool mainShownWhenGone = false;
    bool gone = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide && !gone) {
            gone = true;
            mainShownWhenGone = mainWindow->isVisible();
        }
        return false;
    }

private:
    QWidget* mainWindow;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    // The splash goes after the main window is shown (so it need not wait for it), and a
    // file handed over during the splash is reported only then, not in front of it.
    void mainWindowBeforeSplashAndHandOvers()
    {
        TestEnv env;
        MainWindow w;
        w.setHandOversHeld(true); // as the start-up does
        QVERIFY(w.setInstancePort(0));
        auto splash = std::make_unique<QSplashScreen>(QPixmap(20, 20));
        splash->show();
        QPointer<QSplashScreen> splashAlive(splash.get());
        SplashWatch watch(&w);
        splash->installEventFilter(&watch);

        int prompts = 0;
        bool windowShownAtPrompt = false, splashGoneAtPrompt = false;
        struct HandlerScope {
            Prompts::Handler previous;
            ~HandlerScope() { Prompts::setHandler(previous); }
        } scope{Prompts::setHandler([&](const Prompts::Request&) {
            ++prompts;
            windowShownAtPrompt = w.isVisible();
            splashGoneAtPrompt = !splashAlive;
            return Prompts::Answer{0, {}, {}};
        })};
        QUdpSocket().writeDatagram(handOverDatagram(w.handOverSecret(), env.path("missing.txt").toLocal8Bit()),
                                   QHostAddress(QHostAddress::LocalHost), w.instanceListenerPort());
        QTest::qWait(200);
        QCOMPARE(prompts, 0);

        showMainWindow(w, std::move(splash));
        QVERIFY(watch.gone);
        QVERIFY(watch.mainShownWhenGone);
        QTRY_COMPARE(prompts, 1);
        QVERIFY(windowShownAtPrompt);
        QVERIFY(splashGoneAtPrompt);
    }
};

WYX_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
