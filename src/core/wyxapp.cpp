#include "core/wyxapp.h"

#include "core/settings.h"

#include <QIcon>

WyxApp::WyxApp(int& argc, char** argv) : QApplication(argc, argv), settings(new Settings)
{
    settings->resetDefaults();
    setWindowIcon(QIcon(QStringLiteral(":/images/wyx.ico")));
}

WyxApp::~WyxApp()
{
    delete settings;
    settings = nullptr;
}

Settings& appSettings()
{
    return *static_cast<WyxApp*>(QCoreApplication::instance())->settings;
}
