#include "mainwindow/mainwindow.h"

// Filled in together with the evaluation and the report window.
void MainWindow::fulfilmentCurrent() {}
void MainWindow::fulfilment(RouteDefModel*) {}
void MainWindow::fulfilment() {}
void MainWindow::saveFfr() {}
void MainWindow::saveAsFfr() {}
