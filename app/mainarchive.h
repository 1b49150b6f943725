#pragma once

#include "archivewindowhost.h"
#include "sessionarchive.h"

#include <QObject>
#include <QPointer>

class TArchiveForm;
class TMainForm;
struct ExchangeReport;
struct FlowResult;
namespace settingsfile {
struct Contents;
}

// The site archive as the main window uses it. Every exchange that ends and every settings
// file saved or opened is recorded; a device read or write with the device it belongs to,
// which "Новий прилад" asks for when the archive cannot tell. A recording that fails leaves
// the exchange as it ended: status panel 2 and the log say so. It also opens "Архів
// об'єктів" and "Налаштування архіву", and does for the archive window what it asks of the
// editors.
class MainArchive : public QObject, public ArchiveWindowHost
{
    Q_OBJECT
public:
    explicit MainArchive(TMainForm &form);
    ~MainArchive() override;

    void recordExchange(const ExchangeReport &report, const FlowResult &result);
    void recordOpenedFile(const QString &path, const settingsfile::Contents &file);
    // What the file holds as written, read back.
    void recordSavedFile(const QString &path);

    void showWindow();
    void editOptions();

    // ArchiveWindowHost
    void openConfiguration(const SettingsExport &settings, const QString &caption) override;
    void compareWithEditor(const SettingsExport &settings) override;
    void saveRecord(const EventRecord &event, const SiteRecord &site, const DeviceRecord &device) override;

private:
    void recordFile(EventKind kind, const QString &path, const settingsfile::Contents &file);
    void record(ArchiveEvent event);
    void closeWindow();

    TMainForm &m_form;
    SessionArchive m_session;
    QPointer<TArchiveForm> m_window;
};
