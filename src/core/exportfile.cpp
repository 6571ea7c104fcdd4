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
#include <QTemporaryFile>

#include <cstdio>
#include <cstring>
#include <sys/stat.h>

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
                        const QString& ext, const QString& selectedFilter)
{
    Prompts::Request request;
    request.kind = Prompts::Kind::SaveFile;
    request.parent = parent;
    request.text = caption;
    request.directory = proposed;
    request.filter = filter;
    request.selectedFilter = selectedFilter;
    request.defaultSuffix = ext;
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

bool paintToPrinterFile(QWidget* parent, QPrinter* printer, const std::function<bool(QPrinter*)>& paint)
{
    const QString target = printer->outputFileName();
    if (printer->outputFormat() != QPrinter::PdfFormat || target.isEmpty())
        return paint(printer);
    const QFileInfo info(target);
    QString temporary;
    {
        // Reserves a unique name in the target's folder, so the rename stays on one disk.
        QTemporaryFile reserve(info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                               QStringLiteral(".XXXXXX"));
        reserve.setAutoRemove(false);
        // Without a temporary the painting itself finds and reports the fault.
        if (!reserve.open())
            return paint(printer);
        temporary = reserve.fileName();
    }
    printer->setOutputFileName(temporary);
    const bool painted = paint(printer);
    printer->setOutputFileName(target);
    if (!painted) {
        QFile::remove(temporary);
        return false;
    }
    // The temporary is private to its owner; the export gets the old file's permissions, or
    // those of any new file, before it takes the name.
    const QByteArray temporaryName = QFile::encodeName(temporary);
    struct stat old;
    if (::stat(QFile::encodeName(target).constData(), &old) == 0) {
        ::chmod(temporaryName.constData(), old.st_mode & 07777);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::chmod(temporaryName.constData(), 0666 & ~mask);
    }
    // rename() replaces the old file in one step where the system allows it.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    if (QFileInfo::exists(target) && QFile::remove(target) && QFile::rename(temporary, target))
        return true;
    QFile::remove(temporary);
    Prompts::warning(parent, QCoreApplication::translate("ExportFile", "Exportálás"),
                     QCoreApplication::translate("ExportFile", "%1 exportálása nem sikerült\nFájl írási hiba.")
                         .arg(info.fileName()));
    return false;
}
