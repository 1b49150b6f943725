#pragma once

#include "sectiontable.h"

#include <QWidget>

#include <span>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QTabWidget;

// The report-code sections built from a section table: a page per telephone number
// (PageControl1) with its list (lstBoxSection<page>) and one group box per section
// (grBox<n>, fields edS<s><k> and cbS<s><k>), of which only the listed selection shows.
// Where the table shares codes, "спільні коди" (ckbCommon) copies the shown page onto the
// other and then repeats every field change on the twin section.
class SectionPages : public QWidget
{
    Q_OBJECT
public:
    explicit SectionPages(SectionTable table, QWidget *parent = nullptr);

    // By section index; list fields by listFieldSlot.
    void load(std::span<const SectionFieldTexts> fields, std::span<const int> lists);
    void store(std::span<SectionFieldTexts> fields, std::span<int> lists) const;
    void clearCommonCodes();
    // Shows the group box of the section selected in the page's list (the first if none).
    void showSelected(int page);

Q_SIGNALS:
    void changed();

private:
    struct Section {
        QGroupBox *box = nullptr;
        std::array<QLineEdit *, kMaxSectionFields> fields{}; // none for the list field
        QComboBox *list = nullptr;
    };

    QWidget *createPage(int page);
    QGroupBox *createBox(int sectionIndex);
    bool sharing() const;
    void commonClicked();
    void fieldEdited(int sectionIndex, int field);
    void listChosen(int sectionIndex);

    SectionTable m_table;
    QList<Section> m_sections;
    QList<QListWidget *> m_lists; // by page
    QTabWidget *m_pages = nullptr;
    QCheckBox *m_common = nullptr;
};
