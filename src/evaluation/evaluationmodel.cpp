#include "evaluation/evaluationmodel.h"

#include "core/digestingdevice.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QFile>
#include <QFileInfo>
#include <QFont>

EvaluationModel::EvaluationModel(QObject* parent) : QAbstractListModel(parent)
{
    m_report.baseTime = QDateTime::currentDateTime();
}

EvaluationModel::~EvaluationModel() = default;

int EvaluationModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_report.rows.size();
}

int EvaluationModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

ReportContext EvaluationModel::textContext() const
{
    return m_context ? *m_context : ReportContext::fromSettings();
}

void EvaluationModel::setReport(const EvaluationReport& report, bool modified)
{
    beginResetModel();
    m_report = report;
    m_modified = modified;
    endResetModel();
    emit headerDataChanged(Qt::Horizontal, 0, 1);
}

QString EvaluationModel::headerText() const
{
    const QString date = textContext().locale.toString(m_report.baseTime.date(), QLocale::ShortFormat);
    const QString name = m_report.title.left(m_report.title.size() - 11);
    switch (m_report.mode) {
    case ReportReduced: return tr("Szűkített jelentés %1 kezdéssel \"%2\" teljesítéséről").arg(date, name);
    case ReportNormal: return tr("Jelentés %1 kezdéssel \"%2\" teljesítéséről").arg(date, name);
    case ReportDetailed: return tr("Részletes jelentés %1 kezdéssel \"%2\" teljesítéséről").arg(date, name);
    default: return tr("Fejléc: %1 kezdés, \"%2\" útvonal").arg(date, name);
    }
}

QVariant EvaluationModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == 0)
        return QString();
    if (section == 1)
        return headerText();
    return QVariant();
}

QVariant EvaluationModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() < 0 || index.column() < 0
        || index.row() >= m_report.rows.size())
        return QVariant();
    if (role == Qt::FontRole)
        return textContext().font;
    if (role != Qt::DisplayRole)
        return QVariant();
    if (index.column() == 0)
        return QStringLiteral("%1").arg(index.row() + 1);
    if (index.column() == 1)
        return rowText(index.row());
    return QVariant();
}

QString EvaluationModel::affectedLogsText(int row) const
{
    if (row < 0 || row >= m_report.rows.size())
        return QString();
    const EvaluationRow& r = m_report.rows.at(row);
    if (r.kind != 1 || r.index < 1 || r.index > 14)
        return QString();
    QStringList names;
    for (int i = 0; i < r.index; ++i)
        names.append(logName(r.payload[i]));
    return names.join(QStringLiteral(", "));
}

QString EvaluationModel::routeStartText(int row) const
{
    if (row < 0 || row >= m_report.rows.size())
        return QString();
    const EvaluationRow& r = m_report.rows.at(row);
    return QStringLiteral("%1, %2").arg(routeName(r.routeRow()), r.windowText(textContext()));
}

QString EvaluationModel::rowText(int row) const
{
    if (row < 0 || row >= m_report.rows.size())
        return QString();
    return rowText(m_report.rows.at(row), textContext());
}

