#pragma once
// What the main window needs of every document window, whatever its kind. Each window
// implements this beside its own widget class and keeps its own, kind-shaped slots; the
// entry points here take one uniform set of arguments, and a window answers NotOffered
// for what its kind cannot do.
#include "core/knownfile.h"
#include "core/printexport.h"

#include <QByteArray>
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

    // --- the file as the window last knew it ---
    // Another user may change a shared document while a window holds it (KnownFile); a
    // window never writes over such a change unasked, and a command that works on the
    // document as it is on disk loads it again first.
    void rememberDiskState(const QString& path);
    void rememberWritten(const QString& path, const QByteArray& digest);
    // Before the window writes path: true where it holds what the window last read or wrote
    // there (or the window never knew it), or the user agrees to write over the change.
    bool mayWriteOver(QWidget* parent, const QString& path);
    // Before a command that works on the document as it is on disk: a file changed since the
    // window knew it is loaded again (reloaded then true), asking first where the window
    // holds changes of its own. False where the user keeps the window's copy or the load failed.
    bool bringUpToDate(QWidget* parent, bool* reloaded = nullptr);

protected:
    // Loads documentFile() again (remembering it as it loads); false where it failed, said.
    virtual bool reloadDocument();

private:
    KnownFile m_known;
};

#define DocumentWindow_iid "wyx770.DocumentWindow/1.0"
Q_DECLARE_INTERFACE(DocumentWindow, DocumentWindow_iid)

// The document window a widget is: the widget itself, or the one a plain sub-window wraps.
// Null for anything else.
DocumentWindow* documentWindowOf(QWidget* widget);
