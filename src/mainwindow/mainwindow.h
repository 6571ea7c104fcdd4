#pragma once
// Placeholder until the main window frame lands; replaced whole.
#include <QMainWindow>

class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    MainWindow() = default;
};
