#pragma once
#include <QApplication>

class Settings;

// The application object; owns the one Settings object for the whole run.
class WyxApp : public QApplication
{
public:
    WyxApp(int& argc, char** argv);
    ~WyxApp() override;

    Settings* settings = nullptr;
};

// The running application object (it must be a WyxApp).
WyxApp* wyxApp();
// The running application's settings (the application object must be a WyxApp).
Settings& appSettings();
