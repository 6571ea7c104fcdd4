#include "mainwindow/mainwindow.h"

// Filled in together with the route-plan window.
void MainWindow::newErdFile() {}
void MainWindow::saveErd() {}
void MainWindow::saveAsErd() {}
void MainWindow::addLogToErd() {}
void MainWindow::removeLogFromErd() {}
void MainWindow::addRouteToErd() {}
void MainWindow::removeRouteFromErd() {}
void MainWindow::addStartToErd() {}
void MainWindow::removeStartFromErd() {}
void MainWindow::addPointToErd() {}
void MainWindow::removePointFromErd() {}
void MainWindow::modifyErd() {}
void MainWindow::extractRoute() {}
void MainWindow::collapseAll() {}
void MainWindow::expandAll() {}
void MainWindow::expandDefault() {}
