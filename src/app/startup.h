#pragma once
// The program's start-up and shut-down; main() only calls this.
#include <memory>

class MainWindow;
class QSplashScreen;

int wyxMain(int argc, char** argv);

// The end of the start-up: shows the main window, lets the splash finish on it (a window
// not yet shown would keep the splash waiting a full second for it), then lets in the files
// later starts handed over meanwhile.
void showMainWindow(MainWindow& window, std::unique_ptr<QSplashScreen> splash);
