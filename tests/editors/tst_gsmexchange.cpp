// The GSM module editors against the in-process simulator: read, edit and write with the
// check that reads back; a configurator slot applied to a module gives it the bytes a
// direct write gives; version adoption; byte 53 choosing the variant; the typing rules.
#include "deviceimages.h"
#include "editorbench.h"
#include "gsm4editor.h"
#include "gsmcodec.h"
#include "gsmeditor.h"
#include "gsmfields.h"
#include "panelencoding.h"
#include "slotapply.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QRegularExpression>
#include <QTest>

namespace {

// The time a checked write's status names ("о 14:32:05"), left out where it does not matter.
const QRegularExpression kCheckedAt(QStringLiteral(" о \\d\\d:\\d\\d:\\d\\d"));

struct DeviceBytes {
    QByteArray eeprom;
    QByteArray memory;
    friend bool operator==(const DeviceBytes &, const DeviceBytes &) = default;
};

DeviceBytes bytesOf(const SimDevice &device)
{
    return {*device.read(SimArea::Eeprom, 0, SimDevice::kEepromSize),
            *device.read(SimArea::Memory, 0, SimDevice::kMemorySize)};
}

GprsTexts distinctiveGprs(int identifierDigits)
{
    GprsTexts t;
    const QString id = QStringLiteral("123456").left(identifierDigits);
    const QStringList texts{
        id,   "4321", "internet.example", "Мережа", "192.168.1.10", "10.0.0.1", "5000", "5001", "7001", "702",
        "15", "240"};
    for (int i = 0; i < kGprsFieldCount; ++i)
        t[std::size_t(i)] = texts[i];
    return t;
}

GsmSettings distinctiveGsm()
{
    return {GsmChannel::Gprs, distinctiveGprs(4)};
}

Gsm4Settings distinctiveGsm4(Gsm4Variant variant)
{
    Gsm4Settings s = gsm4Defaults(variant);
    s.common = {variant == Gsm4Variant::Gsm4 ? GsmChannel::Csd : GsmChannel::Gprs,
                distinctiveGprs(variant == Gsm4Variant::Gsm4 ? 4 : 6)};
    s.inputTypes = {InputType::Fire, InputType::Fault};
    s.risingLevel = {true, false};
    s.objectNumber = QStringLiteral("1234");
    s.telephones[0] = {QStringLiteral("0441234567"), endFilledDigits(QStringLiteral("0441234567"), 18),
                       false};
    s.telephones[1] = {QStringLiteral("12345"), endFilledDigits(QStringLiteral("12345"), 18), false};
    s.protocol = Gsm4Protocol::V110;
    s.dialInterval = QStringLiteral("12");
    for (int i = 0; i < gsm4::kEventCodeCount; ++i)
        s.eventCodes[std::size_t(i)] = QString::number(100 + i);
    return s;
}

// The IP fields read back as the module holds them, normalised.
GprsTexts asReadBack(GprsTexts t)
{
    for (GprsField f : {GprsField::Ip, GprsField::AltIp})
        t[std::size_t(f)] = normalisedIp(t[std::size_t(f)]);
    return t;
}

} // namespace

class TstGsmExchange : public QObject, private EditorBench
{
    Q_OBJECT
private Q_SLOTS:
    void init() { startBench(); }
    void cleanup() { stopBench(); }
    void gsmReadEditWrite_data();
    void gsmReadEditWrite();
    void gsm4ReadPicksTheVariantByByte53_data();
    void gsm4ReadPicksTheVariantByByte53();
    void directWriteAndAppliedSlotGiveTheSameModule_data();
    void directWriteAndAppliedSlotGiveTheSameModule();
    void versionAdoption_data();
    void versionAdoption();
    void storedBytesSurviveReadThenWrite();
    void typingRules();

private:
    void putGsm4(Gsm4Variant variant, const Gsm4Settings &settings);
    void showDistinctive(EditorWindow *editor, quint8 variant);
    void trigger(const char *action);
};

void TstGsmExchange::trigger(const char *action)
{
    m_form->findChild<QAction *>(action)->trigger();
    waitForEnd();
}

void TstGsmExchange::putGsm4(Gsm4Variant variant, const Gsm4Settings &settings)
{
    const settingsfile::Images images{encodeGsm4Eeprom(settings, variant),
                                      encodeGsm4Memory(settings, variant)};
    putImages(images, *imageSegments(Model::ZmuGsm4, m_device->variant()), *m_device);
}

void TstGsmExchange::gsmReadEditWrite_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("portAddress"); // edPortPPK in the module
    QTest::newRow("version-1") << 1 << 0x7338;
    QTest::newRow("version-2") << 2 << 0x7338;
    QTest::newRow("version-4") << 4 << 0x6E38;
}

