#include "core/wyxapp.h"

#include "core/settings.h"
#include "core/titlewidthfilter.h"

#include <QIcon>

WyxApp::WyxApp(int& argc, char** argv) : QApplication(argc, argv), settings(new Settings)
{
    settings->resetDefaults();
    setWindowIcon(QIcon(QStringLiteral(":/images/wyx.ico")));
    installEventFilter(new TitleWidthFilter(this));
}

WyxApp::~WyxApp()
{
    delete settings;
    settings = nullptr;
}

WyxApp* wyxApp()
{
    auto* app = dynamic_cast<WyxApp*>(QCoreApplication::instance());
    Q_ASSERT_X(app, "wyxApp", "the application object is not a WyxApp");
    return app;
}

Settings& appSettings()
{
    return *wyxApp()->settings;
}
