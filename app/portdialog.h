#pragma once

#include "portsettings.h"

#include <QDialog>

class QComboBox;

// Port settings: the ports the system lists (a typed name or path is accepted too, since
// pseudo-terminals are never listed), baud rate, data bits, stop bits, parity and flow
// control.
class PortSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    PortSettingsDialog(const PortSettings &settings, QWidget *parent = nullptr);

    // The settings as the controls show them now, whatever button closed the dialog.
    PortSettings settings() const;

private:
    QComboBox *addCombo(const QString &name, const QStringList &items, const QString &current);

    PortSettings m_initial;
    QComboBox *m_port;
    QComboBox *m_baud;
    QComboBox *m_dataBits;
    QComboBox *m_stopBits;
    QComboBox *m_parity;
    QComboBox *m_flow;
};
