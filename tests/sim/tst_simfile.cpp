// Settings files into and out of a simulated device: every image byte lands at its device
// address, bytes outside the layout are saved as 0, and a file of the wrong size or model
// changes nothing.
#include "settingsfile.h"
#include "simtesthelpers.h"

#include <QTest>

Q_DECLARE_METATYPE(SettingsFileError)

namespace {

// A small model: EEPROM image of 4 bytes, memory image of 6; memory image byte 5 has no
// place in the device.
SettingsFileLayout smallLayout()
{
    using Image = FileSegment::Image;
    return {0x1E, 4, 6,
            {{Image::Eeprom, 0, 2, SimArea::Eeprom, 0x00},
             {Image::Eeprom, 2, 2, SimArea::Eeprom, 0x40},
             {Image::Memory, 0, 4, SimArea::Memory, 0x4800},
             {Image::Memory, 4, 1, SimArea::Short, 0xC1}}};
}

const QString kGoodFile = QStringLiteral("1E 02 A1 A2 A3 A4 B1 B2 B3 B4 B5 B6");

// The device bytes that the small layout covers, in layout order.
QByteArray coveredBytes(const SimDevice &device)
{
    return *device.read(SimArea::Eeprom, 0x00, 2) + *device.read(SimArea::Eeprom, 0x40, 2)
           + *device.read(SimArea::Memory, 0x4800, 4) + *device.read(SimArea::Short, 0xC1, 1);
}

} // namespace

class TstSimFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void load_data();
    void load();
    void saveGivesWhatWasLoaded();
};

void TstSimFile::load_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<SettingsFileError>("error");
    QTest::addColumn<QString>("covered"); // device bytes afterwards, in layout order

    QTest::newRow("each-segment-at-its-address")
        << kGoodFile << SettingsFileError::None << "A1 A2 A3 A4 B1 B2 B3 B4 B5";
    QTest::newRow("one-byte-short") << "1E 02 A1 A2 A3 A4 B1 B2 B3 B4 B5"
                                    << SettingsFileError::WrongSize << "00*9";
    QTest::newRow("one-byte-long") << kGoodFile + " FF" << SettingsFileError::WrongSize << "00*9";
    QTest::newRow("header-only") << "1E 02" << SettingsFileError::WrongSize << "00*9";
    QTest::newRow("other-model") << "17 02 A1 A2 A3 A4 B1 B2 B3 B4 B5 B6"
                                 << SettingsFileError::OtherModel << "00*9";
}

void TstSimFile::load()
{
    QFETCH(QString, file);
    QFETCH(SettingsFileError, error);
    QFETCH(QString, covered);
    SimDevice device(0x1E, 2);
    QCOMPARE(loadSettingsFile(smallLayout(), hexBytes(file), device), error);
    QCOMPARE(coveredBytes(device), hexBytes(covered));
}

void TstSimFile::saveGivesWhatWasLoaded()
{
    SimDevice device(0x1E, 3); // the header carries the device's own variant
    QCOMPARE(loadSettingsFile(smallLayout(), hexBytes(kGoodFile), device), SettingsFileError::None);
    QCOMPARE(saveSettingsFile(smallLayout(), device),
             hexBytes("1E 03 A1 A2 A3 A4 B1 B2 B3 B4 B5 00"));
}

QTEST_GUILESS_MAIN(TstSimFile)
#include "tst_simfile.moc"
