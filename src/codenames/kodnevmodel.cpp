#include "codenames/kodnevmodel.h"

#include "codenames/kodnevfile.h"
#include "core/constants.h"
#include "core/digestingdevice.h"
#include "core/exportfile.h"
#include "core/helpers.h"
#include "core/prompts.h"
#include "core/safesave.h"
#include "core/settings.h"
#include "core/wyxapp.h"

#include <QDir>
#include <QFile>
#include <QWidget>
#include <QFileInfo>
#include <QBrush>
#include <QLocale>
#include <QHash>

#include <map>
#include <vector>

namespace {

constexpr int columnCountValue = 4;

struct Placement {
    int row = 0;
    bool sameDate = false; // row holds the same code with the same date
};

// The names of one code stay together in ascending date order; a new code goes last.
Placement placeFor(const QList<KodNev>& list, const KodNev& entry)
{
    int candidate = -1;
    const QDate date = entry.datedName.validFrom;
    for (int r = list.size() - 1; r >= 0; --r) {
        const KodNev& e = list.at(r);
        if (!e.sameCode(entry))
            continue;
        if (e.datedName.validFrom == date)
            return {r, true};
        if (e.datedName.validFrom < date)
            return {r + 1, false};
        candidate = r;
    }
    return {candidate < 0 ? list.size() : candidate, false};
}

bool askRename(const KodNev& existing, const KodNev& entry)
{
    const QString text = QStringList{KodNevModel::tr("%1 kód %2 dátummal már szerepel")
                                         .arg(existing.codeText(),
                                              QLocale::system().toString(existing.datedName.validFrom, QLocale::ShortFormat)),
                                     QStringLiteral("\"%1\"").arg(existing.datedName.name),
                                     KodNevModel::tr("néven."), KodNevModel::tr("Átnevezzük erre:"),
                                     QStringLiteral("\"%1\"").arg(entry.datedName.name)}
                             .join(QLatin1Char('\n'));
    return askYesNo(nullptr, KodNevModel::tr("Figyelem"), text, KodNevModel::tr("Átnevez"),
                    KodNevModel::tr("Mégsem"));
}

// The list that adding the records one by one gives: the names of one code together in
// ascending date order, the codes in the order first met. Adding row by row would scan and
// shift the whole list for every record (quadratic in the list's length).
QList<KodNev> orderedAsAdded(const QList<KodNev>& records)
{
    std::vector<std::map<qint64, KodNev>> groups;
    QHash<quint64, int> groupOf;
    groupOf.reserve(records.size());
    for (const KodNev& record : records) {
        auto found = groupOf.constFind(record.codeKey());
        int g;
        if (found == groupOf.constEnd()) {
            g = int(groups.size());
            groupOf.insert(record.codeKey(), g);
            groups.emplace_back();
        } else {
            g = found.value();
        }
        auto& group = groups[size_t(g)];
        const auto [at, added] = group.emplace(record.datedName.validFrom.toJulianDay(), record);
        if (!added && askRename(at->second, record))
            at->second = record;
    }
    QList<KodNev> list;
    list.reserve(records.size());
    for (const auto& group : groups)
        for (const auto& dated : group)
            list.append(dated.second);
    return list;
}

// The list that addEntry(record, true) for each record in turn gives, built in one pass.
// A record only ever lands among the rows of its own code (behind the last one with an
// earlier date, or in front of the topmost one when all are later) or, with a new code, at
// the end. So each code's rows are merged on their own and the list is rebuilt around them.
// While a code's rows keep their dates in strict order, as addEntry keeps them, the merge
// is a search by date; rows that setData or insertRows put out of order take placeFor's scan.
QList<KodNev> mergedAsAdded(const QList<KodNev>& list, const QList<KodNev>& records)
{
    // An item is original row r as r, or record i as -(i + 1).
    struct Code {
        int firstRow = -1; // -1: a new code
        bool ordered = true;
        std::map<qint64, int> byDate; // while ordered
        std::vector<int> sequence;    // in list order, once the merge is done (or out of order)
    };
    std::vector<Code> codes;
    QHash<quint64, int> codeOf;
    std::vector<int> codeOfRow(size_t(list.size()));
    std::vector<int> replacedBy(size_t(list.size()), -1);
    auto codeFor = [&](const KodNev& e) {
        const auto found = codeOf.constFind(e.codeKey());
        if (found != codeOf.constEnd())
            return found.value();
        codeOf.insert(e.codeKey(), int(codes.size()));
        codes.emplace_back();
        return int(codes.size()) - 1;
    };
    auto day = [&](int item) {
        return (item >= 0 ? list.at(item) : records.at(-item - 1)).datedName.validFrom.toJulianDay();
    };
    for (int r = 0; r < list.size(); ++r) {
        const int c = codeFor(list.at(r));
        codeOfRow[size_t(r)] = c;
        Code& code = codes[size_t(c)];
        if (code.firstRow < 0)
            code.firstRow = r;
        code.ordered = code.ordered && (code.sequence.empty() || day(code.sequence.back()) < day(r));
        code.sequence.push_back(r);
    }
    for (Code& code : codes)
        if (code.ordered)
            for (const int r : code.sequence)
                code.byDate.emplace_hint(code.byDate.end(), day(r), r);
    for (int i = 0; i < records.size(); ++i) {
        Code& code = codes[size_t(codeFor(records.at(i)))];
        const qint64 d = day(-i - 1);
        int* same = nullptr;
        if (code.ordered) {
            const auto [at, added] = code.byDate.emplace(d, -i - 1);
            if (!added)
                same = &at->second;
        } else {
            std::vector<int>& rows = code.sequence;
            size_t place = 0; // all later: in front of the topmost
            for (size_t k = rows.size(); k-- > 0;) {
                if (day(rows[k]) == d) {
                    same = &rows[k];
                    break;
                }
                if (day(rows[k]) < d) {
                    place = k + 1;
                    break;
                }
            }
            if (!same)
                rows.insert(rows.begin() + std::ptrdiff_t(place), -i - 1);
        }
        if (same && *same >= 0)
            replacedBy[size_t(*same)] = i;
        else if (same)
            *same = -i - 1;
    }
    std::vector<int> placeOfRow(size_t(list.size()));
    for (Code& code : codes) {
        if (code.ordered) {
            code.sequence.clear();
            for (const auto& dated : code.byDate)
                code.sequence.push_back(dated.second);
        }
        for (size_t k = 0; k < code.sequence.size(); ++k)
            if (code.sequence[k] >= 0)
                placeOfRow[size_t(code.sequence[k])] = int(k);
    }
    QList<KodNev> merged;
    merged.reserve(list.size() + records.size());
    auto put = [&](int item) {
        if (item < 0)
            merged.append(records.at(-item - 1));
        else
            merged.append(replacedBy[size_t(item)] < 0 ? list.at(item) : records.at(replacedBy[size_t(item)]));
    };
    for (int r = 0; r < list.size(); ++r) {
        const Code& code = codes[size_t(codeOfRow[size_t(r)])];
        const size_t at = size_t(placeOfRow[size_t(r)]);
        if (r == code.firstRow)
            for (size_t k = 0; k < at; ++k)
                put(code.sequence[k]);
        put(r);
        for (size_t k = at + 1; k < code.sequence.size() && code.sequence[k] < 0; ++k)
            put(code.sequence[k]);
    }
    for (const Code& code : codes)
        if (code.firstRow < 0)
            for (const int item : code.sequence)
                put(item);
    return merged;
}

QVariant displayValue(const KodNev& e, const QModelIndex& index)
{
    switch (index.column()) {
    case 0: return index.row() + 1;
    case 1: return e.datedName.validFrom;
    case 2: return e.codeText();
    case 3: return e.datedName.name;
    default: return QVariant();
    }
}

} // namespace

