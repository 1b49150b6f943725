#include "editortransfers.h"

#include "comport.h"
#include "crc32.h"
#include "dialogs.h"
#include "exchangesession.h"
#include "portsettings.h"
#include "proc.h"
#include "recordfiles.h"
#include "shell.h"

#include <QStandardPaths>

namespace {

quint32 crcOf(const QByteArray &bytes)
{
    Crc32 crc;
    crc.add(bytes);
    return crc.value();
}

} // namespace

EditorTransfers::EditorTransfers(TransferHost &host, Shell &shell, QObject *parent)
    : QObject(parent), m_host(host), m_shell(shell), m_session(new ExchangeSession(shell, this))
{
    connect(m_session, &ExchangeSession::finished, this, &EditorTransfers::ended);
    connect(m_session, &ExchangeSession::failed, this,
            [this] { stopped(QStringLiteral("зчитування не завершено")); });
    connect(m_session, &ExchangeSession::cancelled, this,
            [this] { stopped(QStringLiteral("зчитування скасовано")); });
}

EditorTransfers::~EditorTransfers() = default;

bool EditorTransfers::running() const
{
    return m_session->running();
}

SettingsImages EditorTransfers::images() const
{
    const ExchangeState &state = m_shell.exchange();
    return {state.EepromImage, state.MemoryImage};
}

void EditorTransfers::setImages(const SettingsImages &images)
{
    m_shell.exchange().EepromImage = images.eeprom;
    m_shell.exchange().MemoryImage = images.memory;
}

QList<SettingField> EditorTransfers::fieldsOf(const SettingsImages &images, quint8 variant) const
{
    const DeviceDefinition &d = m_host.definition();
    return d.settingFields ? d.settingFields(images, variant) : QList<SettingField>();
}

// Reads the whole device into the shared images, as the model reads it.
void EditorTransfers::readInto(Step step, const Operation &operation)
{
    const DeviceDefinition &d = m_host.definition();
    m_shell.exchange().resetImages(d.eepromSize, d.deviceReadMemorySize());
    m_step = step;
    m_operation = operation;
    if (!m_session->start(operation, d.deviceRead(m_shell.exchange().FirmwareVariant, PortSettings::load().baudRate)))
        m_step = Step::Idle;
}

void EditorTransfers::readDevice()
{
    m_resumeFrom.reset();
    readInto(Step::Reading, {Operation::Kind::ReadDevice});
}

void EditorTransfers::readSlot(int slot)
{
    m_resumeFrom.reset();
    const DeviceDefinition &d = m_host.definition();
    m_shell.exchange().resetImages(d.eepromSize, d.memorySize);
    m_step = Step::Reading;
    m_operation = {Operation::Kind::ReadSlot, slot};
    if (!m_session->start(m_operation, d.slotRead(m_host.editorVariant(), slot)))
        m_step = Step::Idle;
}

// When the device was read before in this session, it is read again first: a device that
// changed since is not overwritten without the user seeing what changed.
void EditorTransfers::writeDevice()
{
    m_host.encodeImages();
    m_write = Write{{Operation::Kind::WriteDevice}, m_host.definition().deviceWrite(m_host.editorVariant()), images()};
    m_resumeFrom.reset();
    if (!m_lastRead) {
        startWrite(*m_write);
        return;
    }
    m_kept = m_write->sent;
    readInto(Step::CheckingDevice, {Operation::Kind::CompareDevice});
}

void EditorTransfers::writeSlot(int slot)
{
    m_host.encodeImages();
    const TransferHost::SlotWrite write = m_host.slotWrite(slot);
    m_shell.exchange().FirmwareVariant = write.recordedVariant;
    startWrite({{Operation::Kind::WriteSlot, slot}, write.plan, images()});
}

void EditorTransfers::startWrite(const Write &write)
{
    m_write = write;
    m_resumeFrom.reset();
    m_record.reset();
    m_writeStarted.start();
    setImages(write.sent);
    m_step = Step::Writing;
    m_operation = write.operation;
    if (!m_session->start(write.operation, write.plan))
        m_step = Step::Idle;
}

bool EditorTransfers::slotWriteCut() const
{
    return m_resumeFrom && m_write && m_write->operation.kind == Operation::Kind::WriteSlot;
}

