// Panel editor: building the window from the model tables.
#include "paneleditor.h"

#include "keyfilteredit.h"
#include "panelencoding.h"
#include "panelsections.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char kColumnLetters[] = "ABCDE";

PanelEditorLayout panelLayout(PanelModel panel)
{
    constexpr int kPanelCodeDigits = 4;
    switch (panel) {
    case PanelModel::FourZone: return {Model::Korvel4p, panel, false, kPanelCodeDigits, kFirstSection};
    case PanelModel::EightZone: return {Model::Korvel8p, panel, true, kPanelCodeDigits, kFirstSection};
    case PanelModel::SixteenZone: break;
    }
    return {Model::Korvel16p, panel, true, kPanelCodeDigits, kFirstSection};
}

// Item backgrounds of the detector-type and mode combos, by item index.
const QColor kItemColours[] = {Qt::white, QColor(0xD9, 0xEB, 0xFF), QColor(0xE1, 0xFF, 0xEF),
                               QColor(0xFF, 0xFF, 0xE6)};

} // namespace

TPanelEditor::TPanelEditor(PanelModel panel, Shell &shell, QWidget *parent)
    : TPanelEditor(panelLayout(panel), shell, parent)
{
}

TPanelEditor::TPanelEditor(const PanelEditorLayout &layout, Shell &shell, QWidget *parent)
    : TDeviceEditor(layout.model, shell, parent), m_layout(layout), m_panel(layout.tables),
      m_info(panelModelInfo(layout.tables))
{
    m_pageButtons = new QHBoxLayout;
    m_pageButtons->addStretch();
    auto *pages = new QVBoxLayout(this);
    pages->addLayout(m_pageButtons);
    m_basic = addPage(QStringLiteral("scrBoxBasic"), QStringLiteral("btnBasic"),
                      QStringLiteral("Основні налаштування"), createBasicPage());
    m_additional = addPage(QStringLiteral("scrBoxAdditional"), QStringLiteral("btnAdditional"),
                           QStringLiteral("Додаткові налаштування"), createAdditionalPage());
    btnBasicClick();

    connectChangeMarks();
    m_sectionLists[0]->setCurrentRow(0);
    lstBoxSectionClick(1);
    CheckMode();
    resize(860, 640);
}

QScrollArea *TPanelEditor::addPage(const QString &areaName, const QString &buttonName,
                                   const QString &caption, QWidget *page, const std::function<void()> &shown)
{
    auto *area = new QScrollArea;
    area->setObjectName(areaName);
    area->setWidget(page);
    area->setWidgetResizable(true);
    area->hide();
    static_cast<QVBoxLayout *>(layout())->addWidget(area, 1);
    m_pageAreas.append(area);
    auto *button = new QPushButton(caption, this);
    button->setObjectName(buttonName);
    m_pageButtons->insertWidget(int(m_pageAreas.size()) - 1, button);
    connect(button, &QPushButton::clicked, this, [this, area, shown] {
        showPage(area);
        if (shown)
            shown();
    });
    return area;
}

void TPanelEditor::showPage(QScrollArea *area)
{
    for (QScrollArea *page : std::as_const(m_pageAreas))
        page->setVisible(page == area);
}

QWidget *TPanelEditor::createBasicPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(createZoneGrid());
    if (m_panel != PanelModel::SixteenZone)
        layout->addWidget(createRelayIndicators());
    auto *row = new QHBoxLayout;
    row->addWidget(createTimingGroup());
    row->addWidget(createTestReportGroup());
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QComboBox *TPanelEditor::createColouredCombo(const QString &name, const QStringList &items)
{
    auto *combo = new QComboBox;
    combo->setObjectName(name);
    combo->addItems(items);
    auto *model = qobject_cast<QStandardItemModel *>(combo->model());
    for (int i = 0; i < items.size() && model; ++i) {
        model->item(i)->setBackground(kItemColours[i % 4]);
        model->item(i)->setForeground(Qt::black);
    }
    return combo;
}

