#include "portdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QSerialPortInfo>

PortSettingsDialog::PortSettingsDialog(const PortSettings &settings, QWidget *parent)
    : QDialog(parent), m_initial(settings)
{
    setObjectName(QStringLiteral("PortSettingsDialog"));
    setWindowTitle(QStringLiteral("Налаштування COM-порту"));
    auto *form = new QFormLayout(this);

    QStringList ports;
    for (const QSerialPortInfo &info : QSerialPortInfo::availablePorts())
        ports.append(info.portName());
    m_port = addCombo(QStringLiteral("cbPort"), ports, settings.port);
    m_port->setEditable(true);
    m_port->setCurrentText(settings.port);
    m_baud = addCombo(QStringLiteral("cbBaudRate"), standardBaudRateTexts(),
                      QString::number(settings.baudRate));
    m_baud->setEditable(true); // a custom rate is typed in
    m_baud->setValidator(new QIntValidator(1, 4000000, m_baud));
    m_baud->setCurrentText(QString::number(settings.baudRate));
    m_dataBits = addCombo(QStringLiteral("cbDataBits"), dataBitsTexts(), QString::number(int(settings.dataBits)));
    m_stopBits = addCombo(QStringLiteral("cbStopBits"), stopBitsTexts(), stopBitsText(settings.stopBits));
    m_parity = addCombo(QStringLiteral("cbParity"), parityTexts(), parityText(settings.parity));
    m_flow = addCombo(QStringLiteral("cbFlowControl"), flowControlTexts(), flowText(settings.flow));

    form->addRow(QStringLiteral("Порт"), m_port);
    form->addRow(QStringLiteral("Швидкість"), m_baud);
    form->addRow(QStringLiteral("Біти даних"), m_dataBits);
    form->addRow(QStringLiteral("Стоп-біти"), m_stopBits);
    form->addRow(QStringLiteral("Парність"), m_parity);
    form->addRow(QStringLiteral("Керування потоком"), m_flow);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    form->addRow(buttons);
}

QComboBox *PortSettingsDialog::addCombo(const QString &name, const QStringList &items,
                                        const QString &current)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->addItems(items);
    combo->setCurrentIndex(std::max<qsizetype>(0, items.indexOf(current)));
    return combo;
}

PortSettings PortSettingsDialog::settings() const
{
    PortSettings s = m_initial;
    s.port = m_port->currentText().trimmed();
    const int baud = m_baud->currentText().toInt();
    if (baud > 0) {
        s.baudRate = baud;
        s.customBaud = !standardBaudRateTexts().contains(QString::number(baud));
    }
    s.dataBits = dataBitsFromText(m_dataBits->currentText());
    s.stopBits = stopBitsFromText(m_stopBits->currentText());
    s.parity = parityFromText(m_parity->currentText());
    s.flow = flowFromText(m_flow->currentText());
    return s;
}
