#pragma once

#include "connectioncheck.h"
#include "portsettings.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// Port settings: the ports the system lists, by name, path, description, maker and serial
// number (a typed name or path is accepted too, since pseudo-terminals are never listed),
// baud rate, data bits, stop bits, parity and flow control, and a connection check over
// the settings shown.
class PortSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    // `makeLink` makes the link the connection check talks through.
    PortSettingsDialog(const PortSettings &settings, ConnectionCheck::LinkMaker makeLink,
                       QWidget *parent = nullptr);

    // The settings as the controls show them now, whatever button closed the dialog.
    PortSettings settings() const;

private:
    QComboBox *createPortCombo(const QString &stored);
    // Shows `names`, keeps the stored `texts` as the items' data.
    QComboBox *addCombo(const QString &name, const QStringList &names, const QStringList &texts,
                        const QString &current);
    QString chosenPort() const;
    void checkConnection();
    void showVerdict(const QString &verdict);

    PortSettings m_initial;
    QComboBox *m_port;
    QComboBox *m_baud;
    QComboBox *m_dataBits;
    QComboBox *m_stopBits;
    QComboBox *m_parity;
    QComboBox *m_flow;
    QPushButton *m_check;
    QLabel *m_verdict;
    ConnectionCheck m_connectionCheck;
};
