#include "mainwindow/mainwindow.h"

#include "core/helpers.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "device/configdlg.h"
#include "device/initdlg.h"
#include "device/statusdlg.h"
#include "device/usbcom.h"
#include "device/vglclksetdlg.h"
#include "logrecords/logfile.h"
#include "eventlog/logmodel.h"
#include "eventlog/logtableview.h"
#include "eventlog/logview.h"
#include "mainwindow/documentpaths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>
#include <QScopeGuard>

namespace {
// Opens the logger and reads its record; a failure has been shown when false.
bool openDevice(UsbCom& usb)
{
    UsbErrorCodes result = usb.open();
    if (result == UsbOk)
        result = usb.getDeviceInfo();
    usb.showError(result, false);
    return result == UsbOk;
}

// The log is chosen by the logger's name, and a garbled name in getDeviceInfo's reply would
// choose another logger's: the identity counts once two readings agree. "Ismét" confirms it
// afresh, not against the fields that may be the garbled reading. A logger plugged in for the
// first comes with its own record, whose initialisation date tells whether a log is its own.
bool confirmIdentity(UsbCom& usb)
{
    UsbErrorCodes result = usb.readConfirmedIdentity(true);
    while (result != UsbOk) {
        if (!usb.showError(result, true))
            return false;
        result = usb.open();
        if (result == UsbOk)
            result = usb.readConfirmedIdentity(false);
    }
    return true;
}

QString logPathForDevice(const UsbCom& usb)
{
    return pathInWorkDir(LogFile::fileNameForDevice(usb.deviceName));
}
} // namespace

void MainWindow::runDeviceCommand(DeviceAccess access, const std::function<void(UsbCom&)>& command)
{
    // A dialog's event loop may deliver a second device command: it is dropped, not nested.
    if (deviceCommandRunning)
        return;
    deviceCommandRunning = true;
    const auto finished = qScopeGuard([this] {
        deviceCommandRunning = false;
        openDeferredFiles();
    });
    UsbCom usb; // closed before the deferred files open
    if (access == DeviceAccess::Open && !openDevice(usb))
        return;
    command(usb);
}

void MainWindow::readOut()
{
    runDeviceCommand(DeviceAccess::Open, [&](UsbCom& usb) {
        if (!confirmIdentity(usb))
            return;
        const QString path = logPathForDevice(usb);

        QPointer<LogView> view = qobject_cast<LogView*>(findMdiChild(path));
        if (view) {
            mdiArea->setActiveSubWindow(view);
        } else {
            view = createLogView();
            view->setCurrentFile(path);
            view->rememberDiskState(path);
            bool fresh = true;
            if (QFileInfo::exists(path)) {
                fresh = !view->table()->loadFile(path, nullptr);
                if (fresh) {
                    if (!askYesNo(this, tr("Kiolvasás"),
                                  tr("Az esemény napló már létezik, de nem sikerült betölteni.\n"
                                     "Létrehozzunk helyette egy újat?"),
                                  tr("Igen"), tr("Nem"))) {
                        view->close();
                        return;
                    }
                    // The damaged log must be out of the way before the new one is saved in its place.
                    if (LogFile::setAside(path).isEmpty()) {
                        view->close();
                        Prompts::warning(this, tr("Kiolvasás"),
                                         tr("A sérült esemény naplót nem sikerült átnevezni:\n%1\n"
                                            "A kiolvasás elmarad.")
                                             .arg(QDir::toNativeSeparators(path)));
                        return;
                    }
                    view->rememberDiskState(path);
                }
            }
            if (fresh) {
                LogModel* log = view->table()->logModel;
                log->setDeviceIdentity(&usb);
                log->clearEntries();
            }
            view->show();
        }

        // A failed read-out leaves the log as it was, so closing the window loses nothing.
        const bool done = view->readOut(&usb);
        if (!done && view)
            view->close();
        setCurrentFile(path);
    });
}

void MainWindow::timeSet()
{
    runDeviceCommand(DeviceAccess::Open, [&](UsbCom& usb) {
        vglClkSetDlg dialog(nullptr);
        dialog.showDeviceInfo(&usb);
        if (dialog.exec() != QDialog::Accepted)
            return;
        usb.showError(usb.setClock(dialog.time), false);
    });
}

void MainWindow::clockTune()
{
    runDeviceCommand(DeviceAccess::Unopened, [&](UsbCom& usb) {
        if (!askYesNo(this, tr("Óra hangolás"),
                      tr("Az óra hangoláshoz szükséges, hogy a számítógép órája pontos legyen!\nFolytathatjuk?"),
                      tr("Igen"), tr("Nem")))
            return;
        UsbErrorCodes result = usb.open();
        if (result == UsbOk)
            result = usb.tuneClock();
        usb.showError(result, false);
    });
}

void MainWindow::initialize()
{
    runDeviceCommand(DeviceAccess::Open, [&](UsbCom& usb) {
        InitDlg dialog(nullptr);
        dialog.showDeviceInfo(&usb);
        if (dialog.exec() != QDialog::Accepted)
            return;
        const QDateTime previousInit = usb.initDate;
        const UsbErrorCodes result = usb.initDevice(dialog.newName, dialog.time);
        if (result != UsbOk) {
            usb.showError(result, false);
            return;
        }
        // The name as the logger's 8-byte field holds it, which is what the log is saved under.
        QString path = logPathForDevice(usb);
        if (QMdiSubWindow* old = findMdiChild(path))
            old->close();
        LogView* view = createLogView();
        view->show();
        view->setCurrentFile(path);
        // The old log of this name is the only copy of that logger's history: it is kept as
        // the backup, as a save keeps it. Should that fail, the new log's save keeps it so.
        moveToBackup(path);
        view->rememberDiskState(path);

        const UsbErrorCodes reread = usb.getDeviceInfo();
        if (reread != UsbOk) {
            usb.showError(reread, false); // the new, empty window stays
            return;
        }
        if (logPathForDevice(usb) != path) {
            path = logPathForDevice(usb);
            view->setCurrentFile(path);
        }
        LogModel* log = view->table()->logModel;
        log->setDeviceIdentity(&usb);
        log->clearEntries();
        log->appendProgramEntry(usb.initDate, previousInit, 223);
        log->saveToDefault(this);
        setCurrentFile(path);
    });
}

void MainWindow::Status()
{
    runDeviceCommand(DeviceAccess::Unopened, [&](UsbCom&) {
        StatusDlg dialog(this);
        dialog.exec();
    });
}

void MainWindow::Configure()
{
    runDeviceCommand(DeviceAccess::Unopened, [&](UsbCom&) {
        ConfigDlg dialog(this);
        dialog.exec();
    });
}
