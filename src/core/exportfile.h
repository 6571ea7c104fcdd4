#pragma once
// Where an export (or a document saved under a new name) goes and how an export is
// written: the name completed with the format's extension, a relative name in the working
// directory, a question before an existing file is replaced, and the contents written to a
// temporary file that takes the asked name only when it is complete, so a failed export
// never leaves a half-written file under that name (and an old file there stays as it was).
#include "core/prompts.h"

#include <QString>
#include <functional>

class QIODevice;
class QPrinter;
class QWidget;

// fileName with "." + ext appended unless it already ends so (in any letter case).
QString completedExportName(const QString& fileName, const QString& ext);
// The completed name as an absolute path; a relative name lies in the working directory.
QString exportTargetPath(const QString& fileName, const QString& ext);

// True when path does not exist or the user agrees to replace it ("Igen" / "Mégsem").
bool confirmExportOverwrite(QWidget* parent, const QString& title, const QString& path);

// Asks where to save a document under a new name: the absolute path, completed with "." +
// ext, or empty when cancelled. The dialog proposes ext as its default suffix; a file already
// under the completed name is replaced only after the overwrite question (titled caption),
// asked here whatever dialog the platform shows, since the extension may be added after the
// dialog has looked at the name. proposed: the name or folder the dialog starts with; labels:
// the dialog's own, where they differ from Qt's.
QString askSaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
                        const QString& ext, const QString& selectedFilter = QString(),
                        const Prompts::FileLabels& labels = {});

enum class ExportWrite { Written, OpenFailed, WriteFailed };

// writer fills the device and returns false on a write failure. errorString receives the
// device's error text when the file cannot be opened.
ExportWrite writeExportFile(const QString& path, const std::function<bool(QIODevice&)>& writer,
                            QString* errorString = nullptr);

// For a printer writing a PDF file: paints the PDF in memory and, when paint returns true,
// saves it under the printer's output file like any document (a temporary beside it, every
// write checked, synced, renamed), so a failure leaves an old file there whole. Any other
// printer is painted directly. Returns paint's result; false too, with a warning, when the
// finished file cannot be written or put in place, or when paint painted no page (no file
// is made then). Every PDF file the program prints or exports is written through here.
bool paintToPrinterFile(QWidget* parent, QPrinter* printer, const std::function<bool(QPrinter*)>& paint);