KodNevModel::KodNevModel(QObject* parent) : QAbstractTableModel(parent) {}

KodNevModel::KodNevModel(const QList<KodNev>& list, QObject* parent) : QAbstractTableModel(parent), entries(list)
{
}

KodNevModel::~KodNevModel() = default;

int KodNevModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : entries.size();
}

int KodNevModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : columnCountValue;
}

QVariant KodNevModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.row() >= entries.size())
        return QVariant();
    const KodNev& e = entries.at(index.row());
    switch (role) {
    case Qt::DisplayRole: return displayValue(e, index);
    case Qt::FontRole: return documentFont();
    case Qt::BackgroundRole:
        // The alternation follows model rows, so a sorted view keeps each entry's shade.
        if ((appSettings().flags & OptAlternateBack) && index.row() % 2 == 1 && e.backgroundColor == defaultBackColor)
            return QBrush(alternateRowColor);
        return QBrush(e.backgroundColor);
    case Qt::ForegroundRole: return QBrush(e.foregroundColor);
    default: return QVariant();
    }
}

bool KodNevModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.model() != this || index.row() >= entries.size() || role != Qt::EditRole)
        return false;
    KodNev e = entries.at(index.row());
    bool taken = false;
    switch (index.column()) {
    case 1: taken = e.datedName.setDate(value.toDate()); break;
    case 2: taken = e.setCode(value.toString()); break;
    case 3: taken = e.datedName.setName(value.toString()); break;
    default: return false;
    }
    if (!taken)
        return false;
    entries[index.row()] = e;
    listChanged();
    emit dataChanged(index, index);
    return true;
}

