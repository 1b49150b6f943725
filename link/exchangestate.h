#pragma once

#include <QByteArray>

// The state of the current transfer, one set for the whole program (one exchange runs at
// a time). The application owns it; the main window, the editors and the link share it.
struct ExchangeState {
    QByteArray EepromImage;
    QByteArray MemoryImage;
    quint8 DeviceType = 0;
    quint8 FirmwareVariant = 0;
    bool WriteRequested = false; // the identification before a write to the device runs
    bool FillingControls = false; // the program, not the user, is changing editor controls

    // Sizes both images and clears them to zero.
    void resetImages(int eepromSize, int memorySize)
    {
        EepromImage = QByteArray(eepromSize, '\0');
        MemoryImage = QByteArray(memorySize, '\0');
    }
};

// Sets FillingControls for the life of the guard and restores the previous value.
class FillingControlsGuard
{
public:
    explicit FillingControlsGuard(ExchangeState &state)
        : m_state(state), m_previous(state.FillingControls)
    {
        m_state.FillingControls = true;
    }
    ~FillingControlsGuard() { m_state.FillingControls = m_previous; }
    FillingControlsGuard(const FillingControlsGuard &) = delete;
    FillingControlsGuard &operator=(const FillingControlsGuard &) = delete;

private:
    ExchangeState &m_state;
    bool m_previous;
};
