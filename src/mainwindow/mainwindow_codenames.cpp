#include "mainwindow/mainwindow.h"

// Filled in together with the code-name window.
void MainWindow::kodNevOpen() {}
void MainWindow::kodNevNewEntry() {}
void MainWindow::kodNevEditEntry() {}
void MainWindow::kodNevDeleteEntry() {}
