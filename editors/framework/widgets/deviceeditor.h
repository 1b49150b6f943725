#pragma once

#include "editorwindow.h"
#include "exchangeoutcome.h"
#include "exchangestate.h"

#include <QElapsedTimer>
#include <memory>

class Shell;
class TMainCPort;
class TPacketList;

// What every device editor does alike: the four transfers with their stage texts and
// progress, the end and failure of an exchange, captions, the idle flag and the close
// rules, window placement, settings files. A model supplies its images, block lists and
// controls through the protected hooks.
class TDeviceEditor : public EditorWindow
{
    Q_OBJECT
public:
    enum class Area { Eeprom, Memory };

    TDeviceEditor(Model model, Shell &shell, QWidget *parent = nullptr);
    ~TDeviceEditor() override;

    Model model() const override { return m_model; }
    quint8 editorVariant() const override { return m_variant; }
    QString title() const override { return m_title; }
    bool isIdle() const override { return m_idle; }
    bool holdsSettings() const override { return m_holdsSettings; }

    void VersionFirmware(quint8 variant) override;
    void LoadFromDevice() override;
    void LoadToDevice() override;
    void LoadFromConfigurator(int slot) override;
    void LoadToConfigurator(int slot) override;
    void PrepareToSave(const QString &fileName) override;
    void PrepareToLoad(const QString &fileName, const settingsfile::Contents &file) override;
    void setCaption(const QString &caption) override;

    // Marks the configuration as changed by the user (unless the program fills controls).
    void ChangeAdjust();
    virtual void ResetToDefault() = 0;

protected:
    ExchangeState &exchange() const;
    Shell &shell() const { return m_shell; }
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
    virtual int deviceReadMemorySize() const { return memorySize(); }

    virtual void appendDeviceWrite(TPacketList &list, Area area) = 0;
    virtual void appendDeviceRead(TPacketList &list, Area area) = 0;
    // The variant recorded in a configurator slot.
    virtual quint8 configuratorVariant() const { return m_variant; }
    virtual void appendConfiguratorWrite(TPacketList &list, int slot) = 0;
    virtual void appendConfiguratorRead(TPacketList &list, int slot) = 0;

    void fillControlsFromImages();
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void beginExchange(const Operation &operation);
    void showStage(const QString &text);
    void startExchange();
    void endExchangeUnstarted();
    void EndRead();
    void ErrorTransmit();
    void releaseExchange();
    void showElapsed();

    Model m_model;
    Shell &m_shell;
    quint8 m_variant = 0;
    QString m_title;
    bool m_idle = true;
    bool m_holdsSettings = false;
    Operation m_operation;
    bool m_placed = false;
    QElapsedTimer m_started;
    std::unique_ptr<TPacketList> m_list;
    std::unique_ptr<TMainCPort> m_link;
};