QWidget *TPanelEditor::createZoneGrid()
{
    auto *box = new QGroupBox(QStringLiteral("Зони"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("№ зони")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Тип сповіщувача")), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Режим збігу")), 0, 2);
    for (int column = 0; column < kOutputColumnCount; ++column) {
        auto *header = new QLabel(m_info.columnCaptions.value(column));
        header->setObjectName(QStringLiteral("lbExit%1").arg(column + 1));
        header->setCursor(Qt::PointingHandCursor);
        header->setToolTip(QStringLiteral("Інвертувати стовпчик"));
        header->installEventFilter(this);
        grid->addWidget(header, 0, 3 + column, Qt::AlignCenter);
        m_exitLabels[column] = header;
    }
    for (int z = 1; z <= m_info.zoneCount; ++z) {
        ZoneRow &row = m_zones[z - 1];
        grid->addWidget(new QLabel(QString::number(z)), z, 0);
        row.type = createColouredCombo(QStringLiteral("cbTypeMessage%1").arg(z), detectorTypeItems());
        row.mode = createColouredCombo(QStringLiteral("cbMode%1").arg(z), coincidenceModeItems());
        grid->addWidget(row.type, z, 1);
        grid->addWidget(row.mode, z, 2);
        connect(row.mode, &QComboBox::activated, this, [this, z] { cbModeChange(z); });
        connect(row.type, &QComboBox::activated, this, [this, z] { cbTypeMessageChange(z); });
        for (int column = 0; column < kOutputColumnCount; ++column) {
            auto *box = new QCheckBox;
            box->setObjectName(QStringLiteral("ckb%1%2").arg(QLatin1Char(kColumnLetters[column])).arg(z));
            box->setProperty("column", column);
            box->installEventFilter(this);
            connect(box, &QCheckBox::clicked, this, &TDeviceEditor::ChangeAdjust);
            connect(box, &QCheckBox::toggled, this, &TPanelEditor::updateRelayIndicators);
            grid->addWidget(box, z, 3 + column, Qt::AlignCenter);
            row.outputs[column] = box;
        }
    }
    return box;
}

QWidget *TPanelEditor::createRelayIndicators()
{
    auto indicator = [](const QString &text, const QString &name) {
        auto *frame = new QLabel(text);
        frame->setObjectName(name);
        frame->setFrameShape(QFrame::Box);
        frame->setStyleSheet(QStringLiteral("color: #b00000; padding: 3px;"));
        return frame;
    };
    auto *panel = new QWidget;
    auto *row = new QHBoxLayout(panel);
    m_faultIndicator = indicator(QStringLiteral("Загальна несправність"), QStringLiteral("lbCommonFault"));
    m_fireIndicator = indicator(QStringLiteral("Загальна пожежа"), QStringLiteral("lbCommonFire"));
    row->addWidget(m_faultIndicator);
    row->addWidget(m_fireIndicator);
    row->addStretch();
    return panel;
}

QSpinBox *TPanelEditor::createSpinner(PanelSpinner which, QLineEdit **edit)
{
    const SpinnerRange range = spinnerRange(which);
    auto *spin = new QSpinBox;
    const int number = 5 + int(which);
    spin->setObjectName(QStringLiteral("ud%1").arg(number));
    spin->setRange(range.minimum, range.maximum);
    spin->setSingleStep(range.step);
    spin->setValue(range.minimum);
    // The spinner's own edit is the one the report prints.
    if (QLineEdit *line = spin->findChild<QLineEdit *>()) {
        line->setObjectName(QStringLiteral("timeed%1").arg(number));
        if (edit)
            *edit = line;
    }
    m_spinners[std::size_t(which)] = spin;
    return spin;
}

QWidget *TPanelEditor::createTimingGroup()
{
    auto *box = new QGroupBox(QStringLiteral("Часові налаштування"));
    auto *grid = new QGridLayout(box);
    m_coincidenceLabel = new QLabel(QStringLiteral("Час виявлення збігу (рек. 60)"));
    grid->addWidget(m_coincidenceLabel, 0, 0);
    grid->addWidget(createSpinner(PanelSpinner::Coincidence), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("сек")), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Час звучання ЗІ")), 1, 0);
    grid->addWidget(createSpinner(PanelSpinner::Siren), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("сек")), 1, 2);
    m_lineFaultLabel = new QLabel(QStringLiteral("Час виявлення несправності лінії"));
    grid->addWidget(m_lineFaultLabel, 2, 0);
    grid->addWidget(createSpinner(PanelSpinner::LineFault), 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("хв")), 2, 2);
    if (m_layout.systemAddress) {
        m_addressLabel = new QLabel(QStringLiteral("Адреса в системі \"Корвел-16.64П\""));
        m_address = createEdit(QStringLiteral("edAddress"), 2);
        KeyFilterInstaller::install(m_address, addressKeyFilter());
        grid->addWidget(m_addressLabel, 3, 0);
        grid->addWidget(m_address, 3, 1);
    }
    return box;
}

