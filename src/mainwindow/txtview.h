#pragma once
// A plain text document in the main window's MDI area, read and written as UTF-8.
#include "core/documentwindow.h"

#include <QString>
#include <QTextEdit>

class QIODevice;
class QPrinter;

class TxtView : public QTextEdit, public DocumentWindow
{
    Q_OBJECT
    Q_INTERFACES(DocumentWindow)
public:
    TxtView();

    void newFile();
    // Files beyond these limits are refused: the editor would take minutes to lay them out.
    static constexpr qint64 maxFileSize = 8 * 1024 * 1024;
    static constexpr qint64 maxLineLength = 4096;

    // With failure given, a failure is described there instead of in a message box.
    bool loadFile(const QString& fileName, QString* failure = nullptr);
    // Reads a text document from an open device (text mode: carriage returns dropped) as
    // UTF-8, or as a byte-order mark says. Returns the reason of a refusal (too large, a
    // line too long, a read error), empty when text holds the document.
    static QString readText(QIODevice& in, QString& text);
    bool save();
    bool saveAs();
    bool saveFile(const QString& fileName);
    QString userFriendlyCurrentFile() const;
    QString currentFile() const { return curFile; }
    bool untitled() const { return isUntitled; }

    QSize sizeHint() const override;

    ViewKind viewKind() const override { return TxtViewKind; }
    QString documentFile() const override { return curFile; }
    bool isDocumentModified() const override;
    Outcome saveDocument() override;
    Outcome saveDocumentAs() override;
    // Text printing knows no rows or page sets: always the whole text.
    Outcome printDocument(QPrinter* out, ExportRange rows, int pageSet) override;

public slots:
    void printIt(QPrinter* printer);
    void documentWasModified();
    void Reinitialize();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool maybeSave();
    void setCurrentFile(const QString& fileName);
    static QString strippedName(const QString& fullFileName);
    void applyListFont();

    QString curFile;
    bool isUntitled = false;
};
