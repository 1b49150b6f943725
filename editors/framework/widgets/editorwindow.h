#pragma once

#include "registry.h"
#include "reportdocument.h"
#include "settingsfile.h"

#include <QWidget>

class QUndoStack;

// The operations every device editor offers; the main window calls them on the active
// editor. An editor lives inside an MDI sub-window of the main window.
class EditorWindow : public QWidget
{
    Q_OBJECT
public:
    using QWidget::QWidget;

    virtual Model model() const = 0;
    // The firmware variant the editor is set to, and its title for that variant.
    virtual quint8 editorVariant() const = 0;
    virtual QString title() const = 0;
    // False while an exchange runs: the editor then refuses to close.
    virtual bool isIdle() const = 0;
    // The controls hold settings of the user's: a completed read, a loaded file or an
    // edit (not the defaults of a fresh editor or what a failed read left).
    virtual bool holdsSettings() const = 0;
    // The caption carries the mark of edits by the user (none since the last read, file
    // load or save).
    virtual bool hasUserChanges() const = 0;
    // Undo and redo of the user's edits.
    virtual QUndoStack *undoStack() const = 0;

    virtual void VersionFirmware(quint8 variant) = 0;
    virtual void LoadFromDevice() = 0;
    virtual void LoadToDevice() = 0;
    // The same, sending every setting whatever the device holds.
    virtual void LoadAllToDevice() = 0;
    virtual void LoadFromConfigurator(int slot) = 0;
    virtual void LoadToConfigurator(int slot) = 0;
    // Reads the identified device and lists how it differs from the editor.
    virtual void CompareWithDevice() = 0;
    // Lists how a settings file of this model differs from the editor.
    virtual void CompareWithFile(const settingsfile::Contents &file) = 0;
    // Goes on with a write that was cut (after identification for a device); false when
    // no write was cut.
    virtual bool ResumeWrite() = 0;
    // A cut write to a configurator slot (resumed without identification).
    virtual bool slotWriteCut() const = 0;
    // Another exchange started: a cut write can no longer be resumed.
    virtual void discardCutWrite() = 0;
    // Writes the commissioning record of the last verified write.
    virtual void SaveRecord() = 0;
    // False when the file could not be written (the editor has said so).
    virtual bool PrepareToSave(const QString &fileName) = 0;
    // Fills the controls from the settings file `fileName`, already read and checked for
    // this editor's model, and names the file in the caption.
    virtual void PrepareToLoad(const QString &fileName, const settingsfile::Contents &file) = 0;
    // The settings report of what the controls hold, for the main window to write as RTF,
    // preview and print, or write as PDF.
    virtual SettingsReport PrepareToPrint() = 0;
    // What the editor says to a configurator command when its model takes no configurator
    // transfers; empty: it says nothing.
    virtual QString configuratorRefusal() const { return {}; }

    // Sets the window caption (the title, or the title with a suffix).
    virtual void setCaption(const QString &caption) = 0;
};
