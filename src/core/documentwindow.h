#pragma once
// What the main window needs of every document window, whatever its kind. Each window
// implements this beside its own widget class and keeps its own, kind-shaped slots; the
// entry points here take one uniform set of arguments, and a window answers NotOffered
// for what its kind cannot do.
#include "core/printexport.h"

#include <QString>
#include <QtPlugin>

class QPrinter;
class QWidget;

class DocumentWindow
{
public:
    enum Outcome {
        Done,
        NotDone,   // cancelled, or failed and the window has said why
        NotOffered // this kind of document has no such command
    };

    virtual ~DocumentWindow();

    virtual ViewKind viewKind() const = 0;
    // The document's file: an absolute path once named, else the generated untitled name.
    virtual QString documentFile() const = 0;
    virtual bool isDocumentModified() const = 0;
    // Whether more than one row is selected, which offers a print or export of the selection.
    virtual bool hasMultipleSelection() const;

    // Under the current name (asking for one when untitled), or under a name the user picks.
    virtual Outcome saveDocument();
    virtual Outcome saveDocumentAs();

    // Prints the rows and pages chosen (pageSet is a PageSet code).
    virtual Outcome printDocument(QPrinter* out, ExportRange rows, int pageSet);
    // Text and XML: the window completes the name, asks before overwriting and writes.
    virtual Outcome exportDocument(DocumentFormat format, const QString& fileName, const ExportChoice& choice);
    // PDF: the printer already writes to the file.
    virtual Outcome exportPdf(QPrinter* out, ExportRange rows);
    virtual Outcome importDocument(DocumentFormat format, const QString& fileName);
};

#define DocumentWindow_iid "wyx770.DocumentWindow/1.0"
Q_DECLARE_INTERFACE(DocumentWindow, DocumentWindow_iid)

// The document window a widget is: the widget itself, or the one a plain sub-window wraps.
// Null for anything else.
DocumentWindow* documentWindowOf(QWidget* widget);
