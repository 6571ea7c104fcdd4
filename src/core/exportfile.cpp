#include "core/exportfile.h"

#include "core/safesave.h"

#include "core/helpers.h"
#include "core/prompts.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>

#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Collects small writes (a stream writer sends every tag and attribute on its own) and
// hands them to the file in large blocks.
class BlockWriter : public QIODevice
{
public:
    explicit BlockWriter(QIODevice& target)
        : m_target(target)
        , m_block(blockSize, Qt::Uninitialized)
    {
        open(QIODevice::WriteOnly);
    }

    bool flushBlock()
    {
        if (m_used > 0 && !m_failed)
            m_failed = m_target.write(m_block.constData(), m_used) != m_used;
        m_used = 0;
        return !m_failed;
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override
    {
        if (m_used + size > blockSize && !flushBlock())
            return -1;
        if (size >= blockSize) {
            m_failed = m_target.write(data, size) != size;
            return m_failed ? -1 : size;
        }
        std::memcpy(m_block.data() + m_used, data, size_t(size));
        m_used += int(size);
        return size;
    }

private:
    static constexpr int blockSize = 1 << 20;
    QIODevice& m_target;
    QByteArray m_block;
    int m_used = 0;
    bool m_failed = false;
};

} // namespace

QString completedExportName(const QString& fileName, const QString& ext)
{
    const QString suffix = QLatin1Char('.') + ext;
    if (fileName.endsWith(suffix, Qt::CaseInsensitive))
        return fileName;
    return fileName + suffix;
}

QString exportTargetPath(const QString& fileName, const QString& ext)
{
    return appSettings().workPath(completedExportName(fileName, ext));
}

bool confirmExportOverwrite(QWidget* parent, const QString& title, const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return true;
    return askYesNo(parent, title,
                    QCoreApplication::translate("ExportFile", "%1 nevű fájl már létezik.\nFelülírjuk?")
                        .arg(file.fileName()),
                    QCoreApplication::translate("ExportFile", "Igen"),
                    QCoreApplication::translate("ExportFile", "Mégsem"));
}

QString askSaveFileName(QWidget* parent, const QString& caption, const QString& proposed, const QString& filter,
                        const QString& ext, const QString& selectedFilter, const Prompts::FileLabels& labels)
{
    Prompts::Request request;
    request.kind = Prompts::Kind::SaveFile;
    request.parent = parent;
    request.text = caption;
    request.directory = proposed;
    request.filter = filter;
    request.selectedFilter = selectedFilter;
    request.defaultSuffix = ext;
    request.labels = labels;
    // Asked below, once, about the name that is really written.
    request.confirmOverwrite = false;
    const QString chosen = Prompts::ask(request).path;
    if (chosen.isEmpty())
        return QString();
    const QString path = exportTargetPath(chosen, ext);
    return confirmExportOverwrite(parent, caption, path) ? path : QString();
}

ExportWrite writeExportFile(const QString& path, const std::function<bool(QIODevice&)>& writer,
                            QString* errorString)
{
    // Written beside the target and swapped in only when complete and synced; binary, as the
    // lines carry their own CR LF.
    SafeSave::Result result;
    const bool saved = saveReplacing(
        path,
        [&](QIODevice& device) {
            BlockWriter blocks(device);
            return writer(blocks) && blocks.flushBlock();
        },
        &result);
    if (saved)
        return ExportWrite::Written;
    if (errorString)
        *errorString = result.errorString;
    return result.notOpened() ? ExportWrite::OpenFailed : ExportWrite::WriteFailed;
}

namespace {

// An anonymous file in memory that a printer can write to by name. A PDF printer reports no
// failed write (not even of its last bytes), so it never writes to a disk: the finished PDF
// goes to the disk through the checked save, in blocks, never whole in the heap.
class MemoryFile
{
public:
    MemoryFile() : m_fd(::memfd_create("wyx-pdf", MFD_CLOEXEC)) { m_error = m_fd < 0 ? errno : 0; }
    ~MemoryFile()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    QString errorString() const { return qt_error_string(m_error); }
    QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(m_fd); }
    qint64 size() const
    {
        struct stat st;
        return ::fstat(m_fd, &st) == 0 ? qint64(st.st_size) : -1;
    }
    // Whether the contents end (white space aside) with text: the trailer of a whole PDF.
    bool endsWith(const QByteArray& text) const
    {
        const qint64 length = size();
        QByteArray tail(int(qMin<qint64>(length, 64)), Qt::Uninitialized);
        return length > 0 && ::pread(m_fd, tail.data(), size_t(tail.size()), length - tail.size()) == tail.size()
               && tail.trimmed().endsWith(text);
    }
    bool copyTo(QIODevice& out) const
    {
        QByteArray block(1 << 20, Qt::Uninitialized);
        for (off_t at = 0;;) {
            const ssize_t n = ::pread(m_fd, block.data(), size_t(block.size()), at);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n == 0;
            if (out.write(block.constData(), n) != n)
                return false;
            at += n;
        }
    }

private:
    int m_fd;
    int m_error;
};

} // namespace

bool paintToPrinterFile(QWidget* parent, QPrinter* printer, const std::function<bool(QPrinter*)>& paint)
{
    const QString target = printer->outputFileName();
    if (printer->outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return paint(printer);
    const QString title = QCoreApplication::translate("ExportFile", "Exportálás");
    const QString& name = target; // where it was to go, folder included
    const auto writeFailed = [&] {
        Prompts::warning(parent, title,
                         QCoreApplication::translate("ExportFile", "%1 exportálása nem sikerült\nFájl írási hiba.").arg(name));
        return false;
    };

    MemoryFile memory;
    if (!memory.isOpen()) {
        Prompts::warning(parent, title,
                         QCoreApplication::translate("ExportFile", "%1 exportálása nem sikerült\n%2.")
                             .arg(name, reasonForSentence(memory.errorString())));
        return false;
    }
    printer->setOutputFileName(memory.path());
    const bool painted = paint(printer);
    printer->setOutputFileName(target);
    if (!painted)
        return false; // the painting has said why
    // No page in the chosen range: no file (an old one stays), and the user is told why.
    if (memory.size() == 0) {
        Prompts::warning(parent, title,
                         QCoreApplication::translate("ExportFile", "Nincs nyomtatható oldal.\n%1 nem készült el.")
                             .arg(name));
        return false;
    }
    // A PDF ends with its trailer; without it the painting broke off.
    if (!memory.endsWith("%%EOF"))
        return writeFailed();
    SafeSave::Result result;
    if (saveReplacing(target, [&memory](QIODevice& out) { return memory.copyTo(out); }, &result))
        return true;
    if (!result.notOpened())
        return writeFailed();
    // No file can be made beside the target (or the old one may not be replaced): it stays.
    Prompts::warning(parent, title,
                     QCoreApplication::translate("ExportFile", "%1 exportálása nem sikerült\n%2.")
                         .arg(name, reasonForSentence(result.errorString)));
    return false;
}
