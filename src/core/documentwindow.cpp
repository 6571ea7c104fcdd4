#include "core/documentwindow.h"

#include "core/helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QMdiSubWindow>

namespace {

QString changedText(const QString& path)
{
    return QCoreApplication::translate("DocumentWindow",
                                       "%1\nMióta ez az ablak betöltötte vagy elmentette, a fájl megváltozott.")
        .arg(QDir::toNativeSeparators(path));
}

} // namespace

DocumentWindow::~DocumentWindow() = default;

bool DocumentWindow::hasMultipleSelection() const
{
    return false;
}

DocumentWindow::Outcome DocumentWindow::saveDocument()
{
    return NotOffered;
}

DocumentWindow::Outcome DocumentWindow::saveDocumentAs()
{
    return NotOffered;
}

DocumentWindow::Outcome DocumentWindow::printDocument(QPrinter*, ExportRange, int)
{
    return NotOffered;
}

DocumentWindow::Outcome DocumentWindow::exportDocument(DocumentFormat, const QString&, const ExportChoice&)
{
    return NotOffered;
}

DocumentWindow::Outcome DocumentWindow::exportPdf(QPrinter*, ExportRange)
{
    return NotOffered;
}

DocumentWindow::Outcome DocumentWindow::importDocument(DocumentFormat, const QString&)
{
    return NotOffered;
}

void DocumentWindow::rememberDiskState(const QString& path)
{
    m_known.rememberRead(path);
}

void DocumentWindow::rememberWritten(const QString& path, const QByteArray& digest)
{
    m_known.rememberWritten(path, digest);
}

bool DocumentWindow::mayWriteOver(QWidget* parent, const QString& path)
{
    if (!m_known.changedOnDisk(path))
        return true;
    return askYesNo(parent, QCoreApplication::translate("DocumentWindow", "Megváltozott fájl"),
                    changedText(path) + QLatin1Char('\n')
                        + QCoreApplication::translate("DocumentWindow", "Felülírjuk a másik változatot?"),
                    QCoreApplication::translate("DocumentWindow", "Felülírjuk"),
                    QCoreApplication::translate("DocumentWindow", "Mégsem"));
}

bool DocumentWindow::bringUpToDate(QWidget* parent, bool* reloaded)
{
    if (reloaded)
        *reloaded = false;
    const QString path = documentFile();
    if (!m_known.changedOnDisk(path))
        return true;
    if (isDocumentModified()
        && !askYesNo(parent, QCoreApplication::translate("DocumentWindow", "Megváltozott fájl"),
                     changedText(path) + QLatin1Char('\n')
                         + QCoreApplication::translate("DocumentWindow",
                                                       "Betöltsük újra? Az ablak el nem mentett változásai "
                                                       "elvesznek; különben a művelet elmarad."),
                     QCoreApplication::translate("DocumentWindow", "Betöltjük"),
                     QCoreApplication::translate("DocumentWindow", "Mégsem")))
        return false;
    if (!reloadDocument())
        return false;
    if (reloaded)
        *reloaded = true;
    return true;
}

bool DocumentWindow::reloadDocument()
{
    return false;
}

DocumentWindow* documentWindowOf(QWidget* widget)
{
    if (!widget)
        return nullptr;
    if (auto* document = qobject_cast<DocumentWindow*>(widget))
        return document;
    if (auto* window = qobject_cast<QMdiSubWindow*>(widget))
        return qobject_cast<DocumentWindow*>(window->widget());
    return nullptr;
}
