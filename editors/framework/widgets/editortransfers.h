#pragma once

#include "devicedefinition.h"
#include "commissioningrecord.h"
#include "exchangeoutcome.h"
#include "settingsfile.h"
#include "verification.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>
#include <optional>

class ExchangeSession;
class Shell;

// What the transfers need of the editor they work for.
class TransferHost
{
public:
    virtual ~TransferHost() = default;
    virtual const DeviceDefinition &definition() const = 0;
    virtual quint8 editorVariant() const = 0;
    virtual QString title() const = 0;
    // Controls into the shared images, and back (without marking a change).
    virtual void encodeImages() = 0;
    virtual void showImages() = 0;
    // The caption: the title and `state` ("завантажено з приладу").
    virtual void showState(const QString &state) = 0;
    // The controls now hold what the device holds.
    virtual void holdSettings() = 0;
    // A write to configurator slot `slot`: its plan and the variant the slot records.
    struct SlotWrite {
        TransferPlan plan;
        quint8 recordedVariant;
    };
    virtual SlotWrite slotWrite(int slot) const = 0;
};

// An editor's exchanges with a device or a configurator slot, all planned by the model's
// definition: read, write with the check that reads back what was written, comparison
// with the device or a settings file, the resumption of a cut write and the
// commissioning record of a verified one.
class EditorTransfers : public QObject
{
    Q_OBJECT
public:
    EditorTransfers(TransferHost &host, Shell &shell, QObject *parent = nullptr);
    ~EditorTransfers() override;

    bool running() const;

    void readDevice();
    // The identified device must be the editor's (checked by the caller).
    void writeDevice();
    void readSlot(int slot);
    void writeSlot(int slot);
    void compareWithDevice();
    void compareWithFile(const settingsfile::Contents &file);
    // Goes on with a write that was cut; false when there is none.
    bool resumeWrite();
    bool canResume() const { return m_resumeFrom.has_value(); }
    bool slotWriteCut() const;
    void discardCutWrite() { m_resumeFrom.reset(); }
    void saveRecord();

private:
    enum class Step { Idle, Reading, CheckingDevice, Writing, Verifying, Comparing };
    struct Write {
        Operation operation;
        TransferPlan plan;
        SettingsImages sent;
    };

    SettingsImages images() const;
    void setImages(const SettingsImages &images);
    void readInto(Step step, const Operation &operation);
    void startWrite(const Write &write);
    void startVerification();
    void ended();
    void stopped(const QString &readState);
    void afterRead();
    void afterDeviceCheck();
    void afterVerification();
    void afterComparison();
    void writeAgainIfWanted(const QString &what);
    QList<SettingField> fieldsOf(const SettingsImages &images, quint8 variant) const;
    QString targetText() const;

    TransferHost &m_host;
    Shell &m_shell;
    ExchangeSession *m_session;
    Step m_step = Step::Idle;
    Operation m_operation;
    std::optional<Write> m_write;               // the last write started
    std::optional<int> m_resumeFrom;            // where a cut write goes on
    std::optional<Verification> m_verification; // the check under way
    std::optional<SettingsImages> m_lastRead;   // the device as last read in this session
    std::optional<CommissioningRecord> m_record; // the last verified write
    SettingsImages m_kept; // the editor's images while the shared ones hold a scratch read
    QElapsedTimer m_writeStarted;
};
