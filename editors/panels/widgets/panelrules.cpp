// Panel editor: the editing rules that tie the controls together.
#include "paneleditor.h"

#include "panelencoding.h"
#include "panelsections.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

namespace {

const QColor kCaptionGrey(0x80, 0x80, 0x80);

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

int partnerZone(int zone)
{
    return zone % 2 ? zone + 1 : zone - 1;
}

} // namespace

// Zones are paired 1-2, 3-4, ...: "по двох зонах" always holds for both zones of a pair.
void TPanelEditor::cbModeChange(int zone)
{
    QComboBox *mode = m_zones[zone - 1].mode;
    const int partner = partnerZone(zone);
    if (partner >= 1 && partner <= m_info.zoneCount) {
        QComboBox *partnerMode = m_zones[partner - 1].mode;
        if (mode->currentIndex() == kModeTwoZones)
            partnerMode->setCurrentIndex(kModeTwoZones);
        else if (partnerMode->currentIndex() == kModeTwoZones)
            partnerMode->setCurrentIndex(kModeNone);
    }
    CheckMode();
    if (exclusionApplies())
        Check_cbMessages_cbMode(zone);
    ChangeAdjust();
}

void TPanelEditor::cbTypeMessageChange(int zone)
{
    ChangeAdjust();
    if (exclusionApplies())
        Check_cbMode_cbMessages(zone);
}

// The coincidence time matters only while some zone uses "по одному СП".
void TPanelEditor::CheckMode()
{
    bool anyOneDetector = false;
    for (int z = 0; z < m_info.zoneCount; ++z)
        anyOneDetector = anyOneDetector || m_zones[z].mode->currentIndex() == kModeOneDetector;
    m_coincidenceLabel->setEnabled(anyOneDetector);
    m_spinners[std::size_t(PanelSpinner::Coincidence)]->setEnabled(anyOneDetector);
}

// Early firmware cannot combine "по двох СП" with an open ("розімкнутий") detector.
bool TPanelEditor::exclusionApplies() const
{
    const int v = editorVariant();
    return m_panel == PanelModel::SixteenZone ? v == 2 : v >= 2 && v <= 4;
}

void TPanelEditor::Check_cbMessages_cbMode(int zone)
{
    ZoneRow &row = m_zones[zone - 1];
    if (row.mode->currentIndex() == kModeTwoDetectors && row.type->currentIndex() == kDetectorOpen)
        row.type->setCurrentIndex(kDetectorClosed);
}

void TPanelEditor::Check_cbMode_cbMessages(int zone)
{
    ZoneRow &row = m_zones[zone - 1];
    if (row.type->currentIndex() == kDetectorOpen && row.mode->currentIndex() == kModeTwoDetectors)
        row.mode->setCurrentIndex(kModeNone);
}

void TPanelEditor::invertColumn(int column)
{
    for (int z = 0; z < m_info.zoneCount; ++z) {
        QCheckBox *box = m_zones[z].outputs[column];
        box->setChecked(!box->isChecked());
    }
}

void TPanelEditor::highlightColumn(int column, bool on)
{
    setTextColour(m_exitLabels[column], on ? Qt::blue : Qt::black);
}

// "Загальна несправність" (column D) and "Загальна пожежа" (column E) show while no zone
// drives that relay.
void TPanelEditor::updateRelayIndicators()
{
    if (!m_faultIndicator)
        return;
    const auto anyChecked = [this](int column) {
        for (int z = 0; z < m_info.zoneCount; ++z) {
            if (m_zones[z].outputs[column]->isChecked())
                return true;
        }
        return false;
    };
    m_faultIndicator->setVisible(!anyChecked(3));
    m_fireIndicator->setVisible(!anyChecked(4));
}

bool TPanelEditor::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (auto *box = qobject_cast<QCheckBox *>(watched)) {
        if (type == QEvent::Enter || type == QEvent::Leave)
            highlightColumn(box->property("column").toInt(), type == QEvent::Enter);
    } else if (auto *label = qobject_cast<QLabel *>(watched)) {
        const int column = int(std::find(m_exitLabels.begin(), m_exitLabels.end(), label) - m_exitLabels.begin());
        if (type == QEvent::MouseButtonRelease && column < kOutputColumnCount)
            invertColumn(column);
    } else if (auto *button = qobject_cast<QToolButton *>(watched)) {
        // Captions follow the pointer: black hovered, grey left, blue pressed; a tone
        // button that is down stays blue.
        if (!button->isChecked()) {
            if (type == QEvent::Enter)
                setTextColour(button, Qt::black);
            else if (type == QEvent::Leave)
                setTextColour(button, kCaptionGrey);
            else if (type == QEvent::MouseButtonPress)
                setTextColour(button, Qt::blue);
        }
    }
    return TDeviceEditor::eventFilter(watched, event);
}

