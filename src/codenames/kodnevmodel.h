#pragma once
// The program's one code-name list: checkpoint codes with dated names and colours, as a
// four-column table, with the lookups that name a code at a date and the list's file.
#include "codenames/kodnev.h"
#include "core/knownfile.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QVector>

class QWidget;
class Settings;

class KodNevModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit KodNevModel(QObject* parent = nullptr);
    KodNevModel(const QList<KodNev>& list, QObject* parent = nullptr);
    ~KodNevModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // False, and nothing changed, when the value is refused.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // A default entry when row is out of range.
    KodNev entryAt(int row) const;
    // Lookups by the key's code; each gives the last matching row, or -1.
    int findValidAt(const KodNev& key) const; // name valid at the key's date
    int findExact(const KodNev& key) const;   // exactly the key's date
    int findCode(const KodNev& key) const;    // any date

    // Places the entry among the names of its code by date, or appends a new code. An entry
    // of the same code and date replaces the old one when overwrite is set, otherwise after
    // the user agrees. True when the list changed.
    bool addEntry(const KodNev& entry, bool overwrite);
    // The list addEntry(record, true) for each record in turn gives, in one reset of the
    // model and in time linear in the list and the records.
    void addEntries(const QList<KodNev>& records);
    void setColors(int row, const QColor& background, const QColor& foreground);

    bool isModified() const { return modified; }
    // True after a save that did not write the list (declined or failed), until one does or
    // the list is read again: the list then holds changes that exist only in memory. (A list
    // just read counts as modified too, so isModified alone does not tell that.)
    bool hasMissedSave() const { return missedSave; }

public slots:
    // Reads the file named in the settings. A missing file changes nothing; a damaged one
    // is reported and leaves the list as it was.
    bool load(QWidget* parent = nullptr);
    // Writes the list when modified; the previous file is kept as "<file>.bak". False, the
    // list kept in memory and still modified, when the save failed or the user declined.
    bool save();

signals:
    void reloaded();

private:
    void listChanged();
    const QVector<int>* rowsOf(const KodNev& key) const;

    QList<KodNev> entries;
    bool modified = false;
    bool missedSave = false;
    // Path whose last load failed although the file exists: never overwritten unasked.
    QString unreadablePath;
    // The file the list was read from or last written to. Another file found when saving
    // (one that came after the list was read), or this one changed by someone else since,
    // is never overwritten unasked.
    KnownFile known;
    // Rows of each code in ascending order, rebuilt on demand after any change.
    mutable QHash<quint64, QVector<int>> rowIndex;
    mutable bool rowIndexValid = false;
};

// Creates the program's one list as a child of the settings, which then own it, and lets
// the settings' load and save requests reach it. Done once, right after the application
// object exists.
KodNevModel* installKodNevModel(Settings& settings);