// The check after the write reads every block back: the IP block's second 0xFF lies under
// the port written after it, which must not count as a difference.
void TstGsmExchange::gsmReadEditWrite()
{
    QFETCH(int, version);
    QFETCH(int, portAddress);
    makeSimulator(Model::ZmuGsm, quint8(version));
    const GsmSettings wanted = distinctiveGsm();
    putImages({encodeGsmEeprom(wanted), encodeGprsMemory(wanted.gprs, IdentifierForm::Gsm)},
              *imageSegments(Model::ZmuGsm, quint8(version)), *m_device);

    trigger("tbReadDev");
    auto *editor = qobject_cast<TZMU_GSMForm *>(m_form->activeEditor());
    QVERIFY(editor);
    QCOMPARE(int(editor->editorVariant()), version);
    QCOMPARE(editor->windowTitle(), QStringLiteral("ЗМУ-GSM   -   завантажено з приладу"));
    QCOMPARE(editor->settings().channel, GsmChannel::Gprs);
    QCOMPARE(editor->settings().gprs, asReadBack(wanted.gprs));

    auto *port = editor->findChild<QLineEdit *>("edPortPPK");
    port->setText("81");
    Q_EMIT port->textEdited(port->text());
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral("змінено користувачем")));
    trigger("tbLoadDev");
    const QString status = m_form->statusText(0).remove(kCheckedAt);
    QVERIFY2(status.startsWith(QStringLiteral("Записано і перевірено: 1 налаштування (")), qPrintable(status));
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(*m_device->read(SimArea::Memory, portAddress, 4), QByteArray("0081"));
    QCOMPARE(*m_device->read(SimArea::Eeprom, 0x40, 2), QByteArray("\x01\x02", 2));
    QCOMPARE(*m_device->read(SimArea::Eeprom, 0xFE, 1), QByteArray("\x0F"));
}

void TstGsmExchange::gsm4ReadPicksTheVariantByByte53_data()
{
    QTest::addColumn<int>("moduleVersion");
    QTest::addColumn<int>("stored"); // the variant the module's settings were made for
    QTest::addColumn<QString>("title");
    QTest::newRow("version-1-module-holding-s112") << 1 << int(Gsm4Variant::S112) << "ЗМУ-С112.4";
    QTest::newRow("version-2-module-holding-gsm4") << 2 << int(Gsm4Variant::Gsm4) << "ЗМУ-GSM.4";
}

void TstGsmExchange::gsm4ReadPicksTheVariantByByte53()
{
    QFETCH(int, moduleVersion);
    QFETCH(int, stored);
    QFETCH(QString, title);
    const Gsm4Variant variant = Gsm4Variant(stored);
    makeSimulator(Model::ZmuGsm4, quint8(moduleVersion));
    const Gsm4Settings wanted = distinctiveGsm4(variant);
    putGsm4(variant, wanted);

    trigger("tbReadDev");
    auto *editor = qobject_cast<TZMU_GSM4Form *>(m_form->activeEditor());
    QVERIFY(editor);
    QCOMPARE(editor->title(), title);
    QCOMPARE(editor->variant(), variant);
    const bool s112 = variant == Gsm4Variant::S112;
    QCOMPARE(editor->findChild<QComboBox *>("cbChannelType")->isEnabled(), !s112);
    QCOMPARE(editor->findChild<QLineEdit *>("edHideNumZMU")->isEnabled(), !s112);
    Gsm4Settings expected = wanted;
    expected.common.gprs = asReadBack(wanted.common.gprs);
    if (s112)
        expected.common.text(GprsField::HiddenCode).clear(); // never read for this variant
    QCOMPARE(editor->settings(), expected);
    QCOMPARE(editor->findChild<QLabel *>("lbLoop3")->text(), QStringLiteral("з 0 в 1"));
}

void TstGsmExchange::showDistinctive(EditorWindow *window, quint8 variant)
{
    if (auto *gsm = qobject_cast<TZMU_GSMForm *>(window)) {
        gsm->showSettings(distinctiveGsm());
        return;
    }
    auto *gsm4 = qobject_cast<TZMU_GSM4Form *>(window);
    gsm4->showSettings(distinctiveGsm4(gsm4Variant(variant)));
}

void TstGsmExchange::directWriteAndAppliedSlotGiveTheSameModule_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("editorVariant");
    QTest::addColumn<int>("moduleVersion");
    QTest::addColumn<int>("slot");
    QTest::newRow("gsm-version-1-slot-1") << int(Model::ZmuGsm) << 1 << 1 << 1;
    QTest::newRow("gsm-version-4-slot-3") << int(Model::ZmuGsm) << 4 << 4 << 3;
    QTest::newRow("gsm4-slot-2") << int(Model::ZmuGsm4) << 1 << 1 << 2;
    QTest::newRow("s112-on-a-version-2-module-slot-4") << int(Model::ZmuGsm4) << 2 << 2 << 4;
}

