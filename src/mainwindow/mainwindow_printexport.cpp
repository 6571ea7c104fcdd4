#include "mainwindow/mainwindow.h"

// Filled in together with the export and page setup dialogs.
void MainWindow::print() {}
void MainWindow::preview() {}
void MainWindow::kodNevExport() {}
void MainWindow::kodNevImport() {}
void MainWindow::logExport() {}
void MainWindow::routeExport() {}
void MainWindow::routeImport() {}
void MainWindow::reportExport() {}
