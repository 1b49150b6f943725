// GSM.4 module editor: the window and the rules that tie its controls together.
#include "gsm4editor.h"

#include "gprsgroup.h"
#include "gsmtexts.h"
#include "keyfilteredit.h"
#include "partcontrols.h"
#include "telephonefield.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

using namespace gsmtext;

namespace {

constexpr int kObjectNumberDigits = 4;
constexpr int kDialIntervalDigits = 3;
constexpr int kEventCodeDigits = 3;

// Fires `handler` after every key released in `edit`.
class KeyReleaseWatcher : public QObject
{
public:
    KeyReleaseWatcher(QLineEdit *edit, std::function<void()> handler)
        : QObject(edit)
        , m_handler(std::move(handler))
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::KeyRelease)
            m_handler();
        return false;
    }

private:
    std::function<void()> m_handler;
};

} // namespace

TZMU_GSM4Form::TZMU_GSM4Form(Shell &shell, QWidget *parent)
    : TDeviceEditor(Model::ZmuGsm4, shell, parent)
{
    m_channel = new QComboBox;
    m_channel->setObjectName(QStringLiteral("cbChannelType"));
    m_channel->addItems(channelItems());
    connect(m_channel, &QComboBox::activated, this, &TZMU_GSM4Form::applyChannelRule);
    m_gprs = new GprsGroup(QStringLiteral("Налаштування"), GprsDigits::Hexadecimal);

    auto *channel = new QFormLayout;
    channel->addRow(kChannel, m_channel);
    auto *left = new QVBoxLayout;
    left->addWidget(createLoopGroups());
    left->addLayout(channel);
    left->addWidget(createCsdGroup());
    left->addWidget(m_gprs);
    left->addStretch();
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(createEventCodes());
    connectChangeMarks();
    applyChannelRule();
}

QWidget *TZMU_GSM4Form::createLoopGroups()
{
    auto *types = new QGroupBox(QStringLiteral("Типи входів"));
    auto *typeForm = new QFormLayout(types);
    for (int n = 0; n < 2; ++n) {
        m_inputTypes[std::size_t(n)] = new QComboBox;
        m_inputTypes[std::size_t(n)]->setObjectName(QStringLiteral("cbFire%1").arg(n + 1));
        m_inputTypes[std::size_t(n)]->addItems(inputTypeItems());
        typeForm->addRow(loopCaption(n + 1), m_inputTypes[std::size_t(n)]);
    }
    auto *levels = new QGroupBox(QStringLiteral("Активний рівень"));
    auto *levelRows = new QVBoxLayout(levels);
    for (int n = 0; n < 2; ++n)
        levelRows->addWidget(createActiveLevel(n));
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(types);
    layout->addWidget(levels);
    return row;
}

QWidget *TZMU_GSM4Form::createActiveLevel(int n)
{
    ActiveLevel &level = m_levels[std::size_t(n)];
    const auto button = [](const QString &name, bool rising) {
        auto *b = new QToolButton;
        b->setObjectName(name);
        b->setText(activeLevelText(rising));
        b->setCheckable(true);
        return b;
    };
    level.rising = button(QStringLiteral("spLoHi%1").arg(n + 1), true);
    level.falling = button(QStringLiteral("spHiLo%1").arg(n + 1), false);
    level.label = new QLabel;
    level.label->setObjectName(QStringLiteral("lbLoop%1").arg(n + 3));
    auto *exclusive = new QButtonGroup(this);
    exclusive->addButton(level.rising);
    exclusive->addButton(level.falling);
    connect(level.rising, &QToolButton::clicked, this, [this, n] { showActiveLevel(n, true); });
    connect(level.falling, &QToolButton::clicked, this, [this, n] { showActiveLevel(n, false); });
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(loopCaption(n + 3)));
    layout->addWidget(level.rising);
    layout->addWidget(level.falling);
    layout->addWidget(level.label, 1);
    showActiveLevel(n, false);
    return row;
}

// The label says what the pressed button says, after a read too.
void TZMU_GSM4Form::showActiveLevel(int n, bool rising)
{
    ActiveLevel &level = m_levels[std::size_t(n)];
    (rising ? level.rising : level.falling)->setChecked(true);
    level.label->setText(activeLevelText(rising));
}

QLineEdit *TZMU_GSM4Form::createHexEdit(const QString &name, int maxLength)
{
    QLineEdit *edit = createNamedEdit(name, maxLength);
    KeyFilterInstaller::install(edit, hexKeyFilter());
    return edit;
}

QGroupBox *TZMU_GSM4Form::createCsdGroup()
{
    m_csd = new QGroupBox(QStringLiteral("Налаштування"));
    m_csd->setObjectName(QStringLiteral("gbCSD"));
    auto *form = new QFormLayout(m_csd);
    m_objectNumber = createHexEdit(QStringLiteral("edNumDev"), kObjectNumberDigits);
    form->addRow(kObjectNumber, m_objectNumber);
    for (int n = 0; n < 2; ++n) {
        m_telephones[std::size_t(n)] = new TelephoneField(
            {n + 1, telephoneCaption(n + 1), TelephoneStyle::Dialled, kGsm4TelephoneDigits});
        form->addRow(m_telephones[std::size_t(n)]);
    }
    m_protocol = new QComboBox;
    m_protocol->setObjectName(QStringLiteral("cbProtocol"));
    m_protocol->addItems(protocolItems());
    form->addRow(kProtocol, m_protocol);
    m_dialInterval = createHexEdit(QStringLiteral("edIntervalCSD"), kDialIntervalDigits);
    new KeyReleaseWatcher(m_dialInterval, [this] { applyIntervalLimit(m_dialInterval); });
    form->addRow(kDialInterval, m_dialInterval);
    return m_csd;
}

QGroupBox *TZMU_GSM4Form::createEventCodes()
{
    auto *box = new QGroupBox(QStringLiteral("Параметри"));
    box->setObjectName(QStringLiteral("gbParams"));
    auto *form = new QFormLayout(box);
    const QStringList labels = eventCodeLabels();
    for (int i = 0; i < gsm4::kEventCodeCount; ++i) {
        m_eventCodes[std::size_t(i)] = createHexEdit(QStringLiteral("edS%1").arg(i + 1), kEventCodeDigits);
        form->addRow(labels.value(i), m_eventCodes[std::size_t(i)]);
    }
    return box;
}

// Every text field but the IP addresses, the protocol and the input types are changes;
// the channel and the active-level buttons are not.
void TZMU_GSM4Form::connectChangeMarks()
{
    connect(m_gprs, &GprsGroup::changed, this, &TDeviceEditor::ChangeAdjust);
    for (QLineEdit *edit : m_eventCodes) {
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            markAdjusted(edit, false, QString());
            ChangeAdjust();
        });
    }
    for (QLineEdit *edit : {m_objectNumber, m_dialInterval})
        connect(edit, &QLineEdit::textEdited, this, &TDeviceEditor::ChangeAdjust);
    for (TelephoneField *field : m_telephones)
        connect(field, &TelephoneField::changed, this, &TDeviceEditor::ChangeAdjust);
    for (QComboBox *combo : {m_protocol, m_inputTypes[0], m_inputTypes[1]})
        connect(combo, &QComboBox::activated, this, &TDeviceEditor::ChangeAdjust);
}

void TZMU_GSM4Form::applyChannelRule()
{
    const bool csd = m_channel->currentIndex() == int(GsmChannel::Csd);
    m_csd->setVisible(csd);
    m_gprs->setVisible(!csd);
}