QString EvaluationModel::rowText(const EvaluationRow& row, const ReportContext& context) const
{
    const quint32 kind = row.word();
    const quint32 k = kind & ~0x00900000u;
    const int rowIndex = int(&row - m_report.rows.constData());
    const auto P = [&] { return row.pointText(context); };
    const auto R = [&] { return QStringLiteral("%1, %2").arg(routeName(row.routeRow()), row.windowText(context)); };
    const auto L = [&] { return logName(row.index); };
    const auto N = [&] { return routeName(row.routeRow()); };
    const int minutes = int(kind & 0x3FF);
    const int visits = int((kind >> 10) & 0x3FF);
    const int count = int(kind & 0xFFFF);

    switch (k) {
    case 0x00000000: return QString();
    case 0x00000001: return tr("Érintett esemény napló(k): %1").arg(affectedLogsText(rowIndex));
    case 0x0E0007FF:
    case 0x2E0007FF:
    case 0x21200000: return tr("%1 ellenőrzése kimaradt!").arg(P());
    case 0x20000000: return tr("%1 kifogástalanul  ellenőrizve.").arg(P());
    case 0x21000000: return tr("%1 túl hosszú szünet(ek)!").arg(P());
    case 0x21400000: return tr("%1 időszak alatt nem volt ellenőrizve!").arg(P());
    case 0x22000000: return tr("%1 sorrendi hiba!").arg(P());
    case 0x24200000: return tr("%1 túl hosszú követési idő!").arg(P());
    case 0x28000000: return tr("%1 helyett más pont!").arg(P());
    case 0x28200000: return tr("%1 túl rövid követési idő!").arg(P());
    case 0x30000000: return tr("%1 többszörösen ellenőrizve!").arg(P());
    case 0x40000000: return tr("%1 RENDBEN TELJESÍTVE (%2)").arg(R(), L());
    case 0x40000100: return tr("%1 RENDBEN TELJESÍTVE").arg(R());
    case 0x40000200:
    case 0x40000300: return tr("        - Egymást átfedő teljesítések! -");
    case 0x40000400: return tr("%1 TÚL RÖVID KÖVETÉSI IDŐK! (%2)").arg(R(), L());
    case 0x40000500: return tr("%1 TÚL RÖVID KÖVETÉSI IDŐK!").arg(R());
    case 0x40000800: return tr("%1 TÚL HOSSZÚ KÖVETÉSI IDŐK! (%2)").arg(R(), L());
    case 0x40000900: return tr("%1 TÚL HOSSZÚ KÖVETÉSI IDŐK!").arg(R());
    case 0x40001000: return tr("        - Többszörösen teljesítve! -");
    case 0x40002000: return tr("%1 IDEGEN PONT(OK)! (%2)").arg(R(), L());
    case 0x40002100: return tr("%1 IDEGEN PONT(OK)!").arg(R());
    case 0x40004000: return tr("%1 SORRENDI HIBA! (%2)").arg(R(), L());
    case 0x40004100: return tr("%1 SORRENDI HIBA!").arg(R());
    case 0x40008000: return tr("%1 IDÖ ELTÉRÉS(EK)! (%2)").arg(R(), L());
    case 0x40008100: return tr("%1 IDÖ ELTÉRÉS(EK)!").arg(R());
    case 0x40010000: return tr("%1 TÚL KEVÉS KÖR TELJESÍTVE! (%2)").arg(R(), L());
    case 0x40010100: return tr("%1 TÚL KEVÉS KÖR TELJESÍTVE!").arg(R());
    case 0x40020000: return tr("%1 HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT! (%2)").arg(R(), L());
    case 0x40020100: return tr("%1 HOSSZÚ SZÜNET A KÖRÖK KÖZÖTT!").arg(R());
    case 0x40040000: return tr("%1 KIMARADT PONT(OK)! (%2)").arg(R(), L());
    case 0x40040100: return tr("%1 KIMARADT PONT(OK)!").arg(R());
    case 0x40082000: return tr("%1 ÚTVONALBAN NINCS INDULÁSI IDŐ MEGADVA!").arg(N());
    case 0x40084000: return tr("%1 ÚTVONALBAN NINCS ELLENŐRZŐ PONT MEGADVA!").arg(N());
    case 0x4F6FFFFF: return tr("%1 NINCS VÉGREHAJTVA!!!").arg(R());
    case 0x80000000: return tr("*** A teljes őrjárat hibátlanul teljesítve! ***");
    case 0x80000001: return tr("\"%1\" naplóban %2 rendkívüli esemény!").arg(L(), row.logEventText(context));
    case 0x80000010: return tr("\"%1\" esemény napló nem hozzáférhető!").arg(L());
    case 0x80000020: return tr("\"%1\" naplóban nincs a vizsgált időtartományba eső bejegyzés!").arg(L());
    case 0x80000040: return tr("Egyetlen esemény napló sincs megadva, nincs mit kiértékelni!");
    case 0x80000080: return tr("Egyetlen bejárási útvonal sincs meghatározva, nincs mit kiértékelni!");
    default: break;
    }
    if (kind & 0x40000000) {
        if (kind & 0x100)
            return tr("%1 HIBÁSAN TELJESÍTVE!").arg(R());
        return tr("%1 HIBÁSAN TELJESÍTVE! (%2)").arg(R(), L());
    }
    if ((kind & ~0x009FFC00u) == 0x0E0003FF)
        return tr("%1 ellenőrzése kimaradt!").arg(P());
    if (kind & 0x00200000) {
        const quint32 m = kind & ~0x0090FFFFu;
        if (m == 0x20200000)
            return tr("%1 elmaradt %n ellenőrzés!", nullptr, count).arg(P());
        if (m == 0x24200000)
            return tr("%1 kimaradt %2x és túl hosszú követési idő!").arg(P(), QString::number(count));
        if (m == 0x28200000)
            return tr("%1 kimaradt %2x és túl rövid követési idő!").arg(P(), QString::number(count));
        if ((kind & 0xF36FFFFF) == 0x20200000)
            return tr("%1 túl rövid és túl hosszú követési idő is előfordult!").arg(P());
        return tr("%1 teljesítésénél többféle hiba!").arg(P());
    }
    if ((kind & ~0x009FFC00u) == 0x20000000)
        return tr("%1 elmaradt %n ellenőrzés!", nullptr, visits).arg(P());
    if (kind & 0x20000000) {
        switch (kind & 0x1F0FFC00) {
        case 0x04000000: return tr("%1 ellenőrzése %n perc idő eltéréssel!", nullptr, minutes).arg(P());
        case 0x0C000000: return tr("%1 idegen pont és %n perc idő eltérés!", nullptr, minutes).arg(P());
        case 0x06000000: return tr("%1 rossz sorrend és %n perc idő eltérés!", nullptr, minutes).arg(P());
        case 0x14000000:
            return tr("%1 ellenőrzésénél %n perc idő eltérés! (többszörös teljesítés ellenére)", nullptr, minutes)
                .arg(P());
        case 0x05000000: return tr("%1 hosszú kihagyás és %n perc idő eltérés!", nullptr, minutes).arg(P());
        case 0x040FFC00:
            return tr("%1 kimaradt ellenőrzés(ek) és %n perc idő eltérés!", nullptr, minutes).arg(P());
        default: break;
        }
        if (kind & 0x04000000)
            return tr("%1 ellenőrzésénél %n perc idő eltérés és további hibák!", nullptr, minutes).arg(P());
        return tr("%1 teljesítésénél többféle hiba!").arg(P());
    }
    return QStringLiteral("\t?? %1 %2 %3")
        .arg(QStringLiteral("%1").arg(kind, 8, 16, QLatin1Char('0')), P(), row.windowText(context));
}

