#pragma once

#include "eventpages.h"

#include <QWidget>
#include <functional>

class QPushButton;
class QTreeWidget;

// Events newest first, a page at a time, with "ще…" under them while there are more.
class EventList : public QWidget
{
    Q_OBJECT
public:
    using Cells = std::function<QStringList(const EventRecord &)>;

    // `name` names the list ("twTimeline") and its button ("btnMoreTimeline").
    EventList(const QString &name, const QStringList &headers, Cells cells, QWidget *parent = nullptr);

    // Shows the first page of `pages`; an archive error is shown in a box.
    void showPages(EventPages pages);
    void clear();
    // The event of the current row; null for none.
    const EventRecord *current() const;
    QTreeWidget *tree() const { return m_tree; }

Q_SIGNALS:
    void currentChanged();

private:
    void showMore();

    Cells m_cells;
    QTreeWidget *m_tree;
    QPushButton *m_more;
    EventPages m_pages;
    QList<EventRecord> m_records; // in the order of the rows
};
