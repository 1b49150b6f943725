#include "sectionpages.h"

#include "keyfilteredit.h"
#include "partcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
constexpr int kFieldLength = 2; // a hex pair
} // namespace

SectionPages::SectionPages(SectionTable table, QWidget *parent)
    : QWidget(parent), m_table(std::move(table)), m_sections(m_table.sections.size())
{
    auto *layout = new QVBoxLayout(this);
    if (m_table.commonCodes) {
        m_common = new QCheckBox(QStringLiteral("спільні коди"));
        m_common->setObjectName(QStringLiteral("ckbCommon"));
        connect(m_common, &QCheckBox::clicked, this, &SectionPages::commonClicked);
        layout->addWidget(m_common);
    }
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    for (int page = 0; page < m_table.pageTitles.size(); ++page)
        m_pages->addTab(createPage(page), m_table.pageTitles.at(page));
    connect(m_pages, &QTabWidget::currentChanged, this, &SectionPages::showSelected);
    layout->addWidget(m_pages, 1);
    m_lists.first()->setCurrentRow(0);
    showSelected(0);
}

QWidget *SectionPages::createPage(int page)
{
    auto *widget = new QWidget;
    widget->setProperty("tag", page + 1);
    auto *row = new QHBoxLayout(widget);
    auto *list = new QListWidget;
    list->setObjectName(QStringLiteral("lstBoxSection%1").arg(page + 1));
    m_lists.append(list);
    auto *boxes = new QVBoxLayout;
    for (int i = 0; i < m_table.sections.size(); ++i) {
        if (m_table.sections.at(i).page != page)
            continue;
        list->addItem(m_table.sections.at(i).title);
        boxes->addWidget(createBox(i));
    }
    boxes->addStretch();
    // Wide enough for the longest section title, with room for the scroll bar.
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth()
                          + list->verticalScrollBar()->sizeHint().width());
    connect(list, &QListWidget::itemClicked, this, [this, page] { showSelected(page); });
    connect(list, &QListWidget::currentRowChanged, this, [this, page] { showSelected(page); });
    row->addWidget(list);
    row->addLayout(boxes, 1);
    return widget;
}

QGroupBox *SectionPages::createBox(int sectionIndex)
{
    const SectionEntry &entry = m_table.sections.at(sectionIndex);
    Section &section = m_sections[sectionIndex];
    section.box = new QGroupBox(entry.title);
    section.box->setObjectName(QStringLiteral("grBox%1").arg(sectionIndex + 1));
    section.box->setProperty("tag", entry.nameNumber);
    auto *form = new QFormLayout(section.box);
    for (int k = 1; k <= entry.fieldCount(); ++k) {
        const QString caption = entry.fieldCaptions.at(k - 1);
        if (k == entry.listField) {
            section.list = new QComboBox;
            section.list->setObjectName(QStringLiteral("cbS%1%2").arg(entry.nameNumber).arg(k));
            section.list->addItems(m_table.listItems);
            connect(section.list, &QComboBox::activated, this, [this, sectionIndex] { listChosen(sectionIndex); });
            form->addRow(caption, section.list);
            continue;
        }
        QLineEdit *field = createNamedEdit(QStringLiteral("edS%1%2").arg(entry.nameNumber).arg(k), kFieldLength);
        KeyFilterInstaller::install(field, hexKeyFilter());
        connect(field, &QLineEdit::textEdited, this, [this, sectionIndex, k] { fieldEdited(sectionIndex, k); });
        section.fields[std::size_t(k - 1)] = field;
        form->addRow(caption, field);
    }
    return section.box;
}

void SectionPages::load(std::span<const SectionFieldTexts> fields, std::span<const int> lists)
{
    for (int i = 0; i < m_sections.size() && std::size_t(i) < fields.size(); ++i) {
        const Section &section = m_sections.at(i);
        for (std::size_t k = 0; k < section.fields.size(); ++k) {
            if (section.fields[k])
                section.fields[k]->setText(fields[std::size_t(i)][k]);
        }
        const int slot = listFieldSlot(m_table, i);
        if (section.list && std::size_t(slot) < lists.size())
            section.list->setCurrentIndex(lists[std::size_t(slot)]);
    }
}

void SectionPages::store(std::span<SectionFieldTexts> fields, std::span<int> lists) const
{
    for (int i = 0; i < m_sections.size() && std::size_t(i) < fields.size(); ++i) {
        const Section &section = m_sections.at(i);
        for (std::size_t k = 0; k < section.fields.size(); ++k) {
            if (section.fields[k])
                fields[std::size_t(i)][k] = section.fields[k]->text();
        }
        const int slot = listFieldSlot(m_table, i);
        if (section.list && std::size_t(slot) < lists.size())
            lists[std::size_t(slot)] = section.list->currentIndex();
    }
}

void SectionPages::clearCommonCodes()
{
    if (m_common)
        m_common->setChecked(false);
}

void SectionPages::showSelected(int page)
{
    QListWidget *list = m_lists.value(page);
    if (!list)
        return;
    if (list->currentRow() < 0)
        list->setCurrentRow(0);
    const QString selected = list->currentItem() ? list->currentItem()->text() : QString();
    for (const Section &section : std::as_const(m_sections))
        section.box->setVisible(section.box->title() == selected);
}

bool SectionPages::sharing() const
{
    return m_common && m_common->isChecked();
}

// Checking copies the codes of the page shown onto its twins, field by field as far as the
// source section has fields.
void SectionPages::commonClicked()
{
    if (!sharing())
        return;
    const int from = m_pages->currentIndex();
    for (int i = 0; i < m_sections.size(); ++i) {
        const int twin = twinSection(m_table, i);
        if (m_table.sections.at(i).page != from || twin < 0)
            continue;
        const Section &source = m_sections.at(i);
        Section &target = m_sections[twin];
        for (std::size_t k = 0; k < source.fields.size(); ++k) {
            if (source.fields[k] && target.fields[k])
                target.fields[k]->setText(source.fields[k]->text());
        }
        if (source.list && target.list)
            target.list->setCurrentIndex(source.list->currentIndex());
    }
    Q_EMIT changed();
}

void SectionPages::fieldEdited(int sectionIndex, int field)
{
    const int twin = twinSection(m_table, sectionIndex);
    if (sharing() && twin >= 0) {
        QLineEdit *target = m_sections[twin].fields[std::size_t(field - 1)];
        if (target)
            target->setText(m_sections[sectionIndex].fields[std::size_t(field - 1)]->text());
    }
    Q_EMIT changed();
}

void SectionPages::listChosen(int sectionIndex)
{
    const int twin = twinSection(m_table, sectionIndex);
    if (sharing() && twin >= 0 && m_sections[twin].list)
        m_sections[twin].list->setCurrentIndex(m_sections[sectionIndex].list->currentIndex());
    Q_EMIT changed();
}
