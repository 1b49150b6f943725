#include "editortransfers.h"

#include "dialogs.h"
#include "editorstate.h"
#include "exchangereport.h"
#include "portsettings.h"
#include "archivesettings.h"
#include "recordfiles.h"
#include "recordsitedialog.h"
#include "shell.h"

#include <QAction>
#include <QTime>
#include <QWidget>

EditorTransfers::EditorTransfers(TransferHost &host, Shell &shell, QObject *parent)
    : QObject(parent), m_host(host), m_shell(shell)
{
}

EditorTransfers::~EditorTransfers() = default;

SettingsImages EditorTransfers::images() const
{
    const EditorState &state = m_shell.exchange();
    return {state.EepromImage, state.MemoryImage};
}

// The editor is busy until `done` has run; a flow that refuses (another operation runs)
// leaves it idle.
void EditorTransfers::run(const Start &start, const ExchangeFlow::Done &done)
{
    m_running = true;
    const bool started = start([this, done](const FlowResult &result) {
        m_running = false;
        done(result);
    });
    if (!started)
        m_running = false;
}

// The whole device, as the model reads the variant identified.
ReadJob EditorTransfers::deviceRead(const Operation &operation) const
{
    const DeviceDefinition &d = m_host.definition();
    return {operation, d.deviceRead(m_shell.exchange().FirmwareVariant, PortSettings::load().baudRate), d.eepromSize,
            d.deviceReadMemorySize()};
}

void EditorTransfers::read(const ReadJob &job)
{
    m_cut.reset();
    run([this, job](const ExchangeFlow::Done &done) { return m_shell.flow().read(job, done); },
        [this, operation = job.operation](const FlowResult &result) {
            afterRead(result, operation);
            record(operation.kind == Operation::Kind::ReadSlot ? EventKind::SlotRead : EventKind::Read, result);
        });
}

void EditorTransfers::readDevice()
{
    read(deviceRead({Operation::Kind::ReadDevice}));
}

void EditorTransfers::readSlot(int slot)
{
    const DeviceDefinition &d = m_host.definition();
    read({{Operation::Kind::ReadSlot, slot}, d.slotRead(m_host.editorVariant(), slot), d.eepromSize, d.memorySize});
}

// A read that did not complete leaves the controls as they were (they are not the device's).
void EditorTransfers::afterRead(const FlowResult &result, const Operation &operation)
{
    const bool cancelled = result.status == FlowResult::Status::Cancelled;
    if (reportStopped(m_shell, result, [this, cancelled] {
            m_host.showState(cancelled ? QStringLiteral("зчитування скасовано") : QStringLiteral("зчитування не завершено"));
        }))
        return;
    showElapsed(m_shell, result);
    m_shell.setStatusText(0, QStringLiteral("Обмін даними пройшов успішно"));
    m_shell.exchange().EepromImage = result.images.eeprom;
    m_shell.exchange().MemoryImage = result.images.memory;
    m_host.showImages();
    m_host.holdSettings();
    m_host.showState(QStringLiteral("завантажено з приладу"));
    if (operation.kind == Operation::Kind::ReadDevice)
        m_lastRead = result.images;
    m_shell.EndAnimation();
}

// When the device was read before in this session, the flow reads it again first: a
// device that changed since is not overwritten without the user seeing what changed.
void EditorTransfers::writeDevice(bool whole)
{
    m_host.encodeImages();
    const DeviceDefinition &d = m_host.definition();
    const quint8 variant = m_host.editorVariant();
    WriteJob job{{Operation::Kind::WriteDevice}, d.deviceWrite(variant), images(), variant, d.settingFields};
    job.check = m_shell.verifyAfterWrite();
    job.checkReadPlan = d.deviceRead(variant, PortSettings::load().baudRate);
    job.lastRead = m_lastRead;
    job.whole = whole;
    job.reRead = deviceRead({Operation::Kind::CompareDevice});
    job.deviceVariant = m_shell.exchange().FirmwareVariant;
    if (d.segments)
        job.segments = d.segments(variant);
    startWrite(job);
}

void EditorTransfers::writeSlot(int slot)
{
    m_host.encodeImages();
    const TransferHost::SlotWrite write = m_host.slotWrite(slot);
    m_shell.exchange().FirmwareVariant = write.recordedVariant;
    WriteJob job{{Operation::Kind::WriteSlot, slot}, write.plan, images(), m_host.editorVariant(),
                 m_host.definition().settingFields};
    job.check = m_shell.verifyAfterWrite();
    startWrite(job);
}

void EditorTransfers::startWrite(const WriteJob &job)
{
    m_cut.reset();
    m_record.reset();
    FlowQuestions questions;
    questions.writeOverChanges = [this](const QList<FieldDifference> &changes) { return writeOverChanges(changes); };
    run([this, job, questions](const ExchangeFlow::Done &done) { return m_shell.flow().write(job, questions, done); },
        [this, job](const FlowResult &result) { afterWrite(result, job); });
}

