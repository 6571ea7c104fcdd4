#include "eventlog/logfilterproxymodel.h"

namespace {
constexpr int codeLetters = 12;
}

LogFilterProxyModel::LogFilterProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

LogFilterProxyModel::~LogFilterProxyModel() = default;

bool LogFilterProxyModel::isCheckpointFilterActive() const
{
    return filterRegExp().pattern().length() == codeLetters;
}
