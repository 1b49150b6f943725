#include "portdialog.h"

#include "portlist.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QIntValidator>
#include <QLabel>
#include <QPushButton>
#include <QSerialPortInfo>

namespace {

constexpr int kPortPathLength = 40; // characters of a typed path that stay visible

SerialPortRecord recordOf(const QSerialPortInfo &info)
{
    SerialPortRecord record{info.portName(), info.systemLocation(), info.description(),
                            info.manufacturer(), info.serialNumber(), {}, {}};
    if (info.hasVendorIdentifier())
        record.vendorId = info.vendorIdentifier();
    if (info.hasProductIdentifier())
        record.productId = info.productIdentifier();
    return record;
}

QList<SerialPortRecord> systemPorts()
{
    QList<SerialPortRecord> records;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        records.append(recordOf(info));
    return records;
}

// A device the system does not list as a serial port but which is there (a pseudo-terminal).
bool isReachablePath(const QString &port)
{
    const QFileInfo file(port);
    return file.isAbsolute() && file.exists();
}

} // namespace

PortSettingsDialog::PortSettingsDialog(const PortSettings &settings,
                                       ConnectionCheck::LinkMaker makeLink, QWidget *parent)
    : QDialog(parent), m_initial(settings), m_connectionCheck(std::move(makeLink))
{
    setObjectName(QStringLiteral("PortSettingsDialog"));
    setWindowTitle(QStringLiteral("Налаштування COM-порту"));
    auto *form = new QFormLayout(this);

    m_port = createPortCombo(settings.port);
    m_baud = addCombo(QStringLiteral("cbBaudRate"), standardBaudRateTexts(), standardBaudRateTexts(),
                      QString::number(settings.baudRate));
    m_baud->setEditable(true); // a custom rate is typed in
    m_baud->setValidator(new QIntValidator(1, 4000000, m_baud));
    m_baud->setCurrentText(QString::number(settings.baudRate));
    m_dataBits = addCombo(QStringLiteral("cbDataBits"), dataBitsTexts(), dataBitsTexts(),
                          QString::number(int(settings.dataBits)));
    m_stopBits = addCombo(QStringLiteral("cbStopBits"), stopBitsTexts(), stopBitsTexts(),
                          stopBitsText(settings.stopBits));
    m_parity = addCombo(QStringLiteral("cbParity"), parityNames(), parityTexts(), parityText(settings.parity));
    m_flow = addCombo(QStringLiteral("cbFlowControl"), flowControlNames(), flowControlTexts(),
                      flowText(settings.flow));

    m_check = new QPushButton(QStringLiteral("Перевірити зв'язок"), this);
    m_check->setObjectName(QStringLiteral("btCheckConnection"));
    m_check->setAutoDefault(false);
    m_verdict = new QLabel(this);
    m_verdict->setObjectName(QStringLiteral("lbConnection"));
    m_verdict->setWordWrap(true);
    connect(m_check, &QPushButton::clicked, this, &PortSettingsDialog::checkConnection);
    connect(&m_connectionCheck, &ConnectionCheck::finished, this, &PortSettingsDialog::showVerdict);

    form->addRow(QStringLiteral("Порт"), m_port);
    form->addRow(QStringLiteral("Швидкість"), m_baud);
    form->addRow(QStringLiteral("Біти даних"), m_dataBits);
    form->addRow(QStringLiteral("Стоп-біти"), m_stopBits);
    form->addRow(QStringLiteral("Парність"), m_parity);
    form->addRow(QStringLiteral("Керування потоком"), m_flow);
    form->addRow(m_check, m_verdict);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QComboBox *PortSettingsDialog::createPortCombo(const QString &stored)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(QStringLiteral("cbPort"));
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->setMinimumContentsLength(kPortPathLength);
    const PortList ports = portChoices(systemPorts(), stored, isReachablePath(stored));
    for (const PortChoice &choice : ports.choices)
        combo->addItem(choice.text, choice.port);
    if (ports.current >= 0)
        combo->setCurrentIndex(int(ports.current));
    else
        combo->setEditText(stored);
    return combo;
}

QComboBox *PortSettingsDialog::addCombo(const QString &name, const QStringList &names,
                                        const QStringList &texts, const QString &current)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(name);
    for (int i = 0; i < names.size(); ++i)
        combo->addItem(names.at(i), texts.value(i));
    combo->setCurrentIndex(std::max<qsizetype>(0, texts.indexOf(current)));
    return combo;
}

// A listed port is stored by its name; anything else as typed.
QString PortSettingsDialog::chosenPort() const
{
    const int listed = m_port->findText(m_port->currentText());
    return listed >= 0 ? m_port->itemData(listed).toString() : m_port->currentText().trimmed();
}

PortSettings PortSettingsDialog::settings() const
{
    PortSettings s = m_initial;
    s.port = chosenPort();
    const int baud = m_baud->currentText().toInt();
    if (baud > 0) {
        s.baudRate = baud;
        s.customBaud = !standardBaudRateTexts().contains(QString::number(baud));
    }
    s.dataBits = dataBitsFromText(m_dataBits->currentData().toString());
    s.stopBits = stopBitsFromText(m_stopBits->currentData().toString());
    s.parity = parityFromText(m_parity->currentData().toString());
    s.flow = flowFromText(m_flow->currentData().toString());
    return s;
}

void PortSettingsDialog::checkConnection()
{
    m_check->setEnabled(false);
    m_verdict->setText(QStringLiteral("Перевірка зв'язку…"));
    m_connectionCheck.start(settings());
}

void PortSettingsDialog::showVerdict(const QString &verdict)
{
    m_verdict->setText(verdict);
    m_check->setEnabled(true);
}