bool EditorTransfers::writeOverChanges(const QList<FieldDifference> &changes)
{
    m_shell.EndAnimation();
    const QString list = differenceText(changes, QStringLiteral("редактор"), QStringLiteral("прилад зараз"));
    if (!dialogs().askYesNoSafely(QStringLiteral("Налаштування приладу змінилися після зчитування.\r%1\r"
                                                 "Записати налаштування редактора?").arg(list))) {
        m_shell.setStatusText(0, QStringLiteral("Запис скасовано"));
        return false;
    }
    m_shell.BeginAnimation();
    return true;
}

bool EditorTransfers::slotWriteCut() const
{
    return m_cut && m_cut->job.operation.kind == Operation::Kind::WriteSlot;
}

bool EditorTransfers::resumeWrite()
{
    if (!m_cut)
        return false;
    const CutWrite cut = *std::exchange(m_cut, std::nullopt);
    run([this, cut](const ExchangeFlow::Done &done) { return m_shell.flow().resume(cut, done); },
        [this, cut](const FlowResult &result) { afterWrite(stillCut(result, cut), cut.job); });
    return true;
}

// A resumption that stopped before the target took any of the rest leaves the write where
// it was: it still goes on from there.
FlowResult EditorTransfers::stillCut(const FlowResult &result, const CutWrite &cut)
{
    FlowResult ended = result;
    if (!ended.cut && stoppedShort(ended) && ended.link.operation.kind == cut.job.operation.kind)
        ended.cut = cut;
    return ended;
}

// The write is recorded before any question whose answer starts the next one.
void EditorTransfers::afterWrite(const FlowResult &result, const WriteJob &job)
{
    if (result.deviceLearnt)
        m_lastRead = result.deviceNow;
    m_cut = result.cut;
    const EventKind kind = job.operation.kind == Operation::Kind::WriteSlot ? EventKind::SlotWrite : EventKind::Write;
    if (stoppedShort(result)) {
        record(kind, result, job.sent);
        reportStoppedWrite(result, job);
        return;
    }
    if (result.status != FlowResult::Status::Declined)
        showWritten(result, job);
    record(kind, result, job.sent);
    if (result.checked && !result.ok())
        writeAgainIfWanted(job, mismatchText(result));
}

void EditorTransfers::showWritten(const FlowResult &result, const WriteJob &job)
{
    if (!result.checked) {
        reportSuccess(m_shell, result);
        return;
    }
    keepRecord(result, job);
    showElapsed(m_shell, result);
    m_shell.EndAnimation();
    if (result.ok()) {
        m_shell.setStatusText(0, checkedStatus(result));
        m_host.showState(QStringLiteral("записано і перевірено"));
    } else {
        m_shell.setStatusText(0, QStringLiteral("Записані дані не збігаються з прочитаними"));
        m_host.showState(QStringLiteral("записано з розбіжностями"));
    }
}

QString EditorTransfers::mismatchText(const FlowResult &result)
{
    QStringList mismatches = result.otherMismatches;
    if (result.status == FlowResult::Status::Differs)
        mismatches.prepend(differenceText(result.differences, QStringLiteral("записано"), QStringLiteral("прочитано")));
    return mismatches.join(u'\r');
}

// The box says what the device holds now and offers the ways on: a write the target took
// part of goes on from where it stopped or is written whole again; a check that did not
// complete is made again. Enter presses nothing that writes.
void EditorTransfers::reportStoppedWrite(const FlowResult &result, const WriteJob &job)
{
    noteStopped(m_shell, result);
    Dialogs::ButtonBox box = stoppedBox(result);
    if (const QString more = stoppedWriteText(result.link); !more.isEmpty())
        box.text += u'\r' + more;
    const Operation::Kind step = result.link.operation.kind;
    if (result.cut) {
        box.buttons = cutWriteButtons();
        box.defaultButton = box.wayOut();
        const int pressed = dialogs().askWithButtons(box);
        if (pressed == 0)
            resumeAsTheMenuDoes();
        else if (pressed == 1)
            writeWholeAgain(job);
    } else if (step == Operation::Kind::VerifyDevice || step == Operation::Kind::VerifySlot) {
        box.buttons = uncheckedWriteButtons();
        if (dialogs().askWithButtons(box) == 0)
            checkAgain(job);
    } else {
        dialogs().showMessage(box.kind, box.text, box.detail);
    }
}

// The menu command identifies a device before it goes on, as after any pause the device on
// the line may be another.
void EditorTransfers::resumeAsTheMenuDoes()
{
    if (auto *command = m_shell.mainWindow()->findChild<QAction *>(QStringLiteral("mnResumeWrite")))
        command->trigger();
}

void EditorTransfers::checkAgain(const WriteJob &job)
{
    m_shell.BeginAnimation();
    run([this, job](const ExchangeFlow::Done &done) { return m_shell.flow().check(job, done); },
        [this, job](const FlowResult &result) { afterWrite(result, job); });
}

