#pragma once

#include "devicedefinition.h"
#include "commissioningrecord.h"
#include "eventrecording.h"
#include "exchangeflow.h"
#include "settingsfile.h"

#include <QObject>
#include <optional>

class Shell;

// What the transfers need of the editor they work for.
class TransferHost
{
public:
    virtual ~TransferHost() = default;
    virtual const DeviceDefinition &definition() const = 0;
    virtual quint8 editorVariant() const = 0;
    // The variant a settings file of the controls records.
    virtual quint8 fileVariant() const = 0;
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

// An editor's exchanges with a device or a configurator slot, run by the program's exchange
// flow and shown in the editor: read, write with its check, comparison with the device or
// a settings file, the resumption of a cut write and the commissioning record of a
// verified one.
class EditorTransfers : public QObject
{
    Q_OBJECT
public:
    EditorTransfers(TransferHost &host, Shell &shell, QObject *parent = nullptr);
    ~EditorTransfers() override;

    bool running() const { return m_running; }

    void readDevice();
    // The identified device must be the editor's (checked by the caller). After a read in
    // this session only what differs is sent, unless `whole`.
    void writeDevice(bool whole);
    void readSlot(int slot);
    void writeSlot(int slot);
    void compareWithDevice();
    void compareWithFile(const settingsfile::Contents &file);
    // Goes on with a write that was cut; false when there is none.
    bool resumeWrite();
    bool slotWriteCut() const;
    void discardCutWrite() { m_cut.reset(); }
    void saveRecord();

private:
    using Start = std::function<bool(const ExchangeFlow::Done &)>;
    void run(const Start &start, const ExchangeFlow::Done &done);
    ReadJob deviceRead(const Operation &operation) const;
    void read(const ReadJob &job);
    void startWrite(const WriteJob &job);
    void afterRead(const FlowResult &result, const Operation &operation);
    void afterWrite(const FlowResult &result, const WriteJob &job);
    void showWritten(const FlowResult &result, const WriteJob &job);
    void reportStoppedWrite(const FlowResult &result, const WriteJob &job);
    void resumeAsTheMenuDoes();
    void checkAgain(const WriteJob &job);
    void writeWholeAgain(const WriteJob &job);
    void keepRecord(const FlowResult &result, const WriteJob &job);
    void nameRecordSite();
    void writeAgainIfWanted(const WriteJob &job, const QString &what);
    bool writeOverChanges(const QList<FieldDifference> &changes);
    void afterComparison(const FlowResult &result);
    void record(EventKind kind, const FlowResult &result, const SettingsImages &sent = {});
    SettingsImages images() const;
    QString targetText(const WriteJob &job) const;
    static QString checkedStatus(const FlowResult &result);
    static QString mismatchText(const FlowResult &result);
    static FlowResult stillCut(const FlowResult &result, const CutWrite &cut);

    TransferHost &m_host;
    Shell &m_shell;
    bool m_running = false;
    std::optional<CutWrite> m_cut;               // a write to go on with
    std::optional<SettingsImages> m_lastRead;    // the device as last read in this session
    std::optional<CommissioningRecord> m_record; // the last verified write
};