bool EditorTransfers::resumeWrite()
{
    if (!m_resumeFrom || !m_write)
        return false;
    const PlannedExchange &cut = m_session->planned();
    PlannedExchange rest;
    rest.list = cut.list.from(*m_resumeFrom);
    rest.stageStarts = {0};
    rest.stageTexts = {cut.stageTextAt(*m_resumeFrom)};
    m_resumeFrom.reset();
    m_writeStarted.start();
    setImages(m_write->sent);
    m_step = Step::Writing;
    m_operation = m_write->operation;
    if (!m_session->start(m_operation, std::move(rest)))
        m_step = Step::Idle;
    return true;
}

void EditorTransfers::compareWithDevice()
{
    m_resumeFrom.reset();
    m_host.encodeImages();
    m_kept = images();
    readInto(Step::Comparing, {Operation::Kind::CompareDevice});
}

void EditorTransfers::compareWithFile(const settingsfile::Contents &file)
{
    m_host.encodeImages();
    const QList<FieldDifference> list = differences(fieldsOf(images(), m_host.editorVariant()),
                                                    fieldsOf({file.images.eeprom, file.images.memory}, file.header.variant));
    dialogs().showMessage(Dialogs::Kind::Information,
                          list.isEmpty() ? QStringLiteral("Налаштування редактора і файлу не відрізняються.")
                                         : differenceText(list, QStringLiteral("редактор"), QStringLiteral("файл")));
}

void EditorTransfers::ended()
{
    const Step step = std::exchange(m_step, Step::Idle);
    switch (step) {
    case Step::Reading: afterRead(); break;
    case Step::CheckingDevice: afterDeviceCheck(); break;
    case Step::Writing:
        if (m_shell.verifyAfterWrite())
            startVerification();
        else if (m_write->operation.kind == Operation::Kind::WriteDevice)
            m_lastRead.reset(); // not read back: what the device holds is not known
        break;
    case Step::Verifying: afterVerification(); break;
    case Step::Comparing: afterComparison(); break;
    case Step::Idle: break;
    }
}

// A failed or cancelled exchange: a cut write can go on later; a read leaves the controls
// as they were (they are not the device's).
void EditorTransfers::stopped(const QString &readState)
{
    const Step step = std::exchange(m_step, Step::Idle);
    if (step == Step::Writing)
        m_resumeFrom = m_session->resumeFrom();
    if (step == Step::CheckingDevice || step == Step::Verifying || step == Step::Comparing)
        setImages(m_kept);
    if (step == Step::Reading)
        m_host.showState(readState);
}

void EditorTransfers::afterRead()
{
    m_host.showImages();
    m_host.holdSettings();
    m_host.showState(QStringLiteral("завантажено з приладу"));
    if (m_operation.kind == Operation::Kind::ReadDevice)
        m_lastRead = images();
}

void EditorTransfers::afterDeviceCheck()
{
    const SettingsImages now = images();
    setImages(m_kept);
    const TransferPlan readPlan =
        m_host.definition().deviceRead(m_shell.exchange().FirmwareVariant, PortSettings::load().baudRate);
    if (sameSettings(readPlan, now, *m_lastRead)) {
        startWrite(*m_write);
        return;
    }
    m_lastRead = now;
    m_shell.EndAnimation();
    const QString list = differenceText(differences(fieldsOf(m_kept, m_host.editorVariant()),
                                                    fieldsOf(now, m_shell.exchange().FirmwareVariant)),
                                        QStringLiteral("редактор"), QStringLiteral("прилад зараз"));
    if (!dialogs().askYesNo(QStringLiteral("Налаштування приладу змінилися після зчитування.\r%1\r"
                                           "Записати налаштування редактора?").arg(list))) {
        m_shell.setStatusText(0, QStringLiteral("Запис скасовано"));
        return;
    }
    m_shell.BeginAnimation();
    startWrite(*m_write);
}

