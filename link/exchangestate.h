#pragma once

#include <QByteArray>

// What the link stores the replies of an exchange into: the two settings images and what
// the device or a configurator slot said it is.
struct ExchangeState {
    QByteArray EepromImage;
    QByteArray MemoryImage;
    quint8 DeviceType = 0;
    quint8 FirmwareVariant = 0;

    // Sizes both images and clears them to zero.
    void resetImages(int eepromSize, int memorySize)
    {
        EepromImage = QByteArray(eepromSize, '\0');
        MemoryImage = QByteArray(memorySize, '\0');
    }
};