QWidget *TPanelEditor::createTestReportGroup()
{
    auto *box = new QGroupBox(QStringLiteral("Параметри передачі тестового сповіщення"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(new QLabel(QStringLiteral("перше тестове сповіщення")), 0, 0);
    grid->addWidget(createSpinner(PanelSpinner::ReportHour), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("год")), 0, 2);
    grid->addWidget(createSpinner(PanelSpinner::ReportMinute), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("хв")), 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("період")), 1, 0);
    grid->addWidget(createSpinner(PanelSpinner::PeriodDays), 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("дні")), 1, 2);
    grid->addWidget(createSpinner(PanelSpinner::PeriodHours), 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("год")), 1, 4);
    grid->addWidget(createSpinner(PanelSpinner::PeriodMinutes), 1, 5);
    grid->addWidget(new QLabel(QStringLiteral("хв")), 1, 6);
    return box;
}

QLineEdit *TPanelEditor::createEdit(const QString &name, int maxLength)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(name);
    edit->setMaxLength(maxLength);
    return edit;
}

QWidget *TPanelEditor::createAdditionalPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *row = new QHBoxLayout;
    row->addWidget(createCodesGroup());
    row->addWidget(createTelephoneGroup());
    layout->addLayout(row);
    layout->addWidget(createSectionPages(), 1);
    return page;
}

QWidget *TPanelEditor::createCodesGroup()
{
    auto *box = new QGroupBox(QStringLiteral("Коди доступу"));
    auto *form = new QFormLayout(box);
    m_code2 = createEdit(QStringLiteral("edCode2"), m_layout.accessCodeDigits);
    m_code3 = createEdit(QStringLiteral("edCode3"), m_layout.accessCodeDigits);
    KeyFilterInstaller::install(m_code2, digitKeyFilter());
    KeyFilterInstaller::install(m_code3, digitKeyFilter());
    form->addRow(QStringLiteral("Kод доступу до другого рівня"), m_code2);
    form->addRow(QStringLiteral("Код доступу до третього рівня"), m_code3);
    for (int n = 0; n < 2; ++n) {
        m_objectNumbers[n] = createEdit(QStringLiteral("edNumDev%1").arg(n + 1), 4);
        KeyFilterInstaller::install(m_objectNumbers[n], hexKeyFilter());
        form->addRow(QStringLiteral("Об’єктові номера приладу №%1").arg(n + 1), m_objectNumbers[n]);
    }
    return box;
}

QWidget *TPanelEditor::createTelephoneGroup()
{
    auto *box = new QGroupBox(QStringLiteral("Телефонні номери"));
    auto *grid = new QGridLayout(box);
    const auto button = [](const QString &name, const QString &text, const QString &hint) {
        auto *b = new QToolButton;
        b->setObjectName(name);
        b->setText(text);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        return b;
    };
    for (int n = 0; n < 2; ++n) {
        Telephone &t = m_telephones[n];
        const int number = n + 1;
        t.edit = createEdit(QStringLiteral("edTelNum%1").arg(number), kTelephoneDigits);
        KeyFilterInstaller::install(t.edit, telephoneKeyFilter());
        t.pause = button(QStringLiteral("sbPause%1").arg(number), QStringLiteral("пауза"),
                         QStringLiteral("Пауза 2 сек  (\"B\")"));
        t.findSignal = button(QStringLiteral("sbFindSignal%1").arg(number), QStringLiteral("пошук"),
                              QStringLiteral("Пошук сигналу  (\"C\")"));
        t.tonePulse = button(QStringLiteral("sbTonePulse%1").arg(number), QStringLiteral("імп"),
                             QStringLiteral("Тональний набор  (\"E\")"));
        t.tonePulse->setCheckable(true);
        for (QToolButton *b : {t.pause, t.findSignal, t.tonePulse}) {
            b->setFocusPolicy(Qt::NoFocus);
            b->installEventFilter(this);
        }
        connect(t.edit, &QLineEdit::textEdited, this, [this, n] { telephoneEdited(n); });
        connect(t.pause, &QToolButton::clicked, this, [this, n] { insertTelephoneMark(n, u'+'); });
        connect(t.findSignal, &QToolButton::clicked, this, [this, n] { insertTelephoneMark(n, u'*'); });
        connect(t.tonePulse, &QToolButton::clicked, this, [this, n] { sbTonePulseClick(n); });
        grid->addWidget(new QLabel(n == 0 ? QStringLiteral("Перший телефонний номер")
                                          : QStringLiteral("Другий телефонний номер")),
                        n * 2, 0, 1, 4);
        grid->addWidget(t.edit, n * 2 + 1, 0);
        grid->addWidget(t.pause, n * 2 + 1, 1);
        grid->addWidget(t.findSignal, n * 2 + 1, 2);
        grid->addWidget(t.tonePulse, n * 2 + 1, 3);
        setToneState(n, false, true);
    }
    return box;
}

