#include "mainwindow/txtview.h"

#include "core/constants.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/digestingdevice.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "mainwindow/documentpaths.h"

#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPrinter>
#include <QTextStream>

namespace {

// Paints nowhere and notes whether anything was drawn.
class DrawProbe : public QPaintEngine
{
public:
    DrawProbe()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState&) override {}
    Type type() const override { return User; }
    void drawTextItem(const QPointF&, const QTextItem&) override { drawn = true; }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override { drawn = true; }
    void drawImage(const QRectF&, const QImage&, const QRectF&, Qt::ImageConversionFlags) override { drawn = true; }
    void drawPath(const QPainterPath&) override { drawn = true; }
    void drawPolygon(const QPointF*, int, PolygonDrawMode) override { drawn = true; }
    void drawRects(const QRectF*, int) override { drawn = true; }
    void drawLines(const QLineF*, int) override { drawn = true; }

    bool drawn = false;
};

// A printer of the same page and range as another that paints nowhere. The text's printing
// opens the painter before it looks at the range: on a real printer a range beyond the last
// page would leave a blank page.
class ProbePrinter : public QPrinter
{
public:
    explicit ProbePrinter(const QPrinter& like)
        : QPrinter(QPrinter::HighResolution)
    {
        setOutputFormat(QPrinter::PdfFormat); // the system's printers are never asked
        setResolution(like.resolution());
        setPageLayout(like.pageLayout());
        setPrintRange(like.printRange());
        setFromTo(like.fromPage(), like.toPage());
    }
    QPaintEngine* paintEngine() const override { return &m_probe; }
    bool drawn() const { return m_probe.drawn; }

private:
    mutable DrawProbe m_probe;
};

int untitledNumber = 1; // shared by every text window of the run; numbers are never reused

// In characters of the decoded text: a byte count is wrong for accented UTF-8 and for
// UTF-16, where a character can be made of newline bytes.
int longestLine(const QString& text)
{
    int longest = 0;
    int start = 0;
    for (;;) {
        const int end = text.indexOf(QLatin1Char('\n'), start);
        const int stop = end < 0 ? text.size() : end;
        longest = qMax(longest, stop - start);
        if (end < 0)
            return longest;
        start = end + 1;
    }
}

} // namespace

TxtView::TxtView()
{
    setAttribute(Qt::WA_DeleteOnClose);
    // Plain text only: a pasted or dropped text takes the list font rather than bringing its own.
    setAcceptRichText(false);
    applyListFont();
    connect(&appSettings(), &Settings::optionsChanged, this, &TxtView::Reinitialize);
}

QSize TxtView::sizeHint() const
{
    return QSize(640, 400);
}

// The document's own font, not a format on the characters: changing it is no edit of
// the text, so it leaves the undo history and the modified flag alone.
void TxtView::applyListFont()
{
    setFont(documentFont());
}

void TxtView::newFile()
{
    isUntitled = true;
    curFile = tr("document%1.%2").arg(QString::number(untitledNumber++), extText);
    setWindowTitle(curFile + QLatin1String("[*]"));
    connect(document(), &QTextDocument::contentsChanged, this, &TxtView::documentWasModified,
            Qt::UniqueConnection);
}

bool TxtView::loadFile(const QString& fileName, QString* failure)
{
    auto fail = [&](const QString& reason) {
        const QString text = tr("%1 fájl megnyitása sikertelen!\n%2.").arg(fileName, reasonForSentence(reason));
        if (failure)
            *failure = text;
        else
            Prompts::warning(this, tr("Szövegfájl megnyitás"), text);
        return false;
    };
    const QString path = pathInWorkDir(fileName);
    rememberDiskState(path);
    QFile file(path);
    const QString openError = openRegularFile(file, QFile::ReadOnly | QFile::Text);
    if (!openError.isEmpty())
        return fail(openError);
    QString text;
    {
        WaitCursor wait;
        const QString refusal = readText(file, text);
        if (!refusal.isEmpty())
            return fail(refusal);
    }
    setPlainText(text);
    setCurrentFile(path);
    connect(document(), &QTextDocument::contentsChanged, this, &TxtView::documentWasModified,
            Qt::UniqueConnection);
    return true;
}

