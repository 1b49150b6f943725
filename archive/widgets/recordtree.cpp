#include "recordtree.h"

#include "archiveerror.h"
#include "dialogs.h"

#include <QAction>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

QTreeWidget *makeRecordTree(const QString &objectName, const QStringList &headers, QWidget *parent)
{
    auto *tree = new QTreeWidget(parent);
    tree->setObjectName(objectName);
    tree->setHeaderLabels(headers);
    tree->setRootIsDecorated(false);
    tree->setUniformRowHeights(true);
    tree->setAllColumnsShowFocus(true);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return tree;
}

void fillRecordTree(QTreeWidget &tree, const QList<QStringList> &rows, const QList<qint64> &ids, qint64 current)
{
    const QSignalBlocker quiet(&tree);
    tree.clear();
    for (qsizetype i = 0; i < rows.size(); ++i) {
        auto *item = new QTreeWidgetItem(&tree, rows.at(i));
        item->setData(0, Qt::UserRole, ids.at(i));
    }
    const qsizetype row = ids.indexOf(current);
    if (current != 0 && row >= 0)
        tree.setCurrentItem(tree.topLevelItem(int(row)));
}

qint64 currentRecordId(const QTreeWidget &tree)
{
    const QTreeWidgetItem *item = tree.currentItem();
    return item ? item->data(0, Qt::UserRole).toLongLong() : 0;
}

QWidget *makeActionButtons(const QList<QAction *> &actions, QWidget *parent)
{
    auto *row = new QWidget(parent);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QAction *action : actions) {
        auto *button = new QToolButton(row);
        button->setObjectName(QStringLiteral("btn") + action->objectName().mid(3));
        button->setDefaultAction(action);
        layout->addWidget(button);
    }
    layout->addStretch();
    return row;
}

QGroupBox *makeGroupBox(const QString &title, const QList<QWidget *> &contents, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    auto *layout = new QVBoxLayout(box);
    for (QWidget *widget : contents)
        layout->addWidget(widget);
    return box;
}

bool reportFailure(const ArchiveError &error)
{
    if (error.isError())
        dialogs().showMessage(Dialogs::Kind::Error, error.message);
    return error.isError();
}
