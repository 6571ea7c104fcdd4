// Opening, importing and saving a route plan: the file checks and messages around the
// readers and the writer of routeplanfile.cpp.
#include "routes/routedefmodel.h"
#include "routes/routeplanfile.h"

#include "core/digestingdevice.h"
#include "core/constants.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QFile>
#include <QFileInfo>

namespace {

enum class OpenFailure { None, NoName, Missing, Unreadable };

QString openTitle()
{
    return QCoreApplication::translate("RouteDefModel", "Útvonal terv megnyitás");
}

QString saveTitle()
{
    return QCoreApplication::translate("RouteDefModel", "Útvonal terv mentés");
}

void warn(QWidget* parent, const QString& title, const QString& text)
{
    if (parent)
        Prompts::warning(parent, title, text);
}

// A failed load's message: kept in lastError, shown when there is a parent.
void fail(QString& lastError, QWidget* parent, const QString& text)
{
    lastError = text;
    warn(parent, openTitle(), text);
}

// The checks before a plan file is read; false after the message.
bool openForReading(QFile& file, const QString& fileName, QWidget* parent, QString& lastError)
{
    if (fileName.isEmpty()) {
        fail(lastError, parent,
             QCoreApplication::translate("RouteDefModel",
                                         "Nem sikerült megnyitni az útvonal tervet\nNincs név megadva hozzá!"));
        return false;
    }
    file.setFileName(appSettings().workPath(fileName));
    if (!file.exists()) {
        fail(lastError, parent,
             QCoreApplication::translate("RouteDefModel",
                                         "Nem sikerült megnyitni az útvonal tervet\n%1\nEz a fájl nem létezik")
                 .arg(fileName));
        return false;
    }
    const QString openError = openRegularFile(file);
    if (!openError.isEmpty()) {
        fail(lastError, parent,
             QCoreApplication::translate("RouteDefModel", "Nem sikerült megnyitni az útvonal tervet:\n%1\n%2")
                 .arg(fileName, openError));
        return false;
    }
    return true;
}

bool hasExtension(const QString& name, const QString& ext)
{
    return name.endsWith(QLatin1Char('.') + ext, Qt::CaseInsensitive);
}

} // namespace

QString RouteDefModel::tooManyRowsText()
{
    return tr("Egy csoportban legfeljebb %1 sor lehet.").arg(RoutePlanFile::maxGroupRows);
}

bool RouteDefModel::load(QString fileName, QWidget* parent)
{
    QFile file;
    m_lastError.clear();
    if (!openForReading(file, fileName, parent, m_lastError))
        return false;
    m_filePath = appSettings().workPath(fileName);
    m_fileName = QFileInfo(m_filePath).fileName();
    RoutePlanFile::ReadStatus status;
    {
        const WaitCursor wait;
        status = RoutePlanFile::read(file, *this);
    }
    file.close();
    switch (status) {
    case RoutePlanFile::ReadStatus::Ok:
        modified = false;
        return true;
    case RoutePlanFile::ReadStatus::BadMagic:
        fail(m_lastError, parent, tr("%1\nNem megfelelő, vagy sérült fájl.").arg(fileName));
        return false;
    case RoutePlanFile::ReadStatus::TooLarge:
        fail(m_lastError, parent, fileName + QLatin1Char('\n') + tooManyRowsText());
        return false;
    case RoutePlanFile::ReadStatus::Damaged:
        break;
    }
    // Named, like every other failure: among several handed-over files it says which one.
    fail(m_lastError, parent,
         QStringLiteral("%1\n%2").arg(fileName, tr("Az adatok beolvasása során hiba lépett fel!")));
    return false;
}

bool RouteDefModel::import(QString fileName, QWidget* parent)
{
    QFile file;
    m_lastError.clear();
    if (!openForReading(file, fileName, parent, m_lastError)) {
        modified = false;
        return false;
    }
    m_filePath = appSettings().workPath(fileName);
    m_fileName = QFileInfo(m_filePath).fileName();
    RoutePlanFile::ReadStatus status;
    {
        const WaitCursor wait;
        status = RoutePlanFile::readLegacy(file, *this);
    }
    file.close();
    if (status != RoutePlanFile::ReadStatus::Ok) {
        modified = false;
        fail(m_lastError, parent,
             status == RoutePlanFile::ReadStatus::TooLarge ? fileName + QLatin1Char('\n') + tooManyRowsText()
                                                           : tr("%1\nAdat olvasási hiba").arg(fileName));
        return false;
    }
    modified = true; // not yet saved as "erd"
    return true;
}

bool RouteDefModel::saveAs(QString fileName, QWidget* parent, bool silentOverwrite)
{
    if (fileName.isEmpty()) {
        warn(parent, saveTitle(), tr("Nem sikerült elmenteni az útvonal tervet\nNincs név megadva hozzá!"));
        return false;
    }
    return writePlan(appSettings().workPath(fileName), fileName, parent, silentOverwrite);
}

bool RouteDefModel::writePlan(const QString& target, const QString& nameAfter, QWidget* parent,
                              bool silentOverwrite)
{
    if (!RoutePlanFile::fits(*this)) {
        warn(parent, saveTitle(),
             tr("Nem sikerült elmenteni az útvonal tervet") + QLatin1Char('\n') + tooManyRowsText());
        return false;
    }
    if (QFileInfo::exists(target) && !silentOverwrite
        && !askYesNo(parent, saveTitle(), tr("%1 nevű útvonal terv már létezik.\nFelülírjuk?").arg(target),
                     tr("Igen"), tr("Mégsem")))
        return false; // the plan keeps its name: a later save asks again
    SafeSave::Result result;
    {
        const WaitCursor wait;
        saveWithBackup(target,
                       [this](QIODevice& device) {
                           DigestingDevice out(device);
                           const bool written = RoutePlanFile::write(out, *this);
                           m_writtenDigest = out.digest();
                           return written;
                       },
                       &result);
    }
    if (result.notOpened()) {
        // A write-protected plan, say: the user needs to know why.
        warn(parent, saveTitle(), tr("Az adatok lemezre írása során hiba lépett fel!\n%1.").arg(reasonForSentence(result.errorString)));
        return false;
    }
    if (!result.ok()) {
        warn(parent, saveTitle(), tr("Az adatok lemezre írása során hiba lépett fel!"));
        return false;
    }
    if (parent)
        tellIfBackupNotKept(parent, target, result);
    m_fileName = nameAfter;
    m_filePath = target;
    modified = false;
    return true;
}

bool RouteDefModel::save(QWidget* parent)
{
    if (!modified)
        return true;
    // Written back where it came from, never over a same-named file elsewhere.
    const QString path = m_filePath.isEmpty() ? appSettings().workPath(m_fileName) : m_filePath;
    if (hasExtension(path, extRoutePlanImport)) {
        const auto asPlan = [](const QString& name) {
            return name.left(name.size() - 4) + QLatin1Char('.') + extRoutePlan;
        };
        const QString name = hasExtension(m_fileName, extRoutePlanImport) ? asPlan(m_fileName) : m_fileName;
        return writePlan(asPlan(path), name, parent, false);
    }
    return writePlan(path, m_fileName, parent, true);
}