QString TxtView::readText(QIODevice& in, QString& text)
{
    const QString tooLarge = tr("A fájl nagyobb %1 MB-nál").arg(maxFileSize / (1024 * 1024));
    if (!in.isSequential() && in.size() > maxFileSize)
        return tooLarge;
    // Bounded even when the file grows meanwhile.
    const QByteArray bytes = in.read(maxFileSize + 1);
    // A read that breaks off half way must not pass for the whole file.
    if (auto* file = qobject_cast<QFileDevice*>(&in); file && file->error() != QFileDevice::NoError)
        return file->errorString();
    if (bytes.size() > maxFileSize)
        return tooLarge;
    QTextStream stream(bytes);
    stream.setCodec("UTF-8");
    QString decoded = stream.readAll();
    if (longestLine(decoded) > maxLineLength)
        return tr("A fájl egy sora hosszabb %1 karakternél").arg(maxLineLength);
    text = std::move(decoded);
    return QString();
}

bool TxtView::saveFile(const QString& fileName)
{
    const QString path = pathInWorkDir(fileName);
    // Written beside the old file and swapped in only when complete: a failure keeps the old text.
    SafeSave::Result result;
    QByteArray digest;
    {
        WaitCursor wait;
        const QString text = toPlainText();
        saveReplacing(path,
                      [&](QIODevice& device) {
                          DigestingDevice file(device);
                          QTextStream out(&file);
                          out.setCodec("UTF-8");
                          out.setGenerateByteOrderMark(false);
                          out << text;
                          out.flush();
                          digest = file.digest();
                          return out.status() == QTextStream::Ok;
                      },
                      &result);
    }
    if (!result.ok()) {
        Prompts::warning(this, tr("Mentés"), tr("%1 mentése nem sikerült!\n%2.").arg(fileName, reasonForSentence(result.errorString)));
        return false;
    }
    setCurrentFile(path);
    rememberWritten(path, digest);
    return true;
}

bool TxtView::saveAs()
{
    const QString proposed = pathInWorkDir(curFile);
    const QString fileName = askSaveFileName(this, tr("Mentés más néven"), proposed, QString(), extText);
    return !fileName.isEmpty() && saveFile(fileName);
}

bool TxtView::save()
{
    if (isUntitled)
        return saveAs();
    return mayWriteOver(this, curFile) && saveFile(curFile);
}

QString TxtView::userFriendlyCurrentFile() const
{
    return strippedName(curFile);
}

void TxtView::printIt(QPrinter* printer)
{
    // Pages from the first on always exist; a later first page may lie beyond the text.
    if (printer->fromPage() > 1) {
        ProbePrinter probe(*printer);
        print(&probe);
        if (!probe.drawn())
            return;
    }
    print(printer);
}

bool TxtView::isDocumentModified() const
{
    return document()->isModified();
}

DocumentWindow::Outcome TxtView::saveDocument()
{
    return save() ? Done : NotDone;
}

DocumentWindow::Outcome TxtView::saveDocumentAs()
{
    return saveAs() ? Done : NotDone;
}

DocumentWindow::Outcome TxtView::printDocument(QPrinter* out, ExportRange, int)
{
    printIt(out);
    return Done;
}

void TxtView::documentWasModified()
{
    setWindowModified(document()->isModified());
}

void TxtView::Reinitialize()
{
    applyListFont();
}

void TxtView::closeEvent(QCloseEvent* event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

bool TxtView::maybeSave()
{
    if (!document()->isModified())
        return true;
    // The labels of Qt's own Save, Discard and Cancel buttons, in Qt's translation.
    const QStringList buttons = {QCoreApplication::translate("QPlatformTheme", "Save"),
                                 QCoreApplication::translate("QPlatformTheme", "Discard"),
                                 QCoreApplication::translate("QPlatformTheme", "Cancel")};
    const int answer = Prompts::choose(this, Prompts::Kind::Warning, tr("Mentés"),
                                       tr("'%1' megváltozott.\nMentsük a változásokat?").arg(strippedName(curFile)),
                                       buttons, true);
    if (answer == 0)
        return save();
    return answer == 1;
}

void TxtView::setCurrentFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    const QString canonical = info.canonicalFilePath();
    curFile = canonical.isEmpty() ? absolutePathOf(fileName) : canonical;
    isUntitled = false;
    document()->setModified(false);
    setWindowModified(false);
    setWindowTitle(strippedName(curFile) + QLatin1String("[*]"));
    setObjectName(strippedName(curFile));
}

QString TxtView::strippedName(const QString& fullFileName)
{
    return QFileInfo(fullFileName).fileName();
}
