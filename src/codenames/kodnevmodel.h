#pragma once
// Placeholder until the code-name model lands; replaced whole by its real implementation.
#include <QAbstractTableModel>

class QWidget;

class KodNevModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit KodNevModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}
    int rowCount(const QModelIndex& = QModelIndex()) const override { return 0; }
    int columnCount(const QModelIndex& = QModelIndex()) const override { return 0; }
    QVariant data(const QModelIndex&, int = Qt::DisplayRole) const override { return {}; }
    bool load(QWidget* = nullptr) { return true; }
    bool save() { return true; }
};