QWidget *TPanelEditor::createSectionPages()
{
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    m_common = new QCheckBox(QStringLiteral("спільні коди"));
    m_common->setObjectName(QStringLiteral("ckbCommon"));
    connect(m_common, &QCheckBox::clicked, this, &TPanelEditor::ckbCommonClick);
    m_pages = new QTabWidget;
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(createSectionPage(1), QStringLiteral("Перший телефоний номер"));
    m_pages->addTab(createSectionPage(2), QStringLiteral("Другий телефоний номер"));
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) { lstBoxSectionClick(index + 1); });
    layout->addWidget(m_common);
    layout->addWidget(m_pages, 1);
    return panel;
}

QWidget *TPanelEditor::createSectionPage(int page)
{
    auto *widget = new QWidget;
    widget->setProperty("tag", page);
    auto *row = new QHBoxLayout(widget);
    auto *list = new QListWidget;
    list->setObjectName(QStringLiteral("lstBoxSection%1").arg(page));
    list->setMinimumWidth(360);
    m_sectionLists[page - 1] = list;
    auto *boxes = new QVBoxLayout;
    const int first = (page - 1) * kSectionsPerTelephone;
    for (int i = first; i < first + kSectionsPerTelephone; ++i) {
        list->addItem(sectionTitle(i, m_layout.firstSectionNumber));
        boxes->addWidget(createSectionBox(i));
    }
    boxes->addStretch();
    connect(list, &QListWidget::itemClicked, this, [this, page] { lstBoxSectionClick(page); });
    connect(list, &QListWidget::currentRowChanged, this, [this, page] { lstBoxSectionClick(page); });
    row->addWidget(list);
    row->addLayout(boxes, 1);
    return widget;
}

QGroupBox *TPanelEditor::createSectionBox(int sectionIndex)
{
    Section &section = m_sections[sectionIndex];
    const int number = sectionNumber(sectionIndex);
    section.box = new QGroupBox(sectionTitle(sectionIndex, m_layout.firstSectionNumber));
    section.box->setObjectName(QStringLiteral("grBox%1").arg(sectionIndex + 1));
    section.box->setProperty("tag", number);
    auto *form = new QFormLayout(section.box);
    const QStringList captions = sectionFieldCaptions(m_panel, sectionIndex);
    for (int k = 1; k <= sectionFieldCount(m_panel, sectionIndex); ++k) {
        const QString caption = captions.value(k - 1);
        if (isProtocolField(sectionIndex, k)) {
            section.protocol = new QComboBox;
            section.protocol->setObjectName(QStringLiteral("cbS%1%2").arg(number).arg(k));
            section.protocol->addItems(protocolItems());
            connect(section.protocol, &QComboBox::activated, this,
                    [this, sectionIndex] { mirrorProtocol(telephoneOfSection(sectionIndex)); });
            form->addRow(caption, section.protocol);
            continue;
        }
        QLineEdit *field = createEdit(QStringLiteral("edS%1%2").arg(number).arg(k), 2);
        KeyFilterInstaller::install(field, hexKeyFilter());
        connect(field, &QLineEdit::textEdited, this, [this, field] { EditChange(field); });
        section.fields[k - 1] = field;
        form->addRow(caption, field);
    }
    return section.box;
}

void TPanelEditor::btnBasicClick()
{
    showPage(m_basic);
}

void TPanelEditor::btnAdditionalClick()
{
    showPage(m_additional);
}

TKorvelForm4p::TKorvelForm4p(Shell &shell, QWidget *parent)
    : TPanelEditor(PanelModel::FourZone, shell, parent)
{
}

TKorvelForm8p::TKorvelForm8p(Shell &shell, QWidget *parent)
    : TPanelEditor(PanelModel::EightZone, shell, parent)
{
}

TKorvelForm16p::TKorvelForm16p(Shell &shell, QWidget *parent)
    : TPanelEditor(PanelModel::SixteenZone, shell, parent)
{
}