void EditorTransfers::startVerification()
{
    const bool device = m_write->operation.kind == Operation::Kind::WriteDevice;
    const TransferPlan readPlan = device ? m_host.definition().deviceRead(m_host.editorVariant(), PortSettings::load().baudRate)
                                         : TransferPlan{};
    m_verification = verificationOf(m_write->plan, m_write->sent, readPlan);
    if (m_verification->reads.isEmpty())
        return;
    m_kept = m_write->sent;
    setImages({QByteArray(m_verification->expected.eeprom.size(), '\0'),
               QByteArray(m_verification->expected.memory.size(), '\0')});
    m_step = Step::Verifying;
    m_operation = device ? Operation{Operation::Kind::VerifyDevice}
                         : Operation{Operation::Kind::VerifySlot, m_write->operation.slot};
    if (!m_session->start(m_operation, m_verification->reads)) {
        m_step = Step::Idle;
        setImages(m_kept);
    }
}

QString EditorTransfers::targetText() const
{
    if (m_write->operation.kind == Operation::Kind::WriteSlot)
        return QStringLiteral("конфігуратор (конфігурація %1)").arg(m_write->operation.slot);
    return QStringLiteral("прилад");
}

void EditorTransfers::afterVerification()
{
    const SettingsImages scratch = images();
    setImages(m_kept);
    const VerifyResult result = checkVerification(*m_verification, m_write->sent, scratch);
    const quint8 variant = m_host.editorVariant();
    QStringList mismatches = result.otherMismatches;
    if (!result.matches) {
        const QString list = differenceText(differences(fieldsOf(m_write->sent, variant), fieldsOf(result.readBack, variant)),
                                            QStringLiteral("записано"), QStringLiteral("прочитано"));
        mismatches.prepend(list);
    }
    m_record = CommissioningRecord{m_host.title(), targetText(), m_shell.createLink()->settings().port,
                                   QDateTime::currentDateTime(), fieldsOf(result.readBack, variant),
                                   crcOf(result.readBack.eeprom), crcOf(result.readBack.memory),
                                   m_host.definition().eepromSize > 0, mismatches};
    if (result.matches) {
        if (m_write->operation.kind == Operation::Kind::WriteDevice)
            m_lastRead = m_write->sent;
        m_shell.setStatusText(0, QStringLiteral("Записано і перевірено"));
        m_shell.setStatusText(1, QStringLiteral("Time execute   %1 ms").arg(m_writeStarted.elapsed()));
        m_host.showState(QStringLiteral("записано і перевірено"));
        return;
    }
    m_lastRead.reset();
    m_shell.EndAnimation();
    m_shell.setStatusText(0, QStringLiteral("Записані дані не збігаються з прочитаними"));
    m_host.showState(QStringLiteral("записано з розбіжностями"));
    writeAgainIfWanted(mismatches.join(u'\r'));
}

void EditorTransfers::writeAgainIfWanted(const QString &what)
{
    if (!dialogs().askYesNo(QStringLiteral("Прочитане після запису відрізняється від записаного.\r%1\r"
                                           "Записати ще раз?").arg(what)))
        return;
    m_shell.BeginAnimation();
    startWrite(*m_write);
}

void EditorTransfers::afterComparison()
{
    const SettingsImages device = images();
    setImages(m_kept);
    m_lastRead = device;
    m_shell.EndAnimation();
    const QList<FieldDifference> list = differences(fieldsOf(m_kept, m_host.editorVariant()),
                                                    fieldsOf(device, m_shell.exchange().FirmwareVariant));
    dialogs().showMessage(Dialogs::Kind::Information,
                          list.isEmpty() ? QStringLiteral("Налаштування редактора і приладу не відрізняються.")
                                         : differenceText(list, QStringLiteral("редактор"), QStringLiteral("прилад")));
}

void EditorTransfers::saveRecord()
{
    if (!m_record) {
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("Немає перевіреного запису: запишіть налаштування з перевіркою."));
        return;
    }
    const QString folder = dialogs().existingDirectory(
        QStringLiteral("Папка для протоколу"), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    if (folder.isEmpty())
        return;
    const QStringList written = writeCommissioningRecord(folder, *m_record);
    if (written.isEmpty()) {
        ShowError(kErrWriteFile, folder);
        return;
    }
    m_shell.setStatusText(0, QStringLiteral("Протокол записано: %1").arg(written.first()));
}