void TstGsmExchange::directWriteAndAppliedSlotGiveTheSameModule()
{
    QFETCH(int, model);
    QFETCH(int, editorVariant);
    QFETCH(int, moduleVersion);
    QFETCH(int, slot);
    const Model m = Model(model);
    makeSimulator(m, quint8(moduleVersion));
    EditorWindow *editor = m_form->openEditor(m, quint8(editorVariant));
    showDistinctive(editor, quint8(editorVariant));
    trigger("tbLoadDev");
    QCOMPARE(m_form->statusText(0).remove(kCheckedAt), QStringLiteral("Записано і перевірено"));
    const DeviceBytes direct = bytesOf(*m_device);

    makeSimulator(m, quint8(moduleVersion)); // a module never written, the same configurator
    m_form->writeSlot(slot);
    waitForEnd();
    QVERIFY2(m_dialogs->messages.isEmpty(), qPrintable(m_dialogs->lastText()));
    const SlotApplyResult applied = applySlot(m_configurator, slot, *m_device);
    QCOMPARE(applied.error, SlotApplyResult::Error::None);
    QCOMPARE(applied.blocksCopied, m == Model::ZmuGsm ? 2 + 12 : 4 + 12);
    const DeviceBytes fromSlot = bytesOf(*m_device);
    QCOMPARE(fromSlot.eeprom.toHex(), direct.eeprom.toHex());
    QVERIFY(fromSlot.memory == direct.memory);

    // Read back from the slot into a fresh window: the same settings.
    m_form->mdiArea()->closeAllSubWindows();
    QTRY_VERIFY(!m_form->activeEditor());
    m_form->readSlot(slot);
    waitForEnd();
    QVERIFY(m_form->activeEditor());
    QCOMPARE(int(m_form->activeEditor()->model()), model);
    if (auto *gsm4 = qobject_cast<TZMU_GSM4Form *>(m_form->activeEditor())) {
        const Gsm4Settings wanted = distinctiveGsm4(gsm4Variant(quint8(editorVariant)));
        QCOMPARE(gsm4->variant(), gsm4Variant(quint8(editorVariant)));
        QCOMPARE(gsm4->settings().common.text(GprsField::Identifier),
                 wanted.common.text(GprsField::Identifier));
        QCOMPARE(gsm4->settings().eventCodes, wanted.eventCodes);
    } else {
        QCOMPARE(qobject_cast<TZMU_GSMForm *>(m_form->activeEditor())->settings().gprs,
                 asReadBack(distinctiveGsm().gprs));
    }
}

void TstGsmExchange::versionAdoption_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("editorVariant");
    QTest::addColumn<QList<int>>("moduleVersions"); // written one after the other
    QTest::addColumn<bool>("lastRefused");
    QTest::addColumn<int>("storedVersion");
    QTest::newRow("gsm-version-1-window-writes-version-2")
        << int(Model::ZmuGsm) << 1 << QList<int>{2} << false << 2;
    QTest::newRow("gsm-version-4-window-refuses-version-2")
        << int(Model::ZmuGsm) << 4 << QList<int>{2} << true << 4;
    QTest::newRow("gsm4-window-writes-version-2") << int(Model::ZmuGsm4) << 1 << QList<int>{2} << false << 2;
    QTest::newRow("s112-window-writes-version-1") << int(Model::ZmuGsm4) << 2 << QList<int>{1} << false << 1;
    QTest::newRow("gsm4-having-taken-2-refuses-1")
        << int(Model::ZmuGsm4) << 1 << QList<int>{2, 1} << true << 2;
}

void TstGsmExchange::versionAdoption()
{
    QFETCH(int, model);
    QFETCH(int, editorVariant);
    QFETCH(QList<int>, moduleVersions);
    QFETCH(bool, lastRefused);
    QFETCH(int, storedVersion);
    const Model m = Model(model);
    makeSimulator(m, quint8(moduleVersions.first()));
    EditorWindow *editor = m_form->openEditor(m, quint8(editorVariant));
    for (int version : moduleVersions) {
        makeSimulator(m, quint8(version));
        m_requests.clear();
        trigger("tbLoadDev");
    }
    QCOMPARE(m_dialogs->lastText(),
             lastRefused ? QStringLiteral("Дані не відповідають типу приладу") : QString());
    if (lastRefused)
        QCOMPARE(m_requests.size(), 1); // the identification only
    else
        QCOMPARE(m_form->statusText(0).remove(kCheckedAt), QStringLiteral("Записано і перевірено"));
    auto *gsm4 = qobject_cast<TZMU_GSM4Form *>(editor);
    QCOMPARE(int(gsm4 ? gsm4->storedVersion() : editor->editorVariant()), storedVersion);
    if (gsm4)
        QCOMPARE(int(editor->editorVariant()), editorVariant); // the variant stays
}