QVariant KodNevModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::FontRole)
        return documentFont();
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return QVariant();
    switch (section) {
    case 0: return tr("sor");
    case 1: return tr("Érvényes");
    case 2: return tr("Kód");
    case 3: return tr("Megnevezés");
    default: return QVariant();
    }
}

bool KodNevModel::insertRows(int row, int count, const QModelIndex& parent)
{
    if (count < 1 || parent.isValid())
        return false;
    const int position = (row < 0 || row > entries.size()) ? entries.size() : row;
    beginInsertRows(QModelIndex(), position, position + count - 1);
    for (int i = 0; i < count; ++i)
        entries.insert(position, KodNev());
    listChanged();
    endInsertRows();
    return true;
}

bool KodNevModel::removeRows(int row, int count, const QModelIndex& parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row >= entries.size() || count > entries.size() - row)
        return false;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    entries.erase(entries.begin() + row, entries.begin() + row + count);
    listChanged();
    endRemoveRows();
    return true;
}

Qt::ItemFlags KodNevModel::flags(const QModelIndex& index) const
{
    // The root has no flags of its own (views and the model checker read them as the
    // table's drop target); a foreign index is not ours to enable.
    if (!index.isValid() || index.model() != this)
        return Qt::NoItemFlags;
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.column() == 0 ? base : base | Qt::ItemIsEditable;
}

KodNev KodNevModel::entryAt(int row) const
{
    return (row >= 0 && row < entries.size()) ? entries.at(row) : KodNev();
}

const QVector<int>* KodNevModel::rowsOf(const KodNev& key) const
{
    if (!rowIndexValid) {
        rowIndex.clear();
        for (int r = 0; r < entries.size(); ++r)
            rowIndex[entries.at(r).codeKey()].append(r);
        rowIndexValid = true;
    }
    const auto it = rowIndex.constFind(key.codeKey());
    return it == rowIndex.constEnd() ? nullptr : &it.value();
}

int KodNevModel::findValidAt(const KodNev& key) const
{
    const QVector<int>* rows = rowsOf(key);
    if (!rows)
        return -1;
    const qint64 day = key.datedName.validFrom.toJulianDay();
    for (int i = rows->size() - 1; i >= 0; --i) {
        const int r = rows->at(i);
        if (entries.at(r).datedName.validFrom.toJulianDay() <= day)
            return r;
    }
    return -1;
}

int KodNevModel::findExact(const KodNev& key) const
{
    const QVector<int>* rows = rowsOf(key);
    if (!rows)
        return -1;
    for (int i = rows->size() - 1; i >= 0; --i) {
        const int r = rows->at(i);
        if (entries.at(r).datedName.validFrom == key.datedName.validFrom)
            return r;
    }
    return -1;
}

int KodNevModel::findCode(const KodNev& key) const
{
    const QVector<int>* rows = rowsOf(key);
    return rows ? rows->last() : -1;
}

bool KodNevModel::addEntry(const KodNev& entry, bool overwrite)
{
    modified = true;
    const Placement p = placeFor(entries, entry);
    if (p.sameDate) {
        if (!overwrite && !askRename(entries.at(p.row), entry))
            return false;
        entries[p.row] = entry;
        listChanged();
        emit dataChanged(index(p.row, 0), index(p.row, columnCountValue - 1));
        return true;
    }
    const int last = entries.size();
    beginInsertRows(QModelIndex(), p.row, p.row);
    entries.insert(p.row, entry);
    listChanged();
    endInsertRows();
    // Row numbers below the new entry have shifted.
    emit dataChanged(index(p.row, 0), index(last, 1));
    return true;
}

void KodNevModel::addEntries(const QList<KodNev>& records)
{
    if (records.isEmpty())
        return;
    const QList<KodNev> merged = mergedAsAdded(entries, records);
    // One reset: rows land all over the list, and a view told of them one by one (or a
    // sorting proxy told of a block) would walk itself once per row.
    beginResetModel();
    entries = merged;
    listChanged();
    endResetModel();
}