// Written again as it was, without the read before it: the device has just been written.
void EditorTransfers::writeWholeAgain(const WriteJob &job)
{
    m_shell.BeginAnimation();
    WriteJob again = job;
    again.lastRead.reset();
    startWrite(again);
}

// A write cut to the differences says how much it sent; every checked write says when.
QString EditorTransfers::checkedStatus(const FlowResult &result)
{
    if (result.runsWritten && *result.runsWritten == 0)
        return QStringLiteral("Прилад уже містить ці налаштування");
    const QString summary =
        result.runsWritten ? writtenSummary(result.settingsWritten, *result.runsWritten) : QString();
    return checkedWriteStatus(QTime::currentTime(), summary);
}

QString EditorTransfers::targetText(const WriteJob &job) const
{
    if (job.operation.kind == Operation::Kind::WriteSlot)
        return QStringLiteral("конфігуратор (конфігурація %1)").arg(job.operation.slot);
    return QStringLiteral("прилад");
}

// The record names what was read back, as the model's report prints it.
void EditorTransfers::keepRecord(const FlowResult &result, const WriteJob &job)
{
    CommissioningRecord record = readBackRecord(m_host.definition(), result.images, job.heldVariant);
    record.title = m_host.title();
    record.target = targetText(job);
    record.port = result.link.port;
    record.written = QDateTime::currentDateTime();
    record.operatorName = ArchiveSettings::load().author().operatorName;
    record.differences = result.differences;
    record.otherMismatches = result.otherMismatches;
    m_record = record;
}

// The site and address are asked the first time for a device and then remembered; a closed
// box leaves them blank on this record.
void EditorTransfers::nameRecordSite()
{
    const quint8 type = m_host.definition().typeCode;
    std::optional<RecordSite> site = rememberedSite(type, m_record->objectNumber);
    if (!site) {
        RecordSiteDialog dialog(m_shell.mainWindow());
        if (dialogs().execDialog(&dialog) == QDialog::Accepted) {
            site = dialog.site();
            rememberSite(type, m_record->objectNumber, *site);
        }
    }
    m_record->site = site ? site->site : QString();
    m_record->address = site ? site->address : QString();
}

void EditorTransfers::writeAgainIfWanted(const WriteJob &job, const QString &what)
{
    if (dialogs().askYesNoSafely(QStringLiteral("Прочитане після запису відрізняється від записаного.\r%1\r"
                                                "Записати ще раз?").arg(what)))
        writeWholeAgain(job);
}

void EditorTransfers::compareWithDevice()
{
    m_cut.reset();
    m_host.encodeImages();
    const DeviceDefinition &d = m_host.definition();
    const CompareJob job{deviceRead({Operation::Kind::CompareDevice}), images(), m_host.editorVariant(),
                         m_shell.exchange().FirmwareVariant, d.settingFields};
    run([this, job](const ExchangeFlow::Done &done) { return m_shell.flow().compare(job, done); },
        [this](const FlowResult &result) {
            afterComparison(result);
            record(EventKind::Compare, result);
        });
}

void EditorTransfers::afterComparison(const FlowResult &result)
{
    if (result.deviceLearnt)
        m_lastRead = result.deviceNow;
    if (reportStopped(m_shell, result))
        return;
    reportSuccess(m_shell, result);
    dialogs().showMessage(Dialogs::Kind::Information,
                          result.differences.isEmpty()
                              ? QStringLiteral("Налаштування редактора і приладу не відрізняються.")
                              : differenceText(result.differences, QStringLiteral("редактор"), QStringLiteral("прилад")));
}

void EditorTransfers::compareWithFile(const settingsfile::Contents &file)
{
    m_host.encodeImages();
    const DeviceDefinition &d = m_host.definition();
    QList<FieldDifference> list;
    if (d.settingFields)
        list = differences(d.settingFields(images(), m_host.editorVariant()),
                           d.settingFields({file.images.eeprom, file.images.memory}, file.header.variant));
    dialogs().showMessage(Dialogs::Kind::Information,
                          list.isEmpty() ? QStringLiteral("Налаштування редактора і файлу не відрізняються.")
                                         : differenceText(list, QStringLiteral("редактор"), QStringLiteral("файл")));
}

void EditorTransfers::saveRecord()
{
    if (!m_record) {
        dialogs().showMessage(Dialogs::Kind::Information,
                              QStringLiteral("Немає перевіреного запису: запишіть налаштування з перевіркою."));
        return;
    }
    nameRecordSite();
    const QString written = saveCommissioningRecord(*m_record);
    if (!written.isEmpty())
        m_shell.setStatusText(0, written);
}

// The images of the event are the settings a file of the editor's would hold.
void EditorTransfers::record(EventKind kind, const FlowResult &result, const SettingsImages &sent)
{
    m_shell.recordExchange({kind, QString(), m_host.definition().typeCode, m_host.fileVariant(), sent}, result);
}