void TPanelEditor::lstBoxSectionClick(int page)
{
    QListWidget *list = m_sectionLists[page - 1];
    if (list->currentRow() < 0)
        list->setCurrentRow(0);
    const QString selected = list->currentItem() ? list->currentItem()->text() : QString();
    for (const Section &section : m_sections)
        section.box->setVisible(section.box->title() == selected);
}

// Checking "спільні коди" copies the codes of the page shown onto the other number's
// sections; from then on every change is repeated on the twin field.
void TPanelEditor::ckbCommonClick()
{
    if (!m_common->isChecked())
        return;
    const int from = m_pages->currentIndex();
    for (int i = 0; i < kSectionsPerTelephone; ++i) {
        const Section &source = m_sections[from * kSectionsPerTelephone + i];
        Section &target = m_sections[(1 - from) * kSectionsPerTelephone + i];
        for (int k = 0; k < kMaxSectionFields; ++k) {
            if (source.fields[k] && target.fields[k])
                target.fields[k]->setText(source.fields[k]->text());
        }
        if (source.protocol && target.protocol)
            target.protocol->setCurrentIndex(source.protocol->currentIndex());
    }
    ChangeAdjust();
}

// edS185 and edS325 are twins: the section number differs by 14.
QString TPanelEditor::twinName(const QString &fieldName, int sectionIndex) const
{
    const int number = sectionNumber(sectionIndex);
    const int twin = number >= kFirstSection + kSectionsPerTelephone ? number - kSectionsPerTelephone
                                                                     : number + kSectionsPerTelephone;
    return fieldName.left(3) + QString::number(twin) + fieldName.mid(5);
}

void TPanelEditor::EditChange(QLineEdit *field)
{
    if (m_common->isChecked()) {
        const int number = field->objectName().mid(3, 2).toInt();
        const int index = number - kFirstSection;
        if (isSectionIndex(index)) {
            if (auto *twin = findChild<QLineEdit *>(twinName(field->objectName(), index)))
                twin->setText(field->text());
        }
    }
    ChangeAdjust();
}

void TPanelEditor::mirrorProtocol(int telephone)
{
    QComboBox *changed = m_sections[telephone * kSectionsPerTelephone + 12].protocol;
    QComboBox *twin = m_sections[(1 - telephone) * kSectionsPerTelephone + 12].protocol;
    if (m_common->isChecked() && changed && twin)
        twin->setCurrentIndex(changed->currentIndex());
    ChangeAdjust();
}

// The code string the device stores is kept as the edit's hint; it follows every edit.
void TPanelEditor::telephoneEdited(int n)
{
    Telephone &t = m_telephones[n];
    t.edit->setToolTip(telephoneCodeString(t.edit->text(), t.tonePulse->isChecked()));
}

void TPanelEditor::insertTelephoneMark(int n, QChar mark)
{
    Telephone &t = m_telephones[n];
    if (t.edit->text().size() >= t.edit->maxLength())
        return;
    t.edit->insert(QString(mark));
    telephoneEdited(n);
    t.edit->setFocus();
    ChangeAdjust();
}

void TPanelEditor::sbTonePulseClick(int n)
{
    setToneState(n, m_telephones[n].tonePulse->isChecked(), false);
    telephoneEdited(n);
    ChangeAdjust();
}

// Tone dialling takes the first digit of the code string ("E"), so the number gets 15.
void TPanelEditor::setToneState(int n, bool tone, bool fromImage)
{
    Telephone &t = m_telephones[n];
    t.tonePulse->setChecked(tone);
    t.tonePulse->setText(tone ? QStringLiteral("тон") : QStringLiteral("імп"));
    setTextColour(t.tonePulse, tone ? QColor(Qt::blue) : fromImage ? kCaptionGrey : QColor(Qt::black));
    t.edit->setMaxLength(tone ? kTelephoneDigits - 1 : kTelephoneDigits);
    if (tone && !fromImage)
        t.edit->end(false);
}

void TPanelEditor::connectChangeMarks()
{
    for (QLineEdit *edit : {m_code2, m_code3, m_objectNumbers[0], m_objectNumbers[1],
                            m_telephones[0].edit, m_telephones[1].edit, m_address}) {
        if (edit)
            connect(edit, &QLineEdit::textEdited, this, &TDeviceEditor::ChangeAdjust);
    }
    for (QSpinBox *spin : m_spinners)
        connect(spin, &QSpinBox::valueChanged, this, &TDeviceEditor::ChangeAdjust);
}