void KodNevModel::setColors(int row, const QColor& background, const QColor& foreground)
{
    if (row < 0 || row >= entries.size())
        return;
    entries[row].setBackgroundColor(background);
    entries[row].setForegroundColor(foreground);
    modified = true;
    emit dataChanged(index(row, 0), index(row, columnCountValue - 1));
}

void KodNevModel::listChanged()
{
    modified = true;
    rowIndexValid = false;
}

bool KodNevModel::load(QWidget* parent)
{
    const QString path = appSettings().codeFilePath();
    QFile file(path);
    if (!file.exists())
        return false;
    const QString title = tr("Kód-név lista beolvasás");
    KnownFile seen;
    seen.rememberRead(path);
    const QString openError = openRegularFile(file);
    if (!openError.isEmpty()) {
        // A file that is there but cannot be read (a folder, a FIFO, no permission) is not
        // a damaged list: say why, and still never replace it unasked.
        unreadablePath = path;
        Prompts::warning(parent, title, tr("Nem sikerült megnyitni a kód-név listát:\n%1\n%2").arg(path, openError));
        return false;
    }
    const KodNevFile::ReadResult result = KodNevFile::read(file);
    file.close();
    if (result.status != KodNevFile::ReadStatus::Ok) {
        // Not marked modified: an empty list in memory must not replace the file unasked.
        unreadablePath = path;
        Prompts::warning(parent, title, tr("A beolvasás sikertelen!\n%1\nsérült, vagy nem megfelelő.").arg(path));
        return false;
    }
    // Ordered (and any same-date question asked) before the model is reset.
    const QList<KodNev> list = orderedAsAdded(result.records);
    beginResetModel();
    entries = list;
    rowIndexValid = false;
    // Any record read counts as a change, so the next save rewrites the file as version 2.
    modified = !result.records.isEmpty() || result.skipped > 0;
    unreadablePath.clear();
    missedSave = false;
    known = seen;
    endResetModel();
    emit reloaded();
    if (result.skipped > 0)
        Prompts::warning(parent, title,
                         tr("%1\n%n bejegyzés neve üres vagy 80 karakternél hosszabb volt, ezek kimaradtak.",
                            nullptr, result.skipped)
                             .arg(path));
    return true;
}

bool KodNevModel::save()
{
    if (!modified)
        return true;
    missedSave = true; // until the list is written
    const QString path = appSettings().codeFilePath();
    if (path == unreadablePath && QFileInfo::exists(path)) {
        const QString text = tr("%1\nnem volt beolvasható.\nFelülírjuk a jelenlegi kód-név listával?").arg(path);
        if (!askYesNo(nullptr, tr("Figyelem"), text, tr("Felülír"), tr("Mégsem")))
            return false;
    } else if (!known.isFile(path)) {
        if (!confirmExportOverwrite(nullptr, tr("Figyelem"), path))
            return false;
    } else if (known.changedOnDisk(path)) {
        const QString text =
            tr("%1\nMióta ez a program beolvasta vagy elmentette, a kód-név lista fájlja megváltozott.\n"
               "Felülírjuk a másik változatot? Ha nem, most nem mentünk: a lista bejegyzései a "
               "programban maradnak, és a következő mentés újra megkérdezi.")
                .arg(QDir::toNativeSeparators(path));
        if (!askYesNo(nullptr, tr("Figyelem"), text, tr("Felülírjuk"), tr("Mégsem")))
            return false;
    }
    SafeSave::Result result;
    QByteArray written;
    const auto writer = [this, &written](QIODevice& device) {
        DigestingDevice out(device);
        const bool ok = KodNevFile::write(out, entries);
        written = out.digest();
        return ok;
    };
    if (!saveWithBackup(path, writer, &result)) {
        Prompts::information(nullptr, tr("Hibaüzenet"),
                             result.notOpened()
                                 ? tr("A kód-név fájl mentése sikertelen!\n%1\n%2.").arg(path, reasonForSentence(result.errorString))
                                 : tr("A kód-név fájl mentése sikertelen!"));
        return false;
    }
    tellIfBackupNotKept(nullptr, path, result);
    unreadablePath.clear();
    known.rememberWritten(path, written);
    modified = false;
    missedSave = false;
    return true;
}

KodNevModel* installKodNevModel(Settings& settings)
{
    Q_ASSERT(!settings.kodNevModel);
    auto* model = new KodNevModel(&settings);
    settings.kodNevModel = model;
    QObject::connect(&settings, &Settings::kodNevLoadRequested, model, [model](QWidget* parent) { model->load(parent); });
    QObject::connect(&settings, &Settings::kodNevSaveRequested, model, &KodNevModel::save);
    return model;
}
