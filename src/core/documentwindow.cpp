#include "core/documentwindow.h"

#include "core/helpers.h"
#include "core/safesave.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMdiSubWindow>

namespace {

// A file by the name the kernel reaches it under, so that a link and its target are one.
QString fileKey(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

const QByteArray noFile = QByteArrayLiteral("none");

// The contents of a file in short: its digest, or which kind of nothing it holds.
QByteArray diskState(const QString& path)
{
    if (!nameHeld(path))
        return noFile;
    QFile file(path);
    if (!openRegularFile(file).isEmpty())
        return QByteArrayLiteral("unreadable");
    QCryptographicHash digest(QCryptographicHash::Sha256);
    if (!digest.addData(&file) || file.error() != QFileDevice::NoError)
        return QByteArrayLiteral("unreadable");
    return digest.result();
}

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
    m_diskPath = fileKey(path);
    m_diskState = diskState(path);
}

void DocumentWindow::rememberWritten(const QString& path, const QByteArray& digest)
{
    m_diskPath = fileKey(path);
    m_diskState = digest;
}

// A file gone meanwhile holds nothing to lose or to load: the window's copy is all there is.
bool DocumentWindow::changedOnDisk(const QString& path) const
{
    if (m_diskPath.isEmpty() || fileKey(path) != m_diskPath)
        return false;
    const QByteArray now = diskState(path);
    return now != m_diskState && now != noFile;
}

bool DocumentWindow::mayWriteOver(QWidget* parent, const QString& path)
{
    if (!changedOnDisk(path))
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
    if (!changedOnDisk(path))
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
