#pragma once

#include "hexfile.h"
#include "programmerview.h"

#include <QWidget>
#include <memory>

class QComboBox;
class QLabel;
class QPushButton;
class Shell;
struct FlowResult;

// The firmware programmer: an MDI child that shows what a HEX file holds and writes it
// into the connected device (after identifying it) or into the configurator.
class TProgrammatorForm : public QWidget
{
    Q_OBJECT
public:
    explicit TProgrammatorForm(Shell &shell, QWidget *parent = nullptr);
    ~TProgrammatorForm() override;

    // Checks the whole file and shows what it holds; a damaged file is refused with a
    // message naming its line, and the load button stays disabled. False when refused.
    bool OpenHex(const QString &fileName);
    // Offers the targets of a port speed (after the port settings have changed).
    void fillTargets(qint32 baudRate);
    void abtnLoadClick();
    // The load button follows the main window's transfer commands: one exchange at a time.
    void setTransfersEnabled(bool enabled);

    const HexFirmware &firmware() const { return m_firmware; }
    bool isIdle() const { return !m_writing; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void showSummary(const QString &fileName, const HexFile &file);
    void refuse(const HexError &error);
    void fitFrame();
    bool canStart(int target) const;
    bool flashOtherDevice(const DeviceIdentity &found);
    void EndRead(const FlowResult &result);

    Shell &m_shell;
    QString m_path; // the HEX file, as the archive names it
    HexFirmware m_firmware;
    QLabel *m_fileName;
    QLabel *m_fileSize;
    QLabel *m_addresses;
    QLabel *m_bytes;
    QLabel *m_deviceName;
    QLabel *m_crc;
    QLabel *m_state;
    QComboBox *m_target;
    QPushButton *m_load;
    bool m_writing = false;
    bool m_placed = false;
    bool m_loadable = false; // the file opened can be written
};

// The programmer window of the shell's window area, brought forward or created (one at
// most); it follows changes of the port settings.
TProgrammatorForm *showProgrammer(Shell &shell);
