#pragma once

#include <QList>
#include <QStringList>

class QAction;
class QGroupBox;
class QTreeWidget;
class QWidget;
struct ArchiveError;

// The lists of the archive's windows: rows of texts, each standing for a record by its id.

QTreeWidget *makeRecordTree(const QString &objectName, const QStringList &headers, QWidget *parent);
// Replaces the rows and makes the row of `current` (when it is there) the current one, all
// without announcing it: the caller shows what follows from the new current row itself.
void fillRecordTree(QTreeWidget &tree, const QList<QStringList> &rows, const QList<qint64> &ids, qint64 current);
// The id of the current row; 0 for none.
qint64 currentRecordId(const QTreeWidget &tree);

// Sites or devices as rows of `cells`.
template <typename Record, typename Cells>
void fillRecords(QTreeWidget &tree, const QList<Record> &records, Cells cells, qint64 current)
{
    QList<QStringList> rows;
    QList<qint64> ids;
    for (const Record &record : records) {
        rows.append(cells(record));
        ids.append(record.id);
    }
    fillRecordTree(tree, rows, ids, current);
}

// The record of the current row; null for none.
template <typename Record>
const Record *currentRecord(const QTreeWidget &tree, const QList<Record> &records)
{
    const qint64 id = currentRecordId(tree);
    for (const Record &record : records) {
        if (record.id == id)
            return &record;
    }
    return nullptr;
}

// A row of buttons that press `actions` and follow their texts and states; each is named
// after its action ("actEditSite" gives "btnEditSite").
QWidget *makeActionButtons(const QList<QAction *> &actions, QWidget *parent);

// A titled frame holding `contents` one under another.
QGroupBox *makeGroupBox(const QString &title, const QList<QWidget *> &contents, QWidget *parent);

// Shows the archive's message in an error box. True when there was an error.
bool reportFailure(const ArchiveError &error);
