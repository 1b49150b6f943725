#include "eventlist.h"

#include "recordtree.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

EventList::EventList(const QString &name, const QStringList &headers, Cells cells, QWidget *parent)
    : QWidget(parent),
      m_cells(std::move(cells)),
      m_tree(makeRecordTree(QStringLiteral("tw") + name, headers, this)),
      m_more(new QPushButton(QStringLiteral("ще…"), this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    layout->addWidget(m_more, 0, Qt::AlignLeft);
    m_more->setObjectName(QStringLiteral("btnMore") + name);
    m_more->setEnabled(false);
    connect(m_more, &QPushButton::clicked, this, &EventList::showMore);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, &EventList::currentChanged);
}

void EventList::showPages(EventPages pages)
{
    clear();
    m_pages = std::move(pages);
    showMore();
}

void EventList::clear()
{
    m_tree->clear();
    m_records.clear();
    m_pages = EventPages();
    m_more->setEnabled(false);
}

const EventRecord *EventList::current() const
{
    const int row = m_tree->indexOfTopLevelItem(m_tree->currentItem());
    return row >= 0 && row < m_records.size() ? &m_records.at(row) : nullptr;
}

void EventList::showMore()
{
    const ArchiveResult<QList<EventRecord>> page = m_pages.next();
    m_more->setEnabled(m_pages.hasMore());
    if (reportFailure(page.error))
        return;
    for (const EventRecord &record : page.value) {
        auto *item = new QTreeWidgetItem(m_tree, m_cells(record));
        item->setToolTip(0, record.damage);
        m_records.append(record);
    }
}
