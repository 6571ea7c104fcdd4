#include "core/documentwindow.h"

#include <QMdiSubWindow>

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