bool EvaluationModel::save(const QString& fileName, QWidget* parent, bool force)
{
    if (!m_modified && !force)
        return true;
    const QString title = tr("Teljesítés jelentés mentés");
    const auto fail = [&](const QString& text) {
        if (parent)
            Prompts::warning(parent, title, text);
        return false;
    };
    if (fileName.isEmpty())
        return fail(tr("Nem sikerült elmenteni a teljesítés jelentést\nNincs név megadva hozzá!"));
    const QString path = appSettings().workPath(fileName);
    SafeSave::Result result;
    {
        const WaitCursor wait;
        saveWithBackup(path,
                       [this](QIODevice& device) {
                           DigestingDevice out(device);
                           const bool written = ReportFile::write(out, m_report);
                           m_writtenDigest = out.digest();
                           return written;
                       },
                       &result);
    }
    if (result.notOpened())
        return fail(tr("A mentés sikertelen!\n%1\n%2.").arg(path, reasonForSentence(result.errorString)));
    if (!result.ok())
        return fail(tr("A mentés sikertelen!\n%1\nadat írási hiba.").arg(path));
    if (parent)
        tellIfBackupNotKept(parent, path, result);
    m_modified = false;
    return true;
}

bool EvaluationModel::load(const QString& fileName, QWidget* parent)
{
    const QString title = tr("Teljesítés jelentés megnyitás");
    const auto fail = [&](const QString& text) {
        m_lastError = text;
        if (parent)
            Prompts::warning(parent, title, text);
        return false;
    };
    m_lastError.clear();
    if (fileName.isEmpty())
        return fail(tr("Nem sikerült megnyitni a teljesítés jelentést\nNincs név megadva hozzá!"));
    const QString path = appSettings().workPath(fileName);
    QFile file(path);
    if (!file.exists())
        return fail(tr("Nem sikerült megnyitni a teljesítés jelentést\n%1\nEz a fájl nem létezik").arg(fileName));
    const QString openError = openRegularFile(file);
    if (!openError.isEmpty())
        return fail(tr("Nem sikerült megnyitni a teljesítés jelentést:\n%1\n%2").arg(fileName, openError));
    EvaluationReport report;
    ReportFile::ReadStatus status;
    {
        const WaitCursor wait;
        status = ReportFile::read(file, report);
    }
    if (status != ReportFile::ReadStatus::Ok)
        return fail(tr("A beolvasás sikertelen!\n%1\nsérült, vagy nem megfelelő.").arg(fileName));
    setReport(report, false);
    return true;
}