// Bytes the fields cannot show as numbers (hexadecimal letters, a first code byte above a
// digit) read back as stored, are marked where they are not typeable, and a read-then-write
// leaves the module as it was.
void TstGsmExchange::storedBytesSurviveReadThenWrite()
{
    makeSimulator(Model::ZmuGsm4, 1);
    Gsm4Settings s = distinctiveGsm4(Gsm4Variant::Gsm4);
    s.common.text(GprsField::Identifier) = QStringLiteral("12AB");
    s.common.text(GprsField::PortPcs) = QStringLiteral("0a0f");
    s.objectNumber = QStringLiteral("A1B");
    s.dialInterval = QStringLiteral("5A");
    putGsm4(Gsm4Variant::Gsm4, s);
    m_device->write(SimArea::Eeprom, 0x40 + gsm4::kEventCodes, QByteArray("\x1A\x23", 2));
    m_device->write(SimArea::Memory, 0x6B00, QByteArray("\xFF\x00\x31\x32", 4)); // hidden code
    const DeviceBytes before = bytesOf(*m_device);

    trigger("tbReadDev");
    auto *editor = qobject_cast<TZMU_GSM4Form *>(m_form->activeEditor());
    QVERIFY(editor);
    QCOMPARE(editor->findChild<QLineEdit *>("edS1")->text(), QStringLiteral("1A23"));
    QVERIFY(editor->findChild<QLineEdit *>("edS1")->property("adjusted").toBool());
    QVERIFY(editor->findChild<QLineEdit *>("edHideNumZMU")->property("adjusted").toBool());
    QVERIFY(!editor->findChild<QLineEdit *>("edIdentZMU")->property("adjusted").toBool());
    QCOMPARE(editor->findChild<QLineEdit *>("edIdentZMU")->text(), QStringLiteral("12AB"));
    QCOMPARE(editor->findChild<QLineEdit *>("edNumDev")->text(), QStringLiteral("A1B"));

    trigger("mnWriteAll"); // every byte goes back, as the editor encodes it
    QCOMPARE(m_form->statusText(0).remove(kCheckedAt), QStringLiteral("Записано і перевірено"));
    QVERIFY(bytesOf(*m_device) == before);
}

void TstGsmExchange::typingRules()
{
    makeSimulator(Model::ZmuGsm, 1);
    m_form->show(); // keys reach only controls on screen
    auto *editor = qobject_cast<TZMU_GSMForm *>(m_form->openEditor(Model::ZmuGsm, 1));
    auto *gprs = editor->findChild<QGroupBox *>("gbGPRS");
    QVERIFY(!gprs->isEnabled()); // CSD after a reset
    auto *channel = editor->findChild<QComboBox *>("cbChannelType");
    channel->setCurrentIndex(1);
    Q_EMIT channel->activated(1);
    QVERIFY(gprs->isEnabled());
    QCOMPARE(editor->windowTitle(), QStringLiteral("ЗМУ-GSM")); // the channel is no change

    auto *ip = editor->findChild<QLineEdit *>("edIP");
    ip->setCursorPosition(0);
    QTest::keyClicks(ip, "19");
    QVERIFY(m_dialogs->messages.isEmpty()); // "19 .   .   .   " reads as 019.000.000.000
    ip->setCursorPosition(0);
    QTest::keyClicks(ip, "300");
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Неправильна IP адреса"));
    QCOMPARE(ip->text(), QStringLiteral("..."));
    QCOMPARE(editor->windowTitle(), QStringLiteral("ЗМУ-GSM")); // nor are the IP addresses

    auto *interval = editor->findChild<QLineEdit *>("edIntervalMessages");
    QCOMPARE(interval->text(), QStringLiteral("0")); // a reset shows the intervals as 0
    interval->selectAll();
    QTest::keyClicks(interval, "250");
    QCOMPARE(interval->text(), QStringLiteral("240"));
    QCOMPARE(interval->selectedText(), QStringLiteral("240"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Час може бути тільки від 1 до 240 хвилин"));
    QVERIFY(editor->windowTitle().endsWith(QStringLiteral("змінено користувачем")));

    auto *identifier = editor->findChild<QLineEdit *>("edIdentZMU");
    QTest::keyClicks(identifier, "1a");
    QCOMPARE(identifier->text(), QStringLiteral("1"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("Потрібно вводити тільки цифри."));
}

QTEST_MAIN(TstGsmExchange)
#include "tst_gsmexchange.moc"
