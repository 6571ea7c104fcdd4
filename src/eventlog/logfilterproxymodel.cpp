#include "eventlog/logfilterproxymodel.h"

#include "codenames/kodnev.h"
#include "core/constants.h"
#include "core/settings.h"
#include "core/wyxapp.h"
#include "eventlog/logkinds.h"
#include "eventlog/logmodel.h"

#include <cstring>

LogFilterProxyModel::LogFilterProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

LogFilterProxyModel::~LogFilterProxyModel() = default;

void LogFilterProxyModel::setSourceModel(QAbstractItemModel* model)
{
    m_log = qobject_cast<LogModel*>(model);
    QSortFilterProxyModel::setSourceModel(model);
}

bool LogFilterProxyModel::isCheckpointFilterActive() const
{
    // A pattern set directly on the proxy counts by its length, as for every filter.
    return m_mode == Mode::Checkpoint
           || (m_mode == Mode::Pattern && filterRegExp().pattern().length() == codePadding.size());
}

void LogFilterProxyModel::applyPattern(Mode mode, const QRegExp& pattern, int column)
{
    if (!m_log) {
        m_mode = Mode::Pattern;
        if (column >= 0)
            setFilterKeyColumn(column);
        setFilterRegExp(pattern);
        return;
    }
    // The proxy would insert and remove every gap between shown rows on its own, each at a
    // pass over the log, and build a hash of every row it hides. Without a source while the
    // filter changes, the new rows come in one reset and one pass instead.
    m_mode = mode;
    QAbstractItemModel* source = sourceModel();
    QSortFilterProxyModel::setSourceModel(nullptr);
    if (column >= 0)
        setFilterKeyColumn(column);
    setFilterRegExp(pattern);
    QSortFilterProxyModel::setSourceModel(source);
}

void LogFilterProxyModel::clearFilter()
{
    applyPattern(Mode::All, QRegExp(), -1);
}

void LogFilterProxyModel::setCheckpointFilter(const QString& codeField)
{
    const QString code = LogKinds::paddedCode(codeField);
    KodNev k;
    const bool valid = k.setCode(code);
    std::memcpy(m_code, k.code, sizeof m_code);
    applyPattern(valid ? Mode::Checkpoint : Mode::Pattern, QRegExp(code, Qt::CaseInsensitive, QRegExp::FixedString),
                 LogModel::ColumnCode);
}

void LogFilterProxyModel::setKindFilter(int item)
{
    setMarkerFilter(LogKinds::markerFilter(item));
}

void LogFilterProxyModel::setMarkerFilter(const QRegExp& pattern)
{
    // The marker column shows one of a few fixed texts: the pattern is tried on each once.
    auto shown = [&pattern](const QString& text) { return pattern.isEmpty() || pattern.indexIn(text) != -1; };
    for (int kind = 0; kind < 256; ++kind) {
        unsigned char raw[LogEntry::size] = {static_cast<unsigned char>(kind)};
        LogEntry e;
        e.setBytes(raw);
        m_kindShown[kind] = shown(e.markerText());
    }
    m_touchShown = shown(markTouch);
    m_lateShown = shown(markLongGap);
    applyPattern(Mode::Marker, pattern, LogModel::ColumnMarker);
}

bool LogFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    switch (m_mode) {
    case Mode::Pattern: break;
    case Mode::All: return true;
    case Mode::Checkpoint: {
        const LogEntry& e = m_log->entries().at(sourceRow);
        return e.isTouch() && std::memcmp(e.codeBytes(), m_code, sizeof m_code) == 0;
    }
    case Mode::Marker: {
        const LogEntry& e = m_log->entries().at(sourceRow);
        if (!e.isTouch())
            return m_kindShown[e.kind()];
        if (m_touchShown == m_lateShown)
            return m_touchShown;
        return m_log->isLateEntry(sourceRow) ? m_lateShown : m_touchShown;
    }
    }
    return QSortFilterProxyModel::filterAcceptsRow(sourceRow, sourceParent);
}

QVariant LogFilterProxyModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    if (role == Qt::DisplayRole && index.column() == LogModel::ColumnDescription && m_log
        && (appSettings().flags & OptBackToBack) && isCheckpointFilterActive()) {
        // Only that checkpoint's touches are shown, so the row above is its previous touch.
        const int row = mapToSource(index).row();
        const int before = index.row() > 0 ? mapToSource(this->index(index.row() - 1, 0)).row() : -1;
        const QString description = m_log->entryAt(row).description(false);
        const QString elapsed = m_log->elapsedBetween(before, row);
        return elapsed.isEmpty() ? description : QStringLiteral("%1 ( %2 )").arg(description, elapsed);
    }
    return QSortFilterProxyModel::data(index, role);
}
