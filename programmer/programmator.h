#pragma once

#include "hexfile.h"

#include <QElapsedTimer>
#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class Shell;
class TMainCPort;

// The firmware programmer: an MDI child that writes the firmware of a HEX file into the
// connected device or into the configurator.
class TProgrammatorForm : public QWidget
{
    Q_OBJECT
public:
    explicit TProgrammatorForm(Shell &shell, QWidget *parent = nullptr);
    ~TProgrammatorForm() override;

    // Reads the file into fresh block lists and offers the targets the stored port speed
    // allows. False when the file cannot be read (error 10 has been shown).
    bool OpenHex(const QString &fileName);
    // Offers the targets of a port speed (after the port settings have changed).
    void fillTargets(qint32 baudRate);
    void abtnLoadClick();
    // The load button follows the main window's transfer commands: one exchange at a time.
    void setTransfersEnabled(bool enabled);

    const HexFirmware &firmware() const { return m_firmware; }
    bool isIdle() const { return m_idle; }

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void EndRead();
    void ErrorTransmit();
    void finish();

    Shell &m_shell;
    HexFirmware m_firmware;
    QLabel *m_deviceName;
    QComboBox *m_target;
    QPushButton *m_load;
    std::unique_ptr<TMainCPort> m_link;
    std::unique_ptr<TPacketList> m_list;
    QElapsedTimer m_started;
    bool m_idle = true;
};

class TMainForm;

// The main window's programmer window, brought forward or created (one at most); it
// follows changes of the port settings.
TProgrammatorForm *showProgrammer(TMainForm &mainForm);
