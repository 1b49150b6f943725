#pragma once

#include "devicedefinition.h"
#include "edithistory.h"
#include "editortransfers.h"
#include "editorwindow.h"
#include "editorstate.h"

class Shell;

// What every device editor does alike: the four transfers, planned by the model's
// definition and run by an exchange session, their end and failure, captions, the close
// rules, window placement, settings files. A model supplies its controls and images
// through the protected hooks.
class TDeviceEditor : public EditorWindow, private TransferHost
{
    Q_OBJECT
public:
    TDeviceEditor(Model model, Shell &shell, QWidget *parent = nullptr);
    ~TDeviceEditor() override;

    Model model() const override { return m_model; }
    quint8 editorVariant() const override { return m_variant; }
    QString title() const override { return m_title; }
    bool isIdle() const override;
    bool holdsSettings() const override { return m_holdsSettings; }
    bool hasUserChanges() const override;
    QUndoStack *undoStack() const override { return m_history->stack(); }

    void VersionFirmware(quint8 variant) override;
    void LoadFromDevice() override;
    void LoadToDevice() override;
    void LoadAllToDevice() override;
    void LoadFromConfigurator(int slot) override;
    void LoadToConfigurator(int slot) override;
    void CompareWithDevice() override;
    void CompareWithFile(const settingsfile::Contents &file) override;
    bool ResumeWrite() override;
    bool slotWriteCut() const override;
    void discardCutWrite() override;
    void SaveRecord() override;
    bool PrepareToSave(const QString &fileName) override;
    void PrepareToLoad(const QString &fileName, const settingsfile::Contents &file) override;
    void setCaption(const QString &caption) override;

    // Marks the configuration as changed by the user (unless the program fills controls).
    void ChangeAdjust();
    // Every change a part signals marks the configuration as changed.
    template<class Part>
    void markChangesOf(Part *part)
    {
        connect(part, &Part::changed, this, &TDeviceEditor::ChangeAdjust);
    }
    virtual void ResetToDefault() = 0;

protected:
    EditorState &exchange() const;
    Shell &shell() const { return m_shell; }
    const DeviceDefinition &definition() const override;
    int eepromSize() const;
    int memorySize() const;

    // Controls to images and back (the images of the shared exchange state).
    virtual void FillArrayByDataForEEPROM() = 0;
    virtual void FillByDataFromEEPROM() = 0;
    virtual void FillArrayByDataForMemory() = 0;
    virtual void FillByDataFromMemory() = 0;

    // The variant-dependent enabling of controls (after the title has been set).
    virtual void applyVariant(quint8 variant) = 0;
    // Whether the identified device may receive this editor's data; may adopt the
    // device's variant first.
    virtual bool acceptsIdentifiedDevice();
    // Takes `variant` as the editor's own (title and enabling) keeping every control.
    void adoptVariant(quint8 variant);

    // The variant byte of a settings file of these settings: the editor variant, unless the
    // model keeps the module's firmware version apart from its variant.
    virtual quint8 recordedVersion() const { return m_variant; }
    // TransferHost: by default the definition's slot write for the editor variant.
    using SlotWrite = TransferHost::SlotWrite;
    SlotWrite slotWrite(int slot) const override;

    void fillControlsFromImages();
    // The controls were filled anew: the edits before cannot be undone.
    void forgetEdits();
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void writeToDevice(bool whole);
    // TransferHost
    void encodeImages() override;
    void showImages() override;
    void showState(const QString &state) override;
    void holdSettings() override { m_holdsSettings = true; }
    quint8 fileVariant() const override { return recordedVersion(); }

    // What the controls hold, encoded without touching the images of an exchange.
    EditSnapshot snapshot();
    void showSnapshot(const EditSnapshot &snapshot);
    // Whether the window may close as far as the user's unsaved edits go.
    bool changesSettled();

    Model m_model;
    Shell &m_shell;
    quint8 m_variant = 0;
    QString m_title;
    bool m_holdsSettings = false;
    bool m_placed = false;
    EditorTransfers *m_transfers;
    EditHistory *m_history;
};
